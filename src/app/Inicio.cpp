#include "app/Inicio.h"

#include "app/DialogosQt.h"
#include "app/Inicial.h"
#include "app/Logotipo.h"
#include "app/Partida.h"
#include "app/Telas.h"
#include "base/Dialogos.h"
#include "base/Globais.h"
#include "store/PastaDados.h"
#include "tela/AbreLink.h"
#include "tela/EsperaOcupada.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QSplashScreen>
#include <QStandardPaths>

#include <cstdio>

namespace tarsel {

int Inicio::executa(int argc, char** argv) {
    QElapsedTimer relogio;
    relogio.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Voltrace Tarsel"));
    QApplication::setApplicationVersion(VersaoPrograma);
    DialogosQt dialogosQt;
    instalaDialogos(&dialogosQt);
    // Server requests wait with the busy cursor and no input; their addresses go to the browser.
    EsperaOcupada espera;
    instalaEsperaRede(&espera);
    InstalaNavegadorSistema();

    globais().Versao = VersaoPrograma;
    // Run from a folder with its Config.tsl, that folder; installed, the user's data folder.
    const QString executavel = QApplication::applicationDirPath();
    const PastaEscolhida pasta = EscolhePastaPrograma(
        executavel, PastaInstalada(executavel), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QDir().mkpath(pasta.programa);
    // Before the port or the database is touched: a second program on the same folder ends here.
    QLockFile trava(CaminhoTrava(pasta.programa));
    if (!VerificaInstanciaUnica(trava)) {
        instalaEsperaRede(nullptr);
        instalaDialogos(nullptr);
        return 1;
    }
    if (pasta.instalada) {
        const QString aviso = PreparaPastaUsuario(PastaInstalada(executavel), pasta.programa);
        if (!aviso.isEmpty())
            dialogos().mensagem(Dialogos::Icone::Exclamacao, TituloAtualizacaoDados, aviso);
    }
    // The splash is painted before the checks, which may take a while (online steps).
    auto* xScreen = new QSplashScreen(Logotipo(QSize(480, 270), true));
    xScreen->setObjectName(QStringLiteral("xScreen"));
    xScreen->show();
    QApplication::processEvents();

    if (!ExecutaPartida(pasta.programa)) {
        delete xScreen;
        instalaEsperaRede(nullptr);
        instalaDialogos(nullptr);
        return 1;
    }

    int codigo = 0;
    {
        Inicial inicial;
        InstalaTelas(inicial);
        inicial.carrega();
        // The splash waits until the window it hands over to is on screen, and gives up only after a
        // second: show the window first.
        inicial.showMaximized();
        xScreen->finish(&inicial);
        delete xScreen;
        if (qEnvironmentVariableIsSet("TARSEL_MEDE_PARTIDA")) {
            // bench_partida: how long start-up took, then end without running the program.
            std::printf("TARSEL_PARTIDA %.1f ms\n", relogio.nsecsElapsed() / 1e6);
            std::fflush(stdout);
        } else {
            codigo = QApplication::exec();
        }
    }
    instalaEsperaRede(nullptr);
    instalaDialogos(nullptr);
    return codigo;
}

} // namespace tarsel
