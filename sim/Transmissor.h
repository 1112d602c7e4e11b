#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

namespace tarsel {

// One piece of what the shell sends: bytes, a silence, an endlessly repeated text, or the hang-up.
struct Trecho {
    enum class Tipo { Dados, Pausa, SemFim, Desliga };
    Tipo tipo = Tipo::Dados;
    QByteArray dados; // Dados: the bytes; SemFim: the text repeated until cancelled
    int ms = 0;       // Pausa: its length

    static Trecho bytes(const QByteArray& dados) { return {Tipo::Dados, dados, 0}; }
    static Trecho pausa(int ms) { return {Tipo::Pausa, {}, ms}; }
    static Trecho semFim(const QByteArray& ciclo) { return {Tipo::SemFim, ciclo, 0}; }
    static Trecho desliga() { return {Tipo::Desliga, {}, 0}; }
};

// Writes the queued pieces to the pseudo-terminal at the speed of a 115200 baud 8N1 line: a burst every
// few milliseconds, sized by the time that has passed, so that the average is the line's 11.52 bytes per
// millisecond and a slow answer looks to the reader as it would on the real cable.
class Transmissor : public QObject {
    Q_OBJECT
public:
    static constexpr double BytesPorMs = 115200.0 / 10.0 / 1000.0; // 10 bits per byte with 8N1

    explicit Transmissor(int descritor, QObject* parent = nullptr);

    void acrescenta(const QList<Trecho>& trechos);
    // Drops whatever has not been written yet (the next command replaces the answer under way).
    void cancela();
    // Stops writing for good (the descriptor is about to be closed).
    void encerra();
    bool ocioso() const { return m_fila.isEmpty(); }

signals:
    // The queue reached a hang-up piece: everything before it has been written.
    void desligamentoPedido();

private:
    void tique();
    // Writes up to n bytes of the head piece; returns how many went out (0 when the terminal is full).
    qint64 escreve(const char* dados, qint64 n);

    int m_descritor;
    QTimer m_timer;
    QElapsedTimer m_relogio;
    qint64 m_ultimoNs = 0;
    double m_credito = 0;
    QList<Trecho> m_fila;
    qint64 m_posicao = 0;     // bytes of the head piece already written
    qint64 m_fimPausaNs = -1; // end of the pause at the head, once it has started
};

} // namespace tarsel
