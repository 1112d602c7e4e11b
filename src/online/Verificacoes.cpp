#include "online/Verificacoes.h"

namespace tarsel {

// No server requests are made yet: start-up goes on.
bool VerificaInternet() {
    return true;
}

bool VerificaVersaoServidor() {
    return true;
}

} // namespace tarsel
