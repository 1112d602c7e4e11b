// The audio codec check: the verdict rule as a table, and the screen against the simulated BOX for a
// codec that acknowledges its reset and one that does not.

#include "Apoio.h"

#include "app/Inicial.h"
#include "base/Globais.h"
#include "devicetests/Codec.h"
#include "devicetests/CodecParse.h"
#include "link/Enlace.h"
#include "tela/PainelProgresso.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace tarsel;

namespace {

constexpr int Espera = 30000; // ms: two resets two seconds apart, the verdict tick every six

} // namespace

class TesteCodec : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { globais().IdiomaAtual = 1; }

    void passou_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<bool>("passou");
        QTest::newRow("OK on its own line")
            << "\r\naudio --resetblock codec\r\ncodec: OK\r\n[0A1B2C3D:4E5F6071] :-) " << true;
        QTest::newRow("OK inside a longer word") << "codec: BOOKED" << true;
        QTest::newRow("lower case only") << "codec: ok" << false;
        QTest::newRow("mixed case") << "codec: Ok" << false;
        QTest::newRow("no acknowledge") << "codec: no acknowledge after reset" << false;
        QTest::newRow("empty") << "" << false;
    }
    void passou() {
        QFETCH(QString, resposta);
        QFETCH(bool, passou);
        QCOMPARE(CodecParse::Passou(resposta), passou);
    }

    void codecSaudavel() {
        teste::BancadaTela<Codec> b(NomeTela::Codec);
        QVERIFY(b.conecta(QStringLiteral("A1778")));
        Codec* t = b.abre();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("CodecAudio - Voltrace Tarsel"));
        QVERIFY(!t->lbResultado()->isVisible());
        t->btLer()->click();
        QVERIFY(t->FrameVCore()->isVisible());
        // The first answer arms the second reset; the verdict comes after it.
        QTRY_VERIFY_WITH_TIMEOUT(!t->TimerAdicional().isActive(), Espera);
        QTRY_VERIFY_WITH_TIMEOUT(t->lbResultado()->isVisible(), Espera);
        QCOMPARE(t->lbResultado()->text(), QStringLiteral("Não foi encontrado problemas no Codec!"));
        QVERIFY(t->OK()->isVisible());
        QVERIFY(!t->NO()->isVisible());
        QVERIFY(!t->FrameVCore()->isVisible());
        QVERIFY(!t->TimerLer().isActive());
    }

    void codecSemOk() {
        teste::BancadaTela<Codec> b(NomeTela::Codec);
        QVERIFY(b.conecta(QStringLiteral("A1778"), {QStringLiteral("codec-sem-ok")}));
        Codec* t = b.abre();
        QVERIFY(t);
        t->btLer()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!t->txtDados()->toPlainText().isEmpty(), Espera);
        // Pressed again once the line is free: the check starts over from an empty answer.
        QTRY_VERIFY_WITH_TIMEOUT(b.principal->enlace().ocioso(), Espera);
        t->btLer()->click();
        QVERIFY(t->txtDados()->toPlainText().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(t->lbResultado()->isVisible(), Espera);
        QCOMPARE(t->lbResultado()->text(), QStringLiteral("Codec de Áudio Provavelmente com Problema!"));
        QVERIFY(t->NO()->isVisible());
        QVERIFY(!t->OK()->isVisible());
        QVERIFY(t->txtDados()->toPlainText().contains(QStringLiteral("no acknowledge")));
    }
};

QTEST_MAIN(TesteCodec)
#include "tst_codec.moc"
