#pragma once

#include <QString>
#include <optional>

namespace tarsel {

// The NAND tests: the flash size read when the screen opens and shown as a capacity class, and the four
// single-command tests judged by a few marker words.
namespace NandParse {

// The test kinds (indexes of the test buttons).
constexpr int TesteUid = 0;
constexpr int TesteTamanho = 1;
constexpr int TesteInfo = 2;
constexpr int TesteSyscfg = 3;
constexpr int TesteTensoes = 4; // no command: the NAND rails in the VCore screen

constexpr int IntervaloMs = 500;   // how often the size and the test answers are looked at
constexpr int LimiteTamanho = 30;  // looks at the opening size answer before giving up (15 s)
constexpr int LimiteStatus = 45;   // looks at a finished but short test answer before giving up
constexpr int MinimoTamanho = 41;  // a size answer shorter than this is not read
constexpr int MinimoStatus = 61;   // a test answer shorter than this is not judged
constexpr int MinimoSyscfg = 7001; // a complete configuration list is at least this long
constexpr int MaximoDigitos = 51;  // hexadecimal positions read, from the last one back
constexpr int AvisoMs = 1500;      // how long the "not now" notice stays
constexpr int BarraMs = 10;        // sweep of the busy bar during a test
constexpr int BarraSyscfgMs = 250; // and during the long configuration read

inline const QString ComandoTamanho = QStringLiteral("nandsize");

// The command of a test kind; empty for the rails hand-over and for a number that is not a test.
QString Comando(int tipo);
// The caption of a test button in the current language.
QString Legenda(int tipo);
// Whether the test's answer is copied live into the answer box (the long configuration read).
bool CopiaAoVivo(int tipo);
// The text in front of the live copy: the 40-second note.
QString TextoEspera();
// "nand --getinfo" does not exist on the "IP 6" families (IP 6, 6 Plus, 6s, 6s Plus).
bool RecusadoNaFamilia(int tipo, const QString& familia);
// The notice when a test cannot start: "Desconectado!" without a link, else "Aguarde...".
QString AvisoSemEnvio(bool conectado);

// The hexadecimal reading of the size text: up to 51 characters from the last one back, the last with
// weight 16^0; "0"-"9" and "A"-"F" (capitals only) count their value, anything else (blank, "x", small
// letters) counts 0. The sum divided by 1,000,000, cut to a whole number.
double LeHexadecimal(const QString& texto);
// The capacity class of n ("64 GB"), or n followed by " GB APROX." outside the classes.
QString ClasseCapacidade(double n);
// The capacity class the size answer gives: the text after its first ":" up to three characters before
// its first "[" (the prompt), read as hexadecimal. Nothing when the answer is shorter than 41
// characters, has no prompt after the ":", reports a failure ("ERROR", "not found", "Driver is
// missing!") or holds no hexadecimal digit at all: a failed or empty answer is not a capacity.
std::optional<QString> Capacidade(const QString& resposta);

enum class Veredito {
    Aguarda,       // too short to judge yet
    NaoDisponivel, // "not found": the command does not exist on this phone
    SemVeredito,   // finished without a verdict (a configuration list too short, without the driver note)
    Passou,
    Falhou,
};

struct Julgamento {
    Veredito veredito = Veredito::Aguarda;
    bool mensagemErro = false; // "MSG_ERRO_NAND" goes with the verdict
    bool completo = true;      // a failure shows the note and the "NAND" label too (not for a missing driver)
};

// The judgement of a test answer of kind `tipo`:
// - shorter than 61 characters: wait;
// - "not found": not available on this phone;
// - configuration list: at least 7001 characters passes; "Driver is missing!" fails with the message
//   (status and icon only); anything else ends without a verdict;
// - the other tests: "Passed", "Pass" or "name:" passes; otherwise fails, with the message when the
//   answer says "ERROR".
Julgamento Julga(int tipo, const QString& resposta);

} // namespace NandParse

} // namespace tarsel
