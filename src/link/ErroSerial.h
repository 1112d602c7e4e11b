#pragma once

#include "base/ErroVB.h"

#include <QSerialPort>

namespace tarsel {

// The serial line's failures as the numbers the program interprets.
class ErroSerial {
public:
    static constexpr int NumeroInvalido = 8002;     // no such port
    static constexpr int PortaEmUso = 8005;         // held by another program
    static constexpr int NaoAberta = 8012;          // not a usable serial device
    static constexpr int SomentePortaAberta = 8018; // write on a closed port
    static constexpr int ErroLeitura = 8020;        // the device went away while in use
    static constexpr int SemAcesso = 8070;          // the user may not open the device (not a busy port)

    // DeviceNotFoundError 8002, PermissionError 8005, OpenError/UnsupportedOperationError 8012,
    // NotOpenError 8018; any other error keeps its own number.
    static int numero(QSerialPort::SerialPortError erro);
    // The description of a numbered line error in the user's language; `outra` for other numbers.
    static QString descricao(int numero, const QString& outra = {});
    // The port's current error as an ErroVB.
    static ErroVB de(const QSerialPort& porta);
    static ErroVB de(int numero, const QString& outra = {});
    // The error of a failed open of `caminho`: the port's error, except that a refusal caused by the
    // device node's permissions (rather than another program holding it) is SemAcesso.
    static ErroVB deAbertura(const QSerialPort& porta, const QString& caminho);
    // Whether the calling user lacks read or write access to `caminho` (the link followed).
    static bool semAcesso(const QString& caminho);
};

} // namespace tarsel
