// The stand-in product server over real HTTP: the online pages and their tags, the link page, the I2C
// notes, the content pages, run-time control, the faults, and the report pages built from the program's
// own report addresses.

#include "Apoio.h"

#include "report/EnderecoRelatorio.h"
#include "report/RelatorioRail.h"
#include "store/Banco.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

using namespace tarsel;
using namespace tarsel::teste;

namespace {

struct Baixado {
    bool terminou = false;
    QNetworkReply::NetworkError erro = QNetworkReply::NoError;
    int status = 0;
    QByteArray corpo;
    QByteArray tipo;
    QByteArray politica;
    QByteArray destino;
};

// One GET, waited for up to `prazoMs`; redirects are not followed unless asked.
Baixado baixa(const QString& url, int prazoMs = 10000, bool segueRedirecoes = false) {
    QNetworkAccessManager rede;
    QNetworkRequest pedido{QUrl(url)};
    pedido.setAttribute(QNetworkRequest::RedirectPolicyAttribute, segueRedirecoes
                                                                      ? QNetworkRequest::NoLessSafeRedirectPolicy
                                                                      : QNetworkRequest::ManualRedirectPolicy);
    std::unique_ptr<QNetworkReply> r(rede.get(pedido));
    Baixado b;
    b.terminou = QTest::qWaitFor([&r] { return r->isFinished(); }, prazoMs);
    if (!b.terminou) {
        r->abort();
        return b;
    }
    b.erro = r->error();
    b.status = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    b.corpo = r->readAll();
    b.tipo = r->rawHeader("Content-Type");
    b.politica = r->rawHeader("Content-Security-Policy");
    b.destino = r->rawHeader("Location");
    return b;
}

// One GET written on a plain socket with the target exactly as given, as a browser sends an address
// whose query has a lone "%" (QUrl would re-encode the whole query). Status and body of the answer.
Baixado baixaAlvoBruto(const QString& base, const QByteArray& alvo) {
    const QUrl url(base);
    QTcpSocket socket;
    socket.connectToHost(url.host(), quint16(url.port()));
    Baixado b;
    if (!socket.waitForConnected(5000))
        return b;
    socket.write("GET " + alvo + " HTTP/1.1\r\nHost: " + url.authority().toLatin1() + "\r\nConnection: close\r\n\r\n");
    QByteArray tudo;
    b.terminou = QTest::qWaitFor(
        [&] {
            tudo += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        },
        10000);
    tudo += socket.readAll();
    const qsizetype fim = tudo.indexOf("\r\n\r\n");
    const QList<QByteArray> linha = tudo.left(tudo.indexOf("\r\n")).split(' ');
    b.status = linha.size() > 1 ? linha.at(1).toInt() : 0;
    b.corpo = fim < 0 ? QByteArray() : tudo.mid(fim + 4);
    return b;
}

// The value between two tags, as the program reads it; a null string when a tag is missing.
QString entre(const QString& texto, const QString& abre, const QString& fecha) {
    const int p = texto.indexOf(abre);
    const int q = texto.indexOf(fecha);
    if (p < 0 || q < 0 || q < p)
        return {};
    return texto.mid(p + abre.size(), q - p - abre.size());
}

int conta(const QByteArray& texto, const QByteArray& trecho) {
    return int(texto.count(trecho));
}

} // namespace

class TstServidor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void paginas_data();
    void paginas();
    void statusDaVersao_data();
    void statusDaVersao();
    void avisosNasTresLinguas_data();
    void avisosNasTresLinguas();
    void avisosDesligadosRespondem404();
    void paginaDeLinksTemCadaEntrada();
    void enderecosDaPaginaDeLinksAbrem();
    void arquivoDeLinksSubstituiERemove();
    void controleRecusaValorInvalidoSemMudarNada_data();
    void controleRecusaValorInvalidoSemMudarNada();
    void controleSoComAOpcao();
    void opcoesDaLinhaDeComando_data();
    void opcoesDaLinhaDeComando();
    void mudancaValeParaOMesmoCliente();
    void argumentosInvalidosEncerram_data();
    void argumentosInvalidosEncerram();

    void falhasSoNasPaginasOnline_data();
    void falhasSoNasPaginasOnline();
    void gotejandoPingaAResposta();
    void resetCortaAResposta();
    void lentaNaoResponde();
    void lixoNaoETextoNemTemTags();
    void enormeTemDezMegabytes();
    void redirecaoEmCirculo();

    void relatorioRail_data();
    void relatorioRail();
    void relatorioEscapaValores();
    void relatoriosDeChip_data();
    void relatoriosDeChip();
    void relatorioInvalido_data();
    void relatorioInvalido();
    void relatorioCom255Linhas();
    void pedidosMalformados_data();
    void pedidosMalformados();

    void apontaBancoParaOServidor_data();
    void apontaBancoParaOServidor();
    void apontaDoisEnderecos();
    void apontaRecusaEnderecoInvalido_data();
    void apontaRecusaEnderecoInvalido();

private:
    std::unique_ptr<ServidorTeste> m_servidor;
    QString base() const { return m_servidor->base(); }
};

void TstServidor::initTestCase() {
    m_servidor = std::make_unique<ServidorTeste>();
    QVERIFY2(m_servidor->pronto(), qPrintable(m_servidor->erro()));
}

// Every test starts from the defaults, whatever the one before left.
void TstServidor::init() {
    QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("nenhuma")));
}

