// How the command transaction keeps up with the line: for a 3 KB answer and for an answer that
// streams for the whole poll limit (live copy on, into a text view), the wire time at 115200 baud,
// the time from the answer's last byte to its delivery, and the CPU time of the program's thread
// while receiving. Then the memory an answer costs when the phone never ends it: the growth of the
// process's resident set beside the size of the text received. Prints figures; asserts nothing.

#include "base/Globais.h"
#include "link/Enlace.h"
#include "link/MapaPortas.h"
#include "link/RegistroSessao.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <thread>

#include "LinhaBench.h"
#include <fcntl.h>
#include <sys/resource.h>
#include <termios.h>

#include <unistd.h>

using namespace tarsel;
using namespace tarsel::bancada;

namespace {

QByteArray resposta(int bytes) {
    QByteArray r = "pmuadc --read all\r\n";
    int i = 0;
    while (r.size() < bytes - 40)
        r += QByteArray("BIST buck") + QByteArray::number(i++ % 12) + ": 1050.42 mV\n";
    return r + "[0A1B2C3D:4E5F6071] :-) ";
}

struct Medida {
    qint64 bytes = 0;
    double fio = 0;
    double entrega = 0;
    double cpu = 0;
    double aposPoll = 0; // from the poll that ended the answer to its delivery
};

Medida mede(Enlace& enlace, Linha& linha, const QByteArray& dados, bool continuo, QPlainTextEdit* espelho) {
    Medida m;
    qint64 entregueEm = 0;
    qint64 ultimoPoll = 0;
    QElapsedTimer fino;
    fino.start();
    qint64 pollNs = 0;
    qint64 entregaNs = 0;
    auto* timer2 = const_cast<QTimer*>(&enlace.Timer2());
    auto* timer1 = const_cast<QTimer*>(&enlace.Timer1());
    const auto marca = [&] {
        ultimoPoll = QDateTime::currentMSecsSinceEpoch();
        pollNs = fino.nsecsElapsed();
    };
    // Our slots run after the link's own, so the tick that delivers is not seen here: it is due one
    // interval after the last tick seen.
    (void)ultimoPoll;
    QMetaObject::Connection c1 = QObject::connect(timer1, &QTimer::timeout, marca);
    QMetaObject::Connection c2 = QObject::connect(timer2, &QTimer::timeout, marca);
    QEventLoop laco;
    enlace.roteador().registra(
        17,
        [&](const Resposta& r) {
            entregueEm = QDateTime::currentMSecsSinceEpoch();
            entregaNs = fino.nsecsElapsed();
            m.aposPoll = pollNs ? (entregaNs - pollNs) / 1e6 - enlace.intervaloLeitura() : -1;
            m.bytes = r.console.size();
            laco.quit();
        },
        [espelho](const Resposta&, const QString& acrescimo, bool substituido) {
            if (substituido)
                espelho->clear();
            else
                espelho->insertPlainText(acrescimo);
        });
    globais().TelaAtiva = QStringLiteral("17");
    globais().EspelhoAtivo = espelho != nullptr;
    enlace.defineComando(QStringLiteral("pmuadc --read all"));
    const double cpu0 = cpuDaThreadMs();
    QElapsedTimer relogio;
    relogio.start();
    enlace.EnviaComando();
    linha.envia(dados, continuo);
    laco.exec();
    const double total = relogio.elapsed();
    m.cpu = cpuDaThreadMs() - cpu0;
    linha.para();
    m.entrega = double(entregueEm - linha.ultimoByte());
    m.fio = m.bytes * 10.0 / 115.2;
    if (!continuo)
        m.fio = dados.size() * 10.0 / 115.2;
    (void)total;
    enlace.roteador().remove(17);
    QObject::disconnect(c1);
    QObject::disconnect(c2);
    return m;
}

// Resident set of the process, in KB.

struct Memoria {
    qint64 resposta = 0;  // characters of the streamed answer as delivered
    qint64 alem = 0;      // bytes the line sent after that answer had ended
    qint64 seguinte = 0;  // characters of the next command's answer
    long naEntrega = 0;   // KB the resident set grew from before the stream to its delivery
    long crescimento = 0; // KB the resident set grew from before the stream to after the next answer
};

// An answer that streams for the whole poll limit (live copy on) and goes on for `alemMs` after the
// link ended it, as a phone that never ends its answer does; then the next command, a short answer.
Memoria medeMemoria(Enlace& enlace, Linha& linha, const QString& modelo, int alemMs) {
    Memoria m;
    enlace.defineModeloBox(modelo);
    QEventLoop laco;
    qint64 tamanho = 0;
    enlace.roteador().registra(
        17,
        [&](const Resposta& r) {
            tamanho = r.console.size();
            laco.quit();
        },
        // The live copy's own cost, without a view to fill.
        [](const Resposta&, const QString&, bool) {});
    const long antes = rssKb();
    globais().TelaAtiva = QStringLiteral("17");
    globais().EspelhoAtivo = true;
    enlace.defineComando(QStringLiteral("pmuadc --read all"));
    enlace.EnviaComando();
    linha.envia(resposta(3072), true);
    laco.exec();
    m.resposta = tamanho;
    m.naEntrega = rssKb() - antes;
    const qint64 noFim = linha.enviados();
    QTimer::singleShot(alemMs, &laco, &QEventLoop::quit);
    laco.exec();
    linha.para();
    m.alem = linha.enviados() - noFim;

    globais().TelaAtiva = QStringLiteral("17");
    enlace.defineComando(QStringLiteral("pmuadc --read all"));
    enlace.EnviaComando();
    linha.envia(resposta(3072), false);
    laco.exec();
    linha.para();
    m.seguinte = tamanho;
    m.crescimento = rssKb() - antes;
    enlace.roteador().remove(17);
    return m;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir pasta;
    QDir(pasta.path()).mkpath(QStringLiteral("ports"));
    globais().TituloPrincipal = QStringLiteral("Voltrace Tarsel v.2.42");
    Linha linha(pasta.path());
    Enlace enlace;
    enlace.defineModeloBox(QStringLiteral("1"));
    enlace.abre(3, pasta.path());
    enlace.defineEstado(EstadoEnlace::Ocioso);
    linha.descarta();
    QPlainTextEdit vista;
    vista.resize(800, 600);
    vista.show();

    std::printf(
        "BOX model 1: polls every %d ms, at most %d polls; the end rule waits for an empty poll after the 6th\n\n",
        enlace.intervaloLeitura(), enlace.limiteLeituras());
    std::printf("%-34s %8s %10s %14s %12s %14s %9s\n", "answer", "bytes", "wire (ms)", "last byte->", "end poll->",
                "CPU while", "CPU/wire");
    std::printf("%-34s %8s %10s %14s %12s %14s %9s\n", "", "", "", "delivery (ms)", "delivery(ms)", "receiving (ms)",
                "");
    const auto linhaTabela = [](const char* nome, const Medida& m) {
        std::printf("%-34s %8lld %10.0f %14.0f %12.1f %14.1f %8.2f%%\n", nome, static_cast<long long>(m.bytes), m.fio,
                    m.entrega, m.aposPoll, m.cpu, 100.0 * m.cpu / qMax(1.0, m.fio));
    };
    mede(enlace, linha, resposta(3072), false, nullptr); // warm-up: first allocations, fonts of the view
    // Measured before the text view holds a long answer, whose freed memory would hide growth here.
    constexpr int AlemMs = 25000;
    const QString modeloMemoria = QStringLiteral("2");
    const Memoria memoria = medeMemoria(enlace, linha, modeloMemoria, AlemMs);
    enlace.defineModeloBox(QStringLiteral("1"));
    linhaTabela("3 KB answer", mede(enlace, linha, resposta(3072), false, nullptr));
    linhaTabela("3 KB answer, live copy", mede(enlace, linha, resposta(3072), false, &vista));
    linhaTabela("streaming to the limit, live copy", mede(enlace, linha, resposta(3072), true, &vista));
    // The same with the session log written as the program writes it: each command and each delivered
    // answer appended and flushed.
    RegistroSessao registro(QDir(pasta.path()).filePath(QStringLiteral("logs")));
    QObject::connect(&enlace, &Enlace::enviado,
                     [&](const QString& c) { registro.comando(QStringLiteral("COM3"), QStringLiteral("A1778"), c); });
    QObject::connect(&enlace, &Enlace::entregue, [&](const Resposta& r) {
        registro.resposta(QStringLiteral("COM3"), QStringLiteral("A1778"), r.console);
    });
    linhaTabela("3 KB answer, session log", mede(enlace, linha, resposta(3072), false, nullptr));
    linhaTabela("streaming, live copy, session log", mede(enlace, linha, resposta(3072), true, &vista));
    std::printf("\nlast byte->delivery includes the end rule's own polls: an answer ends at the first empty poll\n"
                "once more than 5 polls were made (here about %d ms after the last byte), or at the poll limit\n"
                "while data keeps coming (then the last byte is the one read by the final poll).\n",
                enlace.intervaloLeitura());

    std::printf("\nMemory, BOX model %s: an answer streams to the poll limit with the live copy on, the phone goes on\n"
                "for %d s after the link ended it, then the next command gets a 3 KB answer.\n\n",
                qPrintable(modeloMemoria), AlemMs / 1000);
    std::printf("  %-36s %10lld characters (%lld KB as text in memory)\n", "streamed answer",
                static_cast<long long>(memoria.resposta), static_cast<long long>(memoria.resposta * 2 / 1024));
    std::printf("  %-36s %10ld KB\n", "RSS growth at its delivery", memoria.naEntrega);
    std::printf("  %-36s %10lld bytes\n", "sent after it ended", static_cast<long long>(memoria.alem));
    std::printf("  %-36s %10lld characters\n", "next answer", static_cast<long long>(memoria.seguinte));
    std::printf("  %-36s %10ld KB\n", "RSS growth after the next answer", memoria.crescimento);
    return 0;
}
