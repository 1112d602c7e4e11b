// The buck test screen against the simulated BOX: the two checks, the lists with their pictures, the
// comparator of the saved answers, the note per model, "Original" and the way back to Buck and LDO.

#include "Apoio.h"

#include "app/Inicial.h"
#include "app/fmxMenu.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "link/Enlace.h"
#include "link/Identificacao.h"
#include "rails/BuckTeste.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace tarsel;
using Figura = BuckTesteParse::Figura;

namespace {

constexpr int Porta = 3;
constexpr int Espera = 20000; // ms; the simulator paces its bytes at the line speed

// A main window with every screen, the buck test opened by its sub-menu entry.
struct Bancada : teste::BancadaTela<BuckTeste> {
    Bancada()
        : BancadaTela(NomeTela::BuckTeste) {}

    // Starts the simulated phone and clicks connect, without waiting for its answer.
    bool liga(const QString& modelo, const QStringList& falhas = {}) {
        sim = std::make_unique<teste::Simulador>(pasta.caminho(), Porta, modelo, falhas);
        if (!sim->pronto()) {
            qWarning() << sim->erro();
            return false;
        }
        principal->cbPortas()->setCurrentText(QString::number(Porta));
        principal->Botoes(Botao::Conectar)->click();
        return true;
    }

