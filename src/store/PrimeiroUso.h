#pragma once

namespace tarsel {

// First start of a newly installed database: shows the terms window while it is new; false when the
// user refuses them (the program ends). Saved-data synchronisation fills this in; until then it goes on.
bool VerificaPrimeiroUso();

} // namespace tarsel
