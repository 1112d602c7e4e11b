#include "online/Verificacoes.h"

#include "base/Dialogos.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "online/ClienteHttp.h"
#include "online/RegrasServidor.h"
#include "online/Servidor.h"

namespace tarsel {

namespace {
QUrlQuery comVersao() {
    QUrlQuery q;
    q.addQueryItem(QStringLiteral("v"), globais().Versao);
    return q;
}

const QString LinhaEmBranco = QStringLiteral("\r\n\r\n");
} // namespace

bool VerificaInternet() {
    if (!BuscaPagina(EnderecoServidor(QStringLiteral("online"))).isEmpty())
        return true;
    Mensagem(QStringLiteral("MSG_INTERNET_GERAL"));
    return false;
}

QString BuscaAviso(int tipo) {
    const QString pagina = tipo == 1 ? QStringLiteral("aviso/atualizacao") : QStringLiteral("aviso/manutencao");
    return ExtraiAviso(BuscaPagina(EnderecoServidor(pagina, comVersao())), globais().IdiomaAtual);
}

bool VerificaVersaoServidor() {
    QUrlQuery q = comVersao();
    q.addQueryItem(QStringLiteral("t"), QStringLiteral("2"));
    const RespostaVersao r = LeRespostaVersao(BuscaPagina(EnderecoServidor(QStringLiteral("versao"), q)));
    auto titulo = [](const char* chave) { return QStringLiteral(" ") + Traduz(QString::fromUtf8(chave)); };
    const auto info = Dialogos::Icone::Informacao;

    switch (DecideVersao(r)) {
    case DecisaoVersao::AtualizacaoSemServidor:
        dialogos().mensagem(info, titulo("MSG_UPDATE_OBRIGATORIA_TITULO"),
                            Traduz(QStringLiteral("MSG_UPDATE_OBRIGATORIA")) + LinhaEmBranco + EnderecoProduto);
        AbrePaginaServidor(1);
        return false;
    case DecisaoVersao::Manutencao:
        dialogos().mensagem(info, titulo("Manutenção"),
                            Traduz(QStringLiteral("MANUTENCAO_SERVER")) + BuscaAviso(2) + LinhaEmBranco +
                                r.paginaManutencao);
        AbreEnderecoWeb(r.paginaManutencao);
        return false;
    case DecisaoVersao::AtualizacaoObrigatoria:
        dialogos().mensagem(info, titulo("MSG_UPDATE_OBRIGATORIA_TITULO"),
                            Traduz(QStringLiteral("MSG_UPDATE_OBRIGATORIA")) + BuscaAviso(1) + LinhaEmBranco +
                                r.paginaAtualizacao);
        AbreEnderecoWeb(r.paginaAtualizacao);
        return false;
    case DecisaoVersao::AtualizacaoOpcional: {
        const auto resposta = dialogos().mensagem(Dialogos::Icone::Pergunta, titulo("Atualização"),
                                                  Traduz(QStringLiteral("Atualização disponível")) + BuscaAviso(1),
                                                  Dialogos::Botoes::SimNao);
        if (resposta == Dialogos::Resposta::Nao)
            return true;
        AbreEnderecoWeb(r.paginaAtualizacao);
        return false;
    }
    case DecisaoVersao::Segue:
        break;
    }
    return true;
}

} // namespace tarsel
