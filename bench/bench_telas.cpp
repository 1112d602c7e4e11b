// A rail reading as the screens do it, for the largest family (IP X): the PMU screen's parse and display
// of a delivered answer (clear + parse + lines) and one Buck and LDO grid refresh, beside the answer's
// wire time at 115200 baud. Prints figures; asserts nothing.

#include "app/Inicial.h"
#include "base/Globais.h"
#include "link/Enlace.h"
#include "rails/BuckLdo.h"
#include "rails/ConsultaRail.h"
#include "rails/ModeloGradeRail.h"
#include "rails/PMU.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace tarsel;

namespace {

// The healthy IP X board's answer, as the simulator sends it (notes removed, line feeds made CR LF).
QString resposta() {
    QFile f(QStringLiteral(TARSEL_PERFIS "/IP_X.txt"));
    f.open(QIODevice::ReadOnly);
    QString texto = QStringLiteral("pmuadc --read all\r\r\n");
    bool dentro = false;
    for (QByteArray l : f.readAll().split('\n')) {
        if (l.startsWith("== ")) {
            dentro = l.trimmed() == "== pmuadc --read all";
            continue;
        }
        if (!dentro || l.trimmed().isEmpty() || l.startsWith('#'))
            continue;
        const int nota = l.indexOf("##");
        if (nota >= 0)
            l = l.left(nota).trimmed();
        texto += QString::fromLatin1(l) + QStringLiteral("\r\r\n");
    }
    return texto + QStringLiteral("[0A1B2C3D:4E5F6071] :-) ");
}

template <typename F> void mede(const char* nome, int vezes, F&& f) {
    QList<double> ms;
    for (int i = 0; i < vezes; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms << t.nsecsElapsed() / 1e6;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-46s runs %3d  min %7.2f ms  median %7.2f ms  max %7.2f ms\n", nome, vezes, ms.first(),
                ms.at(ms.size() / 2), ms.last());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // On the disk of the build folder, not /tmp: the database syncs are part of the cost.
    QTemporaryDir pasta(QStringLiteral(TARSEL_PASTA_BENCH "/bench-XXXXXX"));
    QDir(pasta.path()).mkpath(QStringLiteral("ports"));
    QFile::copy(QStringLiteral(TARSEL_CONFIG_MODELO), pasta.filePath(QStringLiteral("Config.tsl")));
    globais().PastaPrograma = pasta.path();
    globais().CaminhoBanco = pasta.filePath(QStringLiteral("Config.tsl"));
    globais().IdiomaAtual = 1;
    globais().Versao = VersaoPrograma;

    Inicial principal;
    principal.carrega();
    principal.ComboAparelhos()->setCurrentText(QStringLiteral("IP X"));
    const QString texto = resposta();
    principal.enlace().defineConsole(texto);
    std::printf("answer: %lld characters, %.0f ms on the wire at 115200 baud\n\n", static_cast<long long>(texto.size()),
                texto.size() * 10.0 / 115.2);

    auto* pmu = new PMU(principal);
    pmu->show();
    for (int tipo : {2, 1}) {
        // Set the type without sending: the link is not connected here.
        (tipo == 2 ? pmu->Botao1() : pmu->Botao2())->click();
        mede(tipo == 2 ? "PMU BUCK: clear + parse + lines (GeraGrid)" : "PMU LDO: clear + parse + lines (GeraGrid)", 30,
             [pmu] { pmu->GeraGrid(); });
    }
    std::printf("  (%d lines shown)\n", pmu->linhasVisiveis());

    ModeloGradeRail grade({{QStringLiteral("Malha"), QStringLiteral("Malha"), true},
                           {QStringLiteral("Leitura"), QStringLiteral("Leitura"), true},
                           {QStringLiteral("Porc"), QStringLiteral("%"), true},
                           {QStringLiteral("Ref"), QStringLiteral("Ref"), true},
                           {QStringLiteral("G1"), QStringLiteral("G1"), true},
                           {QStringLiteral("G2"), QStringLiteral("G2"), true},
                           {QStringLiteral("G3"), QStringLiteral("G3"), true}});
    for (int tipo : {2, 1}) {
        grade.carrega(ConsultaRail::grade(QStringLiteral("IP X"), tipo, OrdemRail::ModeloOrig));
        mede(tipo == 2 ? "Buck and LDO grid refresh, BUCK rows" : "Buck and LDO grid refresh, LDO rows", 30,
             [&grade] { grade.atualiza(); });
    }
    std::printf("  (%d rows in the grid)\n", grade.rowCount());
    delete pmu;
    return 0;
}
