// The main window: title, captions in each language, the language window, the sub-menu and tips,
// the compact bar and the model-change step.

#include "Apoio.h"

#include "app/Dicas.h"
#include "app/Inicial.h"
#include "app/RegistroTelas.h"
#include "app/Telas.h"
#include "app/fmxMenu.h"
#include "app/xIdioma.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "link/Conexao.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "store/Configuracao.h"
#include "tela/TelaComando.h"

#include <QAction>
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace tarsel;

namespace {
void paira(QWidget* w) {
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(w, &e);
}

void moveSobre(QWidget* w) {
    QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// A screen that sends with `codigo` and records what the main window tells it.
class TelaDeTeste : public TelaComando {
public:
    TelaDeTeste(ContextoTela& c, const QString& nome, int codigo = 90)
        : TelaComando(c, nome, codigo) {
        setWindowTitle(nome);
        resize(300, 200);
    }
    QStringList chamadas;

    void aoMudarModelo(const QString& familia) override { chamadas << QStringLiteral("modelo ") + familia; }
    void aoBuscarDadosGravados(const QString& familia) override { chamadas << QStringLiteral("dados ") + familia; }
    void aoConectar() override { chamadas << QStringLiteral("conectado"); }
    void aoMudarIdioma() override { chamadas << QStringLiteral("idioma"); }

protected:
    void recebe(const Resposta&) override {}
};

void registraDeTeste(Inicial& w, const QString& nome, int codigo = 90, bool fechaNoIdioma = true) {
    w.telas().registra({nome, [nome, codigo](ContextoTela& c) -> Tela* { return new TelaDeTeste(c, nome, codigo); },
                        Botao::Nenhum, EntradaMenu::Nenhuma, fechaNoIdioma});
}
} // namespace

class TstInicial : public QObject {
    Q_OBJECT

private slots:
    void init() { globais().telasAbertas.clear(); }

    void tituloECaptionsPorIdioma_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("comandos");
        QTest::addColumn<QString>("botaoIdioma");
        QTest::addColumn<QString>("conectar");
        QTest::addColumn<QString>("estado");
        QTest::newRow("Portuguese") << 1 << "Comandos"
                                    << "EN / ES"
                                    << "Conectar"
                                    << "Desconectado";
        QTest::newRow("English") << 2 << "Commands"
                                 << "BR / ES"
                                 << "Connect"
                                 << "Disconnected";
        QTest::newRow("Spanish") << 3 << "Comandos"
                                 << "BR / EN"
                                 << "Conectar"
                                 << "Desconectado";
        QTest::newRow("no language loaded gives empty captions") << 0 << ""
                                                                 << ""
                                                                 << ""
                                                                 << "";
    }

    void tituloECaptionsPorIdioma() {
        QFETCH(int, idioma);
        teste::PastaPrograma pasta;
        DialogosRoteiro d;
        globais().Versao = QStringLiteral("2.42");
        globais().IdiomaAtual = quint8(idioma);
        Inicial w;
        w.carrega();
        QCOMPARE(w.windowTitle(), QStringLiteral("Voltrace Tarsel v.2.42"));
        QTEST(w.Botoes(Botao::Comandos)->text(), "comandos");
        QTEST(w.Botoes(Botao::Idioma)->text(), "botaoIdioma");
        QTEST(w.Botoes(Botao::Conectar)->text(), "conectar");
        QTEST(w.St1()->text(), "estado");
        QCOMPARE(w.Botoes(Botao::VCore)->text(), QStringLiteral("VCore"));
        QCOMPARE(w.Botoes(Botao::Idioma)->toolTip(), QStringLiteral("Idioma / Language"));
        QCOMPARE(w.lbTristarTigris()->text(), QStringLiteral("Tristar\r\nTigris"));
        QCOMPARE(w.corStatus(), QStringLiteral("Branco"));
        QCOMPARE(w.ComboAparelhos()->currentText(), QStringLiteral("IP 7"));
        QCOMPARE(d.caixas.size(), 0); // every key the main window uses is in the table
    }