// clang-format off
void TstServidor::paginas_data() {
    QTest::addColumn<QString>("caminho");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("contem");
    QTest::addColumn<QStringList>("naoContem");

    QTest::newRow("the probe page answers something") << "online" << 200 << QStringList{"OK"} << QStringList{};
    QTest::newRow("the version page carries the three fields")
        << "versao?v=2.42&t=2" << 200 << QStringList{"[i]OK[/i]", "[pg_u]", "[/pg_u]", "[pg_m]", "[/pg_m]"}
        << QStringList{};
    QTest::newRow("version page without t=2") << "versao?v=2.42" << 200 << QStringList{} << QStringList{"[i]"};
    QTest::newRow("version page with t=1") << "versao?v=2.42&t=1" << 200 << QStringList{} << QStringList{"[i]"};
    QTest::newRow("version page without v") << "versao?t=2" << 200 << QStringList{} << QStringList{"[i]"};
    QTest::newRow("a version with a tag in it is not echoed as one")
        << "versao?v=%5Bi%5DOBRIGATORIA%5B/i%5D&t=2" << 200 << QStringList{"[i]OK[/i]"}
        << QStringList{"[i]OBRIGATORIA"};
    QTest::newRow("link page without its key") << "links" << 403 << QStringList{} << QStringList{"[PG"};
    QTest::newRow("link page with a wrong key") << "links?k=582047" << 403 << QStringList{} << QStringList{"[PG"};
    QTest::newRow("I2C notes in Portuguese, lines split by <br>")
        << "i2c?p=VTARSEL&m=IP%207&b=0&l=1" << 200 << QStringList{"Meça SDA e SCL", "<br>"} << QStringList{"Measure"};
    QTest::newRow("I2C notes in English") << "i2c?p=VTARSEL&m=IP%208&b=7&l=2" << 200
                                          << QStringList{"Hydra", "<br>", "charging port"} << QStringList{"Mida"};
    QTest::newRow("I2C notes in Spanish") << "i2c?p=VTARSEL&m=IP%20X&b=6&l=3" << 200
                                          << QStringList{"Conector de batería"} << QStringList{"Battery"};
    QTest::newRow("I2C notes of an unknown model are empty")
        << "i2c?p=VTARSEL&m=IP%205&b=0&l=1" << 200 << QStringList{} << QStringList{"SDA", "<br>"};
    QTest::newRow("I2C notes of a bus the model lacks are empty")
        << "i2c?p=VTARSEL&m=IP%206&b=4&l=1" << 200 << QStringList{} << QStringList{"<br>"};
    QTest::newRow("I2C notes in a fourth language are empty")
        << "i2c?p=VTARSEL&m=IP%207&b=0&l=4" << 200 << QStringList{} << QStringList{"<br>"};
    QTest::newRow("I2C notes without the program's identifier are empty")
        << "i2c?m=IP%207&b=0&l=1" << 200 << QStringList{} << QStringList{"<br>"};
    QTest::newRow("update page") << "atualizacao" << 200 << QStringList{"<html", "2.50", "lang=\"en\"", "lang=\"es\""}
                                 << QStringList{};
    QTest::newRow("maintenance page") << "manutencao" << 200 << QStringList{"<html", "lang=\"es\""} << QStringList{};
    QTest::newRow("unknown page") << "naoexiste" << 404 << QStringList{} << QStringList{"[i]"};
}
// clang-format on

void TstServidor::paginas() {
    QFETCH(QString, caminho);
    QFETCH(int, status);
    QFETCH(QStringList, contem);
    QFETCH(QStringList, naoContem);
    const Baixado b = baixa(base() + caminho);
    QVERIFY(b.terminou);
    QCOMPARE(b.status, status);
    const QString texto = QString::fromUtf8(b.corpo);
    for (const QString& t : contem)
        QVERIFY2(texto.contains(t), qPrintable(t + QStringLiteral(" not in: ") + texto));
    for (const QString& t : naoContem)
        QVERIFY2(!texto.contains(t), qPrintable(t + QStringLiteral(" in: ") + texto));
}

// clang-format off
void TstServidor::statusDaVersao_data() {
    QTest::addColumn<QString>("versao");
    QTest::addColumn<bool>("temAbertura");
    QTest::addColumn<bool>("temFechamento");
    QTest::addColumn<QString>("status");

    QTest::newRow("OK") << "OK" << true << true << "OK";
    QTest::newRow("optional update") << "OPCIONAL" << true << true << "OPCIONAL";
    QTest::newRow("mandatory update") << "OBRIGATORIA" << true << true << "OBRIGATORIA";
    QTest::newRow("maintenance") << "MANUTENCAO" << true << true << "MANUTENCAO";
    QTest::newRow("an empty status") << "VAZIO" << true << true << "";
    QTest::newRow("no status tag at all") << "SEM_TAG" << false << false << "";
    QTest::newRow("a status tag never closed") << "TAG_ABERTA" << true << false << "";
    QTest::newRow("a status word the program does not know") << "OUTRO" << true << true << "BETA";
    QTest::newRow("names are read in any case") << "opcional" << true << true << "OPCIONAL";
}
// clang-format on

void TstServidor::statusDaVersao() {
    QFETCH(QString, versao);
    QFETCH(bool, temAbertura);
    QFETCH(bool, temFechamento);
    QFETCH(QString, status);
    QVERIFY(m_servidor->controla(versao, true));
    const Baixado b = baixa(base() + QStringLiteral("versao?v=2.42&t=2"));
    QCOMPARE(b.status, 200);
    const QString texto = QString::fromUtf8(b.corpo);
    QCOMPARE(texto.contains(QLatin1String("[i]")), temAbertura);
    QCOMPARE(texto.contains(QLatin1String("[/i]")), temFechamento);
    if (temAbertura && temFechamento)
        QCOMPARE(entre(texto, QStringLiteral("[i]"), QStringLiteral("[/i]")), status);
    if (temAbertura) {
        QCOMPARE(entre(texto, QStringLiteral("[pg_u]"), QStringLiteral("[/pg_u]")),
                 base() + QStringLiteral("atualizacao"));
        QCOMPARE(entre(texto, QStringLiteral("[pg_m]"), QStringLiteral("[/pg_m]")),
                 base() + QStringLiteral("manutencao"));
    }
}

void TstServidor::avisosNasTresLinguas_data() {
    QTest::addColumn<QString>("pagina");
    QTest::addColumn<QString>("trecho");
    QTest::newRow("update notice") << "aviso/atualizacao"
                                   << "2.50";
    QTest::newRow("maintenance notice") << "aviso/manutencao"
                                        << "Bras";
}

