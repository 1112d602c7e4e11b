#pragma once

#include "link/Resposta.h"

#include <QHash>
#include <functional>

namespace tarsel {

// Who receives the answer of each active-screen code. Screens register while they are open.
class Roteador {
public:
    // The finished answer.
    using Entrega = std::function<void(const Resposta&)>;
    // A change of the console while the live copy is on. `acrescimo` is the text just appended
    // (line feeds already converted); when `substituido` is true the console was replaced as a whole
    // (emptied or set) and the receiver takes `atual.console` / `atual.R` whole.
    using Espelho = std::function<void(const Resposta& atual, const QString& acrescimo, bool substituido)>;

    // Replaces whatever was registered for `codigo`.
    void registra(int codigo, Entrega entrega, Espelho espelho = {});
    void remove(int codigo);
    bool temReceptor(int codigo) const { return m_receptores.contains(codigo); }

    // Runs the delivery of `r.codigo`; a code without a receiver gets nothing. True when delivered.
    bool entrega(const Resposta& r) const;
    // Only the codes that take a live copy (1, 4, 17) get it; true when a copy was made.
    bool espelha(const Resposta& atual, const QString& acrescimo, bool substituido) const;

    static bool recebeCopia(int codigo) { return codigo == 1 || codigo == 4 || codigo == 17; }

private:
    struct Receptor {
        Entrega entrega;
        Espelho espelho;
    };
    QHash<int, Receptor> m_receptores;
};

} // namespace tarsel