    BuckTeste* tela() {
        principal->menu()->btMenu(EntradaMenu::BuckTeste)->click();
        return BancadaTela::tela();
    }
};

QStringList textos(const QListWidget* lista) {
    QStringList r;
    for (int i = 0; i < lista->count(); ++i)
        r << lista->item(i)->text();
    return r;
}

QList<int> figuras(const QListWidget* lista) {
    QList<int> r;
    for (int i = 0; i < lista->count(); ++i)
        r << lista->item(i)->data(BuckTeste::PapelFigura).toInt();
    return r;
}

// Every row shows the picture its number names.
bool mostraAsFiguras(const QListWidget* lista) {
    for (int i = 0; i < lista->count(); ++i) {
        const QListWidgetItem* item = lista->item(i);
        const auto figura = Figura(item->data(BuckTeste::PapelFigura).toInt());
        if (item->icon().pixmap(16, 16).toImage() != BuckTeste::ImageList1(figura).pixmap(16, 16).toImage())
            return false;
    }
    return true;
}

// The saved answer of a model and command becomes `dados` (replacing the one the database ships with).
void gravaDados(const QString& banco, const QString& aparelho, const QString& comando, const QString& dados) {
    teste::executaSql(
        banco, QStringLiteral("delete from Dados where Aparelho = '%1' and Comando = '%2'").arg(aparelho, comando));
    teste::executaSql(banco, QStringLiteral("insert into Dados (Aparelho, Comando, Dados) values ('%1', '%2', '%3')")
                                 .arg(aparelho, comando, dados));
}

const QString Prompt = QStringLiteral("\r\n[00000000:00000000] :-) ");

// A text box keeps its lines with LF only.
QString semCR(QString texto) {
    return texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class TstBuckTeste : public QObject {
    Q_OBJECT

private slots:
    void init() {
        globais().telasAbertas.clear();
        globais().IdiomaAtual = 2;
    }

    void checagemPeloTelefone_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("familia");
        QTest::addColumn<QStringList>("falhas");
        QTest::addColumn<int>("botao");
        QTest::addColumn<QString>("porcentagem");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<int>("linhas");
        // Rows checked one by one: index, text, picture.
        QTest::addColumn<QList<int>>("indices");
        QTest::addColumn<QStringList>("esperados");
        QTest::addColumn<QList<int>>("imagens");

        const int passou = int(Figura::Passou);
        const int falhou = int(Figura::Falhou);
        const int tensao = int(Figura::Tensao);
        QTest::newRow("the reading of an IP 7 lists its twelve bucks from buck0")
            << "A1778"
            << "IP 7" << QStringList{} << BuckTeste::Leitura << "25"
            << "buck" << 12 << QList<int>{0, 1, 9, 11}
            << QStringList{"   buck0 voltage: 1.050 V", "   buck1 voltage: 0.000 V", "   buck9 voltage: 0.000 V",
                           "   buck11 voltage: 0.800 V"}
            << QList<int>{tensao, tensao, tensao, tensao};
        QTest::newRow("a shorted rail reads 0 V in the reading")
            << "A1778"
            << "IP 7" << QStringList{"curto-rail"} << BuckTeste::Leitura << "5"
            << "buck" << 12 << QList<int>{4, 5, 6}
            << QStringList{"   buck4 voltage: 1.101 V", "   buck5 voltage: 0.000 V", "   buck6 voltage: 1.250 V"}
            << QList<int>{tensao, tensao, tensao};
        QTest::newRow("a faulty board: a rail high, a line missing without renaming the others, a rail shorted")
            << "A1778"
            << "IP 7" << QStringList{"placa-defeituosa"} << BuckTeste::Leitura << "5"
            << "buck" << 11 << QList<int>{2, 3, 4, 5}
            << QStringList{"   buck2 voltage: 0.850 V", "   buck3 voltage: 2.071 V", "   buck5 voltage: 0.000 V",
                           "   buck6 voltage: 1.250 V"}
            << QList<int>{tensao, tensao, tensao, tensao};
        QTest::newRow("the check of an IP X at 5 % passes every buck")
            << "A1865"
            << "IP X" << QStringList{} << BuckTeste::Teste << " 5"
            << "buckcheck 5" << 12 << QList<int>{0, 8, 11}
            << QStringList{"   buck0: Reference: 1.050 V - Reading:  1.050 V : PASS",
                           "   buck8: Reference: 0.000 V - Reading:  0.000 V : PASS",
                           "   buck11: Reference: 0.800 V - Reading:  0.800 V : PASS"}
            << QList<int>{passou, passou, passou};
        QTest::newRow("the check of an IP 6 at 10 % fails its GPU buck1")
            << "A1586"
            << "IP 6" << QStringList{} << BuckTeste::Teste << "10"
            << "buckcheck 10" << 8 << QList<int>{0, 1, 2}
            << QStringList{"   buck0: Reference: 1.050 V - Reading:  1.050 V : PASS",
                           "   buck1: Reference: 0.900 V - Reading:  0.000 V : FAIL",
                           "   buck2: Reference: 0.850 V - Reading:  0.850 V : PASS"}
            << QList<int>{passou, falhou, passou};
    }

    void checagemPeloTelefone() {
        QFETCH(QString, modelo);
        QFETCH(QString, familia);
        QFETCH(QStringList, falhas);
        QFETCH(int, botao);
        QFETCH(QString, porcentagem);
        QFETCH(QString, comando);
        QFETCH(int, linhas);
        QFETCH(QList<int>, indices);
        QFETCH(QStringList, esperados);
        QFETCH(QList<int>, imagens);

        Bancada b;
        // A known-good board's answer for the same model and command, with one buck of its own.
        const QString gravado = botao == BuckTeste::Leitura
                                    ? QStringLiteral("buck0: 1049.500 mV\r\nbuck1: 0.000 mV") + Prompt
                                    : QStringLiteral("buck0: target 1050 mV, measured 1049.500 mV : PASS") + Prompt;
        gravaDados(b.pasta.banco(), familia, comando, gravado);
        gravaDados(b.pasta.banco(), familia, QStringLiteral("pmuadc --read all"), QStringLiteral("not this one"));
        QVERIFY(b.liga(modelo, falhas));
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->enlace().Status(), QStringLiteral("1"), Espera);
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->lbModelo()->text(), modelo, Espera);
        QCOMPARE(b.principal->ComboAparelhos()->currentText(), familia);

        BuckTeste* t = b.tela();
        QVERIFY(t);
        QVERIFY(t->txtComparador()->toPlainText().isEmpty());
        t->Combo1()->setEditText(porcentagem);
        t->btBl(botao)->click();
        QCOMPARE(b.principal->enlace().txtComandos(), comando);
        QVERIFY(t->aguardando());
        QVERIFY(t->FrameVCore()->isVisible());
        QCOMPARE(t->ListView()->count(), 0);