// Each section is the tag, one line break and the text: what the program keeps after skipping five
// characters is the text alone, and it names the version asked about where it says "you use".
void TstServidor::avisosNasTresLinguas() {
    QFETCH(QString, pagina);
    QFETCH(QString, trecho);
    const Baixado b = baixa(base() + pagina + QStringLiteral("?v=2.42"));
    QCOMPARE(b.status, 200);
    const QString texto = QString::fromUtf8(b.corpo);
    QVERIFY(!texto.contains(QLatin1String("404")));
    QStringList lidos;
    for (const QString& lingua : {QStringLiteral("BR"), QStringLiteral("EN"), QStringLiteral("ES")}) {
        const int p = texto.indexOf(QLatin1Char('[') + lingua + QLatin1Char(']'));
        const int q = texto.indexOf(QStringLiteral("[/") + lingua + QLatin1Char(']'));
        QVERIFY2(p >= 0 && q > p, qPrintable(lingua));
        QCOMPARE(texto.at(p + 4), QLatin1Char('\n'));
        const QString aviso = texto.mid(p + 5, q - p - 5);
        QVERIFY(aviso.contains(trecho));
        QVERIFY(!aviso.contains(QLatin1Char('[')));
        QVERIFY(!aviso.contains(QLatin1Char('\n')));
        lidos << aviso;
    }
    QCOMPARE(QSet<QString>(lidos.cbegin(), lidos.cend()).size(), 3);
    if (pagina.endsWith(QLatin1String("atualizacao")))
        QVERIFY(lidos.first().contains(QLatin1String("2.42")));
}

void TstServidor::avisosDesligadosRespondem404() {
    QVERIFY(m_servidor->controla(QStringLiteral("OBRIGATORIA"), false));
    for (const QString& pagina : {QStringLiteral("aviso/atualizacao"), QStringLiteral("aviso/manutencao")}) {
        const Baixado b = baixa(base() + pagina + QStringLiteral("?v=2.42"));
        QVERIFY(b.terminou);
        QVERIFY(b.corpo.contains("404"));
        QVERIFY(!b.corpo.contains("[BR]"));
    }
    // Switched back on, the notices are there again.
    QVERIFY(m_servidor->controla(QStringLiteral("OBRIGATORIA"), true));
    QVERIFY(baixa(base() + QStringLiteral("aviso/atualizacao?v=2.42")).corpo.contains("[BR]"));
}

// Entry 1 and entries 10 and 11 side by side: the closing bracket keeps "[PG1]" out of "[PG11]".
void TstServidor::paginaDeLinksTemCadaEntrada() {
    const Baixado b = baixa(base() + QStringLiteral("links?k=582046"));
    QCOMPARE(b.status, 200);
    const QString texto = QString::fromUtf8(b.corpo);
    const QMap<int, QString> esperado{{1, base() + QStringLiteral("produto")},
                                      {3, base() + QStringLiteral("video/porta-com")},
                                      {4, base() + QStringLiteral("contato/1")},
                                      {5, base() + QStringLiteral("contato/2")},
                                      {6, base() + QStringLiteral("suporte/1")},
                                      {7, base() + QStringLiteral("suporte/2")},
                                      {8, base() + QStringLiteral("suporte/3")},
                                      {9, base() + QStringLiteral("panic")},
                                      {10, base() + QStringLiteral("contato/3")},
                                      {11, base() + QStringLiteral("nand/erros-restauracao")},
                                      {51, QStringLiteral("S")},
                                      {52, QStringLiteral("N")},
                                      {53, QStringLiteral("S")}};
    for (auto it = esperado.cbegin(); it != esperado.cend(); ++it) {
        const QString n = QString::number(it.key());
        QCOMPARE(
            entre(texto, QStringLiteral("[PG") + n + QLatin1Char(']'), QStringLiteral("[/PG") + n + QLatin1Char(']')),
            it.value());
    }
    QVERIFY(!texto.contains(QLatin1String("[PG2]")));
    QCOMPARE(conta(b.corpo, "[PG"), esperado.size());
}

// Every address of the link page is a real page in the three languages.
void TstServidor::enderecosDaPaginaDeLinksAbrem() {
    const QString texto = QString::fromUtf8(baixa(base() + QStringLiteral("links?k=582046")).corpo);
    const QRegularExpression entrada(QStringLiteral("\\[PG(\\d+)\\](http[^\\[]*)\\[/PG\\1\\]"));
    int enderecos = 0;
    for (const auto& m : entrada.globalMatch(texto)) {
        const Baixado b = baixa(m.captured(2));
        QVERIFY2(b.status == 200, qPrintable(m.captured(2)));
        QVERIFY(b.tipo.startsWith("text/html"));
        QVERIFY(b.corpo.contains("lang=\"pt-BR\""));
        QVERIFY(b.corpo.contains("lang=\"en\""));
        QVERIFY(b.corpo.contains("lang=\"es\""));
        ++enderecos;
    }
    QCOMPARE(enderecos, 10);
}

void TstServidor::arquivoDeLinksSubstituiERemove() {
    QTemporaryFile arquivo;
    QVERIFY(arquivo.open());
    arquivo.write("# what a broken or hostile server could send\n"
                  "9=file:///etc/passwd\n"
                  "12=javascript:alert(1)\n"
                  "\n"
                  "51=N\n"
                  "52=\n");
    arquivo.close();
    ServidorTeste outro({QStringLiteral("--links"), arquivo.fileName()});
    QVERIFY2(outro.pronto(), qPrintable(outro.erro()));
    const QString texto = QString::fromUtf8(baixa(outro.base() + QStringLiteral("links?k=582046")).corpo);
    QCOMPARE(entre(texto, QStringLiteral("[PG9]"), QStringLiteral("[/PG9]")), QStringLiteral("file:///etc/passwd"));
    QCOMPARE(entre(texto, QStringLiteral("[PG12]"), QStringLiteral("[/PG12]")), QStringLiteral("javascript:alert(1)"));
    QCOMPARE(entre(texto, QStringLiteral("[PG51]"), QStringLiteral("[/PG51]")), QStringLiteral("N"));
    QVERIFY(!texto.contains(QLatin1String("[PG52]")));
    QCOMPARE(entre(texto, QStringLiteral("[PG1]"), QStringLiteral("[/PG1]")), outro.base() + QStringLiteral("produto"));
}

