// The server steps against the stand-in product server on 127.0.0.1: the HTTP client's failures, the
// probe page, the version page with every status and its notices, the link page's server pages and the
// addresses the program refuses to open, and start-up as a whole. Nothing here reaches the internet: the
// server is local, "down" is a loopback port where nothing listens.

#include "Apoio.h"

#include "app/Partida.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "online/ClienteHttp.h"
#include "online/RegrasServidor.h"
#include "online/Servidor.h"
#include "online/Verificacoes.h"
#include "store/Banco.h"

#include <QFile>
#include <QTemporaryFile>
#include <QtTest>

using namespace tarsel;
using Falha = RespostaHttp::Falha;

Q_DECLARE_METATYPE(tarsel::RespostaHttp::Falha)

namespace {
const QString LinhaEmBranco = QStringLiteral("\r\n\r\n");

void apontaServidor(const teste::PastaPrograma& pasta, const QString& base) {
    Banco b(pasta.banco());
    b.executa(QStringLiteral("update Tools set Servidor = ?"), {base});
}

QString aviso(const QString& base, const QString& pagina, quint8 idioma) {
    return ExtraiAviso(BuscaPagina(QUrl(base + pagina + QStringLiteral("?v=2.42"))), idioma);
}
} // namespace

class TstOnline : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<teste::ServidorTeste> m_servidor;

    QString base() const { return m_servidor->base(); }

