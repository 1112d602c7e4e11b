#include "Transmissor.h"

#include <QTextStream>

#include <cerrno>
#include <unistd.h>

namespace tarsel {

namespace {

constexpr int IntervaloMs = 5;
// Credit left over when the timer runs late is capped, so that a delay never turns into a burst faster
// than the line.
constexpr double CreditoMaximo = 2 * IntervaloMs * Transmissor::BytesPorMs;
// A line silent this long in the middle of bytes is, to a reader polling every 100 ms (BOX model 1), the
// end of the answer. A real phone streaming an answer does not stop that long; a simulator the system did
// not schedule in time does, so it says so on stderr.
constexpr qint64 SilencioNotavelNs = 100 * 1000000LL;

} // namespace

Transmissor::Transmissor(int descritor, QObject* parent)
    : QObject(parent)
    , m_descritor(descritor) {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(IntervaloMs);
    connect(&m_timer, &QTimer::timeout, this, &Transmissor::tique);
    m_relogio.start();
}

void Transmissor::acrescenta(const QList<Trecho>& trechos) {
    if (m_descritor < 0 || trechos.isEmpty())
        return;
    m_fila.append(trechos);
    if (!m_timer.isActive()) {
        m_ultimoNs = m_relogio.nsecsElapsed();
        m_credito = 0;
        m_timer.start();
    }
}

void Transmissor::cancela() {
    m_fila.clear();
    m_posicao = 0;
    m_fimPausaNs = -1;
}

void Transmissor::encerra() {
    cancela();
    m_timer.stop();
    m_descritor = -1;
}

void Transmissor::tique() {
    const qint64 agora = m_relogio.nsecsElapsed();
    if (agora - m_ultimoNs >= SilencioNotavelNs && !m_fila.isEmpty() && m_fila.first().tipo != Trecho::Tipo::Pausa)
        QTextStream(stderr) << "tarsel-sim: the line fell silent for " << (agora - m_ultimoNs) / 1000000
                            << " ms in the middle of an answer (the simulator was not scheduled in time)" << Qt::endl;
    m_credito = qMin(m_credito + (agora - m_ultimoNs) / 1e6 * BytesPorMs, CreditoMaximo);
    m_ultimoNs = agora;

    while (!m_fila.isEmpty() && m_descritor >= 0) {
        Trecho& atual = m_fila.first();
        switch (atual.tipo) {
        case Trecho::Tipo::Pausa:
            if (m_fimPausaNs < 0)
                m_fimPausaNs = agora + qint64(atual.ms) * 1000000;
            if (agora < m_fimPausaNs) {
                m_credito = 0; // a silent line saves nothing up
                return;
            }
            m_fimPausaNs = -1;
            m_fila.removeFirst();
            break;
        case Trecho::Tipo::Desliga:
            m_fila.clear();
            m_timer.stop();
            emit desligamentoPedido();
            return;
        case Trecho::Tipo::Dados:
        case Trecho::Tipo::SemFim: {
            if (atual.dados.isEmpty()) {
                m_fila.removeFirst();
                break;
            }
            const qint64 resta = atual.dados.size() - m_posicao;
            const qint64 quantos = qMin<qint64>(qint64(m_credito), resta);
            if (quantos <= 0)
                return;
            const qint64 escritos = escreve(atual.dados.constData() + m_posicao, quantos);
            m_credito -= escritos;
            m_posicao += escritos;
            if (m_posicao == atual.dados.size()) {
                m_posicao = 0;
                if (atual.tipo == Trecho::Tipo::Dados)
                    m_fila.removeFirst();
            }
            if (escritos < quantos)
                return; // the terminal is full: try again on the next tick
            break;
        }
        }
    }
    if (m_fila.isEmpty())
        m_timer.stop();
}

qint64 Transmissor::escreve(const char* dados, qint64 n) {
    for (;;) {
        const ssize_t r = ::write(m_descritor, dados, size_t(n));
        if (r >= 0)
            return r;
        if (errno == EINTR)
            continue;
        // EAGAIN: nobody is reading and the terminal's buffer is full. Anything else: the terminal is
        // gone. Either way nothing was written; the queue waits.
        return 0;
    }
}

} // namespace tarsel
