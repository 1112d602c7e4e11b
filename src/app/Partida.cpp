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
