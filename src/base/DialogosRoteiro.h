#pragma once

#include "base/Dialogos.h"

#include <QList>
#include <QQueue>
#include <functional>

namespace tarsel {

// Dialogs for tests: records every box and answers from a queue (then with a default answer).
class DialogosRoteiro final : public Dialogos {
public:
    struct Caixa {
        Icone icone;
        QString titulo;
        QString texto;
        Botoes botoes;
        bool entrada = false;
    };

    DialogosRoteiro();           // installs itself
    ~DialogosRoteiro() override; // restores the silent dialogs

    Resposta mensagem(Icone icone, const QString& titulo, const QString& texto, Botoes botoes) override;
    std::optional<QString> entrada(const QString& titulo, const QString& texto, const QString& padrao) override;
    bool termos() override;

    QList<Caixa> caixas;                         // every box shown, in order
    QQueue<Resposta> respostas;                  // next answers to message boxes
    QQueue<std::optional<QString>> entradas;     // next answers to input boxes
    Resposta respostaPadrao = Resposta::Ok;      // when the queue is empty (Sim for yes/no boxes)
    std::function<void(const Caixa&)> aoMostrar; // runs while the box is "open"

    // The terms window: the language it was shown in, each time; the answers (accepted when empty);
    // what runs while it is "open" (a test's flag click).
    QList<quint8> termosMostrados;
    QQueue<bool> respostasTermos;
    std::function<void()> aoMostrarTermos;

    QStringList textos() const;
    QStringList titulos() const;
};

} // namespace tarsel
