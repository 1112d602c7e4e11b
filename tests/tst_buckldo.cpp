// The Buck and LDO screen against the simulated phone: the read and its refreshes, the orderings, the
// recordings, the decimals, the report link and the model change, with a real main window.

#include "Apoio.h"

#include "app/Inicial.h"
#include "app/fmxMenu.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Enlace.h"
#include "rails/BuckLdo.h"
#include "report/EnderecoRelatorio.h"
#include "store/Banco.h"
#include "store/Configuracao.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

using namespace tarsel;

namespace {

const QString Comando = QStringLiteral("pmuadc --read all");

// Rail rows of the two families used here, matching the IP 7 board profile of the simulator (A1778).
const QString Trilhos = QStringLiteral(R"(
delete from Master;
insert into Master (Modelo, TIPO, Orig, Malha, Ci, RefT, RefV, Ref, Leitura, Porc, G1) values
  ('IP 7', 2, 'Buck0', 'PP_CPU', 'CPU', '0', '1.050', '1.050 V', '9.999 V', '50 %', ''),
  ('IP 7', 2, 'Buck1', 'PP_GPU', 'GPU', '1', '1.000', '1.000 V', '', '', ''),
  ('IP 7', 2, 'Buck2', 'PP_VAR_SOC', 'SOC', '2', '0.800', '0.800 V', '', '', ''),
  ('IP 7', 2, 'Buck5', 'PP_CPU_SRAM', 'CPU', '5', '1.100', '1.100 V', '', '', ''),
  ('IP 7', 2, 'Buck7', 'PP0V9_NAND', 'NAND', '7', '0.800', '0.800 V', '', '', ''),
  ('IP 7', 2, 'Buck9', 'PP2V9_CAM_BUCK9', 'CAM', '9', '2.900', '2.900 V', '', '', ''),
  ('IP 7', 2, 'Buck10', 'PP1V8_ALWAYS', 'PMU', '10', '1.800', '1.800 V', '', '', ''),
  ('IP 7', 2, 'mA Buck0', 'PP_CPU', 'CPU', '20', '', '', '', '', ''),
  ('IP 7', 1, 'Ldo0', 'PP3V0_ALWAYS', 'PMU', '40', '3.000', '3.000 V', '', '', 'old'),
  ('IP 7', 1, 'Ldo6', 'PP_ACC_VAR', 'IO', '46', '0.000', '0 V', '', '', ''),
  ('IP 7', 1, 'Ldo12', 'PP2V9_CAM_AVDD', 'CAM', '52', '2.900', '2.900 V', '', '', ''),
  ('IP 7', 1, 'Ldo19', 'PP_LDO19', 'IO', '59', '1.800', '1.800 V', '', '', ''),
  ('IP 7', 1, 'mA Ldo0', 'PP3V0_ALWAYS', 'PMU', '60', '', '', '', '', ''),
  ('IP 7', 0, 'Buck0', '1. PP_CPU', 'CPU', '0', '1.050', '1.050 V', '', '', ''),
  ('IP 8', 2, 'Buck0', 'PP_CPU', 'CPU', '0', '1.050', '1.050 V', '', '', ''),
  ('IP 8', 2, 'Buck2', 'PP_VAR_SOC', 'SOC', '2', '0.850', '0.850 V', '', '', '');
)");

// What the IP 7 board reads, in the read's order (Modelo, Orig): "Orig|Leitura|Porc".
const QStringList LeituraBuck = {
    QStringLiteral("Buck0|1.050 V|0 %"),     QStringLiteral("Buck1|*|0 %"),
    QStringLiteral("Buck10|1.799 V|-0.1 %"), QStringLiteral("Buck2|0.850 V|6.2 %"),
    QStringLiteral("Buck5|1.000 V|-9.0 %"),  QStringLiteral("Buck7|0.900 V|12.5 %"),
    QStringLiteral("Buck9|*|0 %"),           QStringLiteral("mA Buck0|412,2 mA|"),
};
const QStringList LeituraLdo = {
    QStringLiteral("Ldo0|3.000 V|0 %"),   QStringLiteral("Ldo12|*|0 %"),     QStringLiteral("Ldo19|Sem Medição*|0 %"),
    QStringLiteral("Ldo6|0.001 V|0.1 %"), QStringLiteral("mA Ldo0|1,1 mA|"),
};

using teste::CapturaLinks;

// A program folder with the rail rows, the scripted dialogs, the simulator and the main window.
struct Bancada : teste::BancadaTela<BuckLdo> {
    Bancada()
        : BancadaTela(NomeTela::BuckLdo, Trilhos) {}

