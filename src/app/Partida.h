#pragma once

#include <QLockFile>
#include <QString>

namespace tarsel {

// The checks of start-up after the splash: version, database, language, online steps, active screen.
// Returns false when the program must end (the reason has been shown to the user).
bool ExecutaPartida(const QString& pastaPrograma);

// The boxes start-up shows when the database cannot be used (three languages each).
QString TextoBancoAusente();
QString TextoBancoInvalido(const QString& caminho);
QString TextoBancoSomenteLeitura(const QString& caminho);
QString TextoOutraInstancia(const QString& pasta);
inline const QString TituloBancoAusente = QStringLiteral("Arquivo ausente - File not found");
inline const QString TituloBancoInvalido = QStringLiteral("Arquivo inválido - Invalid file - Archivo inválido");
inline const QString TituloBancoSomenteLeitura =
    QStringLiteral("Arquivo somente leitura - Read-only file - Archivo de solo lectura");

inline const QString TituloOutraInstancia =
    QStringLiteral("Programa já aberto - Program already running - Programa ya abierto");

// One program per program folder: two would share the port list, the database and the session log. Takes
// the folder's lock file `trava` (held until it is destroyed) and returns true; when another running program
// holds it, shows the box (three languages: the language is not read yet) and returns false. A lock left by
// a program that died is taken over. A folder where the lock cannot be created is let through: the
// database checks that follow say what is wrong with it.
bool VerificaInstanciaUnica(QLockFile& trava);
// The lock file of a program folder.
QString CaminhoTrava(const QString& pastaPrograma);

} // namespace tarsel
