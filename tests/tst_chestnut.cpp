// The display power chip screen against the simulated phone: a healthy board reads green and its report
// reaches the report page; a board whose touch supply reads low while the touch controller is off gets
// exactly one automatic second reading with it on; missing and timed-out lines; "IP X" refused; the
// sub-menu entry that opens this screen or the Acorn screen by its label.

#include "Apoio.h"

#include "app/Inicial.h"
#include "app/fmxMenu.h"
#include "app/xIdioma.h"
#include "base/Globais.h"
#include "chips/Acorn.h"
#include "chips/Chestnut.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "online/ClienteHttp.h"
#include "store/Configuracao.h"
#include "tela/Conversoes.h"

#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUrlQuery>
#include <QtTest>

using namespace tarsel;

namespace {
QColor fundo(const QLabel* l) {
    return l->palette().color(QPalette::Window);
}

// The commands the link answered, in order.
struct Comandos {
    explicit Comandos(Enlace& e) {
        QObject::connect(&e, &Enlace::entregue, &e, [this](const Resposta& r) { lista << r.comando; });
    }
    QStringList lista;
};

// Opens the screen on a connected phone and waits until the screen has nothing more to do: no reading
// under way, no touch retry or fresh reading pending.
Chestnut* abreELe(teste::BancadaTela<Chestnut>& b) {
    Chestnut* t = b.abre();
    if (!t)
        return nullptr;
    if (!QTest::qWaitFor([t] { return t->emCurso() || t->aguardando(); }, 5000))
        return nullptr;
    return t;
}

bool terminou(Chestnut* t) {
    return QTest::qWaitFor([t] { return !t->aguardando() && !t->Timer1().isActive() && !t->TimerTouch().isActive(); },
                           30000);
}

QString valor(const QUrl& url, const char* chave) {
    return QUrlQuery(url).queryItemValue(QLatin1String(chave), QUrl::FullyDecoded);
}

void paira(QWidget* w) {
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(w, &e);
}

const QString Comando = QStringLiteral("pmuadc --sel chestnut --read all");
const QString TouchLiga = QStringLiteral("touch --on");
} // namespace

class TstChestnut : public QObject {
    Q_OBJECT

private slots:
    void init() { globais().IdiomaAtual = 1; }

    void placaSaudavelERelatorio() {
        teste::ServidorTeste servidor;
        QVERIFY2(servidor.pronto(), qPrintable(servidor.erro()));
        teste::BancadaTela<Chestnut> b(
            NomeTela::Chestnut, QStringLiteral("update Tools set ServidorRelatorio = '%1'").arg(servidor.base()));
        QVERIFY(b.conecta(QStringLiteral("A1778")));
        Comandos comandos(b.principal->enlace());
        Chestnut* t = abreELe(b);
        QVERIFY(t);
        QVERIFY(terminou(t));

        QCOMPARE(comandos.lista, QStringList{Comando});
        QVERIFY(t->btExecutaLeitura()->isEnabled());
        QCOMPARE(t->lbUC()->text(), QStringLiteral("U3703"));
        for (int i = 0; i < 5; ++i) {
            QVERIFY2(t->OK(i)->isVisibleTo(t), qPrintable(QString::number(i)));
            QVERIFY(!t->NO(i)->isVisibleTo(t));
        }
        for (int p = 1; p <= 5; ++p)
            QVERIFY(fundo(t->campo(QStringLiteral("Porc%1").arg(p))) == CorBGR(Cores::VerdeClaro));
        QVERIFY(t->campo("BOOST_V")->text().endsWith(QLatin1String(" V")));
        QVERIFY(t->campo("VNEG_A")->text().endsWith(QLatin1String(" mA")));
        QVERIFY(t->btTouch()->isVisibleTo(t));
        QVERIFY(!t->touchUsado());
        QVERIFY(t->txtDados()->toPlainText().contains(QLatin1String("chestnut vboost :")));
        QVERIFY(t->txtComparador()->toPlainText().contains(QLatin1String("chestnut vboost :")));

        // The report, with a name that holds words the page reads as verdicts.
        teste::CapturaLinks links;
        b.dialogos.entradas.enqueue(QStringLiteral("True & False Reparos"));
        t->btExportar()->click();
        QTRY_COMPARE(links.urls.size(), 1);
        const QUrl url = links.urls.first();
        QVERIFY2(url.toString().startsWith(servidor.base() + QStringLiteral("relatorio/chest.php?M1=")),
                 qPrintable(url.toString()));
        QCOMPARE(valor(url, "M2"), QStringLiteral("PN -5V7_DISPLAY_MESON_AVDDN"));
        QCOMPARE(valor(url, "L1"), t->campo("BOOST_V")->text());
        QCOMPARE(valor(url, "L2"), t->campo("VNEG_V")->text() + QStringLiteral("   (") + t->campo("VNEG_A")->text() +
                                       QStringLiteral(")"));
        QCOMPARE(valor(url, "P5"), t->campo("Porc3")->text());
        for (const char* i : {"I1", "I2", "I3", "I4", "I5", "I6"})
            QCOMPARE(valor(url, i), QStringLiteral("1"));
        QCOMPARE(valor(url, "R6"), QStringLiteral("-"));
        QCOMPARE(valor(url, "IDIOMA"), QStringLiteral("1"));
        QCOMPARE(valor(url, "MODELO"), QStringLiteral("IP 7"));
        QCOMPARE(valor(url, "EMP"), QStringLiteral("True & False Reparos"));
        QCOMPARE(LeNome(), QStringLiteral("True & False Reparos"));

        // The page renders what the screen sent.
        const QString pagina = BuscaPagina(url);
        QVERIFY2(pagina.contains(QStringLiteral("Relatório Chestnut")), qPrintable(pagina));
        QVERIFY(pagina.contains(QLatin1String("PP5V1_TOUCH_VDDH")));
        QVERIFY(pagina.contains(QLatin1String("True &amp; False Reparos")));
        QVERIFY(pagina.contains(t->campo("VIN_V")->text()));
        QCOMPARE(pagina.count(QLatin1String("<tr class=\"aprovado\">")), 6);

        // A cancelled name box opens nothing.
        b.dialogos.entradas.enqueue(std::nullopt);
        t->btExportar()->click();
        QCOMPARE(links.urls.size(), 1);
        QCOMPARE(LeNome(), QStringLiteral("True & False Reparos"));
    }

