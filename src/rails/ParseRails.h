#pragma once

#include "rails/LinhaRail.h"
#include "rails/TelaRail.h"

#include <QString>

namespace tarsel {

// Turns the answer of "pmuadc --read all" into the reading and deviation texts of the rail rows, with
// the rules of the screen that asked.
//
// Reading texts: a voltage "1.23 V" ("0 V" when the kept digits are all zero; whole millivolts count as
// millivolts, "1050 mV" is 1.050 V), a current "12,3 mA", "*" for a rail the diagnostics mode does not
// measure, the translation of "Sem Medição" + "*" for a rail whose line is missing or unreadable, and on
// the PMU screen "**" for a value that timed out. Deviations: "-3.5 %", "0 %", or empty.
class ParseRails {
public:
    // Decimals outside the lists (voltage 1..3, current 0..3) are taken as the nearest item.
    ParseRails(TelaRail tela, QString modelo, int decimaisVolt, int decimaisAmp);

    // Whether the screen parses this answer at all: the Buck and LDO and VCore screens parse nothing
    // when it is empty (blanks and line breaks only, as an empty answer reaches the console).
    bool parseia(const QString& resposta) const;

    // Whether a skip rule of the screen takes the row (reading "*").
    bool pulada(const LinhaRail& linha) const;

    // The reading and deviation of one row. A line the phone garbled (no value, no unit, cut off) reads
    // as not measured on every screen; so does, on the PMU screen, a value that is not a number, which
    // the grid screens show as it came, without a deviation. On the PMU screen a reference the
    // deviation cannot use (not a number, zero without being "0") throws ErroVB; the other screens
    // leave that deviation empty and go on.
    LeituraRail le(const LinhaRail& linha, const QString& resposta) const;

private:
    LeituraRail marcador(const LinhaRail& linha, const QString& leitura) const;
    LeituraRail semValor(const LinhaRail& linha) const;
    QString formataTensao(const QString& valor) const;
    QString formataCorrente(const QString& valor) const;

    TelaRail m_tela;
    QString m_modelo;
    int m_decimaisVolt;
    int m_decimaisAmp;
};

// A read of one screen: selects the rows of the model and type that have a line code, clears every
// reading of Master and writes the new readings, all in one transaction.
// Returns false when the screen parses nothing (empty answer on the Buck and LDO and VCore screens;
// the database is then left as it is). On the PMU screen a reference that cannot be used stops the
// parse: the rows done before it are written and the ErroVB is thrown for the caller to report.
// Database failures throw ErroVB on every screen.
bool ProcessaLeituras(TelaRail tela, const QString& resposta, const QString& modelo, int tipo, int decimaisVolt,
                      int decimaisAmp);

} // namespace tarsel
