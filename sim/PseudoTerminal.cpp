#include "PseudoTerminal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace tarsel {

namespace {

QString erroSistema(const char* onde) {
    return QStringLiteral("%1: %2").arg(QLatin1String(onde), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

PseudoTerminal::~PseudoTerminal() {
    fecha();
}

bool PseudoTerminal::abre(QString* erro) {
    m_mestre = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_mestre < 0) {
        *erro = erroSistema("posix_openpt");
        return false;
    }
    if (::grantpt(m_mestre) != 0 || ::unlockpt(m_mestre) != 0) {
        *erro = erroSistema("grantpt/unlockpt");
        fecha();
        return false;
    }
    const char* nome = ::ptsname(m_mestre);
    if (!nome) {
        *erro = erroSistema("ptsname");
        fecha();
        return false;
    }
    m_escravo = QString::fromLocal8Bit(nome);
    const int opcoes = ::fcntl(m_mestre, F_GETFL);
    ::fcntl(m_mestre, F_SETFL, opcoes | O_NONBLOCK);
    ::fcntl(m_mestre, F_SETFD, FD_CLOEXEC);

    m_escravoAberto = ::open(nome, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_escravoAberto < 0) {
        *erro = erroSistema("open slave");
        fecha();
        return false;
    }
    // Raw: no echo from the terminal itself, no CR/LF translation either way; the shell does its own echo.
    termios modo{};
    if (::tcgetattr(m_escravoAberto, &modo) == 0) {
        ::cfmakeraw(&modo);
        ::cfsetispeed(&modo, B115200);
        ::cfsetospeed(&modo, B115200);
        ::tcsetattr(m_escravoAberto, TCSANOW, &modo);
    }
    return true;
}

bool PseudoTerminal::criaLink(const QString& caminho, QString* erro) {
    const QFileInfo info(caminho);
    if (!QDir().mkpath(info.absolutePath())) {
        *erro = QStringLiteral("cannot create the folder %1").arg(info.absolutePath());
        return false;
    }
    if (info.isSymLink()) {
        const QString alvo = info.symLinkTarget();
        const bool pendurado = !QFileInfo::exists(alvo);
        if (!pendurado && !alvo.startsWith(QLatin1String("/dev/pts/"))) {
            *erro = QStringLiteral("%1 already links to %2; remove it first").arg(caminho, alvo);
            return false;
        }
        QFile::remove(caminho);
    } else if (info.exists()) {
        *erro = QStringLiteral("%1 exists and is not a link; remove it first").arg(caminho);
        return false;
    }
    if (::symlink(m_escravo.toLocal8Bit().constData(), caminho.toLocal8Bit().constData()) != 0) {
        *erro = erroSistema("symlink");
        return false;
    }
    m_link = caminho;
    return true;
}

void PseudoTerminal::fecha() {
    if (!m_link.isEmpty()) {
        const QFileInfo info(m_link);
        if (info.isSymLink() && info.symLinkTarget() == m_escravo)
            QFile::remove(m_link);
        m_link.clear();
    }
    if (m_escravoAberto >= 0) {
        ::close(m_escravoAberto);
        m_escravoAberto = -1;
    }
    if (m_mestre >= 0) {
        ::close(m_mestre);
        m_mestre = -1;
    }
}

} // namespace tarsel
