// The main window: title, captions in each language, the language window, the sub-menu and tips,
// the compact bar and the model-change step.

#include "Apoio.h"

#include "base/DialogosRoteiro.h"
#include "app/Dicas.h"
#include "base/Globais.h"
#include "app/Inicial.h"
#include "tela/Tela.h"
#include "app/fmxMenu.h"
#include "app/xIdioma.h"
#include "store/Configuracao.h"

#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

using namespace tarsel;

namespace {
void paira(QWidget* w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(w, &e);
}

void moveSobre(QWidget* w)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

Tela* telaDeTeste(const QString& nome)
{
    auto* t = new Tela(nome);
    t->setWindowTitle(nome);
    t->resize(300, 200);
    return t;
}
} // namespace

class TstInicial : public QObject {
    Q_OBJECT

private slots:
    void init() { globais().telasAbertas.clear(); }

    void tituloECaptionsPorIdioma_data()
    {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("comandos");
        QTest::addColumn<QString>("botaoIdioma");
        QTest::addColumn<QString>("conectar");
        QTest::addColumn<QString>("estado");
        QTest::newRow("Portuguese") << 1 << "Comandos" << "EN / ES" << "Conectar" << "Desconectado";
        QTest::newRow("English") << 2 << "Commands" << "BR / ES" << "Connect" << "Disconnected";
        QTest::newRow("Spanish") << 3 << "Comandos" << "BR / EN" << "Conectar" << "Desconectado";
        QTest::newRow("no language loaded gives empty captions") << 0 << "" << "" << "" << "";
    }

    void tituloECaptionsPorIdioma()
    {
        QFETCH(int, idioma);
        teste::PastaPrograma pasta;
        DialogosRoteiro d;
        globais().Versao = QStringLiteral("2.42");
        globais().IdiomaAtual = quint8(idioma);
        Inicial w;
        w.carrega();
        QCOMPARE(w.windowTitle(), QStringLiteral("Voltrace Tarsel v.2.42"));
        QTEST(w.Botoes(2)->text(), "comandos");
        QTEST(w.Botoes(10)->text(), "botaoIdioma");
        QTEST(w.Botoes(1)->text(), "conectar");
        QTEST(w.St1()->text(), "estado");
        QCOMPARE(w.Botoes(3)->text(), QStringLiteral("VCore"));
        QCOMPARE(w.Botoes(10)->toolTip(), QStringLiteral("Idioma / Language"));
        QCOMPARE(w.lbTristarTigris()->text(), QStringLiteral("Tristar\r\nTigris"));
        QCOMPARE(w.corStatus(), QStringLiteral("Branco"));
        QCOMPARE(w.ComboAparelhos()->currentText(), QStringLiteral("IP 7"));
        QCOMPARE(d.caixas.size(), 0); // every key the main window uses is in the table
    }

    void trocaDeIdiomaFechaTelasERecaptiona()
    {
        teste::PastaPrograma pasta;
        DialogosRoteiro d;
        globais().IdiomaAtual = 1;
        Inicial w;
        w.carrega();
        w.show();
        w.abreTela(NomeTela::Master, [] { return telaDeTeste(NomeTela::Master); });
        w.abreTela(NomeTela::Nand, [] { return telaDeTeste(NomeTela::Nand); });
        w.abreTela(NomeTela::PMU, [] { return telaDeTeste(NomeTela::PMU); });
        QVERIFY(globais().telaAberta(NomeTela::Master));

        xIdioma janela(&w);
        QCOMPARE(janela.windowTitle(), QStringLiteral("Idioma"));
        QCOMPARE(janela.lbFundoIdioma()->y(), 360 / 15);
        janela.btIdioma(2)->click();

        QTRY_VERIFY(!globais().telaAberta(NomeTela::Master));
        QTRY_VERIFY(!globais().telaAberta(NomeTela::Nand));
        QTRY_VERIFY(!globais().telaAberta(NomeTela::PMU));
        QCOMPARE(int(globais().IdiomaAtual), 2);
        QCOMPARE(w.Botoes(2)->text(), QStringLiteral("Commands"));
        QCOMPARE(janela.windowTitle(), QStringLiteral("Language"));
        QCOMPARE(janela.btIdioma(1)->text(), QStringLiteral("PORTUGUESE"));
        QCOMPARE(janela.lbFundoIdioma()->y(), 840 / 15);
        QCOMPARE(LeIdioma(), quint8(2));
    }

