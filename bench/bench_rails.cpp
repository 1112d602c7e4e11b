// How long a rail read takes on the database: clearing every reading and parsing a full converter
// report into one model's rows, on a real Config.tsl in a temporary folder. Prints figures only.

#include "base/Globais.h"
#include "rails/LinhasRail.h"
#include "rails/ParseRails.h"
#include "store/Banco.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tarsel;

namespace {

const QStringList Modelos{"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus", "IP 7", "IP 7 Plus", "IP 8", "IP 8 Plus", "IP X"};

// About 60 rows per model: 12 bucks with their currents, 20 LDOs with some currents, a few VCore rows.
void preencheMaster(Banco& b) {
    Banco::Transacao t(b);
    const QString sql = QStringLiteral("insert into Master (Modelo, TIPO, Orig, Malha, Ci, RefT, RefV, Ref, Leitura, "
                                       "Porc, G1, G2, G3) values (?, ?, ?, ?, ?, ?, ?, ?, '', '', '', '', '')");
    for (const QString& m : Modelos) {
        for (int n = 0; n <= 11; ++n) {
            b.executa(sql, {m, 2, QStringLiteral("Buck%1").arg(n), QStringLiteral("PP_BUCK%1").arg(n),
                            n == 0 ? "CPU" : (n == 1 || n == 8 ? "GPU" : "SOC"), QString::number(n),
                            QStringLiteral("%1.%2").arg(1 + n % 3).arg(100 + 37 * n % 900), QStringLiteral("1 V")});
            b.executa(sql, {m, 2, QStringLiteral("mA Buck%1").arg(n), QStringLiteral("mA BUCK%1").arg(n), "SOC",
                            QString::number(20 + n), QString(), QString()});
        }
        for (int n = 0; n <= 19; ++n) {
            b.executa(sql, {m, 1, QStringLiteral("Ldo%1").arg(n), QStringLiteral("PP_LDO%1").arg(n),
                            n % 7 == 0 ? "CAM" : "SOC", QString::number(40 + n),
                            QStringLiteral("%1.%2").arg(1 + n % 3).arg(200 + 41 * n % 700), QStringLiteral("1.8 V")});
            if (n % 4 == 0)
                b.executa(sql, {m, 1, QStringLiteral("mA Ldo%1").arg(n), QStringLiteral("PP_LDO%1_I").arg(n), "SOC",
                                QString::number(60 + n), QString(), QString()});
        }
        for (int n = 0; n <= 5; ++n)
            b.executa(sql, {m, 0, QStringLiteral("Buck%1").arg(n), QStringLiteral("%1. PP_VCORE%1").arg(n),
                            n % 2 ? "GPU" : "CPU", QString::number(n), QStringLiteral("0.%1").arg(700 + 25 * n),
                            QStringLiteral("0.7 V")});
    }
    t.fim();
}

QString respostaCompleta() {
    QString r = QStringLiteral("pmuadc --read all\r\n");
    for (int n = 0; n <= 11; ++n)
        r += QStringLiteral("BIST buck%1: %2.%3 mV\r\n")
                 .arg(n)
                 .arg(1000 + 113 * n)
                 .arg(n * 7 % 1000, 3, 10, QLatin1Char('0'));
    for (int sw = 1; sw <= 3; ++sw)
        r += QStringLiteral("BIST buck3_sw%1: 1799.125 mV\r\n").arg(sw);
    for (int n = 0; n <= 11; ++n)
        r +=
            QStringLiteral("ibuck%1: %2.%3 mA\r\n").arg(n).arg(10 + 17 * n).arg(n * 13 % 1000, 3, 10, QLatin1Char('0'));
    for (int n = 0; n <= 19; ++n)
        r += QStringLiteral("BIST ldo%1: %2.500 mV\r\n").arg(n).arg(1200 + 80 * n);
    for (int n = 0; n <= 19; ++n)
        r += QStringLiteral("BIST ildo%1: %2.250 mA\r\n").arg(n).arg(3 + n);
    r += QStringLiteral("BIST ibuf_1v2: 0.125 mA\r\nBIST vbuf_1v2: 1200.250 mV\r\nBIST vrtc: 2999.875 mV\r\n");
    r += QStringLiteral("[0000abcd:0000ef01] :-) ");
    return r;
}

void mede(const char* nome, int vezes, const std::function<void()>& f) {
    std::vector<double> ms;
    ms.reserve(vezes);
    for (int i = 0; i < vezes; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-48s runs %3d  min %8.2f ms  median %8.2f ms  max %8.2f ms\n", nome, vezes, ms.front(),
                ms[ms.size() / 2], ms.back());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir pasta;
    const QString banco = pasta.filePath(NomeBanco);
    if (!QFile::copy(QStringLiteral(TARSEL_CONFIG_MODELO), banco)) {
        std::fprintf(stderr, "bench_rails: cannot copy %s\n", TARSEL_CONFIG_MODELO);
        return 1;
    }
    QFile(banco).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    globais().PastaPrograma = pasta.path();
    globais().CaminhoBanco = banco;
    globais().IdiomaAtual = 1;

    int linhas = 0;
    {
        Banco b;
        preencheMaster(b);
        linhas = b.valor(QStringLiteral("select count(*) from Master")).toInt();
    }
    const QString resposta = respostaCompleta();
    const QString m = QStringLiteral("IP 7");
    std::printf("Master: %d rows over %lld models; answer: %lld characters\n", linhas, qlonglong(Modelos.size()),
                qlonglong(resposta.size()));

    const int vezes = 30;
    mede("LimpaLeituras (one statement, every row)", vezes, [] { LinhasRail::LimpaLeituras(); });
    mede("ProcessaLeituras Buck and LDO, BUCK rows", vezes,
         [&] { ProcessaLeituras(TelaRail::BuckLdo, resposta, m, 2, 3, 1); });
    mede("ProcessaLeituras PMU, LDO rows", vezes, [&] { ProcessaLeituras(TelaRail::PMU, resposta, m, 1, 3, 3); });
    mede("ProcessaLeituras VCore", vezes, [&] { ProcessaLeituras(TelaRail::VCore, resposta, m, 0, 3, 1); });
    mede("LimpaLeituras + ProcessaLeituras (screen read)", vezes, [&] {
        LinhasRail::LimpaLeituras();
        ProcessaLeituras(TelaRail::BuckLdo, resposta, m, 2, 3, 1);
    });
    return 0;
}
