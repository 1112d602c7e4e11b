// The command transaction on a real serial port: a pseudo-terminal whose other end the test plays,
// so that the test decides exactly which bytes are there at each poll.

#include "Apoio.h"
#include "base/Dialogos.h"
#include "base/DialogosRoteiro.h"
#include "base/ErroVB.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Enlace.h"
#include "link/ErroSerial.h"
#include "link/MapaPortas.h"
#include "link/TextoConsole.h"

#include <QDir>
#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

using namespace tarsel;

namespace {

// The device end of a pseudo-terminal, linked as ports/COM<n> of a program folder.
class Aparelho {
public:
    Aparelho(const QString& pasta, int porta) { m_fd = tarsel::teste::AbreTerminalAparelho(pasta, porta, &m_escravo); }
    ~Aparelho() { desliga(); }

    bool valido() const { return m_fd >= 0 && !m_escravo.isEmpty(); }
    void envia(const QByteArray& dados) {
        if (m_fd >= 0)
            QCOMPARE(::write(m_fd, dados.constData(), dados.size()), ssize_t(dados.size()));
    }
    // Everything the program has written so far.
    QByteArray recebido() {
        char buf[4096];
        ssize_t n;
        while (m_fd >= 0 && (n = ::read(m_fd, buf, sizeof buf)) > 0)
            m_recebido.append(buf, n);
        return m_recebido;
    }
    // Hangs up: the program's side of the line goes dead.
    void desliga() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
    QString m_escravo;
    QByteArray m_recebido;
};

const QString Titulo = QStringLiteral("Voltrace Tarsel v.2.42");
const QByteArray Prompt = "[0A1B2C3D:4E5F6071] :-) ";

QString textoMensagem(const QString& chave) {
    return MontaMensagem(chave, globais().IdiomaAtual, globais().portaAtual())->texto;
}

} // namespace

class TstEnlace : public QObject {
    Q_OBJECT

    QTemporaryDir m_pasta;
    int m_porta = 0;

    QString pasta() const { return m_pasta.path(); }

private slots:
    void initTestCase() {
        QVERIFY(m_pasta.isValid());
        QDir(pasta()).mkpath(QStringLiteral("ports"));
    }

    void init() {
        auto& g = globais();
        g.IdiomaAtual = 1;
        g.TituloPrincipal = Titulo;
        g.TelaAtiva = QStringLiteral("0");
        g.EspelhoAtivo = false;
        ++m_porta; // every test its own number: a lock left by a previous one cannot interfere
    }

