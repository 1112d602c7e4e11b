#pragma once

#include <QString>

namespace tarsel {

// The pseudo-terminal that stands for the BOX's serial port: the simulator works the master side; the
// program opens the slave through the link "ports/COM<n>" of its program folder.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    ~PseudoTerminal();

    // Opens the master and keeps one descriptor of the slave open, so that the terminal outlives the
    // program closing and reopening its port; the slave is put in raw mode at 115200 baud.
    bool abre(QString* erro);

    // Links "caminho" to the slave. An old link is replaced when it is dangling or points at another
    // pseudo-terminal (a simulator that did not clean up); a link to any other device, or a file that is
    // not a link, is left alone and reported.
    bool criaLink(const QString& caminho, QString* erro);

    // Closes both sides (the program then sees the line hang up) and removes the link if it is still ours.
    void fecha();

    int mestre() const { return m_mestre; }
    QString escravo() const { return m_escravo; }

private:
    int m_mestre = -1;
    int m_escravoAberto = -1; // held, never read
    QString m_escravo;
    QString m_link;
};

} // namespace tarsel
