// tarsel-sim: the BOX with a phone in its diagnostics shell, on a pseudo-terminal linked as ports/COM<n>.

#include "CatalogoPerfis.h"
#include "FalhasSimuladas.h"
#include "PseudoTerminal.h"
#include "ShellDiagnostico.h"
#include "SimuladorBox.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

using namespace tarsel;

namespace {

int descritoresSinal[2] = {-1, -1};

void aoReceberSinal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t r = ::write(descritoresSinal[0], &c, 1);
}

int falha(const QString& texto) {
    QTextStream(stderr) << "tarsel-sim: " << texto << Qt::endl;
    return 2;
}

// The program folder when none is given: build/bin beside build/sim, else the current folder.
QString pastaPadrao() {
    const QDir bin(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin"));
    return bin.exists() ? bin.absolutePath() : QDir::currentPath();
}

// Profiles copied beside the executable by the build, or installed in the data folder; the source folder
// otherwise.
QString perfisPadrao() {
    const QString aoLado = QCoreApplication::applicationDirPath() + QStringLiteral("/perfis");
    if (QFileInfo(aoLado).isDir())
        return aoLado;
    const QString instalados =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" TARSEL_SIM_PERFIS_INSTALADOS));
    if (QFileInfo(instalados).isDir())
        return instalados;
    return QStringLiteral(TARSEL_SIM_PERFIS);
}

bool leInteiro(const QCommandLineParser& parser, const QString& opcao, int minimo, int maximo, int* valor) {
    if (!parser.isSet(opcao))
        return true;
    bool ok = false;
    const int v = parser.value(opcao).toInt(&ok);
    if (!ok || v < minimo || v > maximo)
        return false;
    *valor = v;
    return true;
}

// The families with their first model number, or every value of every variable fragment (for the mask
// list of the reference data: each is a text the comparator must blank out).
int imprimeCatalogo(const CatalogoPerfis& catalogo, bool familias) {
    QTextStream saida(stdout);
    QStringList valores;
    for (const PerfilPlaca& perfil : catalogo.perfis()) {
        if (familias) {
            saida << perfil.familia() << '\t' << perfil.modelos().value(0) << '\n';
            continue;
        }
        for (const QString& nome : perfil.variaveis()) {
            for (const QByteArray& valor : perfil.secao(PerfilPlaca::secaoVariavel(nome)))
                valores << QString::fromLatin1(valor);
        }
    }
    valores.sort();
    valores.removeDuplicates();
    for (const QString& v : valores)
        saida << v << '\n';
    return 0;
}

// What goes back on the line for the commands, one after the other to the same phone, without the pacing
// and without a terminal: the recording tool of the reference data reads it. Pauses are left out; an
// endless answer is written once.
int imprimeResposta(const PerfilPlaca& perfil, const ShellDiagnostico::Configuracao& configuracao,
                    const QStringList& comandos) {
    ShellDiagnostico shell(perfil, configuracao);
    QByteArray bytes;
    for (const QString& comando : comandos) {
        for (const Trecho& t : shell.responde(comando.toLatin1())) {
            if (t.tipo == Trecho::Tipo::Dados || t.tipo == Trecho::Tipo::SemFim)
                bytes += t.dados;
        }
    }
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarsel-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated BOX with a phone in its diagnostics shell, on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption opPasta(
        QStringLiteral("pasta"), QStringLiteral("Program folder (its ports/ gets the link)."), QStringLiteral("DIR"));
    const QCommandLineOption opPorta(QStringLiteral("porta"), QStringLiteral("COM number (default 3)."),
                                     QStringLiteral("N"), QStringLiteral("3"));
    const QCommandLineOption opModelo(QStringLiteral("modelo"),
                                      QStringLiteral("Model number the phone reports (default A1778)."),
                                      QStringLiteral("ANNNN"), QStringLiteral("A1778"));
    const QCommandLineOption opFalha(
        QStringLiteral("falha"),
        QStringLiteral("Fault to inject (repeatable): %1.").arg(FalhasSimuladas::nomes().join(QStringLiteral(", "))),
        QStringLiteral("NOME"));
    const QCommandLineOption opPausa(QStringLiteral("pausa-ms"),
                                     QStringLiteral("Length of the mid-answer pause of the \"pausa\" fault (1500)."),
                                     QStringLiteral("MS"));
    const QCommandLineOption opPensa(QStringLiteral("pensa-ms"),
                                     QStringLiteral("Time between the echo and the answer (3)."), QStringLiteral("MS"));
    const QCommandLineOption opReinicio(QStringLiteral("reinicio-ms"),
                                        QStringLiteral("Time from \"Reset\" to the prompt (2000)."),
                                        QStringLiteral("MS"));
    const QCommandLineOption opPerfis(QStringLiteral("perfis"), QStringLiteral("Folder of the board profiles."),
                                      QStringLiteral("DIR"));
    const QCommandLineOption opSemente(
        QStringLiteral("semente"),
        QStringLiteral("Seed of the variable fragments (serial numbers, ids); random when not given."),
        QStringLiteral("N"));
    const QCommandLineOption opResponde(
        QStringLiteral("responde"),
        QStringLiteral("Print the bytes the shell sends for this command line (echo, answer, prompt) and exit; "
                       "no terminal is opened. Repeated, the commands go one after the other to the same phone."),
        QStringLiteral("COMANDO"));
    const QCommandLineOption opVariaveis(
        QStringLiteral("variaveis"),
        QStringLiteral("Print every value a variable fragment can take on any board, one a line, and exit."));
    const QCommandLineOption opFamilias(
        QStringLiteral("familias"),
        QStringLiteral("Print each board's family and its first model number, tab-separated, and exit."));
    parser.addOptions({opPasta, opPorta, opModelo, opFalha, opPausa, opPensa, opReinicio, opPerfis, opSemente,
                       opResponde, opVariaveis, opFamilias});
    parser.process(app);

    if (!parser.positionalArguments().isEmpty())
        return falha(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));

    int porta = 3;
    if (!leInteiro(parser, opPorta.names().first(), 1, 99, &porta))
        return falha(QStringLiteral("--porta takes a COM number from 1 to 99"));

    ShellDiagnostico::Configuracao configuracao;
    configuracao.modelo = parser.value(opModelo);
    if (configuracao.modelo.isEmpty() || configuracao.modelo.size() > 32 ||
        configuracao.modelo.contains(QRegularExpression(QStringLiteral("[^\\x21-\\x7e]"))))
        return falha(QStringLiteral("--modelo takes a model number such as A1778"));
    for (const QString& nome : parser.values(opFalha)) {
        if (!configuracao.falhas.liga(nome))
            return falha(QStringLiteral("unknown fault \"%1\"; known: %2")
                             .arg(nome, FalhasSimuladas::nomes().join(QStringLiteral(", "))));
    }
    if (!leInteiro(parser, opPausa.names().first(), 0, 600000, &configuracao.pausaMs) ||
        !leInteiro(parser, opPensa.names().first(), 0, 60000, &configuracao.pensaMs) ||
        !leInteiro(parser, opReinicio.names().first(), 0, 600000, &configuracao.reinicioMs))
        return falha(QStringLiteral("times are whole milliseconds"));

    if (parser.isSet(opSemente)) {
        bool ok = false;
        configuracao.semente = parser.value(opSemente).toULongLong(&ok);
        if (!ok)
            return falha(QStringLiteral("--semente takes a whole number from 0 to 18446744073709551615"));
    } else {
        configuracao.semente = QRandomGenerator::system()->generate64();
    }

    CatalogoPerfis catalogo;
    QString erro;
    const QString pastaPerfis = parser.isSet(opPerfis) ? parser.value(opPerfis) : perfisPadrao();
    if (!catalogo.carrega(pastaPerfis, &erro))
        return falha(erro);
    const PerfilPlaca* perfil = catalogo.perfilDoModelo(configuracao.modelo);

    if (parser.isSet(opFamilias) || parser.isSet(opVariaveis))
        return imprimeCatalogo(catalogo, parser.isSet(opFamilias));
    if (parser.isSet(opResponde))
        return imprimeResposta(*perfil, configuracao, parser.values(opResponde));

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, descritoresSinal) != 0)
        return falha(QStringLiteral("socketpair failed"));
    struct sigaction acao {};
    acao.sa_handler = aoReceberSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &acao, nullptr);
    sigaction(SIGINT, &acao, nullptr);
    sigaction(SIGHUP, &acao, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    QSocketNotifier avisoSinal(descritoresSinal[1], QSocketNotifier::Read);
    QObject::connect(&avisoSinal, &QSocketNotifier::activated, &app, [] { QCoreApplication::exit(0); });

    PseudoTerminal terminal;
    if (!terminal.abre(&erro))
        return falha(erro);
    const QString pasta = parser.isSet(opPasta) ? parser.value(opPasta) : pastaPadrao();
    const QString link = QDir(pasta).absoluteFilePath(QStringLiteral("ports/COM%1").arg(porta));
    if (!terminal.criaLink(link, &erro))
        return falha(erro);

    ShellDiagnostico shell(*perfil, configuracao);
    SimuladorBox box(terminal, shell);
    QObject::connect(&box, &SimuladorBox::desligou, &app, [] { QCoreApplication::exit(0); });

    std::printf("READY COM%d %s\n", porta, terminal.escravo().toLocal8Bit().constData());
    std::fflush(stdout);
    QTextStream(stderr) << "tarsel-sim: " << link << " -> " << terminal.escravo() << ", model " << configuracao.modelo
                        << " (" << perfil->familia() << " board), --semente " << configuracao.semente << Qt::endl;

    const int codigo = app.exec();
    terminal.fecha();
    return codigo;
}
