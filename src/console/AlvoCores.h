#pragma once

#include "console/CoresConsole.h"

#include <QColor>

namespace tarsel {

// What the colour window acts on: the console's four colours. The console keeps the colour numbers it
// shows (a system colour stays a system colour when saved again) and applies the stored ones.
class AlvoCores {
public:
    virtual ~AlvoCores() = default;
    virtual NumeroCor corAtual(AlvoCor alvo) const = 0;
    // Shows the colour at once (a preview; nothing is stored).
    virtual void aplicaCor(AlvoCor alvo, NumeroCor numero) = 0;
    // The "Auto" box follows the answer pane's background, or takes this colour during a preview.
    virtual void defineFundoAuto(const QColor& cor) = 0;
    // Applies the stored colours.
    virtual void BuscaCores() = 0;
};

} // namespace tarsel
