#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tarsel {

class Inicial;

// The language window: three buttons, a bar behind the current one.
class xIdioma : public QDialog {
    Q_OBJECT
public:
    explicit xIdioma(Inicial* principal);

    QPushButton* btIdioma(int n) const { return m_botoes[n - 1]; }
    QWidget* lbFundoIdioma() const { return m_fundo; }

    void escolhe(int n);

private:
    void aplicaTextos();
    void posicionaFundo();

    Inicial* m_principal;
    QGroupBox* m_frame;
    QWidget* m_fundo;
    QPushButton* m_botoes[3];
};

} // namespace tarsel
