#include "SimuladorBox.h"

#include <QTextStream>

#include <cerrno>
#include <unistd.h>

namespace tarsel {

namespace {

// A "line" longer than this is noise on the wire, not a command: it is dropped.
constexpr int LinhaMaxima = 4096;

} // namespace

SimuladorBox::SimuladorBox(PseudoTerminal& terminal, ShellDiagnostico& shell, QObject* parent)
    : QObject(parent)
    , m_terminal(terminal)
    , m_shell(shell)
    , m_transmissor(terminal.mestre())
    , m_leitura(terminal.mestre(), QSocketNotifier::Read) {
    connect(&m_leitura, &QSocketNotifier::activated, this, &SimuladorBox::leMestre);
    connect(&m_transmissor, &Transmissor::desligamentoPedido, this, &SimuladorBox::desliga);
}

void SimuladorBox::leMestre() {
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_terminal.mestre(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return;
        if (n <= 0) {
            // Cannot happen while the slave is held open; stop listening rather than spin.
            m_leitura.setEnabled(false);
            return;
        }
        for (ssize_t i = 0; i < n; ++i) {
            const char c = buffer[i];
            if (c == '\r')
                linhaCompleta();
            else if (c != '\n')
                m_linha.append(c);
        }
        if (m_linha.size() > LinhaMaxima)
            m_linha.clear();
    }
}

void SimuladorBox::linhaCompleta() {
    const QByteArray linha = m_linha;
    m_linha.clear();
    const QList<Trecho> resposta = m_shell.responde(linha);
    if (resposta.isEmpty())
        return;
    QTextStream(stderr) << "tarsel-sim: " << QString::fromLatin1(linha.simplified()) << Qt::endl;
    m_transmissor.cancela();
    m_transmissor.acrescenta(resposta);
}

void SimuladorBox::desliga() {
    QTextStream(stderr) << "tarsel-sim: hanging up" << Qt::endl;
    m_leitura.setEnabled(false);
    m_transmissor.encerra();
    m_terminal.fecha();
    emit desligou();
}

} // namespace tarsel