    // Reconnect after an unplug is a choice on the port frame's menu: off at first, remembered, and it is
    // what the link follows.
    void escolhaDeReligarNoQuadroDaPorta() {
        teste::PastaPrograma pasta;
        DialogosRoteiro d;
        globais().IdiomaAtual = 2;
        {
            Inicial w;
            w.carrega();
            QAction* acao = w.acaoReligar();
            QVERIFY(w.FramePorta()->actions().contains(acao));
            QCOMPARE(w.FramePorta()->contextMenuPolicy(), Qt::ActionsContextMenu);
            QCOMPARE(acao->text(), QStringLiteral("Reconnect when the device comes back"));
            QVERIFY(acao->isCheckable());
            QVERIFY(!acao->isChecked());
            QVERIFY(!w.conexao().religaAposPerda());
            QVERIFY(!w.enlace().avisoPerdaAdiado());
            acao->trigger();
            QVERIFY(w.conexao().religaAposPerda());
            QVERIFY(w.enlace().avisoPerdaAdiado());
        }
        {
            Inicial w;
            w.carrega();
            QVERIFY(w.acaoReligar()->isChecked());
            QVERIFY(w.conexao().religaAposPerda());
            w.acaoReligar()->trigger();
            QVERIFY(!w.conexao().religaAposPerda());
        }
        QVERIFY(!LeReligaAposPerda());
        QCOMPARE(d.caixas.size(), 0);
    }

    void trocaDeIdiomaFechaTelasERecaptiona() {
        teste::PastaPrograma pasta;
        DialogosRoteiro d;
        globais().IdiomaAtual = 1;
        Inicial w;
        w.carrega();
        w.show();
        for (const QString& nome : {NomeTela::Master, NomeTela::Nand, NomeTela::PMU}) {
            registraDeTeste(w, nome);
            w.abreTela(nome);
        }
        registraDeTeste(w, NomeTela::Sobre, 91, false);
        auto* fica = static_cast<TelaDeTeste*>(w.abreTela(NomeTela::Sobre));
        QVERIFY(globais().telaAberta(NomeTela::Master));

        xIdioma janela(&w);
        QCOMPARE(janela.windowTitle(), QStringLiteral("Idioma"));
        QCOMPARE(janela.lbFundoIdioma()->y(), 360 / 15);
        janela.btIdioma(2)->click();

        QTRY_VERIFY(!globais().telaAberta(NomeTela::Master));
        QTRY_VERIFY(!globais().telaAberta(NomeTela::Nand));
        QTRY_VERIFY(!globais().telaAberta(NomeTela::PMU));
        // A screen that stays open through a language change takes the new texts instead.
        QVERIFY(globais().telaAberta(NomeTela::Sobre));
        QCOMPARE(fica->chamadas, QStringList{QStringLiteral("idioma")});
        QCOMPARE(int(globais().IdiomaAtual), 2);
        QCOMPARE(w.Botoes(Botao::Comandos)->text(), QStringLiteral("Commands"));
        QCOMPARE(janela.windowTitle(), QStringLiteral("Language"));
        QCOMPARE(janela.btIdioma(1)->text(), QStringLiteral("PORTUGUESE"));
        QCOMPARE(janela.lbFundoIdioma()->y(), 840 / 15);
        QCOMPARE(LeIdioma(), quint8(2));
    }

    void janelaAbertaSoVemParaFrente() {
        teste::PastaPrograma pasta;
        Inicial w;
        w.carrega();
        int criadas = 0;
        w.telas().registra({NomeTela::IC, [&criadas](ContextoTela& c) -> Tela* {
                                ++criadas;
                                return new TelaDeTeste(c, NomeTela::IC);
                            }});
        QWidget* a = w.abreTela(NomeTela::IC);
        QWidget* b = w.abreTela(NomeTela::IC);
        QCOMPARE(a, b);
        QCOMPARE(criadas, 1);
        QCOMPARE(w.areaTelas()->subWindowList().size(), 1);
        QVERIFY(!w.abreTela(QStringLiteral("no such screen")));
        // The open flag lives as long as the screen.
        QVERIFY(globais().telaAberta(NomeTela::IC));
        w.areaTelas()->closeAllSubWindows();
        QTRY_VERIFY(!globais().telaAberta(NomeTela::IC));
        QVERIFY(!w.tela(NomeTela::IC));
    }

