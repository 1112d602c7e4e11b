#include "rails/ModeloGradeRail.h"

#include "store/Banco.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace tarsel {

namespace {
constexpr int PapelId = Qt::UserRole + 1;
}

ModeloGradeRail::ModeloGradeRail(QList<Coluna> colunas, QObject* parent)
    : QStandardItemModel(0, int(colunas.size()), parent)
    , m_colunas(std::move(colunas)) {
    QStringList legendas;
    for (const Coluna& c : m_colunas)
        legendas << c.legenda;
    setHorizontalHeaderLabels(legendas);
}

int ModeloGradeRail::coluna(const QString& campo) const {
    for (int i = 0; i < m_colunas.size(); ++i) {
        if (m_colunas.at(i).campo.compare(campo, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void ModeloGradeRail::carrega(const ConsultaRail& consulta) {
    QList<QList<QStandardItem*>> linhas;
    {
        Banco b(QString(), Banco::Modo::SomenteLeitura);
        QSqlQuery q = consulta.executa(b);
        const QSqlRecord r = q.record();
        QList<int> origem;
        for (const Coluna& c : m_colunas)
            origem << r.indexOf(c.campo);
        while (q.next()) {
            QList<QStandardItem*> itens;
            for (int i = 0; i < m_colunas.size(); ++i) {
                auto* item = new QStandardItem(origem.at(i) >= 0 ? q.value(origem.at(i)).toString() : QString());
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                itens << item;
            }
            itens.first()->setData(q.value(ConsultaRail::ColunaId).toLongLong(), PapelId);
            linhas << itens;
        }
    }
    m_consulta = consulta;
    m_temConsulta = true;
    removeRows(0, rowCount());
    for (const auto& itens : linhas)
        appendRow(itens);
    emit carregada();
}

void ModeloGradeRail::atualiza() {
    if (m_temConsulta)
        carrega(m_consulta);
}

QList<qint64> ModeloGradeRail::ids() const {
    QList<qint64> r;
    r.reserve(rowCount());
    for (int i = 0; i < rowCount(); ++i)
        r << item(i, 0)->data(PapelId).toLongLong();
    return r;
}

QString ModeloGradeRail::texto(int linha, const QString& campo) const {
    const int c = coluna(campo);
    if (linha < 0 || linha >= rowCount() || c < 0)
        return {};
    return item(linha, c)->text();
}

} // namespace tarsel
