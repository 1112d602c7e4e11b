#pragma once

namespace tarsel {

class Inicial;

// Wires every built screen into the main window: its button, its sub-menu entry, its model-change
// refresh. Each screen's class does its own part in a static `registra(Inicial&)`.
void InstalaTelas(Inicial& principal);

} // namespace tarsel