    void mudancasChegamATelasAbertas() {
        // A family change reaches every open screen, the saved-data refresh only the screen whose command
        // is under way, and the connection every open screen.
        teste::PastaPrograma pasta;
        Inicial w;
        w.carrega();
        registraDeTeste(w, NomeTela::IC, 5);
        registraDeTeste(w, NomeTela::Nand, 4);
        registraDeTeste(w, NomeTela::I2C, 6);
        auto* ic = static_cast<TelaDeTeste*>(w.abreTela(NomeTela::IC));
        auto* nand = static_cast<TelaDeTeste*>(w.abreTela(NomeTela::Nand));
        globais().TelaAtiva = QStringLiteral("4");
        w.ComboAparelhos()->setCurrentText(QStringLiteral("IP X"));
        globais().TelaAtiva = QStringLiteral("0");
        QCOMPARE(ic->chamadas, QStringList{QStringLiteral("modelo IP X")});
        QCOMPARE(nand->chamadas, (QStringList{QStringLiteral("dados IP X"), QStringLiteral("modelo IP X")}));
        QCOMPARE(w.lbTristarTigris()->text(), QStringLiteral("Hydra\r\nTigris"));
        w.conectado();
        QCOMPARE(ic->chamadas.last(), QStringLiteral("conectado"));
        QCOMPARE(nand->chamadas.last(), QStringLiteral("conectado"));
        QVERIFY(!w.tela(NomeTela::I2C)); // registered, never opened, told nothing
    }

    void subMenuSegueOPonteiro() {
        teste::PastaPrograma pasta;
        Inicial w;
        w.carrega();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        fmxMenu* menu = w.menu();

        paira(w.Botoes(Botao::BuckLdo));
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->painelVisivel(), 0);
        QCOMPARE(menu->height(), 990 / 15);
        QCOMPARE(menu->width(), 1720 / 15);
        QCOMPARE(menu->y(), 0);
        QCOMPARE(menu->mapTo(&w, QPoint(0, 0)).x(), w.Botoes(Botao::BuckLdo)->mapTo(&w, QPoint(0, 0)).x());

        paira(w.Botoes(Botao::Nand));
        QVERIFY(!menu->isVisible());

