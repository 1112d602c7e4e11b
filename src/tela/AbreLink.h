#pragma once

#include <QString>

namespace tarsel {

// Opens a web address or a document with the system's default application; failures are silent.
// A relative document path is taken from the program folder.
void AbreLink(const QString& alvo);

// Makes the server's addresses go to the system's browser (the online steps cannot reach it themselves).
void InstalaNavegadorSistema();

} // namespace tarsel
