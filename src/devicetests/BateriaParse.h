#pragma once

#include <QString>
#include <array>
#include <optional>

namespace tarsel {

// The battery reading: the two commands and how the gauge answer becomes the eight figures.
namespace BateriaParse {

inline const QString ComandoPropriedades = QStringLiteral("battery --properties");
// Two blanks after "device": the shell takes it as written.
inline const QString ComandoMedidor = QStringLiteral("device  --key GasGauge -p");

// Rows of the screen, top to bottom.
enum Linha : int {
    Saude = 0,
    Ciclos = 1,
    Porcentagem = 2,
    CapacidadeDesignada = 3,
    CapacidadeAtual = 4,
    Voltagem = 5,
    Corrente = 6,
    Temperatura = 7,
};
constexpr int TotalLinhas = 8;

// The caption key of each row.
QString ChaveDescricao(int linha);

// The value of `chave` on its line: the text between the double quotes after "chave ". Without the
// quotes, the rest of the line (trimmed). Nothing when the key is absent, its line is cut short (no line
// end) or the value is empty.
std::optional<QString> Valor(const QString& resposta, const QString& chave);

// Battery health: present full-charge capacity over design capacity, in whole percent, as "76 %".
// Nothing when either capacity is absent; an empty text when one is not a number in mAh or the design
// capacity is zero.
std::optional<QString> CalculaSaude(const QString& resposta);

struct Leitura {
    std::array<QString, TotalLinhas> valores; // as shown: " value" or "*"
    bool faltou = false;                      // a figure is missing: the note is shown
};

// The eight figures of the gauge answer.
Leitura Organiza(const QString& resposta);

// The note under the figures when one is missing: "* " and the upper-cased reason for that family.
QString Nota(const QString& familia);

} // namespace BateriaParse

} // namespace tarsel
