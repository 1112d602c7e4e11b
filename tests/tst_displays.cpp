// The display tests: commands, captions, the buttons each family shows and the colour command as tables;
// the screen on its own context (which chip screen a voltage button asks for, the refusal on the "IP 6"
// families, the hint without a link) and against the simulated BOX (resolution, slider, a colour field, a
// button pressed while another command runs).

#include "Apoio.h"

#include "app/Inicial.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "devicetests/Displays.h"
#include "devicetests/DisplaysParse.h"
#include "link/Enlace.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

using namespace tarsel;

namespace {
constexpr int Espera = 20000; // ms
}

class TesteDisplays : public QObject {
    Q_OBJECT
private slots:
    void init() { globais().IdiomaAtual = 1; }

    void botoes_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("legenda7");
        QTest::addColumn<QString>("legendaX");
        QTest::addColumn<bool>("visivel7");
        QTest::addColumn<bool>("visivelX");
        QTest::newRow("0 backlight on, hidden on IP X") << 0 << "bl -n"
                                                        << "Testar BackLight"
                                                        << "Testar" << true << false;
        QTest::newRow("1 backlight off") << 1 << "bl --off"
                                         << "Desligar BackLight"
                                         << "Desligar" << true << true;
        QTest::newRow("2 every level") << 2 << "bl -r"
                                       << "Testar"
                                       << "Testar" << true << true;
        QTest::newRow("3 low, two blanks") << 3 << "bl -l"
                                           << "Nível  1 Low"
                                           << "Nível  1 Low" << true << true;
        QTest::newRow("4 medium") << 4 << "bl -m"
                                  << "Nível  2 Medium"
                                  << "Nível  2 Medium" << true << true;
        QTest::newRow("5 high, as it has always been spelt") << 5 << "bl -h"
                                                             << "Nível  3 Hight"
                                                             << "Nível  3 Hight" << true << true;
        QTest::newRow("6 Chestnut voltages: no command, hidden on IP X") << 6 << ""
                                                                         << "Tensões Chestnut"
                                                                         << "Tensões Chestnut" << true << false;
        QTest::newRow("7 Acorn voltages: only on IP X") << 7 << ""
                                                        << "Tensões Acorn"
                                                        << "Tensões Acorn" << false << true;
        QTest::newRow("8 resolution") << 8 << "display --getmode"
                                      << "Resolução"
                                      << "Resolução" << true << true;
        QTest::newRow("9 is no button") << 9 << ""
                                        << ""
                                        << "" << false << false;
    }
    void botoes() {
        QFETCH(int, indice);
        QFETCH(QString, comando);
        QFETCH(bool, visivel7);
        QFETCH(bool, visivelX);
        QCOMPARE(DisplaysParse::Comando(indice), comando);
        QTEST(DisplaysParse::Legenda(indice, QStringLiteral("IP 7")), "legenda7");
        QTEST(DisplaysParse::Legenda(indice, QStringLiteral("IP X")), "legendaX");
        QCOMPARE(DisplaysParse::Visivel(indice, QStringLiteral("IP 7")), visivel7);
        QCOMPARE(DisplaysParse::Visivel(indice, QStringLiteral("IP X")), visivelX);
    }

    void telaTensoes_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("legenda");
        QTest::addColumn<QString>("tela");
        QTest::newRow("6 as captioned opens Chestnut") << 6 << "Tensões Chestnut" << NomeTela::Chestnut;
        QTest::newRow("6 captioned Acorn opens Acorn") << 6 << "Tensões Acorn" << NomeTela::Acorn;
        QTest::newRow("7 opens Acorn") << 7 << "Tensões Acorn" << NomeTela::Acorn;
        QTest::newRow("a backlight button opens nothing") << 0 << "Testar BackLight"
                                                          << "";
    }
    void telaTensoes() {
        QFETCH(int, indice);
        QFETCH(QString, legenda);
        QFETCH(QString, tela);
        QCOMPARE(DisplaysParse::TelaTensoes(indice, legenda), tela);
    }

    void cores_data() {
        QTest::addColumn<QString>("familia");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("botao");
        QTest::addColumn<bool>("recusado");
        QTest::addColumn<QString>("textoFinal");
        QTest::addColumn<QString>("comando");
        const QString d = QStringLiteral("displaytext -t ");
        QTest::newRow("empty text and red: the default text")
            << "IP 7"
            << ""
            << "Cor_Vermelho" << false << "Voltrace_Tarsel" << d + "Voltrace_Tarsel -b red -c white -w";
        QTest::newRow("blanks removed") << "IP X"
                                        << " Placa 01 ok "
                                        << "Cor_Amarelo" << false << "Placa01ok"
                                        << d + "Placa01ok -b yellow -c white -w";
        QTest::newRow("a pasted line break or tab does not start a second command")
            << "IP 7"
            << "ab\r\nreset\tx\u0007"
            << "Cor_Verde" << false << "abresetx" << d + "abresetx -b green -c white -w";
        QTest::newRow("blanks alone: the default text")
            << "IP 8"
            << "   "
            << "Cor_Azul" << false << "Voltrace_Tarsel" << d + "Voltrace_Tarsel -b blue -c white -w";
        QTest::newRow("white on black text") << "IP 7"
                                             << "T"
                                             << "Cor_Branco" << false << "T" << d + "T -b white -c black -w";
        QTest::newRow("gray") << "IP 7"
                              << "T"
                              << "Cor_Cinza" << false << "T" << d + "T -b gray -c white -w";
        QTest::newRow("cyan with black text") << "IP 7"
                                              << "T"
                                              << "Cor_Cyan" << false << "T" << d + "T -b cyan -c black -w";
        QTest::newRow("black") << "IP 7"
                               << "T"
                               << "Cor_Preto" << false << "T" << d + "T -b black -c white -w";
        QTest::newRow("magenta keeps two blanks before -c")
            << "IP 7"
            << "T"
            << "Cor_Rosa" << false << "T" << d + "T -b magenta  -c white -w";
        QTest::newRow("green") << "IP 7 Plus"
                               << "T"
                               << "Cor_Verde" << false << "T" << d + "T -b green -c white -w";
        QTest::newRow("IP 6 refused, text untouched") << "IP 6"
                                                      << "a b"
                                                      << "Cor_Vermelho" << true << "a b"
                                                      << "";
        QTest::newRow("IP 6s Plus refused") << "IP 6s Plus"
                                            << ""
                                            << "Cor_Verde" << true << ""
                                            << "";
    }
    void cores() {
        QFETCH(QString, familia);
        QFETCH(QString, texto);
        QFETCH(QString, botao);
        QFETCH(bool, recusado);
        QFETCH(QString, textoFinal);
        QFETCH(QString, comando);
        const DisplaysParse::ComandoCor c = DisplaysParse::Cor(familia, texto, botao);
        QCOMPARE(c.recusado, recusado);
        QCOMPARE(c.texto, textoFinal);
        QCOMPARE(c.comando, comando);
    }

    void textos() {
        QCOMPARE(DisplaysParse::TextoResposta(QStringLiteral("\r\r\nbacklight: off\r\n"), QStringLiteral("10:04:59")),
                 QStringLiteral("\r\r\nbacklight: off\r\n\r\n\r\nObserve a tela do dispositivo\r\n\r\n"
                                "Display Test - 10:04:59"));
        QCOMPARE(DisplaysParse::TextoCor(QStringLiteral("10:05:00")),
                 QStringLiteral("Cor / Color\r\n\r\nObserve a tela do dispositivo\r\n\r\nDisplay Test - 10:05:00"));
        QCOMPARE(DisplaysParse::AvisoSemEnvio(false), QStringLiteral("Desconectado"));
        QCOMPARE(DisplaysParse::AvisoSemEnvio(true), QStringLiteral("Processando outro comando, aguarde..."));
        QCOMPARE(DisplaysParse::ComandoSlider(0), QStringLiteral("bl -p 0"));
        QCOMPARE(DisplaysParse::ComandoSlider(100), QStringLiteral("bl -p 100"));
    }

    void semMainWindowBotoesDeTensaoERecusa() {
        DialogosRoteiro d;
        teste::ContextoTeste c;
        c.familiaAtual = QStringLiteral("IP X");
        Displays t(c);
        QCOMPARE(t.windowTitle(), QStringLiteral("Testes de Display - Voltrace Tarsel"));
        QVERIFY(t.btBl(0)->isHidden() && t.btBl(6)->isHidden() && !t.btBl(7)->isHidden());
        QCOMPARE(t.btBl(0)->text(), QStringLiteral("Testar"));
        QCOMPARE(t.Slider1()->value(), 70);
        QCOMPARE(t.txt_Texto_Cores()->text(), QStringLiteral("Voltrace_Tarsel"));
        // The voltage buttons ask for their chip screen by name; no link needed.
        t.btBl(7)->click();
        QCOMPARE(c.pedidas, QStringList{NomeTela::Acorn});
        c.familiaAtual = QStringLiteral("IP 7");
        t.aoMudarModelo(c.familiaAtual);
        QVERIFY(!t.btBl(0)->isHidden() && !t.btBl(6)->isHidden() && t.btBl(7)->isHidden());
        QCOMPARE(t.btBl(1)->text(), QStringLiteral("Desligar BackLight"));
        t.btBl(6)->click();
        QCOMPARE(c.pedidas, (QStringList{NomeTela::Acorn, NomeTela::Chestnut}));

        // Without a link: the hint, and nothing for the slider.
        t.btBl(8)->click();
        QVERIFY(!t.lbAguarde()->isHidden());
        QCOMPARE(t.lbAguarde()->text(), QStringLiteral("Desconectado"));
        QVERIFY(t.TimerAguarde().isActive());
        QTRY_VERIFY_WITH_TIMEOUT(t.lbAguarde()->isHidden(), 5000);
        t.Slider1()->setValue(20);
        emit t.Slider1()->sliderReleased();
        QVERIFY(t.lbAguarde()->isHidden());
        QVERIFY(c.link.txtComandos().isEmpty());

        // The "IP 6" boards draw no text fields: the message, nothing else.
        c.familiaAtual = QStringLiteral("IP 6 Plus");
        t.txt_Texto_Cores()->setText(QStringLiteral("a b"));
        t.cor(QStringLiteral("Cor_Vermelho"))->click();
        QCOMPARE(d.caixas.size(), 1);
        QCOMPARE(d.caixas.at(0).texto, QStringLiteral("Esse comando não funciona para IP6/6 Plus/6s/6s Plus"));
        QCOMPARE(t.txt_Texto_Cores()->text(), QStringLiteral("a b"));
        QVERIFY(t.txtDados()->toPlainText().isEmpty());
    }

    void naBancadaComSimulador() {
        teste::BancadaTela<Displays> b(NomeTela::Displays);
        QVERIFY(b.conecta(QStringLiteral("A1778")));
        b.principal->Botoes(Botao::Display)->click();
        Displays* t = b.tela();
        QVERIFY(t);
        Enlace& link = b.principal->enlace();

        // A voltage button whose screen is not there opens nothing and breaks nothing.
        if (!b.principal->temTela(NomeTela::Chestnut)) {
            t->btBl(6)->click();
            QVERIFY(!b.principal->tela(NomeTela::Chestnut));
        }

        t->btBl(8)->click();
        QTRY_VERIFY_WITH_TIMEOUT(t->txtDados()->toPlainText().contains(QStringLiteral("Display Test - ")), Espera);
        const QString modo = t->txtDados()->toPlainText();
        QVERIFY2(modo.contains(QStringLiteral("display mode: 750 x 1334")), qPrintable(modo));
        QVERIFY(modo.contains(QStringLiteral("Observe a tela do dispositivo")));
        QVERIFY(!modo.contains(QStringLiteral("--getmode")));

        // The slider sends its level when let go.
        QTRY_VERIFY(link.ocioso());
        t->Slider1()->setValue(35);
        emit t->Slider1()->sliderReleased();
        QCOMPARE(link.txtComandos(), QStringLiteral("bl -p 35"));
        QTRY_VERIFY_WITH_TIMEOUT(t->txtDados()->toPlainText().contains(QStringLiteral("backlight: level 35 %")),
                                 Espera);

        // A button pressed while a command runs: the hint, nothing sent.
        QTRY_VERIFY(link.ocioso());
        t->btBl(2)->click();
        QCOMPARE(link.txtComandos(), QStringLiteral("bl -r"));
        t->btBl(3)->click();
        QCOMPARE(t->lbAguarde()->text(), QStringLiteral("Processando outro comando, aguarde..."));
        QVERIFY(t->lbAguarde()->isVisible());
        QCOMPARE(link.txtComandos(), QStringLiteral("bl -r"));
        QTRY_VERIFY_WITH_TIMEOUT(t->txtDados()->toPlainText().contains(QStringLiteral("ramp done")), Espera);

        // A colour field: the text goes without its blanks, the answer is not this screen's.
        QTRY_VERIFY(link.ocioso());
        t->txt_Texto_Cores()->setText(QStringLiteral("Placa 7"));
        t->cor(QStringLiteral("Cor_Rosa"))->click();
        QCOMPARE(t->txt_Texto_Cores()->text(), QStringLiteral("Placa7"));
        QCOMPARE(link.txtComandos(), QStringLiteral("displaytext -t Placa7 -b magenta  -c white -w"));
        QTRY_VERIFY_WITH_TIMEOUT(link.ocioso(), Espera);
        QVERIFY2(link.txtConsole().contains(QStringLiteral("full screen drawn")), qPrintable(link.txtConsole()));
        const QString nota = t->txtDados()->toPlainText();
        QVERIFY2(nota.startsWith(QStringLiteral("Cor / Color")) && nota.contains(QStringLiteral("Observe a tela")) &&
                     !nota.contains(QStringLiteral("full screen drawn")),
                 qPrintable(nota));

        // Picking "IP X" by hand: the Acorn voltage button in place of the Chestnut one.
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP X"));
        QVERIFY(t->btBl(7)->isVisible());
        QVERIFY(!t->btBl(6)->isVisible() && !t->btBl(0)->isVisible());
        QCOMPARE(t->btBl(1)->text(), QStringLiteral("Desligar"));
    }
};

QTEST_MAIN(TesteDisplays)
#include "tst_displays.moc"
