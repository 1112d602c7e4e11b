#pragma once

#include <QString>
#include <optional>

namespace tarsel {

// The USB interface chip communication test: the two commands, the chip words by family, the verdict by
// the answer's length and its time-out.
namespace ICParse {

// Indexes of the two test buttons.
constexpr int TesteDados = 1;
constexpr int TesteComunicacao = 2;

constexpr int IntervaloStatusMs = 500;  // how often a finished answer is looked at
constexpr int LimiteTiques = 30;        // looks at a finished answer before giving up (15 s)
constexpr int TamanhoMinimo = 31;       // an answer shorter than this is not judged (prompt alone)
constexpr int TamanhoComunicacao = 151; // an answer this long means the chip answered
constexpr int AvisoMs = 1500;           // how long the "not now" hint stays

// The command of a test button; empty for an index that is not a test. The register read keeps the
// double blanks the saved answers are stored under.
QString Comando(int indice);

// The chip of the family in capitals: "HYDRA" on "IP 8", "IP 8 Plus" and "IP X", else "TRISTAR".
QString NomeChip(const QString& familia);
// The button captions: the chip word and a blank before the translated word.
QString LegendaDados(const QString& familia);
QString LegendaComunicacao(const QString& familia);
QString LegendaTristar(const QString& familia);
QString LegendaTigris();

// What one look at a finished answer decides, `tiques` being the number of looks so far, this one
// included: nothing while the answer is shorter than 31 characters, else whether it is at least 151
// characters long. At the last look an answer still too short to judge counts as no communication:
// the phone finished and the chip said nothing.
std::optional<bool> Veredito(const QString& resposta, int tiques);

// The hint when a test cannot start: "Desconectado!" without a link, else "Aguarde...".
QString AvisoSemEnvio(bool conectado);

} // namespace ICParse

} // namespace tarsel
