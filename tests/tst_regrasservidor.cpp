// How the program reads the product server's answers: the version page, the notices, the link page's
// server pages and which addresses may go to the browser. Pure text rules, no server.

#include "online/RegrasServidor.h"

#include <QtTest>

using namespace tarsel;

Q_DECLARE_METATYPE(tarsel::DecisaoVersao)

class TstRegrasServidor : public QObject {
    Q_OBJECT

private slots:
    void versao_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<DecisaoVersao>("decisao");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("atualizacao");
        QTest::addColumn<QString>("manutencao");
        const QString paginas = QStringLiteral("[pg_u]https://s/u[/pg_u][pg_m]https://s/m[/pg_m]");
        QTest::newRow("OK lets the program run")
            << QStringLiteral("[i]OK[/i]") + paginas << DecisaoVersao::Segue << "OK"
            << "https://s/u"
            << "https://s/m";
        QTest::newRow("OPCIONAL offers the update page")
            << QStringLiteral("[i]OPCIONAL[/i]") + paginas << DecisaoVersao::AtualizacaoOpcional << "OPCIONAL"
            << "https://s/u"
            << "https://s/m";
        QTest::newRow("OBRIGATORIA demands the update") << paginas + QStringLiteral("\n[i]OBRIGATORIA[/i]")
                                                        << DecisaoVersao::AtualizacaoObrigatoria << "OBRIGATORIA"
                                                        << "https://s/u"
                                                        << "https://s/m";
        QTest::newRow("MANUTENCAO is maintenance")
            << QStringLiteral("[i]MANUTENCAO[/i][pg_m]https://s/m[/pg_m]") << DecisaoVersao::Manutencao << "MANUTENCAO"
            << ""
            << "https://s/m";
        QTest::newRow("an empty status counts as maintenance")
            << QStringLiteral("[i][/i]") + paginas << DecisaoVersao::Manutencao << ""
            << "https://s/u"
            << "https://s/m";
        QTest::newRow("[i] without [/i] is an empty status: maintenance")
            << QStringLiteral("[i]OK") + QStringLiteral("[pg_m]https://s/m[/pg_m]") << DecisaoVersao::Manutencao << ""
            << ""
            << "https://s/m";
        QTest::newRow("no [i] at all: the update is demanded")
            << QStringLiteral("OK") + paginas << DecisaoVersao::AtualizacaoSemServidor << ""
            << "https://s/u"
            << "https://s/m";
        QTest::newRow("an empty answer (no server): the update is demanded")
            << QString() << DecisaoVersao::AtualizacaoSemServidor << ""
            << ""
            << "";
        QTest::newRow("a status this version does not know lets it run")
            << QStringLiteral("[i]OUTRO[/i]") << DecisaoVersao::Segue << "OUTRO"
            << ""
            << "";
        QTest::newRow("the status is compared exactly: ok in lower case is not OK, and lets it run")
            << QStringLiteral("[i]ok[/i]") << DecisaoVersao::Segue << "ok"
            << ""
            << "";
        QTest::newRow("a page field without its closing tag is empty")
            << QStringLiteral("[i]OPCIONAL[/i][pg_u]https://s/u") << DecisaoVersao::AtualizacaoOpcional << "OPCIONAL"
            << ""
            << "";
    }
    void versao() {
        QFETCH(QString, resposta);
        QFETCH(DecisaoVersao, decisao);
        const RespostaVersao r = LeRespostaVersao(resposta);
        QCOMPARE(DecideVersao(r), decisao);
        QTEST(r.status, "status");
        QTEST(r.paginaAtualizacao, "atualizacao");
        QTEST(r.paginaManutencao, "manutencao");
    }

    void aviso_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("aviso");
        const QString tres =
            QStringLiteral("[BR]\nTexto em português[/BR][EN]\nEnglish text[/EN][ES]\nTexto en español[/ES]");
        const QString bl = QStringLiteral("\r\n\r\n");
        QTest::newRow("Portuguese: the tag and the line break are skipped") << tres << 1 << bl + "Texto em português";
        QTest::newRow("English") << tres << 2 << bl + "English text";
        QTest::newRow("Spanish") << tres << 3 << bl + "Texto en español";
        QTest::newRow("no language loaded: nothing") << tres << 0 << "";
        QTest::newRow("the character after the tag is skipped whatever it is")
            << QStringLiteral("[EN]xAviso[/EN]") << 2 << bl + "Aviso";
        QTest::newRow("a multi-line notice keeps its inner line breaks")
            << QStringLiteral("[BR]\nLinha 1\r\nLinha 2\n[/BR]") << 1 << bl + "Linha 1\r\nLinha 2\n";
        QTest::newRow("404 anywhere: no notice") << QStringLiteral("404") << 1 << "";
        QTest::newRow("404 beside the tags: still none") << tres + QStringLiteral(" 404") << 2 << "";
        QTest::newRow("the language's closing tag missing") << QStringLiteral("[BR]\nTexto") << 1 << "";
        QTest::newRow("only other languages") << QStringLiteral("[EN]\nText[/EN]") << 3 << "";
        QTest::newRow("an empty answer") << QString() << 1 << "";
        QTest::newRow("closing tag right after the opening one: nothing to read")
            << QStringLiteral("[BR][/BR]") << 1 << "";
    }
    void aviso() {
        QFETCH(QString, resposta);
        QFETCH(int, idioma);
        QTEST(ExtraiAviso(resposta, quint8(idioma)), "aviso");
    }

    void paginaServidor_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("texto");
        const QString links = QStringLiteral("[PG11]https://s/nand[/PG11]\n[PG1]https://s/produto[/PG1]\n"
                                             "[PG9]https://s/panic[/PG9][PG51]S[/PG51][PG52]N[/PG52]");
        QTest::newRow("page 1 beside page 11") << links << 1 << "https://s/produto";
        QTest::newRow("page 11 beside page 1") << links << 11 << "https://s/nand";
        QTest::newRow("a one-digit page") << links << 9 << "https://s/panic";
        QTest::newRow("a two-digit switch") << links << 51 << "S";
        QTest::newRow("a switch that reads N") << links << 52 << "N";
        QTest::newRow("a page the answer lacks") << links << 3 << "N";
        QTest::newRow("page 1 without its closing tag")
            << QStringLiteral("[PG1]https://s/produto[PG11]x[/PG11]") << 1 << "N";
        QTest::newRow("an empty answer (no server)") << QString() << 1 << "N";
        QTest::newRow("closing tag before the opening one") << QStringLiteral("[/PG4]x[PG4]") << 4 << "N";
        QTest::newRow("an empty value is the value") << QStringLiteral("[PG4][/PG4]") << 4 << "";
    }
    void paginaServidor() {
        QFETCH(QString, resposta);
        QFETCH(int, pagina);
        QTEST(TextoPaginaServidor(resposta, pagina), "texto");
    }

    void enderecoWeb_data() {
        QTest::addColumn<QString>("endereco");
        QTest::addColumn<bool>("web");
        QTest::newRow("https") << QStringLiteral("https://www.voltracetarsel.com.br/") << true;
        QTest::newRow("http with a port and a path") << QStringLiteral("http://127.0.0.1:8080/pagina?x=1") << true;
        QTest::newRow("scheme in capitals") << QStringLiteral("HTTPS://example.org/a") << true;
        QTest::newRow("blanks around it") << QStringLiteral("  https://example.org/a\n") << true;
        QTest::newRow("a local file") << QStringLiteral("file:///etc/passwd") << false;
        QTest::newRow("a script") << QStringLiteral("javascript:alert(1)") << false;
        QTest::newRow("a program path") << QStringLiteral("/usr/bin/xterm") << false;
        QTest::newRow("a Windows program path") << QStringLiteral("C:\\Windows\\System32\\cmd.exe") << false;
        QTest::newRow("another scheme") << QStringLiteral("ftp://example.org/x") << false;
        QTest::newRow("mail") << QStringLiteral("mailto:suporte@example.org") << false;
        QTest::newRow("http without a host") << QStringLiteral("http:///etc/passwd") << false;
        QTest::newRow("a blank inside the host") << QStringLiteral("https://exa mple.org/") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("the missing-page switch value") << QStringLiteral("N") << false;
    }
    void enderecoWeb() {
        QFETCH(QString, endereco);
        QTEST(EnderecoWeb(endereco), "web");
    }

    void enderecoNoServidor_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("a base ending in /")
            << QStringLiteral("http://127.0.0.1:4321/") << QStringLiteral("http://127.0.0.1:4321/versao?v=2.42&t=2");
        QTest::newRow("a base without the final /")
            << QStringLiteral("https://s.example/app") << QStringLiteral("https://s.example/app/versao?v=2.42&t=2");
    }
    void enderecoNoServidor() {
        QFETCH(QString, base);
        QUrlQuery q;
        q.addQueryItem(QStringLiteral("v"), QStringLiteral("2.42"));
        q.addQueryItem(QStringLiteral("t"), QStringLiteral("2"));
        QTEST(EnderecoNoServidor(base, QStringLiteral("versao"), q).toString(), "esperado");
    }
};

QTEST_GUILESS_MAIN(TstRegrasServidor)
#include "tst_regrasservidor.moc"