    void touchBaixoRepeteUmaVezComOTouchLigado() {
        teste::BancadaTela<Chestnut> b(NomeTela::Chestnut);
        QVERIFY(b.conecta(QStringLiteral("A1633"), {QStringLiteral("touch-baixo")}));
        Comandos comandos(b.principal->enlace());
        Chestnut* t = abreELe(b);
        QVERIFY(t);
        // The first reading finds the touch supply low and sends the touch controller on by itself.
        QTRY_VERIFY_WITH_TIMEOUT(t->TimerTouch().isActive() || comandos.lista.size() > 1, 15000);
        QVERIFY(t->touchUsado());
        QVERIFY(terminou(t));
        QCOMPARE(comandos.lista, (QStringList{Comando, TouchLiga, Comando}));
        QCOMPARE(t->lbUC()->text(), QStringLiteral("U4000"));
        QVERIFY(t->OK(4)->isVisibleTo(t));
        QVERIFY(!t->NO(4)->isVisibleTo(t));
        QVERIFY(fundo(t->campo("Porc3")) == CorBGR(Cores::VerdeClaro));
        QCOMPARE(t->btTouch()->text(), QStringLiteral("Desativar Touch"));
    }

    void touchQueContinuaBaixoNaoRepeteDeNovo() {
        teste::BancadaTela<Chestnut> b(NomeTela::Chestnut);
        QVERIFY(b.conecta(QStringLiteral("A1778"), {QStringLiteral("touch-morto")}));
        Comandos comandos(b.principal->enlace());
        Chestnut* t = abreELe(b);
        QVERIFY(t);
        QTRY_VERIFY_WITH_TIMEOUT(comandos.lista.size() >= 3, 30000);
        QVERIFY(terminou(t));
        // The second reading fails again: nothing more is sent.
        QCOMPARE(comandos.lista, (QStringList{Comando, TouchLiga, Comando}));
        QVERIFY(t->NO(4)->isVisibleTo(t));
        QVERIFY(!t->OK(4)->isVisibleTo(t));
        QCOMPARE(t->campo("iLDO_V3")->text(), QStringLiteral("4.300 V"));
        QVERIFY(fundo(t->campo("Porc3")) == CorBGR(Cores::AmareloClaro));
        for (int i = 0; i < 4; ++i)
            QVERIFY(t->OK(i)->isVisibleTo(t));

        // The technician switches the touch controller off: a fresh reading, still no automatic retry.
        t->btTouch()->click();
        QCOMPARE(t->btTouch()->text(), QStringLiteral("Ativar Touch"));
        QVERIFY(!t->btTouch()->isVisibleTo(t));
        QVERIFY(t->campo("BOOST_V")->text().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(comandos.lista.size() >= 5, 30000);
        QVERIFY(terminou(t));
        QCOMPARE(comandos.lista.mid(3), (QStringList{QStringLiteral("touch --off"), Comando}));
        QVERIFY(t->NO(4)->isVisibleTo(t));
    }

    void linhaAusenteETimeout() {
        teste::BancadaTela<Chestnut> b(NomeTela::Chestnut);
        QVERIFY(b.conecta(QStringLiteral("A1549"), {QStringLiteral("chip-sem-linha"), QStringLiteral("chip-timeout")}));
        Chestnut* t = abreELe(b);
        QVERIFY(t);
        QVERIFY(terminou(t));
        QCOMPARE(t->lbUC()->text(), QStringLiteral("U1501"));
        for (const char* campo : {"VNEG_V", "BOOST_V"}) {
            QCOMPARE(t->campo(QLatin1String(campo))->text(), QStringLiteral("Sem Medição"));
            // The reading keeps its colour; the percent carries the verdict.
            QVERIFY(fundo(t->campo(QLatin1String(campo))) == CorBGR(Cores::Branco));
        }
        for (const char* porc : {"Porc4", "Porc5"}) {
            QCOMPARE(t->campo(QLatin1String(porc))->text(), QString());
            QVERIFY(fundo(t->campo(QLatin1String(porc))) == CorBGR(Cores::AmareloClaro));
        }
        QVERIFY(t->NO(0)->isVisibleTo(t));
        QVERIFY(t->NO(1)->isVisibleTo(t));
        for (int i = 2; i < 5; ++i)
            QVERIFY(t->OK(i)->isVisibleTo(t));
        QVERIFY(t->campo("VNEG_A")->text().endsWith(QLatin1String(" mA")));
        QVERIFY(!t->touchUsado());

        // Opened narrow (readings only); the log toggle shows the raw and saved answers beside them.
        QCOMPARE(t->btLog()->text(), QStringLiteral("Exibir Log ->"));
        QVERIFY(!t->txtDados()->isVisibleTo(t));
        const int estreita = t->width();
        t->btLog()->click();
        QCOMPARE(t->btLog()->text(), QStringLiteral("Ocultar"));
        QVERIFY(t->width() > estreita);
        QVERIFY(t->txtComparador()->isVisibleTo(t));
        t->btLog()->click();
        QCOMPARE(t->width(), estreita);
        QCOMPARE(t->btLog()->text(), QStringLiteral("Exibir Log ->"));
    }

    void ipXRecusado() {
        teste::BancadaTela<Chestnut> b(NomeTela::Chestnut);
        QVERIFY(b.conecta(QStringLiteral("A1865")));
        Comandos comandos(b.principal->enlace());
        Chestnut* t = b.abre();
        QVERIFY(t);
        QTRY_COMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.caixas.first().texto, QStringLiteral("NOT FOR X!"));
        QCOMPARE(b.dialogos.caixas.first().titulo, QStringLiteral("IP X!"));
        QCOMPARE(b.dialogos.caixas.first().icone, Dialogos::Icone::Informacao);
        t->btExecutaLeitura()->click();
        QCOMPARE(b.dialogos.caixas.size(), 2);
        QVERIFY(!t->aguardando());
        QCOMPARE(b.principal->enlace().Status(), QStringLiteral("1"));
        QVERIFY(comandos.lista.isEmpty());
    }

