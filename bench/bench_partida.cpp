// Start-up as the technician sees it: from launching the program to its main window on screen, with every
// online step answered by the stand-in product server on loopback, against a target of 0.5 s; beside it the
// same start-up in this process with the online steps left out. Then start-up with the server down
// (connection refused: it must end with its message within 1 s) and hung (it must end within the request
// time-out, never later). The program runs from a program folder of its own (a copy of the executable and
// the database, pointed at the server) and ends once its window is up (TARSEL_MEDE_PARTIDA). Last, the
// first thing a technician does: a BUCK click on the PMU screen until the judged lines show, against the
// simulated phone at 115200 baud, beside the 700 ms the poll rules take at the least. Prints figures;
// asserts nothing.

#include "app/Inicial.h"
#include "app/Partida.h"
#include "app/Telas.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "link/Enlace.h"
#include "online/Verificacoes.h"
#include "rails/PMU.h"
#include "store/Banco.h"
#include "store/Configuracao.h"
#include "store/PrimeiroUso.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace tarsel;

namespace {

constexpr double AlvoMs = 500.0;

struct Serie {
    QList<double> ms;
    void imprime(const char* nome, const char* depois = "") const {
        if (ms.isEmpty()) {
            std::printf("%-52s no figures\n", nome);
            return;
        }
        QList<double> o = ms;
        std::sort(o.begin(), o.end());
        std::printf("%-52s runs %3lld  min %8.2f ms  median %8.2f ms  max %8.2f ms%s\n", nome,
                    static_cast<long long>(o.size()), o.first(), o.at(o.size() / 2), o.last(), depois);
    }
};

template <typename F> Serie mede(int vezes, F&& f) {
    Serie s;
    for (int i = 0; i < vezes; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        s.ms << t.nsecsElapsed() / 1e6;
    }
    return s;
}

// Runs the event loop until `pronto` holds or `ms` have passed; false on time-out.
template <typename F> bool espera(F&& pronto, int ms) {
    const QDeadlineTimer prazo(ms);
    while (!pronto()) {
        if (prazo.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// tarsel-server on a free loopback port; the base address once it says READY, empty when it does not.
QString iniciaServidor(QProcess& servidor, const QStringList& argumentos) {
    servidor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    servidor.start(QStringLiteral(TARSEL_SERVIDOR),
                   QStringList{QStringLiteral("--porta"), QStringLiteral("0")} + argumentos);
    QByteArray saida;
    while (servidor.waitForReadyRead(10000)) {
        saida += servidor.readAllStandardOutput();
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("READY (http://\\S+)")).match(QString::fromLatin1(saida));
        if (m.hasMatch())
            return m.captured(1);
    }
    return {};
}

QString servidorFechado() {
    QTcpServer livre;
    livre.listen(QHostAddress::LocalHost, 0);
    const quint16 porta = livre.serverPort();
    livre.close();
    return QStringLiteral("http://127.0.0.1:%1/").arg(porta);
}

// A program folder of its own: a copy of the pristine database, past its first start (no terms window to
// answer), pointed at `servidor`.
void preparaPasta(const QString& pasta, const QString& servidor) {
    QDir(pasta).mkpath(QStringLiteral("ports"));
    const QString banco = QDir(pasta).filePath(NomeBanco);
    QFile::remove(banco);
    QFile::copy(QStringLiteral(TARSEL_CONFIG_MODELO), banco);
    QFile::setPermissions(banco, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    Banco b(banco);
    b.executa(QStringLiteral("update Tools set syncbd = '2', Servidor = ?"), {servidor});
}

// The BUCK click to the judged PMU lines, against tarsel-sim on a pseudo-terminal.
void medeLeituraPMU(int vezes) {
    constexpr double PisoMs = 700.0; // the 7th poll at 100 ms is the earliest an answer can end
    QTemporaryDir pasta(QStringLiteral(TARSEL_PASTA_BENCH "/bench-XXXXXX"));
    QDir(pasta.path()).mkpath(QStringLiteral("ports"));
    const QString banco = pasta.filePath(NomeBanco);
    QFile::copy(QStringLiteral(TARSEL_CONFIG_MODELO), banco);
    QFile::setPermissions(banco, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    auto& g = globais();
    g.PastaPrograma = pasta.path();
    g.CaminhoBanco = banco;
    g.IdiomaAtual = 1;
    g.Versao = VersaoPrograma;

    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QStringLiteral(TARSEL_SIM), {QStringLiteral("--pasta"), pasta.path(), QStringLiteral("--porta"),
                                           QStringLiteral("3"), QStringLiteral("--modelo"), QStringLiteral("A1778")});
    if (!sim.waitForReadyRead(10000) || !sim.readAllStandardOutput().startsWith("READY")) {
        std::printf("the simulator did not start\n");
        return;
    }
    sim.closeReadChannel(QProcess::StandardOutput);

    DialogosRoteiro dialogos;
    {
        Inicial principal;
        InstalaTelas(principal);
        principal.carrega();
        principal.show();
        principal.cbPortas()->setCurrentText(QStringLiteral("3"));
        principal.Botoes(Botao::Conectar)->click();
        if (!espera(
                [&] { return principal.lbModelo()->text() == QLatin1String("A1778") && principal.enlace().ocioso(); },
                15000)) {
            std::printf("the simulated phone did not connect\n");
            return;
        }
        auto* pmu = qobject_cast<PMU*>(principal.abreTela(NomeTela::PMU));
        Serie leitura;
        for (int i = 0; i < vezes; ++i) {
            if (!espera([&] { return principal.enlace().ocioso(); }, 5000))
                break;
            QElapsedTimer t;
            t.start();
            pmu->Botao1()->click();
            if (!espera([&] { return !pmu->lendo(); }, 30000))
                break;
            leitura.ms << t.nsecsElapsed() / 1e6;
        }
        const QByteArray alvo = QStringLiteral("   floor %1 ms, target %2 ms").arg(PisoMs).arg(PisoMs + 100).toLatin1();
        std::printf("\n");
        leitura.imprime("PMU: BUCK click to judged lines (IP 7, 115200 baud)", alvo.constData());
        std::printf("  (%d lines, %lld boxes shown)\n", pmu->linhasVisiveis(),
                    static_cast<long long>(dialogos.caixas.size()));
    }
    sim.terminate();
    sim.waitForFinished(5000);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int vezes = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 10;

    QProcess servidor;
    const QString base = iniciaServidor(servidor, {});
    if (base.isEmpty()) {
        std::printf("tarsel-server did not start\n");
        return 1;
    }
    // The program reads its folder from its own path: it runs as a copy inside the bench's folder.
    QTemporaryDir programa(QStringLiteral(TARSEL_PASTA_BENCH "/programa-XXXXXX"));
    const QString executavel = programa.filePath(QStringLiteral("voltrace-tarsel"));
    QFile::copy(QStringLiteral(TARSEL_PROGRAMA), executavel);
    QFile::setPermissions(executavel, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    preparaPasta(programa.path(), base);

    // The program is started offscreen unless a platform is chosen (e.g. QT_QPA_PLATFORM=xcb with Xvfb).
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    if (!ambiente.contains(QStringLiteral("QT_QPA_PLATFORM")))
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ambiente.insert(QStringLiteral("TARSEL_MEDE_PARTIDA"), QStringLiteral("1"));
    std::printf("program: %s (run as a copy in %s)\nserver: %s\nplatform: %s\n\n", TARSEL_PROGRAMA,
                qPrintable(programa.path()), qPrintable(base),
                qPrintable(ambiente.value(QStringLiteral("QT_QPA_PLATFORM"))));

    const QRegularExpression linha(QStringLiteral("TARSEL_PARTIDA ([0-9.]+) ms"));
    Serie total, inicio;
    for (int i = 0; i < vezes; ++i) {
        QProcess p;
        p.setProcessEnvironment(ambiente);
        p.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer t;
        t.start();
        p.start(executavel, {});
        QByteArray saida;
        double aoMostrar = -1;
        // The figure is the moment the program says its window is up, not its exit (tear-down is not start-up).
        while (aoMostrar < 0 && p.waitForReadyRead(20000)) {
            saida += p.readAllStandardOutput();
            if (saida.contains('\n') && linha.match(QString::fromLatin1(saida)).hasMatch())
                aoMostrar = t.nsecsElapsed() / 1e6;
        }
        if (aoMostrar < 0) {
            p.kill();
            p.waitForFinished();
            std::printf("run %d: the program never showed its window (exit %d)\n%s\n", i + 1, p.exitCode(),
                        p.readAllStandardError().constData());
            continue;
        }
        p.waitForFinished(20000);
        total.ms << aoMostrar;
        inicio.ms << linha.match(QString::fromLatin1(saida)).captured(1).toDouble();
    }
    const QByteArray alvo = QStringLiteral("   target %1 ms").arg(AlvoMs).toLatin1();
    total.imprime("launch to main window shown (server on loopback)", alvo.constData());
    inicio.imprime("  of which the program's own start-up");

    // In this process, on a copy of the database on the build folder's disk (not /tmp): the write check
    // creates and removes a journal there.
    QTemporaryDir pasta(QStringLiteral(TARSEL_PASTA_BENCH "/bench-XXXXXX"));
    preparaPasta(pasta.path(), base);
    const QString banco = pasta.filePath(NomeBanco);
    DialogosRoteiro caixas;
    std::printf("\n");
    mede(30, [&] { ExecutaPartida(pasta.path()); }).imprime("start-up steps with the server (ExecutaPartida)");
    mede(30, [&] {
        // The same steps with the online ones left out.
        auto& g = globais();
        g.PastaPrograma = pasta.path();
        g.CaminhoBanco = banco;
        ValidaBanco(banco);
        VerificaGravacao(banco);
        g.IdiomaAtual = LeIdioma();
        VerificaPrimeiroUso();
    }).imprime("  the same without the online steps");
    mede(30, [&] { VerificaInternet(); }).imprime("  probe page (VerificaInternet)");
    mede(30, [&] { VerificaVersaoServidor(); }).imprime("  version page (VerificaVersaoServidor)");
    mede(30, [&] { ValidaBanco(banco); }).imprime("  database validation (ValidaBanco)");
    mede(30, [&] { VerificaGravacao(banco); }).imprime("  write check (VerificaGravacao)");

    // Server down: nothing listens on the port. Start-up must end with its message at once.
    {
        preparaPasta(pasta.path(), servidorFechado());
        caixas.caixas.clear();
        bool segue = true;
        const Serie s = mede(5, [&] { segue = ExecutaPartida(pasta.path()); });
        const QByteArray fim = QStringLiteral("   target 1000 ms; ended: %1, boxes: %2, first: \"%3\"")
                                   .arg(segue ? QStringLiteral("no") : QStringLiteral("yes"))
                                   .arg(caixas.caixas.size())
                                   .arg(caixas.caixas.isEmpty() ? QString() : caixas.caixas.first().titulo.trimmed())
                                   .toUtf8();
        s.imprime("server down: start-up to its message", fim.constData());
    }
    // Server hung: it accepts and never answers. Start-up must end within the request time-out.
    {
        QProcess lento;
        const QString baseLenta = iniciaServidor(lento, {QStringLiteral("--falha"), QStringLiteral("lenta")});
        preparaPasta(pasta.path(), baseLenta);
        caixas.caixas.clear();
        bool segue = true;
        const Serie s = mede(2, [&] { segue = ExecutaPartida(pasta.path()); });
        const QByteArray fim = QStringLiteral("   limit 10000 ms (5000 ms of silence); ended: %1, boxes: %2")
                                   .arg(segue ? QStringLiteral("no") : QStringLiteral("yes"))
                                   .arg(caixas.caixas.size())
                                   .toUtf8();
        s.imprime("server hung: start-up to its message", fim.constData());
        lento.terminate();
        lento.waitForFinished(5000);
    }
    servidor.terminate();
    servidor.waitForFinished(5000);

    medeLeituraPMU(vezes);
    return 0;
}
