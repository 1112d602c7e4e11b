// The RF reference values: the kind rule as a table, the shipped values of every family through the
// query, and the window opened from the RF sub-menu (its own model list, the kind buttons, a family the
// database lacks and a database without the table).

#include "Apoio.h"

#include "app/Inicial.h"
#include "app/fmxMenu.h"
#include "base/ErroVB.h"
#include "base/Familias.h"
#include "base/Globais.h"
#include "devicetests/RFs_Esq.h"
#include "devicetests/ValoresRF.h"
#include "store/Banco.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

using namespace tarsel;

namespace {

QStringList coluna(const QTableWidget* grade, int c) {
    QStringList r;
    for (int i = 0; i < grade->rowCount(); ++i)
        r << grade->item(i, c)->text();
    return r;
}

void escolheModelo(QComboBox* c, const QString& modelo) {
    c->setCurrentText(modelo);
    emit c->activated(c->currentIndex());
}

} // namespace

class TesteValoresRF : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { globais().IdiomaAtual = 1; }

    void tipo_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<int>("seletor");
        QTest::addColumn<QString>("tipo");
        for (const char* f : {"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus"}) {
            QTest::addRow("%s, INT.", f) << f << 1 << "T";
            QTest::addRow("%s, QUAL.", f) << f << 2 << "T";
        }
        for (const char* f : {"IP 7", "IP 7 Plus", "IP 8", "IP 8 Plus", "IP X"}) {
            QTest::addRow("%s, INT.", f) << f << 1 << "I";
            QTest::addRow("%s, QUAL.", f) << f << 2 << "Q";
        }
        QTest::newRow("a text outside the list takes the selector") << "IP 6 '" << 2 << "Q";
    }
    void tipo() {
        QFETCH(QString, modelo);
        QFETCH(int, seletor);
        QFETCH(QString, tipo);
        QCOMPARE(ValoresRF::Tipo(modelo, seletor), tipo);
    }

    void valoresDeCadaFamilia_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<int>("seletor");
        for (const QString& f : FamiliasModelo()) {
            QTest::addRow("%s, INT.", qPrintable(f)) << f << 1;
            QTest::addRow("%s, QUAL.", qPrintable(f)) << f << 2;
        }
    }
    void valoresDeCadaFamilia() {
        QFETCH(QString, modelo);
        QFETCH(int, seletor);
        teste::PastaPrograma pasta;
        Banco b({}, Banco::Modo::SomenteLeitura);
        const QList<ValoresRF::LinhaRf> linhas = ValoresRF::Consulta(b, modelo, seletor);
        QVERIFY(linhas.size() >= 8);
        QStringList malhas;
        for (const ValoresRF::LinhaRf& l : linhas) {
            QCOMPARE(l.modelo, modelo);
            QCOMPARE(l.tipo, ValoresRF::Tipo(modelo, seletor));
            QVERIFY(!l.componente.isEmpty());
            // A voltage to read on a meter: "1.80 V".
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d+\\.\\d\\d V$")).match(l.valor).hasMatch(),
                     qPrintable(l.valor));
            malhas << l.malha;
        }
        QStringList ordenadas = malhas;
        ordenadas.sort(Qt::CaseInsensitive);
        QCOMPARE(malhas, ordenadas);
    }

    void consultaComTextoEstranho_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<int>("linhas");
        QTest::newRow("an apostrophe is only a text that matches nothing") << "IP 7' or '1'='1" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("another case finds the family") << "ip 7" << -1;
    }
    void consultaComTextoEstranho() {
        QFETCH(QString, modelo);
        QFETCH(int, linhas);
        teste::PastaPrograma pasta;
        Banco b({}, Banco::Modo::SomenteLeitura);
        const auto r = ValoresRF::Consulta(b, modelo, ValoresRF::SeletorInt);
        if (linhas < 0)
            QVERIFY(!r.isEmpty());
        else
            QCOMPARE(int(r.size()), linhas);
    }

    void janelaPeloSubMenu() {
        teste::BancadaTela<RFs_Esq> b(NomeTela::RFs_Esq, QStringLiteral("delete from Rf where Modelo = 'IP X'"));
        b.principal->menu()->btMenu(3)->click();
        RFs_Esq* t = b.tela();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("Tensões RF - Voltrace Tarsel"));
        QCOMPARE(t->lbREF()->text(), QStringLiteral("VALORES DE REFERÊNCIA PARA MEDIÇÕES A SEREM REALIZADAS NA BOARD"));
        QCOMPARE(t->DBGrid1()->horizontalHeaderItem(3)->text(), QStringLiteral("Referência"));
        // It starts at the main window's family, kind INT.
        QCOMPARE(t->ComboAparelhos()->currentText(), QStringLiteral("IP 7"));
        QVERIFY(t->DBGrid1()->rowCount() > 0);
        const QStringList tipos = coluna(t->DBGrid1(), 4);
        QCOMPARE(QSet<QString>(tipos.cbegin(), tipos.cend()), QSet<QString>{QStringLiteral("I")});
        t->Botao2()->click();
        QCOMPARE(coluna(t->DBGrid1(), 4).value(0), QStringLiteral("Q"));
        QVERIFY(t->Botao2()->isChecked());

        // "IP 6s": one kind whichever button.
        escolheModelo(t->ComboAparelhos(), QStringLiteral("IP 6s"));
        QCOMPARE(coluna(t->DBGrid1(), 0).value(0), QStringLiteral("IP 6s"));
        QCOMPARE(coluna(t->DBGrid1(), 4).value(0), QStringLiteral("T"));
        t->Botao1()->click();
        QCOMPARE(coluna(t->DBGrid1(), 4).value(0), QStringLiteral("T"));
        QVERIFY(t->lbNota()->isHidden());

        // A family the database holds no values for: an empty grid that says so.
        escolheModelo(t->ComboAparelhos(), QStringLiteral("IP X"));
        QCOMPARE(t->DBGrid1()->rowCount(), 0);
        QVERIFY(t->lbNota()->isVisible());
        QCOMPARE(t->lbNota()->text(), QStringLiteral("Modelo não encontrado"));
        QVERIFY(b.dialogos.caixas.isEmpty());
    }

    void bancoSemTabela() {
        teste::BancadaTela<RFs_Esq> b(NomeTela::RFs_Esq);
        teste::executaSql(b.pasta.banco(), QStringLiteral("drop table Rf"));
        RFs_Esq* t = b.abre();
        QVERIFY(t);
        QCOMPARE(b.dialogos.caixas.size(), 1);
        const auto& caixa = b.dialogos.caixas.first();
        QCOMPARE(caixa.icone, Dialogos::Icone::Critico);
        QVERIFY2(caixa.titulo.startsWith(QStringLiteral("Nº 3")), qPrintable(caixa.titulo));
        QVERIFY(caixa.texto.contains(QStringLiteral(" Nº: 3")));
        QCOMPARE(t->DBGrid1()->rowCount(), 0);
    }
};

QTEST_MAIN(TesteValoresRF)
#include "tst_valoresrf.moc"
