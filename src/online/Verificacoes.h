#pragma once

#include <QString>

namespace tarsel {

// The online steps of start-up, against the product server. Each returns false when the program must
// end (the reason has been shown).

// The server's probe page answers with some text; otherwise "MSG_INTERNET_GERAL".
bool VerificaInternet();
// The version page says whether this version may run: on, an optional update offered, a mandatory
// update, or maintenance (each with its notice and page).
bool VerificaVersaoServidor();
// The update notice (1) or the maintenance notice (2) in the current language, after a blank line;
// empty when the server has none.
QString BuscaAviso(int tipo);

} // namespace tarsel
