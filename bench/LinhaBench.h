#pragma once
// What the link benchmarks share: the phone's end of a pseudo-terminal that streams at the line speed,
// and the figures they read (CPU time of the calling thread, resident memory).

#include "link/MapaPortas.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

namespace tarsel::bancada {

inline double cpuDaThreadMs() {
    rusage u{};
    getrusage(RUSAGE_THREAD, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

// The device end of a pseudo-terminal that sends at the line speed from its own thread.
class Linha {
public:
    explicit Linha(const QString& pasta) {
        m_fd = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(m_fd);
        ::unlockpt(m_fd);
        termios t{};
        ::tcgetattr(m_fd, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(m_fd, TCSANOW, &t);
        QFile::link(QString::fromLocal8Bit(::ptsname(m_fd)), MapaPortas::CaminhoPorta(3, pasta));
    }
    ~Linha() {
        para();
        ::close(m_fd);
    }

    // Sends `dados` paced at 11.52 bytes per ms (115200 baud, 10 bits a byte); with `repete`, again and
    // again until para(). Notes when the last byte left.
    void envia(QByteArray dados, bool repete) {
        para();
        m_parar = false;
        m_fio = std::thread([this, dados, repete] {
            QElapsedTimer relogio;
            relogio.start();
            qint64 enviados = 0;
            int pos = 0;
            while (!m_parar) {
                const qint64 devidos = relogio.nsecsElapsed() * 11520 / 1000000000LL;
                while (enviados < devidos && !m_parar) {
                    if (pos == dados.size()) {
                        if (!repete) {
                            m_ultimoByte = QDateTime::currentMSecsSinceEpoch();
                            return;
                        }
                        pos = 0;
                    }
                    const int n = int(qMin<qint64>(devidos - enviados, dados.size() - pos));
                    const ssize_t w = ::write(m_fd, dados.constData() + pos, size_t(n));
                    if (w <= 0)
                        break;
                    pos += int(w);
                    enviados += w;
                    m_enviados += w;
                }
                m_ultimoByte = QDateTime::currentMSecsSinceEpoch();
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    void para() {
        m_parar = true;
        if (m_fio.joinable())
            m_fio.join();
    }
    qint64 ultimoByte() const { return m_ultimoByte; }
    // Bytes sent since the line was made.
    qint64 enviados() const { return m_enviados; }
    void descarta() {
        char buf[4096];
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
        while (::read(m_fd, buf, sizeof buf) > 0) {
        }
    }

private:
    int m_fd = -1;
    std::thread m_fio;
    std::atomic<bool> m_parar{true};
    std::atomic<qint64> m_ultimoByte{0};
    std::atomic<qint64> m_enviados{0};
};

inline long rssKb() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> campos = f.readAll().split(' ');
    return campos.size() > 1 ? campos.at(1).toLong() * (::sysconf(_SC_PAGESIZE) / 1024) : -1;
}

} // namespace tarsel::bancada
