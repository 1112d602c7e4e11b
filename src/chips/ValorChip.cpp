#include "chips/ValorChip.h"

#include "base/ErroVB.h"
#include "base/Valores.h"

namespace tarsel {

namespace {
bool ehFimDeToken(QChar c) {
    // A line end closes the token too: a value written without a unit must not swallow the next line.
    return c == u' ' || c == u'\r' || c == u'\n' || c == u'\t';
}

bool ehNumero(const QString& texto) {
    bool ok = false;
    QString(texto).replace(u',', u'.').toDouble(&ok);
    return ok;
}
} // namespace

QString ValorChip(const QString& resposta, const QString& chave, bool timeoutSemMedicao) {
    const QString semValor = QStringLiteral("-");
    const int pos = chave.isEmpty() ? -1 : int(resposta.indexOf(chave));
    if (pos < 0)
        return semValor;
    const int inicio = pos + int(chave.size()) + 1;
    int fim = inicio;
    while (fim < resposta.size() && !ehFimDeToken(resposta.at(fim)))
        ++fim;
    const QString token = resposta.mid(inicio, fim - inicio);
    if (token.isEmpty())
        return semValor;
    if (timeoutSemMedicao && token.size() >= 4 && token.contains(QLatin1String("tim")))
        return semValor;

    if (!ehNumero(token))
        return semValor;

    const int letraUnidade = fim + 2;
    const bool milivolts =
        letraUnidade < resposta.size() && resposta.at(fim) == u' ' && resposta.at(letraUnidade) == u'V';
    try {
        if (milivolts)
            return MilivoltParaVolt(token);
    } catch (const ErroVB&) {
        return semValor;
    }
    QString valor = token.left(token.size() - 1);
    valor.replace(u'.', u',');
    return valor.isEmpty() || valor == QLatin1String("-") ? semValor : valor;
}

int DesvioInteiro(const QString& valor, const QString& referencia) {
    QString desvio = DesvioPercentual(valor, referencia);
    const QString inteiro = CortaDecimais(desvio, -1);
    bool ok = false;
    const int n = inteiro.toInt(&ok);
    if (!ok)
        throw ErroVB::tiposIncompativeis();
    return n;
}

double DesvioNumero(const QString& valor, const QString& referencia) {
    bool ok = false;
    const double d = DesvioPercentual(valor, referencia).replace(u',', u'.').toDouble(&ok);
    if (!ok)
        throw ErroVB::tiposIncompativeis();
    return d;
}

} // namespace tarsel
