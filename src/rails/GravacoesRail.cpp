#include "rails/GravacoesRail.h"

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Traducao.h"
#include "rails/LinhasRail.h"

namespace tarsel {

namespace {
bool confirma(const QString& titulo, const QString& pergunta) {
    return dialogos().mensagem(Dialogos::Icone::Pergunta, Traduz(titulo), Traduz(pergunta), Dialogos::Botoes::SimNao) !=
           Dialogos::Resposta::Nao;
}

void validaGravacao(int n) {
    if (n < 1 || n > 3)
        throw ErroVB(9, QStringLiteral("G%1: subscript out of range").arg(n));
}
} // namespace

bool GravaLeituras(int n, const QList<qint64>& linhas) {
    validaGravacao(n);
    if (!confirma(QStringLiteral("Gravar"), QStringLiteral("Deseja salvar?")))
        return false;
    try {
        LinhasRail::copiaParaGravacao(n, linhas);
    } catch (const ErroVB&) {
        // The batch rolled back: the recordings are as they were, and the technician is told once.
        Mensagem(QStringLiteral("MSG_BANCO_NAO_GRAVADO"));
        return false;
    }
    return true;
}

bool ExcluiGravacoes(int n, const QList<qint64>& linhas) {
    validaGravacao(n);
    if (!confirma(QStringLiteral("Excluir"), QStringLiteral("Deseja excluir os dados gravados?")))
        return false;
    try {
        LinhasRail::apagaGravacao(n, linhas);
    } catch (const ErroVB&) {
        // The batch rolled back: the recordings are as they were, and the technician is told once.
        Mensagem(QStringLiteral("MSG_BANCO_NAO_GRAVADO"));
        return false;
    }
    return true;
}

} // namespace tarsel
