#pragma once

#include "PseudoTerminal.h"
#include "ShellDiagnostico.h"
#include "Transmissor.h"

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>

namespace tarsel {

// The BOX on the pseudo-terminal: collects the bytes the program types into command lines (a line ends at
// CR; LF is ignored), hands each line to the shell and queues its answer on the line-speed transmitter.
// A command that arrives while an answer is still going out cancels what is left of it, so the new echo
// follows at once; only the never-ending fault makes the program do that.
class SimuladorBox : public QObject {
    Q_OBJECT
public:
    SimuladorBox(PseudoTerminal& terminal, ShellDiagnostico& shell, QObject* parent = nullptr);

signals:
    // The hang-up fault has run: the terminal is closed and the link removed.
    void desligou();

private:
    void leMestre();
    void linhaCompleta();
    void desliga();

    PseudoTerminal& m_terminal;
    ShellDiagnostico& m_shell;
    Transmissor m_transmissor;
    QSocketNotifier m_leitura;
    QByteArray m_linha;
};

} // namespace tarsel