void TstServidor::controleRecusaValorInvalidoSemMudarNada_data() {
    QTest::addColumn<QString>("consulta");
    QTest::newRow("unknown status") << "versao=TALVEZ&falha=lenta";
    QTest::newRow("notices neither 0 nor 1") << "versao=MANUTENCAO&avisos=2";
    QTest::newRow("unknown fault") << "versao=MANUTENCAO&falha=explode";
}

void TstServidor::controleRecusaValorInvalidoSemMudarNada() {
    QFETCH(QString, consulta);
    const Baixado b = baixa(base() + QStringLiteral("controle?") + consulta);
    QCOMPARE(b.status, 400);
    // Nothing of the request was applied: still OK, notices on, no fault (the answer comes at once).
    const Baixado v = baixa(base() + QStringLiteral("versao?v=2.42&t=2"));
    QVERIFY(v.corpo.contains("[i]OK[/i]"));
    QVERIFY(baixa(base() + QStringLiteral("aviso/manutencao?v=2.42")).corpo.contains("[BR]"));
}

void TstServidor::controleSoComAOpcao() {
    ServidorTeste semControle({QStringLiteral("--versao"), QStringLiteral("OBRIGATORIA")});
    QVERIFY2(semControle.pronto(), qPrintable(semControle.erro()));
    QVERIFY(!semControle.controla(QStringLiteral("OK"), true));
    QVERIFY(baixa(semControle.base() + QStringLiteral("versao?v=2.42&t=2")).corpo.contains("[i]OBRIGATORIA[/i]"));
}

// clang-format off
void TstServidor::opcoesDaLinhaDeComando_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("pagina");
    QTest::addColumn<QByteArray>("contem");
    QTest::addColumn<QByteArray>("naoContem");

    QTest::newRow("a status chosen at start") << QStringList{"--versao", "MANUTENCAO"} << "versao?v=2.42&t=2"
                                              << QByteArray("[i]MANUTENCAO[/i]") << QByteArray("[i]OK");
    QTest::newRow("notices off at start") << QStringList{"--sem-avisos"} << "aviso/manutencao?v=2.42"
                                          << QByteArray("404") << QByteArray("[BR]");
    QTest::newRow("a fault chosen at start") << QStringList{"--falha", "lixo"} << "links?k=582046"
                                             << QByteArray() << QByteArray("[PG");
    QTest::newRow("a fault leaves the content pages alone") << QStringList{"--falha", "lixo"} << "produto"
                                                            << QByteArray("Voltrace Tarsel") << QByteArray("[PG");
}
// clang-format on

void TstServidor::opcoesDaLinhaDeComando() {
    QFETCH(QStringList, argumentos);
    QFETCH(QString, pagina);
    QFETCH(QByteArray, contem);
    QFETCH(QByteArray, naoContem);
    ServidorTeste s(argumentos);
    QVERIFY2(s.pronto(), qPrintable(s.erro()));
    const Baixado b = baixa(s.base() + pagina);
    QCOMPARE(b.status, 200);
    QVERIFY(b.corpo.contains(contem));
    QVERIFY(!b.corpo.contains(naoContem));
}

// A client that keeps its network manager (and would reuse a connection) meets the new settings on its
// next request: every answer closes its connection.
void TstServidor::mudancaValeParaOMesmoCliente() {
    QNetworkAccessManager rede;
    const auto pede = [&rede](const QString& url) {
        std::unique_ptr<QNetworkReply> r(rede.get(QNetworkRequest{QUrl(url)}));
        if (!QTest::qWaitFor([&r] { return r->isFinished(); }, 10000))
            return QByteArray("(no answer)");
        return r->readAll();
    };
    QVERIFY(pede(base() + QStringLiteral("versao?v=2.42&t=2")).contains("[i]OK[/i]"));
    QVERIFY(m_servidor->controla(QStringLiteral("OBRIGATORIA"), true, QStringLiteral("nenhuma")));
    QVERIFY(pede(base() + QStringLiteral("versao?v=2.42&t=2")).contains("[i]OBRIGATORIA[/i]"));
    QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("lixo")));
    QVERIFY(!pede(base() + QStringLiteral("versao?v=2.42&t=2")).contains("[i]"));
    QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("nenhuma")));
    QVERIFY(pede(base() + QStringLiteral("versao?v=2.42&t=2")).contains("[i]OK[/i]"));
}

void TstServidor::argumentosInvalidosEncerram_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::newRow("unknown status") << QStringList{"--versao", "TALVEZ"};
    QTest::newRow("unknown fault") << QStringList{"--falha", "explode"};
    QTest::newRow("port out of range") << QStringList{"--porta", "70000"};
    QTest::newRow("port not a number") << QStringList{"--porta", "oito"};
    QTest::newRow("link file missing") << QStringList{"--links", "/nao/existe/links.txt"};
    QTest::newRow("stray argument") << QStringList{"extra"};
}

void TstServidor::argumentosInvalidosEncerram() {
    QFETCH(QStringList, argumentos);
    ServidorTeste s(argumentos);
    QVERIFY(!s.pronto());
    QVERIFY(s.processo().state() == QProcess::NotRunning || s.processo().waitForFinished(5000));
    QCOMPARE(s.processo().exitStatus(), QProcess::NormalExit);
    QCOMPARE(s.processo().exitCode(), 2);
}

// clang-format off
void TstServidor::falhasSoNasPaginasOnline_data() {
    QTest::addColumn<QString>("falha");
    for (const char* f : {"lenta", "gotejando", "lixo", "reset", "enorme", "redirecao", "latin1", "marcas"})
        QTest::newRow(f) << QString::fromLatin1(f);
}
// clang-format on

