#pragma once

namespace tarsel {

// First start of a newly installed database (syncbd "0"): shows the terms window. False when the user
// refuses them (the program ends). syncbd is not changed here.
bool VerificaPrimeiroUso();

} // namespace tarsel
