// The saved-answer editor: its rules as tables (line ends of a pane, masking without markers, the rows it
// reads and writes) and the window itself on a copy of the shipped database.

#include "Apoio.h"

#include "base/DialogosRoteiro.h"
#include "console/Comparador.h"
#include "console/EditorDados.h"
#include "console/EditorDadosRegras.h"
#include "store/Banco.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace tarsel;
namespace R = tarsel::EditorDadosRegras;

namespace {

const QString Gauge = QStringLiteral("device  --key GasGauge -p");

QString dados(const QString& aparelho, const QString& comando) {
    Banco b({}, Banco::Modo::SomenteLeitura);
    return b
        .valor(QStringLiteral("Select Dados From Dados where Aparelho = ? and Comando = ? order by rowid"),
               {aparelho, comando})
        .toString();
}

int linhas(const QString& aparelho, const QString& comando) {
    Banco b({}, Banco::Modo::SomenteLeitura);
    return b.valor(QStringLiteral("select count(*) from Dados where Aparelho = ? and Comando = ?"), {aparelho, comando})
        .toInt();
}

// The editor on its own, as the console's hidden button opens it: a program folder with the shipped
// database and scripted dialogs.
struct Bancada {
    teste::PastaPrograma pasta;
    DialogosRoteiro dialogos;
    teste::ContextoTeste contexto;
    std::unique_ptr<EditorDados> editor;

    Bancada(const QString& sql = {}) {
        if (!sql.isEmpty())
            teste::executaSql(pasta.banco(), sql);
        editor = std::make_unique<EditorDados>(contexto);
        editor->show();
    }
    void escolhe(const QString& modelo, const QString& comando) {
        editor->ComboAparelhos()->setCurrentText(modelo);
        editor->txtComandos()->setEditText(comando);
    }
};

} // namespace

class TstEditorDados : public QObject {
    Q_OBJECT

private slots:
    void painel_data() {
        QTest::addColumn<QString>("gravado");
        QTest::addColumn<QString>("painel");
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("aGravar");
        const QString sinal = QStringLiteral("\u21B5");
        QTest::newRow("an untouched pane keeps the console's line ends and the echo's CR")
            << QStringLiteral("\r\n\r\r\nbuck0: 1 mV\r\n[1:2] :-) ")
            << QStringLiteral("\n") + sinal + QStringLiteral("\nbuck0: 1 mV\n[1:2] :-) ") << QString()
            << QStringLiteral("\r\n\r\r\nbuck0: 1 mV\r\n[1:2] :-) ");
        QTest::newRow("an untouched pane keeps a text saved with LF alone")
            << QStringLiteral("a\nb") << QStringLiteral("a\nb") << QString() << QStringLiteral("a\nb");
        QTest::newRow("an edited pane gets CR LF back, and the CR its sign stands for")
            << QStringLiteral("\r\n\r\r\nbuck0: 1 mV") << QStringLiteral("\n") + sinal + QStringLiteral("\nbuck0: 1 mV")
            << QStringLiteral("\n") + sinal + QStringLiteral("\nbuck0: 2 mV\nnew")
            << QStringLiteral("\r\n\r\r\nbuck0: 2 mV\r\nnew");
    }
    void painel() {
        QFETCH(QString, gravado);
        QFETCH(QString, painel);
        QFETCH(QString, digitado);
        QCOMPARE(R::TextoParaPainel(gravado), painel);
        QTEST(R::TextoAGravar(gravado, digitado.isEmpty() ? painel : digitado), "aGravar");
    }

    void tiraMarca_data() {
        QTest::addColumn<QStringList>("mascaras");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("a mask as stored, in any case")
            << QStringList{QStringLiteral("F5D123")} << QStringLiteral("serial: \"f5d123\"")
            << QStringLiteral("serial: \"xxxxx\u00AE\"");
        QTest::newRow("a mask with a marker acts only in the console")
            << QStringList{QStringLiteral("F5D'jox'123"), QStringLiteral("'nas'F5D123"), QStringLiteral("F5D123'ins'")}
            << QStringLiteral("serial: \"F5D123\"") << QStringLiteral("serial: \"F5D123\"");
        QTest::newRow("the longer mask first, as the list is read")
            << QStringList{QStringLiteral("ABC"), QStringLiteral("AB")} << QStringLiteral("ABCD AB")
            << QStringLiteral("xxxxx\u00AED xxxxx\u00AE");
    }
    void tiraMarca() {
        QFETCH(QStringList, mascaras);
        QFETCH(QString, texto);
        QTEST(R::TiraMarca(texto, mascaras), "esperado");
    }