    bool conecta(const QStringList& falhas = {}) { return BancadaTela::conecta(QStringLiteral("A1778"), falhas); }

    BuckLdo* abre() {
        principal->Botoes(Botao::BuckLdo)->click();
        return tela();
    }

    void fecha(BuckLdo*) { QVERIFY(BancadaTela::fecha()); }
};

QTimer* timer(QWidget* t, const char* nome) {
    return t->findChild<QTimer*>(QLatin1String(nome));
}

// The grid's rows as "Orig|Leitura|Porc", in its order.
QStringList linhas(BuckLdo* t, const QStringList& campos = {QStringLiteral("Orig"), QStringLiteral("Leitura"),
                                                            QStringLiteral("Porc")}) {
    QStringList r;
    for (int i = 0; i < t->Data1()->rowCount(); ++i) {
        QStringList l;
        for (const QString& c : campos)
            l << t->Data1()->texto(i, c);
        r << l.join(QLatin1Char('|'));
    }
    return r;
}

QStringList coluna(BuckLdo* t, const QString& campo) {
    return linhas(t, {campo});
}

// Presses a type button and waits until the read has ended (Timer2 done).
bool le(BuckLdo* t, QPushButton* botao) {
    botao->click();
    if (!timer(t, "Timer1")->isActive())
        return false;
    return QTest::qWaitFor([t] { return !timer(t, "Timer1")->isActive() && !timer(t, "Timer2")->isActive(); }, 20000);
}

// Master's readings of every row of a model and type, "Orig|Leitura|Porc|G1|G2|G3", ordered by Orig.
QStringList mestre(const QString& caminho, const QString& modelo, int tipo) {
    Banco b(caminho);
    QSqlQuery q = b.executa(QStringLiteral("select Orig, Leitura, Porc, G1, G2, G3 from Master where Modelo = ? and "
                                           "TIPO = ? order by Orig"),
                            {modelo, tipo});
    QStringList r;
    while (q.next()) {
        QStringList l;
        for (int i = 0; i < 6; ++i)
            l << q.value(i).toString();
        r << l.join(QLatin1Char('|'));
    }
    return r;
}

QByteArray conteudo(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstBuckLdo : public QObject {
    Q_OBJECT

private slots:
    void init() {
        globais().IdiomaAtual = 1;
        globais().Versao = QStringLiteral("2.42");
        globais().TelaAtiva = QStringLiteral("0");
    }

    void abreListandoOsBucksSemLeituras() {
        Bancada b;
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("Buck & Ldo - IP 7  A1778 - Voltrace Tarsel"));
        QCOMPARE(t->parentWidget()->windowTitle(), t->windowTitle());
        // Opening clears every reading (the stale one of Buck0 too) and lists the BUCK rows by Orig.
        QCOMPARE(coluna(t, QStringLiteral("Orig")),
                 QStringList({"Buck0", "Buck1", "Buck10", "Buck2", "Buck5", "Buck7", "Buck9", "mA Buck0"}));
        QCOMPARE(coluna(t, QStringLiteral("Leitura")), QStringList(8, QString()));
        QCOMPARE(coluna(t, QStringLiteral("Porc")), QStringList(8, QString()));
        QVERIFY(!t->FrameSelecoes()->isVisible());
        QVERIFY(!t->frameVar()->isVisible());
        // Nothing is sent by opening.
        QVERIFY(!timer(t, "Timer1")->isActive());
        QCOMPARE(globais().TelaAtiva, QStringLiteral("0"));
        QVERIFY(b.principal->enlace().txtComandos() != Comando);
        // Sizes in twips: 16005 wide; 2400 twips below a main window higher than 11000 twips.
        QVERIFY(b.principal->height() * 15 > 11000);
        QCOMPARE(t->parentWidget()->width(), 16005 / 15);
        QCOMPARE(t->parentWidget()->height(), b.principal->height() - 2400 / 15);
        // Only hidden columns are the model, the references and the type.
        QStringList ocultas;
        for (int c = 0; c < t->Data1()->columnCount(); ++c) {
            if (t->DBGrid1()->isColumnHidden(c))
                ocultas << t->Data1()->headerData(c, Qt::Horizontal).toString();
        }
        QCOMPARE(ocultas, QStringList({"Modelo", "RefV", "RefT", "Tipo"}));
        QCOMPARE(b.dialogos.caixas.size(), 0); // every caption's key is in the table
    }

    void leituraDoTipo_data() {
        QTest::addColumn<int>("botao");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("BUCK reads the buck rails and their currents") << 1 << 2 << LeituraBuck;
        QTest::newRow("LDO reads the LDO rails, a missing line is not measured") << 2 << 1 << LeituraLdo;
    }

    void leituraDoTipo() {
        QFETCH(int, botao);
        QFETCH(int, tipo);
        QFETCH(QStringList, esperado);
        Bancada b;
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();
        QPushButton* bt = botao == 1 ? t->Botao1() : t->Botao2();
        bt->click();

        // Under way: empty readings on screen, the command out for code 15, everything locked.
        QCOMPARE(t->tipo(), tipo);
        QCOMPARE(coluna(t, QStringLiteral("Leitura")), QStringList(esperado.size(), QString()));
        QCOMPARE(b.principal->enlace().txtComandos(), Comando);
        QCOMPARE(globais().TelaAtiva, QStringLiteral("15"));
        QVERIFY(t->FrameVCore()->isVisible());
        QVERIFY(t->FrameSelecoes()->isVisible());
        for (QWidget* c : {static_cast<QWidget*>(t->Botao1()), static_cast<QWidget*>(t->Botao2()),
                           static_cast<QWidget*>(t->Botao3()), static_cast<QWidget*>(t->ComboDecimais()),
                           static_cast<QWidget*>(t->ComboDecimaisAmp()), static_cast<QWidget*>(t->Frame1())})
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));

