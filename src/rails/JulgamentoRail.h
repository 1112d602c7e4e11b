#pragma once

#include <QString>
#include <optional>

namespace tarsel {

// A rail's deviation text (column Porc, e.g. "-3.5 %") judged against a tolerance in percent. Only the
// whole-number part counts and both bounds are strict: with 10, "9.9 %" is within, "10.0 %" and
// "-10.0 %" are not, and "-10.9 %" (part -10) is not either.
class JulgamentoRail {
public:
    enum class Juizo { Dentro, Fora, SemDesvio };

    static constexpr double ToleranciaPadrao = 10;

    // The whole-number part of a deviation text, "%" and blanks removed ("-0.4 %" -> 0); nothing when
    // no number is left (an empty deviation).
    static std::optional<qint64> parteInteira(const QString& porc);

    // Within when -tolerancia < part < tolerancia; SemDesvio when the text holds no number.
    static Juizo julga(const QString& porc, double tolerancia = ToleranciaPadrao);

    // The tolerance list after it loses the focus: a number from 0 to 100 becomes its whole part
    // ("12.7" -> "12"), anything else "10". "," is read as a decimal point too.
    static QString normalizaTolerancia(const QString& texto);

    // What a reading of the PMU screen does with the tolerance list: its text stays when it is a number
    // whose whole part is written in digits ("12.7", "12,7", " 5 ", "0"); anything else ("", "abc",
    // "5 %", "1e3", ".5") becomes "10". The list shows `texto` and the reading is judged with `valor`,
    // the number of that same text.
    struct Tolerancia {
        QString texto;
        double valor;
    };
    static Tolerancia toleranciaDaLeitura(const QString& texto);

private:
    static std::optional<double> numero(const QString& texto);
};

} // namespace tarsel
