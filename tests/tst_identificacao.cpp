// Which phone is on the bench: the model table, the number in the answer, and both ways of reading
// it (right after connecting, and the re-reading with its retry and its tick limit).

#include "Apoio.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Enlace.h"
#include "link/Identificacao.h"
#include "link/MapaPortas.h"
#include "link/PainelConexao.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

using namespace tarsel;

namespace {

using teste::PainelGravado;

// A phone on a pseudo-terminal that answers each command line with the next answer of its script.
class AparelhoRoteirizado {
public:
    AparelhoRoteirizado(const QString& pasta, int porta, QList<QByteArray> respostas)
        : m_respostas(std::move(respostas)) {
        m_fd = teste::AbreTerminalAparelho(pasta, porta);
        if (m_fd < 0)
            return;
        m_aviso = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        QObject::connect(m_aviso.get(), &QSocketNotifier::activated, [this] { le(); });
    }
    ~AparelhoRoteirizado() {
        m_aviso.reset();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool valido() const { return m_fd >= 0; }
    QStringList comandos;

private:
    void le() {
        char buf[512];
        ssize_t n;
        while ((n = ::read(m_fd, buf, sizeof buf)) > 0)
            m_linha.append(buf, n);
        if (n == 0 || (n < 0 && errno != EAGAIN)) {
            m_aviso->setEnabled(false); // the program closed its end
            return;
        }
        qsizetype fim;
        while ((fim = m_linha.indexOf('\r')) >= 0) {
            comandos << QString::fromLatin1(m_linha.left(fim));
            m_linha.remove(0, fim + 1);
            if (!m_respostas.isEmpty()) {
                const QByteArray r = m_respostas.takeFirst();
                ::write(m_fd, r.constData(), r.size());
            }
        }
    }

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_aviso;
    QList<QByteArray> m_respostas;
    QByteArray m_linha;
};

const QByteArray Prompt = "[0A1B2C3D:4E5F6071] :-) ";

QByteArray respostaModelo(const QByteArray& linha) {
    // The shell echoes the typed line with its CR, then LF.
    return "syscfg print RMd#\r\n" + linha + "\n" + Prompt;
}

// The console as the link holds it after the model query: CR LF, then the converted answer.
QString console(const QByteArray& resposta) {
    return QStringLiteral("\r\n") + QString::fromLatin1(resposta).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QStringList textos(const QStringList& chaves) {
    QStringList t;
    for (const QString& c : chaves)
        t << MontaMensagem(c, globais().IdiomaAtual, globais().portaAtual())->texto;
    return t;
}

const QByteArray Recusa = "syscfg print RMd#\r\nCommand not recognised: syscfg\n" + Prompt;

} // namespace

class TstIdentificacao : public QObject {
    Q_OBJECT

    QTemporaryDir m_pasta;
    int m_porta = 0;

private slots:
    void initTestCase() {
        QVERIFY(m_pasta.isValid());
        QDir(m_pasta.path()).mkpath(QStringLiteral("ports"));
    }

    void init() {
        globais().IdiomaAtual = 1;
        globais().TelaAtiva = QStringLiteral("0");
        globais().EspelhoAtivo = false;
        ++m_porta;
    }

    void familiaDoModelo_data() {
        QTest::addColumn<QStringList>("numeros");
        QTest::addColumn<QString>("familia");
        QTest::newRow("IP 6") << QStringList{"A1549", "A1586", "A1589"} << "IP 6";
        QTest::newRow("IP 6 Plus") << QStringList{"A1524", "A1593", "A1522"} << "IP 6 Plus";
        QTest::newRow("IP 6s") << QStringList{"A1700", "A1633", "A1688"} << "IP 6s";
        QTest::newRow("IP 6s Plus") << QStringList{"A1634", "A1687", "A1699"} << "IP 6s Plus";
        QTest::newRow("IP 7") << QStringList{"A1779", "A1660", "A1778"} << "IP 7";
        QTest::newRow("IP 7 Plus") << QStringList{"A1784", "A1785", "A1661"} << "IP 7 Plus";
        QTest::newRow("IP 8") << QStringList{"A1906", "A1863", "A1905"} << "IP 8";
        QTest::newRow("IP 8 Plus") << QStringList{"A1864", "A1897", "A1898"} << "IP 8 Plus";
        QTest::newRow("IP X") << QStringList{"A1865", "A1901", "A1902"} << "IP X";
        QTest::newRow("a number outside the table has no family") << QStringList{"A2111", "A1000"} << "";
        QTest::newRow("the match is case-sensitive") << QStringList{"a1778"} << "";
        QTest::newRow("the whole text must match") << QStringList{"A1778 ", " A1778", "A17780", "A177"} << "";
        QTest::newRow("an empty number has no family") << QStringList{""} << "";
    }
    void familiaDoModelo() {
        QFETCH(QStringList, numeros);
        QFETCH(QString, familia);
        for (const QString& n : numeros)
            QCOMPARE(Identificacao::FamiliaDoModelo(n), familia);
    }

