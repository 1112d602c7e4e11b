#pragma once

#include "base/Dialogos.h"

namespace tarsel {

// The real boxes: modal, over the active window, with the system's icons.
class DialogosQt final : public Dialogos {
public:
    Resposta mensagem(Icone icone, const QString& titulo, const QString& texto, Botoes botoes) override;
    std::optional<QString> entrada(const QString& titulo, const QString& texto, const QString& padrao) override;
    bool termos() override;
};

} // namespace tarsel
