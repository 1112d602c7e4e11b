// Unplug and fault soak: cycle after cycle against the simulated BOX, a hang-up in the middle of an
// answer, garbage bytes, an answer that never ends and a silent BOX, then a reconnect and a full PMU
// read on a healthy BOX, which then hangs up while idle. Prints the cycles survived, the message boxes
// each fault showed (one is expected; their titles are listed, and a box that comes only after the
// fault's window still counts, as late), faults that could not be brought on, the resident memory at
// start and end, and the CPU the main thread spends while idle after a fault (a busy loop would show
// here). Figures only; nothing is asserted about time.
//
//   bench_soak [cycles] [fault...]     (100 cycles by default; every fault, or those whose name holds one
//                                       of the words given, e.g. "bench_soak 20 never-ending")

#include "Apoio.h"
#include "LinhaBench.h"

#include "app/BarraBotoes.h"
#include "link/Enlace.h"
#include "rails/PMU.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace tarsel;

namespace {

constexpr int IdleMs = 500; // how long the CPU is watched after each fault; a late box is counted too

struct Soak : teste::BancadaTela<PMU> {
    Soak()
        : BancadaTela(NomeTela::PMU) {
        globais().IdiomaAtual = 1;
    }
    Enlace& enlace() { return principal->enlace(); }

    // Back to a closed port, whatever the last fault left.
    void desconecta() {
        if (enlace().Status() != QLatin1String("0")) {
            principal->Botoes(Botao::Conectar)->click();
            (void)QTest::qWaitFor([this] { return enlace().Status() == QLatin1String("0"); }, 15000);
        }
        sim.reset();
    }
    // Starts the BOX with `falhas`; false when it could not start.
    bool iniciaBox(const QStringList& falhas) {
        sim = std::make_unique<teste::Simulador>(pasta.caminho(), 3, QStringLiteral("A1778"), falhas);
        return sim->pronto();
    }
    // Clicks connect; true once the phone is identified and idle. A BOX that never identifies ends the
    // wait at the program's own box, or when the port is closed again (or after `ms`).
    bool conecta(int ms = 30000) {
        const auto antes = dialogos.caixas.size();
        principal->CarregaPortas();
        principal->cbPortas()->setCurrentText(QStringLiteral("3"));
        principal->Botoes(Botao::Conectar)->click();
        (void)QTest::qWaitFor(
            [&] {
                return dialogos.caixas.size() > antes || enlace().Status() == QLatin1String("0") ||
                       (principal->lbModelo()->text() == QLatin1String("A1778") &&
                        enlace().Status() == QLatin1String("1"));
            },
            ms);
        return dialogos.caixas.size() == antes && enlace().Status() == QLatin1String("1") &&
               principal->lbModelo()->text() == QLatin1String("A1778");
    }
    bool liga(const QStringList& falhas) { return iniciaBox(falhas) && conecta(); }
    PMU* pmu() {
        if (!tela())
            principal->Botoes(Botao::PMU)->click();
        return tela();
    }
    // Reads every PMU row; true when the read ended (the program's own limits end every read well
    // within the wait).
    bool le() {
        PMU* p = pmu();
        if (!p)
            return false;
        p->Botao1()->click();
        return QTest::qWaitFor([p] { return !p->lendo(); }, 60000);
    }
};

struct Figura {
    long caixas = 0;
    long vezes = 0;
    long foraDeUm = 0;     // times the fault showed other than exactly one box
    long tardias = 0;      // boxes that came only after the fault's window
    long naoProvocada = 0; // times the fault could not be brought on (the BOX did not start or connect)
    double cpuOciosoMs = 0;
    double segundos = 0;
    QMap<QString, long> titulos; // the boxes seen, by title
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int ciclos = argc > 1 ? QByteArray(argv[1]).toInt() : 100;
    if (ciclos <= 0) {
        std::fprintf(stderr, "usage: bench_soak [cycles] [fault...]\n");
        return 2;
    }
    QStringList escolhidas;
    for (int i = 2; i < argc; ++i)
        escolhidas << QString::fromLocal8Bit(argv[i]);
    const auto escolhida = [&escolhidas](const QString& nome) {
        return escolhidas.isEmpty() || std::any_of(escolhidas.cbegin(), escolhidas.cend(),
                                                   [&nome](const QString& p) { return nome.contains(p); });
    };
    // How long each endless answer's read ran: the poll limit ends it at about 20 s; an earlier end means
    // that a poll found the line silent (the simulator says so on stderr when it was not scheduled in the
    // middle of the answer).
    QList<double> leiturasSemFim;

    Soak s;
    const long rssInicio = bancada::rssKb();
    QMap<QString, Figura> figuras;
    int sobreviveu = 0;
    int leiturasOk = 0;
    QElapsedTimer total;
    total.start();