    void leNumero_data() {
        QTest::addColumn<QString>("console");
        QTest::addColumn<bool>("usavel");
        QTest::addColumn<QString>("numero");
        QTest::newRow("the answer as the phone gives it") << console(respostaModelo("A1778")) << true << "A1778";
        QTest::newRow("a longer number is taken whole") << console(respostaModelo("A12345")) << true << "A12345";
        QTest::newRow("an empty answer line gives an empty number")
            << console(respostaModelo("")).remove(0, 2) << true << "";
        QTest::newRow("without the echo the number is cut short")
            << QStringLiteral("\r\nA1778\r\n[0A1B] :-) ") << true << "1778";
        QTest::newRow("no prompt gives nothing")
            << QStringLiteral("\r\nsyscfg print RMd#\r\r\nA1778\r\n") << false << "";
        QTest::newRow("a prompt at the second position gives nothing") << QStringLiteral("#[") << false << "";
        QTest::newRow("a prompt ahead of the echo gives nothing rather than a failure")
            << QStringLiteral("\r\n[0A1B] :-) syscfg print RMd#\r\r\nA1778\r\n") << false << "";
        QTest::newRow("a prompt right after the echo gives nothing")
            << QStringLiteral("\r\nsyscfg print RMd#\r\r\n[") << false << "";
        QTest::newRow("the empty answer of a silent phone gives nothing") << QStringLiteral("\r\n") << false << "";
        QTest::newRow("an empty console gives nothing") << QString() << false << "";
    }
    void leNumero() {
        QFETCH(QString, console);
        QFETCH(bool, usavel);
        QFETCH(QString, numero);
        const std::optional<QString> n = Identificacao::LeNumero(console);
        QCOMPARE(n.has_value(), usavel);
        if (usavel)
            QCOMPARE(*n, numero);
    }

    // The connect variant on a first answer that needs no second query.
    void varianteConexao_data() {
        QTest::addColumn<QString>("console");
        QTest::addColumn<bool>("conhecido");
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("aparelho");
        QTest::addColumn<QStringList>("caixas");
        QTest::addColumn<bool>("foco");
        QTest::addColumn<bool>("limpa");

        const QStringList avisos{QStringLiteral("MSG_ERRO_NAND"), QStringLiteral("MSG_SELECIONE_MODELO")};
        QTest::newRow("a known number sets the label and the family")
            << console(respostaModelo("A1865")) << true << "A1865"
            << "IP X" << QStringList() << false << true;
        QTest::newRow("a number outside the table is shown between asterisks and the user asked to choose")
            << console(respostaModelo("A2111")) << false << "*A2111*"
            << "IP 6" << avisos << true << true;
        QTest::newRow("a missing driver asks the user to choose")
            << console(respostaModelo("SystemConfig Driver is missing!")) << false << "antes"
            << "IP 6" << avisos << true << false;
        QTest::newRow("an answer without a prompt changes nothing")
            << QStringLiteral("\r\nsyscfg print RMd#\r\r\nA1778\r\n") << false << "antes"
            << "IP 6" << QStringList() << false << false;
    }
    void varianteConexao() {
        QFETCH(QString, console);
        QFETCH(bool, conhecido);
        QFETCH(QString, rotulo);
        QFETCH(QString, aparelho);
        QFETCH(QStringList, caixas);
        QFETCH(bool, foco);
        QFETCH(bool, limpa);

        DialogosRoteiro d;
        PainelGravado painel;
        painel.modelo = QStringLiteral("antes");
        Enlace e;
        e.defineEstado(EstadoEnlace::Ocioso);
        e.defineComando(ConsultaModelo);
        e.defineConsole(console);
        Identificacao id(e, painel);

        QCOMPARE(id.VarianteConexao(), conhecido);
        QCOMPARE(painel.modelo, rotulo);
        QCOMPARE(painel.aparelho, aparelho);
        QCOMPARE(d.textos(), textos(caixas));
        QCOMPARE(painel.focos, foco ? 1 : 0);
        QCOMPARE(e.txtConsole().isEmpty(), limpa);
        QCOMPARE(e.txtComandos().isEmpty(), limpa);
        QVERIFY(!id.TimerVerificaVersao().isActive());
    }

