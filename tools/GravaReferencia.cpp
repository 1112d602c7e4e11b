// Records the reference answers of table Dados from the simulator's healthy boards:
//   tarsel-referencia --sim <tarsel-sim> --notas data/notas-referencia.txt --saida data/
// For every family and every command of the notes file it takes the bytes the board sends, turns them into
// the console's text, masks the variable fragments (every value the boards can give them, which also
// become the mask strings of table M) and writes data/40-dados-<family>.sql and data/45-mascaras.sql.
// Before writing, each saved answer is checked against the same board started with another seed: it must
// match under the console's automatic comparison, or nothing is written.

#include "console/Comparador.h"
#include "console/ReferenciaGravada.h"
#include "link/Resposta.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTextStream>

using namespace tarsel;

namespace {

int falha(const QString& texto) {
    QTextStream(stderr) << "tarsel-referencia: " << texto << Qt::endl;
    return 1;
}

// Runs the simulator with the arguments and returns what it printed; throws the reason on failure.
QByteArray executa(const QString& simulador, const QStringList& argumentos) {
    QProcess p;
    p.start(simulador, argumentos);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw QStringLiteral("%1 %2 failed: %3")
            .arg(simulador, argumentos.join(u' '), QString::fromLocal8Bit(p.readAllStandardError()));
    return p.readAllStandardOutput();
}

bool grava(const QString& caminho, const QString& texto) {
    QSaveFile f(caminho);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(texto.toUtf8());
    return f.commit();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Records the reference answers from the simulator."));
    parser.addHelpOption();
    const QCommandLineOption opSim(QStringLiteral("sim"), QStringLiteral("The tarsel-sim executable."),
                                   QStringLiteral("ARQUIVO"));
    const QCommandLineOption opNotas(QStringLiteral("notas"), QStringLiteral("The notes file."),
                                     QStringLiteral("ARQUIVO"));
    const QCommandLineOption opSaida(QStringLiteral("saida"), QStringLiteral("Folder of the SQL files."),
                                     QStringLiteral("DIR"));
    parser.addOptions({opSim, opNotas, opSaida});
    parser.process(app);
    if (!parser.isSet(opSim) || !parser.isSet(opNotas) || !parser.isSet(opSaida))
        return falha(QStringLiteral("--sim, --notas and --saida are needed"));
    const QString simulador = parser.value(opSim);
    const QDir saida(parser.value(opSaida));

    QFile arquivoNotas(parser.value(opNotas));
    if (!arquivoNotas.open(QIODevice::ReadOnly))
        return falha(QStringLiteral("cannot read %1").arg(arquivoNotas.fileName()));
    QString erro;
    const QList<NotaReferencia> notas = LeNotasReferencia(QString::fromUtf8(arquivoNotas.readAll()), &erro);
    if (notas.isEmpty())
        return falha(QStringLiteral("%1: %2").arg(arquivoNotas.fileName(),
                                                  erro.isEmpty() ? QStringLiteral("no command") : erro));

    try {
        QStringList mascaras =
            QString::fromLatin1(executa(simulador, {QStringLiteral("--variaveis")})).split(u'\n', Qt::SkipEmptyParts);
        const QStringList familias =
            QString::fromUtf8(executa(simulador, {QStringLiteral("--familias")})).split(u'\n', Qt::SkipEmptyParts);
        QHash<QString, QString> arquivos;
        for (const QString& linha : familias) {
            const QString familia = linha.section(u'\t', 0, 0);
            const QString modelo = linha.section(u'\t', 1, 1);
            QList<LinhaDados> linhas;
            for (const NotaReferencia& nota : notas) {
                if (nota.exceto.contains(familia))
                    continue;
                auto resposta = [&](const QString& semente) {
                    return executa(simulador, {QStringLiteral("--modelo"), modelo, QStringLiteral("--semente"), semente,
                                               QStringLiteral("--responde"), nota.comando});
                };
                const QString dados = RespostaGravada(resposta(QStringLiteral("1")), nota.comando, mascaras);
                // Another start of the same board: its variable fragments differ, the saved answer must not,
                // and the console's comparison must find it.
                const QByteArray outra = resposta(QStringLiteral("2"));
                const QString console = ConsoleDaResposta(outra);
                if (RespostaGravada(outra, nota.comando, mascaras) != dados ||
                    (!ComandoNasLinhas(console, nota.comando) &&
                     !AutoComparadorConfere(Resposta::semComando(console, nota.comando), dados, mascaras)))
                    throw QStringLiteral("%1, \"%2\": a second start of the board does not match its saved answer")
                        .arg(familia, nota.comando);
                linhas.append({familia, nota.comando, dados, nota});
            }
            arquivos.insert(QStringLiteral("40-dados-%1.sql").arg(SufixoFamilia(familia)),
                            QStringLiteral("-- Saved answers of a healthy %1 board, recorded from the simulator by "
                                           "tarsel-referencia (see README); do not edit by hand.\n\n")
                                    .arg(familia) +
                                SqlDados(linhas));
        }
        arquivos.insert(
            QStringLiteral("45-mascaras.sql"),
            QStringLiteral("-- Mask strings of the comparator: every value a variable fragment of the boards "
                           "can take, recorded by tarsel-referencia.\n\n") +
                SqlMascaras(mascaras));
        for (auto it = arquivos.cbegin(); it != arquivos.cend(); ++it) {
            if (!grava(saida.filePath(it.key()), it.value()))
                return falha(QStringLiteral("cannot write %1").arg(saida.filePath(it.key())));
        }
        QTextStream(stdout) << "tarsel-referencia: " << arquivos.size() << " files written to " << saida.path()
                            << Qt::endl;
    } catch (const QString& motivo) {
        return falha(motivo);
    }
    return 0;
}
