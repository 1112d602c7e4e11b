#include "base/DialogosRoteiro.h"

#include "base/Globais.h"

#include <QStringList>

namespace tarsel {

DialogosRoteiro::DialogosRoteiro() {
    instalaDialogos(this);
}

DialogosRoteiro::~DialogosRoteiro() {
    if (&dialogos() == this)
        instalaDialogos(nullptr);
}

Dialogos::Resposta DialogosRoteiro::mensagem(Icone icone, const QString& titulo, const QString& texto, Botoes botoes) {
    caixas.append({icone, titulo, texto, botoes, false});
    if (aoMostrar)
        aoMostrar(caixas.last());
    if (!respostas.isEmpty())
        return respostas.dequeue();
    if (respostaPadrao == Resposta::Ok && botoes != Botoes::Ok && botoes != Botoes::OkCancelar)
        return Resposta::Sim;
    return respostaPadrao;
}

std::optional<QString> DialogosRoteiro::entrada(const QString& titulo, const QString& texto, const QString& padrao) {
    caixas.append({Icone::Nenhum, titulo, texto, Botoes::OkCancelar, true});
    if (aoMostrar)
        aoMostrar(caixas.last());
    if (!entradas.isEmpty())
        return entradas.dequeue();
    return padrao;
}

bool DialogosRoteiro::termos() {
    termosMostrados << globais().IdiomaAtual;
    if (aoMostrarTermos)
        aoMostrarTermos();
    return respostasTermos.isEmpty() ? true : respostasTermos.dequeue();
}

QStringList DialogosRoteiro::textos() const {
    QStringList l;
    for (const auto& c : caixas)
        l << c.texto;
    return l;
}

QStringList DialogosRoteiro::titulos() const {
    QStringList l;
    for (const auto& c : caixas)
        l << c.titulo;
    return l;
}

} // namespace tarsel
