#include "devicetests/NandParse.h"

#include "base/Traducao.h"

#include <algorithm>
#include <cmath>

namespace tarsel::NandParse {

namespace {

struct Classe {
    int de, ate;
    const char* texto;
};

// Marketed sizes with the room the phone's own count leaves around them; the gaps are sizes no phone has.
const Classe Classes[] = {
    {7, 12, "8 GB"},     {14, 20, "16 GB"},    {22, 39, "32 GB"},    {46, 79, "64 GB"},
    {81, 139, "128 GB"}, {191, 349, "256 GB"}, {351, 699, "512 GB"}, {701, 1299, "1024 GB"},
};

bool falhaRelatada(const QString& resposta) {
    return resposta.contains(QLatin1String("ERROR")) || resposta.contains(QLatin1String("not found")) ||
           resposta.contains(QLatin1String("Driver is missing!"));
}

int valorHex(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

QString Comando(int tipo) {
    switch (tipo) {
    case TesteUid:
        return QStringLiteral("nanduid");
    case TesteTamanho:
        return ComandoTamanho;
    case TesteInfo:
        return QStringLiteral("nand --getinfo");
    case TesteSyscfg:
        return QStringLiteral("syscfg list");
    default:
        return {};
    }
}

QString Legenda(int tipo) {
    switch (tipo) {
    case TesteUid:
        return Traduz(QStringLiteral("Identificação Única NAND"));
    case TesteTamanho:
        return Traduz(QStringLiteral("Tamanho da NAND"));
    case TesteInfo:
        return Traduz(QStringLiteral("Informações da NAND"));
    case TesteSyscfg:
        return QStringLiteral("Test Nand / ") + Traduz(QStringLiteral("Leitura")) + QStringLiteral(" Syscfg");
    case TesteTensoes:
        return Traduz(QStringLiteral("Tensões")) + QStringLiteral(" NAND");
    default:
        return {};
    }
}

bool CopiaAoVivo(int tipo) {
    return tipo == TesteSyscfg;
}

QString TextoEspera() {
    return Traduz(QStringLiteral("TESTE 40s"));
}

bool RecusadoNaFamilia(int tipo, const QString& familia) {
    return tipo == TesteInfo && familia.startsWith(QLatin1String("IP 6"));
}

QString AvisoSemEnvio(bool conectado) {
    return conectado ? Traduz(QStringLiteral("Aguarde...")) : Traduz(QStringLiteral("Desconectado")) + u'!';
}

double LeHexadecimal(const QString& texto) {
    double soma = 0;
    double peso = 1;
    const qsizetype primeiro = qMax<qsizetype>(0, texto.size() - MaximoDigitos);
    for (qsizetype i = texto.size() - 1; i >= primeiro; --i) {
        const int v = valorHex(texto.at(i));
        if (v > 0)
            soma += v * peso;
        peso *= 16;
    }
    return std::floor(soma / 1000000.0);
}

QString ClasseCapacidade(double n) {
    for (const Classe& c : Classes) {
        if (n >= c.de && n <= c.ate)
            return QLatin1String(c.texto);
    }
    return QString::number(n, 'f', 0) + QStringLiteral(" GB APROX.");
}

std::optional<QString> Capacidade(const QString& resposta) {
    if (resposta.size() < MinimoTamanho || falhaRelatada(resposta))
        return std::nullopt;
    const qsizetype doisPontos = resposta.indexOf(u':');
    const qsizetype inicio = doisPontos + 1; // from the start when there is no ":"
    const qsizetype prompt = resposta.indexOf(u'[');
    // The size ends three characters before the prompt (its line end lies in between).
    const qsizetype fim = prompt - 2;
    if (prompt < 0 || fim < inicio)
        return std::nullopt;
    const QString trecho = resposta.mid(inicio, fim - inicio);
    if (std::none_of(trecho.cbegin(), trecho.cend(), [](QChar c) { return valorHex(c) >= 0; }))
        return std::nullopt;
    return ClasseCapacidade(LeHexadecimal(trecho));
}

Julgamento Julga(int tipo, const QString& resposta) {
    Julgamento j;
    if (resposta.size() < MinimoStatus)
        return j;
    if (resposta.contains(QLatin1String("not found"))) {
        j.veredito = Veredito::NaoDisponivel;
        return j;
    }
    if (tipo == TesteSyscfg) {
        if (resposta.size() >= MinimoSyscfg) {
            j.veredito = Veredito::Passou;
        } else if (resposta.contains(QLatin1String("Driver is missing!"))) {
            j.veredito = Veredito::Falhou;
            j.mensagemErro = true;
            j.completo = false;
        } else {
            j.veredito = Veredito::SemVeredito;
        }
        return j;
    }
    // "Pass" covers "Passed".
    if (resposta.contains(QLatin1String("Pass")) || resposta.contains(QLatin1String("name:"))) {
        j.veredito = Veredito::Passou;
        return j;
    }
    j.veredito = Veredito::Falhou;
    j.mensagemErro = resposta.contains(QLatin1String("ERROR"));
    return j;
}

} // namespace tarsel::NandParse