// While an online page misbehaves, the content, report and control pages answer normally and at once,
// on other connections as on the one after.
void TstServidor::falhasSoNasPaginasOnline() {
    QFETCH(QString, falha);
    QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, falha));
    QNetworkAccessManager rede;
    std::unique_ptr<QNetworkReply> preso(rede.get(QNetworkRequest(QUrl(base() + QStringLiteral("versao?v=2.42&t=2")))));
    for (const QString& pagina : {QStringLiteral("produto"),
                                  QStringLiteral("relatorio/index.php?L1=1.2%20V&I1=1&IDIOMA=1"), QStringLiteral("")}) {
        const Baixado b = baixa(base() + pagina, 5000);
        QVERIFY2(b.terminou && b.status == 200, qPrintable(pagina));
        QVERIFY(b.corpo.contains("<html"));
    }
    QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("nenhuma")));
    QVERIFY(baixa(base() + QStringLiteral("versao?v=2.42&t=2"), 5000).corpo.contains("[i]OK[/i]"));
    preso->abort();
}

// The head comes at once and the body one byte a second: the first bytes arrive, the whole answer
// does not within two seconds.
void TstServidor::gotejandoPingaAResposta() {
    QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("gotejando")));
    QNetworkAccessManager rede;
    std::unique_ptr<QNetworkReply> r(rede.get(QNetworkRequest(QUrl(base() + QStringLiteral("versao?v=2.42&t=2")))));
    QByteArray recebido;
    QVERIFY(QTest::qWaitFor(
        [&] {
            recebido += r->readAll();
            return recebido.size() >= 2;
        },
        10000));
    QCOMPARE(r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    QVERIFY(QByteArray("<html").startsWith(recebido.left(5)));
    QVERIFY(!QTest::qWaitFor([&] { return r->isFinished(); }, 2000));
    recebido += r->readAll();
    QVERIFY(!recebido.contains("[/i]"));
    r->abort();
}

void TstServidor::resetCortaAResposta() {
    QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("reset")));
    for (const QString& pagina : {QStringLiteral("versao?v=2.42&t=2"), QStringLiteral("links?k=582046")}) {
        const Baixado b = baixa(base() + pagina);
        QVERIFY(b.terminou);
        QVERIFY2(b.erro != QNetworkReply::NoError, qPrintable(pagina));
        QVERIFY(!b.corpo.contains("[/pg_m]"));
        QVERIFY(!b.corpo.contains("[/PG53]"));
    }
}

void TstServidor::lentaNaoResponde() {
    QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("lenta")));
    const Baixado b = baixa(base() + QStringLiteral("online"), 1500);
    QVERIFY(!b.terminou);
}

void TstServidor::lixoNaoETextoNemTemTags() {
    QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("lixo")));
    for (const QString& pagina :
         {QStringLiteral("online"), QStringLiteral("versao?v=2.42&t=2"), QStringLiteral("aviso/atualizacao?v=2.42"),
          QStringLiteral("links?k=582046"), QStringLiteral("i2c?p=VT&m=IP%207&b=0&l=1")}) {
        const Baixado b = baixa(base() + pagina);
        QCOMPARE(b.status, 200);
        QVERIFY(b.corpo.size() > 100);
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString texto = utf8.decode(b.corpo);
        QVERIFY2(utf8.hasError(), qPrintable(pagina));
        for (const char* tag : {"[i]", "[BR]", "[PG", "<br>", "OK"})
            QVERIFY(!b.corpo.contains(tag));
    }
}

void TstServidor::enormeTemDezMegabytes() {
    QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("enorme")));
    const Baixado b = baixa(base() + QStringLiteral("versao?v=2.42&t=2"), 60000);
    QVERIFY(b.terminou);
    QCOMPARE(b.erro, QNetworkReply::NoError);
    QCOMPARE(b.corpo.size(), 10 * 1024 * 1024);
}

void TstServidor::redirecaoEmCirculo() {
    QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("redirecao")));
    const Baixado um = baixa(base() + QStringLiteral("versao?v=2.42&t=2"));
    QCOMPARE(um.status, 302);
    QCOMPARE(QUrl(base()).resolved(QUrl(QString::fromLatin1(um.destino))).toString(),
             base() + QStringLiteral("versao?v=2.42&t=2"));
    const Baixado seguindo = baixa(base() + QStringLiteral("versao?v=2.42&t=2"), 30000, true);
    QVERIFY(seguindo.terminou);
    QCOMPARE(seguindo.erro, QNetworkReply::TooManyRedirectsError);
}

// clang-format off
void TstServidor::relatorioRail_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QStringList>("contem");

    QTest::newRow("BUCK in Portuguese") << 2 << 1
        << QStringList{"Relatório BUCK", "Imprimir / Salvar como PDF", "lang=\"pt-BR\"", "Leitura", "Aprovado", "Reprovado"};
    QTest::newRow("LDO in English") << 1 << 2
        << QStringList{"Report LDO", "Print / Save as PDF", "lang=\"en\"", "Reading", "Pass", "Fail", "No deviation"};
    QTest::newRow("VCore in Spanish, with the net names") << 0 << 3
        << QStringList{"Informe VCore", "Imprimir / Guardar como PDF", "lang=\"es\"", "Malla", "PP_CPU", "Aprobado"};
}
// clang-format on

