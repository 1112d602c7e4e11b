#pragma once

#include <QString>
#include <optional>

namespace tarsel {

// The additional tests: the two memory tests, their verdict and their time-out.
namespace AdicionaisParse {

// Indexes of the two test buttons.
constexpr int TesteRam = 5;
constexpr int TesteRam1MB = 6;

constexpr int IntervaloStatusMs = 500; // how often a finished answer is looked at
constexpr int LimiteTiques = 30;       // looks at a finished but short answer before giving up (15 s)
constexpr int TamanhoMinimo = 31;      // an answer shorter than this is not judged
constexpr int AvisoMs = 1500;          // how long the "not now" hint stays

// The panic guide in the program folder (written at build time, all three languages in one document).
inline const QString GuiaPanic = QStringLiteral("xPanicFull.pdf");

// The command of a test button; empty for an index that is not a test.
QString Comando(int indice);
// The caption of a test button ("MEM RAM Teste", "MEM RAM Teste 1MB" in the current language).
QString Legenda(int indice);
// Whether the test's answer is copied live into the answer box (the long one).
bool CopiaAoVivo(int indice);
// The text before the live copy: the wait note and a line break.
QString TextoEspera();

// The verdict of a memory test answer: nothing while it is shorter than 31 characters, else whether it
// carries "Pass" (exact case; "Passed" counts).
std::optional<bool> Veredito(const QString& resposta);

// The hint when a test cannot start: "Desconectado!" without a link, else "Aguarde...".
QString AvisoSemEnvio(bool conectado);

} // namespace AdicionaisParse

} // namespace tarsel
