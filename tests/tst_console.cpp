// The command console against the simulated phone: sending and receiving with "Auto" ticked and clear,
// the live copy, the history panel and the help list, new and deleted commands, the comparator's copy,
// save and delete reaching User.tsl on close, the automatic comparison with a mask, restart and shutdown,
// the button test, the colours and their window, and typed commands that would break quoted SQL.

#include "Apoio.h"

#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "console/Comparador.h"
#include "console/Master.h"
#include "console/fmHelp.h"
#include "console/xCores.h"
#include "link/Enlace.h"
#include "store/Banco.h"
#include "tela/Conversoes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace tarsel;

namespace {

constexpr int Espera = 25000; // ms: the simulator paces its bytes at the line speed
const QString X = MarcaMascara;

// A main window with every screen; the console opened by its button. The shipped saved answers and
// masks are cleared first: each test states the ones it relies on.
struct Bancada : teste::BancadaTela<Master> {
    explicit Bancada(const QString& sql = {})
        : BancadaTela(NomeTela::Master, QStringLiteral("delete from Dados; delete from M;") + sql) {}

    Master* console() {
        principal->Botoes(Botao::Comandos)->click();
        return tela();
    }
    Enlace& enlace() { return principal->enlace(); }
    bool ocioso() {
        return QTest::qWaitFor([this] { return enlace().Status() == QLatin1String("1"); }, Espera);
    }
};

// Types `comando` and presses "Executar"; waits for the console's answer.
bool executa(Bancada& b, Master* m, const QString& comando) {
    m->defineComando(comando);
    m->btSend()->click();
    return QTest::qWaitFor([&] { return m->btSend()->isEnabled() && b.enlace().Status() == QLatin1String("1"); },
                           Espera);
}

QString valor(const QString& sql, const QVariantList& valores = {}) {
    Banco b;
    return b.valor(sql, valores).toString();
}

int contaDados(const QString& comando) {
    Banco b;
    return b.valor(QStringLiteral("select count(*) from Dados where Aparelho = 'IP 7' and Comando = ?"), {comando})
        .toInt();
}

QString semCR(QString t) {
    return t.remove(QLatin1Char('\r'));
}

// Catches the documents the console opens.
class CapturaArquivos : public QObject {
    Q_OBJECT
public:
    CapturaArquivos() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "abre"); }
    ~CapturaArquivos() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void abre(const QUrl& url) { urls << url; }
};

} // namespace

class TstConsole : public QObject {
    Q_OBJECT

private slots:
    void init() {
        globais().telasAbertas.clear();
        globais().IdiomaAtual = 2;
    }

    // Opening without a phone: the captions, the list, the empty panes and the disabled "Run".
    void abreSemConexao() {
        Bancada b;
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 7"));
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(globais().telaAberta(NomeTela::Master));
        QCOMPARE(m->windowTitle(), QStringLiteral("Commands and Comparator Mode - Voltrace Tarsel"));
        QVERIFY(!m->btSend()->isEnabled());
        QCOMPARE(m->btSend()->text(), QStringLiteral("Run"));
        QVERIFY(m->ckLimpar()->isChecked());
        QCOMPARE(m->comando(), QString());
        QVERIFY(m->txtComandos()->count() > 20);
        QCOMPARE(m->txtComandos()->itemText(0).compare(m->txtComandos()->itemText(1), Qt::CaseInsensitive) < 0, true);
        QCOMPARE(m->lbDispositivo()->text(), QStringLiteral("Model: IP 7  "));
        QVERIFY(m->lbAutoComparador()->isHidden());
        QVERIFY(!m->manutencao());
        QVERIFY(m->FrameHistorico()->isHidden());
        // The split bar moves the comparator's edge to value × 8 twips; the console pane ends before it.
        QScrollBar* barra = m->HScroll1();
        QCOMPARE(barra->value(), barra->maximum());
        const int largura = m->txtConsole()->width();
        barra->setValue(barra->maximum() / 2);
        QTRY_VERIFY(m->txtConsole()->width() < largura);
        QCOMPARE(m->txtConsole()->width(), Twips(barra->value() * 8 - 220) - 8);
        // "Run" with no connection does nothing.
        m->defineComando(QStringLiteral("help"));
        m->ExecutaComandoConsole();
        QVERIFY(m->historico().isEmpty());
        QVERIFY(b.dialogos.caixas.isEmpty());
    }

