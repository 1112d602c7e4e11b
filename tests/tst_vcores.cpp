// The VCore screen against the simulated phone: the read button and the connection, the IC filter, the
// orderings, the recordings, the decimals, the report link and the model change, with a real main window.

#include "Apoio.h"

#include "app/Inicial.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Enlace.h"
#include "rails/VCores.h"
#include "store/Banco.h"
#include "store/Configuracao.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
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

// VCore rows of the IP 7 board profile of the simulator (A1778) and of the IP X one (A1865).
const QString Trilhos = QStringLiteral(R"(
delete from Master;
insert into Master (Modelo, TIPO, Orig, Malha, Ci, RefT, RefV, Ref, Leitura, Porc) values
  ('IP 7', 0, 'Buck0', '1. PP_CPU', 'CPU', '0', '1.050', '1.050 V', '7.777 V', '1 %'),
  ('IP 7', 0, 'Buck1', '2. PP_GPU', 'GPU', '1', '1.000', '1.000 V', '', ''),
  ('IP 7', 0, 'Buck8', '3. PP_GPU_SRAM', 'GPU', '8', '1.000', '1.000 V', '', ''),
  ('IP 7', 0, 'Buck7', '4. PP0V9_NAND', 'NAND', '7', '0.900', '0.900 V', '', ''),
  ('IP 7', 0, 'Buck5', '5. PP_CPU_SRAM', 'CPU', '5', '1.100', '1.100 V', '', ''),
  ('IP 7', 0, 'Ldo2', '6. PP3V3_NAND', 'NAND', '42', '3.200', '3.200 V', '', ''),
  ('IP 7', 0, 'mA Buck0', 'mA BUCK0', 'CPU', '20', '', '', '', ''),
  ('IP 7', 2, 'Buck2', 'PP_VAR_SOC', 'SOC', '2', '0.800', '0.800 V', '', ''),
  ('IP X', 0, 'Buck0', '1. PP_CPU', 'CPU', '0', '1.050', '1.050 V', '', ''),
  ('IP X', 0, 'mA Buck0', 'mA BUCK0', 'CPU', '20', '', '', '', ''),
  ('IP X', 0, 'Buck5', '5. PP_CPU_SRAM', 'CPU', '5', '1.000', '1.000 V', '', ''),
  ('IP 8', 0, 'Buck0', '1. PP_CPU', 'CPU', '0', '1.050', '1.050 V', '', '');
)");

// What the IP 7 board reads, in the read's order (Modelo, Malha): "Malha|Leitura|Porc".
const QStringList LeituraIP7 = {
    QStringLiteral("1. PP_CPU|1.050 V|0 %"),
    QStringLiteral("2. PP_GPU|*|0 %"),
    QStringLiteral("3. PP_GPU_SRAM|*|0 %"),
    QStringLiteral("4. PP0V9_NAND|0.900 V|0 %"),
    QStringLiteral("5. PP_CPU_SRAM|1.000 V|-9.0 %"),
    QStringLiteral("6. PP3V3_NAND|3.300 V|3.1 %"),
    QStringLiteral("mA BUCK0|412,2 mA|"),
};

using teste::CapturaLinks;

// A program folder with the rail rows, the scripted dialogs, the simulator and the main window.
struct Bancada : teste::BancadaTela<VCores> {
    Bancada()
        : BancadaTela(NomeTela::VCores, Trilhos) {}

    bool conecta(const QString& numero = QStringLiteral("A1778"), const QStringList& falhas = {}) {
        return BancadaTela::conecta(numero, falhas);
    }

    VCores* abre() {
        principal->Botoes(Botao::VCore)->click();
        return tela();
    }

    void fecha(VCores*) { QVERIFY(BancadaTela::fecha()); }
};

QTimer* timer(QWidget* t, const char* nome) {
    return t->findChild<QTimer*>(QLatin1String(nome));
}

