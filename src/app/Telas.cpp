#include "app/Telas.h"

#include "app/Inicial.h"

namespace tarsel {

void InstalaTelas(Inicial& principal)
{
    (void)principal;
}

} // namespace tarsel
