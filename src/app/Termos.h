#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace tarsel {

// The terms of use, shown on the first start of a newly installed database. "Aceito" closes it and
// start-up goes on; "Não aceito" (or closing it) refuses them. The flags switch the language of the
// window and store it as the program's language.
class Termos : public QDialog {
    Q_OBJECT
public:
    explicit Termos(QWidget* parent = nullptr);

    QPushButton* btAceitar() const { return m_aceitar; }
    QPushButton* btNaoAceitar() const { return m_naoAceitar; }
    QToolButton* bandeira(int idioma) const { return m_bandeiras[idioma - 1]; }
    QPlainTextEdit* txtTermos() const { return m_texto; }

private:
    void aplicaTextos();
    void escolheIdioma(int n);

    QLabel* m_titulo = nullptr;
    QPlainTextEdit* m_texto = nullptr;
    QPushButton* m_aceitar = nullptr;
    QPushButton* m_naoAceitar = nullptr;
    QToolButton* m_bandeiras[3] = {};
};

} // namespace tarsel