    void modeloBoxDefineIntervaloELimite_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<int>("intervalo");
        QTest::addColumn<int>("limite");
        QTest::newRow("BOX model 1 polls every 100 ms, 200 times at most") << QStringLiteral("1") << 100 << 200;
        QTest::newRow("BOX model 2 polls every 500 ms, 100 times at most") << QStringLiteral("2") << 500 << 100;
        QTest::newRow("an unknown BOX model polls every 100 ms up to the counter's end")
            << QStringLiteral("G7") << 100 << 255;
        QTest::newRow("an empty BOX model is unknown too") << QString() << 100 << 255;
    }
    void modeloBoxDefineIntervaloELimite() {
        QFETCH(QString, modelo);
        QFETCH(int, intervalo);
        QFETCH(int, limite);
        Enlace e;
        e.defineModeloBox(QStringLiteral("2"));
        e.defineModeloBox(modelo);
        QCOMPARE(e.Timer1().interval(), intervalo);
        QCOMPARE(e.Timer2().interval(), intervalo);
        QCOMPARE(e.limiteLeituras(), limite);
    }

    void consoleTrocaLFPorCRLF_data() {
        QTest::addColumn<QStringList>("trechos");
        QTest::addColumn<QString>("console");
        QTest::newRow("line feeds become CR LF")
            << QStringList{QStringLiteral("a\nb\n")} << QStringLiteral("a\r\nb\r\n");
        QTest::newRow("a device that sends CR LF gets CR CR LF")
            << QStringList{QStringLiteral("a\r\n")} << QStringLiteral("a\r\r\n");
        QTest::newRow("chunks are appended in order")
            << QStringList{QStringLiteral("ab"), QStringLiteral("\n"), QStringLiteral("c")}
            << QStringLiteral("ab\r\nc");
        QTest::newRow("a lone CR stays") << QStringList{QStringLiteral("x\ry")} << QStringLiteral("x\ry");
    }
    void consoleTrocaLFPorCRLF() {
        QFETCH(QStringList, trechos);
        QFETCH(QString, console);
        Enlace e;
        QSignalSpy mudou(&e, &Enlace::consoleMudou);
        for (const QString& t : trechos)
            e.AdicionaDadosConsole(t);
        QCOMPARE(e.txtConsole(), console);
        QCOMPARE(mudou.size(), trechos.size());
        QString junto;
        for (const auto& args : mudou) {
            QCOMPARE(args.at(1).toBool(), false);
            junto += args.at(0).toString();
        }
        QCOMPARE(junto, console);
    }

    void respostaSemOComando_data() {
        QTest::addColumn<QString>("console");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("R");
        QTest::newRow("the echo is removed") << QStringLiteral("\r\nnanduid\r\r\nABC\r\n") << QStringLiteral("nanduid")
                                             << QStringLiteral("\r\n\r\r\nABC\r\n");
        QTest::newRow("the command elsewhere in the answer goes too")
            << QStringLiteral("bl 10\r\nset bl 10 ok\r\n") << QStringLiteral("bl 10")
            << QStringLiteral("\r\nset  ok\r\n");
        QTest::newRow("removal is case-sensitive")
            << QStringLiteral("help\r\nHELP text") << QStringLiteral("help") << QStringLiteral("\r\nHELP text");
        QTest::newRow("an empty command removes nothing")
            << QStringLiteral("abc") << QString() << QStringLiteral("abc");
    }
    void respostaSemOComando() {
        QFETCH(QString, console);
        QFETCH(QString, comando);
        QFETCH(QString, R);
        const Resposta r = Resposta::de(6, comando, console);
        QCOMPARE(r.R, R);
        QCOMPARE(r.console, console);
        QCOMPARE(r.codigo, 6);
    }

    // R is kept as the console grows; whatever the chunking, it is the whole text without the command.
    void rAcompanhaOConsole_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QStringList>("trechos");
        QTest::newRow("the echo arrives whole in the first chunk")
            << QStringLiteral("nanduid") << QStringList{QStringLiteral("\r\nnanduid\r\r\nABC"), QStringLiteral("\r\n")};
        QTest::newRow("the echo is split across two chunks")
            << QStringLiteral("pmuadc --read all")
            << QStringList{QStringLiteral("\r\npmuadc --re"), QStringLiteral("ad all\r\r\nBIST buck0: 1 mV\r\n")};
        QTest::newRow("the command comes one character a chunk")
            << QStringLiteral("bl 10")
            << QStringList{QStringLiteral("x"), QStringLiteral("b"), QStringLiteral("l"), QStringLiteral(" "),
                           QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("y")};
        QTest::newRow("a removal does not join the text around it into a new occurrence")
            << QStringLiteral("ab") << QStringList{QStringLiteral("a"), QStringLiteral("ab"), QStringLiteral("b")};
        QTest::newRow("overlapping occurrences are taken from the left")
            << QStringLiteral("aa") << QStringList{QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("a")};
        QTest::newRow("the start of the command at the end of the text stays")
            << QStringLiteral("nanduid") << QStringList{QStringLiteral("x"), QStringLiteral("nand")};
        QTest::newRow("one chunk holds several occurrences")
            << QStringLiteral("ok")
            << QStringList{QStringLiteral("ok ok\r\nokok"), QStringLiteral("o"), QStringLiteral("k")};
        QTest::newRow("another case is no occurrence")
            << QStringLiteral("help") << QStringList{QStringLiteral("HELP help")};
        QTest::newRow("an empty command removes nothing")
            << QString() << QStringList{QStringLiteral("abc"), QStringLiteral("d")};
    }
    void rAcompanhaOConsole() {
        QFETCH(QString, comando);
        QFETCH(QStringList, trechos);
        TextoConsole t;
        t.substitui(QStringLiteral("answer of the previous command"));
        t.substitui(QString());
        t.defineComando(comando);
        for (const QString& trecho : trechos) {
            t.acrescenta(trecho);
            QCOMPARE(t.R(), Resposta::semComando(t.texto(), comando));
        }
        QCOMPARE(t.texto(), trechos.join(QString()));
        // The text stays; a new command or a replaced text gives R afresh.
        t.defineComando(QStringLiteral("a"));
        QCOMPARE(t.R(), Resposta::semComando(t.texto(), QStringLiteral("a")));
        t.acrescenta(QStringLiteral("bab"));
        QCOMPARE(t.R(), Resposta::semComando(t.texto(), QStringLiteral("a")));
        t.substitui(QStringLiteral("\r\n"));
        QCOMPARE(t.R(), QStringLiteral("\r\n"));
    }

    void aberturaMapeiaOsErros_data() {
        QTest::addColumn<QString>("alvo");
        QTest::addColumn<int>("porta");
        QTest::addColumn<int>("numero");
        QTest::newRow("a port without a link is an invalid number") << QString() << 1 << 8002;
        QTest::newRow("a dangling link is an invalid number") << QStringLiteral("/nao/existe") << 1 << 8002;
        QTest::newRow("port 0 is an invalid number") << QString() << 0 << 8002;
        QTest::newRow("a regular file is not a usable device") << QStringLiteral("@arquivo") << 1 << 8012;
        QTest::newRow("a character device that is not a tty is not usable") << QStringLiteral("/dev/null") << 1 << 8012;
    }
    void aberturaMapeiaOsErros() {
        QFETCH(QString, alvo);
        QFETCH(int, porta);
        QFETCH(int, numero);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("ports"));
        if (alvo == QLatin1String("@arquivo")) {
            alvo = dir.filePath(QStringLiteral("comum"));
            QFile f(alvo);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        if (!alvo.isEmpty())
            QVERIFY(QFile::link(alvo, MapaPortas::CaminhoPorta(porta, dir.path())));
        Enlace e;
        try {
            e.abre(porta, dir.path());
            QFAIL("the port opened");
        } catch (const ErroVB& erro) {
            QCOMPARE(erro.numero(), numero);
            QVERIFY(!erro.descricao().isEmpty());
        }
        QVERIFY(!e.portaAberta());
    }

    void portaPresaPorOutroProgramaEstaEmUso() {
        Aparelho a(pasta(), m_porta);
        QVERIFY(a.valido());
        QSerialPort outro(MapaPortas::CaminhoPorta(m_porta, pasta()));
        QVERIFY(outro.open(QIODevice::ReadWrite));
        Enlace e;
        QVERIFY_THROWS_EXCEPTION(ErroVB, e.abre(m_porta, pasta()));
        try {
            e.abre(m_porta, pasta());
        } catch (const ErroVB& erro) {
            QCOMPARE(erro.numero(), ErroSerial::PortaEmUso);
        }
        outro.close();
        e.abre(m_porta, pasta());
        QVERIFY(e.portaAberta());
    }

    void envioEscreveOComandoEIndicaComunicacao() {
        Aparelho a(pasta(), m_porta);
        // Bytes waiting before the open belong to nobody.
        a.envia("lixo de antes\n");
        Enlace e;
        e.defineModeloBox(QStringLiteral("1"));
        e.abre(m_porta, pasta());
        QSignalSpy titulo(&e, &Enlace::tituloMudou);
        e.defineComando(QStringLiteral("pmuadc --read all"));
        QVERIFY(e.EnviaComando());
        QCOMPARE(e.Status(), QStringLiteral("3"));
        QCOMPARE(e.textoStatus(), QStringLiteral("Comunicando"));
        QCOMPARE(e.titulo(), Traduz(QStringLiteral("Comunicando")) + QStringLiteral("..."));
        QCOMPARE(titulo.size(), 1);
        QVERIFY(e.Timer1().isActive());
        QTRY_COMPARE(a.recebido(), QByteArray("pmuadc --read all\r"));
        QSignalSpy entregue(&e, &Enlace::entregue);
        QVERIFY(entregue.wait());
        QCOMPARE(e.txtConsole(), QStringLiteral("\r\n"));
        QCOMPARE(e.txtComandos(), QStringLiteral("pmuadc --read all"));
    }

    void comandoVazioNaoEnviaNada() {
        Aparelho a(pasta(), m_porta);
        Enlace e;
        e.abre(m_porta, pasta());
        e.defineEstado(EstadoEnlace::Ocioso);
        QVERIFY(!e.EnviaComando());
        QCOMPARE(e.Status(), QStringLiteral("1"));
        QVERIFY(!e.Timer1().isActive());
    }

    void envioComPortaFechada() {
        DialogosRoteiro caixas;
        Enlace e;
        e.defineEstado(EstadoEnlace::Ocioso);
        QSignalSpy perdida(&e, &Enlace::portaPerdida);
        globais().TelaAtiva = QStringLiteral("18");
        e.defineComando(QStringLiteral("pmuadc --read all"));
        QVERIFY(!e.EnviaComando());
        QCOMPARE(caixas.textos(), QStringList{textoMensagem(QStringLiteral("MSG_PORTA"))});
        QVERIFY(!e.Timer1().isActive());
        QCOMPARE(e.Status(), QStringLiteral("0"));
        QCOMPARE(e.textoStatus(), QStringLiteral("Desconectado"));
        QCOMPARE(e.titulo(), Titulo);
        QCOMPARE(perdida.size(), 1);
        QCOMPARE(globais().TelaAtiva, QStringLiteral("0"));
    }

    // Which poll ends the answer. `antes` is on the line before the first poll; `fluxo` puts a line
    // there for every following poll; `promptApos` sends the prompt after that following poll;
    // `trocaApos` switches to BOX model 2 (limit 100) after that following poll.
    void regraDeFim_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QByteArray>("antes");
        QTest::addColumn<bool>("fluxo");
        QTest::addColumn<int>("promptApos");
        QTest::addColumn<int>("trocaApos");
        QTest::addColumn<int>("seguintes"); // polls of Timer2 until delivery

        const QByteArray resposta = "nanduid\nSN 0x1234\n" + Prompt;
        QTest::newRow("a whole answer before the first poll ends there with BOX model 1")
            << QStringLiteral("1") << QStringLiteral("5") << QStringLiteral("nanduid") << resposta << false << 0 << 0
            << 0;
        QTest::newRow("with BOX model 2 the prompt is ignored and the first empty poll after the sixth ends")
            << QStringLiteral("2") << QStringLiteral("5") << QStringLiteral("nanduid") << resposta << false << 0 << 0
            << 6;
        QTest::newRow("the model query never ends on the first chunk")
            << QStringLiteral("1") << QStringLiteral("0") << ConsultaModelo
            << QByteArray("syscfg print RMd#\nA1778\n" + Prompt) << false << 0 << 0 << 6;
        QTest::newRow("nothing before the first poll ends at once")
            << QStringLiteral("1") << QStringLiteral("5") << QStringLiteral("nanduid") << QByteArray() << false << 0
            << 0 << 0;
        QTest::newRow("a prompt after the first chunk is not looked for outside code 19")
            << QStringLiteral("1") << QStringLiteral("6") << QStringLiteral("i2c -s 0")
            << QByteArray("i2c -s 0\n0x10\n") << false << 2 << 0 << 6;
        QTest::newRow("code 19 ignores the prompt of the first chunk and ends on a later one")
            << QStringLiteral("1") << QStringLiteral("19") << QStringLiteral("battery --properties")
            << QByteArray("battery --properties\n" + Prompt) << false << 10 << 0 << 11;
        QTest::newRow("code 19 waits through a pause until more than 100 polls")
            << QStringLiteral("1") << QStringLiteral("19") << QStringLiteral("battery --properties")
            << QByteArray("battery --properties\ncycle-count: 12\n") << false << 0 << 0 << 101;
        QTest::newRow("an answer that keeps streaming ends at the limit of BOX model 1")
            << QStringLiteral("1") << QStringLiteral("4") << QStringLiteral("nand --getinfo") << QByteArray("linha 0\n")
            << true << 0 << 0 << 200;
        QTest::newRow("with an unknown BOX model a stream ends when the poll counter is full")
            << QStringLiteral("9") << QStringLiteral("4") << QStringLiteral("nand --getinfo") << QByteArray("linha 0\n")
            << true << 0 << 0 << 255;
        QTest::newRow("a stream already past the limit of a BOX model chosen mid-answer ends at the next poll")
            << QStringLiteral("1") << QStringLiteral("4") << QStringLiteral("nand --getinfo") << QByteArray("linha 0\n")
            << true << 0 << 105 << 106;
        QTest::newRow("a code 19 stream already past a lowered limit ends at the next poll too")
            << QStringLiteral("1") << QStringLiteral("19") << QStringLiteral("battery --properties")
            << QByteArray("linha 0\n") << true << 0 << 105 << 106;
    }
    void regraDeFim() {
        QFETCH(QString, modelo);
        QFETCH(QString, codigo);
        QFETCH(QString, comando);
        QFETCH(QByteArray, antes);
        QFETCH(bool, fluxo);
        QFETCH(int, promptApos);
        QFETCH(int, trocaApos);
        QFETCH(int, seguintes);

        DialogosRoteiro caixas;
        Aparelho a(pasta(), m_porta);
        Enlace e;
        e.defineModeloBox(modelo);
        e.abre(m_porta, pasta());
        e.defineEstado(EstadoEnlace::Ocioso);
        QString statusNaCaixa;
        qsizetype entreguesNaCaixa = -1;

        int polls = 0;
        QString ultimoTrecho;
        connect(&e.Timer2(), &QTimer::timeout, &e, [&] {
            ++polls;
            if (fluxo)
                a.envia("linha " + QByteArray::number(polls) + '\n');
            if (polls == promptApos)
                a.envia(Prompt);
            if (polls == trocaApos)
                e.defineModeloBox(QStringLiteral("2"));
        });
        connect(&e, &Enlace::consoleMudou, &e, [&](const QString& acrescimo, bool) {
            if (!acrescimo.isEmpty())
                ultimoTrecho = acrescimo;
        });
        QList<Resposta> recebidas;
        QString statusNaEntrega;
        e.roteador().registra(codigo.toInt(), [&](const Resposta& r) {
            recebidas << r;
            statusNaEntrega = e.Status();
        });

        caixas.aoMostrar = [&](const DialogosRoteiro::Caixa&) {
            statusNaCaixa = e.Status();
            entreguesNaCaixa = recebidas.size();
        };

        globais().TelaAtiva = codigo;
        e.defineComando(comando);
        QVERIFY(e.EnviaComando());
        a.envia(antes);
        // A few polls more than expected are enough to tell an answer that does not end.
        QTRY_VERIFY_WITH_TIMEOUT(e.Status() == QLatin1String("1") || polls > seguintes + 3, 60000);

        QCOMPARE(polls, seguintes);
        QCOMPARE(recebidas.size(), 1);
        const Resposta& r = recebidas.first();
        QCOMPARE(r.codigo, codigo.toInt());
        QCOMPARE(r.comando, comando);
        QCOMPARE(r.console, e.txtConsole());
        QVERIFY(r.console.startsWith(QLatin1String("\r\n")));
        QCOMPARE(r.R, QString(r.console).remove(comando));
        QCOMPARE(statusNaEntrega, QStringLiteral("3"));
        if (antes.isEmpty())
            QCOMPARE(r.console, QStringLiteral("\r\n"));
        if (fluxo) {
            // The chunk of the final poll is part of what was delivered.
            QVERIFY(r.console.endsWith(QStringLiteral("linha %1\r\n").arg(seguintes - 1)));
            QCOMPARE(r.console.right(ultimoTrecho.size()), ultimoTrecho);
        }
        if (promptApos > 0)
            QVERIFY(r.console.contains(QString::fromLatin1(Prompt)));
        QCOMPARE(globais().TelaAtiva, QStringLiteral("0"));
        QCOMPARE(e.textoStatus(), QStringLiteral("Conectado"));
        QCOMPARE(e.titulo(), Titulo);
        QVERIFY(!e.Timer1().isActive());
        QVERIFY(!e.Timer2().isActive());
        // An answer still arriving at the limit was cut short: one box says so, once the receiver has
        // had what came and the link is free again.
        QCOMPARE(caixas.textos(),
                 fluxo ? QStringList{textoMensagem(QStringLiteral("MSG_RESPOSTA_SEM_FIM"))} : QStringList());
        if (fluxo) {
            QCOMPARE(caixas.caixas.first().icone, Dialogos::Icone::Exclamacao);
            QCOMPARE(statusNaCaixa, QStringLiteral("1"));
            QCOMPARE(entreguesNaCaixa, 1);
        }
    }

    // Bytes that come while no command is in flight, as the tail of an answer that outlived its poll
    // limit does, are no part of the next answer.
    void bytesSemComandoNaoEntramNaResposta_data() {
        QTest::addColumn<QByteArray>("velho");
        QTest::newRow("lines of a stream that went on after its answer ended")
            << QByteArray("BIST buck0: 1050.07 mV\nBIST buck1: 812.");
        QTest::newRow("a stale prompt that would end the next answer at its first poll")
            << QByteArray("BIST buck0: 1050.07 mV\n" + Prompt);
        QTest::newRow("garbage bytes") << QByteArray("\x00\xff\xfe\x1b[2J\r\n\x80", 10);
    }
    void bytesSemComandoNaoEntramNaResposta() {
        QFETCH(QByteArray, velho);
        Aparelho a(pasta(), m_porta);
        Enlace e;
        e.defineModeloBox(QStringLiteral("1"));
        e.abre(m_porta, pasta());
        e.defineEstado(EstadoEnlace::Ocioso);
        QSignalSpy entregue(&e, &Enlace::entregue);

        a.envia(velho);
        QTRY_COMPARE(e.bytesDescartados(), qint64(velho.size()));
        globais().TelaAtiva = QStringLiteral("5");
        e.defineComando(QStringLiteral("nanduid"));
        QVERIFY(e.EnviaComando());
        a.envia("nanduid\nSN 0x1234\n" + Prompt);
        QVERIFY(entregue.wait());
        QCOMPARE(e.txtConsole(), QStringLiteral("\r\nnanduid\r\nSN 0x1234\r\n") + QString::fromLatin1(Prompt));
        QCOMPARE(entregue.first().first().value<Resposta>().R,
                 QStringLiteral("\r\n\r\nSN 0x1234\r\n") + QString::fromLatin1(Prompt));
    }

    void entregaAntesDeVoltarAoEstadoLivre() {
        Aparelho a(pasta(), m_porta);
        Enlace e;
        e.defineModeloBox(QStringLiteral("1"));
        e.abre(m_porta, pasta());
        struct Visto {
            QString status, telaAtiva, titulo;
            bool espelho;
        } visto{};
        e.roteador().registra(9, [&](const Resposta&) {
            visto = {e.Status(), globais().TelaAtiva, e.titulo(), globais().EspelhoAtivo};
        });
        QStringList estados;
        connect(&e, &Enlace::statusMudou, &e, [&](const QString& s) { estados << s; });
        globais().TelaAtiva = QStringLiteral("9");
        globais().EspelhoAtivo = true;
        e.defineComando(QStringLiteral("pmuadc --sel tigris --read all"));
        QVERIFY(e.EnviaComando());
        a.envia("pmuadc --sel tigris --read all\ntigris vbus : 5000 mV\n" + Prompt);
        QTRY_COMPARE(e.Status(), QStringLiteral("1"));
        QCOMPARE(visto.status, QStringLiteral("3"));
        QCOMPARE(visto.telaAtiva, QStringLiteral("9"));
        QCOMPARE(visto.titulo, Titulo);
        QCOMPARE(visto.espelho, false);
        QCOMPARE(estados, (QStringList{QStringLiteral("3"), QStringLiteral("1")}));
    }

    void codigoSemReceptorNaoRecebeNada() {
        Aparelho a(pasta(), m_porta);
        Enlace e;
        e.defineModeloBox(QStringLiteral("1"));
        e.abre(m_porta, pasta());
        int chamadas = 0;
        e.roteador().registra(5, [&](const Resposta&) { ++chamadas; });
        QSignalSpy entregue(&e, &Enlace::entregue);
        globais().TelaAtiva = QStringLiteral("11");
        e.defineComando(QStringLiteral("tristar -p"));
        QVERIFY(e.EnviaComando());
        a.envia("tristar -p\nok\n" + Prompt);
        QVERIFY(entregue.wait());
        QCOMPARE(chamadas, 0);
        QCOMPARE(entregue.first().first().value<Resposta>().codigo, 11);
        QCOMPARE(e.Status(), QStringLiteral("1"));
    }

    void copiaAoVivo_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<bool>("copia");
        QTest::newRow("the console's memory test gets the live copy") << 1 << true;
        QTest::newRow("the NAND test gets the live copy") << 4 << true;
        QTest::newRow("the additional tests get the live copy") << 17 << true;
        QTest::newRow("the IC test gets no live copy") << 5 << false;
    }
    void copiaAoVivo() {
        QFETCH(int, codigo);
        QFETCH(bool, copia);
        Aparelho a(pasta(), m_porta);
        Enlace e;
        e.defineModeloBox(QStringLiteral("1"));
        e.abre(m_porta, pasta());
        e.AdicionaDadosConsole(QStringLiteral("answer of the previous command"));

        // The receiver rebuilds the text from the changes alone, as a live widget would.
        QString montado;
        QString ultimoR;
        int copias = 0;
        e.roteador().registra(
            codigo, [](const Resposta&) {},
            [&](const Resposta& atual, const QString& acrescimo, bool substituido) {
                ++copias;
                montado = substituido ? atual.console : montado + acrescimo;
                QCOMPARE(montado, atual.console);
                ultimoR = atual.R;
            });
        globais().TelaAtiva = QString::number(codigo);
        globais().EspelhoAtivo = true;
        e.defineComando(QStringLiteral("testmemory"));
        QVERIFY(e.EnviaComando());
        a.envia("testmemory\nPassed\n");
        QTRY_COMPARE_WITH_TIMEOUT(e.Status(), QStringLiteral("1"), 5000);
        if (!copia) {
            QCOMPARE(copias, 0);
            return;
        }
        // Emptied, set to CR LF, then the chunk.
        QCOMPARE(copias, 3);
        QCOMPARE(montado, e.txtConsole());
        QCOMPARE(ultimoR, QStringLiteral("\r\n\r\nPassed\r\n"));
        QCOMPARE(globais().EspelhoAtivo, false);

        // Once delivered the copy is off: later changes are not copied.
        e.AdicionaDadosConsole(QStringLiteral("more"));
        QCOMPARE(copias, 3);
    }

    void bytesQuaisquerViramUmCaractereCada() {
        Aparelho a(pasta(), m_porta);
        Enlace e;
        e.defineModeloBox(QStringLiteral("1"));
        e.abre(m_porta, pasta());
        QByteArray lixo;
        for (int b = 0; b < 256; ++b)
            lixo.append(char(b));
        QSignalSpy entregue(&e, &Enlace::entregue);
        globais().TelaAtiva = QStringLiteral("20");
        e.defineComando(QStringLiteral("audio --resetblock codec"));
        QVERIFY(e.EnviaComando());
        a.envia(lixo);
        QVERIFY(entregue.wait(5000));
        const QString c = e.txtConsole();
        // CR LF of the first poll, 256 characters, one more for the converted line feed.
        QCOMPARE(c.size(), 2 + 256 + 1);
        QCOMPARE(c.at(2), QChar(0));
        QCOMPARE(c.back(), QChar(0xFF));
        QVERIFY(c.contains(QStringLiteral("\x09\r\n\x0b")));
    }

    void falhaNaEntregaEhErroDeLeitura() {
        DialogosRoteiro caixas;
        Aparelho a(pasta(), m_porta);
        Enlace e;
        e.defineModeloBox(QStringLiteral("1"));
        e.abre(m_porta, pasta());
        e.roteador().registra(14, [](const Resposta&) { throw ErroVB::tiposIncompativeis(); });
        globais().TelaAtiva = QStringLiteral("14");
        e.defineComando(QStringLiteral("battery --properties"));
        QVERIFY(e.EnviaComando());
        a.envia("battery --properties\ncharge-percentage: x\n" + Prompt);
        QTRY_COMPARE(caixas.caixas.size(), 1);
        QCOMPARE(caixas.caixas.first().titulo, QStringLiteral("Nº 13"));
        QCOMPARE(caixas.caixas.first().icone, Dialogos::Icone::Critico);
        QCOMPARE(e.Status(), QStringLiteral("1"));
        QCOMPARE(e.textoStatus(), QStringLiteral("Conectado"));
        QCOMPARE(e.titulo(), Titulo);
        // No delivery took place: the code stays until the next command's.
        QCOMPARE(globais().TelaAtiva, QStringLiteral("14"));
        QVERIFY(!e.Timer1().isActive());
        QVERIFY(!e.Timer2().isActive());
        QVERIFY(e.portaAberta());
    }

    void aparelhoQueSomeNoMeioDaResposta() {
        DialogosRoteiro caixas;
        auto a = std::make_unique<Aparelho>(pasta(), m_porta);
        Enlace e;
        e.defineModeloBox(QStringLiteral("1"));
        e.abre(m_porta, pasta());
        QSignalSpy perdida(&e, &Enlace::portaPerdida);
        QSignalSpy entregue(&e, &Enlace::entregue);
        globais().TelaAtiva = QStringLiteral("4");
        globais().EspelhoAtivo = true;
        e.defineComando(QStringLiteral("nand --getinfo"));
        QVERIFY(e.EnviaComando());
        a->envia("nand --getinfo\nVendor: ");
        QTRY_VERIFY(e.Timer2().isActive());
        a->desliga();

        QTRY_COMPARE(e.Status(), QStringLiteral("0"));
        QVERIFY(!e.portaAberta());
        QVERIFY(!e.Timer1().isActive());
        QVERIFY(!e.Timer2().isActive());
        QCOMPARE(e.textoStatus(), QStringLiteral("Desconectado"));
        QCOMPARE(e.titulo(), Titulo);
        QCOMPARE(perdida.size(), 1);
        QCOMPARE(globais().TelaAtiva, QStringLiteral("0"));
        QCOMPARE(globais().EspelhoAtivo, false);
        QTRY_COMPARE(caixas.caixas.size(), 1);
        QCOMPARE(caixas.caixas.first().titulo, QStringLiteral("Nº 8020"));
        QCOMPARE(caixas.caixas.first().texto,
                 ErroSerial::descricao(ErroSerial::ErroLeitura) + QStringLiteral(" Nº: 8020"));

        // A new device on the same number works, and the old one left nothing behind.
        Aparelho novo(pasta(), m_porta);
        e.abre(m_porta, pasta());
        e.defineComando(QStringLiteral("nanduid"));
        QVERIFY(e.EnviaComando());
        novo.envia("nanduid\n0xABCD\n" + Prompt);
        QVERIFY(entregue.wait());
        QVERIFY(e.txtConsole().contains(QLatin1String("0xABCD")));
        QCOMPARE(caixas.caixas.size(), 1);
        QCOMPARE(perdida.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TstEnlace)
#include "tst_enlace.moc"