// The address the program builds for a rail report, opened on this server: one row per rail in order,
// each coloured by its status, the model, date and name shown, the texts in the report's language, a
// print button hidden on paper.
void TstServidor::relatorioRail() {
    QFETCH(int, tipo);
    QFETCH(int, idioma);
    QFETCH(QStringList, contem);
    PastaPrograma pasta;
    executaSql(pasta.banco(), QStringLiteral("update Tools set ServidorRelatorio = '%1'").arg(base()));
    const QList<LinhaRelatorio> linhas{
        {QStringLiteral("3. PP_CPU"), QStringLiteral("1.200 V"), QStringLiteral("1.2 V"), QStringLiteral("0 %"),
         QStringLiteral("1.200")},
        {QStringLiteral("PP_GPU"), QStringLiteral("1.400 V"), QStringLiteral("1.2 V"), QStringLiteral("16.6 %"),
         QStringLiteral("1.200")},
        {QStringLiteral("PP_SOC"), QStringLiteral("0.900 V"), QStringLiteral("0.9 V"), QString(),
         QStringLiteral("0.900")},
        {QStringLiteral("PP_DDR"), QStringLiteral("35.0 mA"), QString(), QString(), QString()}};
    const QString endereco = EnderecoRelatorio::monta(
        RelatorioRail::Pagina, RelatorioRail::pares(tipo, linhas, QStringLiteral("10/12/2026"), quint8(idioma),
                                                    QStringLiteral("IP 7 Plus"), QStringLiteral("Oficina Zé")));
    QVERIFY(endereco.startsWith(base() + QStringLiteral("relatorio/index.php?")));
    const Baixado b = baixa(endereco);
    QCOMPARE(b.status, 200);
    QVERIFY(b.tipo.startsWith("text/html"));
    const QString texto = QString::fromUtf8(b.corpo);
    for (const QString& t : contem)
        QVERIFY2(texto.contains(t), qPrintable(t));
    QVERIFY(texto.contains(QLatin1String("<dd id=\"modelo\">IP 7 Plus</dd>")));
    QVERIFY(texto.contains(QLatin1String("<dd id=\"data\">10/12/2026</dd>")));
    QVERIFY(texto.contains(QStringLiteral("<dd id=\"emp\">Oficina Zé</dd>")));
    QCOMPARE(conta(b.corpo, "<tr class=\"aprovado\">"), 2);
    QCOMPARE(conta(b.corpo, "<tr class=\"reprovado\">"), 1);
    QCOMPARE(conta(b.corpo, "<tr class=\"semdesvio\">"), 1);
    // Rows in the grid's order, each with its reading.
    const int gpu = texto.indexOf(QLatin1String("1.400 V"));
    QVERIFY(texto.indexOf(QLatin1String("1.200 V")) < gpu && gpu < texto.indexOf(QLatin1String("35.0 mA")));
    QVERIFY(texto.contains(QLatin1String("16.6 %")));
    QCOMPARE(texto.contains(QLatin1String("PP_GPU")), tipo == 0);
    QVERIFY(!texto.contains(QLatin1String("3. PP_CPU")));
    QVERIFY(texto.contains(QLatin1String("window.print()")));
    QVERIFY(texto.contains(QLatin1String("@media print{.naoimprime{display:none}")));
    QVERIFY(texto.contains(QLatin1String("class=\"naoimprime\"")));
}

// Whatever the query carries is shown as text: no markup, script or attribute gets through, and the
// page's policy allows no script but its own print button.
void TstServidor::relatorioEscapaValores() {
    const QString hostil = QStringLiteral("<script>alert(1)</script>\"><img src=x onerror=alert(2)>&amp;");
    QUrlQuery q;
    for (const QString& chave : {QStringLiteral("L1"), QStringLiteral("R1"), QStringLiteral("O1"), QStringLiteral("I1"),
                                 QStringLiteral("MODELO"), QStringLiteral("DATA"), QStringLiteral("EMP"),
                                 QStringLiteral("TIPO"), QStringLiteral("P1")})
        q.addQueryItem(chave, QString::fromLatin1(QUrl::toPercentEncoding(hostil)));
    q.addQueryItem(QStringLiteral("IDIOMA"), QStringLiteral("2"));
    const Baixado b = baixa(base() + QStringLiteral("relatorio/index.php?") + q.toString(QUrl::FullyEncoded));
    QCOMPARE(b.status, 200);
    QVERIFY(!b.corpo.contains("<script>alert"));
    QVERIFY(!b.corpo.contains("<img"));
    QVERIFY(!b.corpo.contains("onerror=alert(2)>"));
    QCOMPARE(
        conta(b.corpo, "&lt;script&gt;alert(1)&lt;/script&gt;&quot;&gt;&lt;img src=x onerror=alert(2)&gt;&amp;amp;"),
        8);
    QCOMPARE(conta(b.corpo, "<script>"), 1);
    QVERIFY(b.politica.startsWith("default-src 'none'"));
    QVERIFY(b.politica.contains("script-src 'sha256-"));
    const QByteArray scripts = b.politica.mid(b.politica.indexOf("script-src")).split(';').first();
    QVERIFY(!scripts.contains("unsafe"));
}