    // Runs one fault: `provoca` brings it on (false when it could not); the boxes it adds, during the
    // fault, the idle window after it and the disconnect that follows, and the idle CPU are noted.
    const auto falha = [&](const QString& nome, const std::function<bool()>& provoca) {
        if (!escolhida(nome))
            return;
        Figura& f = figuras[nome];
        QElapsedTimer relogio;
        relogio.start();
        const auto antes = s.dialogos.caixas.size();
        const bool provocada = provoca();
        const double cpu0 = bancada::cpuDaThreadMs();
        QTest::qWait(IdleMs);
        f.cpuOciosoMs += bancada::cpuDaThreadMs() - cpu0;
        const auto noPrazo = s.dialogos.caixas.size();
        s.desconecta();
        const auto depois = s.dialogos.caixas.size();
        f.segundos += relogio.elapsed() / 1000.0;
        const long n = long(depois - antes);
        f.caixas += n;
        f.tardias += long(depois - noPrazo);
        f.vezes += 1;
        if (!provocada)
            f.naoProvocada += 1;
        if (n != 1)
            f.foraDeUm += 1;
        for (auto i = antes; i < depois; ++i)
            f.titulos[s.dialogos.caixas.at(i).titulo.trimmed()] += 1;
    };

    for (int c = 0; c < ciclos; ++c) {
        falha(QStringLiteral("hang-up mid-answer"), [&] {
            if (!s.liga({QStringLiteral("desliga")}))
                return false;
            s.pmu()->Botao1()->click();
            return QTest::qWaitFor([&] { return s.enlace().Status() == QLatin1String("0"); }, 15000);
        });
        falha(QStringLiteral("garbage bytes"), [&] {
            if (!s.iniciaBox({QStringLiteral("lixo")}))
                return false;
            s.conecta();
            return true;
        });
        falha(QStringLiteral("never-ending answer"), [&] {
            if (!s.liga({QStringLiteral("sem-fim")}))
                return false;
            QElapsedTimer leitura;
            leitura.start();
            const bool terminou = s.le();
            leiturasSemFim << leitura.elapsed() / 1000.0;
            return terminou;
        });
        falha(QStringLiteral("silent BOX"), [&] {
            if (!s.iniciaBox({QStringLiteral("silencioso")}))
                return false;
            s.conecta();
            return true;
        });

        // Healthy again: reconnect and read every PMU row; then that BOX hangs up while idle.
        const auto antes = s.dialogos.caixas.size();
        const bool ok = s.liga({}) && s.le() && s.pmu()->linhasVisiveis() > 0 && s.dialogos.caixas.size() == antes;
        if (ok)
            ++leiturasOk;
        falha(QStringLiteral("hang-up while idle"), [&] {
            if (!ok)
                return false;
            s.sim.reset(); // the BOX unplugged: the line hangs up
            return QTest::qWaitFor([&] { return s.enlace().Status() == QLatin1String("0"); }, 15000);
        });
        if (!escolhida(QStringLiteral("hang-up while idle")))
            s.desconecta(); // the next cycle starts from a closed port all the same
        if (!ok) {
            std::printf("cycle %d: the healthy read after the faults failed\n", c + 1);
            break;
        }
        ++sobreviveu;
        if ((c + 1) % 10 == 0) {
            std::printf("... %d cycles, %.0f s, RSS %ld kB\n", c + 1, total.elapsed() / 1000.0, bancada::rssKb());
            std::fflush(stdout);
        }
    }
    const long rssFim = bancada::rssKb();

    std::printf("\nbench_soak: %d of %d cycles survived (%d healthy PMU reads after the faults), %.0f s\n", sobreviveu,
                ciclos, leiturasOk, total.elapsed() / 1000.0);
    std::printf("%-20s %6s %6s %8s %6s %10s %10s %12s\n", "fault", "times", "boxes", "not one", "late", "not made",
                "s each", "idle CPU/s");
    for (auto it = figuras.cbegin(); it != figuras.cend(); ++it) {
        const Figura& f = it.value();
        std::printf("%-20s %6ld %6ld %8ld %6ld %10ld %10.1f %9.1f ms\n", qPrintable(it.key()), f.vezes, f.caixas,
                    f.foraDeUm, f.tardias, f.naoProvocada, f.vezes ? f.segundos / f.vezes : 0.0,
                    f.vezes ? f.cpuOciosoMs / f.vezes * 1000.0 / IdleMs : 0.0);
    }
    std::printf("boxes by title:\n");
    for (auto it = figuras.cbegin(); it != figuras.cend(); ++it) {
        for (auto t = it->titulos.cbegin(); t != it->titulos.cend(); ++t)
            std::printf("  %-20s %6ld x \"%s\"\n", qPrintable(it.key()), t.value(), qPrintable(t.key()));
    }
    if (!leiturasSemFim.isEmpty()) {
        std::sort(leiturasSemFim.begin(), leiturasSemFim.end());
        const long cedo =
            long(std::count_if(leiturasSemFim.cbegin(), leiturasSemFim.cend(), [](double t) { return t < 19.0; }));
        std::printf("never-ending answer: each read ran %.1f to %.1f s (median %.1f); %ld ended before 19 s\n",
                    leiturasSemFim.first(), leiturasSemFim.last(), leiturasSemFim.at(leiturasSemFim.size() / 2), cedo);
    }
    std::printf("RSS: %ld kB at start, %ld kB at end\n", rssInicio, rssFim);
    return sobreviveu == ciclos ? 0 : 1;
}
