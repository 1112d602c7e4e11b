#include "devicetests/DisplaysParse.h"

#include "base/Familias.h"
#include "base/Traducao.h"

namespace tarsel::DisplaysParse {

namespace {

struct BotaoCor {
    const char* nome;
    const char* cor;
    const char* sufixo;
};

// Magenta keeps the two blanks the shell has always been sent.
const BotaoCor TabelaCores[] = {
    {"Cor_Amarelo", "yellow", " -b yellow -c white -w"}, {"Cor_Azul", "blue", " -b blue -c white -w"},
    {"Cor_Branco", "white", " -b white -c black -w"},    {"Cor_Cinza", "gray", " -b gray -c white -w"},
    {"Cor_Cyan", "cyan", " -b cyan -c black -w"},        {"Cor_Preto", "black", " -b black -c white -w"},
    {"Cor_Rosa", "magenta", " -b magenta  -c white -w"}, {"Cor_Verde", "green", " -b green -c white -w"},
    {"Cor_Vermelho", "red", " -b red -c white -w"},
};

const BotaoCor* achaCor(const QString& botao) {
    for (const BotaoCor& c : TabelaCores) {
        if (botao == QLatin1String(c.nome))
            return &c;
    }
    return nullptr;
}

QString observe(const QString& inicio, const QString& hora) {
    return inicio + QStringLiteral("\r\n\r\n") + Traduz(QStringLiteral("Observe a tela")) +
           QStringLiteral("\r\n\r\nDisplay Test - ") + hora;
}

} // namespace

QString Comando(int indice) {
    switch (indice) {
    case TestaBacklight:
        return QStringLiteral("bl -n");
    case DesligaBacklight:
        return QStringLiteral("bl --off");
    case TodosNiveis:
        return QStringLiteral("bl -r");
    case NivelBaixo:
        return QStringLiteral("bl -l");
    case NivelMedio:
        return QStringLiteral("bl -m");
    case NivelAlto:
        return QStringLiteral("bl -h");
    case Resolucao:
        return QStringLiteral("display --getmode");
    default:
        return {};
    }
}

QString Legenda(int indice, const QString& familia) {
    // On "IP X" the first two buttons lose the word "BackLight": its panel has none.
    const QString backlight = FamiliaX(familia) ? QString() : QStringLiteral(" BackLight");
    switch (indice) {
    case TestaBacklight:
        return Traduz(QStringLiteral("Testar")) + backlight;
    case DesligaBacklight:
        return Traduz(QStringLiteral("Desligar")) + backlight;
    case TodosNiveis:
        return Traduz(QStringLiteral("Testar Todos Níveis"));
    case NivelBaixo:
        return Traduz(QStringLiteral("Nível")) + QStringLiteral("  1 Low");
    case NivelMedio:
        return Traduz(QStringLiteral("Nível")) + QStringLiteral("  2 Medium");
    case NivelAlto:
        return Traduz(QStringLiteral("Nível")) + QStringLiteral("  3 Hight");
    case TensoesChestnut:
        return Traduz(QStringLiteral("Tensões")) + QStringLiteral(" Chestnut");
    case TensoesAcorn:
        return Traduz(QStringLiteral("Tensões")) + QStringLiteral(" Acorn");
    case Resolucao:
        return Traduz(QStringLiteral("Resolução"));
    default:
        return {};
    }
}

bool Visivel(int indice, const QString& familia) {
    if (indice == TestaBacklight || indice == TensoesChestnut)
        return !FamiliaX(familia);
    if (indice == TensoesAcorn)
        return FamiliaX(familia);
    return indice >= 0 && indice < Botoes;
}

QString TelaTensoes(int indice, const QString& legenda) {
    if (indice == TensoesAcorn)
        return QStringLiteral("Acorn");
    if (indice == TensoesChestnut) {
        const bool acorn = legenda == Traduz(QStringLiteral("Tensões")) + QStringLiteral(" Acorn");
        return acorn ? QStringLiteral("Acorn") : QStringLiteral("Chestnut");
    }
    return {};
}

QString ComandoSlider(int valor) {
    return QStringLiteral("bl -p ") + QString::number(valor);
}

QStringList NomesCores() {
    QStringList nomes;
    for (const BotaoCor& c : TabelaCores)
        nomes << QLatin1String(c.nome);
    return nomes;
}

QString CorDoBotao(const QString& botao) {
    const BotaoCor* c = achaCor(botao);
    return c ? QLatin1String(c->cor) : QString();
}

QString SufixoCor(const QString& botao) {
    const BotaoCor* c = achaCor(botao);
    return c ? QLatin1String(c->sufixo) : QString();
}

ComandoCor Cor(const QString& familia, const QString& texto, const QString& botao) {
    ComandoCor r;
    if (familia.startsWith(QLatin1String("IP 6"))) {
        r.recusado = true;
        r.texto = texto;
        return r;
    }
    // The shell splits its arguments at blanks: the text goes as one word. A line break or other control
    // character (pasted in) would end the command line early and send the rest as a second command: out
    // with them too. A text of blanks alone would leave "-t" without its word, so the default text stands
    // in for it as well.
    for (const QChar c : texto) {
        if (!c.isSpace() && c.category() != QChar::Other_Control)
            r.texto += c;
    }
    if (r.texto.isEmpty())
        r.texto = TextoPadrao;
    r.comando = QStringLiteral("displaytext -t ") + r.texto + SufixoCor(botao);
    return r;
}

QString AvisoSemEnvio(bool conectado) {
    return conectado ? Traduz(QStringLiteral("Aguarde...")) : Traduz(QStringLiteral("Desconectado"));
}

QString TextoResposta(const QString& resposta, const QString& hora) {
    return observe(resposta, hora);
}

QString TextoCor(const QString& hora) {
    return observe(QStringLiteral("Cor / Color"), hora);
}

} // namespace tarsel::DisplaysParse