// clang-format off
void TstServidor::relatoriosDeChip_data() {
    QTest::addColumn<QString>("pagina");
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<QStringList>("contem");
    QTest::addColumn<int>("aprovados");
    QTest::addColumn<int>("reprovados");
    QTest::addColumn<int>("semDesvio");

    // As the chip screens write them: plain text, blanks as %20, True/False already 1/0.
    QTest::newRow("Chestnut, one rail low")
        << "chest.php"
        << "M1=PP6V0_DISPLAY_BOOST&L1=6.012 V&R1=6.0 V&P1=0.2 %&I1=1"
           "&M2=PN -5V7_DISPLAY_MESON_AVDDN&L2=-5.712 V   (12.5 mA)&R2=-5.7 V&P2=0.2 %&I2=1"
           "&M3=PP5V7_MESON_AVDDH&L3=5.700 V   (3.1 mA)&R3=5.7 V&P3=0 %&I3=1"
           "&M4=PP5V7_LCM_AVDDH&L4=5.690 V   (2.9 mA)&R4=5.7 V&P4=-0.1 %&I4=1"
           "&M5=PP5V1_TOUCH_VDDH&L5=4.100 V   (0.4 mA)&R5=5.1 V&P5=-19.6 %&I5=0"
           "&M6=PP_VDD_MAIN&L6=3.812 V&R6=-&P6=-&I6=1&DATA=10/12/2026&IDIOMA=1&MODELO=IP 7&EMP=Bancada 3"
        << QStringList{"Relatório Chestnut", "PP5V1_TOUCH_VDDH", "-19.6 %", "-5.712 V", "IP 7", "Bancada 3", "Linha"}
        << 5 << 1 << 0;
    QTest::newRow("Acorn in English, the last entries without judgement")
        << "acorn.php"
        << "M1=PP1V1_RACER&L1=1.102 V&R1=1.1 V&P1=0.1 %&I1=1&M2=PP3V5_RACER&L2=3.480 V&R2=3.5 V&P2=-0.5 %&I2=1"
           "&M3=PP5V25_TOUCH_VDDH&L3=5.250 V&R3=5.25 V&P3=0 %&I3=1&M4=PN6V7_RACER&L4=-6.700 V&R4=6.7 V&P4=0 %&I4=1"
           "&M5=PP10V0_RACER&L5=9.000 V&R5=10.0 V&P5=-10 %&I5=0&M6=PP1V8_TOUCH_RACER_S2&L6=1.800 V&R6=1.8 V&P6=0 %&I6=1"
           "&M7=PP1V1_S2&L7=1.100 V&R7=1.1 V&P7=0 %&I7=1&M8=PP_CP1_OUT_ACORN&L8=5.100 V&R8=-&P8=-&I8=3"
           "&M9=PP_BOOST1_ACORN&L9=7.400 V&R9=-&P9=-&I9=3&M10=GND&L10=0.000 V&R10=-&P10=-&I10=3"
           "&M11=PP_VDD_MAIN&L11=3.800 V&R11=-&P11=-&I11=3&DATA=12/10/2026&IDIOMA=2&MODELO=IP X&EMP="
        << QStringList{"Report Acorn", "PP10V0_RACER", "-10 %", "Print / Save as PDF", "IP X", "&mdash;"}
        << 6 << 1 << 4;
    QTest::newRow("Acorn encoded as the rail report is, in Spanish")
        << "acorn.php"
        << "M1=PP1V1_RACER&L1=1.102%20V&R1=1.1%20V&P1=0.1%20%25&I1=1&DATA=10%2F12%2F2026&IDIOMA=3&MODELO=IP%20X"
           "&EMP=T%26C%20Reparos"
        << QStringList{"Informe Acorn", "0.1 %", "T&amp;C Reparos", "10/12/2026"}
        << 1 << 0 << 0;
    QTest::newRow("plus signs, stray percent signs and UTF-8 kept as sent")
        << "chest.php"
        << "M1=PP_VDD_MAIN&L1=3.8 V&R1=-&P1=100%&I1=1&DATA=10/12/2026&IDIOMA=1&MODELO=IP 7&EMP=A+B 100% Consertos%C3%A9"
        << QStringList{"100%", "A+B 100% Consertosé"} << 1 << 0 << 0;
}
// clang-format on

void TstServidor::relatoriosDeChip() {
    QFETCH(QString, pagina);
    QFETCH(QString, consulta);
    QFETCH(QStringList, contem);
    QFETCH(int, aprovados);
    QFETCH(int, reprovados);
    QFETCH(int, semDesvio);
    consulta.replace(QLatin1Char(' '), QStringLiteral("%20"));
    const Baixado b = baixaAlvoBruto(base(), "/relatorio/" + pagina.toUtf8() + '?' + consulta.toUtf8());
    QCOMPARE(b.status, 200);
    const QString texto = QString::fromUtf8(b.corpo);
    for (const QString& t : contem)
        QVERIFY2(texto.contains(t), qPrintable(t));
    QCOMPARE(conta(b.corpo, "<tr class=\"aprovado\">"), aprovados);
    QCOMPARE(conta(b.corpo, "<tr class=\"reprovado\">"), reprovados);
    QCOMPARE(conta(b.corpo, "<tr class=\"semdesvio\">"), semDesvio);
}

void TstServidor::relatorioInvalido_data() {
    QTest::addColumn<QString>("alvo");
    QTest::addColumn<int>("status");
    QTest::newRow("no query") << "relatorio/index.php" << 400;
    QTest::newRow("only the tail keys") << "relatorio/chest.php?DATA=1&IDIOMA=1&MODELO=IP%207&EMP=x" << 400;
    QTest::newRow("broken percent signs and empty pairs") << "relatorio/acorn.php?%ZZ&&==&%&L=%C3%28" << 400;
    QTest::newRow("rows starting at 2") << "relatorio/index.php?L2=1&I2=1" << 400;
    QTest::newRow("an unknown report page") << "relatorio/outro.php?L1=1" << 404;
}

void TstServidor::relatorioInvalido() {
    QFETCH(QString, alvo);
    QFETCH(int, status);
    const Baixado b = baixa(base() + alvo);
    QVERIFY(b.terminou);
    QCOMPARE(b.status, status);
    if (status == 400)
        QVERIFY(b.corpo.contains("Relatório inválido"));
    QVERIFY(baixa(base() + QStringLiteral("online")).corpo == "OK");
}

// The longest report the program sends: 255 VCore rows.
void TstServidor::relatorioCom255Linhas() {
    PastaPrograma pasta;
    executaSql(pasta.banco(), QStringLiteral("update Tools set ServidorRelatorio = '%1'").arg(base()));
    QList<LinhaRelatorio> linhas;
    for (int i = 1; i <= 255; ++i)
        linhas.append({QStringLiteral("PP_REDE_%1").arg(i), QStringLiteral("1.%1 V").arg(i, 3, 10, QLatin1Char('0')),
                       QStringLiteral("1.2 V"), QStringLiteral("%1 %").arg(i % 20), QStringLiteral("1.200")});
    const QString endereco = EnderecoRelatorio::monta(
        RelatorioRail::Pagina,
        RelatorioRail::pares(0, linhas, QStringLiteral("10/12/2026"), 1, QStringLiteral("IP 8"), QStringLiteral("")));
    QVERIFY(endereco.size() > 16000);
    const Baixado b = baixa(endereco);
    QCOMPARE(b.status, 200);
    QCOMPARE(conta(b.corpo, "<tr class="), 255);
    QVERIFY(b.corpo.contains("PP_REDE_255"));
    // Deviations run 1 % to 19 % and round again: rows 10 to 19 of every twenty fail.
    QCOMPARE(conta(b.corpo, "<tr class=\"reprovado\">"), 126);
    QCOMPARE(conta(b.corpo, "<tr class=\"aprovado\">"), 129);
}

