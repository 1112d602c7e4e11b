#pragma once

#include "tela/TelaComando.h"

#include <QTimer>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;

namespace tarsel {

struct Resposta;

// The display tests: backlight on, off, every level, three fixed levels and a free one from the slider;
// full-screen colour fields with a text, for dead pixels and colour faults; the panel's mode; and the ways
// to the display power chip screens. The technician watches the phone; the screen shows its raw answer.
class Displays : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 3;

    explicit Displays(ContextoTela& contexto);

    // A button of the row (0 to 8): a backlight or resolution command, or a voltage screen.
    void clicaBotao(int indice);
    // A colour button by its object name ("Cor_Vermelho").
    void clicaCor(const QString& botao);

    void aoMudarModelo(const QString& familia) override { aplicaFamilia(familia); }
    void aoBuscarDadosGravados(const QString& familia) override { aplicaFamilia(familia); }
    void aoMudarIdioma() override { aplicaTextos(); }

    QPushButton* btBl(int indice) const;
    QPushButton* cor(const QString& nome) const;
    QSlider* Slider1() const { return m_slider; }
    QLineEdit* txt_Texto_Cores() const { return m_txtTexto; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }
    QLabel* lbAguarde() const { return m_lbAguarde; }
    const QTimer& TimerAguarde() const { return m_timerAguarde; }

protected:
    void recebe(const Resposta& r) override;
    void posiciona(QWidget* janela, const QSize& area) override;

private:
    void montaTela();
    void aplicaTextos();
    void aplicaFamilia(const QString& familia);
    void soltaSlider();
    void mostraAviso(bool trocaTexto);

    QList<QPushButton*> m_botoes;
    QList<QPushButton*> m_cores;
    QSlider* m_slider = nullptr;
    QLineEdit* m_txtTexto = nullptr;
    QPlainTextEdit* m_txtDados = nullptr;
    QLabel* m_lbNivel = nullptr;
    QLabel* m_lbDados = nullptr;
    QLabel* m_lbAguarde = nullptr;
    QTimer m_timerAguarde;
};

} // namespace tarsel
