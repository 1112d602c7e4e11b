// Reconnect after an unplug: the rule that tells the lost adapter from another one, the watch on a real
// ports/ folder, and the whole road against the simulated BOX.

#include "Apoio.h"

#include "base/Dialogos.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "link/Conexao.h"
#include "link/Enlace.h"
#include "link/Identificacao.h"
#include "link/MapaPortas.h"
#include "link/PainelConexao.h"
#include "link/VigiaPorta.h"
#include "store/Configuracao.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tarsel;

namespace {

using teste::PainelGravado;

// The main window's part of the link, as the program wires it, with the choice on or off.
struct Bancada {
    teste::PastaPrograma pasta{false};
    DialogosRoteiro caixas;
    PainelGravado painel;
    Enlace enlace;
    Identificacao identificacao{enlace, painel};
    Conexao conexao{enlace, identificacao, painel};

    Bancada(int porta, bool religa, int janelaMs = VigiaPorta::JanelaPadraoMs) {
        auto& g = globais();
        g.IdiomaAtual = 1;
        g.TituloPrincipal = QStringLiteral("Voltrace Tarsel v.2.42");
        g.TelaAtiva = QStringLiteral("0");
        g.EspelhoAtivo = false;
        g.textoPorta = [this] { return painel.porta; };
        painel.porta = QString::number(porta);
        enlace.defineModeloBox(QStringLiteral("1"));
        conexao.definePasta(pasta.caminho());
        conexao.defineReligaAposPerda(religa);
        conexao.vigia().defineJanela(janelaMs);
    }
    ~Bancada() { globais().textoPorta = nullptr; }

    QString caminho() const { return pasta.caminho(); }
    bool parado() const {
        const QString& s = enlace.Status();
        return (s == QLatin1String("0") || s == QLatin1String("1")) && !conexao.TimerValidaPorta().isActive() &&
               !identificacao.TimerVerificaVersao().isActive();
    }
    bool conectado() const { return parado() && enlace.Status() == QLatin1String("1") && painel.lampada == "Verde"; }

    // Connects to the simulator and makes it hang up in the middle of the next answer.
    void conectaEDerruba() {
        conexao.clique();
        QTRY_VERIFY_WITH_TIMEOUT(conectado(), 15000);
        globais().TelaAtiva = QStringLiteral("18");
        enlace.defineComando(QStringLiteral("pmuadc --read all"));
        QVERIFY(enlace.EnviaComando());
        QTRY_COMPARE_WITH_TIMEOUT(enlace.Status(), QStringLiteral("0"), 10000);
    }
};

std::unique_ptr<teste::Simulador> simuladorQueDesliga(const Bancada& b, int porta) {
    return std::make_unique<teste::Simulador>(b.caminho(), porta, QStringLiteral("A1778"),
                                              QStringList{QStringLiteral("desliga")});
}

// ports/COM<n> -> alvo, replacing whatever was there.
bool liga(const QString& pasta, int n, const QString& alvo) {
    const QString link = MapaPortas::CaminhoPorta(n, pasta);
    QDir().mkpath(QFileInfo(link).absolutePath());
    QFile::remove(link);
    return QFile::link(alvo, link);
}

} // namespace

class TstReliga : public QObject {
    Q_OBJECT

    int m_porta = 0;

private slots:
    void init() { m_porta = m_porta % Conexao::MaiorPortaUsavel + 1; }

    void mesmoAdaptador_data() {
        QTest::addColumn<QString>("perdido");
        QTest::addColumn<QString>("atual");
        QTest::addColumn<bool>("mesmo");
        const QString a = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_A1");
        const QString b = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_B2");
        QTest::newRow("the adapter comes back under its stable name") << a << a << true;
        QTest::newRow("another adapter was linked under the number") << a << b << false;
        QTest::newRow("the number now leads to a bare terminal") << a << QStringLiteral("/dev/pts/4") << false;
        QTest::newRow("a bare terminal gave way to an adapter") << QStringLiteral("/dev/pts/4") << a << false;
        QTest::newRow("the same name written another way")
            << a << QStringLiteral("/dev/serial//by-id/./usb-FTDI_FT232R_A1") << true;
        QTest::newRow("a program's new terminal under the same number")
            << QStringLiteral("/dev/pts/4") << QStringLiteral("/dev/pts/9") << true;
        QTest::newRow("a device linked by hand returns")
            << QStringLiteral("/dev/ttyUSB0") << QStringLiteral("/dev/ttyUSB0") << true;
        QTest::newRow("a name beside the folder is no stable name")
            << QStringLiteral("/dev/serial/by-idx") << QStringLiteral("/dev/ttyUSB1") << true;
        QTest::newRow("the number is a device node itself") << QString() << QString() << true;
    }
    void mesmoAdaptador() {
        QFETCH(QString, perdido);
        QFETCH(QString, atual);
        QFETCH(bool, mesmo);
        QCOMPARE(VigiaPorta::MesmoAdaptador(perdido, atual), mesmo);
    }

