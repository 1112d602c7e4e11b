// tarsel-server: the stand-in product server on 127.0.0.1 (version, notices, links, I2C notes, content
// and report pages), with faults to test the program's online steps against.

#include "ConfiguracaoServidor.h"
#include "Servidor.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace tarsel;

namespace {

int falha(const QString& texto) {
    QTextStream(stderr) << "tarsel-server: " << texto << Qt::endl;
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarsel-server"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Stand-in product server for Voltrace Tarsel, on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption opPorta(QStringLiteral("porta"),
                                     QStringLiteral("TCP port (0, the default: any free one)."), QStringLiteral("N"),
                                     QStringLiteral("0"));
    const QCommandLineOption opVersao(QStringLiteral("versao"),
                                      QStringLiteral("Status of the version page: %1.")
                                          .arg(ConfiguracaoServidor::nomesVersao().join(QStringLiteral(", "))),
                                      QStringLiteral("S"), QStringLiteral("OK"));
    const QCommandLineOption opSemAvisos(QStringLiteral("sem-avisos"),
                                         QStringLiteral("The notice pages answer \"404\"."));
    const QCommandLineOption opFalha(QStringLiteral("falha"),
                                     QStringLiteral("Fault of the online pages: %1.")
                                         .arg(ConfiguracaoServidor::nomesFalha().join(QStringLiteral(", "))),
                                     QStringLiteral("F"), QStringLiteral("nenhuma"));
    const QCommandLineOption opLinks(QStringLiteral("links"),
                                     QStringLiteral("File of n=value lines replacing (or, with no value, removing) "
                                                    "entries of the link page."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption opControle(QStringLiteral("controle"),
                                        QStringLiteral("Enable /controle?versao=S&avisos=0|1&falha=F."));
    parser.addOptions({opPorta, opVersao, opSemAvisos, opFalha, opLinks, opControle});
    parser.process(app);

    if (!parser.positionalArguments().isEmpty())
        return falha(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));

    bool ok = false;
    const int porta = parser.value(opPorta).toInt(&ok);
    if (!ok || porta < 0 || porta > 65535)
        return falha(QStringLiteral("--porta takes a TCP port from 0 to 65535"));

    ConfiguracaoServidor configuracao;
    if (!ConfiguracaoServidor::leVersao(parser.value(opVersao), &configuracao.versao))
        return falha(QStringLiteral("unknown --versao \"%1\"; known: %2")
                         .arg(parser.value(opVersao), ConfiguracaoServidor::nomesVersao().join(QStringLiteral(", "))));
    if (!ConfiguracaoServidor::leFalha(parser.value(opFalha), &configuracao.falha))
        return falha(QStringLiteral("unknown --falha \"%1\"; known: %2")
                         .arg(parser.value(opFalha), ConfiguracaoServidor::nomesFalha().join(QStringLiteral(", "))));
    configuracao.avisos = !parser.isSet(opSemAvisos);
    configuracao.controle = parser.isSet(opControle);
    QString erro;
    if (parser.isSet(opLinks) && !configuracao.leLinks(parser.value(opLinks), &erro))
        return falha(erro);

    Servidor servidor(configuracao);
    if (!servidor.escuta(quint16(porta), &erro))
        return falha(QStringLiteral("cannot listen on 127.0.0.1:%1: %2").arg(porta).arg(erro));

    // Whoever started us waits for this line before the first request.
    std::printf("READY %s\n", qPrintable(servidor.base()));
    std::fflush(stdout);
    return app.exec();
}
