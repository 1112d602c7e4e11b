// The battery screen against the simulated BOX: the two readings, the eight figures, the saved identity
// answer beside the phone's, and a gauge that does not report the cycle count.

#include "Apoio.h"

#include "app/Inicial.h"
#include "base/Globais.h"
#include "devicetests/Bateria.h"
#include "link/Enlace.h"
#include "tela/PainelProgresso.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace tarsel;

namespace {

constexpr int Espera = 30000; // ms: two commands at the line speed and the pause between them

QStringList figuras(const Bateria* t) {
    QStringList r;
    for (int i = 0; i < BateriaParse::TotalLinhas; ++i)
        r << t->Info(i)->text();
    return r;
}

} // namespace

class TesteBateria : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { globais().IdiomaAtual = 1; }

    void semConexaoNadaAcontece() {
        teste::BancadaTela<Bateria> b(NomeTela::Bateria);
        Bateria* t = b.abre();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("Bateria - Voltrace Tarsel"));
        t->btBateria()->click();
        QCoreApplication::processEvents();
        QVERIFY(!t->FrameVCore()->isVisible());
        QVERIFY(!t->TimerLer().isActive());
        QVERIFY(t->txtDados()->toPlainText().isEmpty());
        QCOMPARE(figuras(t), QStringList(BateriaParse::TotalLinhas, QString()));
    }

    void placaSaudavelAoAbrir() {
        teste::BancadaTela<Bateria> b(NomeTela::Bateria);
        QVERIFY(b.conecta(QStringLiteral("A1778")));
        // Opened on a connected phone, the screen reads at once.
        Bateria* t = b.abre();
        QVERIFY(t);
        QTRY_VERIFY_WITH_TIMEOUT(t->FrameVCore()->isVisible(), Espera);
        QTRY_VERIFY_WITH_TIMEOUT(!t->Info(1)->text().isEmpty(), Espera);
        QCOMPARE(figuras(t), (QStringList{" 90 %", " 371", " 89", " 1960 mAh", " 1778 mAh", " 3803 mV", " -121mA",
                                          QStringLiteral(" 28 C\u00ba")}));
        QVERIFY(!t->lbVar()->isVisible());
        QVERIFY(!t->FrameVCore()->isVisible());
        // The identity answer without its command, and the known-good board's beside it.
        const QString dados = t->txtDados()->toPlainText();
        QVERIFY2(dados.contains(QStringLiteral("battery properties:")), qPrintable(dados));
        QVERIFY(!dados.contains(BateriaParse::ComandoPropriedades));
        QVERIFY(t->txtComparador()->toPlainText().contains(QStringLiteral("battery properties:")));
        QTRY_VERIFY(b.principal->enlace().ocioso());
    }

    void medidorSemCiclos() {
        teste::BancadaTela<Bateria> b(NomeTela::Bateria);
        Bateria* t = b.abre();
        QVERIFY(t);
        QVERIFY(b.conecta(QStringLiteral("A1778"), {QStringLiteral("bateria-sem-ciclos")}));
        t->btBateria()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!t->Info(1)->text().isEmpty(), Espera);
        QCOMPARE(t->Info(1)->text(), QStringLiteral("*"));
        QCOMPARE(t->Info(0)->text(), QStringLiteral(" 90 %"));
        QVERIFY(t->lbVar()->isVisible());
        QCOMPARE(t->lbVar()->text(), QStringLiteral("* SEM MEDIÇÃO"));
        // A new reading starts from empty figures and hides the note until its answer says otherwise.
        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btBateria()->click();
        QCOMPARE(t->Info(0)->text(), QString());
        QVERIFY(!t->lbVar()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(t->lbVar()->isVisible(), Espera);
    }
};

QTEST_MAIN(TesteBateria)
#include "tst_bateria.moc"
