// The command console under a long answer: (a) an answer that streams for its whole poll limit with the
// live copy on, into the console window itself: the CPU time of the program's thread as a share of the
// wire time, and the growth of the resident set beside the size of the text; (b) the automatic
// comparison of a 250 KB answer with a 250 KB saved answer and ten masks, and of a 5 MB answer.
// Prints figures; asserts nothing.

#include "base/Globais.h"
#include "console/Comparador.h"
#include "console/Master.h"
#include "link/Enlace.h"
#include "link/MapaPortas.h"
#include "tela/ContextoTela.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

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

// The console's surroundings without a main window.
class Contexto : public ContextoTela {
public:
    mutable Enlace link;
    QString familia() const override { return QStringLiteral("IP 7"); }
    QString numeroModelo() const override { return QStringLiteral("A1778"); }
    Enlace& enlace() const override { return link; }
    QWidget* abreTela(const QString&) override { return nullptr; }
    bool temTela(const QString&) const override { return false; }
    QWidget* tela(const QString&) const override { return nullptr; }
    int alturaPrincipal() const override { return 900; }
};

QByteArray linhasAjuda() {
    QByteArray r;
    for (int i = 0; i < 40; ++i)
        r += "  pmuadc --sel <sensor> --read all   read the channels of one sensor " + QByteArray::number(i) + "\n";
    return r;
}

struct Medida {
    qint64 caracteres = 0;
    double fio = 0;
    double cpu = 0;
    long rss = 0;
    int blocos = 0;
};

// "help" (live copy) into the console while the line streams until the poll limit ends the answer.
Medida mede(Master& m, Contexto& c, Linha& linha, const QString& modelo, bool limpar) {
    c.link.defineModeloBox(modelo);
    m.ckLimpar()->setChecked(limpar);
    m.txtConsole()->clear();
    m.defineComando(QStringLiteral("help"));
    QEventLoop laco;
    const auto conexao = QObject::connect(&c.link, &Enlace::entregue, &laco, &QEventLoop::quit, Qt::QueuedConnection);
    const long rss0 = rssKb();
    const double cpu0 = cpuDaThreadMs();
    QElapsedTimer relogio;
    relogio.start();
    m.btSend()->click();
    linha.envia(linhasAjuda(), true);
    laco.exec();
    Medida r;
    r.cpu = cpuDaThreadMs() - cpu0;
    r.rss = rssKb() - rss0;
    linha.para();
    QObject::disconnect(conexao);
    r.caracteres = c.link.txtConsole().size();
    // The line streams from the send to the end of the answer.
    r.fio = double(relogio.elapsed());
    r.blocos = m.txtConsole()->document()->blockCount();
    return r;
}

QString texto(qsizetype tamanho, const QString& serial) {
    QString t = QStringLiteral("\r\n");
    int i = 0;
    while (t.size() < tamanho)
        t += QStringLiteral("Serial %1 line %2: ok value 1050.42 mV\r\n").arg(serial).arg(i++);
    return t;
}

void comparacao(const char* nome, qsizetype tamanho, int repeticoes) {
    QStringList mascaras;
    for (int i = 0; i < 10; ++i)
        mascaras << QStringLiteral("F5K%1ZZ").arg(1000 + i * 37);
    const QString console =
        texto(tamanho, QStringLiteral("F5K1037ZZ")) + QStringLiteral("\r\n[0A1B2C3D:4E5F6071] :-) ");
    const QString salvo = QStringLiteral("x") + texto(tamanho, MarcaMascara);
    QElapsedTimer relogio;
    relogio.start();
    int marcas = 0;
    for (int i = 0; i < repeticoes; ++i)
        marcas += AutoComparadorConfere(console, salvo, mascaras) ? 1 : 0;
    const double ms = relogio.nsecsElapsed() / 1e6 / repeticoes;
    std::printf("  %-44s %9lld chars %9.2f ms per comparison (match: %s)\n", nome,
                static_cast<long long>(console.size()), ms, marcas == repeticoes ? "yes" : "no");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const bool curto = app.arguments().contains(QStringLiteral("--curto"));
    QTemporaryDir pasta;
    QDir(pasta.path()).mkpath(QStringLiteral("ports"));
    QFile::copy(QStringLiteral(TARSEL_CONFIG_MODELO), pasta.filePath(NomeBanco));
    QFile(pasta.filePath(NomeBanco)).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    auto& g = globais();
    g.PastaPrograma = pasta.path();
    g.CaminhoBanco = pasta.filePath(NomeBanco);
    g.IdiomaAtual = 2;
    g.TituloPrincipal = QStringLiteral("Voltrace Tarsel v.2.42");

    std::printf("(b) the automatic comparison, ten masks, the answer matching the saved one\n\n");
    comparacao("250 KB answer against a 250 KB saved answer", 250 * 1024, 20);
    comparacao("5 MB answer against a 5 MB saved answer", 5 * 1024 * 1024, 2);

    Linha linha(pasta.path());
    Contexto c;
    c.link.defineModeloBox(QStringLiteral("1"));
    c.link.abre(3, pasta.path());
    c.link.defineEstado(EstadoEnlace::Ocioso);
    linha.descarta();
    Master m(c);
    m.resize(1236, 700);
    m.show();

    std::printf(
        "\n(a) \"help\" with the live copy, the line streaming at 115200 baud until the poll limit ends it\n\n");
    std::printf("  %-30s %10s %10s %10s %9s %12s %10s\n", "", "chars", "wire (ms)", "CPU (ms)", "CPU/wire",
                "RSS growth", "lines");
    const auto imprime = [](const char* nome, const Medida& r) {
        std::printf("  %-30s %10lld %10.0f %10.1f %8.2f%% %9ld KB %10d\n", nome, static_cast<long long>(r.caracteres),
                    r.fio, r.cpu, 100.0 * r.cpu / qMax(1.0, r.fio), r.rss, r.blocos);
    };
    imprime("BOX 1, Auto ticked", mede(m, c, linha, QStringLiteral("1"), true));
    imprime("BOX 1, Auto clear (on top)", mede(m, c, linha, QStringLiteral("1"), false));
    if (!curto)
        imprime("BOX 2, Auto ticked", mede(m, c, linha, QStringLiteral("2"), true));
    std::printf("\n  RSS growth: the resident set after the delivery minus before the send (the answer text is\n"
                "  held by the link twice, console and R, and once more by the console window and its view).\n"
                "  The first row also pays the first-use allocations of the view and the allocator.\n");
    return 0;
}
