#include "app/Partida.h"

#include "base/Dialogos.h"
#include "base/Globais.h"
#include "online/Verificacoes.h"
#include "store/Banco.h"
#include "store/Configuracao.h"
#include "store/PrimeiroUso.h"

#include <QDir>
#include <QFileInfo>

namespace tarsel {

QString TextoBancoAusente() {
    return QStringLiteral("BR - Arquivo: 'Config.tsl' ausente, reinstale o software\r\n\r\n"
                          "US - Config.tsl' missing, reinstall software\r\n\r\n"
                          "ES - Archivo: falta 'Config.tsl', reinstale el software");
}

QString TextoBancoInvalido(const QString& caminho) {
    const QString nativo = QDir::toNativeSeparators(caminho);
    return QStringLiteral("BR - Arquivo: '%1' danificado ou inválido, reinstale o software\r\n\r\n"
                          "US - File: '%1' damaged or invalid, reinstall software\r\n\r\n"
                          "ES - Archivo: '%1' dañado o inválido, reinstale el software")
        .arg(nativo);
}

QString TextoBancoSomenteLeitura(const QString& caminho) {
    const QString nativo = QDir::toNativeSeparators(caminho);
    return QStringLiteral("BR - Arquivo: '%1' não pode ser gravado (o arquivo ou a pasta dele é somente leitura), "
                          "libere a gravação e abra o software novamente\r\n\r\n"
                          "US - File: '%1' cannot be written (the file or its folder is read-only), "
                          "allow writing and start the software again\r\n\r\n"
                          "ES - Archivo: '%1' no se puede escribir (el archivo o su carpeta es de solo lectura), "
                          "permita la escritura y abra el software de nuevo")
        .arg(nativo);
}

QString TextoOutraInstancia(const QString& pasta) {
    const QString nativo = QDir::toNativeSeparators(pasta);
    return QStringLiteral("BR - O Voltrace Tarsel já está aberto a partir da pasta '%1'. Use a janela que já está "
                          "aberta, ou feche-a antes de abrir o programa de novo.\r\n\r\n"
                          "US - Voltrace Tarsel is already running from the folder '%1'. Use the window that is "
                          "already open, or close it before starting the program again.\r\n\r\n"
                          "ES - Voltrace Tarsel ya está abierto desde la carpeta '%1'. Use la ventana que ya está "
                          "abierta, o ciérrela antes de abrir el programa de nuevo.")
        .arg(nativo);
}

QString CaminhoTrava(const QString& pastaPrograma) {
    return QDir(pastaPrograma).filePath(QStringLiteral(".tarsel.lock"));
}

bool VerificaInstanciaUnica(QLockFile& trava) {
    // Only a dead owner makes a lock stale, never its age: a program may stay open for days.
    trava.setStaleLockTime(0);
    if (trava.tryLock(0))
        return true;
    if (trava.error() != QLockFile::LockFailedError)
        return true;
    const QString pasta = QFileInfo(trava.fileName()).absolutePath();
    dialogos().mensagem(Dialogos::Icone::Exclamacao, TituloOutraInstancia, TextoOutraInstancia(pasta));
    return false;
}

bool ExecutaPartida(const QString& pastaPrograma) {
    auto& g = globais();
    g.Versao = VersaoPrograma;
    g.PastaPrograma = QDir(pastaPrograma).absolutePath();
    g.CaminhoBanco = QDir(g.PastaPrograma).filePath(NomeBanco);

    if (!QFileInfo(g.CaminhoBanco).isFile()) {
        dialogos().mensagem(Dialogos::Icone::Critico, TituloBancoAusente, TextoBancoAusente());
        return false;
    }
    // A file that is there but is no database of ours would fail later in every screen: say so now,
    // and leave the file as it is.
    if (!ValidaBanco(g.CaminhoBanco).isEmpty()) {
        dialogos().mensagem(Dialogos::Icone::Critico, TituloBancoInvalido, TextoBancoInvalido(g.CaminhoBanco));
        return false;
    }
    // Every screen writes to the database (choices, readings, recordings): a file that refuses writes
    // would open normally and fail at the first reading.
    if (!VerificaGravacao(g.CaminhoBanco).isEmpty()) {
        dialogos().mensagem(Dialogos::Icone::Critico, TituloBancoSomenteLeitura,
                            TextoBancoSomenteLeitura(g.CaminhoBanco));
        return false;
    }

    g.IdiomaAtual = LeIdioma();

    if (!VerificaInternet())
        return false;
    if (!VerificaPrimeiroUso())
        return false;
    if (!VerificaVersaoServidor())
        return false;

    g.TelaAtiva = QStringLiteral("0");
    return true;
}

} // namespace tarsel
