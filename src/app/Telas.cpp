#include "app/Telas.h"

#include "app/Inicial.h"
#include "rails/PMU.h"

namespace tarsel {

void InstalaTelas(Inicial& principal)
{
    PMU::registra(principal);
}

} // namespace tarsel
