#pragma once

#include <QString>

namespace tarsel {

// Where the program keeps its writable files (the program folder: Config.tsl, User.tsl, documents,
// ports/, logs/).
//
// Run from a folder that holds Config.tsl (the build folder, a copy on a bench PC), that folder is the
// program folder, as it has always been. Installed, the executable's folder holds no database: the shipped
// files lie in the installed data folder and the program folder is the user's own data folder, seeded on
// the first start. A later package ships a new Config.tsl; the user's file is then replaced only through the
// saved-data import, so that recordings, saved answers, added commands and settings carry over.
struct PastaEscolhida {
    QString programa; // the program folder to run in
    bool instalada = false;
};

// Which folder, without touching anything. `executavel` the executable's folder; `instalada` the installed
// data folder (may not exist); `usuario` the user's data folder.
PastaEscolhida EscolhePastaPrograma(const QString& executavel, const QString& instalada, const QString& usuario);

// Seeds the user's data folder on the first start (Config.tsl, documents, ports/), or brings a newer shipped
// Config.tsl in through the import. Returns an empty text, or the box's text when an upgrade's import
// failed: the old Config.tsl is then kept, the program runs on it, and the next start tries again. A
// failure to seed leaves the folder as it was, for the start-up checks to name. Never throws.
QString PreparaPastaUsuario(const QString& instalada, const QString& usuario);

// The installed data folder of an executable in `executavel` (share/voltrace-tarsel beside bin/).
QString PastaInstalada(const QString& executavel);

// The fingerprint of a shipped Config.tsl that the user's folder remembers (file .dados-instalados):
// SHA-256 of its bytes, hexadecimal; empty when it cannot be read.
QString ImpressaoBanco(const QString& caminho);

inline const QString TituloAtualizacaoDados =
    QStringLiteral("Atualização dos dados - Data update - Actualización de datos");

} // namespace tarsel
