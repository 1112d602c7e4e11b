// Unplug and fault soak: cycle after cycle against the simulated BOX, a hang-up in the middle of an
// answer, a hang-up while idle, garbage bytes, an answer that never ends and a silent BOX, then a
// reconnect and a full PMU read. Prints the cycles survived, the message boxes each fault showed (one is
// expected), the resident memory at start and end, and the CPU the main thread spends while idle after
// a fault (a busy loop would show here). Figures only; nothing is asserted about time.
//
//   bench_soak [cycles]     (100 by default)

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

#include <cstdio>
#include <functional>

using namespace tarsel;

namespace {

constexpr int IdleMs = 1000; // how long the CPU is watched after each fault

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
    // Starts the BOX with `falhas` and clicks connect; true once the phone is identified and idle. A
    // BOX that never identifies ends the wait at the program's own box (or after `ms`).
    bool liga(const QStringList& falhas, int ms = 20000) {
        sim = std::make_unique<teste::Simulador>(pasta.caminho(), 3, QStringLiteral("A1778"), falhas);
        if (!sim->pronto())
            return false;
        const auto antes = dialogos.caixas.size();
        principal->CarregaPortas();
        principal->cbPortas()->setCurrentText(QStringLiteral("3"));
        principal->Botoes(Botao::Conectar)->click();
        (void)QTest::qWaitFor(
            [&] {
                return dialogos.caixas.size() > antes || (principal->lbModelo()->text() == QLatin1String("A1778") &&
                                                          enlace().Status() == QLatin1String("1"));
            },
            ms);
        return dialogos.caixas.size() == antes && enlace().Status() == QLatin1String("1");
    }
    PMU* pmu() {
        if (!tela())
            principal->Botoes(Botao::PMU)->click();
        return tela();
    }
    bool le() {
        PMU* p = pmu();
        if (!p)
            return false;
        p->Botao1()->click();
        return QTest::qWaitFor([p] { return !p->lendo(); }, 30000);
    }
};

struct Figura {
    long caixas = 0;
    long vezes = 0;
    long foraDeUm = 0; // times the fault showed other than exactly one box
    double cpuOciosoMs = 0;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int ciclos = argc > 1 ? QByteArray(argv[1]).toInt() : 100;
    if (ciclos <= 0) {
        std::fprintf(stderr, "usage: bench_soak [cycles]\n");
        return 2;
    }

    Soak s;
    const long rssInicio = bancada::rssKb();
    QMap<QString, Figura> figuras;
    int sobreviveu = 0;
    int leiturasOk = 0;
    QElapsedTimer total;
    total.start();

    // Runs one fault: `provoca` brings it on; the boxes it adds and the idle CPU after it are noted.
    const auto falha = [&](const QString& nome, const std::function<void()>& provoca) {
        const auto antes = s.dialogos.caixas.size();
        provoca();
        QTest::qWait(300); // a late second box would land here
        const long n = long(s.dialogos.caixas.size() - antes);
        const double cpu0 = bancada::cpuDaThreadMs();
        QTest::qWait(IdleMs);
        Figura& f = figuras[nome];
        f.cpuOciosoMs += bancada::cpuDaThreadMs() - cpu0;
        f.caixas += n;
        f.vezes += 1;
        if (n != 1)
            f.foraDeUm += 1;
        s.desconecta();
    };

    for (int c = 0; c < ciclos; ++c) {
        falha(QStringLiteral("hang-up mid-answer"), [&] {
            if (!s.liga({QStringLiteral("desliga")}))
                return;
            s.pmu()->Botao1()->click();
            (void)QTest::qWaitFor([&] { return s.enlace().Status() == QLatin1String("0"); }, 15000);
        });
        falha(QStringLiteral("hang-up while idle"), [&] {
            if (!s.liga({}))
                return;
            s.sim.reset(); // the BOX unplugged: the line hangs up
            (void)QTest::qWaitFor([&] { return s.enlace().Status() == QLatin1String("0"); }, 15000);
        });
        falha(QStringLiteral("garbage bytes"), [&] { s.liga({QStringLiteral("lixo")}); });
        falha(QStringLiteral("never-ending answer"), [&] {
            if (s.liga({QStringLiteral("sem-fim")}))
                s.le();
        });
        falha(QStringLiteral("silent BOX"), [&] { s.liga({QStringLiteral("silencioso")}); });

        // Healthy again: reconnect and read every PMU row.
        const auto antes = s.dialogos.caixas.size();
        const bool ok = s.liga({}) && s.le() && s.pmu()->linhasVisiveis() > 0 && s.dialogos.caixas.size() == antes;
        if (ok)
            ++leiturasOk;
        s.desconecta();
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
    std::printf("%-22s %6s %12s %16s %22s\n", "fault", "times", "boxes", "times not one", "idle CPU per s (ms)");
    for (auto it = figuras.cbegin(); it != figuras.cend(); ++it) {
        const Figura& f = it.value();
        std::printf("%-22s %6ld %12ld %16ld %22.1f\n", qPrintable(it.key()), f.vezes, f.caixas, f.foraDeUm,
                    f.vezes ? f.cpuOciosoMs / f.vezes * 1000.0 / IdleMs : 0.0);
    }
    std::printf("RSS: %ld kB at start, %ld kB at end\n", rssInicio, rssFim);
    return sobreviveu == ciclos ? 0 : 1;
}
