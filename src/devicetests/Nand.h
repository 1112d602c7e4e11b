#pragma once

#include "tela/TelaComando.h"

#include <QTimer>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

class PainelProgresso;
struct Resposta;

// The NAND tests: the flash size read on opening and shown as a capacity class, four single-command
// tests judged by their marker words (the long configuration read copied live), the NAND supply rails
// in the VCore screen, and the server's page on restore errors.
class Nand : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 4;

    explicit Nand(ContextoTela& contexto);

    // A test button (kind 0 to 4): the notice when the link is not idle, the refusals, else the test.
    void clicaTeste(int tipo);
    // Sends the command of the stored test kind.
    void PrePesquisa();

    void aoMudarIdioma() override { aplicaTextos(); }

    QPushButton* btBl(int tipo) const;
    QPushButton* btPdf() const { return m_btPdf; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }
    QLabel* lbNand() const { return m_lbNand; }
    QLabel* lbStatus() const { return m_lbStatus; }
    QLabel* lbStatus2() const { return m_lbStatus2; }
    QLabel* OK() const { return m_ok; }
    QLabel* NO() const { return m_no; }
    QLabel* lbAguarde() const { return m_lbAguarde; }
    PainelProgresso* FrameVCore() const { return m_frameVCore; }
    const QTimer& TimerTamanho() const { return m_timerTamanho; }
    const QTimer& TimerStatus() const { return m_timerStatus; }
    int tipo() const { return m_tipo; }

protected:
    void recebe(const Resposta& r) override;
    void espelha(const Resposta& atual, const QString& acrescimo, bool substituido) override;
    void aoPerderResposta() override;
    void posiciona(QWidget* janela, const QSize& area) override;

private:
    void montaTela();
    void aplicaTextos();
    void tamanho();
    void status();
    void mostraTensoes();
    void mostraVeredito(bool passou, bool completo);

    int m_tipo = 0;
    int m_tiquesTamanho = 0;
    int m_tiquesStatus = 0;
    // What is on the line: the size query of the opening, or a test.
    bool m_consultaAbertura = false;
    // The delivered answers (command removed): the opening's size answer and the last test's.
    QString m_respostaTamanho;
    QString m_resposta;

    QPushButton* m_btBl[5] = {};
    QPushButton* m_btPdf = nullptr;
    QGroupBox* m_frameDados = nullptr;
    QPlainTextEdit* m_txtDados = nullptr;
    QLabel* m_lbNand = nullptr;
    QLabel* m_lbStatus = nullptr;
    QLabel* m_lbStatus2 = nullptr;
    QLabel* m_ok = nullptr;
    QLabel* m_no = nullptr;
    QLabel* m_lbAguarde = nullptr;
    PainelProgresso* m_frameVCore = nullptr;
    QTimer m_timerTamanho;
    QTimer m_timerStatus;
    QTimer m_timerAguarde;
};

} // namespace tarsel
