#include "rails/ParseRails.h"

#include "base/ErroVB.h"
#include "base/Familias.h"
#include "base/Valores.h"
#include "rails/ChaveBist.h"
#include "rails/LinhasRail.h"
#include "rails/MarcadoresRail.h"
#include "store/Banco.h"

#include <QRegularExpression>

#include <optional>

namespace tarsel {

namespace {
const QString ZeroPorCento = QStringLiteral("0 %");

// Longer than this, a "value" is not a reading but a run of unrelated text.
constexpr int TamanhoMaximoValor = 24;

// A value as the phone prints a measurement: digits, a point and digits, a leading minus.
bool ehNumero(const QString& texto) {
    static const QRegularExpression numero(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    return texto.size() <= TamanhoMaximoValor && numero.match(texto).hasMatch();
}

bool temDigito(const QString& texto) {
    for (const QChar c : texto) {
        if (c.isDigit())
            return true;
    }
    return false;
}
} // namespace

ParseRails::ParseRails(TelaRail tela, QString modelo, int decimaisVolt, int decimaisAmp)
    : m_tela(tela)
    , m_modelo(std::move(modelo))
    , m_decimaisVolt(qBound(1, decimaisVolt, 3))
    , m_decimaisAmp(qBound(0, decimaisAmp, 3)) {}

bool ParseRails::parseia(const QString& resposta) const {
    return m_tela == TelaRail::PMU || !resposta.trimmed().isEmpty();
}

bool ParseRails::pulada(const LinhaRail& linha) const {
    const QString orig = SemEspacos(linha.Orig);
    if (m_tela == TelaRail::VCore) {
        if (FamiliaOitoOuX(m_modelo) && SemEspacos(linha.Malha) == QLatin1String("mABUCK0"))
            return true;
        return orig == QLatin1String("Buck1") || orig == QLatin1String("Buck8");
    }
    if (FamiliaOitoOuX(m_modelo) && orig == QLatin1String("mABuck0"))
        return true;
    if (orig == QLatin1String("Buck1") || orig == QLatin1String("Buck8") || orig == QLatin1String("mABuck1") ||
        orig == QLatin1String("mABuck8"))
        return true;
    return m_tela == TelaRail::BuckLdo && linha.Ci == QLatin1String("CAM");
}

LeituraRail ParseRails::marcador(const LinhaRail& linha, const QString& leitura) const {
    return {leitura, linha.RefV.isEmpty() ? QString() : ZeroPorCento};
}

LeituraRail ParseRails::semValor(const LinhaRail& linha) const {
    // No value could be taken from the line (cut off, no unit, nothing between key and unit, too long
    // for the conversion): the phone sent something unreadable for this rail, the others still count.
    return marcador(linha, MarcadorSemMedicao());
}

QString ParseRails::formataTensao(const QString& valor) const {
    // Counts one digit before the point: 10 V or more keeps one decimal fewer.
    const int manter = m_decimaisVolt + 2 + (valor.startsWith(QLatin1Char('-')) ? 1 : 0);
    const QString mantido = valor.left(manter);
    QString digitos = mantido;
    digitos.remove(QLatin1Char('0'));
    digitos.remove(QLatin1Char('.'));
    if (digitos.isEmpty() || digitos == QLatin1String("-"))
        return QStringLiteral("0 V");
    return mantido + QStringLiteral(" V");
}

QString ParseRails::formataCorrente(const QString& valor) const {
    const int virgula = valor.indexOf(QLatin1Char(','));
    QString mantido = valor; // a whole current has nothing to cut
    if (virgula >= 0)
        mantido = m_decimaisAmp == 0 ? valor.left(virgula) : valor.left(virgula + 1 + m_decimaisAmp);
    return mantido + QStringLiteral(" mA");
}

LeituraRail ParseRails::le(const LinhaRail& linha, const QString& resposta) const {
    if (pulada(linha))
        return marcador(linha, MarcadorPulado);

    const QString chave = ChaveBist(linha.RefT);
    const int posicao = chave.isEmpty() ? -1 : resposta.indexOf(chave);
    if (posicao < 0)
        return marcador(linha, MarcadorSemMedicao());

    // "<key> <value> <unit>": one blank after the key, the value up to the next blank, and the unit's
    // second letter tells millivolts ("mV") from milliamperes. A value must end in a blank on its own
    // line; otherwise the line is not a measurement.
    const int inicio = posicao + chave.size() + 1;
    int fim = inicio;
    while (fim < resposta.size() && resposta.at(fim) != QLatin1Char(' ') && resposta.at(fim) != QLatin1Char('\r') &&
           resposta.at(fim) != QLatin1Char('\n'))
        ++fim;
    if (fim <= inicio || fim >= resposta.size() || resposta.at(fim) != QLatin1Char(' '))
        return semValor(linha);
    const bool milivolts = fim + 2 < resposta.size() && resposta.at(fim + 2) == QLatin1Char('V');

    const QString lido = resposta.mid(inicio, fim - inicio);
    const bool numero = ehNumero(lido);
    QString valor = lido;
    if (milivolts) {
        // MilivoltParaVolt finds the volts by the point: a whole number of millivolts ("1050") would
        // pass unchanged and read as 1050 V.
        if (numero && !valor.contains(QLatin1Char('.')))
            valor += QStringLiteral(".0");
        try {
            valor = MilivoltParaVolt(valor);
        } catch (const ErroVB&) {
            return semValor(linha);
        }
    } else {
        valor.chop(1);
        if (valor.isEmpty())
            return semValor(linha);
        valor.replace(QLatin1Char('.'), QLatin1Char(','));
    }

    // A timed-out value is no number: it gets no deviation (only the "0" reference gives "0 %").
    if (valor.contains(QLatin1String("tim"))) {
        const QString leitura = m_tela == TelaRail::PMU ? MarcadorTempoEsgotado : MarcadorSemMedicao();
        return {leitura, linha.RefV == QLatin1String("0") ? ZeroPorCento : QString()};
    }

    // The PMU screen shows no text that is not a measurement (a current has lost its last character
    // above, so "-5" keeps no digit); the grid screens keep the text, without a deviation.
    if (m_tela == TelaRail::PMU && (!numero || !temDigito(valor)))
        return semValor(linha);

    LeituraRail r;
    if (linha.RefV == QLatin1String("0")) {
        r.Porc = ZeroPorCento;
    } else if (!linha.RefV.isEmpty()) {
        try {
            r.Porc = DesvioPercentual(valor, linha.RefV) + QStringLiteral(" %");
        } catch (const ErroVB&) {
            // On the PMU screen the reading is a number by now: the reference is what cannot be used.
            if (m_tela == TelaRail::PMU)
                throw;
            // The reading is still written, without a deviation.
        }
    }
    r.Leitura = milivolts ? formataTensao(valor) : formataCorrente(valor);
    return r;
}

bool ProcessaLeituras(TelaRail tela, const QString& resposta, const QString& modelo, int tipo, int decimaisVolt,
                      int decimaisAmp) {
    const ParseRails parse(tela, modelo, decimaisVolt, decimaisAmp);
    if (!parse.parseia(resposta))
        return false;

    Banco b;
    const QList<LinhaRail> linhas = LinhasRail::linhasDaLeitura(b, modelo, tipo);
    // The rows are worked out first (the "NOT" boxes of codes without a key are shown meanwhile), then
    // written in one transaction: SQLite syncs the disk once per transaction.
    QList<QPair<qint64, LeituraRail>> leituras;
    leituras.reserve(linhas.size());
    std::optional<ErroVB> erro;
    for (const LinhaRail& linha : linhas) {
        try {
            leituras.append({linha.id, parse.le(linha, resposta)});
        } catch (const ErroVB& e) {
            erro = e;
            break;
        }
    }
    Banco::Transacao t(b);
    LinhasRail::LimpaLeituras(b);
    LinhasRail::escreveLeituras(b, leituras);
    t.fim();
    if (erro)
        throw *erro;
    return true;
}

} // namespace tarsel
