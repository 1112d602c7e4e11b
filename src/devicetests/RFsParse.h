#pragma once

#include <QString>
#include <QStringList>

namespace tarsel {

// The radio tests: which command each radio button sends, the marker phrases that tell a radio answered
// its power-on command, and the verdict shown for it.
namespace RFsParse {

// The radios, by the index of their row and buttons.
constexpr int Baseband = 0;
constexpr int Bluetooth = 1;
constexpr int Wifi = 2;
constexpr int Gps = 3;
constexpr int NFC = 4;
constexpr int TotalRadios = 5;

enum class Acao { Ligar, Desligar, Propriedades };

constexpr int IntervaloEsperaMs = 500; // how often a finished power-on answer is looked for
constexpr int LimiteTiques = 30;       // counted looks before giving up on it (15 s)
constexpr int AvisoMs = 1500;          // how long the "not now" hint stays

// Row colours (BGR colour texts).
inline const QString CorRespondeu = QStringLiteral("&H0000FF00");    // green
inline const QString CorNaoRespondeu = QStringLiteral("&H00808080"); // grey
inline const QString CorLimpa = QStringLiteral("&H00FFFFFF");        // white

// The radio's name in the status ("Baseband", "Bluetooth", "Wifi", "Gps", "NFC"); empty for another index.
QString Nome(int radio);
// The object name of the radio's row background ("lbFundoBase", ...).
QString FundoLinha(int radio);
// The command a button of the radio sends; empty for an index that is not a radio.
QString Comando(int radio, Acao acao);
// The phrases, any of which (exact case) in the power-on answer means the radio answered.
QStringList Marcadores(int radio);
// Whether the power-on answer carries one of the radio's markers.
bool Respondeu(int radio, const QString& resposta);

// The GPS commands do not exist on the "IP 6" family's diagnostics shell: the buttons refuse them there.
bool RecusaGps(int radio, const QString& familia);

// The verdict of a power-on answer: the status (name over the state), what the answer box then holds
// (the answer, plus the advice to repeat when the radio did not answer) and the row colour.
struct Julgamento {
    bool respondeu = false;
    QString status;
    QString dados;
    QString cor;
};
Julgamento Julga(int radio, const QString& resposta);

// One look of the power-on wait. Only a look while the link is idle counts; the answer is judged as soon
// as the answer box holds text, and the wait gives up once the count reaches the limit.
enum class Passo { Espera, Julga, Desiste };
Passo PassoEspera(int& tiques, bool ocioso, bool temResposta);

// The hint when a button cannot send: "Aguarde..." while another command runs, "Desconectado" without
// a link (with "!" for the power-on buttons).
QString AvisoSemEnvio(bool conectado, Acao acao);

} // namespace RFsParse

} // namespace tarsel
