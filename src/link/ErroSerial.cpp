#include "link/ErroSerial.h"

#include "base/Globais.h"

namespace tarsel {

int ErroSerial::numero(QSerialPort::SerialPortError erro) {
    switch (erro) {
    case QSerialPort::DeviceNotFoundError:
        return NumeroInvalido;
    case QSerialPort::PermissionError:
        return PortaEmUso;
    case QSerialPort::OpenError:
    case QSerialPort::UnsupportedOperationError:
        return NaoAberta;
    case QSerialPort::NotOpenError:
        return SomentePortaAberta;
    default:
        return static_cast<int>(erro);
    }
}

QString ErroSerial::descricao(int numero, const QString& outra) {
    switch (numero) {
    case NumeroInvalido:
        return PorIdioma("Número de porta inválido", "Invalid port number", "Número de puerto no válido");
    case PortaEmUso:
        return PorIdioma("Porta já aberta", "Port already open", "Puerto ya abierto");
    case NaoAberta:
        return PorIdioma("O dispositivo não está aberto", "Device is not open", "El dispositivo no está abierto");
    case SomentePortaAberta:
        return PorIdioma("Operação válida somente com a porta aberta", "Operation valid only when the port is open",
                         "Operación válida sólo con el puerto abierto");
    case ErroLeitura:
        return PorIdioma("Erro ao ler o dispositivo de comunicação", "Error reading comm device",
                         "Error al leer el dispositivo de comunicación");
    default:
        return outra;
    }
}

ErroVB ErroSerial::de(const QSerialPort& porta) {
    return de(numero(porta.error()), porta.errorString());
}

ErroVB ErroSerial::de(int numero, const QString& outra) {
    return ErroVB(numero, descricao(numero, outra));
}

} // namespace tarsel
