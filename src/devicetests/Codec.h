#pragma once

#include "tela/TelaComando.h"

#include <QTimer>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

class PainelProgresso;
struct Resposta;

// The audio codec check: resets the codec block twice, a moment apart, and tells whether the second
// answer carries the codec's "OK". Not conclusive: the screen says so.
class Codec : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 20;

    explicit Codec(ContextoTela& contexto);

    // "Executar Teste": starts (or restarts) the check when the link is idle.
    void Testar();

    void aoMudarIdioma() override { aplicaTextos(); }

    QPushButton* btLer() const { return m_btLer; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }
    QLabel* lbResultado() const { return m_lbResultado; }
    QLabel* OK() const { return m_ok; }
    QLabel* NO() const { return m_no; }
    QLabel* lbAviso() const { return m_lbAviso; }
    PainelProgresso* FrameVCore() const { return m_frameVCore; }
    const QTimer& TimerAdicional() const { return m_timerAdicional; }
    const QTimer& TimerLer() const { return m_timerLer; }

protected:
    void recebe(const Resposta& r) override;
    void aoPerderResposta() override;
    void posiciona(QWidget* janela, const QSize& area) override;

private:
    void montaTela();
    void aplicaTextos();
    void segundoEnvio();
    void julga();

    QPushButton* m_btLer = nullptr;
    QPlainTextEdit* m_txtDados = nullptr;
    QFrame* m_frameResultado = nullptr;
    QLabel* m_lbTituloResultado = nullptr;
    QLabel* m_lbResultado = nullptr;
    QLabel* m_ok = nullptr;
    QLabel* m_no = nullptr;
    QLabel* m_lbAviso = nullptr;
    PainelProgresso* m_frameVCore = nullptr;
    QTimer m_timerAdicional;
    QTimer m_timerLer;
};

} // namespace tarsel
