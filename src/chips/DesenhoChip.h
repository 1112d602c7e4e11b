#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>

class QLabel;

namespace tarsel {

// A chip as the board drawing shows it: a rectangle, its pin names down both sides, and its designator
// (`lbUC`) in the middle. It scales with its size.
class DesenhoChip : public QWidget {
    Q_OBJECT
public:
    DesenhoChip(const QStringList& pinosEsquerda, const QStringList& pinosDireita, QWidget* parent = nullptr);

    QLabel* lbUC() const { return m_lbUC; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QRect corpo() const;

    QStringList m_esquerda;
    QStringList m_direita;
    QLabel* m_lbUC = nullptr;
};

} // namespace tarsel
