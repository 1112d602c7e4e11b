#pragma once

#include <QString>
#include <QStringList>

namespace tarsel {

// The faults the simulated BOX can be started with (several at once); names as given on the command line.
class FalhasSimuladas {
public:
    bool silencioso = false;         // phone not in diagnostics mode: nothing comes back, not even the echo
    bool recusaModelo = false;       // the model query is refused every time
    bool recusaModeloUmaVez = false; // the first model query is refused, the next ones answered
    bool driverAusente = false;      // the model query reports the missing configuration driver
    bool naoEncontrado = false;      // the model query reports the key as not found
    bool semFim = false;             // after the first model query no answer ever ends
    bool pausa = false;              // long answers stop for a while in the middle
    bool lixo = false;               // garbage bytes mixed into answers, no usable model number
    bool desliga = false;            // hang-up halfway through the answer after the model query
    bool curtoRail = false;          // the profile's fault rail reads 0 mV
    bool altoRail = false;           // the profile's fault rail reads 15 % high
    bool semLinha = false;           // the profile's fault rail line is missing
    bool vbusBaixa = false;          // the charger chip reads a weak input (every VBUS line 4.2 V)
    bool bateriaBaixa = false;       // the charger chip reads a flat battery (3.4 V)
    bool bateriaSemCiclos = false;   // the gas gauge does not report the cycle count
    bool codecSemOk = false;         // the audio codec does not acknowledge its reset
    bool ramFalha = false;           // both memory tests fail
    bool tristarSemResposta = false; // the USB interface chip does not answer its two commands
    bool nandErro = false;           // the NAND queries answer ERROR (the flash controller is silent)
    bool nandSemDriver = false;      // the configuration list reports the missing configuration driver
    bool touchBaixo = false;         // the display chip's touch supply reads low while the touch is off
    bool touchMorto = false;         // the display chip's touch supply reads low even with the touch on
    bool acornVpBaixa = false;       // the display chip of IP X reads its vp rail 10 % low
    bool chipSemLinha = false;       // a line of each display chip's report is missing
    bool chipTimeout = false;        // a line of each display chip's report reads a time-out
    bool i2cAusente = false;         // the profile's I2C device does not acknowledge the bus scan
    bool radioMudo = false;          // the Wi-Fi radio chip answers none of its commands

    // Turns on the fault of that name; false for a name it does not know.
    bool liga(const QString& nome);

    static QStringList nomes();
};

} // namespace tarsel