    // Of two rows for one model and command the first is shown and written; a pane without a row writes
    // nothing.
    void linhasLidasEGravadas() {
        teste::PastaPrograma pasta;
        teste::executaSql(pasta.banco(), QStringLiteral("insert into Dados (Aparelho, Comando, Dados) values "
                                                        "('IP 6s', 'xyz', 'first'), ('IP 6s', 'xyz', 'second')"));
        Banco b;
        R::Lado esquerdo = R::Carrega(b, QStringLiteral("IP 6s"), QStringLiteral("XYZ"));
        R::Lado direito = R::Carrega(b, R::ModeloPlus(QStringLiteral("IP 6s")), QStringLiteral("xyz"));
        QVERIFY(esquerdo.existe);
        QCOMPARE(esquerdo.dados, QStringLiteral("first"));
        QVERIFY(!direito.existe);
        esquerdo.dados = QStringLiteral("changed");
        direito.dados = QStringLiteral("nowhere");
        R::Salva(b, esquerdo, direito);
        QCOMPARE(b.valor(QStringLiteral("select group_concat(Dados, '|') from Dados where Comando = 'xyz'")).toString(),
                 QStringLiteral("changed|second"));
        QCOMPARE(linhas(QStringLiteral("IP 6s Plus"), QStringLiteral("xyz")), 0);
    }

    void janelaEBotoes() {
        Bancada b;
        EditorDados* e = b.editor.get();
        QCOMPARE(e->windowTitle(), QStringLiteral("Voltrace Tarsel"));
        QCOMPARE(e->ComboAparelhos()->currentText(), QStringLiteral("IP 7"));
        QStringList modelos;
        for (int i = 0; i < e->ComboAparelhos()->count(); ++i)
            modelos << e->ComboAparelhos()->itemText(i);
        QCOMPARE(modelos, (QStringList{"IP 6", "IP 6s", "IP 7", "IP 8", "IP X"}));
        QVERIFY(e->txtComandos()->findText(Gauge) >= 0);
        const QList<QPair<QPushButton*, QString>> botoes = {
            {e->btAtualizar(), "Salvar"},  {e->Command4(), ">"},          {e->Command5(), "<"},
            {e->Command3(), "Tira Marca"}, {e->Command1(), "Tira Marca"}, {e->Command2(), "Add Marca"}};
        for (const auto& [botao, texto] : botoes) {
            QVERIFY(botao);
            QCOMPARE(botao->text(), texto);
            QCOMPARE(e->findChild<QPushButton*>(botao->objectName()), botao);
        }
        b.escolhe(QStringLiteral("IP 8"), Gauge);
        QCOMPARE(e->Label1()->text(), QStringLiteral("IP 8"));
        QCOMPARE(e->Label2()->text(), QStringLiteral("IP 8 Plus"));
        QCOMPARE(R::TextoDoPainel(e->txtConsole()->toPlainText()), dados(QStringLiteral("IP 8"), Gauge));
        QCOMPARE(R::TextoDoPainel(e->txtComparador()->toPlainText()), dados(QStringLiteral("IP 8 Plus"), Gauge));
        // No family is called "IP X Plus": its pane stays empty.
        b.escolhe(QStringLiteral("IP X"), Gauge);
        QCOMPARE(e->Label1()->text(), QStringLiteral("IP X"));
        QVERIFY(!e->txtConsole()->toPlainText().isEmpty());
        QVERIFY(e->txtComparador()->toPlainText().isEmpty());
        QVERIFY(e->Label2()->text().isEmpty());
    }

