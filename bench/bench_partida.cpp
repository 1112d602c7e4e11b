// Start-up as the technician sees it: from launching the program to its main window on screen, with the
// start-up steps as they stand, against a target of 0.5 s; then the database checks of start-up on their
// own. The program runs from its own folder (build/bin) and ends once its window is up
// (TARSEL_MEDE_PARTIDA). Prints figures; asserts nothing.

#include "app/Partida.h"
#include "base/Globais.h"
#include "store/Banco.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
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
    return 0;
}