    // The display entry of the sub-menu opens the screen its label names; a language change closes both.
    void entradaDoSubMenuELinguagem() {
        teste::BancadaTela<Chestnut> b(NomeTela::Chestnut);
        fmxMenu* menu = b.principal->menu();
        QVERIFY(menu->btMenu(EntradaMenu::ChestnutAcorn)->isEnabled());
        paira(b.principal->Botoes(Botao::Display));
        QCOMPARE(menu->lbInfo(EntradaMenu::ChestnutAcorn)->text(), QStringLiteral("Chestnut"));
        menu->btMenu(EntradaMenu::ChestnutAcorn)->click();
        QVERIFY(b.principal->tela(NomeTela::Chestnut));
        QVERIFY(!b.principal->tela(NomeTela::Acorn));
        QVERIFY(!menu->isVisible());

        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP X"));
        paira(b.principal->Botoes(Botao::Display));
        QCOMPARE(menu->lbInfo(EntradaMenu::ChestnutAcorn)->text(), QStringLiteral("Acorn"));
        menu->btMenu(EntradaMenu::ChestnutAcorn)->click();
        QVERIFY(qobject_cast<Acorn*>(b.principal->tela(NomeTela::Acorn)));
        QVERIFY(globais().telaAberta(NomeTela::Chestnut));
        QVERIFY(globais().telaAberta(NomeTela::Acorn));
        // Not connected: neither screen sent anything or showed a box.
        QVERIFY(b.dialogos.caixas.isEmpty());

        xIdioma janela(b.principal.get());
        janela.btIdioma(3)->click();
        QTRY_VERIFY(!globais().telaAberta(NomeTela::Chestnut));
        QTRY_VERIFY(!globais().telaAberta(NomeTela::Acorn));
        QVERIFY(!b.principal->tela(NomeTela::Chestnut));
    }
};

QTEST_MAIN(TstChestnut)
#include "tst_chestnut.moc"