        QTRY_VERIFY_WITH_TIMEOUT(!t->aguardando(), Espera);
        QVERIFY(!t->FrameVCore()->isVisible());
        QCOMPARE(t->ListView()->count(), linhas);
        for (int i = 0; i < indices.size(); ++i) {
            const QListWidgetItem* item = t->ListView()->item(indices.at(i));
            QVERIFY(item);
            QCOMPARE(item->text(), esperados.at(i));
            QCOMPARE(item->data(BuckTeste::PapelFigura).toInt(), imagens.at(i));
        }
        QVERIFY(mostraAsFiguras(t->ListView()));
        // The raw box is emptied by the parse; the reading resets the percentage.
        QVERIFY(t->txtDados()->toPlainText().isEmpty());
        if (botao == BuckTeste::Leitura)
            QCOMPARE(t->Combo1()->currentText(), QStringLiteral("5"));

        // The comparator beside it: the saved answer of the same model and command, parsed the same way.
        QCOMPARE(t->txtComparador()->toPlainText(), semCR(gravado));
        const QStringList comparador = textos(t->ListViewComparador());
        if (botao == BuckTeste::Leitura) {
            QCOMPARE(comparador, (QStringList{"   buck0 voltage: 1.049 V", "   buck1 voltage: 0.000 V"}));
            QCOMPARE(figuras(t->ListViewComparador()), (QList<int>{int(Figura::Tensao), int(Figura::Tensao)}));
        } else {
            QCOMPARE(comparador, QStringList{"   buck0: Reference: 1.050 V - Reading:  1.049 V : PASS"});
            QCOMPARE(figuras(t->ListViewComparador()), QList<int>{int(Figura::Passou)});
        }
        QVERIFY(mostraAsFiguras(t->ListViewComparador()));
        QVERIFY(b.dialogos.caixas.isEmpty());
    }

    // The saved answer the database ships with lists the same bucks, numbered from buck0 as the phone does.
    void comparadorDoBancoListaOsMesmosBucks() {
        Bancada b;
        QVERIFY(b.liga(QStringLiteral("A1778")));
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->lbModelo()->text(), QStringLiteral("A1778"), Espera);
        BuckTeste* t = b.tela();
        t->btBl(BuckTeste::Leitura)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!t->aguardando(), Espera);
        QCOMPARE(t->ListView()->count(), 12);
        QCOMPARE(textos(t->ListViewComparador()), textos(t->ListView()));
        QCOMPARE(t->ListViewComparador()->item(0)->text(), QStringLiteral("   buck0 voltage: 1.050 V"));
    }

    void semComparadorGravadoAListaFicaVazia() {
        Bancada b;
        teste::executaSql(b.pasta.banco(),
                          QStringLiteral("delete from Dados where Aparelho = 'IP 7' and Comando = 'buck'"));
        QVERIFY(b.liga(QStringLiteral("A1778")));
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->lbModelo()->text(), QStringLiteral("A1778"), Espera);
        BuckTeste* t = b.tela();
        t->btBl(BuckTeste::Leitura)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!t->aguardando(), Espera);
        QCOMPARE(t->ListView()->count(), 12);
        QVERIFY(t->txtComparador()->toPlainText().isEmpty());
        QCOMPARE(t->ListViewComparador()->count(), 0);
    }

    void porcentagemForaDaFaixaNaoEnvia_data() {
        QTest::addColumn<QString>("porcentagem");
        QTest::newRow("zero") << "0";
        QTest::newRow("a hundred") << "100";
        QTest::newRow("letters") << "abc";
        QTest::newRow("empty") << "";
    }

    void porcentagemForaDaFaixaNaoEnvia() {
        QFETCH(QString, porcentagem);
        Bancada b;
        QVERIFY(b.liga(QStringLiteral("A1778")));
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->lbModelo()->text(), QStringLiteral("A1778"), Espera);
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->enlace().Status(), QStringLiteral("1"), Espera);
        BuckTeste* t = b.tela();
        const QString antes = b.principal->enlace().txtComandos();
        t->Combo1()->setEditText(porcentagem);
        t->btBl(BuckTeste::Teste)->click();
        QCOMPARE(b.principal->enlace().Status(), QStringLiteral("1"));
        QCOMPARE(b.principal->enlace().txtComandos(), antes);
        QVERIFY(!t->aguardando());
        QVERIFY(!t->FrameVCore()->isVisible());
    }

    void desconectadoOsBotoesNaoFazemNada() {
        Bancada b;
        BuckTeste* t = b.tela();
        QVERIFY(t);
        t->btBl(BuckTeste::Leitura)->click();
        t->btBl(BuckTeste::Teste)->click();
        QCOMPARE(t->selecionado(), 0);
        QVERIFY(!t->aguardando());
        QVERIFY(b.principal->enlace().txtComandos().isEmpty());
    }

    void respostaCortadaNaoDeixaATelaEsperando() {
        // The phone hangs up halfway through the answer: no prompt, nothing parsed, the panel stops.
        Bancada b;
        QVERIFY(b.liga(QStringLiteral("A1778"), {QStringLiteral("desliga")}));
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->lbModelo()->text(), QStringLiteral("A1778"), Espera);
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->enlace().Status(), QStringLiteral("1"), Espera);
        BuckTeste* t = b.tela();
        t->btBl(BuckTeste::Leitura)->click();
        QVERIFY(t->aguardando());
        QTRY_VERIFY_WITH_TIMEOUT(!t->aguardando(), Espera);
        QVERIFY(!t->FrameVCore()->isVisible());
        QVERIFY(!t->FrameVCore()->TimerBarra().isActive());
        QCOMPARE(t->ListView()->count(), 0);
        QCOMPARE(b.principal->Status(), QStringLiteral("0"));
        // The link's message is the only one.
        QTRY_COMPARE(b.dialogos.caixas.size(), 1);
        QTest::qWait(300);
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.caixas.first().icone, Dialogos::Icone::Critico);
    }

    void trocaDeModeloSegueOComparadorEANota() {
        Bancada b;
        gravaDados(b.pasta.banco(), QStringLiteral("IP 7"), QStringLiteral("buck"),
                   QStringLiteral("buck0: 1050.000 mV") + Prompt);
        gravaDados(b.pasta.banco(), QStringLiteral("IP X"), QStringLiteral("buck"),
                   QStringLiteral("buck0: 1040.000 mV\r\nbuck1: 0.000 mV") + Prompt);
        gravaDados(b.pasta.banco(), QStringLiteral("IP X"), QStringLiteral("syscfg print RMd#"),
                   QStringLiteral("not this one"));
        QVERIFY(b.liga(QStringLiteral("A1778")));
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->lbModelo()->text(), QStringLiteral("A1778"), Espera);
        BuckTeste* t = b.tela();
        QVERIFY(t->lbInfoBucks()->text().contains(QStringLiteral("buck9 = CAMERA = 0.000 V")));
        t->btBl(BuckTeste::Leitura)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!t->aguardando(), Espera);
        QCOMPARE(textos(t->ListViewComparador()), QStringList{"   buck0 voltage: 1.050 V"});

        // The identification's own query is the last command now; the comparator stays on the buck reading.
        b.principal->imgAtualizar()->click();
        QCOMPARE(b.principal->enlace().txtComandos(), QStringLiteral("syscfg print RMd#"));
        QTRY_VERIFY_WITH_TIMEOUT(!b.principal->identificacao().TimerVerificaVersao().isActive() &&
                                     b.principal->enlace().Status() == QLatin1String("1"),
                                 Espera);
        QCOMPARE(b.principal->lbModelo()->text(), QStringLiteral("A1778"));
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP X"));
        QCOMPARE(t->txtComparador()->toPlainText(),
                 semCR(QStringLiteral("buck0: 1040.000 mV\r\nbuck1: 0.000 mV") + Prompt));
        QCOMPARE(textos(t->ListViewComparador()),
                 (QStringList{"   buck0 voltage: 1.040 V", "   buck1 voltage: 0.000 V"}));
        QCOMPARE(t->lbInfoBucks()->text(), BuckTesteParse::NotaBucks(QStringLiteral("IP X")));
        QVERIFY(!t->lbInfoBucks()->text().contains(QStringLiteral("buck9 = CAMERA")));
        // The phone's own list is not touched by a change of family.
        QCOMPARE(t->ListView()->count(), 12);
    }

    void originalAnalisaOQueEstaNaCaixa_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("linhas");
        QTest::addColumn<bool>("caixaVazia");
        QTest::newRow("an answer with its prompt is parsed and the box emptied")
            << QStringLiteral("buck\r\nbuck0: 800.000 mV\r\nbuck1: 900.500 mV") + Prompt
            << QStringList{"   buck0 voltage: 0.800 V", "   buck1 voltage: 0.900 V"} << true;
        QTest::newRow("an answer without a prompt is left in the box")
            << QStringLiteral("buck\r\nbuck0: 800.000 mV\r\n") << QStringList{} << false;
    }

    void originalAnalisaOQueEstaNaCaixa() {
        QFETCH(QString, texto);
        Bancada b;
        BuckTeste* t = b.tela();
        t->txtDados()->setPlainText(texto);
        t->btOriginal()->click();
        QTEST(textos(t->ListView()), "linhas");
        QTEST(t->txtDados()->toPlainText().isEmpty(), "caixaVazia");
        QVERIFY(mostraAsFiguras(t->ListView()));
    }

    void legendasNoIdiomaDoUsuario_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("leitura");
        QTest::addColumn<QString>("teste");
        QTest::addColumn<QString>("dispositivo");
        QTest::newRow("Portuguese") << 1 << "Buck Leitura"
                                    << "Buck Teste"
                                    << "Leitura do dispositivo conectado:";
        QTest::newRow("English") << 2 << "Buck Reading"
                                 << "Buck Test"
                                 << "Reading from the connected device:";
        QTest::newRow("Spanish") << 3 << "Buck Lectura"
                                 << "Buck Prueba"
                                 << "Lectura del dispositivo conectado:";
    }

    void legendasNoIdiomaDoUsuario() {
        QFETCH(int, idioma);
        globais().IdiomaAtual = quint8(idioma);
        Bancada b;
        BuckTeste* t = b.tela();
        QCOMPARE(t->windowTitle(), QStringLiteral("Buck & Ldo - Voltrace Tarsel"));
        QTEST(t->btBl(BuckTeste::Leitura)->text(), "leitura");
        QTEST(t->btBl(BuckTeste::Teste)->text(), "teste");
        QTEST(t->lblLabel(0)->text(), "dispositivo");
        QCOMPARE(t->lbInfoBucks()->text(), BuckTesteParse::NotaBucks(QStringLiteral("IP 7")));
        QVERIFY(b.dialogos.caixas.isEmpty()); // every caption key is in the table
    }

    void aberturaPeloSubMenuEFechamento() {
        Bancada b;
        BuckTeste* t = b.tela();
        QVERIFY(t);
        QVERIFY(globais().telaAberta(NomeTela::BuckTeste));
        QVERIFY(b.principal->enlace().roteador().temReceptor(BuckTeste::Codigo));
        QCOMPARE(b.tela(), t); // an open screen is only brought to the front
        t->parentWidget()->close();
        QTRY_VERIFY(!globais().telaAberta(NomeTela::BuckTeste));
        QVERIFY(!b.principal->enlace().roteador().temReceptor(BuckTeste::Codigo));
    }

    void buckELdoVoltamParaATelaBuckLdo_data() {
        QTest::addColumn<QString>("botao");
        QTest::newRow("BUCK") << "Botao1";
        QTest::newRow("LDO") << "Botao2";
    }

    void buckELdoVoltamParaATelaBuckLdo() {
        QFETCH(QString, botao);
        Bancada b;
        BuckTeste* t = b.tela();
        t->findChild<QPushButton*>(botao)->click();
        QTRY_VERIFY(!globais().telaAberta(NomeTela::BuckTeste));
        QVERIFY(globais().telaAberta(NomeTela::BuckLdo));
    }

    void semTelaBuckLdoFicaAberta() {
        // Without a Buck and LDO screen to go back to, the buck test stays where it is.
        teste::PastaPrograma pasta;
        teste::ContextoTeste contexto;
        auto* t = new BuckTeste(contexto);
        QPointer<BuckTeste> vivo(t);
        t->show();
        t->Botao1()->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(vivo);
        QVERIFY(t->isVisible());
        QCOMPARE(contexto.pedidas, QStringList{NomeTela::BuckLdo});
        delete t;
    }
};

QTEST_MAIN(TstBuckTeste)
#include "tst_buckteste.moc"