    // Only the notes of the current language show; they follow the command text.
    void notasDoIdioma_data() {
        QTest::addColumn<int>("idioma");
        QTest::newRow("Portuguese") << 1;
        QTest::newRow("English") << 2;
        QTest::newRow("Spanish") << 3;
    }
    void notasDoIdioma() {
        QFETCH(int, idioma);
        globais().IdiomaAtual = quint8(idioma);
        Bancada b(QStringLiteral("insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values "
                                 "('IP 7', 'buck', 'saved', 'nota pt', 'note en', 'nota es');"));
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 7"));
        Master* m = b.console();
        QVERIFY(m);
        m->defineComando(QStringLiteral("buck"));
        const QStringList notas{"nota pt", "note en", "nota es"};
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(m->txtInfoDados(i)->isVisible(), i == idioma);
            QCOMPARE(m->txtInfoComandos(i)->isVisible(), i == idioma);
            QCOMPARE(m->txtInfoDados(i)->toPlainText(), notas.at(i - 1));
        }
        // The command's own notes come from the command list.
        QVERIFY(!m->txtInfoComandos(idioma)->toPlainText().isEmpty());
        QCOMPARE(m->txtComparador()->toPlainText(), QStringLiteral("saved"));
        m->defineComando(QStringLiteral("bucks"));
        QVERIFY(m->txtInfoDados(idioma)->toPlainText().isEmpty());
        QVERIFY(m->txtComparador()->toPlainText().isEmpty());
    }

    // "help" in small letters finds the answer saved as "Help"; the Help button loads it into the help
    // window, whose double-click hands a command back to the console.
    void listaDeHelp() {
        const QString lista = QStringLiteral(
            "\r\nAvailable commands:\r\n\"battery --properties\" shows the gauge\r\n  buck   print the bucks\r\n");
        Bancada b(
            QStringLiteral("insert into Dados (Aparelho, Comando, Dados) values ('IP 7', 'Help', '%1');").arg(lista));
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 7"));
        Master* m = b.console();
        QVERIFY(m);
        m->defineComando(QStringLiteral("help"));
        QCOMPARE(m->textoComparador(), lista);
        m->defineComando(QString());
        QVERIFY(m->textoComparador().isEmpty());

        m->botao(QStringLiteral("btHelp"))->click();
        QCOMPARE(m->comando(), QStringLiteral("Help"));
        fmHelp* h = m->janelaHelp();
        QVERIFY(h);
        QCOMPARE(h->windowTitle(), QStringLiteral("Commands Help - Voltrace Tarsel"));
        QCOMPARE(h->width(), Twips(11535));
        QCOMPARE(h->texto(), semCR(lista));
        // Nothing was sent by the button.
        QVERIFY(m->historico().isEmpty());
        QCOMPARE(b.enlace().txtComandos(), QString());

        // A selection that starts with a quoted command and goes on: the command only.
        QPlainTextEdit* t = h->txtConsole();
        const int inicio = int(h->texto().indexOf(QLatin1Char('"')));
        QTextCursor c(t->document());
        c.setPosition(inicio);
        c.setPosition(inicio + 30, QTextCursor::KeepAnchor);
        t->setTextCursor(c);
        QTextCursor meio(t->document());
        meio.setPosition(inicio + 5);
        const QPoint ponto = t->cursorRect(meio).center();
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, ponto);
        QTRY_COMPARE(m->comando(), QStringLiteral("battery --properties"));

        // "Add" opens the scratch field above the list and goes away.
        QVERIFY(h->txt2()->isHidden());
        const int altura = h->txtConsole()->height();
        h->btAdd()->click();
        QVERIFY(!h->txt2()->isHidden());
        QVERIFY(h->btAdd()->isHidden());
        QTRY_VERIFY(h->txtConsole()->height() < altura);
    }

    // The help window takes the answers of its own code whole, echo included.
    void ajudaRecebeSeuCodigo() {
        Bancada b;
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(b.conecta());
        m->botao(QStringLiteral("btHelp"))->click();
        fmHelp* h = m->janelaHelp();
        QVERIFY(h);
        QVERIFY(h->texto().isEmpty());
        QVERIFY(b.principal->ContextoTela::envia(fmHelp::Codigo, QStringLiteral("help")));
        QVERIFY(b.ocioso());
        QVERIFY(h->texto().startsWith(QStringLiteral("\nhelp\nAvailable commands:")));
        QVERIFY(m->textoConsole().isEmpty());
    }

    // The line lost while an answer streams in: what came stays in the console as its text, and "Run"
    // waits for the next connection.
    void desconexaoDuranteACopiaViva() {
        Bancada b;
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(b.conecta(QStringLiteral("A1778"), {QStringLiteral("sem-fim")}));
        m->ckLimpar()->setChecked(false);
        m->defineComando(QStringLiteral("help"));
        m->btSend()->click();
        QTRY_VERIFY_WITH_TIMEOUT(m->txtConsole()->document()->characterCount() > 3000, Espera);
        // The phone goes away mid-answer.
        b.sim->processo().kill();
        QTRY_COMPARE_WITH_TIMEOUT(b.enlace().Status(), QStringLiteral("0"), Espera);
        QTRY_COMPARE(b.dialogos.caixas.size(), 1);
        QVERIFY(!m->btSend()->isEnabled());
        const QString vista = m->txtConsole()->toPlainText();
        QVERIFY(vista.startsWith(QStringLiteral("\nhelp\nAvailable commands:")));
        QCOMPARE(semCR(m->textoConsole()), vista);
    }

    // The history panel: newest first, a click picks, the right click toggles "help ", HELP toggles the
    // help answer beside the list, "Close" shows the captions it covered.
    void historicoEPrefixoHelp() {
        Bancada b;
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(b.conecta());
        for (const char* c : {"touch --on", "touch --off", "help"})
            QVERIFY(executa(b, m, QString::fromLatin1(c)));
        QCOMPARE(m->historico(), (QStringList{"help", "touch --off", "touch --on"}));

        QPushButton* recent = m->botao(QStringLiteral("btRecent"));
        recent->click();
        QVERIFY(m->FrameHistorico()->isVisible());
        QCOMPARE(m->FrameHistorico()->y(), Twips(1230));
        QVERIFY(!m->lbDispositivo()->isVisible());
        QCOMPARE(m->ListCmd()->height(), m->FrameHistorico()->height() - Twips(900));
        const bool comAjuda = m->txtHelpAux()->isVisible();
        QCOMPARE(m->ListCmd()->width(), Twips(comAjuda ? 4455 : 10095));
        QTest::mouseClick(m->lbHelp(), Qt::LeftButton);
        QCOMPARE(m->txtHelpAux()->isVisible(), !comAjuda);
        QCOMPARE(m->ListCmd()->width(), Twips(comAjuda ? 10095 : 4455));
        QCOMPARE(m->txtHelpAux()->height(), m->ListCmd()->height());

        // With the panel opened once, a help answer also goes beside the list, as received.
        QVERIFY(executa(b, m, QStringLiteral("HELP")));
        QVERIFY(m->txtHelpAux()->toPlainText().contains(QStringLiteral("HELP\nAvailable commands:")));

        emit m->ListCmd()->itemClicked(m->ListCmd()->item(1));
        QCOMPARE(m->comando(), QStringLiteral("help"));
        m->defineComando(QStringLiteral("battery --properties"));
        emit recent->customContextMenuRequested({});
        QCOMPARE(m->comando(), QStringLiteral("help battery "));
        emit recent->customContextMenuRequested({});
        QCOMPARE(m->comando(), QStringLiteral("battery "));

        m->findChild<QPushButton*>(QStringLiteral("btFechar"))->click();
        QVERIFY(m->FrameHistorico()->isHidden());
        QVERIFY(m->lbDispositivo()->isVisible());
    }

    // "Auto" ticked: each answer replaces the console (without its echo). "help" in any case streams into
    // the console while it arrives. "Auto" clear: three answers, newest first.
    void enviaERecebe() {
        Bancada b;
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(b.conecta());
        QVERIFY(m->btSend()->isEnabled());

        // The live text shows the command's echo; the delivered one does not.
        QStringList vistos;
        connect(m->txtConsole(), &QPlainTextEdit::textChanged, m, [&] { vistos << m->txtConsole()->toPlainText(); });
        m->defineComando(QStringLiteral("hElP"));
        m->btSend()->click();
        QVERIFY(!m->btSend()->isEnabled());
        QVERIFY(globais().EspelhoAtivo);
        QCOMPARE(b.enlace().txtComandos(), QStringLiteral("hElP"));
        QTRY_VERIFY_WITH_TIMEOUT(m->btSend()->isEnabled(), Espera);
        QVERIFY(std::any_of(vistos.cbegin(), vistos.cend(),
                            [](const QString& v) { return v.startsWith(QLatin1String("\nhElP\n")); }));
        QVERIFY(m->textoConsole().startsWith(QStringLiteral("\r\n\r\r\nAvailable commands:")));
        QVERIFY(!m->textoConsole().contains(QStringLiteral("hElP")));
        QCOMPARE(semCR(m->txtConsole()->toPlainText()), semCR(m->textoConsole()));

        // No live copy for other commands; each answer replaces the last.
        QVERIFY(executa(b, m, QStringLiteral("touch --on")));
        QVERIFY(!globais().EspelhoAtivo);
        QVERIFY(m->textoConsole().contains(QStringLiteral("touch: power on")));
        QVERIFY(!m->textoConsole().contains(QStringLiteral("Available")));

        m->ckLimpar()->setChecked(false);
        m->botao(QStringLiteral("btLimpar"))->click();
        QVERIFY(m->textoConsole().isEmpty());
        QVERIFY(executa(b, m, QStringLiteral("touch --on")));
        QVERIFY(executa(b, m, QStringLiteral("touch --off")));
        // The third streams in above the other two and is put on top once delivered.
        QVERIFY(executa(b, m, QStringLiteral("help")));
        const QString texto = m->textoConsole();
        const qsizetype ajuda = texto.indexOf(QStringLiteral("Available commands:"));
        const qsizetype desliga = texto.indexOf(QStringLiteral("touch: power off"));
        const qsizetype liga = texto.indexOf(QStringLiteral("touch: power on"));
        QVERIFY(ajuda >= 0 && ajuda < desliga && desliga < liga);
        QCOMPARE(texto.count(QStringLiteral("Available commands:")), 1);
        QCOMPARE(semCR(m->txtConsole()->toPlainText()), semCR(texto));
        QVERIFY(texto.endsWith(QStringLiteral(":-) \r\n")));
        QVERIFY(b.dialogos.caixas.isEmpty());
    }

    // Another screen's command on the line: "Run" does nothing.
    void outroComandoEmCurso() {
        Bancada b;
        QVERIFY(b.conecta());
        QVERIFY(b.principal->ContextoTela::envia(18, QStringLiteral("pmuadc --read all")));
        // Opened while the line is busy: "Run" waits for it.
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(!m->btSend()->isEnabled());
        m->defineComando(QStringLiteral("help"));
        m->ExecutaComandoConsole();
        QVERIFY(m->historico().isEmpty());
        QCOMPARE(b.enlace().txtComandos(), QStringLiteral("pmuadc --read all"));
        QVERIFY(b.ocioso());
        QVERIFY(m->textoConsole().isEmpty());
        QVERIFY(m->btSend()->isEnabled());
        // Open and idle: the same with the button enabled.
        QVERIFY(b.principal->ContextoTela::envia(18, QStringLiteral("pmuadc --read all")));
        m->btSend()->click();
        QVERIFY(m->historico().isEmpty());
        QVERIFY(b.ocioso());
        QVERIFY(m->textoConsole().isEmpty());
    }

    // Copy, copy again (asked), save the notes (asked), delete (asked): each reaches the database, and
    // closing the console copies it to User.tsl.
    void copiaSalvaExcluiEUserTsl() {
        Bancada b;
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(b.conecta());
        const QString comando = QStringLiteral("touch --on");
        QVERIFY(executa(b, m, comando));
        QVERIFY(!m->alterado());
        QCOMPARE(contaDados(comando), 0);

        m->botao(QStringLiteral("btSalvar"))->click();
        QCOMPARE(contaDados(comando), 1);
        QCOMPARE(valor(QStringLiteral("select Dados from Dados where Aparelho = 'IP 7' and Comando = ?"), {comando}),
                 m->textoConsole());
        QCOMPARE(m->textoComparador(), m->textoConsole());
        QVERIFY(b.dialogos.caixas.isEmpty());
        QVERIFY(m->alterado());

        // Again: asked first, then the same row is replaced.
        QVERIFY(executa(b, m, comando));
        b.dialogos.respostas.enqueue(Dialogos::Resposta::Nao);
        m->botao(QStringLiteral("btSalvar"))->click();
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.caixas.at(0).texto,
                 QStringLiteral("Do you want to replace the recorded data on the comparator side?"));
        m->botao(QStringLiteral("btSalvar"))->click();
        QCOMPARE(b.dialogos.caixas.size(), 2);
        QCOMPARE(contaDados(comando), 1);

        m->txtInfoDados(2)->setPlainText(QStringLiteral("known good, 'quoted' \"twice\""));
        m->txtInfoComandos(2)->setPlainText(QStringLiteral("powers the touch"));
        m->botao(QStringLiteral("btSalvarAtualizacoes"))->click();
        QCOMPARE(b.dialogos.caixas.last().titulo, QStringLiteral("Save"));
        QCOMPARE(valor(QStringLiteral("select Info2 from Dados where Aparelho = 'IP 7' and Comando = ?"), {comando}),
                 QStringLiteral("known good, 'quoted' \"twice\""));
        QCOMPARE(valor(QStringLiteral("select Info2 from Comandos where Comando = ?"), {comando}),
                 QStringLiteral("powers the touch"));

        m->botao(QStringLiteral("btExcluir"))->click();
        QCOMPARE(b.dialogos.caixas.last().texto, QStringLiteral("Do you want to delete the recorded data?"));
        QCOMPARE(contaDados(comando), 0);
        QVERIFY(m->txtComparador()->toPlainText().isEmpty());
        QVERIFY(m->txtInfoDados(2)->toPlainText().isEmpty());

        const QString user = b.pasta.arquivo(NomeBancoUsuario);
        QVERIFY(!QFile::exists(user));
        QVERIFY(b.fecha());
        QVERIFY(QFile::exists(user));
        QFile a(b.pasta.banco()), u(user);
        QVERIFY(a.open(QIODevice::ReadOnly) && u.open(QIODevice::ReadOnly));
        QCOMPARE(u.readAll(), a.readAll());
    }

    // A console that changed nothing leaves no User.tsl behind.
    void semAlteracaoNaoCopia() {
        Bancada b;
        QVERIFY(b.console());
        QVERIFY(b.fecha());
        QVERIFY(!QFile::exists(b.pasta.arquivo(NomeBancoUsuario)));
    }

    // The mark shows for a real answer that differs from the saved one only where a mask stands, and not
    // without that mask. The saved answer is what "RM" makes of an earlier answer of the same query.
    void autoComparadorComMascara() {
        Bancada b(QStringLiteral("insert into M (String) values ('A1778');"
                                 "insert into Dados (Aparelho, Comando, Dados) values ('IP 7', 'syscfg print RMd#', "
                                 "'\r\n\r\r\n%1\r\n[00000000:00000000] :-) ');")
                      .arg(X));
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(b.conecta());
        QVERIFY(executa(b, m, ConsultaModelo));
        QVERIFY(m->textoConsole().contains(QStringLiteral("A1778")));
        QVERIFY(!m->lbAutoComparador()->isHidden());
        QCOMPARE(m->lbAutoComparadorX()->text(), QStringLiteral("Auto Comparator OK"));
        // A change of the command text hides it.
        m->defineComando(QStringLiteral("syscfg print RMd"));
        QVERIFY(m->lbAutoComparador()->isHidden());

        teste::executaSql(b.pasta.banco(), QStringLiteral("delete from M"));
        QVERIFY(executa(b, m, ConsultaModelo));
        QVERIFY(m->lbAutoComparador()->isHidden());
    }

    // The maintenance buttons: Ctrl+Shift+M shows them; "Add" stores a mask, "RM" masks the saved answer
    // and saves without asking, "AJ" asks for the editor.
    void manutencao() {
        Bancada b;
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(b.conecta());
        QVERIFY(QTest::qWaitForWindowActive(b.principal.get()));
        m->txtComandos()->setFocus();
        QTest::keyClick(m->txtComandos(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(m->manutencao());

        b.dialogos.entradas.enqueue(QStringLiteral("A1778"));
        m->botao(QStringLiteral("Command2"))->click();
        QCOMPARE(valor(QStringLiteral("select String from M where String = 'A1778'")), QStringLiteral("A1778"));
        b.dialogos.entradas.enqueue(QString());
        m->botao(QStringLiteral("Command2"))->click();
        QCOMPARE(valor(QStringLiteral("select count(*) from M")).toInt(), 1);

        QVERIFY(executa(b, m, ConsultaModelo));
        m->botao(QStringLiteral("btSalvar"))->click();
        const int caixas = int(b.dialogos.caixas.size());
        m->botao(QStringLiteral("Command1"))->click();
        QCOMPARE(int(b.dialogos.caixas.size()), caixas);
        const QString gravado =
            valor(QStringLiteral("select Dados from Dados where Aparelho = 'IP 7' and Comando = ?"), {ConsultaModelo});
        QVERIFY(gravado.contains(X));
        QVERIFY(!gravado.contains(QStringLiteral("A1778")));

        // Once more: hidden again.
        QTest::keyClick(m->txtComandos(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!m->manutencao());
    }

    // Restart and shutdown are asked; their answers go to no window.
    void reiniciaEDesliga() {
        Bancada b;
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(b.conecta());
        QVERIFY(executa(b, m, QStringLiteral("touch --on")));
        const QString antes = m->textoConsole();

        b.dialogos.respostas.enqueue(Dialogos::Resposta::Nao);
        m->botao(QStringLiteral("btReiniciar"))->click();
        QCOMPARE(b.dialogos.caixas.last().titulo, QStringLiteral("Restart Device"));
        QCOMPARE(b.enlace().txtComandos(), QStringLiteral("touch --on"));

        m->botao(QStringLiteral("btReiniciar"))->click();
        QCOMPARE(b.enlace().txtComandos(), QStringLiteral("Reset"));
        QVERIFY(b.ocioso());
        QVERIFY(b.enlace().txtConsole().contains(QStringLiteral("Resetting device")));
        QCOMPARE(m->textoConsole(), antes);

        m->botao(QStringLiteral("btDesligar"))->click();
        QCOMPARE(b.enlace().txtComandos(), QStringLiteral("Shutdown"));
        QVERIFY(b.ocioso());
        QVERIFY(b.enlace().txtConsole().contains(QStringLiteral("Shutting down")));
        QCOMPARE(m->textoConsole(), antes);
        QVERIFY(m->btSend()->isEnabled());
    }

    // The button test shows its box, then "/q" ends it on the phone.
    void testeDeBotoes() {
        Bancada b;
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(b.conecta());
        QVERIFY(executa(b, m, QStringLiteral("ButtonCnt --DQE")));
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.caixas.at(0).titulo, QStringLiteral("Button Function Test"));
        QVERIFY(b.dialogos.caixas.at(0).texto.endsWith(QStringLiteral("\r\nClick OK to finish")));
        QCOMPARE(b.enlace().txtComandos(), QStringLiteral("/q"));
        // The answer to "/q" reaches the console, without the command as every console answer.
        QVERIFY(b.enlace().txtConsole().contains(QStringLiteral("Unknown Command: /q")));
        QCOMPARE(m->textoConsole(), Resposta::semComando(b.enlace().txtConsole(), QStringLiteral("/q")));
    }

    // Typed commands go out as typed; their saved answers are stored and found through bound values.
    void comandosDificeis_data() {
        QTest::addColumn<QString>("comando");
        QTest::newRow("apostrophe and quotes") << "echo 'it''s' \"x\"";
        QTest::newRow("non-ASCII letters") << "ação ñ";
        QTest::newRow("10 000 characters") << QString(10000, QLatin1Char('z'));
    }
    void comandosDificeis() {
        QFETCH(QString, comando);
        Bancada b;
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(b.conecta());
        QVERIFY(executa(b, m, comando));
        QCOMPARE(b.enlace().txtComandos(), comando);
        QCOMPARE(m->historico(), QStringList{comando});
        // Whatever came back (an unknown command, or nothing for a line the shell drops) can be saved.
        m->botao(QStringLiteral("btSalvar"))->click();
        QCOMPARE(contaDados(comando), 1);
        m->defineComando(QString());
        m->defineComando(comando);
        QCOMPARE(m->textoComparador(), Resposta::semComando(m->textoConsole(), comando));
        QVERIFY(b.dialogos.caixas.isEmpty());
    }

    // New commands are asked for; an apostrophe or an empty answer is refused; deleting asks and an
    // unknown command changes nothing.
    void novoEExcluiComando() {
        Bancada b;
        Master* m = b.console();
        QVERIFY(m);
        const int antes = m->txtComandos()->count();
        m->defineComando(QStringLiteral("proposed"));
        b.dialogos.entradas.enqueue(QStringLiteral("it's"));
        m->botao(QStringLiteral("btNovo"))->click();
        QCOMPARE(b.dialogos.caixas.last().titulo, QStringLiteral("New Command"));
        QCOMPARE(m->txtComandos()->count(), antes);
        b.dialogos.entradas.enqueue(QString());
        m->botao(QStringLiteral("btNovo"))->click();
        QCOMPARE(m->txtComandos()->count(), antes);

        b.dialogos.entradas.enqueue(QStringLiteral("zz \"novo\" ação"));
        m->botao(QStringLiteral("btNovo"))->click();
        QCOMPARE(m->txtComandos()->count(), antes + 1);
        QCOMPARE(m->comando(), QStringLiteral("zz \"novo\" ação"));
        QVERIFY(m->txtComandos()->findText(QStringLiteral("zz \"novo\" ação")) >= 0);

        m->botao(QStringLiteral("btApagar"))->click();
        QCOMPARE(b.dialogos.caixas.last().texto,
                 QStringLiteral("Do you want to delete the command   zz \"novo\" ação?"));
        QCOMPARE(m->txtComandos()->count(), antes);
        QCOMPARE(m->comando(), QStringLiteral("zz \"novo\" ação"));

        const int caixas = int(b.dialogos.caixas.size());
        m->botao(QStringLiteral("btApagar"))->click();
        QCOMPARE(int(b.dialogos.caixas.size()), caixas + 1);
        QCOMPARE(m->txtComandos()->count(), antes);
        m->defineComando(QString());
        m->botao(QStringLiteral("btApagar"))->click();
        QCOMPARE(int(b.dialogos.caixas.size()), caixas + 1);
    }

    // The stored colours on opening, a preview, "Salvar", "Restaurar" with the system's text colour, and a
    // preview that is gone after the console is opened again.
    void cores() {
        Bancada b(QStringLiteral("update Tools set o1 = '4210752', o2 = '65280', o3 = '', o4 = '';"));
        Master* m = b.console();
        QVERIFY(m);
        QCOMPARE(m->txtConsole()->palette().color(QPalette::Base), QColor(0x40, 0x40, 0x40));
        QCOMPARE(m->txtConsole()->palette().color(QPalette::Text), QColor(0, 0xFF, 0));
        QCOMPARE(m->corAtual(AlvoCor::FundoComparador), NumeroCor(0x404040));

        m->botao(QStringLiteral("btCores"))->click();
        xCores* c = m->janelaCores();
        QVERIFY(c);
        QCOMPARE(c->windowTitle(), QStringLiteral("Command Color Picker and Comparator"));
        // Swatch 4 of the comparator background frame: pure red (&H000000FF) on row 2.
        QTest::mouseClick(c->Cor(2 * xCores::Amostras + 9), Qt::LeftButton);
        QCOMPARE(c->alvoAtual(), AlvoCor::FundoComparador);
        QCOMPARE(m->txtComparador()->palette().color(QPalette::Base), QColor(0xFF, 0, 0));
        QCOMPARE(m->lbAutoComparador()->palette().color(QPalette::Window), QColor(0xFF, 0, 0));
        QTest::mouseClick(c->Cor(5), Qt::LeftButton);
        QCOMPARE(m->txtConsole()->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(m->ckLimpar()->palette().color(QPalette::Window), c->palette().color(QPalette::Window));
        c->btSalvar()->click();
        QCOMPARE(b.dialogos.caixas.last().titulo, QStringLiteral("Cores / Colors"));
        QCOMPARE(b.dialogos.caixas.last().texto, QStringLiteral("Saved configuration"));
        QCOMPARE(valor(QStringLiteral("select o1 || ',' || o2 || ',' || o3 || ',' || o4 from Tools")),
                 QStringLiteral("16777215,65280,255,16777215"));
        QTRY_VERIFY(!m->janelaCores());

        m->botao(QStringLiteral("btCores"))->click();
        m->janelaCores()->btRestaurar()->click();
        QCOMPARE(valor(QStringLiteral("select o1 || ',' || o2 || ',' || o3 || ',' || o4 from Tools")),
                 QStringLiteral("16777215,-2147483640,4210752,16777215"));
        QCOMPARE(m->txtConsole()->palette().color(QPalette::Text),
                 QGuiApplication::palette().color(QPalette::WindowText));
        QCOMPARE(m->corAtual(AlvoCor::TextoConsole), NumeroCor(-2147483640));

        // A preview not saved lasts until the console opens again.
        m->botao(QStringLiteral("btCores"))->click();
        QTest::mouseClick(m->janelaCores()->Cor(xCores::Amostras + 3), Qt::LeftButton);
        QCOMPARE(m->txtConsole()->palette().color(QPalette::Text), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(b.fecha());
        m = b.console();
        QVERIFY(m);
        QCOMPARE(m->txtConsole()->palette().color(QPalette::Text),
                 QGuiApplication::palette().color(QPalette::WindowText));
    }

    // The "Auto" box takes the stored answer background only under a low main window.
    void fundoDoAuto_data() {
        QTest::addColumn<int>("alturaPrincipal");
        QTest::addColumn<bool>("pinta");
        QTest::newRow("main window of 10 500 twips") << 700 << true;
        QTest::newRow("main window of 13 500 twips") << 900 << false;
    }
    void fundoDoAuto() {
        QFETCH(int, alturaPrincipal);
        QFETCH(bool, pinta);
        Bancada b(QStringLiteral("update Tools set o1 = '255';"));
        b.principal->resize(1400, alturaPrincipal);
        Master* m = b.console();
        QVERIFY(m);
        QCOMPARE(m->txtConsole()->palette().color(QPalette::Base), QColor(0xFF, 0, 0));
        QCOMPARE(m->ckLimpar()->palette().color(QPalette::Window) == QColor(0xFF, 0, 0), pinta);
    }

    // The help document of the language, or a clear message when it is missing.
    void documentoHelp() {
        Bancada b;
        Master* m = b.console();
        QVERIFY(m);
        CapturaArquivos captura;
        m->botao(QStringLiteral("btHelpPdf"))->click();
        QVERIFY(captura.urls.isEmpty());
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QVERIFY(b.dialogos.caixas.at(0).texto.startsWith(QStringLiteral("Document not found:")));
        QVERIFY(b.dialogos.caixas.at(0).texto.endsWith(QStringLiteral("xEDK_USA.pdf")));

        QFile pdf(b.pasta.arquivo(QStringLiteral("xEDK_USA.pdf")));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n");
        pdf.close();
        m->botao(QStringLiteral("btHelpPdf"))->click();
        QCOMPARE(captura.urls, QList<QUrl>{QUrl::fromLocalFile(b.pasta.arquivo(QStringLiteral("xEDK_USA.pdf")))});
        QCOMPARE(b.dialogos.caixas.size(), 1);
    }

    // A new model family re-selects the saved answer and rewrites the device label.
    void mudancaDeModelo() {
        Bancada b(QStringLiteral("insert into Dados (Aparelho, Comando, Dados) values ('IP 8', 'buck', 'eight');"
                                 "insert into Dados (Aparelho, Comando, Dados) values ('IP 7', 'buck', 'seven');"));
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 7"));
        Master* m = b.console();
        QVERIFY(m);
        m->defineComando(QStringLiteral("buck"));
        QCOMPARE(m->textoComparador(), QStringLiteral("seven"));
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 8"));
        QCOMPARE(m->textoComparador(), QStringLiteral("eight"));
        QVERIFY(m->lbDispositivo()->text().startsWith(QStringLiteral("Model: IP 8  ")));
    }

    // A phone that never ends its answer: the live copy streams to the poll limit, the window keeps
    // answering, the answer is delivered and compared, and one box says it was cut.
    void respostaSemFim() {
        Bancada b;
        Master* m = b.console();
        QVERIFY(m);
        QVERIFY(b.conecta(QStringLiteral("A1778"), {QStringLiteral("sem-fim")}));
        m->defineComando(QStringLiteral("help"));
        m->btSend()->click();
        // The view grows while the answer streams, long before its end.
        QTRY_VERIFY_WITH_TIMEOUT(m->txtConsole()->document()->characterCount() > 20000, Espera);
        QVERIFY(!m->btSend()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(m->btSend()->isEnabled(), 40000);
        QVERIFY(m->textoConsole().size() > 150000);
        QCOMPARE(semCR(m->txtConsole()->toPlainText()), semCR(m->textoConsole()));
        QVERIFY(m->lbAutoComparador()->isHidden());
        const auto corte = MontaMensagem(QStringLiteral("MSG_RESPOSTA_SEM_FIM"), globais().IdiomaAtual, QString());
        QVERIFY(corte);
        QCOMPARE(b.dialogos.textos(), QStringList{corte->texto});
    }
};

QTEST_MAIN(TstConsole)
#include "tst_console.moc"