    void releituraSoComEnlaceLivre() {
        PainelGravado painel;
        painel.modelo = QStringLiteral("A1778");
        Enlace e;
        e.defineEstado(EstadoEnlace::Comunicando);
        e.defineComando(QStringLiteral("pmuadc --read all"));
        Identificacao id(e, painel);
        id.AtualizaModelo();
        QCOMPARE(painel.modelo, QStringLiteral("A1778"));
        QCOMPARE(e.txtComandos(), QStringLiteral("pmuadc --read all"));
        QVERIFY(!id.TimerVerificaVersao().isActive());
    }

    // A re-reading against a phone that answers each query with the next answer of the script.
    // `primeira` empty starts with AtualizaModelo; otherwise it is the first answer of a connection.
    void releitura_data() {
        QTest::addColumn<QString>("primeira");
        QTest::addColumn<QList<QByteArray>>("respostas");
        QTest::addColumn<int>("consultas");
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("aparelho");
        QTest::addColumn<QStringList>("caixas");
        QTest::addColumn<bool>("consoleVazio");
        QTest::addColumn<int>("ticks"); // counted ticks of the re-reading timer when it stopped

        const QStringList avisos{QStringLiteral("MSG_ERRO_NAND"), QStringLiteral("MSG_SELECIONE_MODELO")};
        QTest::newRow("a re-reading finds a known number")
            << QString() << QList<QByteArray>{respostaModelo("A1778")} << 1 << "A1778"
            << "IP 7" << QStringList() << true << 1;
        QTest::newRow("a refused query is sent once more")
            << QString() << QList<QByteArray>{Recusa, respostaModelo("A1901")} << 2 << "A1901"
            << "IP X" << QStringList() << true << 1;
        QTest::newRow("a query refused twice ends without a word")
            << QString() << QList<QByteArray>{Recusa, Recusa, respostaModelo("A1901")} << 2 << "..."
            << "IP 6" << QStringList() << false << 1;
        QTest::newRow("Not Found asks the user to choose once the ticks run out")
            << QString() << QList<QByteArray>{respostaModelo("Serial Not Found")} << 1 << "..."
            << "IP 6" << avisos << false << 15;
        QTest::newRow("an answer that mentions Found is left alone")
            << QString() << QList<QByteArray>{respostaModelo("Key Found: A1778")} << 1 << "..."
            << "IP 6" << QStringList() << false << 15;
        QTest::newRow("a number outside the table is shown between asterisks")
            << QString() << QList<QByteArray>{respostaModelo("A2111")} << 1 << "*A2111*"
            << "IP 6" << avisos << true << 1;
        QTest::newRow("a number that does not start with A ends the re-reading")
            << QString() << QList<QByteArray>{respostaModelo("B1778")} << 1 << "..."
            << "IP 6" << QStringList() << false << 1;
        QTest::newRow("a first answer the shell refused starts a re-reading")
            << console(Recusa) << QList<QByteArray>{respostaModelo("A1688")} << 1 << "A1688"
            << "IP 6s" << QStringList() << true << 1;
        QTest::newRow("a first answer whose number does not start with A starts a re-reading")
            << console(respostaModelo("X1")) << QList<QByteArray>{respostaModelo("A1634")} << 1 << "A1634"
            << "IP 6s Plus" << QStringList() << true << 1;
    }
    void releitura() {
        QFETCH(QString, primeira);
        QFETCH(QList<QByteArray>, respostas);
        QFETCH(int, consultas);
        QFETCH(QString, rotulo);
        QFETCH(QString, aparelho);
        QFETCH(QStringList, caixas);
        QFETCH(bool, consoleVazio);
        QFETCH(int, ticks);

        DialogosRoteiro d;
        AparelhoRoteirizado fone(m_pasta.path(), m_porta, respostas);
        QVERIFY(fone.valido());
        PainelGravado painel;
        painel.modelo = QStringLiteral("antes");
        Enlace e;
        e.defineModeloBox(QStringLiteral("1"));
        e.abre(m_porta, m_pasta.path());
        e.defineEstado(EstadoEnlace::Ocioso);
        Identificacao id(e, painel);

        QStringList rotulos;
        if (primeira.isEmpty()) {
            id.AtualizaModelo();
            QCOMPARE(painel.modelo, QStringLiteral("..."));
        } else {
            e.defineConsole(primeira);
            QVERIFY(!id.VarianteConexao());
            QCOMPARE(painel.modelo, QStringLiteral("..."));
        }
        QVERIFY(id.TimerVerificaVersao().isActive());
        QCOMPARE(e.Status(), QStringLiteral("3"));

        QTRY_VERIFY_WITH_TIMEOUT(!id.TimerVerificaVersao().isActive() && e.Status() == QLatin1String("1"), 10000);
        QCOMPARE(fone.comandos.size(), consultas);
        for (const QString& c : fone.comandos)
            QCOMPARE(c, ConsultaModelo);
        QCOMPARE(painel.modelo, rotulo);
        QCOMPARE(painel.aparelho, aparelho);
        QCOMPARE(d.textos(), textos(caixas));
        QCOMPARE(painel.focos, caixas.isEmpty() ? 0 : 1);
        QCOMPARE(e.txtConsole().isEmpty(), consoleVazio);
        QCOMPARE(id.ticks(), ticks);
    }

