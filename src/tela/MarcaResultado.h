#pragma once

#include <QPixmap>

namespace tarsel {

// The verdict mark every screen shows: a green disc with a tick, or a red disc with a cross, drawn at
// `tamanho` pixels (the 16-pixel design scaled), so it stays sharp at any size.
QPixmap MarcaResultado(bool ok, int tamanho = 16);

} // namespace tarsel
