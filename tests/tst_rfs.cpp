// The radio tests: commands, markers, verdicts, the GPS refusal and the power-on wait as tables; the
// screen against the simulated BOX for a healthy board, a radio that does not answer, the "IP 6" family's
// refusal with the saved answer following the family, the hints without a link and the language change.

#include "Apoio.h"

#include "app/Inicial.h"
#include "app/xIdioma.h"
#include "base/Globais.h"
#include "devicetests/RFs.h"
#include "devicetests/RFsParse.h"
#include "devicetests/RFs_Esq.h"
#include "link/Enlace.h"
#include "tela/PainelProgresso.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace tarsel;
using RFsParse::Acao;

Q_DECLARE_METATYPE(RFsParse::Acao)
Q_DECLARE_METATYPE(RFsParse::Passo)

namespace {

constexpr int Espera = 20000; // ms

const QString Repita = QStringLiteral("Repita o processo pelo menos 1 vez para maior eficácia das leituras realizadas");

} // namespace

class TesteRFs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { globais().IdiomaAtual = 1; }
    void init() { globais().IdiomaAtual = 1; }

    void comandos_data() {
        QTest::addColumn<int>("radio");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("fundo");
        QTest::addColumn<QString>("ligar");
        QTest::addColumn<QString>("desligar");
        QTest::addColumn<QString>("propriedades");
        QTest::newRow("baseband") << 0 << "Baseband"
                                  << "lbFundoBase"
                                  << "baseband --on"
                                  << "baseband --off"
                                  << "baseband -p";
        QTest::newRow("bluetooth") << 1 << "Bluetooth"
                                   << "lbFundoBlue"
                                   << "bluetooth --on"
                                   << "bluetooth --off"
                                   << "bluetooth -p";
        QTest::newRow("wifi") << 2 << "Wifi"
                              << "lbFundoWifi"
                              << "wifi --on"
                              << "wifi --off"
                              << "wifi --properties";
        QTest::newRow("gps") << 3 << "Gps"
                             << "lbFundoGps"
                             << "gps --on"
                             << "gps --off"
                             << "gps --getinfo";
        QTest::newRow("NFC powers off with its own command") << 4 << "NFC"
                                                             << "lbFundoNFC"
                                                             << "stockholm --on"
                                                             << "stockholm --off"
                                                             << "stockholm -p";
        QTest::newRow("not a radio") << 5 << ""
                                     << ""
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("negative index") << -1 << ""
                                        << ""
                                        << ""
                                        << ""
                                        << "";
    }
    void comandos() {
        QFETCH(int, radio);
        QFETCH(QString, nome);
        QCOMPARE(RFsParse::Nome(radio), nome);
        QFETCH(QString, fundo);
        QFETCH(QString, ligar);
        QFETCH(QString, desligar);
        QFETCH(QString, propriedades);
        QCOMPARE(RFsParse::FundoLinha(radio), fundo);
        QCOMPARE(RFsParse::Comando(radio, Acao::Ligar), ligar);
        QCOMPARE(RFsParse::Comando(radio, Acao::Desligar), desligar);
        QCOMPARE(RFsParse::Comando(radio, Acao::Propriedades), propriedades);
    }

    void respondeu_data() {
        QTest::addColumn<int>("radio");
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<bool>("respondeu");
        const QString fimLinha = QStringLiteral("\r\n");
        QTest::newRow("baseband: the healthy answer")
            << 0 << "\r\r\nbaseband: powering on\r\nBB_HSIC_RDY\r\nbaseband: on success\r\n[0A1B2C3D:00001F00] :-) "
            << true;
        QTest::newRow("baseband: BB_HSIC_RDY alone") << 0 << "BB_HSIC_RDY" << true;
        QTest::newRow("baseband: already on") << 0 << "Baseband is already powered on" << true;
        QTest::newRow("baseband: cut before its markers") << 0 << "\r\r\nbaseband: powering on\r\nBB_HSIC_R" << false;
        QTest::newRow("baseband: the marker in lower case") << 0 << "bb_hsic_rdy" << false;
        QTest::newRow("bluetooth: already on") << 1 << "Already on" << true;
        QTest::newRow("bluetooth: 'already on' is not its marker") << 1 << "bluetooth: already on" << false;
        QTest::newRow("wifi: on success") << 2 << "\r\nwifi: on success\r\n" << true;
        QTest::newRow("wifi: already on") << 2 << "Wifi is already on" << true;
        QTest::newRow("wifi: the chip does not answer")
            << 2 << "\r\nwifi: no response from the radio chip (timed out after 5000 ms)\r\n[00000001:00000002] :-) "
            << false;
        QTest::newRow("wifi: switched off") << 2 << "\r\nwifi: off\r\n" << false;
        QTest::newRow("gps: already on") << 3 << "GPS is already on" << true;
        QTest::newRow("gps: refused by the shell") << 3 << "\r\nUnknown Command: gps\r\n" << false;
        QTest::newRow("NFC: powered on") << 4 << "stockholm: powered on" << true;
        QTest::newRow("NFC: 'on success' is not its marker") << 4 << "stockholm: on success" << false;
        QTest::newRow("NFC: powered off") << 4 << "stockholm: powered off" << false;
        for (int r = 0; r < RFsParse::TotalRadios; ++r) {
            QTest::addRow("%s: OK anywhere", qPrintable(RFsParse::Nome(r)))
                << r << "status: BROKEN CHIP (code OK7)" << true;
            QTest::addRow("%s: nothing came back", qPrintable(RFsParse::Nome(r))) << r << fimLinha << false;
            QTest::addRow("%s: empty", qPrintable(RFsParse::Nome(r))) << r << QString() << false;
        }
        QTest::newRow("garbage bytes around an intact marker")
            << 2 << QString::fromUtf8("\r\n\xef\xbf\xbd\x01\x7f\xc3\x80wifi: on success\r\n") << true;
        QTest::newRow("garbage alone") << 1 << QString::fromUtf8("\xef\xbf\xbd\x00\x01\x07\xc2\x80", 8) << false;
        QTest::newRow("not a radio") << 7 << "OK" << false;
    }
    void respondeu() {
        QFETCH(int, radio);
        QFETCH(QString, resposta);
        QFETCH(bool, respondeu);
        QCOMPARE(RFsParse::Respondeu(radio, resposta), respondeu);
    }

    void julga_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<int>("radio");
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("dados");
        QTest::addColumn<QString>("cor");
        QTest::newRow("baseband answered") << 1 << 0 << "\r\nBB_HSIC_RDY\r\n"
                                           << "Baseband\nComunicação OK"
                                           << "\r\nBB_HSIC_RDY\r\n"
                                           << "&H0000FF00";
        QTest::newRow("wifi without a marker: grey, and the advice after a blank line")
            << 1 << 2 << "\r\nwifi: off\r\n"
            << "Wifi\nSem Comunicação" << QStringLiteral("\r\nwifi: off\r\n\r\n\r\n") + Repita << "&H00808080";
        QTest::newRow("NFC without a marker")
            << 1 << 4 << "x"
            << "NFC\nSem Comunicação" << QStringLiteral("x\r\n\r\n") + Repita << "&H00808080";
        QTest::newRow("in English") << 2 << 1 << "bluetooth: on success"
                                    << "Bluetooth\nCommunication OK"
                                    << "bluetooth: on success"
                                    << "&H0000FF00";
        QTest::newRow("in Spanish, not answered")
            << 3 << 3 << ""
            << "Gps\nSin comunicacion"
            << "\r\n\r\nRepita el proceso al menos 1 vez para obtener lecturas más efectivas."
            << "&H00808080";
    }
    void julga() {
        QFETCH(int, idioma);
        QFETCH(int, radio);
        QFETCH(QString, resposta);
        QFETCH(QString, status);
        QFETCH(QString, dados);
        QFETCH(QString, cor);
        globais().IdiomaAtual = quint8(idioma);
        const RFsParse::Julgamento j = RFsParse::Julga(radio, resposta);
        QCOMPARE(j.respondeu, cor == RFsParse::CorRespondeu);
        QCOMPARE(j.status, status);
        QCOMPARE(j.dados, dados);
        QCOMPARE(j.cor, cor);
    }

    void recusaGps_data() {
        QTest::addColumn<int>("radio");
        QTest::addColumn<QString>("familia");
        QTest::addColumn<bool>("recusa");
        for (const char* f : {"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus"})
            QTest::addRow("GPS on %s", f) << 3 << f << true;
        for (const char* f : {"IP 7", "IP 8 Plus", "IP X"})
            QTest::addRow("GPS on %s", f) << 3 << f << false;
        QTest::newRow("another radio on IP 6") << 2 << "IP 6" << false;
    }
    void recusaGps() {
        QFETCH(int, radio);
        QFETCH(QString, familia);
        QFETCH(bool, recusa);
        QCOMPARE(RFsParse::RecusaGps(radio, familia), recusa);
    }

    void passoEspera_data() {
        QTest::addColumn<int>("tiques");
        QTest::addColumn<bool>("ocioso");
        QTest::addColumn<bool>("temResposta");
        QTest::addColumn<RFsParse::Passo>("passo");
        QTest::addColumn<int>("tiquesDepois");
        QTest::newRow("a command runs: not counted") << 29 << false << false << RFsParse::Passo::Espera << 29;
        QTest::newRow("idle, nothing yet") << 1 << true << false << RFsParse::Passo::Espera << 2;
        QTest::newRow("idle, answer in the box") << 2 << true << true << RFsParse::Passo::Julga << 3;
        QTest::newRow("the 30th look without an answer") << 29 << true << false << RFsParse::Passo::Desiste << 30;
        QTest::newRow("the 30th look with an answer still judges")
            << 29 << true << true << RFsParse::Passo::Julga << 30;
    }
    void passoEspera() {
        QFETCH(int, tiques);
        QFETCH(bool, ocioso);
        QFETCH(bool, temResposta);
        QFETCH(RFsParse::Passo, passo);
        QFETCH(int, tiquesDepois);
        QCOMPARE(RFsParse::PassoEspera(tiques, ocioso, temResposta), passo);
        QCOMPARE(tiques, tiquesDepois);
    }

    void avisoSemEnvio_data() {
        QTest::addColumn<bool>("conectado");
        QTest::addColumn<Acao>("acao");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("busy, power on") << true << Acao::Ligar << "Processando outro comando, aguarde...";
        QTest::newRow("busy, properties") << true << Acao::Propriedades << "Processando outro comando, aguarde...";
        QTest::newRow("disconnected, power on") << false << Acao::Ligar << "Desconectado!";
        QTest::newRow("disconnected, power off") << false << Acao::Desligar << "Desconectado";
        QTest::newRow("disconnected, properties") << false << Acao::Propriedades << "Desconectado";
    }
    void avisoSemEnvio() {
        QFETCH(bool, conectado);
        QFETCH(Acao, acao);
        QFETCH(QString, aviso);
        QCOMPARE(RFsParse::AvisoSemEnvio(conectado, acao), aviso);
    }

    void semConexaoSoAviso() {
        teste::BancadaTela<RFs> b(NomeTela::RFs);
        b.principal->Botoes(Botao::RF)->click();
        RFs* t = b.tela();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("Testes de Comunicação \\ Processador com CI RF - Voltrace Tarsel"));
        QCOMPARE(t->btOn(4)->toolTip(), QStringLiteral("Power ON"));
        QCOMPARE(t->btPropriedades(0)->text(), QStringLiteral("Propriedades"));
        t->btOn(0)->click();
        QVERIFY(t->lbAguarde()->isVisible());
        QCOMPARE(t->lbAguarde()->text(), QStringLiteral("Desconectado!"));
        QVERIFY(!t->Timer1().isActive());
        t->btOff(0)->click();
        QCOMPARE(t->lbAguarde()->text(), QStringLiteral("Desconectado"));
        QTRY_VERIFY_WITH_TIMEOUT(!t->lbAguarde()->isVisible(), 5000);

        // The comparator widens the window and narrows it back.
        QWidget* janela = t->parentWidget();
        const int largura = janela->width();
        t->btComparador()->click();
        QVERIFY(t->FrameComparador()->isVisible());
        QCOMPARE(janela->width() - largura, (18540 - 13170) / 15);
        t->btComparador()->click();
        QVERIFY(!t->FrameComparador()->isVisible());
        QCOMPARE(janela->width(), largura);

        // The RF values button opens the reference window.
        t->btTensoesRF()->click();
        QVERIFY(b.principal->tela(NomeTela::RFs_Esq));
    }

    void placaSaudavel() {
        teste::BancadaTela<RFs> b(NomeTela::RFs);
        QVERIFY(b.conecta(QStringLiteral("A1778")));
        RFs* t = b.abre();
        QVERIFY(t);

        // Power on: the buttons wait for the verdict, then the row turns green.
        t->btOn(0)->click();
        QVERIFY(t->Timer1().isActive());
        QVERIFY(!t->FrameBotoes()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(t->OK()->isVisible(), Espera);
        QCOMPARE(t->lbStatius()->text(), QStringLiteral("Baseband\nComunicação OK"));
        QCOMPARE(t->corLinha(0), RFsParse::CorRespondeu);
        QVERIFY(t->lbStatus2()->isVisible());
        QVERIFY(!t->NO()->isVisible());
        QVERIFY(t->FrameBotoes()->isEnabled());
        QVERIFY(t->txtDados()->toPlainText().contains(QStringLiteral("BB_HSIC_RDY")));
        QVERIFY(!t->txtDados()->toPlainText().contains(Repita));

        // Powered on again, the radio says it is on already: still an answer.
        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btOn(0)->click();
        QVERIFY(!t->OK()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(t->OK()->isVisible(), Espera);
        QVERIFY(t->txtDados()->toPlainText().contains(QStringLiteral("Baseband is already powered on")));
        QCOMPARE(t->corLinha(0), RFsParse::CorRespondeu);

        // NFC power-off sends its own command (the answer says so) and clears nothing else's row.
        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btOff(4)->click();
        QVERIFY(!t->OK()->isVisible());
        QCOMPARE(t->lbStatius()->text(), QString());
        QTRY_VERIFY_WITH_TIMEOUT(t->txtDados()->toPlainText().contains(QStringLiteral("stockholm: powered off")),
                                 Espera);
        QCOMPARE(t->corLinha(0), RFsParse::CorRespondeu);

        // Power-off on the green row turns it white.
        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btOff(0)->click();
        QCOMPARE(t->corLinha(0), RFsParse::CorLimpa);
        QTRY_VERIFY_WITH_TIMEOUT(t->txtDados()->toPlainText().contains(QStringLiteral("baseband: powered off")),
                                 Espera);

        // Properties: the answer beside the known-good board's; nothing is judged.
        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btComparador()->click();
        t->btPropriedades(1)->click();
        QTRY_VERIFY_WITH_TIMEOUT(t->txtDados()->toPlainText().contains(QStringLiteral("bluetooth properties:")),
                                 Espera);
        QVERIFY(t->txtComparador()->toPlainText().contains(QStringLiteral("bluetooth properties:")));
        QVERIFY(!t->Timer1().isActive());
        QCOMPARE(t->lbStatius()->text(), QString());
    }

    void radioQueNaoResponde() {
        teste::BancadaTela<RFs> b(NomeTela::RFs);
        QVERIFY(b.conecta(QStringLiteral("A1778"), {QStringLiteral("radio-mudo")}));
        RFs* t = b.abre();
        QVERIFY(t);
        t->btOn(2)->click();
        QTRY_VERIFY_WITH_TIMEOUT(t->NO()->isVisible(), Espera);
        QCOMPARE(t->lbStatius()->text(), QStringLiteral("Wifi\nSem Comunicação"));
        QCOMPARE(t->corLinha(2), RFsParse::CorNaoRespondeu);
        QVERIFY(!t->OK()->isVisible());
        const QString dados = t->txtDados()->toPlainText();
        QVERIFY2(dados.contains(QStringLiteral("no response from the radio chip")), qPrintable(dados));
        QVERIFY2(dados.endsWith(QStringLiteral("\n\n") + Repita), qPrintable(dados));
        QVERIFY(t->FrameBotoes()->isEnabled());
    }

    void gpsRecusadoNoIP6EComparadorSegueAFamilia() {
        teste::BancadaTela<RFs> b(NomeTela::RFs,
                                  QStringLiteral("update Dados set Dados = 'placa IP 7' where Aparelho = 'IP 7' "
                                                 "and Comando = 'gps --getinfo'"));
        QVERIFY(b.conecta(QStringLiteral("A1549")));
        QCOMPARE(b.principal->ComboAparelhos()->currentText(), QStringLiteral("IP 6"));
        RFs* t = b.abre();
        QVERIFY(t);
        for (QPushButton* botao : {t->btOn(3), t->btOff(3), t->btPropriedades(3)}) {
            b.dialogos.caixas.clear();
            botao->click();
            QCOMPARE(b.dialogos.textos(),
                     QStringList{QStringLiteral("Esse comando não funciona para IP6/6 Plus/6s/6s Plus")});
            QVERIFY(b.principal->enlace().ocioso());
            QVERIFY(!t->Timer1().isActive());
            QVERIFY(t->FrameBotoes()->isEnabled());
        }

        // Chosen by hand as "IP 7", the command goes out (the board, still an "IP 6", refuses it), and the saved
        // answer beside it follows the family.
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 7"));
        t->btPropriedades(3)->click();
        QTRY_VERIFY_WITH_TIMEOUT(t->txtDados()->toPlainText().contains(QStringLiteral("Unknown Command: gps")), Espera);
        QCOMPARE(t->txtComparador()->toPlainText(), QStringLiteral("placa IP 7"));
        QTRY_VERIFY(b.principal->enlace().ocioso());
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 8"));
        QVERIFY(t->txtComparador()->toPlainText().contains(QStringLiteral("gps info:")));
    }

    void idiomaFechaAsDuasJanelas() {
        teste::BancadaTela<RFs> b(NomeTela::RFs);
        QVERIFY(b.abre());
        QVERIFY(b.principal->abreTela(NomeTela::RFs_Esq));
        xIdioma janela(b.principal.get());
        janela.btIdioma(2)->click();
        QTRY_VERIFY(!b.tela());
        QTRY_VERIFY(!b.principal->tela(NomeTela::RFs_Esq));
        RFs* t = b.abre();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("Communication Tests \\ Processor with IC RF - Voltrace Tarsel"));
        QCOMPARE(t->btTensoesRF()->text(), QStringLiteral("RF Voltage"));
        QCOMPARE(t->FrameComparador()->title(), QStringLiteral("Comparator: (Reference Device)"));
        auto* valores = qobject_cast<RFs_Esq*>(b.principal->abreTela(NomeTela::RFs_Esq));
        QVERIFY(valores);
        QCOMPARE(valores->windowTitle(), QStringLiteral("RF Voltage - Voltrace Tarsel"));
    }
};

QTEST_MAIN(TesteRFs)
#include "tst_rfs.moc"
