#pragma once

#include <QString>

namespace tarsel {

// Bringing the user's saved data from User.tsl (the copy of the old database) into a newly installed
// Config.tsl: saved answers and their notes, added commands, recorded rail readings, remembered choices.
// The state of the offer is column syncbd of Tools: "0" new database, "1" declined once, "2" done.

struct ResultadoImportacao {
    enum class Estado {
        Importado,       // written in one transaction
        SemUsuario,      // no User.tsl
        UsuarioInvalido, // User.tsl is not a database, or holds none of the tables
        FalhaGravacao    // Config.tsl refused the writes: nothing was changed
    };
    Estado estado = Estado::SemUsuario;
    int leituras = 0;    // Master rows whose recorded readings were copied
    int dadosNovos = 0;  // saved answers added
    int dadosAtuais = 0; // saved answers overwritten
    int comandosNovos = 0;
    bool combos = false; // remembered choices copied
    QString detalhe;     // the engine's reason on a failure
};

// The import itself, without any box: every value bound, all writes in one transaction (all or
// nothing). A table missing from the source is skipped; rows whose keys hold an apostrophe are
// imported like any other.
ResultadoImportacao ImportaBancoUsuario(const QString& caminhoUsuario, const QString& caminhoBanco);

// The import from the program folder's User.tsl into Config.tsl, then the box that says how it went:
// "MSG_DADOS_SYNC" on success, otherwise a message naming what was wrong.
ResultadoImportacao ImportaDadosSalvos();

// The main window's first load step: asks once or twice whether to import, and moves syncbd on.
void OfereceImportacao();

// The about window's entry: asks, and imports unless the answer is No. syncbd is not changed.
void SincronizaManualmente();

// syncbd of the first row of Tools; empty when it cannot be read.
QString LeSyncbd();
void GravaSyncbd(const QString& valor);

} // namespace tarsel
