// The console's own rules (live copy, where a new answer goes, the history and help toggles, the help
// selection, the help document, command names) and its saved rows: answers per model and command, and the
// command list, read and written with bound values on a real Config.tsl.

#include "Apoio.h"

#include "console/DadosSalvos.h"
#include "console/RegrasConsole.h"
#include "store/Banco.h"

using namespace tarsel;
namespace R = RegrasConsole;

namespace {

qint64 conta(const QString& sql, const QVariantList& valores = {}) {
    Banco b;
    return b.valor(sql, valores).toLongLong();
}

} // namespace

class TstRegrasConsole : public QObject {
    Q_OBJECT
private slots:
    void espelhoETesteDeBotoes_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<bool>("espelho");
        QTest::addColumn<bool>("botoes");
        QTest::addColumn<bool>("help");

        QTest::newRow("help in small letters") << "help" << true << false << true;
        QTest::newRow("HELP in capitals") << "HELP" << true << false << true;
        QTest::newRow("Help mixed") << "hElP" << true << false << true;
        QTest::newRow("memory test in any case") << "TestMemory --1mb" << true << false << false;
        QTest::newRow("memory test with another size is not streamed") << "testmemory --2MB" << false << false << false;
        QTest::newRow("help with an argument: no live copy, but a help command")
            << "help battery" << false << false << true;
        QTest::newRow("button test in any case") << "ButtonCnt --dqe" << false << true << false;
        QTest::newRow("a blank after the command is another command") << "help " << false << false << true;
        QTest::newRow("hel is not help") << "hel" << false << false << false;
        QTest::newRow("empty") << "" << false << false << false;
    }
    void espelhoETesteDeBotoes() {
        QFETCH(QString, comando);
        QFETCH(bool, espelho);
        QFETCH(bool, botoes);
        QFETCH(bool, help);
        QCOMPARE(R::ComEspelho(comando), espelho);
        QCOMPARE(R::TesteBotoes(comando), botoes);
        QCOMPARE(R::ComandoHelp(comando), help);
    }

    void textoAposResposta_data() {
        QTest::addColumn<bool>("limpar");
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QString>("anterior");
        QTest::addColumn<QString>("esperado");

        QTest::newRow("Auto ticked: the answer replaces the console") << true << "\r\nB"
                                                                      << "\r\nA"
                                                                      << "\r\nB";
        QTest::newRow("Auto clear: the answer goes on top") << false << "\r\nB"
                                                            << "\r\nA"
                                                            << "\r\nB\r\n\r\nA";
        QTest::newRow("Auto clear on an empty console still adds the line break") << false << "\r\nA"
                                                                                  << ""
                                                                                  << "\r\nA\r\n";
    }
    void textoAposResposta() {
        QFETCH(bool, limpar);
        QFETCH(QString, resposta);
        QFETCH(QString, anterior);
        QFETCH(QString, esperado);
        QCOMPARE(R::TextoAposResposta(limpar, resposta, anterior), esperado);
    }

    void tresRespostasComAutoDesmarcadoFicamDaMaisNova() {
        QString console;
        for (const char* r : {"\r\none", "\r\ntwo", "\r\nthree"})
            console = R::TextoAposResposta(false, QString::fromLatin1(r), console);
        QCOMPARE(console, QStringLiteral("\r\nthree\r\n\r\ntwo\r\n\r\none\r\n"));
    }

    void alternaHelp_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("esperado");

        QTest::newRow("a command with an argument gets help and its first word") << "battery --properties"
                                                                                 << "help battery ";
        QTest::newRow("and back: help and every blank go, one blank stays") << "help battery "
                                                                            << "battery ";
        QTest::newRow("a single word") << "buck"
                                       << "help buck";
        QTest::newRow("help in capitals is not the prefix") << "HELP buck"
                                                            << "help HELP ";
        QTest::newRow("every help goes, wherever it stands") << "xhelpy help z"
                                                             << "xyz ";
        QTest::newRow("empty text") << ""
                                    << "help ";
    }
    void alternaHelp() {
        QFETCH(QString, texto);
        QFETCH(QString, esperado);
        QCOMPARE(R::AlternaHelp(texto), esperado);
    }

    void selecaoHelp_data() {
        QTest::addColumn<QString>("selecao");
        QTest::addColumn<QString>("esperado");

        QTest::newRow("a quoted command and what follows: the command only")
            << "\"battery --properties\" shows the gauge"
            << "battery --properties";
        QTest::newRow("no quotes: as selected") << "pmuadc --read all"
                                                << "pmuadc --read all";
        QTest::newRow("a quote later on cuts after it") << "touch --on\" power"
                                                        << "touch --on";
        QTest::newRow("a quote only at the start: nothing to cut, the quote goes") << "\"buck"
                                                                                   << "buck";
        QTest::newRow("a quote as second character is not the closing one") << "a\"b\"c"
                                                                            << "ab";
        QTest::newRow("only quotes") << "\"\""
                                     << "";
    }
    void selecaoHelp() {
        QFETCH(QString, selecao);
        QFETCH(QString, esperado);
        QCOMPARE(R::SelecaoHelp(selecao), esperado);
    }

    void documentoHelp_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("arquivo");
        QTest::newRow("Portuguese") << 1 << "xEDK_BR.pdf";
        QTest::newRow("English") << 2 << "xEDK_USA.pdf";
        QTest::newRow("Spanish") << 3 << "xEDK_ES.pdf";
        QTest::newRow("not loaded yet") << 0 << "xEDK_BR.pdf";
    }
    void documentoHelp() {
        QFETCH(int, idioma);
        QFETCH(QString, arquivo);
        QCOMPARE(R::DocumentoHelp(idioma), arquivo);
    }

    void nomeComando_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("aceito");
        QTest::newRow("plain") << "syscfg print SrNm" << true;
        QTest::newRow("with quotes") << "echo \"x\"" << true;
        QTest::newRow("accents") << "ação" << true;
        QTest::newRow("apostrophe refused") << "it's" << false;
        QTest::newRow("empty refused") << "" << false;
    }
    void nomeComando() {
        QFETCH(QString, nome);
        QFETCH(bool, aceito);
        QCOMPARE(R::NomeComandoAceito(nome), aceito);
    }

    void geometriaHistorico_data() {
        QTest::addColumn<int>("alturaConsole");
        QTest::addColumn<bool>("comAjuda");
        QTest::addColumn<int>("altura");
        QTest::addColumn<int>("alturaLista");
        QTest::addColumn<int>("larguraLista");
        QTest::newRow("help answer shown: the list is narrow") << 6000 << true << 5865 << 4965 << 4455;
        QTest::newRow("help answer hidden: the list takes the width") << 6000 << false << 5865 << 4965 << 10095;
    }
    void geometriaHistorico() {
        QFETCH(int, alturaConsole);
        QFETCH(bool, comAjuda);
        const auto g = R::Historico(alturaConsole, comAjuda);
        QCOMPARE(g.topo, 1230);
        QTEST(g.altura, "altura");
        QTEST(g.alturaLista, "alturaLista");
        QTEST(g.larguraLista, "larguraLista");
    }

    // Typed commands reach SQL only as bound values: whatever they hold, they are stored and found as typed.
    void dadosSalvosComTextoDificil_data() {
        QTest::addColumn<QString>("comando");
        QTest::newRow("apostrophe") << "echo 'x'";
        QTest::newRow("double quotes") << "echo \"a\" ; drop table Dados; --";
        QTest::newRow("non-ASCII letters") << "ação ñ über 型号";
        QTest::newRow("10 000 characters") << QString(10000, QLatin1Char('k'));
        QTest::newRow("question mark and percent") << "ls ? %";
    }
    void dadosSalvosComTextoDificil() {
        QFETCH(QString, comando);
        teste::PastaPrograma pasta;
        Banco b;
        const QString resposta = "\r\nanswer to " + comando + "\r\n";
        QVERIFY(!DadosSalvos::Le(b, QStringLiteral("IP 7"), comando));
        const qint64 id = DadosSalvos::Insere(b, QStringLiteral("IP 7"), comando, resposta);
        const auto linha = DadosSalvos::Le(b, QStringLiteral("IP 7"), comando);
        QVERIFY(linha);
        QCOMPARE(linha->id, id);
        QCOMPARE(linha->dados, resposta);
        QVERIFY(!DadosSalvos::Le(b, QStringLiteral("IP 8"), comando));
        DadosSalvos::Grava(b, id, QStringLiteral("novo"), {QStringLiteral("pt'"), QStringLiteral("en\""), QString()});
        QCOMPARE(DadosSalvos::Le(b, QStringLiteral("IP 7"), comando)->notas[1], QStringLiteral("en\""));
        DadosSalvos::Exclui(b, id);
        QVERIFY(!DadosSalvos::Le(b, QStringLiteral("IP 7"), comando));
        QCOMPARE(b.valor(QStringLiteral("select count(*) from sqlite_master where name = 'Dados'")).toInt(), 1);
    }

    void buscaIgnoraMaiusculas() {
        teste::PastaPrograma pasta;
        Banco b;
        b.executa(QStringLiteral("delete from Dados where Comando = 'Help'"));
        DadosSalvos::Insere(b, QStringLiteral("IP 7"), QStringLiteral("Help"), QStringLiteral("\r\nlist"));
        const auto linha = DadosSalvos::Le(b, QStringLiteral("ip 7"), QStringLiteral("help"));
        QVERIFY(linha);
        QCOMPARE(linha->dados, QStringLiteral("\r\nlist"));
    }

    void oPrimeiroDeVariosEOAtual() {
        teste::PastaPrograma pasta;
        Banco b;
        b.executa(QStringLiteral("delete from Dados where Comando = 'buck'"));
        const qint64 primeiro =
            DadosSalvos::Insere(b, QStringLiteral("IP 7"), QStringLiteral("buck"), QStringLiteral("1"));
        DadosSalvos::Insere(b, QStringLiteral("IP 7"), QStringLiteral("BUCK"), QStringLiteral("2"));
        QCOMPARE(DadosSalvos::Le(b, QStringLiteral("IP 7"), QStringLiteral("buck"))->id, primeiro);
    }

    void listaDeComandos() {
        teste::PastaPrograma pasta;
        Banco b;
        const QStringList antes = DadosSalvos::Comandos(b);
        QVERIFY(!antes.isEmpty());
        QStringList ordenada = antes;
        std::sort(ordenada.begin(), ordenada.end(),
                  [](const QString& x, const QString& y) { return x.compare(y, Qt::CaseInsensitive) < 0; });
        QCOMPARE(antes, ordenada);

        // A new command with empty notes, once: the same text in other letters is the same command.
        QVERIFY(DadosSalvos::InsereComando(b, QStringLiteral("zz teste \"x\"")));
        QVERIFY(!DadosSalvos::InsereComando(b, QStringLiteral("ZZ TESTE \"X\"")));
        QCOMPARE(DadosSalvos::Comandos(b).size(), antes.size() + 1);
        const auto linha = DadosSalvos::LeComando(b, QStringLiteral("zz teste \"x\""));
        QVERIFY(linha);
        QCOMPARE(linha->notas, (DadosSalvos::Notas{QString(), QString(), QString()}));
        DadosSalvos::GravaNotasComando(b, linha->id, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        QCOMPARE(DadosSalvos::LeComando(b, QStringLiteral("zz teste \"x\""))->notas[2], QStringLiteral("c"));

        QVERIFY(DadosSalvos::ExcluiComando(b, QStringLiteral("zz teste \"x\"")));
        QCOMPARE(DadosSalvos::Comandos(b), antes);
        // Deleting a command that is not there changes nothing.
        QVERIFY(!DadosSalvos::ExcluiComando(b, QStringLiteral("no such command")));
        QCOMPARE(DadosSalvos::Comandos(b), antes);
        QCOMPARE(conta(QStringLiteral("select count(*) from Comandos")), qint64(antes.size()));
    }
};

QTEST_GUILESS_MAIN(TstRegrasConsole)
#include "tst_regrasconsole.moc"