    void janelaAbertaSoVemParaFrente()
    {
        teste::PastaPrograma pasta;
        Inicial w;
        w.carrega();
        int criadas = 0;
        auto cria = [&criadas] {
            ++criadas;
            return telaDeTeste(NomeTela::IC);
        };
        QWidget* a = w.abreTela(NomeTela::IC, cria);
        QWidget* b = w.abreTela(NomeTela::IC, cria);
        QCOMPARE(a, b);
        QCOMPARE(criadas, 1);
        QCOMPARE(w.areaTelas()->subWindowList().size(), 1);
    }

    void subMenuSegueOPonteiro()
    {
        teste::PastaPrograma pasta;
        Inicial w;
        w.carrega();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        fmxMenu* menu = w.menu();

        paira(w.Botoes(4));
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->painelVisivel(), 0);
        QCOMPARE(menu->height(), 990 / 15);
        QCOMPARE(menu->width(), 1720 / 15);
        QCOMPARE(menu->y(), 0);
        QCOMPARE(menu->mapTo(&w, QPoint(0, 0)).x(), w.Botoes(4)->mapTo(&w, QPoint(0, 0)).x());

        paira(w.Botoes(7));
        QVERIFY(!menu->isVisible());

        paira(w.Botoes(5));
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->painelVisivel(), 2);
        QCOMPARE(menu->height(), 495 / 15);
        moveSobre(w.areaTelas()->viewport());
        QVERIFY(!menu->isVisible());

        paira(w.Botoes(6));
        QCOMPARE(menu->painelVisivel(), 1);
        QCOMPARE(menu->lbInfo(2)->text(), QStringLiteral("Chestnut"));
        w.ComboAparelhos()->setCurrentText(QStringLiteral("IP X"));
        paira(w.Botoes(6));
        QCOMPARE(menu->lbInfo(2)->text(), QStringLiteral("Acorn"));
    }

    void dicasNaAreaDaPortaQuandoDesconectado()
    {
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

    void barraCompactaEmJanelaEstreita()
    {
        teste::PastaPrograma pasta;
        Inicial w;
        w.carrega();
        w.show();
        w.resize(2400, 700);
        QTRY_VERIFY(!w.barraCompacta());
        w.findChild<QWidget*>(QStringLiteral("Cabecalho"))->layout()->activate();
        const int y = w.Botoes(2)->mapTo(&w, QPoint(0, 0)).y();
        w.resize(20650 / 15, 700);
        QTRY_VERIFY(w.barraCompacta());
        QTRY_VERIFY(w.Botoes(2)->mapTo(&w, QPoint(0, 0)).y() > y); // the bar moved below the port and model frames
        QVERIFY(w.LimparLogo);
    }

    void limpezaDoFundoDepoisDeRedimensionar()
    {
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

    void mudancaDeModeloAtualizaJanelasAbertas()
    {
        teste::PastaPrograma pasta;
        Inicial w;
        w.carrega();
        QStringList chamadas;
        w.defineBusca(16, [&chamadas](const QString& f) { chamadas << QStringLiteral("busca16 ") + f; });
        w.defineAplica(NomeTela::PMU, [&chamadas](const QString& f) { chamadas << QStringLiteral("PMU ") + f; });
        w.defineAplica(NomeTela::IC, [&chamadas](const QString& f) { chamadas << QStringLiteral("IC ") + f; });
        globais().marcaTela(NomeTela::PMU, true);
        globais().TelaAtiva = QStringLiteral("16");

        w.ComboAparelhos()->setCurrentText(QStringLiteral("IP 8 Plus"));
        QCOMPARE(chamadas, QStringList({QStringLiteral("busca16 IP 8 Plus"), QStringLiteral("PMU IP 8 Plus")}));
        QCOMPARE(w.lbTristarTigris()->text(), QStringLiteral("Hydra\r\nTigris"));
        globais().marcaTela(NomeTela::PMU, false);
        globais().TelaAtiva = QStringLiteral("0");
    }
};

QTEST_MAIN(TstInicial)
#include "tst_inicial.moc"
