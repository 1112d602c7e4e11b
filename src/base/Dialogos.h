#pragma once

#include <QString>
#include <optional>

namespace tarsel {

// Every message and input box goes through here: the windows get the Qt boxes, tests a script.
class Dialogos {
public:
    enum class Icone { Nenhum, Informacao, Critico, Pergunta, Exclamacao };
    enum class Botoes { Ok, SimNao, SimNaoCancelar, OkCancelar };
    enum class Resposta { Ok, Sim, Nao, Cancelar };

    virtual ~Dialogos() = default;

    // A modal box; returns the button the user pressed. An empty title means the program's name.
    virtual Resposta mensagem(Icone icone, const QString& titulo, const QString& texto, Botoes botoes = Botoes::Ok) = 0;
    // An input box; nothing when the user cancels.
    virtual std::optional<QString> entrada(const QString& titulo, const QString& texto, const QString& padrao = {}) = 0;
    // The terms window, modal: true when the user accepts them. Its language flags change the language
    // and store it. Until a window layer answers, the terms count as accepted (its first button).
    virtual bool termos() { return true; }

    // The common error box: description + " Nº: " + number, titled "Nº " + number (or a given prefix).
    void erro(int numero, const QString& descricao, const QString& prefixoTitulo = QStringLiteral("Nº "));
};

// The dialogs in use. Until one is installed, boxes are answered with their first button and not shown.
Dialogos& dialogos();
void instalaDialogos(Dialogos* d);

inline const QString TituloPadrao = QStringLiteral("Voltrace Tarsel");

} // namespace tarsel