    void plusSemRespostaNaoMudaNada() {
        Bancada b(QStringLiteral("insert into Dados (Aparelho, Comando, Dados) values ('IP 6s', 'xyz', 'only base')"));
        b.escolhe(QStringLiteral("IP 6s"), QStringLiteral("xyz"));
        QCOMPARE(b.editor->txtConsole()->toPlainText(), QStringLiteral("only base"));
        QVERIFY(b.editor->txtComparador()->toPlainText().isEmpty());
        QVERIFY(b.editor->Label2()->text().isEmpty());
        b.editor->txtComparador()->setPlainText(QStringLiteral("typed"));
        b.editor->btAtualizar()->click();
        QVERIFY(b.editor->windowTitle().startsWith(QStringLiteral("Salvo ")));
        QCOMPARE(linhas(QStringLiteral("IP 6s Plus"), QStringLiteral("xyz")), 0);
        QCOMPARE(dados(QStringLiteral("IP 6s"), QStringLiteral("xyz")), QStringLiteral("only base"));
    }

    void copiaESalva_data() {
        QTest::addColumn<bool>("paraDireita");
        QTest::newRow("> then Salvar: the Plus row takes the base answer") << true;
        QTest::newRow("< then Salvar: the base row takes the Plus answer") << false;
    }
    void copiaESalva() {
        QFETCH(bool, paraDireita);
        Bancada b;
        const QString modelo = QStringLiteral("IP 8");
        const QString antesBase = dados(modelo, Gauge);
        const QString antesPlus = dados(R::ModeloPlus(modelo), Gauge);
        QVERIFY(!antesBase.isEmpty() && !antesPlus.isEmpty() && antesBase != antesPlus);
        b.escolhe(modelo, Gauge);
        (paraDireita ? b.editor->Command4() : b.editor->Command5())->click();
        QCOMPARE(b.editor->txtConsole()->toPlainText(), b.editor->txtComparador()->toPlainText());
        // Not saved yet.
        QCOMPARE(dados(R::ModeloPlus(modelo), Gauge), antesPlus);
        b.editor->btAtualizar()->click();
        const QString esperado = paraDireita ? antesBase : antesPlus;
        // Both rows hold the same answer, line ends and all.
        QCOMPARE(dados(modelo, Gauge), esperado);
        QCOMPARE(dados(R::ModeloPlus(modelo), Gauge), esperado);
    }

    void edicaoGuardaOsFinsDeLinha() {
        Bancada b;
        b.escolhe(QStringLiteral("IP 7"), Gauge);
        const QString antes = dados(QStringLiteral("IP 7"), Gauge);
        QVERIFY(antes.contains(QStringLiteral("\r\r\n")));
        QString texto = b.editor->txtConsole()->toPlainText();
        texto.replace(QStringLiteral("gas gauge:"), QStringLiteral("gas gauge (good):"));
        b.editor->txtConsole()->setPlainText(texto);
        b.editor->btAtualizar()->click();
        QString esperado = antes;
        esperado.replace(QStringLiteral("gas gauge:"), QStringLiteral("gas gauge (good):"));
        QCOMPARE(dados(QStringLiteral("IP 7"), Gauge), esperado);
    }