        paira(w.Botoes(Botao::RF));
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->painelVisivel(), 2);
        QCOMPARE(menu->height(), 495 / 15);
        moveSobre(w.areaTelas()->viewport());
        QVERIFY(!menu->isVisible());

        paira(w.Botoes(Botao::Display));
        QCOMPARE(menu->painelVisivel(), 1);
        QCOMPARE(menu->lbInfo(2)->text(), QStringLiteral("Chestnut"));
        w.ComboAparelhos()->setCurrentText(QStringLiteral("IP X"));
        paira(w.Botoes(Botao::Display));
        QCOMPARE(menu->lbInfo(2)->text(), QStringLiteral("Acorn"));
    }

    // Every button of the bar and every sub-menu entry leads to its screen: none is left without one.
    void todoBotaoEEntradaAbreSuaTela_data() {
        QTest::addColumn<int>("botao");
        QTest::addColumn<int>("entrada");
        QTest::addColumn<QString>("familia");
        QTest::addColumn<QString>("tela");
        const int nenhuma = EntradaMenu::Nenhuma;
        const QString ip7 = QStringLiteral("IP 7");
        QTest::newRow("Comandos") << int(Botao::Comandos) << nenhuma << ip7 << NomeTela::Master;
        QTest::newRow("VCore") << int(Botao::VCore) << nenhuma << ip7 << NomeTela::VCores;
        QTest::newRow("Buck - Ldo") << int(Botao::BuckLdo) << nenhuma << ip7 << NomeTela::BuckLdo;
        QTest::newRow("RF") << int(Botao::RF) << nenhuma << ip7 << NomeTela::RFs;
        QTest::newRow("Display") << int(Botao::Display) << nenhuma << ip7 << NomeTela::Displays;
        QTest::newRow("Nand") << int(Botao::Nand) << nenhuma << ip7 << NomeTela::Nand;
        QTest::newRow("IC") << int(Botao::IC) << nenhuma << ip7 << NomeTela::IC;
        QTest::newRow("I2C") << int(Botao::I2C) << nenhuma << ip7 << NomeTela::I2C;
        QTest::newRow("Sobre") << int(Botao::Sobre) << nenhuma << ip7 << NomeTela::Sobre;
        QTest::newRow("Bat / RAM") << int(Botao::Adicionais) << nenhuma << ip7 << NomeTela::Outros;
        QTest::newRow("PMU") << int(Botao::PMU) << nenhuma << ip7 << NomeTela::PMU;
        QTest::newRow("menu: Buck Test") << int(Botao::Nenhum) << int(EntradaMenu::BuckTeste) << ip7
                                         << NomeTela::BuckTeste;
        QTest::newRow("menu: PMU") << int(Botao::Nenhum) << int(EntradaMenu::PMU) << ip7 << NomeTela::PMU;
        QTest::newRow("menu: Chestnut") << int(Botao::Nenhum) << int(EntradaMenu::ChestnutAcorn) << ip7
                                        << NomeTela::Chestnut;
        QTest::newRow("menu: Acorn on IP X")
            << int(Botao::Nenhum) << int(EntradaMenu::ChestnutAcorn) << QStringLiteral("IP X") << NomeTela::Acorn;
        QTest::newRow("menu: RF values") << int(Botao::Nenhum) << int(EntradaMenu::ValoresRF) << ip7
                                         << NomeTela::RFs_Esq;
    }
    void todoBotaoEEntradaAbreSuaTela() {
        QFETCH(int, botao);
        QFETCH(int, entrada);
        QFETCH(QString, familia);
        QFETCH(QString, tela);
        teste::PastaPrograma pasta;
        DialogosRoteiro caixas; // a screen opened without a phone may say so
        Inicial w;
        InstalaTelas(w);
        w.carrega();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.ComboAparelhos()->setCurrentText(familia);
        if (botao != Botao::Nenhum) {
            QVERIFY(w.Botoes(botao)->isEnabled());
            w.Botoes(botao)->click();
        } else {
            // The entry as the pointer leaves it: hovering its button sets the label the family asks for.
            paira(w.Botoes(entrada <= EntradaMenu::PMU         ? Botao::BuckLdo
                           : entrada == EntradaMenu::ValoresRF ? Botao::RF
                                                               : Botao::Display));
            QVERIFY(w.menu()->isVisible());
            QVERIFY(w.menu()->btMenu(entrada)->isEnabled());
            w.menu()->btMenu(entrada)->click();
        }
        QTRY_VERIFY(w.tela(tela) != nullptr);
    }

    void dicasNaAreaDaPortaQuandoDesconectado() {
        teste::PastaPrograma pasta;
        globais().IdiomaAtual = 2;
        Inicial w;
        w.carrega();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        paira(w.FramePorta());
        QVERIFY(w.dicas()->isVisible());
        QCOMPARE(w.dicas()->pos(), QPoint(0, 0));
        paira(w.FrameMD());
        QVERIFY(!w.dicas()->isVisible());

        // Not while the about window is open.
        globais().marcaTela(NomeTela::Sobre, true);
        paira(w.FramePorta());
        QVERIFY(!w.dicas()->isVisible());
        globais().marcaTela(NomeTela::Sobre, false);
    }

    void barraCompactaEmJanelaEstreita() {
        teste::PastaPrograma pasta;
        Inicial w;
        w.carrega();
        w.show();
        w.resize(2400, 700);
        QTRY_VERIFY(!w.barraCompacta());
        w.findChild<QWidget*>(QStringLiteral("Cabecalho"))->layout()->activate();
        const int y = w.Botoes(Botao::Comandos)->mapTo(&w, QPoint(0, 0)).y();
        w.resize(20650 / 15, 700);
        QTRY_VERIFY(w.barraCompacta());
        QTRY_VERIFY(w.Botoes(Botao::Comandos)->mapTo(&w, QPoint(0, 0)).y() >
                    y); // the bar moved below the port and model frames
        QVERIFY(w.LimparLogo);
    }

    void limpezaDoFundoDepoisDeRedimensionar() {
        teste::PastaPrograma pasta;
        Inicial w;
        w.carrega();
        w.show();
        w.resize(900, 600);
        QTRY_VERIFY(w.LimparLogo);
        // With the VCore screen open the flag is only cleared.
        globais().marcaTela(NomeTela::VCores, true);
        moveSobre(w.areaTelas()->viewport());
        QVERIFY(!w.LimparLogo);
        QVERIFY(!w.areaTelas()->viewport()->findChild<QWidget*>(QStringLiteral("zLimpa")));
        globais().marcaTela(NomeTela::VCores, false);

        w.resize(950, 600);
        QTRY_VERIFY(w.LimparLogo);
        moveSobre(w.areaTelas()->viewport());
        QVERIFY(!w.LimparLogo);
        QVERIFY(w.areaTelas()->viewport()->findChild<QWidget*>(QStringLiteral("zLimpa")));
        QTRY_VERIFY(!w.areaTelas()->viewport()->findChild<QWidget*>(QStringLiteral("zLimpa")));
    }
};

QTEST_MAIN(TstInicial)
#include "tst_inicial.moc"
