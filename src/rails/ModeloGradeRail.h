#pragma once

#include "rails/ConsultaRail.h"

#include <QList>
#include <QStandardItemModel>
#include <QString>

namespace tarsel {

// The rows of a rail grid, copied from Master by a query. Each load opens the database, reads and closes
// it again, so the grid never holds a read lock while the parse and the recordings write the same rows.
class ModeloGradeRail : public QStandardItemModel {
    Q_OBJECT
public:
    // One column of the grid: the Master column it shows, its caption, whether it is shown.
    struct Coluna {
        QString campo;
        QString legenda;
        bool visivel;
    };

    ModeloGradeRail(QList<Coluna> colunas, QObject* parent = nullptr);

    const QList<Coluna>& colunas() const { return m_colunas; }
    int coluna(const QString& campo) const;

    // Runs `consulta` and shows its rows; remembers it for atualiza(). Throws ErroVB (the rows shown
    // before stay as they were).
    void carrega(const ConsultaRail& consulta);
    // Runs the last query again.
    void atualiza();
    bool temConsulta() const { return m_temConsulta; }
    const ConsultaRail& consulta() const { return m_consulta; }

    // The row ids of the rows shown, in their order.
    QList<qint64> ids() const;
    // The text of `campo` in row `linha` (empty outside the rows).
    QString texto(int linha, const QString& campo) const;

signals:
    void carregada();

private:
    QList<Coluna> m_colunas;
    ConsultaRail m_consulta;
    bool m_temConsulta = false;
};

} // namespace tarsel
