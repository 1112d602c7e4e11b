// The USB interface chip screen against the simulated phone: a healthy board passes both judged rows, a
// memory buck reading high fails its row while the status caption stays "NORMAL".

#include "Apoio.h"

#include "app/Inicial.h"
#include "base/Globais.h"
#include "chips/Tristar.h"
#include "link/Enlace.h"
#include "tela/Conversoes.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace tarsel;

namespace {
QColor fundo(const QLabel* l) {
    return l->palette().color(QPalette::Window);
}

Tristar* abreELe(teste::BancadaTela<Tristar>& b) {
    Tristar* t = b.abre();
    if (!t)
        return nullptr;
    if (!QTest::qWaitFor([t] { return t->emCurso() || t->aguardando(); }, 5000))
        return nullptr;
    if (!QTest::qWaitFor([t] { return !t->aguardando(); }, 15000))
        return nullptr;
    return t;
}
} // namespace

class TstTristar : public QObject {
    Q_OBJECT

private slots:
    void init() { globais().IdiomaAtual = 1; }

    void placaSaudavel_data() {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("designador");
        QTest::addColumn<QString>("malha1");
        QTest::newRow("IP 7: Tristar") << "A1778"
                                       << "Tristar - Voltrace Tarsel"
                                       << "U4001"
                                       << "PP3V0_TRISTAR_ANT_PROX";
        QTest::newRow("IP X: Hydra") << "A1865"
                                     << "Hydra - Voltrace Tarsel"
                                     << "U6300"
                                     << "PP3V0_S2";
    }
    void placaSaudavel() {
        QFETCH(QString, numero);
        QFETCH(QString, titulo);
        QFETCH(QString, designador);
        QFETCH(QString, malha1);
        teste::BancadaTela<Tristar> b(NomeTela::Tristar);
        QVERIFY(b.conecta(numero));
        Tristar* t = abreELe(b);
        QVERIFY(t);

        QCOMPARE(t->windowTitle(), titulo);
        QCOMPARE(t->lbUC()->text(), designador);
        QCOMPARE(t->campo("lbNomeMalha1")->text(), malha1);
        for (int r = 1; r <= 2; ++r) {
            const QString porc = QStringLiteral("Porc%1").arg(r);
            QVERIFY2(fundo(t->campo(porc)) == CorBGR(Cores::VerdeClaro), qPrintable(porc));
            QVERIFY(t->OK(r)->isVisibleTo(t));
            QVERIFY(!t->NO(r)->isVisibleTo(t));
            QVERIFY(t->campo(QStringLiteral("Malha%1_V").arg(r))->text().endsWith(QLatin1String(" V")));
            QVERIFY(t->campo(QStringLiteral("Malha%1_A").arg(r))->text().endsWith(QLatin1String(" mA")));
        }
        QCOMPARE(t->campo("Porc3")->text(), QStringLiteral("ACC"));
        QCOMPARE(t->lbStatus()->text(), QStringLiteral("NORMAL"));
        QCOMPARE(t->lbStatus()->palette().color(QPalette::WindowText), CorBGR(QStringLiteral("&H0000C000")));
        QVERIFY(t->OK(0)->isVisibleTo(t));
        QVERIFY(t->OK(3)->isVisibleTo(t) && t->lbStatus2()->isVisibleTo(t));
        QVERIFY(t->btExecutaLeitura()->isEnabled());
        QCOMPARE(b.principal->enlace().Status(), QStringLiteral("1"));
    }

    void bobinaDaMemoriaAlta() {
        teste::BancadaTela<Tristar> b(NomeTela::Tristar);
        QVERIFY(b.conecta(QStringLiteral("A1778"), {QStringLiteral("alto-rail")}));
        Tristar* t = abreELe(b);
        QVERIFY(t);

        QVERIFY(fundo(t->campo("Malha2_V")) == CorBGR(Cores::AmareloClaro));
        QVERIFY(fundo(t->campo("Porc2")) == CorBGR(Cores::AmareloClaro));
        QVERIFY(t->campo("Porc2")->text().startsWith(QLatin1String("15")));
        QVERIFY(t->NO(2)->isVisibleTo(t));
        QVERIFY(!t->OK(2)->isVisibleTo(t));
        QVERIFY(t->OK(1)->isVisibleTo(t));
        QCOMPARE(t->lbStatus()->text(), QStringLiteral("NORMAL"));
        QCOMPARE(t->lbStatus()->palette().color(QPalette::WindowText), CorBGR(QStringLiteral("&H00000000")));

        // Reading again clears first: while the answer comes, no verdict is left from the last one.
        t->btExecutaLeitura()->click();
        QVERIFY(!t->btExecutaLeitura()->isEnabled());
        QVERIFY(!t->NO(2)->isVisibleTo(t));
        QCOMPARE(t->campo("Porc2")->text(), QStringLiteral("0 %"));
        QVERIFY(QTest::qWaitFor([t] { return !t->aguardando(); }, 15000));
        QVERIFY(t->NO(2)->isVisibleTo(t));
    }
};

QTEST_MAIN(TstTristar)
#include "tst_tristar.moc"