private slots:
    void initTestCase() {
        m_servidor = std::make_unique<teste::ServidorTeste>();
        QVERIFY2(m_servidor->pronto(), qPrintable(m_servidor->erro()));
    }
    void cleanupTestCase() { m_servidor.reset(); }
    void init() {
        globais().IdiomaAtual = 1;
        globais().Versao = VersaoPrograma;
        QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("nenhuma")));
    }

    void cliente_data() {
        QTest::addColumn<QString>("falha"); // of the server, or "fechado" for no server at all
        QTest::addColumn<Falha>("esperada");
        QTest::newRow("a normal answer") << "nenhuma" << Falha::Nenhuma;
        QTest::newRow("no server listening") << "fechado" << Falha::Rede;
        QTest::newRow("a server that never answers: the silence limit") << "lenta" << Falha::Tempo;
        QTest::newRow("a server that trickles a byte a second: the overall limit") << "gotejando" << Falha::Tempo;
        QTest::newRow("bytes that are not UTF-8") << "lixo" << Falha::Codificacao;
        QTest::newRow("the page in Latin-1, ending inside a UTF-8 sequence") << "latin1" << Falha::Codificacao;
        QTest::newRow("the connection reset halfway") << "reset" << Falha::Rede;
        QTest::newRow("a 10 MB answer") << "enorme" << Falha::Tamanho;
        QTest::newRow("a redirect to itself, for ever") << "redirecao" << Falha::Redirecionamento;
    }
    void cliente() {
        QFETCH(QString, falha);
        QFETCH(Falha, esperada);
        QString endereco = base();
        if (falha == QLatin1String("fechado"))
            endereco = teste::ServidorFechado();
        else
            QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, falha));
        const RespostaHttp r = ObtemPagina(QUrl(endereco + QStringLiteral("versao?v=2.42&t=2")));
        QCOMPARE(r.falha, esperada);
        if (esperada == Falha::Nenhuma) {
            QVERIFY(r.texto.contains(QLatin1String("[i]OK[/i]")));
            QCOMPARE(r.status, 200);
        } else {
            QVERIFY(r.texto.isEmpty());
        }
    }

    // Only the web is read: a base address naming a file or another scheme is never fetched.
    void clienteSoLeAWeb_data() {
        QTest::addColumn<QString>("endereco");
        QTest::newRow("a local file") << QStringLiteral("file:///etc/passwd");
        QTest::newRow("a relative path") << QStringLiteral("Config.tsl");
        QTest::newRow("another scheme") << QStringLiteral("ftp://127.0.0.1/x");
        QTest::newRow("nothing") << QString();
    }
    void clienteSoLeAWeb() {
        QFETCH(QString, endereco);
        const RespostaHttp r = ObtemPagina(QUrl(endereco));
        QCOMPARE(r.falha, Falha::Endereco);
        QVERIFY(r.texto.isEmpty());
    }

    void internet_data() {
        QTest::addColumn<QString>("servidor"); // "local", "fechado", or a base address
        QTest::addColumn<QString>("falha");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<bool>("segue");
        QTest::addColumn<bool>("caixa");
        QTest::newRow("the probe page answers") << "local"
                                                << "nenhuma" << 1 << true << false;
        QTest::newRow("no server: the message, then the end") << "fechado"
                                                              << "nenhuma" << 1 << false << true;
        QTest::newRow("garbage from the server counts as no answer") << "local"
                                                                     << "lixo" << 2 << false << true;
        QTest::newRow("a server address that is a file is never read") << "file:///etc/hostname"
                                                                       << "nenhuma" << 3 << false << true;
        QTest::newRow("no language loaded: the end without a box") << "fechado"
                                                                   << "nenhuma" << 0 << false << false;
    }
    void internet() {
        QFETCH(QString, servidor);
        QFETCH(QString, falha);
        QFETCH(int, idioma);
        QFETCH(bool, segue);
        QFETCH(bool, caixa);
        teste::PastaPrograma pasta;
        apontaServidor(pasta, servidor == QLatin1String("local")     ? base()
                              : servidor == QLatin1String("fechado") ? teste::ServidorFechado()
                                                                     : servidor);
        QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, falha));
        globais().IdiomaAtual = quint8(idioma);
        DialogosRoteiro d;
        QCOMPARE(VerificaInternet(), segue);
        QCOMPARE(d.caixas.size(), caixa ? 1 : 0);
        if (caixa) {
            const auto m = MontaMensagem(QStringLiteral("MSG_INTERNET_GERAL"), quint8(idioma), {});
            QCOMPARE(d.caixas[0].icone, Dialogos::Icone::Critico);
            QCOMPARE(d.caixas[0].titulo, m->titulo);
            QCOMPARE(d.caixas[0].texto, m->texto);
        }
    }

    void versao_data() {
        QTest::addColumn<QString>("versao");
        QTest::addColumn<bool>("avisos");
        QTest::addColumn<QString>("falha");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<int>("resposta");
        QTest::addColumn<bool>("segue");
        QTest::addColumn<QString>("caso");   // which box: "", "opcional", "obrigatoria", "manutencao", "semServidor"
        QTest::addColumn<QString>("aberta"); // page opened: path on the server, "produto-site", or ""
        const int sim = int(Dialogos::Resposta::Sim), nao = int(Dialogos::Resposta::Nao);
        QTest::newRow("OK: the program starts without a box") << "OK" << true << "nenhuma" << 1 << sim << true << ""
                                                              << "";
        QTest::newRow("OPCIONAL answered No: the program starts")
            << "OPCIONAL" << true << "nenhuma" << 1 << nao << true << "opcional"
            << "";
        QTest::newRow("OPCIONAL answered Yes in English: the update page opens, the program ends")
            << "OPCIONAL" << true << "nenhuma" << 2 << sim << false << "opcional"
            << "atualizacao";
        QTest::newRow("OPCIONAL with no notice on the server: the question alone")
            << "OPCIONAL" << false << "nenhuma" << 3 << nao << true << "opcional"
            << "";
        QTest::newRow("OBRIGATORIA in English: notice, update page, the end")
            << "OBRIGATORIA" << true << "nenhuma" << 2 << sim << false << "obrigatoria"
            << "atualizacao";
        QTest::newRow("OBRIGATORIA with no notice")
            << "OBRIGATORIA" << false << "nenhuma" << 1 << sim << false << "obrigatoria"
            << "atualizacao";
        QTest::newRow("MANUTENCAO in Spanish: notice, maintenance page, the end")
            << "MANUTENCAO" << true << "nenhuma" << 3 << sim << false << "manutencao"
            << "manutencao";
        QTest::newRow("an empty status is maintenance")
            << "VAZIO" << true << "nenhuma" << 1 << sim << false << "manutencao"
            << "manutencao";
        QTest::newRow("[i] without [/i] is maintenance")
            << "TAG_ABERTA" << true << "nenhuma" << 1 << sim << false << "manutencao"
            << "manutencao";
        QTest::newRow("no [i]: update demanded, the product site named, server page 1 opened")
            << "SEM_TAG" << true << "nenhuma" << 1 << sim << false << "semServidor"
            << "produto";
        QTest::newRow("a status this version does not know: the program starts")
            << "OUTRO" << true << "nenhuma" << 1 << sim << true << ""
            << "";
        QTest::newRow("garbage: no server, the product site opened")
            << "OK" << true << "lixo" << 1 << sim << false << "semServidor"
            << "produto-site";
        QTest::newRow("a reset connection: the same") << "OK" << true << "reset" << 2 << sim << false << "semServidor"
                                                      << "produto-site";
        QTest::newRow("a 10 MB answer: the same") << "OK" << true << "enorme" << 1 << sim << false << "semServidor"
                                                  << "produto-site";
        QTest::newRow("a redirect loop: the same") << "OK" << true << "redirecao" << 3 << sim << false << "semServidor"
                                                   << "produto-site";
        QTest::newRow("no server at all: the same")
            << "fechado" << true << "nenhuma" << 1 << sim << false << "semServidor"
            << "produto-site";
    }
    void versao() {
        QFETCH(QString, versao);
        QFETCH(bool, avisos);
        QFETCH(QString, falha);
        QFETCH(int, idioma);
        QFETCH(int, resposta);
        QFETCH(bool, segue);
        QFETCH(QString, caso);
        QFETCH(QString, aberta);
        teste::PastaPrograma pasta;
        const bool fechado = versao == QLatin1String("fechado");
        apontaServidor(pasta, fechado ? teste::ServidorFechado() : base());
        globais().IdiomaAtual = quint8(idioma);
        // The notices as the server words them, read before the fault is switched on.
        QVERIFY(m_servidor->controla(QStringLiteral("OK"), avisos, QStringLiteral("nenhuma")));
        const QString aviso1 = aviso(base(), QStringLiteral("aviso/atualizacao"), quint8(idioma));
        const QString aviso2 = aviso(base(), QStringLiteral("aviso/manutencao"), quint8(idioma));
        QCOMPARE(aviso1.isEmpty(), !avisos);
        QVERIFY(!aviso1.contains(QLatin1Char('[')));
        QVERIFY(m_servidor->controla(fechado ? QStringLiteral("OK") : versao, avisos, falha));

        teste::CapturaLinks links;
        DialogosRoteiro d;
        d.respostas.enqueue(Dialogos::Resposta(resposta));
        QCOMPARE(VerificaVersaoServidor(), segue);

        QCOMPARE(d.caixas.size(), caso.isEmpty() ? 0 : 1);
        if (!caso.isEmpty()) {
            const auto& c = d.caixas[0];
            if (caso == QLatin1String("opcional")) {
                QCOMPARE(c.icone, Dialogos::Icone::Pergunta);
                QCOMPARE(c.botoes, Dialogos::Botoes::SimNao);
                QCOMPARE(c.titulo, QStringLiteral(" ") + Traduz(QStringLiteral("Atualização")));
                QCOMPARE(c.texto, Traduz(QStringLiteral("Atualização disponível")) + aviso1);
            } else if (caso == QLatin1String("obrigatoria")) {
                QCOMPARE(c.icone, Dialogos::Icone::Informacao);
                QCOMPARE(c.titulo, QStringLiteral(" ") + Traduz(QStringLiteral("MSG_UPDATE_OBRIGATORIA_TITULO")));
                QCOMPARE(c.texto, Traduz(QStringLiteral("MSG_UPDATE_OBRIGATORIA")) + aviso1 + LinhaEmBranco + base() +
                                      QStringLiteral("atualizacao"));
            } else if (caso == QLatin1String("manutencao")) {
                QCOMPARE(c.icone, Dialogos::Icone::Informacao);
                QCOMPARE(c.titulo, QStringLiteral(" ") + Traduz(QStringLiteral("Manutenção")));
                QCOMPARE(c.texto, Traduz(QStringLiteral("MANUTENCAO_SERVER")) + aviso2 + LinhaEmBranco + base() +
                                      QStringLiteral("manutencao"));
            } else {
                QCOMPARE(c.icone, Dialogos::Icone::Informacao);
                QCOMPARE(c.titulo, QStringLiteral(" ") + Traduz(QStringLiteral("MSG_UPDATE_OBRIGATORIA_TITULO")));
                QCOMPARE(c.texto, Traduz(QStringLiteral("MSG_UPDATE_OBRIGATORIA")) + LinhaEmBranco + EnderecoProduto);
            }
        }
        QList<QUrl> esperadas;
        if (aberta == QLatin1String("produto-site"))
            esperadas << QUrl(EnderecoProduto);
        else if (!aberta.isEmpty())
            esperadas << QUrl(base() + aberta);
        QCOMPARE(links.urls, esperadas);
    }

    void paginas_data() {
        QTest::addColumn<QString>("links"); // lines n=value for the server's link page, or "fechado"
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("texto");  // what LePaginaServidor reads ("<base>" stands for the server)
        QTest::addColumn<QString>("aberta"); // what AbrePaginaServidor opens, empty for nothing
        QTest::addColumn<bool>("recusada");
        QTest::newRow("page 1 beside page 11") << "" << 1 << "<base>produto"
                                               << "<base>produto" << false;
        QTest::newRow("page 11 beside page 1") << "" << 11 << "<base>nand/erros-restauracao"
                                               << "<base>nand/erros-restauracao" << false;
        QTest::newRow("a two-digit switch") << "" << 52 << "N"
                                            << "" << true;
        QTest::newRow("a page the server lacks: the product site") << "" << 2 << "N" << EnderecoProduto << false;
        QTest::newRow("a local file is refused") << "9=file:///etc/passwd" << 9 << "file:///etc/passwd"
                                                 << "" << true;
        QTest::newRow("a script is refused")
            << "4=javascript:alert(document.cookie)" << 4 << "javascript:alert(document.cookie)"
            << "" << true;
        QTest::newRow("a program path is refused") << "3=/usr/bin/xterm" << 3 << "/usr/bin/xterm"
                                                   << "" << true;
        QTest::newRow("another scheme is refused") << "10=smb://servidor/share" << 10 << "smb://servidor/share"
                                                   << "" << true;
        QTest::newRow("an address another server holds opens")
            << "6=https://suporte.example.org/sessao" << 6 << "https://suporte.example.org/sessao"
            << "https://suporte.example.org/sessao" << false;
        QTest::newRow("no server: switches read N, links open the product site")
            << "fechado" << 9 << "N" << EnderecoProduto << false;
    }
    void paginas() {
        QFETCH(QString, links);
        QFETCH(int, pagina);
        QFETCH(QString, texto);
        QFETCH(QString, aberta);
        QFETCH(bool, recusada);
        QTemporaryFile arquivo;
        QStringList argumentos{QStringLiteral("--porta"), QStringLiteral("0")};
        if (!links.isEmpty() && links != QLatin1String("fechado")) {
            QVERIFY(arquivo.open());
            arquivo.write(links.toUtf8() + '\n');
            arquivo.flush();
            argumentos << QStringLiteral("--links") << arquivo.fileName();
        }
        teste::ServidorTeste servidor(argumentos);
        QVERIFY2(servidor.pronto(), qPrintable(servidor.erro()));
        teste::PastaPrograma pasta;
        apontaServidor(pasta, links == QLatin1String("fechado") ? teste::ServidorFechado() : servidor.base());
        texto.replace(QLatin1String("<base>"), servidor.base());
        aberta.replace(QLatin1String("<base>"), servidor.base());

        QCOMPARE(LePaginaServidor(pagina), texto);
        teste::CapturaLinks capturados;
        DialogosRoteiro d;
        AbrePaginaServidor(pagina);
        QCOMPARE(capturados.urls, aberta.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(aberta)});
        QCOMPARE(d.caixas.size(), recusada ? 1 : 0);
        if (recusada) {
            QCOMPARE(d.caixas[0].titulo, Traduz(QStringLiteral("Endereço recusado")));
            QCOMPARE(d.caixas[0].texto, Traduz(QStringLiteral("MSG_ENDERECO_RECUSADO")) + LinhaEmBranco + texto);
        }
    }

    // Start-up as a whole, with the terms of a new database.
    void partida_data() {
        QTest::addColumn<bool>("servidor");
        QTest::addColumn<bool>("aceita");
        QTest::addColumn<bool>("segue");
        QTest::addColumn<int>("termos");
        QTest::addColumn<int>("caixas");
        QTest::newRow("server answers, terms accepted: the main window may open") << true << true << true << 1 << 0;
        QTest::newRow("terms refused: the end") << true << false << false << 1 << 0;
        QTest::newRow("no server: the connection message before the terms") << false << true << false << 0 << 1;
    }
    void partida() {
        QFETCH(bool, servidor);
        QFETCH(bool, aceita);
        QFETCH(bool, segue);
        QFETCH(int, termos);
        QFETCH(int, caixas);
        teste::PastaPrograma pasta;
        apontaServidor(pasta, servidor ? base() : teste::ServidorFechado());
        DialogosRoteiro d;
        d.respostasTermos.enqueue(aceita);
        QCOMPARE(ExecutaPartida(pasta.caminho()), segue);
        QCOMPARE(d.termosMostrados.size(), termos);
        QCOMPARE(d.caixas.size(), caixas);
        if (caixas)
            QCOMPARE(d.caixas[0].titulo, QStringLiteral(" Voltrace Tarsel - Erro de conexão"));
    }
};

QTEST_MAIN(TstOnline)
#include "tst_online.moc"