    // The watch on a real folder: ports/COM5 names an adapter of a by-id folder; a device node stands in
    // for the adapter's tty.
    void vigiaEsperaOMesmoAdaptador() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString byId = dir.filePath(QStringLiteral("by-id"));
        QVERIFY(QDir().mkpath(byId));
        const QString a = QDir(byId).filePath(QStringLiteral("usb-A"));
        const QString b = QDir(byId).filePath(QStringLiteral("usb-B"));
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), b));
        QVERIFY(liga(dir.path(), 5, a)); // dangling: adapter A is unplugged
        QCOMPARE(VigiaPorta::AlvoLink(5, dir.path()), a);

        VigiaPorta vigia;
        vigia.definePastaById(byId);
        vigia.defineJanela(60000);
        QSignalSpy voltou(&vigia, &VigiaPorta::voltou);
        QSignalSpy desistiu(&vigia, &VigiaPorta::desistiu);
        vigia.inicia(5, dir.path(), a);

        // Another adapter under the number is no reason to connect.
        QVERIFY(liga(dir.path(), 5, b));
        QVERIFY(MapaPortas::PortaExiste(5, dir.path()));
        QVERIFY(!voltou.wait(4 * VigiaPorta::IntervaloMs));

        // Adapter A plugged back in.
        QVERIFY(liga(dir.path(), 5, a));
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), a));
        QVERIFY(voltou.wait(5000));
        QCOMPARE(voltou.first().first().toInt(), 5);
        QVERIFY(vigia.ativa()); // until the one who opens it says so
        vigia.para();
        QVERIFY(!vigia.TimerVigia().isActive());
        QCOMPARE(desistiu.size(), 0);
    }

    void vigiaDesisteNoFimDaJanela() {
        QTemporaryDir dir;
        VigiaPorta vigia;
        vigia.defineJanela(400);
        QSignalSpy voltou(&vigia, &VigiaPorta::voltou);
        QSignalSpy desistiu(&vigia, &VigiaPorta::desistiu);
        vigia.inicia(3, dir.path(), QStringLiteral("/dev/pts/77"));
        QVERIFY(desistiu.wait(5000));
        QCOMPARE(desistiu.size(), 1);
        QCOMPARE(desistiu.first().first().toInt(), 3);
        QVERIFY(!vigia.ativa());
        QVERIFY(!vigia.TimerVigia().isActive());
        QCOMPARE(voltou.size(), 0);
    }

    void escolhaLembradaDesligadaPorPadrao() {
        teste::PastaPrograma pasta;
        QVERIFY(!LeReligaAposPerda());
        QVERIFY(GravaReligaAposPerda(true));
        QVERIFY(LeReligaAposPerda());
        QVERIFY(GravaReligaAposPerda(false));
        QVERIFY(!LeReligaAposPerda());
        // A file made before the choice existed: off, and the write says it failed.
        teste::executaSql(pasta.banco(), QStringLiteral("alter table Tools drop column ReligaAposPerda"));
        QVERIFY(!LeReligaAposPerda());
        QVERIFY(!GravaReligaAposPerda(true));
        // The product starts off, and the link reports a lost device at once until it is chosen.
        Enlace enlace;
        QVERIFY(!enlace.avisoPerdaAdiado());
    }

    void religaQuandoOAparelhoVolta() {
        Bancada b(m_porta, true);
        auto sim = simuladorQueDesliga(b, m_porta);
        QVERIFY2(sim->pronto(), qPrintable(sim->erro()));
        QSignalSpy perdida(&b.enlace, &Enlace::portaPerdida);
        b.conectaEDerruba();

        // Watching: said in the header, no box yet, and the button stops it.
        QVERIFY(b.conexao.religando());
        QCOMPARE(b.painel.textoStatus, QStringLiteral("Religando"));
        QCOMPARE(b.painel.lampada, QStringLiteral("Amarelo"));
        QCOMPARE(b.painel.legenda, QStringLiteral("Desconectar"));
        QCOMPARE(b.painel.modelo, QString());
        QVERIFY(b.caixas.caixas.isEmpty());
        QCOMPARE(perdida.size(), 1);

        // Another phone on a new simulator takes the same number: connected and identified again.
        QTRY_COMPARE(sim->processo().state(), QProcess::NotRunning);
        sim = std::make_unique<teste::Simulador>(b.caminho(), m_porta, QStringLiteral("A1905"));
        QVERIFY2(sim->pronto(), qPrintable(sim->erro()));
        QTRY_VERIFY_WITH_TIMEOUT(b.conectado(), 15000);
        QVERIFY(!b.conexao.religando());
        QVERIFY(!b.conexao.vigia().TimerVigia().isActive());
        QCOMPARE(b.painel.modelo, QStringLiteral("A1905"));
        QCOMPARE(b.painel.aparelho, QStringLiteral("IP 8"));
        QCOMPARE(b.painel.legenda, QStringLiteral("Desconectar"));
        QCOMPARE(b.enlace.numeroPorta(), m_porta);
        QVERIFY(b.caixas.caixas.isEmpty());
        QCOMPARE(globais().TelaAtiva, QStringLiteral("0"));
    }

    void desisteNoFimDaJanelaComUmaCaixa() {
        Bancada b(m_porta, true, 3000);
        auto sim = simuladorQueDesliga(b, m_porta);
        QVERIFY2(sim->pronto(), qPrintable(sim->erro()));
        b.conectaEDerruba();
        QVERIFY(b.conexao.religando());
        QVERIFY(b.caixas.caixas.isEmpty());

        QTRY_VERIFY_WITH_TIMEOUT(!b.conexao.religando(), 10000);
        QCOMPARE(b.caixas.caixas.size(), 1);
        QCOMPARE(b.caixas.caixas.first().titulo, QStringLiteral("Nº 8020"));
        QCOMPARE(b.caixas.caixas.first().icone, Dialogos::Icone::Critico);
        QCOMPARE(b.enlace.Status(), QStringLiteral("0"));
        QCOMPARE(b.painel.lampada, QStringLiteral("Branco"));
        QCOMPARE(b.painel.legenda, QStringLiteral("Conectar"));
        QCOMPARE(b.painel.textoStatus, QStringLiteral("Desconectado"));
        QVERIFY(b.painel.recargas > 0);
        QVERIFY(!b.conexao.vigia().TimerVigia().isActive());

        // Over for good: a phone that turns up later is connected only by the button.
        QTRY_COMPARE(sim->processo().state(), QProcess::NotRunning);
        QSignalSpy estado(&b.enlace, &Enlace::statusMudou);
        sim = std::make_unique<teste::Simulador>(b.caminho(), m_porta, QStringLiteral("A1660"));
        QVERIFY2(sim->pronto(), qPrintable(sim->erro()));
        QVERIFY(!estado.wait(4 * VigiaPorta::IntervaloMs));
        QCOMPARE(b.caixas.caixas.size(), 1);
    }

    // The user's disconnect while watching ends it without a word; with the choice off (the default)
    // a lost device is reported at once and nothing is watched.
    void semReligacao_data() {
        QTest::addColumn<bool>("religa");
        QTest::addColumn<int>("caixas");
        QTest::newRow("the user disconnects while watching") << true << 0;
        QTest::newRow("the choice is off") << false << 1;
    }
    void semReligacao() {
        QFETCH(bool, religa);
        QFETCH(int, caixas);
        Bancada b(m_porta, religa);
        auto sim = simuladorQueDesliga(b, m_porta);
        QVERIFY2(sim->pronto(), qPrintable(sim->erro()));
        b.conectaEDerruba();
        QCOMPARE(b.conexao.religando(), religa);
        if (religa)
            b.conexao.clique();
        QTRY_COMPARE(b.caixas.caixas.size(), caixas);
        QVERIFY(!b.conexao.religando());
        QVERIFY(!b.conexao.vigia().TimerVigia().isActive());
        QCOMPARE(b.enlace.Status(), QStringLiteral("0"));
        QCOMPARE(b.painel.lampada, QStringLiteral("Branco"));
        QCOMPARE(b.painel.legenda, QStringLiteral("Conectar"));
        QCOMPARE(b.painel.textoStatus, QStringLiteral("Desconectado"));

        QTRY_COMPARE(sim->processo().state(), QProcess::NotRunning);
        QSignalSpy estado(&b.enlace, &Enlace::statusMudou);
        sim = std::make_unique<teste::Simulador>(b.caminho(), m_porta, QStringLiteral("A1660"));
        QVERIFY2(sim->pronto(), qPrintable(sim->erro()));
        QVERIFY(!estado.wait(4 * VigiaPorta::IntervaloMs));
        QCOMPARE(b.caixas.caixas.size(), caixas);
        QCOMPARE(b.painel.modelo, QString());
    }
};

QTEST_GUILESS_MAIN(TstReliga)
#include "tst_religa.moc"