QStringList linhas(VCores* t, const QStringList& campos = {QStringLiteral("Malha"), QStringLiteral("Leitura"),
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

QStringList coluna(VCores* t, const QString& campo) {
    return linhas(t, {campo});
}

bool terminou(VCores* t) {
    return QTest::qWaitFor([t] { return !timer(t, "Timer1")->isActive() && !timer(t, "Timer2")->isActive(); }, 20000);
}

// Picks an entry of the IC list as the user does (the pick starts a reading).
void filtra(VCores* t, const QString& filtro) {
    t->cbICs()->setCurrentText(filtro);
    emit t->cbICs()->textActivated(filtro);
}

QByteArray conteudo(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstVCores : public QObject {
    Q_OBJECT

private slots:
    void init() {
        globais().IdiomaAtual = 1;
        globais().Versao = QStringLiteral("2.42");
        globais().TelaAtiva = QStringLiteral("0");
    }

    void abertaDesconectadaEsperaAConexao() {
        Bancada b;
        VCores* t = b.abre();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("VCore - IP 7   - Voltrace Tarsel"));
        QVERIFY(!t->btExecutaLeitura()->isEnabled());
        QCOMPARE(t->btExecutaLeitura()->text(), Traduz(QStringLiteral("Executar Leitura")));
        QCOMPARE(t->cbICs()->currentText(), QStringLiteral("IC's"));
        QCOMPARE(t->cbICs()->toolTip(), Traduz(QStringLiteral("Seleção de IC's a serem exibidos")));
        // Opening clears the readings and lists the VCore rows by net.
        QCOMPARE(coluna(t, QStringLiteral("Malha")),
                 QStringList({"1. PP_CPU", "2. PP_GPU", "3. PP_GPU_SRAM", "4. PP0V9_NAND", "5. PP_CPU_SRAM",
                              "6. PP3V3_NAND", "mA BUCK0"}));
        QCOMPARE(coluna(t, QStringLiteral("Leitura")), QStringList(7, QString()));
        QStringList ocultas;
        for (int c = 0; c < t->Data1()->columnCount(); ++c) {
            if (t->DBGrid1()->isColumnHidden(c))
                ocultas << t->Data1()->headerData(c, Qt::Horizontal).toString();
        }
        QCOMPARE(ocultas, QStringList({"Modelo", "RefV", "RefT", "Info"}));
        QCOMPARE(t->Data1()->headerData(1, Qt::Horizontal).toString(), Traduz(QStringLiteral("Malha")));

        // Neither the picture nor the IC list reads while disconnected.
        t->Picture1()->click();
        filtra(t, QStringLiteral("GPU"));
        QVERIFY(!timer(t, "Timer1")->isActive());
        QCOMPARE(globais().TelaAtiva, QStringLiteral("0"));

        // The main window enables the button once the phone answers.
        QVERIFY(b.conecta());
        QTRY_VERIFY(t->btExecutaLeitura()->isEnabled());
        QCOMPARE(t->windowTitle(), QStringLiteral("VCore - IP 7   - Voltrace Tarsel"));
        QCOMPARE(b.dialogos.caixas.size(), 0);
    }

    // Another screen hands over the NAND group while no reading can start: the group's core rails show
    // all the same, and only those (not the NAND rows of the Buck and LDO types).
    void grupoEntregueSemLeitura() {
        Bancada b;
        teste::executaSql(b.pasta.banco(), QStringLiteral("insert into Master (Modelo, TIPO, Orig, Malha, Ci, RefT) "
                                                          "values ('IP 7', 2, 'Buck7', 'PP0V9_NAND', 'NAND', '7')"));
        VCores* t = b.abre();
        QVERIFY(t);
        t->mostraGrupo(QStringLiteral("NAND"));
        QCOMPARE(t->cbICs()->currentText(), QStringLiteral("NAND"));
        QVERIFY(!timer(t, "Timer1")->isActive());
        QCOMPARE(coluna(t, QStringLiteral("Malha")), QStringList({"4. PP0V9_NAND", "6. PP3V3_NAND"}));
    }

    void leitura() {
        Bancada b;
        QVERIFY(b.conecta());
        VCores* t = b.abre();
        QVERIFY(t->btExecutaLeitura()->isEnabled());
        t->btExecutaLeitura()->click();

        QCOMPARE(t->btExecutaLeitura()->text(), Traduz(QStringLiteral("Processando comando")));
        QCOMPARE(b.principal->enlace().txtComandos(), Comando);
        QCOMPARE(globais().TelaAtiva, QStringLiteral("16"));
        QCOMPARE(coluna(t, QStringLiteral("Leitura")), QStringList(7, QString()));
        QVERIFY(t->FrameVCore()->isVisible());
        for (QWidget* c : {static_cast<QWidget*>(t->btExecutaLeitura()), static_cast<QWidget*>(t->cbICs()),
                           static_cast<QWidget*>(t->ComboDecimais()), static_cast<QWidget*>(t->ComboDecimaisAmp()),
                           static_cast<QWidget*>(t->Frame1())})
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));

        QVERIFY(terminou(t));
        QCOMPARE(linhas(t), LeituraIP7);
        QVERIFY(!t->FrameVCore()->isVisible());
        for (QWidget* c : {static_cast<QWidget*>(t->btExecutaLeitura()), static_cast<QWidget*>(t->cbICs()),
                           static_cast<QWidget*>(t->ComboDecimais()), static_cast<QWidget*>(t->ComboDecimaisAmp()),
                           static_cast<QWidget*>(t->Frame1())})
            QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));
        // An enabled button says what it does.
        QCOMPARE(t->btExecutaLeitura()->text(), Traduz(QStringLiteral("Executar Leitura")));
        QVERIFY(t->leituraFeita());
        QCOMPARE(b.dialogos.caixas.size(), 0);
    }

    void enlacePerdidoDuranteALeitura() {
        // The phone hangs up halfway through the answer: no reading, the controls come back, the sweep
        // stops, and the link's message is the only one.
        Bancada b;
        QVERIFY(b.conecta(QStringLiteral("A1778"), {QStringLiteral("desliga")}));
        VCores* t = b.abre();
        t->btExecutaLeitura()->click();
        QVERIFY(t->FrameVCore()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->Status(), QStringLiteral("0"), 15000);
        QTRY_VERIFY(!t->FrameVCore()->isVisible());
        QVERIFY(!t->FrameVCore()->TimerBarra().isActive());
        QVERIFY(!timer(t, "Timer1")->isActive());
        QVERIFY(!t->leituraFeita());
        QCOMPARE(coluna(t, QStringLiteral("Leitura")), QStringList(7, QString()));
        for (QWidget* c : {static_cast<QWidget*>(t->cbICs()), static_cast<QWidget*>(t->ComboDecimais()),
                           static_cast<QWidget*>(t->Frame1())})
            QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));
        QTRY_COMPARE(b.dialogos.caixas.size(), 1);
        QTest::qWait(300);
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.caixas.first().icone, Dialogos::Icone::Critico);
    }

    void filtroDeIC_data() {
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("GPU lists the GPU rails, which the diagnostics mode does not measure")
            << QStringLiteral("GPU") << QStringList({LeituraIP7.at(1), LeituraIP7.at(2)});
        QTest::newRow("NAND lists the rails whose IC group contains NAND")
            << QStringLiteral("NAND") << QStringList({LeituraIP7.at(3), LeituraIP7.at(5)});
        QTest::newRow("CPU lists the CPU rails and the CPU current")
            << QStringLiteral("CPU") << QStringList({LeituraIP7.at(0), LeituraIP7.at(4), LeituraIP7.at(6)});
        QTest::newRow("IC's lists every VCore rail") << QStringLiteral("IC's") << LeituraIP7;
    }

    void filtroDeIC() {
        QFETCH(QString, filtro);
        QFETCH(QStringList, esperado);
        Bancada b;
        QVERIFY(b.conecta());
        VCores* t = b.abre();
        filtra(t, filtro);
        QVERIFY(timer(t, "Timer1")->isActive());
        QVERIFY(terminou(t));
        QCOMPARE(linhas(t), esperado);
        // The parse reads every VCore row, whatever the grid shows.
        Banco banco;
        QCOMPARE(banco
                     .valor(QStringLiteral("select count(*) from Master where Modelo = 'IP 7' and TIPO = 0 and "
                                           "Leitura <> ''"))
                     .toInt(),
                 7);
    }

    void ordemDepoisDoFiltroListaTodas_data() {
        QTest::addColumn<QString>("opcao");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("% lists every row by deviation text, descending")
            << QStringLiteral("OpPorc") << QStringLiteral("Porc")
            << QStringList({"3.1 %", "0 %", "0 %", "0 %", "0 %", "-9.0 %", ""});
        QTest::newRow("IC's lists every row by IC group, then net")
            << QStringLiteral("OpIc") << QStringLiteral("Malha")
            << QStringList({"1. PP_CPU", "5. PP_CPU_SRAM", "mA BUCK0", "2. PP_GPU", "3. PP_GPU_SRAM", "4. PP0V9_NAND",
                            "6. PP3V3_NAND"});
    }

    void ordemDepoisDoFiltroListaTodas() {
        QFETCH(QString, opcao);
        QFETCH(QString, campo);
        QFETCH(QStringList, esperado);
        Bancada b;
        QVERIFY(b.conecta());
        VCores* t = b.abre();
        filtra(t, QStringLiteral("CPU"));
        QVERIFY(terminou(t));
        QCOMPARE(t->Data1()->rowCount(), 3);
        t->findChild<QRadioButton*>(opcao)->click();
        QCOMPARE(coluna(t, campo), esperado);
    }

    void correnteDoBuck0NaoMedidaNoIPX() {
        Bancada b;
        QVERIFY(b.conecta(QStringLiteral("A1865")));
        QCOMPARE(b.principal->ComboAparelhos()->currentText(), QStringLiteral("IP X"));
        VCores* t = b.abre();
        QCOMPARE(t->lbVar()->text(), Traduz(QStringLiteral("VAR4")));
        t->btExecutaLeitura()->click();
        QVERIFY(terminou(t));
        QCOMPARE(linhas(t), QStringList({"1. PP_CPU|1.050 V|0 %", "5. PP_CPU_SRAM|1.000 V|0 %", "mA BUCK0|*|"}));
    }

    void gravacaoChegaAoUsuarioEVoltaAoReabrir() {
        Bancada b;
        QVERIFY(b.conecta());
        VCores* t = b.abre();
        filtra(t, QStringLiteral("NAND"));
        QVERIFY(terminou(t));
        t->btGravar(2)->click();
        // Only the rows shown are recorded.
        QCOMPARE(coluna(t, QStringLiteral("G2")), QStringList({"0.900 V", "3.300 V"}));
        b.fecha(t);

        Banco usuario(b.pasta.arquivo(NomeBancoUsuario));
        QSqlQuery q = usuario.executa(
            QStringLiteral("select Malha, G2 from Master where Modelo = 'IP 7' and TIPO = 0 order by Malha"));
        QStringList gravadas;
        while (q.next())
            gravadas << q.value(0).toString() + QLatin1Char('|') + q.value(1).toString();
        QCOMPARE(gravadas, QStringList({"1. PP_CPU|", "2. PP_GPU|", "3. PP_GPU_SRAM|", "4. PP0V9_NAND|0.900 V",
                                        "5. PP_CPU_SRAM|", "6. PP3V3_NAND|3.300 V", "mA BUCK0|"}));

        t = b.abre();
        QCOMPARE(linhas(t, {QStringLiteral("Malha"), QStringLiteral("Leitura"), QStringLiteral("G2")}),
                 QStringList({"1. PP_CPU||", "2. PP_GPU||", "3. PP_GPU_SRAM||", "4. PP0V9_NAND||0.900 V",
                              "5. PP_CPU_SRAM||", "6. PP3V3_NAND||3.300 V", "mA BUCK0||"}));
    }

    void fecharSemGravarNaoCopiaOBanco() {
        Bancada b;
        QVERIFY(b.conecta());
        VCores* t = b.abre();
        t->btExecutaLeitura()->click();
        QVERIFY(terminou(t));
        const QString usuario = b.pasta.arquivo(NomeBancoUsuario);
        const QByteArray antes = conteudo(usuario);
        b.fecha(t);
        QCOMPARE(conteudo(usuario), antes);
    }

    void decimaisRestauradosDosCombos_data() {
        QTest::addColumn<QString>("combo1");
        QTest::addColumn<QString>("combo2");
        QTest::addColumn<QString>("buck5");
        QTest::addColumn<QString>("corrente");
        QTest::newRow("two voltage decimals, none for currents") << "2"
                                                                 << "0"
                                                                 << "5. PP_CPU_SRAM|1.00 V|-9.0 %"
                                                                 << "mA BUCK0|412 mA|";
        QTest::newRow("one voltage decimal, three for currents") << "1"
                                                                 << "3"
                                                                 << "5. PP_CPU_SRAM|1.0 V|-9.0 %"
                                                                 << "mA BUCK0|412,2 mA|";
    }

    void decimaisRestauradosDosCombos() {
        QFETCH(QString, combo1);
        QFETCH(QString, combo2);
        QFETCH(QString, buck5);
        QFETCH(QString, corrente);
        Bancada b;
        GravaCombo(1, combo1);
        GravaCombo(2, combo2);
        // The Buck and LDO screen's columns do not count here.
        GravaCombo(3, QStringLiteral("3"));
        GravaCombo(4, QStringLiteral("3"));
        QVERIFY(b.conecta());
        VCores* t = b.abre();
        QCOMPARE(t->ComboDecimais()->currentText(), combo1);
        QCOMPARE(t->ComboDecimaisAmp()->currentText(), combo2);
        t->btExecutaLeitura()->click();
        QVERIFY(terminou(t));
        const QStringList l = linhas(t);
        QCOMPARE(l.at(4), buck5);
        QCOMPARE(l.at(6), corrente);
    }

    void decimalEscolhidoFazNovaLeitura() {
        Bancada b;
        QVERIFY(b.conecta());
        VCores* t = b.abre();
        QCOMPARE(t->ComboDecimais()->currentText(), QStringLiteral("3"));
        QTest::keyClick(t->ComboDecimais(), Qt::Key_Up);
        QCOMPARE(LeCombo(1), QStringLiteral("2"));
        QVERIFY(timer(t, "Timer1")->isActive());
        QVERIFY(terminou(t));
        QCOMPARE(linhas(t).at(4), QStringLiteral("5. PP_CPU_SRAM|1.00 V|-9.0 %"));
    }

    void relatorio() {
        Bancada b;
        // The web report opens only while the report server answers.
        teste::ServidorTeste servidor;
        QVERIFY2(servidor.pronto(), qPrintable(servidor.erro()));
        teste::executaSql(b.pasta.banco(),
                          QStringLiteral("update Tools set ServidorRelatorio = '%1'").arg(servidor.base()));
        CapturaLinks links;
        QVERIFY(b.conecta());
        VCores* t = b.abre();
        t->btExportar()->click();
        QCOMPARE(b.dialogos.textos(), QStringList({MontaMensagem(QStringLiteral("PRIMEIRO_LEITURA"), 1, {})->texto}));
        QVERIFY(links.urls.isEmpty());

        filtra(t, QStringLiteral("GPU"));
        QVERIFY(terminou(t));
        b.dialogos.entradas.enqueue(QStringLiteral("Bancada 2"));
        t->imgPdf()->click();
        QTRY_COMPARE(links.urls.size(), 1);
        const QUrlQuery q(links.urls.first());
        // The rows the grid shows, with the net names and without their numbering.
        QCOMPARE(q.queryItemValue(QStringLiteral("P1"), QUrl::FullyDecoded), QStringLiteral("PP_GPU"));
        QCOMPARE(q.queryItemValue(QStringLiteral("P2"), QUrl::FullyDecoded), QStringLiteral("PP_GPU_SRAM"));
        QVERIFY(!q.hasQueryItem(QStringLiteral("P3")));
        QCOMPARE(q.queryItemValue(QStringLiteral("L1"), QUrl::FullyDecoded), QStringLiteral("*"));
        QCOMPARE(q.queryItemValue(QStringLiteral("I1")), QStringLiteral("1"));
        QCOMPARE(q.queryItemValue(QStringLiteral("TIPO")), QStringLiteral("0"));
        QCOMPARE(q.queryItemValue(QStringLiteral("MODELO"), QUrl::FullyDecoded), QStringLiteral("IP 7"));
        QCOMPARE(q.queryItemValue(QStringLiteral("EMP"), QUrl::FullyDecoded), QStringLiteral("Bancada 2"));
        QCOMPARE(LeNome(), QStringLiteral("Bancada 2"));
    }

    void mudancaDeModeloAtualizaJanela() {
        Bancada b;
        QVERIFY(b.conecta());
        VCores* t = b.abre();
        t->btExecutaLeitura()->click();
        QVERIFY(terminou(t));
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 8"));
        QCOMPARE(t->windowTitle(), QStringLiteral("VCore - IP 8  A1778 - Voltrace Tarsel"));
        QCOMPARE(t->lbVar()->text(), Traduz(QStringLiteral("VAR4")));
        QCOMPARE(linhas(t), QStringList({"1. PP_CPU||"}));
        Banco banco;
        QCOMPARE(banco.valor(QStringLiteral("select count(*) from Master where Leitura <> '' or Porc <> ''")).toInt(),
                 0);
    }
};

QTEST_MAIN(TstVCores)
#include "tst_vcores.moc"
