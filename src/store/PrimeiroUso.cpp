#include "store/PrimeiroUso.h"

#include "base/Dialogos.h"
#include "store/Sincronizacao.h"

namespace tarsel {

bool VerificaPrimeiroUso() {
    if (LeSyncbd() != QLatin1String("0"))
        return true;
    return dialogos().termos();
}

} // namespace tarsel
