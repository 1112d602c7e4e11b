#pragma once

#include <QString>

namespace tarsel {

// The checks of start-up after the splash: version, database, language, online steps, active screen.
// Returns false when the program must end (the reason has been shown to the user).
bool ExecutaPartida(const QString& pastaPrograma);

// The boxes start-up shows when the database cannot be used (three languages each).
QString TextoBancoAusente();
QString TextoBancoInvalido(const QString& caminho);
QString TextoBancoSomenteLeitura(const QString& caminho);
inline const QString TituloBancoAusente = QStringLiteral("Arquivo ausente - File not found");
inline const QString TituloBancoInvalido = QStringLiteral("Arquivo inválido - Invalid file - Archivo inválido");
inline const QString TituloBancoSomenteLeitura =
    QStringLiteral("Arquivo somente leitura - Read-only file - Archivo de solo lectura");

} // namespace tarsel