    void notFoundSoContaTicksComEnlaceLivre() {
        DialogosRoteiro d;
        AparelhoRoteirizado fone(m_pasta.path(), m_porta, {respostaModelo("Serial Not Found")});
        PainelGravado painel;
        Enlace e;
        e.defineModeloBox(QStringLiteral("2")); // the answer takes seven polls of 500 ms
        e.abre(m_porta, m_pasta.path());
        e.defineEstado(EstadoEnlace::Ocioso);
        Identificacao id(e, painel);
        int ticksNaEntrega = -1;
        int tentativasNaEntrega = -1;
        connect(&e, &Enlace::entregue, &e, [&] {
            ticksNaEntrega = id.ticks();
            tentativasNaEntrega = id.tentativas();
        });
        id.AtualizaModelo();
        // While the query ran (seven polls of 500 ms) the re-reading timer ticked without counting.
        QTRY_COMPARE_WITH_TIMEOUT(ticksNaEntrega, 0, 10000);
        QCOMPARE(tentativasNaEntrega, 0);
        QTRY_COMPARE(d.caixas.size(), 2);
        QCOMPARE(id.ticks(), 15);
    }

    void desconexaoParaAReleitura() {
        AparelhoRoteirizado fone(m_pasta.path(), m_porta, {respostaModelo("Key Found")});
        PainelGravado painel;
        Enlace e;
        e.defineModeloBox(QStringLiteral("1"));
        e.abre(m_porta, m_pasta.path());
        e.defineEstado(EstadoEnlace::Ocioso);
        Identificacao id(e, painel);
        id.AtualizaModelo();
        QTRY_COMPARE(e.Status(), QStringLiteral("1"));
        QVERIFY(id.TimerVerificaVersao().isActive());
        e.fecha();
        e.defineEstado(EstadoEnlace::Desconectado);
        QVERIFY(!id.TimerVerificaVersao().isActive());
    }
};

QTEST_GUILESS_MAIN(TstIdentificacao)
#include "tst_identificacao.moc"
