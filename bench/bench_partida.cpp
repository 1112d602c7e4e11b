// Start-up as the technician sees it: from launching the program to its main window on screen, with the
// start-up steps as they stand, against a target of 0.5 s; then the database checks of start-up on their
// own. The program runs from its own folder (build/bin) and ends once its window is up
// (TARSEL_MEDE_PARTIDA). Last, the first thing a technician does: a BUCK click on the PMU screen until
// the judged lines show, against the simulated phone at 115200 baud, beside the 700 ms the poll rules
// take at the least. Prints figures; asserts nothing.

#include "app/Inicial.h"
#include "app/Partida.h"
#include "app/Telas.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "link/Enlace.h"
#include "rails/PMU.h"
#include "store/Banco.h"

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
    // The program is started offscreen unless a platform is chosen (e.g. QT_QPA_PLATFORM=xcb with Xvfb).
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    if (!ambiente.contains(QStringLiteral("QT_QPA_PLATFORM")))
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ambiente.insert(QStringLiteral("TARSEL_MEDE_PARTIDA"), QStringLiteral("1"));
    std::printf("program: %s\nplatform: %s\n\n", TARSEL_PROGRAMA,
                qPrintable(ambiente.value(QStringLiteral("QT_QPA_PLATFORM"))));

    const QRegularExpression linha(QStringLiteral("TARSEL_PARTIDA ([0-9.]+) ms"));
    Serie total, inicio;
    for (int i = 0; i < vezes; ++i) {
        QProcess p;
        p.setProcessEnvironment(ambiente);
        p.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral(TARSEL_PROGRAMA), {});
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
    total.imprime("launch to main window shown", alvo.constData());
    inicio.imprime("  of which the program's own start-up");

    // The checks alone, on a copy of the database on the build folder's disk (not /tmp): the write check
    // creates and removes a journal there.
    QTemporaryDir pasta(QStringLiteral(TARSEL_PASTA_BENCH "/bench-XXXXXX"));
    const QString banco = pasta.filePath(NomeBanco);
    QFile::copy(QStringLiteral(TARSEL_CONFIG_MODELO), banco);
    QFile::setPermissions(banco, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    std::printf("\n");
    mede(30, [&] { ExecutaPartida(pasta.path()); }).imprime("start-up checks (ExecutaPartida)");
    mede(30, [&] { ValidaBanco(banco); }).imprime("  database validation (ValidaBanco)");
    mede(30, [&] { VerificaGravacao(banco); }).imprime("  write check (VerificaGravacao)");

    medeLeituraPMU(vezes);
    return 0;
}
