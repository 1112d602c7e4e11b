#include "base/Dialogos.h"

namespace tarsel {

namespace {
class DialogosMudos final : public Dialogos {
public:
    Resposta mensagem(Icone, const QString&, const QString&, Botoes botoes) override {
        return botoes == Botoes::Ok || botoes == Botoes::OkCancelar ? Resposta::Ok : Resposta::Sim;
    }
    std::optional<QString> entrada(const QString&, const QString&, const QString&) override { return std::nullopt; }
};

Dialogos*& atual() {
    static DialogosMudos mudos;
    static Dialogos* d = &mudos;
    return d;
}
} // namespace

void Dialogos::erro(int numero, const QString& descricao, const QString& prefixoTitulo) {
    mensagem(Icone::Critico, prefixoTitulo + QString::number(numero),
             descricao + QStringLiteral(" Nº: ") + QString::number(numero));
}

Dialogos& dialogos() {
    return *atual();
}

void instalaDialogos(Dialogos* d) {
    static DialogosMudos mudos;
    atual() = d ? d : &mudos;
}

} // namespace tarsel
