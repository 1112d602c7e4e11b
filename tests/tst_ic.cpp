// The USB interface chip communication test: the verdict by answer length, commands and chip words as
// tables; the screen against the simulated BOX for a healthy Hydra board and a Tristar that does not
// answer; the ways in (bar button and chip label) and out (Tigris, Tristar and their titles), the hint when
// nothing can be sent, and the language change closing the three windows.

#include "Apoio.h"

#include "app/Inicial.h"
#include "app/xIdioma.h"
#include "base/Globais.h"
#include "chips/RegrasTristar.h"
#include "chips/Tigris.h"
#include "chips/Tristar.h"
#include "devicetests/IC.h"
#include "devicetests/ICParse.h"
#include "link/Enlace.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace tarsel;

namespace {

constexpr int Espera = 30000; // ms

// A healthy register read as the console hands it over: the echo's own line end, the lines, the prompt.
const QString LeituraSaudavel = QStringLiteral("\r\r\n"
                                               "tristar registers:\r\n"
                                               "  dx1  [0x10]: 0x10  data switch 1: usb\r\n"
                                               "  dx2  [0x11]: 0x00  data switch 2: open\r\n"
                                               "  acc1 [0x12]: 0x00  accessory 1: off\r\n"
                                               "  acc2 [0x13]: 0x00  accessory 2: off\r\n"
                                               "  idx  [0x14]: 0x01  id detect: no accessory\r\n"
                                               "  vdx  [0x15]: 0x0C  vbus detect: present\r\n"
                                               "[96899E46:000103BC] :-) ");
const QString ChipMudo =
    QStringLiteral("\r\r\ntristar: no response from device (i2c nack)\r\n[96899E46:000103BC] :-) ");

} // namespace

class TesteIC : public QObject {
    Q_OBJECT
private slots:
    void init() { globais().IdiomaAtual = 1; }

