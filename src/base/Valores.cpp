#include "base/Valores.h"

#include "base/ErroVB.h"

#include <QLocale>

#include <cmath>

namespace tarsel {

namespace {

// The old counter that located the point was a byte: a point further in than this overflowed it.
constexpr int PosicaoMaximaPonto = 255;

bool ehBranco(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool ehDigito(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads a number the way the run-time converted text under the Portuguese (Brazil) settings:
// blanks around it are allowed, "," is the decimal separator, an optional sign leads and an
// exponent ("1,5E-05") may follow. Anything else is a type mismatch; a value beyond the range of a
// double is an overflow. The callers have already removed every "." (the thousands separator).
double leNumero(const QString& texto) {
    int inicio = 0;
    int fim = texto.size();
    while (inicio < fim && ehBranco(texto.at(inicio)))
        ++inicio;
    while (fim > inicio && ehBranco(texto.at(fim - 1)))
        --fim;

    int i = inicio;
    QString numero;
    if (i < fim && (texto.at(i) == u'-' || texto.at(i) == u'+')) {
        if (texto.at(i) == u'-')
            numero += u'-';
        ++i;
    }
    QString inteira;
    while (i < fim && ehDigito(texto.at(i)))
        inteira += texto.at(i++);
    QString fracao;
    if (i < fim && texto.at(i) == u',') {
        ++i;
        while (i < fim && ehDigito(texto.at(i)))
            fracao += texto.at(i++);
    }
    if (inteira.isEmpty() && fracao.isEmpty())
        throw ErroVB::tiposIncompativeis();
    numero +=
        (inteira.isEmpty() ? QStringLiteral("0") : inteira) + u'.' + (fracao.isEmpty() ? QStringLiteral("0") : fracao);

    if (i < fim && (texto.at(i) == u'E' || texto.at(i) == u'e')) {
        ++i;
        QString expoente;
        if (i < fim && (texto.at(i) == u'-' || texto.at(i) == u'+'))
            expoente += texto.at(i++);
        const int digitos = i;
        while (i < fim && ehDigito(texto.at(i)))
            expoente += texto.at(i++);
        if (i == digitos)
            throw ErroVB::tiposIncompativeis();
        numero += u'e' + expoente;
    }
    if (i != fim)
        throw ErroVB::tiposIncompativeis();

    bool ok = false;
    const double valor = QLocale::c().toDouble(numero, &ok);
    if (!std::isfinite(valor))
        throw ErroVB::estouro();
    // A value too small for a double reads as zero, as it did.
    return ok ? valor : 0.0;
}

// Writes a number as the run-time did: at most 15 significant digits, "," as the decimal
// separator, exponent form ("1E-05", "1,23456789012346E+15") outside 1E-04 to 1E+15.
QString textoNumero(double valor) {
    if (valor == 0.0)
        return QStringLiteral("0");
    QString texto = QString::number(valor, 'G', 15);
    texto.replace(u'.', u',');
    return texto;
}

// The percentage as text for its first six characters. The exponent form would leave only the
// mantissa after the cut (0,0000175 % shown as 1.7), so those values are written out in full.
QString textoPercentual(double valor) {
    QString texto = textoNumero(valor);
    if (!texto.contains(u'E'))
        return texto;
    texto = std::fabs(valor) < 1.0 ? QString::number(valor, 'f', 10) : QString::number(valor, 'f', 0);
    texto.replace(u'.', u',');
    return texto;
}

QString trocaSeparadores(QString texto) {
    texto.replace(u',', u'.');
    texto.replace(u' ', u'.');
    return texto;
}

} // namespace

QString MilivoltParaVolt(const QString& texto) {
    QString resto = texto;
    const bool negativo = resto.startsWith(u'-');
    if (negativo)
        resto.remove(0, 1);

    const int ponto = resto.indexOf(u'.');
    if (ponto < 0)
        return texto;
    if (ponto + 1 > PosicaoMaximaPonto)
        throw ErroVB::estouro();

    const QString inteira = resto.left(ponto);
    QString volts;
    switch (inteira.size()) {
    case 1:
        volts = QStringLiteral("0.00") + inteira;
        break;
    case 2:
        volts = QStringLiteral("0.0") + inteira;
        break;
    case 3:
        volts = QStringLiteral("0.") + inteira;
        break;
    case 4:
    case 5:
    case 6:
        volts = inteira.left(inteira.size() - 3) + u'.' + inteira.right(3);
        break;
    default:
        volts = inteira;
        break;
    }
    return negativo ? u'-' + volts : volts;
}

QString UmaDecimal(QString& texto) {
    texto = trocaSeparadores(texto);
    const int ponto = texto.indexOf(u'.');
    if (ponto < 0)
        return texto;
    return texto.left(ponto + 2);
}

QString CortaDecimais(QString& texto, int n) {
    texto = trocaSeparadores(texto);
    QString resultado = texto;
    const int ponto = texto.indexOf(u'.');
    if (ponto >= 0) {
        // QString::left takes a negative length as "everything": a cut before the start keeps nothing.
        const int tamanho = ponto + 1 + n;
        resultado = tamanho > 0 ? texto.left(tamanho) : QString();
    }
    if (resultado == QLatin1String("-0"))
        return QStringLiteral("0");
    return resultado;
}

QString DesvioPercentual(const QString& leitura, const QString& referencia) {
    const double r = leNumero(QString(leitura).remove(u'.'));
    const double f = leNumero(QString(referencia).remove(u'.'));

    // Through text and back, so that the tests below see the difference at 15 digits.
    const double bruta = r - f;
    if (!std::isfinite(bruta))
        throw ErroVB::estouro();
    const double d = leNumero(textoNumero(bruta));

    // Points removed, d counts units of the last digit: up to three units are fixed steps.
    QString texto;
    if (d > 2 && d <= 3)
        texto = QStringLiteral("0,3");
    else if (d > 1 && d <= 2)
        texto = QStringLiteral("0,2");
    else if (d > 0 && d <= 1)
        texto = QStringLiteral("0,1");
    else if (d == 0)
        texto = QStringLiteral("0");
    else if (d >= -1 && d < 0)
        texto = QStringLiteral("-0,1");
    else if (d >= -2 && d < -1)
        texto = QStringLiteral("-0,2");
    else if (d >= -3 && d < -2)
        texto = QStringLiteral("-0,3");
    else {
        if (f == 0.0)
            throw ErroVB::divisaoPorZero();
        const double base = f * 100;
        if (!std::isfinite(base))
            throw ErroVB::estouro();
        const double q = d / base * 10000;
        if (!std::isfinite(q))
            throw ErroVB::estouro();

        texto = textoPercentual(q).left(6);
        int separador = texto.indexOf(u',');
        if (separador >= 0)
            texto = texto.left(separador + 2);
        separador = texto.indexOf(u'.');
        if (separador >= 0)
            texto = texto.left(separador + 2);
        if (texto.size() == 1 && texto != QLatin1String("0"))
            texto += QStringLiteral(",0");
        else if (texto.size() == 2 && texto.startsWith(u'-'))
            texto += QStringLiteral(",0");
        if (texto == QLatin1String("0.0") || texto == QLatin1String("0,0"))
            texto = QStringLiteral("0");
    }
    return UmaDecimal(texto);
}

QString SemEspacos(const QString& texto) {
    return QString(texto).remove(u' ');
}

} // namespace tarsel
