// The connect button and the check that a phone answers, against the simulated BOX.

#include "Apoio.h"

#include "base/Dialogos.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Conexao.h"
#include "link/Enlace.h"
#include "link/ErroSerial.h"
#include "link/Identificacao.h"
#include "link/MapaPortas.h"
#include "link/PainelConexao.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QtTest>

using namespace tarsel;

namespace {

using teste::PainelGravado;

const QString Titulo = QStringLiteral("Voltrace Tarsel v.2.42");

// The main window's part of the link, as the program wires it.
struct Bancada {
    teste::PastaPrograma pasta{false};
    DialogosRoteiro caixas;
    PainelGravado painel;
    Enlace enlace;
    Identificacao identificacao{enlace, painel};
    Conexao conexao{enlace, identificacao, painel};

    explicit Bancada(int porta) {
        auto& g = globais();
        g.IdiomaAtual = 1;
        g.TituloPrincipal = Titulo;
        g.TelaAtiva = QStringLiteral("0");
        g.EspelhoAtivo = false;
        g.textoPorta = [this] { return painel.porta; };
        painel.porta = QString::number(porta);
        enlace.defineModeloBox(QStringLiteral("1"));
    }
    ~Bancada() { globais().textoPorta = nullptr; }

    QString caminho() const { return pasta.caminho(); }
    // The check and any re-reading are over.
    bool parado() const {
        const QString& s = enlace.Status();
        return (s == QLatin1String("0") || s == QLatin1String("1")) && !conexao.TimerValidaPorta().isActive() &&
               !identificacao.TimerVerificaVersao().isActive();
    }
};

QStringList textos(const QStringList& chaves) {
    QStringList t;
    for (const QString& c : chaves)
        t << MontaMensagem(c, globais().IdiomaAtual, globais().portaAtual())->texto;
    return t;
}

const QStringList Avisos{QStringLiteral("MSG_ERRO_NAND"), QStringLiteral("MSG_SELECIONE_MODELO")};
// The one box of a port where no phone answers: what went wrong, then the steps that put it right.
QStringList semResposta() {
    const quint8 idioma = globais().IdiomaAtual;
    const QString porta = globais().portaAtual();
    const auto falha = MontaMensagem(QStringLiteral("MSG_PORTA_NAO_RESPONDE"), idioma, porta);
    const auto passos = MontaMensagem(QStringLiteral("MSG_PORTA"), idioma, porta);
    return {falha->texto + QStringLiteral("\r\n\r\n") + passos->titulo.trimmed() + QStringLiteral("\r\n\r\n") +
            passos->texto};
}

} // namespace

class TstConexao : public QObject {
    Q_OBJECT

    int m_porta = 0;

private slots:
    // Each test has its own program folder; the numbers only have to stay usable (16 at most).
    void init() { m_porta = m_porta % Conexao::MaiorPortaUsavel + 1; }

    void textoDePortaSemNumero_data() {
        QTest::addColumn<QString>("texto");
        QTest::newRow("an empty port list") << QString();
        QTest::newRow("blanks only") << QStringLiteral("   ");
        QTest::newRow("letters") << QStringLiteral("abc");
        QTest::newRow("a number with letters after it") << QStringLiteral("3a");
        QTest::newRow("the port's name instead of its number") << QStringLiteral("COM3");
    }
    void textoDePortaSemNumero() {
        QFETCH(QString, texto);
        Bancada b(m_porta);
        b.painel.porta = texto;
        b.conexao.clique();
        QCOMPARE(b.caixas.textos(), textos({QStringLiteral("SEM_PORTA")}));
        QCOMPARE(b.enlace.Status(), QStringLiteral("0"));
        QVERIFY(!b.enlace.portaAberta());
        QCOMPARE(b.painel.recargas, 0);
        QCOMPARE(b.painel.legenda, QStringLiteral("Conectar"));
    }

