#include "store/PrimeiroUso.h"

namespace tarsel {

// The terms window and the import of saved data arrive with the synchronisation: start-up goes on.
bool VerificaPrimeiroUso() {
    return true;
}

} // namespace tarsel