void TstServidor::pedidosMalformados_data() {
    QTest::addColumn<QByteArray>("pedido");
    QTest::addColumn<int>("status");
    QTest::newRow("not HTTP") << QByteArray("HELLO\r\n\r\n") << -1;
    QTest::newRow("a head over 64 KB") << ("GET /online?x=" + QByteArray(70000, 'a')) << 431;
    QTest::newRow("a report asked with POST") << QByteArray("POST /relatorio/index.php?L1=1&I1=1 HTTP/1.1\r\n"
                                                            "Content-Length: 0\r\n\r\n")
                                              << -1;
    QTest::newRow("a target that is not a path") << QByteArray("GET * HTTP/1.1\r\n\r\n") << -1;
}

// Whatever a client sends, the server answers or closes, and the next request is served.
void TstServidor::pedidosMalformados() {
    QFETCH(QByteArray, pedido);
    QFETCH(int, status);
    const QUrl url(base());
    QTcpSocket socket;
    socket.connectToHost(url.host(), quint16(url.port()));
    QVERIFY(socket.waitForConnected(5000));
    socket.write(pedido);
    QByteArray resposta;
    QVERIFY(QTest::qWaitFor(
        [&] {
            resposta += socket.readAll();
            return resposta.contains("\r\n\r\n") || socket.state() == QAbstractSocket::UnconnectedState;
        },
        10000));
    if (status > 0)
        QVERIFY2(resposta.startsWith("HTTP/1.1 " + QByteArray::number(status)), resposta.left(60).constData());
    else if (!resposta.isEmpty())
        QVERIFY(!resposta.startsWith("HTTP/1.1 2"));
    QCOMPARE(baixa(base() + QStringLiteral("online")).corpo, QByteArray("OK"));
}

void TstServidor::apontaBancoParaOServidor_data() {
    QTest::addColumn<bool>("bancoAntigo");
    QTest::newRow("the built database") << false;
    QTest::newRow("a database made before the server columns") << true;
}

// The demo's step: the program folder's database names this server for the online and the report pages.
void TstServidor::apontaBancoParaOServidor() {
    QFETCH(bool, bancoAntigo);
    PastaPrograma pasta(!bancoAntigo);
    if (bancoAntigo) {
        QFile novo(pasta.banco());
        QVERIFY(novo.open(QIODevice::WriteOnly));
        novo.close();
        executaSql(pasta.banco(), QStringLiteral("create table Tools (Nome text collate nocase);"
                                                 "insert into Tools (Nome) values ('Oficina')"));
    }
    QProcess banco;
    banco.start(QStringLiteral(TARSEL_BANCO), {QStringLiteral("--aponta"), pasta.banco(), base()});
    QVERIFY(banco.waitForFinished(10000));
    QCOMPARE(banco.exitCode(), 0);
    Banco b(pasta.banco(), Banco::Modo::SomenteLeitura);
    QCOMPARE(b.valor(QStringLiteral("select Servidor from Tools")).toString(), base());
    QCOMPARE(b.valor(QStringLiteral("select ServidorRelatorio from Tools")).toString(), base());
    QCOMPARE(EnderecoRelatorio::servidor(), base());
    if (bancoAntigo)
        QCOMPARE(b.valor(QStringLiteral("select Nome from Tools")).toString(), QStringLiteral("Oficina"));
}

// The demo's last step: back to the product's two addresses.
void TstServidor::apontaDoisEnderecos() {
    PastaPrograma pasta;
    QProcess banco;
    banco.start(QStringLiteral(TARSEL_BANCO), {QStringLiteral("--aponta"), pasta.banco(), base(),
                                               QStringLiteral("https://relatorio.example.com.br")});
    QVERIFY(banco.waitForFinished(10000));
    QCOMPARE(banco.exitCode(), 0);
    Banco b(pasta.banco(), Banco::Modo::SomenteLeitura);
    QCOMPARE(b.valor(QStringLiteral("select Servidor from Tools")).toString(), base());
    QCOMPARE(b.valor(QStringLiteral("select ServidorRelatorio from Tools")).toString(),
             QStringLiteral("https://relatorio.example.com.br/"));
}

void TstServidor::apontaRecusaEnderecoInvalido_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::newRow("not an address") << QStringList{"--aponta", "Config.tsl", "servidor"};
    QTest::newRow("another scheme") << QStringList{"--aponta", "Config.tsl", "file:///etc/"};
    QTest::newRow("address missing") << QStringList{"--aponta", "Config.tsl"};
    QTest::newRow("a bad report address") << QStringList{"--aponta", "Config.tsl", "http://127.0.0.1:1/", "ftp://x/"};
}

void TstServidor::apontaRecusaEnderecoInvalido() {
    QFETCH(QStringList, argumentos);
    PastaPrograma pasta;
    argumentos.replace(1, pasta.banco());
    QProcess banco;
    banco.start(QStringLiteral(TARSEL_BANCO), argumentos);
    QVERIFY(banco.waitForFinished(10000));
    QCOMPARE(banco.exitCode(), 2);
    Banco b(pasta.banco(), Banco::Modo::SomenteLeitura);
    QCOMPARE(b.valor(QStringLiteral("select Servidor from Tools")).toString(),
             QStringLiteral("https://www.voltracetarsel.com.br/"));
}

QTEST_GUILESS_MAIN(TstServidor)
#include "tst_servidor.moc"
