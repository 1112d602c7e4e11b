#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace tarsel {

// After an unplug, watches ports/COM<n> for the same adapter to come back, for a limited time.
// It polls (the device node and the link appear from udev or from a program, with no event Qt can
// wait on for both) and never blocks.
class VigiaPorta : public QObject {
    Q_OBJECT
public:
    static constexpr int JanelaPadraoMs = 30000;
    static constexpr int IntervaloMs = 300;

    explicit VigiaPorta(QObject* parent = nullptr);

    // What pasta/ports/COM<n> points at, as the link says it (one level, made absolute); empty when
    // the name is no link.
    static QString AlvoLink(int n, const QString& pasta);
    // Whether the link now found under the lost number names the adapter that was lost. An adapter
    // known by its stable name (a path under `pastaById`) is the same only under that very name;
    // a link to anything else (a pseudo-terminal, a /dev/ttyUSB<k> linked by hand) names no
    // particular device, so the number itself is what the technician chose, and any such link counts.
    static bool MesmoAdaptador(const QString& alvoPerdido, const QString& alvoAtual,
                               const QString& pastaById = QStringLiteral("/dev/serial/by-id"));

    // Starts watching number `porta` of `pasta` for the device `alvo` (AlvoLink when it was opened).
    void inicia(int porta, const QString& pasta, const QString& alvo);
    // Stops without a word.
    void para();
    bool ativa() const { return m_prazo.isActive(); }
    int porta() const { return m_porta; }

    // How long the watch lasts; the product uses JanelaPadraoMs.
    void defineJanela(int ms) { m_prazo.setInterval(ms); }
    int janela() const { return m_prazo.interval(); }
    void definePastaById(const QString& pasta) { m_pastaById = pasta; }

    const QTimer& TimerVigia() const { return m_timer; }

signals:
    // The adapter is back under its number and can be opened. The watch goes on until stopped, so a
    // node that is not ready yet (permissions still being set) is simply tried again.
    void voltou(int porta);
    // The time is up: nothing came back. The watch has stopped.
    void desistiu(int porta);

private:
    void verifica();

    QTimer m_timer;
    QTimer m_prazo;
    int m_porta = 0;
    QString m_pasta;
    QString m_alvo;
    QString m_pastaById = QStringLiteral("/dev/serial/by-id");
};

} // namespace tarsel
