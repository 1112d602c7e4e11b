// The charger chip screen against the simulated phone: a healthy board reads green, a weak charger and a
// flat battery show their rows yellow with the low markers; the second input follows the model.

#include "Apoio.h"

#include "app/Inicial.h"
#include "base/Globais.h"
#include "chips/Tigris.h"
#include "link/Enlace.h"
#include "tela/Conversoes.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace tarsel;

namespace {
QColor fundo(const QLabel* l) {
    return l->palette().color(QPalette::Window);
}

// Opens the screen on a connected phone and waits for the reading that opening starts.
Tigris* abreELe(teste::BancadaTela<Tigris>& b) {
    Tigris* t = b.abre();
    if (!t)
        return nullptr;
    if (!QTest::qWaitFor([t] { return t->emCurso() || t->aguardando(); }, 5000))
        return nullptr;
    if (!QTest::qWaitFor([t] { return !t->aguardando(); }, 15000))
        return nullptr;
    return t;
}
} // namespace

class TstTigris : public QObject {
    Q_OBJECT

private slots:
    void init() { globais().IdiomaAtual = 1; }

    void placaSaudavel_data() {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<bool>("segunda");
        QTest::addColumn<QString>("designador");
        QTest::newRow("IP 7: one input") << "A1778" << false << "U2101";
        QTest::newRow("IP X: the second input frame") << "A1865" << true << "U3300";
    }
    void placaSaudavel() {
        QFETCH(QString, numero);
        QFETCH(bool, segunda);
        QFETCH(QString, designador);
        teste::BancadaTela<Tigris> b(NomeTela::Tigris);
        QVERIFY(b.conecta(numero));
        Tigris* t = abreELe(b);
        QVERIFY(t);

        QVERIFY(t->btExecutaLeitura()->isEnabled());
        QCOMPARE(t->lbUC()->text(), designador);
        QVERIFY(t->txtDados()->toPlainText().contains(QLatin1String("tigris vbus :")));
        QCOMPARE(t->FrameVbusX()->isVisibleTo(t), segunda);
        QCOMPARE(t->lbVBus1()->text(), segunda ? QStringLiteral("VBUS 1") : QStringLiteral("VBUS"));
        QStringList verdes{"VBus_V", "VBat_V", "VDD_V"};
        if (segunda)
            verdes << "VBus_V1"
                   << "VBus_V2";
        for (const QString& nome : verdes) {
            QVERIFY2(fundo(t->campo(nome)) == CorBGR(Cores::VerdeClaro), qPrintable(nome));
            QVERIFY2(t->campo(nome)->text().endsWith(QLatin1String(" V")), qPrintable(nome));
        }
        QVERIFY(t->campo("Temp")->text().endsWith(QStringLiteral(" º")));
        QVERIFY(t->campo("VBus_A")->text().endsWith(QLatin1String(" mA")));
        QCOMPARE(t->campo("VBus_A1")->text(), t->campo("VBus_A")->text());
        for (int m = 1; m <= 3; ++m)
            QVERIFY(!t->baixa(m)->isVisibleTo(t));
        // The saved answer of the same model and command sits below the raw one.
        QVERIFY(t->txtComparador()->toPlainText().contains(QLatin1String("tigris vbat :")));
        QCOMPARE(b.principal->enlace().Status(), QStringLiteral("1"));
    }

    void carregadorFracoEBateriaDescarregada() {
        teste::BancadaTela<Tigris> b(NomeTela::Tigris);
        QVERIFY(b.conecta(QStringLiteral("A1865"), {QStringLiteral("vbus-baixa"), QStringLiteral("bateria-baixa")}));
        Tigris* t = abreELe(b);
        QVERIFY(t);

        QCOMPARE(t->campo("VBus_V")->text(), QStringLiteral("4.200 V"));
        QVERIFY(fundo(t->campo("VBus_V")) == CorBGR(Cores::AmareloClaro));
        QVERIFY(fundo(t->campo("VBus_V1")) == CorBGR(Cores::AmareloClaro));
        QCOMPARE(t->campo("VBat_V")->text(), QStringLiteral("3.400 V"));
        QVERIFY(fundo(t->campo("VBat_V")) == CorBGR(Cores::AmareloClaro));
        // A flat battery says nothing about the supply: measured, but left white.
        QVERIFY(t->campo("VDD_V")->text().endsWith(QLatin1String(" V")));
        QVERIFY(fundo(t->campo("VDD_V")) == CorBGR(Cores::Branco));
        QVERIFY(fundo(t->campo("VBus_V2")) == CorBGR(Cores::VerdeClaro));
        for (int m = 1; m <= 3; ++m) {
            QVERIFY(t->baixa(m)->isVisibleTo(t));
            QCOMPARE(t->baixa(m)->text(), QStringLiteral("* Baixa"));
        }

        // A new reading starts from cleared fields, and the log toggle narrows the window.
        const int largo = t->width();
        t->btLog()->click();
        QVERIFY(t->width() < largo);
        QVERIFY(!t->txtDados()->isVisibleTo(t));
        t->btLog()->click();
        QCOMPARE(t->width(), largo);
    }
};

QTEST_MAIN(TstTigris)
#include "tst_tigris.moc"
