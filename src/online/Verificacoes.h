#pragma once

namespace tarsel {

// The online steps of start-up. Each returns false when the program must end.
// The server requests behind them come with the online services; until then each lets start-up go on.
bool VerificaInternet();
bool VerificaVersaoServidor();

} // namespace tarsel