    void tiraMarcaNaJanela_data() {
        QTest::addColumn<QString>("mascara");
        QTest::addColumn<bool>("esquerdo");
        QTest::addColumn<bool>("muda");
        QTest::newRow("a mask with 'jox' leaves the panes as they are")
            << QStringLiteral("gas 'jox'gauge") << true << false;
        QTest::newRow("the same mask without the marker masks the left pane and saves it")
            << QStringLiteral("gas gauge") << true << true;
        QTest::newRow("the right button masks the right pane alone") << QStringLiteral("gas gauge") << false << true;
    }
    void tiraMarcaNaJanela() {
        QFETCH(QString, mascara);
        QFETCH(bool, esquerdo);
        QFETCH(bool, muda);
        Bancada b(QStringLiteral("insert into M (String) values ('%1')").arg(QString(mascara).replace("'", "''")));
        b.escolhe(QStringLiteral("IP 7"), Gauge);
        const QString modeloMudado = esquerdo ? QStringLiteral("IP 7") : QStringLiteral("IP 7 Plus");
        const QString modeloFixo = esquerdo ? QStringLiteral("IP 7 Plus") : QStringLiteral("IP 7");
        QPlainTextEdit* painelMudado = esquerdo ? b.editor->txtConsole() : b.editor->txtComparador();
        QPlainTextEdit* painelFixo = esquerdo ? b.editor->txtComparador() : b.editor->txtConsole();
        const QString antes = dados(modeloMudado, Gauge);
        const QString fixoAntes = dados(modeloFixo, Gauge);
        const QString painelAntes = painelMudado->toPlainText();
        const QString fixoPainelAntes = painelFixo->toPlainText();
        (esquerdo ? b.editor->Command3() : b.editor->Command1())->click();
        QCOMPARE(painelFixo->toPlainText(), fixoPainelAntes);
        QCOMPARE(dados(modeloFixo, Gauge), fixoAntes);
        QVERIFY(b.editor->windowTitle().startsWith(QStringLiteral("Salvo ")));
        if (muda) {
            QString esperado = antes;
            esperado.replace(QStringLiteral("gas gauge"), MarcaMascara);
            QVERIFY(esperado != antes);
            QCOMPARE(dados(modeloMudado, Gauge), esperado);
            QVERIFY(painelMudado->toPlainText().contains(MarcaMascara));
        } else {
            QCOMPARE(painelMudado->toPlainText(), painelAntes);
            QCOMPARE(dados(modeloMudado, Gauge), antes);
        }
    }

    void adicionaMarca_data() {
        QTest::addColumn<std::optional<QString>>("resposta");
        QTest::addColumn<int>("acrescimo");
        QTest::newRow("a typed mask becomes a row of the list")
            << std::optional<QString>(QStringLiteral("it's 9X")) << 1;
        QTest::newRow("an empty answer adds nothing") << std::optional<QString>(QString()) << 0;
        QTest::newRow("a cancelled box adds nothing") << std::optional<QString>() << 0;
    }
    void adicionaMarca() {
        QFETCH(std::optional<QString>, resposta);
        QFETCH(int, acrescimo);
        Bancada b;
        const int antes = Banco().valor(QStringLiteral("select count(*) from M")).toInt();
        b.dialogos.entradas.enqueue(resposta);
        b.editor->Command2()->click();
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.caixas.first().titulo, QStringLiteral("m"));
        QCOMPARE(b.dialogos.caixas.first().texto, QStringLiteral("Digite a m."));
        Banco banco;
        QCOMPARE(banco.valor(QStringLiteral("select count(*) from M")).toInt(), antes + acrescimo);
        if (acrescimo)
            QVERIFY(LeMascaras(banco).contains(*resposta));
    }

    // A mask list the database refuses: the box says why, with its information icon, titled "Erro".
    void adicionaMarcaRecusada() {
        Bancada b(QStringLiteral("drop table M"));
        b.dialogos.entradas.enqueue(QStringLiteral("F5D123"));
        b.editor->Command2()->click();
        QCOMPARE(b.dialogos.caixas.size(), 2);
        QCOMPARE(b.dialogos.caixas.at(1).titulo, QStringLiteral("Erro"));
        QCOMPARE(b.dialogos.caixas.at(1).icone, Dialogos::Icone::Informacao);
        QVERIFY2(b.dialogos.caixas.at(1).texto.contains(QStringLiteral("M")),
                 qPrintable(b.dialogos.caixas.at(1).texto));
    }

    // The main window knows the editor by name and gives it no button: only the console opens it.
    void abertoPeloNome() {
        teste::BancadaTela<EditorDados> b(NomeTela::EditorDados);
        QVERIFY(b.principal->temTela(NomeTela::EditorDados));
        EditorDados* e = b.abre();
        QVERIFY(e);
        QCOMPARE(e->ComboAparelhos()->currentText(), QStringLiteral("IP 7"));
        QVERIFY(e->isVisible());
    }
};

QTEST_MAIN(TstEditorDados)
#include "tst_editordados.moc"
