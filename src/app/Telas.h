#pragma once

namespace tarsel {

class Inicial;

// Registers every built screen with the main window: one line each, with its name, its button of the
// bar and its sub-menu entry.
void InstalaTelas(Inicial& principal);

} // namespace tarsel