    void portaAcimaDe16_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<int>("resposta");
        QTest::addColumn<QList<int>>("paginas");
        QTest::newRow("the first port above 16, in Portuguese: yes opens the help video page")
            << QStringLiteral("17") << 1 << int(Dialogos::Resposta::Sim) << QList<int>{3};
        QTest::newRow("a port the refresh icon picked, in English: no opens nothing")
            << QStringLiteral("20") << 2 << int(Dialogos::Resposta::Nao) << QList<int>();
        QTest::newRow("the last port of the list, in Spanish: cancel opens nothing")
            << QStringLiteral("30") << 3 << int(Dialogos::Resposta::Cancelar) << QList<int>();
    }
    void portaAcimaDe16() {
        QFETCH(QString, texto);
        QFETCH(int, idioma);
        QFETCH(int, resposta);
        QFETCH(QList<int>, paginas);
        Bancada b(m_porta);
        globais().IdiomaAtual = quint8(idioma);
        // A real port there: it must stay closed all the same.
        teste::Simulador sim(b.caminho(), texto.toInt());
        QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
        b.painel.porta = texto;
        b.caixas.respostas.enqueue(Dialogos::Resposta(resposta));
        b.conexao.clique();
        QCOMPARE(b.caixas.caixas.size(), 1);
        const auto& c = b.caixas.caixas.first();
        QCOMPARE(c.icone, Dialogos::Icone::Informacao);
        QCOMPARE(c.titulo, Traduz(QStringLiteral("Porta Serial COM")));
        QCOMPARE(c.texto, Traduz(QStringLiteral("Porta 16")));
        QVERIFY(!c.texto.isEmpty());
        QCOMPARE(c.botoes, Dialogos::Botoes::SimNaoCancelar);
        QCOMPARE(b.painel.paginas, paginas);
        QVERIFY(!b.enlace.portaAberta());
        QCOMPARE(b.enlace.Status(), QStringLiteral("0"));
    }

    // Whatever the port list shows by then, a click while connected closes the link.
    void desconectaComOutraPortaNaLista_data() {
        QTest::addColumn<QString>("texto");
        QTest::newRow("the refresh icon picked a port above 16") << QStringLiteral("20");
        QTest::newRow("the port list is empty") << QString();
        QTest::newRow("the port list holds no number") << QStringLiteral("COM3");
    }
    void desconectaComOutraPortaNaLista() {
        QFETCH(QString, texto);
        Bancada b(m_porta);
        teste::Simulador sim(b.caminho(), m_porta);
        QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
        b.conexao.clique();
        QTRY_VERIFY_WITH_TIMEOUT(b.parado(), 15000);
        QCOMPARE(b.enlace.Status(), QStringLiteral("1"));

        b.painel.porta = texto;
        b.conexao.clique();
        QCOMPARE(b.caixas.textos(), QStringList());
        QCOMPARE(b.enlace.Status(), QStringLiteral("0"));
        QVERIFY(!b.enlace.portaAberta());
        QCOMPARE(b.painel.legenda, QStringLiteral("Conectar"));
        QCOMPARE(b.painel.lampada, QStringLiteral("Branco"));
        QCOMPARE(b.painel.modelo, QString());
        QCOMPARE(b.painel.paginas, QList<int>());
    }

    void cliqueIgnoradoEnquantoOcupado_data() {
        QTest::addColumn<QString>("status");
        QTest::newRow("while connecting") << QStringLiteral("2");
        QTest::newRow("while a command runs") << QStringLiteral("3");
    }
    void cliqueIgnoradoEnquantoOcupado() {
        QFETCH(QString, status);
        Bancada b(m_porta);
        b.painel.porta.clear(); // would otherwise ask for a port
        b.enlace.defineEstado(EstadoEnlace(status.toInt()));
        b.conexao.clique();
        QVERIFY(b.caixas.caixas.isEmpty());
        QCOMPARE(b.enlace.Status(), status);
        QCOMPARE(b.painel.legenda, QStringLiteral("Conectar"));
    }

    void portaQueNaoAbre_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("alvo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("no device under that number")
            << QStringLiteral("5") << QString() << QStringLiteral("MSG_PORTA_INVALIDA");
        QTest::newRow("an unplugged adapter's dangling link")
            << QStringLiteral("5") << QStringLiteral("/nao/existe") << QStringLiteral("MSG_PORTA_INVALIDA");
        QTest::newRow("a link to a file that is no serial device")
            << QStringLiteral("5") << QStringLiteral("@arquivo") << QStringLiteral("MSG_PORTA_INVALIDA");
        QTest::newRow("port 0") << QStringLiteral("0") << QString() << QStringLiteral("MSG_PORTA_INVALIDA");
        QTest::newRow("a port held by another program")
            << QStringLiteral("5") << QStringLiteral("@ocupada") << QStringLiteral("MSG_PORTA_EM_USO");
        // The line reports both as a permission error; only this one is fixed by the dialout group.
        QTest::newRow("a device node the user may not open")
            << QStringLiteral("5") << QStringLiteral("@semacesso") << QStringLiteral("MSG_PORTA_SEM_ACESSO");
    }
    void portaQueNaoAbre() {
        QFETCH(QString, texto);
        QFETCH(QString, alvo);
        QFETCH(QString, mensagem);
        Bancada b(m_porta);
        b.painel.porta = texto;
        std::unique_ptr<teste::Simulador> sim;
        QSerialPort outro;
        const QString link = MapaPortas::CaminhoPorta(texto.toInt(), b.caminho());
        if (alvo == QLatin1String("@ocupada")) {
            sim = std::make_unique<teste::Simulador>(b.caminho(), texto.toInt());
            QVERIFY2(sim->pronto(), qPrintable(sim->erro()));
            outro.setPortName(link);
            QVERIFY(outro.open(QIODevice::ReadWrite));
        } else if (alvo == QLatin1String("@semacesso")) {
            sim = std::make_unique<teste::Simulador>(b.caminho(), texto.toInt());
            QVERIFY2(sim->pronto(), qPrintable(sim->erro()));
            QVERIFY(QFile::setPermissions(QFileInfo(link).canonicalFilePath(), QFileDevice::Permissions()));
        } else if (alvo == QLatin1String("@arquivo")) {
            QFile f(b.pasta.arquivo(QStringLiteral("comum")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(QFile::link(f.fileName(), link));
        } else if (!alvo.isEmpty()) {
            QVERIFY(QFile::link(alvo, link));
        }
        {
            teste::SemPassePermissoes semPasse;
            QVERIFY(semPasse.valido());
            b.conexao.clique();
        }
        const QStringList esperado = textos({mensagem});
        QCOMPARE(b.caixas.textos(), esperado);
        QVERIFY(esperado.first().contains(texto)); // the message names the port
        QCOMPARE(b.painel.recargas, 1);
        QCOMPARE(b.enlace.Status(), QStringLiteral("0"));
        QVERIFY(!b.enlace.portaAberta());
        QVERIFY(!b.conexao.TimerValidaPorta().isActive());
        QCOMPARE(b.painel.legenda, QStringLiteral("Conectar"));
        QCOMPARE(b.painel.lampada, QStringLiteral("Branco"));
    }

    // A connection to the simulated phone until the check and the identification are over.
    void conexao_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QStringList>("falhas");
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("aparelho");
        QTest::addColumn<QStringList>("caixas");

        QTest::newRow("a known phone connects with its model and family")
            << QStringLiteral("A1778") << QStringList() << "A1778"
            << "IP 7" << QStringList();
        QTest::newRow("an IP X phone") << QStringLiteral("A1865") << QStringList() << "A1865"
                                       << "IP X" << QStringList();
        QTest::newRow("a number outside the table connects and asks for the model")
            << QStringLiteral("A2111") << QStringList() << "*A2111*"
            << "IP 6" << Avisos;
        QTest::newRow("a refused first query is read again")
            << QStringLiteral("A1688") << QStringList{QStringLiteral("recusa-modelo-uma-vez")} << "A1688"
            << "IP 6s" << QStringList();
        QTest::newRow("a query the shell always refuses is tried once more, then left")
            << QStringLiteral("A1778") << QStringList{QStringLiteral("recusa-modelo")} << "..."
            << "IP 6" << QStringList();
        QTest::newRow("a missing driver connects and asks for the model")
            << QStringLiteral("A1778") << QStringList{QStringLiteral("driver-ausente")} << ""
            << "IP 6" << Avisos;
        QTest::newRow("Not Found connects and asks for the model after the re-reading")
            << QStringLiteral("A1778") << QStringList{QStringLiteral("nao-encontrado")} << "..."
            << "IP 6" << Avisos;
    }
    void conexao() {
        QFETCH(QString, modelo);
        QFETCH(QStringList, falhas);
        QFETCH(QString, rotulo);
        QFETCH(QString, aparelho);
        QFETCH(QStringList, caixas);

        Bancada b(m_porta);
        teste::Simulador sim(b.caminho(), m_porta, modelo, falhas);
        QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
        b.conexao.clique();
        QCOMPARE(b.caixas.titulos(), QStringList());
        QCOMPARE(b.enlace.Status(), QStringLiteral("2"));
        QCOMPARE(b.enlace.textoStatus(), QStringLiteral("Conectando"));
        QCOMPARE(b.painel.legenda, QStringLiteral("Conectando"));
        QCOMPARE(b.painel.lampada, QStringLiteral("Amarelo"));
        QVERIFY(b.conexao.TimerValidaPorta().isActive());
        // Clicking again while connecting changes nothing.
        b.conexao.clique();
        QCOMPARE(b.enlace.Status(), QStringLiteral("2"));

        QTRY_VERIFY_WITH_TIMEOUT(b.parado(), 15000);
        QCOMPARE(b.enlace.Status(), QStringLiteral("1"));
        QCOMPARE(b.enlace.textoStatus(), QStringLiteral("Conectado"));
        QCOMPARE(b.painel.legenda, QStringLiteral("Desconectar"));
        QCOMPARE(b.painel.lampada, QStringLiteral("Verde"));
        QCOMPARE(b.painel.conexoes, 1);
        QCOMPARE(b.painel.modelo, rotulo);
        QCOMPARE(b.painel.aparelho, aparelho);
        QCOMPARE(b.caixas.textos(), textos(caixas));
        QCOMPARE(b.painel.focos, caixas.isEmpty() ? 0 : 1);
        QCOMPARE(b.enlace.titulo(), Titulo);
        QVERIFY(b.enlace.portaAberta());
    }

    void aparelhoQueNaoResponde() {
        Bancada b(m_porta);
        teste::Simulador sim(b.caminho(), m_porta, QStringLiteral("A1778"), {QStringLiteral("silencioso")});
        QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
        int ticksLivres = 0;
        // Runs after the check's own tick: a tick in state "1" leaves it "1", or ends the check.
        connect(&b.conexao.TimerValidaPorta(), &QTimer::timeout, &b.conexao, [&] {
            if (b.enlace.Status() == QLatin1String("1") || !b.conexao.TimerValidaPorta().isActive())
                ++ticksLivres;
        });
        b.conexao.clique();
        QTRY_COMPARE_WITH_TIMEOUT(b.caixas.caixas.size(), 1, 10000);
        QCOMPARE(b.caixas.textos(), semResposta());
        QCOMPARE(b.caixas.caixas.first().titulo, QStringLiteral("  Erro ao conectar"));
        QCOMPARE(ticksLivres, 11);
        QCOMPARE(b.enlace.Status(), QStringLiteral("0"));
        QCOMPARE(b.enlace.textoStatus(), QStringLiteral("Desconectado"));
        QVERIFY(!b.enlace.portaAberta());
        QVERIFY(!b.conexao.TimerValidaPorta().isActive());
        QCOMPARE(b.painel.legenda, QStringLiteral("Conectar"));
        QCOMPARE(b.painel.lampada, QStringLiteral("Branco"));
        QCOMPARE(b.painel.recargas, 1);
        QCOMPARE(b.enlace.txtComandos(), QString());
        QCOMPARE(b.enlace.titulo(), Titulo);
        QCOMPARE(b.conexao.contadorValidacao(), 0);
        QCOMPARE(b.painel.conexoes, 0);
    }

    void desconexaoNoMeioDaVerificacaoNaoEncurtaAProxima() {
        Bancada b(m_porta);
        teste::Simulador sim(b.caminho(), m_porta, QStringLiteral("A1778"), {QStringLiteral("silencioso")});
        QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
        b.conexao.clique();
        QTRY_VERIFY_WITH_TIMEOUT(b.conexao.contadorValidacao() >= 5, 10000);
        b.conexao.clique(); // disconnect in state "1"
        QCOMPARE(b.enlace.Status(), QStringLiteral("0"));

        int ticksLivres = 0;
        // Runs after the check's own tick: a tick in state "1" leaves it "1", or ends the check.
        connect(&b.conexao.TimerValidaPorta(), &QTimer::timeout, &b.conexao, [&] {
            if (b.enlace.Status() == QLatin1String("1") || !b.conexao.TimerValidaPorta().isActive())
                ++ticksLivres;
        });
        b.conexao.clique();
        QTRY_COMPARE_WITH_TIMEOUT(b.caixas.caixas.size(), 1, 10000);
        QCOMPARE(ticksLivres, 11);
    }

    // No phone answering on the port, whether the line stays silent or brings noise instead of the
    // model number (asked twice): one box, the port closed, and the next connect works as usual.
    void semTelefoneQueResponda_data() {
        QTest::addColumn<QStringList>("falhas");
        QTest::addColumn<int>("consultas"); // model queries sent before giving up
        QTest::newRow("a silent BOX") << QStringList{QStringLiteral("silencioso")} << 1;
        QTest::newRow("garbage instead of the model number") << QStringList{QStringLiteral("lixo")} << 2;
    }
    void semTelefoneQueResponda() {
        QFETCH(QStringList, falhas);
        QFETCH(int, consultas);
        Bancada b(m_porta);
        auto sim = std::make_unique<teste::Simulador>(b.caminho(), m_porta, QStringLiteral("A1778"), falhas);
        QVERIFY2(sim->pronto(), qPrintable(sim->erro()));
        QSignalSpy enviados(&b.enlace, &Enlace::enviado);
        b.conexao.clique();
        QTRY_VERIFY_WITH_TIMEOUT(b.parado() && b.enlace.Status() == QLatin1String("0"), 15000);
        QCOMPARE(b.caixas.textos(), semResposta());
        QCOMPARE(b.caixas.caixas.first().icone, Dialogos::Icone::Informacao);
        QCOMPARE(enviados.size(), consultas);
        QVERIFY(!b.enlace.portaAberta());
        QCOMPARE(b.enlace.textoStatus(), QStringLiteral("Desconectado"));
        QCOMPARE(b.enlace.titulo(), Titulo);
        QCOMPARE(b.painel.legenda, QStringLiteral("Conectar"));
        QCOMPARE(b.painel.lampada, QStringLiteral("Branco"));
        QCOMPARE(b.painel.modelo, QString());
        QCOMPARE(b.painel.recargas, 1);
        QCOMPARE(b.conexao.contadorValidacao(), 0);

        // A phone that answers, on the same number: connects at the first click, with no new box.
        sim = std::make_unique<teste::Simulador>(b.caminho(), m_porta, QStringLiteral("A1660"));
        QVERIFY2(sim->pronto(), qPrintable(sim->erro()));
        b.conexao.clique();
        QTRY_VERIFY_WITH_TIMEOUT(b.parado() && b.painel.lampada == QLatin1String("Verde"), 15000);
        QCOMPARE(b.painel.modelo, QStringLiteral("A1660"));
        QCOMPARE(b.enlace.Status(), QStringLiteral("1"));
        QCOMPARE(b.caixas.caixas.size(), 1);
    }

    void respostaDe40Ou41Caracteres_data() {
        QTest::addColumn<int>("tamanho");
        QTest::addColumn<bool>("conecta");
        QTest::newRow("40 characters are not an answer") << 40 << false;
        QTest::newRow("41 characters are") << 41 << true;
    }
    void respostaDe40Ou41Caracteres() {
        QFETCH(int, tamanho);
        QFETCH(bool, conecta);
        Bancada b(m_porta);
        teste::Simulador sim(b.caminho(), m_porta, QStringLiteral("A1778"), {QStringLiteral("silencioso")});
        QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
        b.conexao.clique();
        QTRY_COMPARE(b.enlace.Status(), QStringLiteral("1"));
        b.enlace.defineConsole(QString(tamanho, QLatin1Char('x')));
        QTRY_VERIFY_WITH_TIMEOUT(!b.conexao.TimerValidaPorta().isActive(), 10000);
        if (conecta) {
            QCOMPARE(b.painel.lampada, QStringLiteral("Verde"));
            QCOMPARE(b.painel.legenda, QStringLiteral("Desconectar"));
            QCOMPARE(b.enlace.Status(), QStringLiteral("1"));
            QVERIFY(b.caixas.caixas.isEmpty());
        } else {
            QCOMPARE(b.caixas.textos(), semResposta());
            QCOMPARE(b.enlace.Status(), QStringLiteral("0"));
        }
    }

    void desconectarEReconectar() {
        Bancada b(m_porta);
        teste::Simulador sim(b.caminho(), m_porta, QStringLiteral("A1905"));
        QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
        b.conexao.clique();
        QTRY_VERIFY_WITH_TIMEOUT(b.parado(), 15000);
        QCOMPARE(b.painel.modelo, QStringLiteral("A1905"));

        b.conexao.clique();
        QVERIFY(!b.enlace.portaAberta());
        QCOMPARE(b.enlace.Status(), QStringLiteral("0"));
        QCOMPARE(b.enlace.textoStatus(), QStringLiteral("Desconectado"));
        QCOMPARE(b.painel.legenda, QStringLiteral("Conectar"));
        QCOMPARE(b.painel.lampada, QStringLiteral("Branco"));
        QCOMPARE(b.painel.modelo, QString());
        QCOMPARE(b.painel.aparelho, QStringLiteral("IP 8")); // the chosen family stays
        QVERIFY(!b.conexao.TimerValidaPorta().isActive());

        b.conexao.clique();
        QTRY_VERIFY_WITH_TIMEOUT(b.parado(), 15000);
        QCOMPARE(b.painel.lampada, QStringLiteral("Verde"));
        QCOMPARE(b.painel.modelo, QStringLiteral("A1905"));
        QVERIFY(b.caixas.caixas.isEmpty());
    }

    void aparelhoQueDesligaNoMeioDaResposta() {
        Bancada b(m_porta);
        auto sim = std::make_unique<teste::Simulador>(b.caminho(), m_porta, QStringLiteral("A1778"),
                                                      QStringList{QStringLiteral("desliga")});
        QVERIFY2(sim->pronto(), qPrintable(sim->erro()));
        b.conexao.clique();
        QTRY_VERIFY_WITH_TIMEOUT(b.parado(), 15000);
        QCOMPARE(b.painel.lampada, QStringLiteral("Verde"));

        QSignalSpy perdida(&b.enlace, &Enlace::portaPerdida);
        int entregas = 0;
        b.enlace.roteador().registra(18, [&](const Resposta&) { ++entregas; });
        globais().TelaAtiva = QStringLiteral("18");
        b.enlace.defineComando(QStringLiteral("pmuadc --read all"));
        QVERIFY(b.enlace.EnviaComando());
        QTRY_COMPARE_WITH_TIMEOUT(b.enlace.Status(), QStringLiteral("0"), 10000);
        QTRY_COMPARE(b.caixas.caixas.size(), 1);
        QCOMPARE(b.caixas.caixas.first().titulo, QStringLiteral("Nº 8020"));
        QCOMPARE(b.caixas.caixas.first().icone, Dialogos::Icone::Critico);
        QCOMPARE(perdida.size(), 1);
        QCOMPARE(entregas, 0);
        QVERIFY(!b.enlace.portaAberta());
        QCOMPARE(b.painel.lampada, QStringLiteral("Branco"));
        QCOMPARE(b.painel.legenda, QStringLiteral("Conectar"));
        QCOMPARE(b.painel.modelo, QString());
        QCOMPARE(globais().TelaAtiva, QStringLiteral("0"));
        QTRY_COMPARE(sim->processo().state(), QProcess::NotRunning);

        // A new phone on the same number connects as usual; the lost one left nothing behind.
        sim = std::make_unique<teste::Simulador>(b.caminho(), m_porta, QStringLiteral("A1660"));
        QVERIFY2(sim->pronto(), qPrintable(sim->erro()));
        b.conexao.clique();
        QTRY_VERIFY_WITH_TIMEOUT(b.parado(), 15000);
        QCOMPARE(b.painel.lampada, QStringLiteral("Verde"));
        QCOMPARE(b.painel.modelo, QStringLiteral("A1660"));
        QCOMPARE(entregas, 0); // the connection's query went to nobody
        QCOMPARE(b.caixas.caixas.size(), 1);
        QCOMPARE(perdida.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TstConexao)
#include "tst_conexao.moc"