        QTRY_VERIFY_WITH_TIMEOUT(!timer(t, "Timer1")->isActive() && !timer(t, "Timer2")->isActive(), 20000);
        QCOMPARE(linhas(t), esperado);
        QVERIFY(t->leituraFeita());
        QVERIFY(!t->FrameVCore()->isVisible());
        for (QWidget* c : {static_cast<QWidget*>(t->Botao1()), static_cast<QWidget*>(t->Botao2()),
                           static_cast<QWidget*>(t->ComboDecimais()), static_cast<QWidget*>(t->ComboDecimaisAmp()),
                           static_cast<QWidget*>(t->Frame1())})
            QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));
        QCOMPARE(b.principal->Status(), QStringLiteral("1"));
        QCOMPARE(b.dialogos.caixas.size(), 0);
    }

    void notaPiscaDepoisDaLeitura() {
        Bancada b;
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();
        QVERIFY(le(t, t->Botao1()));
        // The flash may already be over when the grid shows the readings; it ends black on clear.
        QTRY_VERIFY_WITH_TIMEOUT(!timer(t, "TimerIndicaVar")->isActive(), 5000);
        QVERIFY(!t->lbVar()->autoFillBackground());
        QCOMPARE(t->lbVar()->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(t->lbVar()->text().trimmed(), Traduz(QStringLiteral("VAR3")));

        // During the flash: opaque, in the button-face colour, one blank on each side.
        t->Botao1()->click();
        QTRY_VERIFY_WITH_TIMEOUT(timer(t, "TimerIndicaVar")->isActive(), 20000);
        QVERIFY(t->lbVar()->autoFillBackground());
        QCOMPARE(t->lbVar()->palette().color(QPalette::WindowText), t->palette().color(QPalette::Button));
        QCOMPARE(t->lbVar()->text(), QStringLiteral(" ") + Traduz(QStringLiteral("VAR3")) + QStringLiteral(" "));
    }

    void ldoDepoisDeBuckLimpaAsLeiturasDoBuck() {
        Bancada b;
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();
        QVERIFY(le(t, t->Botao1()));
        QCOMPARE(linhas(t), LeituraBuck);
        QVERIFY(le(t, t->Botao2()));
        QCOMPARE(linhas(t), LeituraLdo);
        for (const QString& l : mestre(b.pasta.banco(), QStringLiteral("IP 7"), 2))
            QVERIFY2(l.section(QLatin1Char('|'), 1, 2) == QLatin1String("|"), qPrintable(l));
    }

    void trilhoEmCurtoLeZeroVolt() {
        // The board's fault rail (Buck5) shorted: 0 V, a hundred percent below its reference.
        Bancada b;
        QVERIFY(b.conecta({QStringLiteral("curto-rail")}));
        BuckLdo* t = b.abre();
        QVERIFY(le(t, t->Botao1()));
        QStringList esperado = LeituraBuck;
        esperado[4] = QStringLiteral("Buck5|0 V|-100 %");
        QCOMPARE(linhas(t), esperado);
    }

    void enlacePerdidoDuranteALeitura() {
        // The phone hangs up halfway through the answer: no reading, and the screen is usable again.
        Bancada b;
        QVERIFY(b.conecta({QStringLiteral("desliga")}));
        BuckLdo* t = b.abre();
        QVERIFY(le(t, t->Botao1()));
        QCOMPARE(b.principal->Status(), QStringLiteral("0"));
        QCOMPARE(coluna(t, QStringLiteral("Leitura")), QStringList(8, QString()));
        QVERIFY(!t->leituraFeita());
        QVERIFY(!t->FrameVCore()->isVisible());
        QVERIFY(!t->FrameVCore()->TimerBarra().isActive());
        QVERIFY(t->Botao1()->isEnabled());
        QVERIFY(t->ComboDecimais()->isEnabled());
        QVERIFY(t->Frame1()->isEnabled());
        // The link's message is the only one.
        QTRY_COMPARE(b.dialogos.caixas.size(), 1);
        QTest::qWait(300);
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.caixas.first().icone, Dialogos::Icone::Critico);
    }

    void refrescosDoTimer2_data() {
        QTest::addColumn<QString>("extra");
        QTest::addColumn<int>("refrescos");
        QTest::newRow("the first row shows its reading at the first refresh") << QString() << 1;
        QTest::newRow("a first row without line code keeps it empty: nine refreshes")
            << QStringLiteral("insert into Master (Modelo, TIPO, Orig, RefT) values ('IP 7', 2, '0 SEM LINHA', '')")
            << 9;
    }

    void refrescosDoTimer2() {
        QFETCH(QString, extra);
        QFETCH(int, refrescos);
        Bancada b;
        if (!extra.isEmpty())
            teste::executaSql(b.pasta.banco(), extra);
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();
        t->Botao1()->click();
        QSignalSpy cargas(t->Data1(), &ModeloGradeRail::carregada);
        QTRY_VERIFY_WITH_TIMEOUT(timer(t, "Timer2")->isActive(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!timer(t, "Timer2")->isActive(), 20000);
        QCOMPARE(cargas.count(), refrescos);
        QVERIFY(t->Botao1()->isEnabled());
    }

    void ordenacoes_data() {
        QTest::addColumn<QString>("opcao");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("% sorts the deviation texts as text, descending")
            << QStringLiteral("OpPorc") << QStringLiteral("Porc")
            << QStringList({"6.2 %", "12.5 %", "0 %", "0 %", "0 %", "-9.0 %", "-0.1 %", ""});
        QTest::newRow("IC's sorts by IC group, then by rail")
            << QStringLiteral("OpIc") << QStringLiteral("Orig")
            << QStringList({"Buck9", "Buck0", "Buck5", "mA Buck0", "Buck1", "Buck7", "Buck10", "Buck2"});
        QTest::newRow("Malha goes back to the rail order")
            << QStringLiteral("OpMalha") << QStringLiteral("Orig")
            << QStringList({"Buck0", "Buck1", "Buck10", "Buck2", "Buck5", "Buck7", "Buck9", "mA Buck0"});
    }

    void ordenacoes() {
        QFETCH(QString, opcao);
        QFETCH(QString, campo);
        QFETCH(QStringList, esperado);
        Bancada b;
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();
        QVERIFY(le(t, t->Botao1()));
        // Leave the read's order first, so that going back to it shows too.
        if (opcao == QLatin1String("OpMalha")) {
            t->OpIc()->click();
            QVERIFY(coluna(t, campo) != esperado);
        }
        t->findChild<QRadioButton*>(opcao)->click();
        QCOMPARE(coluna(t, campo), esperado);
        QCOMPARE(t->Data1()->rowCount(), 8);
    }

    void desconectadoSoListaOTipo() {
        Bancada b;
        BuckLdo* t = b.abre();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("Buck & Ldo - IP 7   - Voltrace Tarsel"));
        t->Botao2()->click();
        // The LDO rows with their references and recordings; nothing is sent.
        QCOMPARE(
            linhas(t, {QStringLiteral("Orig"), QStringLiteral("Ref"), QStringLiteral("G1"), QStringLiteral("Leitura")}),
            QStringList({"Ldo0|3.000 V|old|", "Ldo12|2.900 V||", "Ldo19|1.800 V||", "Ldo6|0 V||", "mA Ldo0|||"}));
        QVERIFY(t->FrameSelecoes()->isVisible());
        QVERIFY(!timer(t, "Timer1")->isActive());
        QCOMPARE(globais().TelaAtiva, QStringLiteral("0"));
        QVERIFY(b.principal->enlace().txtComandos().isEmpty());

        // Orderings, recordings and the report do nothing without a reading and a link.
        const QStringList antes = coluna(t, QStringLiteral("Orig"));
        t->OpIc()->click();
        QCOMPARE(coluna(t, QStringLiteral("Orig")), antes);
        QVERIFY(t->OpMalha()->isChecked());
        t->btGravar(1)->click();
        QCOMPARE(b.dialogos.caixas.size(), 0);
        t->btExportar()->click();
        QCOMPARE(b.dialogos.textos(), QStringList({MontaMensagem(QStringLiteral("PRIMEIRO_LEITURA"), 1, {})->texto}));
    }

    void gravacaoSobreviveAJanelaEChegaAoUsuario_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("recording 1 goes to G1") << 1;
        QTest::newRow("recording 2 goes to G2") << 2;
        QTest::newRow("recording 3 goes to G3") << 3;
    }

    void gravacaoSobreviveAJanelaEChegaAoUsuario() {
        QFETCH(int, n);
        Bancada b;
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();
        QVERIFY(le(t, t->Botao1()));
        const QString usuario = b.pasta.arquivo(NomeBancoUsuario);
        const QByteArray antes = conteudo(usuario);

        t->btGravar(n)->click();
        QCOMPARE(b.dialogos.titulos(), QStringList({Traduz(QStringLiteral("Gravar"))}));
        QCOMPARE(b.dialogos.textos(), QStringList({Traduz(QStringLiteral("Deseja salvar?"))}));
        const QString g = QStringLiteral("G%1").arg(n);
        QCOMPARE(coluna(t, g), coluna(t, QStringLiteral("Leitura")));
        QVERIFY(t->gravacoesMudaram());
        QCOMPARE(conteudo(usuario), antes); // copied when the window closes, not before

        b.fecha(t);
        // The user's copy holds the reading and its recording ("Orig|Leitura|Porc|G1|G2|G3", by Orig).
        QStringList esperado, gravadas;
        for (const QString& l : LeituraBuck) {
            QStringList g3(3, QString());
            g3[n - 1] = l.section(QLatin1Char('|'), 1, 1);
            esperado << l + QLatin1Char('|') + g3.join(QLatin1Char('|'));
            gravadas << g3[n - 1];
        }
        QCOMPARE(mestre(usuario, QStringLiteral("IP 7"), 2), esperado);

        // Reopened: the readings are gone, the recording is there.
        t = b.abre();
        QCOMPARE(coluna(t, QStringLiteral("Leitura")), QStringList(8, QString()));
        QCOMPARE(coluna(t, g), gravadas);
    }

    void exclusaoPerguntaAntes_data() {
        QTest::addColumn<int>("resposta");
        QTest::addColumn<bool>("apagada");
        QTest::newRow("No keeps the recording") << int(Dialogos::Resposta::Nao) << false;
        QTest::newRow("Yes deletes it from every row shown") << int(Dialogos::Resposta::Sim) << true;
    }

    void exclusaoPerguntaAntes() {
        QFETCH(int, resposta);
        QFETCH(bool, apagada);
        Bancada b;
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();
        QVERIFY(le(t, t->Botao1()));
        t->btGravar(2)->click();
        const QStringList gravadas = coluna(t, QStringLiteral("G2"));
        QVERIFY(!gravadas.first().isEmpty());
        b.dialogos.caixas.clear();
        b.dialogos.respostas.enqueue(Dialogos::Resposta(resposta));
        t->btExcluir(2)->click();
        QCOMPARE(b.dialogos.titulos(), QStringList({Traduz(QStringLiteral("Excluir"))}));
        QCOMPARE(b.dialogos.textos(), QStringList({Traduz(QStringLiteral("Deseja excluir os dados gravados?"))}));
        QCOMPARE(coluna(t, QStringLiteral("G2")), apagada ? QStringList(8, QString()) : gravadas);
    }

    void fecharSemGravarNaoCopiaOBanco() {
        Bancada b;
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();
        QVERIFY(le(t, t->Botao1()));
        const QString usuario = b.pasta.arquivo(NomeBancoUsuario);
        const QByteArray antes = conteudo(usuario);
        b.fecha(t);
        QCOMPARE(conteudo(usuario), antes);
    }

    void decimaisRestauradosDosCombos_data() {
        QTest::addColumn<QString>("combo3");
        QTest::addColumn<QString>("combo4");
        QTest::addColumn<QString>("volt");
        QTest::addColumn<QString>("amp");
        QTest::addColumn<QString>("buck2");
        QTest::addColumn<QString>("corrente");
        QTest::newRow("one voltage decimal and none for currents") << "1"
                                                                   << "0"
                                                                   << "1"
                                                                   << "0"
                                                                   << "Buck2|0.8 V|6.2 %"
                                                                   << "mA Buck0|412 mA|";
        QTest::newRow("two voltage decimals") << "2"
                                              << "1"
                                              << "2"
                                              << "1"
                                              << "Buck2|0.85 V|6.2 %"
                                              << "mA Buck0|412,2 mA|";
        QTest::newRow("stored texts that are not items leave the initial 3 and 1") << "9"
                                                                                   << "x"
                                                                                   << "3"
                                                                                   << "1"
                                                                                   << "Buck2|0.850 V|6.2 %"
                                                                                   << "mA Buck0|412,2 mA|";
    }

    void decimaisRestauradosDosCombos() {
        QFETCH(QString, combo3);
        QFETCH(QString, combo4);
        QFETCH(QString, volt);
        QFETCH(QString, amp);
        QFETCH(QString, buck2);
        QFETCH(QString, corrente);
        Bancada b;
        GravaCombo(3, combo3);
        GravaCombo(4, combo4);
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();
        QCOMPARE(t->ComboDecimais()->currentText(), volt);
        QCOMPARE(t->ComboDecimaisAmp()->currentText(), amp);
        QVERIFY(le(t, t->Botao1()));
        const QStringList l = linhas(t);
        QCOMPARE(l.at(3), buck2);
        QCOMPARE(l.at(7), corrente);
    }

    void decimalEscolhidoFazNovaLeitura() {
        Bancada b;
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();
        QVERIFY(le(t, t->Botao1()));
        // Typing is discarded; the arrow picks the next item, which is stored and read again.
        QTest::keyClick(t->ComboDecimaisAmp(), Qt::Key_3);
        QCOMPARE(t->ComboDecimaisAmp()->currentText(), QStringLiteral("1"));
        QVERIFY(!timer(t, "Timer1")->isActive());
        QTest::keyClick(t->ComboDecimaisAmp(), Qt::Key_Up);
        QCOMPARE(t->ComboDecimaisAmp()->currentText(), QStringLiteral("0"));
        QCOMPARE(LeCombo(4), QStringLiteral("0"));
        QVERIFY(timer(t, "Timer1")->isActive());
        QCOMPARE(coluna(t, QStringLiteral("Leitura")), QStringList(8, QString()));
        QTRY_VERIFY_WITH_TIMEOUT(!timer(t, "Timer1")->isActive() && !timer(t, "Timer2")->isActive(), 20000);
        QCOMPARE(linhas(t).at(7), QStringLiteral("mA Buck0|412 mA|"));
    }

    void relatorio_data() {
        QTest::addColumn<int>("botao");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("l1");
        QTest::newRow("BUCK report: type 2") << 1 << "2"
                                             << "1.050 V";
        QTest::newRow("LDO report: type 1") << 2 << "1"
                                            << "3.000 V";
    }

    void relatorio() {
        QFETCH(int, botao);
        QFETCH(QString, tipo);
        QFETCH(QString, l1);
        Bancada b;
        // The web report opens only while the report server answers.
        teste::ServidorTeste servidor;
        QVERIFY2(servidor.pronto(), qPrintable(servidor.erro()));
        teste::executaSql(b.pasta.banco(),
                          QStringLiteral("update Tools set ServidorRelatorio = '%1'").arg(servidor.base()));
        CapturaLinks links;
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();

        t->imgPdf()->click();
        QCOMPARE(b.dialogos.textos(), QStringList({MontaMensagem(QStringLiteral("PRIMEIRO_LEITURA"), 1, {})->texto}));
        QVERIFY(links.urls.isEmpty());

        QVERIFY(le(t, botao == 1 ? t->Botao1() : t->Botao2()));
        b.dialogos.caixas.clear();
        GravaNome(QStringLiteral("Antigo"));
        b.dialogos.entradas.enqueue(QStringLiteral("Oficina do Zé & Cia"));
        t->btExportar()->click();
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QVERIFY(b.dialogos.caixas.first().entrada);
        QCOMPARE(b.dialogos.caixas.first().titulo, Traduz(QStringLiteral("Relatório")) + QStringLiteral(" - PDF"));
        QCOMPARE(b.dialogos.caixas.first().texto, Traduz(QStringLiteral("DIGITE SEU NOME")));
        QCOMPARE(LeNome(), QStringLiteral("Oficina do Zé & Cia"));
        QTRY_COMPARE(links.urls.size(), 1);
        const QUrl url = links.urls.first();
        QVERIFY(url.toString().startsWith(EnderecoRelatorio::servidor() + QStringLiteral("relatorio/index.php?")));
        const QUrlQuery q(url);
        QCOMPARE(q.queryItemValue(QStringLiteral("TIPO")), tipo);
        QCOMPARE(q.queryItemValue(QStringLiteral("MODELO"), QUrl::FullyDecoded), QStringLiteral("IP 7"));
        QCOMPARE(q.queryItemValue(QStringLiteral("EMP"), QUrl::FullyDecoded), QStringLiteral("Oficina do Zé & Cia"));
        QCOMPARE(q.queryItemValue(QStringLiteral("IDIOMA")), QStringLiteral("1"));
        QCOMPARE(q.queryItemValue(QStringLiteral("L1"), QUrl::FullyDecoded), l1);
        QCOMPARE(q.queryItemValue(QStringLiteral("I1")), QStringLiteral("1"));
        QVERIFY(!q.hasQueryItem(QStringLiteral("P1"))); // net names go only in the VCore report
        const int n = t->Data1()->rowCount();
        QVERIFY(q.hasQueryItem(QStringLiteral("L%1").arg(n)));
        QVERIFY(!q.hasQueryItem(QStringLiteral("L%1").arg(n + 1)));

        // Cancelling the name box opens nothing and keeps the stored name.
        b.dialogos.entradas.enqueue(std::nullopt);
        t->btExportar()->click();
        QCOMPARE(links.urls.size(), 1);
        QCOMPARE(LeNome(), QStringLiteral("Oficina do Zé & Cia"));
    }

    void mudancaDeModeloAtualizaJanela() {
        Bancada b;
        QVERIFY(b.conecta());
        BuckLdo* t = b.abre();
        QVERIFY(le(t, t->Botao1()));
        QCOMPARE(t->lbVar()->text().trimmed(), Traduz(QStringLiteral("VAR3")));
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 8"));
        QCOMPARE(t->windowTitle(), QStringLiteral("Buck & Ldo - IP 8  A1778 - Voltrace Tarsel"));
        QCOMPARE(t->lbVar()->text(), Traduz(QStringLiteral("VAR4")));
        QCOMPARE(linhas(t), QStringList({"Buck0||", "Buck2||"}));
        for (const QString& l : mestre(b.pasta.banco(), QStringLiteral("IP 7"), 2))
            QVERIFY2(l.section(QLatin1Char('|'), 1, 2) == QLatin1String("|"), qPrintable(l));
    }

    void buckTestAbreATelaDoTeste() {
        Bancada b;
        BuckLdo* t = b.abre();
        QVERIFY(t->Botao3()->isEnabled());
        QVERIFY(!b.principal->tela(NomeTela::BuckTeste));
        t->Botao3()->click();
        QVERIFY(b.principal->tela(NomeTela::BuckTeste));
        QVERIFY(globais().telaAberta(NomeTela::BuckTeste));
    }
};

QTEST_MAIN(TstBuckLdo)
#include "tst_buckldo.moc"
