#pragma once

#include <QString>
#include <QStringList>

namespace tarsel {

// The display tests: the backlight and resolution commands of the button row, its captions and which
// buttons a family shows, the colour fields and their text, and the texts of the answer box.
namespace DisplaysParse {

// Buttons of the row, by index.
constexpr int TestaBacklight = 0;
constexpr int DesligaBacklight = 1;
constexpr int TodosNiveis = 2;
constexpr int NivelBaixo = 3;
constexpr int NivelMedio = 4;
constexpr int NivelAlto = 5;
constexpr int TensoesChestnut = 6;
constexpr int TensoesAcorn = 7;
constexpr int Resolucao = 8;
constexpr int Botoes = 9;

constexpr int AvisoMs = 1500;     // how long the "not now" hint stays
constexpr int SliderInicial = 70; // the backlight slider's first position (0 to 100)

// The command of a backlight or resolution button; empty for the two voltage buttons and any other index.
QString Comando(int indice);
// The caption of a button for the family ("Testar BackLight", or "Testar" alone on "IP X").
QString Legenda(int indice, const QString& familia);
// Whether the family shows the button: "IP X" hides 0 and 6 and shows 7; every other family the reverse.
bool Visivel(int indice, const QString& familia);
// The screen a voltage button opens: the Acorn screen for button 7, and for button 6 when its caption
// names Acorn; the Chestnut screen otherwise. Empty for a button that is not a voltage button.
QString TelaTensoes(int indice, const QString& legenda);

// The command of the slider at `valor` ("bl -p 70").
QString ComandoSlider(int valor);

// The colour buttons, in the order of the frame (object names "Cor_Amarelo", …).
QStringList NomesCores();
// What the shell calls the colour of a button ("yellow"); empty for an unknown button.
QString CorDoBotao(const QString& botao);
// The part of the colour command after the text; empty for an unknown button.
QString SufixoCor(const QString& botao);

// The text drawn on the phone when the field is empty.
inline const QString TextoPadrao = QStringLiteral("Voltrace_Tarsel");

struct ComandoCor {
    bool recusado = false; // the family's display driver has no text command ("IP 6" families)
    QString texto;         // what the text field holds afterwards: blanks and control characters removed, never empty
    QString comando;       // "displaytext -t " + texto + the button's suffix
};
// The colour command for `familia` with the field's `texto` and the button `botao`.
ComandoCor Cor(const QString& familia, const QString& texto, const QString& botao);

// The hint when a command cannot go out: "Desconectado" without a link, else "Aguarde...".
QString AvisoSemEnvio(bool conectado);

// The answer box after a backlight or resolution command: the answer, the "watch the phone" note and the
// hour of the test (`hora`, "hh:mm:ss").
QString TextoResposta(const QString& resposta, const QString& hora);
// The answer box after a colour command (its answer does not come back to this screen).
QString TextoCor(const QString& hora);

} // namespace DisplaysParse

} // namespace tarsel