    void veredito_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<int>("tiques");
        QTest::addColumn<int>("esperado"); // -1 none, 0 no communication, 1 communication
        QTest::newRow("a healthy register read communicates") << LeituraSaudavel << 1 << 1;
        QTest::newRow("a chip that does not acknowledge: short answer") << ChipMudo << 1 << 0;
        QTest::newRow("150 characters: no communication") << QString(150, u'x') << 1 << 0;
        QTest::newRow("151 characters: communication") << QString(151, u'x') << 1 << 1;
        QTest::newRow("31 characters are judged") << QString(31, u'x') << 1 << 0;
        QTest::newRow("30 characters are not judged") << QString(30, u'x') << 1 << -1;
        QTest::newRow("the prompt alone is not judged") << QStringLiteral("\r\r\n[96899E46:000103BC] :-) ") << 29 << -1;
        QTest::newRow("too short at the last look: no communication") << QString(30, u'x') << 30 << 0;
        QTest::newRow("nothing at all at the last look: no communication") << QString() << 30 << 0;
        QTest::newRow("a long answer at the last look still communicates") << QString(151, u'x') << 30 << 1;
    }
    void veredito() {
        QFETCH(QString, resposta);
        QFETCH(int, tiques);
        QFETCH(int, esperado);
        const auto v = ICParse::Veredito(resposta, tiques);
        QCOMPARE(v ? int(*v) : -1, esperado);
    }

    void palavrasDoChip_data() {
        QTest::addColumn<QString>("familia");
        QTest::addColumn<QString>("chip");
        QTest::newRow("IP X carries Hydra") << "IP X"
                                            << "HYDRA";
        QTest::newRow("IP 8 carries Hydra") << "IP 8"
                                            << "HYDRA";
        QTest::newRow("IP 8 Plus carries Hydra") << "IP 8 Plus"
                                                 << "HYDRA";
        QTest::newRow("IP 7 carries Tristar") << "IP 7"
                                              << "TRISTAR";
        QTest::newRow("IP 6s Plus carries Tristar") << "IP 6s Plus"
                                                    << "TRISTAR";
        QTest::newRow("no family yet: Tristar") << ""
                                                << "TRISTAR";
    }
    void palavrasDoChip() {
        QFETCH(QString, familia);
        QFETCH(QString, chip);
        QCOMPARE(ICParse::NomeChip(familia), chip);
        QCOMPARE(ICParse::LegendaDados(familia), chip + " Dados");
        QCOMPARE(ICParse::LegendaComunicacao(familia), chip + " Comunicação");
        QCOMPARE(ICParse::LegendaTristar(familia), chip + " Tensões");
        // The Tristar screen names its chip by that caption, in any language.
        QCOMPARE(RegrasTristar::Titulo(ICParse::LegendaTristar(familia)),
                 (chip == "HYDRA" ? "Hydra" : "Tristar") + QStringLiteral(" - Voltrace Tarsel"));
        globais().IdiomaAtual = 2;
        QCOMPARE(ICParse::LegendaTristar(familia), chip + " Power Supplies");
        QCOMPARE(RegrasTristar::Titulo(ICParse::LegendaTristar(familia)),
                 (chip == "HYDRA" ? "Hydra" : "Tristar") + QStringLiteral(" - Voltrace Tarsel"));
        QCOMPARE(ICParse::LegendaTigris(), QStringLiteral("TIGRIS Power Supplies"));
    }

    void comandos() {
        QCOMPARE(ICParse::Comando(1), QStringLiteral("tristar -p"));
        // The double blanks stay: the saved answers are stored under this exact text.
        QCOMPARE(ICParse::Comando(2),
                 QStringLiteral("tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx"));
        QCOMPARE(ICParse::Comando(0), QString());
        QCOMPARE(ICParse::Comando(3), QString());
    }

    void semConexaoCaminhosEIdioma() {
        teste::BancadaTela<IC> b(NomeTela::IC);
        // The chip names lie over the bar's IC button; a click on them is a click on the button.
        QLabel* chips = b.principal->lbTristarTigris();
        QTest::mouseClick(chips, Qt::LeftButton, {}, chips->rect().center());
        IC* t = b.tela();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("Testes CIs e Outros - Voltrace Tarsel"));
        QCOMPARE(t->btBl(1)->text(), QStringLiteral("TRISTAR Dados"));
        QCOMPARE(t->btTigris()->text(), QStringLiteral("TIGRIS Tensões"));
        QCOMPARE(t->lbDispositivo()->text(), QStringLiteral("Modelo: IP 7  "));
        QVERIFY(t->txtComparador()->toPlainText().isEmpty());

        // Nothing goes out without a link: the hint, for a moment.
        t->btBl(2)->click();
        QVERIFY(t->lbAguarde()->isVisible());
        QCOMPARE(t->lbAguarde()->text(), QStringLiteral("Desconectado!"));
        QVERIFY(!t->TimerStatus().isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!t->lbAguarde()->isVisible(), 5000);

        // A new family re-words the chip buttons, and the Tristar screen takes its name from them.
        t->btTristar()->click();
        auto* tristar = qobject_cast<Tristar*>(b.principal->tela(NomeTela::Tristar));
        QVERIFY(tristar);
        QCOMPARE(tristar->windowTitle(), QStringLiteral("Tristar - Voltrace Tarsel"));
        QVERIFY(tristar->parentWidget()->close());
        QTRY_VERIFY(!globais().telaAberta(NomeTela::Tristar));
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP X"));
        QCOMPARE(t->btTristar()->text(), QStringLiteral("HYDRA Tensões"));
        QCOMPARE(t->btBl(2)->text(), QStringLiteral("HYDRA Comunicação"));
        QCOMPARE(t->lbDispositivo()->text(), QStringLiteral("Modelo: IP X  "));
        t->btTristar()->click();
        tristar = qobject_cast<Tristar*>(b.principal->tela(NomeTela::Tristar));
        QVERIFY(tristar);
        QCOMPARE(tristar->windowTitle(), QStringLiteral("Hydra - Voltrace Tarsel"));
        t->btTigris()->click();
        QVERIFY(qobject_cast<Tigris*>(b.principal->tela(NomeTela::Tigris)));
        QVERIFY(globais().telaAberta(NomeTela::IC));

        // A language change closes all three.
        xIdioma janela(b.principal.get());
        janela.btIdioma(2)->click();
        QTRY_VERIFY(!globais().telaAberta(NomeTela::IC));
        QTRY_VERIFY(!globais().telaAberta(NomeTela::Tigris));
        QTRY_VERIFY(!globais().telaAberta(NomeTela::Tristar));
    }

    void hydraSaudavel() {
        teste::BancadaTela<IC> b(NomeTela::IC);
        QVERIFY(b.conecta(QStringLiteral("A1865")));
        b.principal->Botoes(Botao::IC)->click();
        IC* t = b.tela();
        QVERIFY(t);
        QCOMPARE(t->btBl(2)->text(), QStringLiteral("HYDRA Comunicação"));
        QCOMPARE(t->lbDispositivo()->text(), QStringLiteral("Modelo: IP X  A1865"));
        t->btBl(2)->click();
        QVERIFY(t->TimerStatus().isActive());
        QTRY_VERIFY_WITH_TIMEOUT(t->OK()->isVisible(), Espera);
        QCOMPARE(t->lbStatus()->text(), QStringLiteral("Comunicação OK"));
        QCOMPARE(t->lbIC()->text(), QStringLiteral("HYDRA"));
        QVERIFY(t->lbStatus2()->isVisible());
        QVERIFY(!t->NO()->isVisible());
        QVERIFY(!t->TimerStatus().isActive());
        // The answer without its command, beside the known-good board's answer to the same command.
        const QString dados = t->txtDados()->toPlainText();
        QVERIFY2(dados.contains(QStringLiteral("hydra registers:")), qPrintable(dados));
        QVERIFY(!dados.contains(QStringLiteral("--read")));
        QVERIFY2(t->txtComparador()->toPlainText().contains(QStringLiteral("hydra registers:")),
                 qPrintable(t->txtComparador()->toPlainText()));

        // Another family picked by hand: the known-good answer, the device label and the chip words follow.
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 7"));
        QVERIFY2(t->txtComparador()->toPlainText().contains(QStringLiteral("tristar registers:")),
                 qPrintable(t->txtComparador()->toPlainText()));
        QCOMPARE(t->lbDispositivo()->text(), QStringLiteral("Modelo: IP 7  A1865"));
        QCOMPARE(t->btBl(2)->text(), QStringLiteral("TRISTAR Comunicação"));
        // The verdict stays with the chip that was tested.
        QCOMPARE(t->lbIC()->text(), QStringLiteral("HYDRA"));
    }

    void tristarSemResposta() {
        teste::BancadaTela<IC> b(NomeTela::IC);
        QVERIFY(b.conecta(QStringLiteral("A1778"), {QStringLiteral("tristar-sem-resposta")}));
        IC* t = b.abre();
        QVERIFY(t);
        t->btBl(1)->click();
        QTRY_VERIFY_WITH_TIMEOUT(t->NO()->isVisible(), Espera);
        QCOMPARE(t->lbStatus()->text(), QStringLiteral("Sem Comunicação"));
        QCOMPARE(t->lbIC()->text(), QStringLiteral("TRISTAR"));
        QVERIFY(!t->OK()->isVisible());
        QVERIFY(t->txtDados()->toPlainText().contains(QStringLiteral("no response")));
        // The healthy board's saved answer stays beside it for comparison.
        QVERIFY(t->txtComparador()->toPlainText().contains(QStringLiteral("status: OK")));
        // A second test clears the verdict and gets its own full time-out.
        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btBl(1)->click();
        QCOMPARE(t->tiques(), 0);
        QVERIFY(!t->NO()->isVisible());
        QCOMPARE(t->lbStatus()->text(), QString());
        QCOMPARE(t->lbIC()->text(), QString());
        QTRY_VERIFY_WITH_TIMEOUT(t->NO()->isVisible(), Espera);
    }
};

QTEST_MAIN(TesteIC)
#include "tst_ic.moc"
