#include "link/ErroSerial.h"

#include "base/Globais.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

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
    case SemAcesso:
        return PorIdioma("Sem permissão para abrir a porta", "No permission to open the port",
                         "Sin permiso para abrir el puerto");
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

bool ErroSerial::semAcesso(const QString& caminho) {
    const QByteArray nome = QFile::encodeName(caminho);
    // The effective ids and capabilities, those open() is judged by (plain access() asks for the real ones).
    if (::faccessat(AT_FDCWD, nome.constData(), R_OK | W_OK, AT_EACCESS) == 0)
        return false;
    return errno == EACCES || errno == EPERM || errno == EROFS;
}

ErroVB ErroSerial::deAbertura(const QSerialPort& porta, const QString& caminho) {
    // The line reports a busy port and a forbidden one alike; only the node's permissions tell them apart.
    if (porta.error() == QSerialPort::PermissionError && semAcesso(caminho))
        return de(SemAcesso, porta.errorString());
    return de(porta);
}

ErroVB ErroSerial::de(int numero, const QString& outra) {
    return ErroVB(numero, descricao(numero, outra));
}

} // namespace tarsel
