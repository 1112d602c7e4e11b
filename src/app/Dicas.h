#pragma once

#include <QFrame>

class QLabel;

namespace tarsel {

// Tips next to the port choice: how to get the phone and the BOX ready before connecting.
class Dicas : public QFrame {
    Q_OBJECT
public:
    explicit Dicas(QWidget* parent);
    void aplicaTextos();

private:
    QLabel* m_titulo;
    QLabel* m_texto;
};

} // namespace tarsel
