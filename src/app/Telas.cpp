#include "app/Telas.h"

#include "app/Inicial.h"
#include "rails/BuckLdo.h"
#include "rails/BuckTeste.h"
#include "rails/PMU.h"
#include "rails/VCores.h"

namespace tarsel {

void InstalaTelas(Inicial& principal)
{
    VCores::registra(principal);
    BuckLdo::registra(principal);
    PMU::registra(principal);
    BuckTeste::registra(principal);
}

} // namespace tarsel
