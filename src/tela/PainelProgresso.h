#pragma once

#include <QFrame>
#include <QTimer>

class QLabel;

namespace tarsel {

// The busy panel of the test screens: a text and a bar that sweeps while a command runs. The bar
// grows by a fiftieth of its track every 50 ms and starts again when full (one sweep every 2.5 s).
class PainelProgresso : public QFrame {
    Q_OBJECT
public:
    explicit PainelProgresso(QWidget* parent, bool textoEmNegrito = false);

    QLabel* lbGrade() const { return m_texto; }
    QFrame* Barra() const { return m_barra; }
    const QTimer& TimerBarra() const { return m_timer; }

    // Shows the panel over its screen with the bar at its start, and sweeps.
    void inicia();
    // Hides the panel and stops the sweep.
    void para();
    bool ativo() const { return m_timer.isActive(); }
    // The sweep's pace: a screen whose command runs long sweeps slower.
    void defineIntervalo(int ms) { m_timer.setInterval(ms); }

private:
    void passo();

    QLabel* m_texto;
    QFrame* m_barra;
    QTimer m_timer;
    int m_passo = 1;
};

} // namespace tarsel
