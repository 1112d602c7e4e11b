#pragma once

#include "tela/TelaComando.h"

#include <QTimer>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

class PainelProgresso;
struct Resposta;

// The additional tests: the phone's two memory tests with a pass or fail verdict, the answer beside the
// saved answer of a known-good board, and the ways to the battery screen and the audio codec check.
class Adicionais : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 17;

    explicit Adicionais(ContextoTela& contexto);

    // A test button (index 5 or 6): the hint when the link is not idle, else the test.
    void clicaTeste(int indice);
    // Starts the test whose index was stored.
    void PrePesquisa();

    void aoMudarModelo(const QString& familia) override;
    void aoMudarIdioma() override { aplicaTextos(); }

    QPushButton* btBl(int indice) const;
    QPushButton* btBateria() const { return m_btBateria; }
    QPushButton* btCodec() const { return m_btCodec; }
    QPushButton* btPanicFull() const { return m_btPanicFull; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }
    QPlainTextEdit* txtComparador() const { return m_txtComparador; }
    QLabel* lbStatus() const { return m_lbStatus; }
    QLabel* lbStatus2() const { return m_lbStatus2; }
    QLabel* lbIC() const { return m_lbIC; }
    QLabel* OK() const { return m_ok; }
    QLabel* NO() const { return m_no; }
    QLabel* lbAguarde() const { return m_lbAguarde; }
    QLabel* lbDispositivo() const { return m_lbDispositivo; }
    PainelProgresso* FrameVCore() const { return m_frameVCore; }
    const QTimer& TimerStatus() const { return m_timerStatus; }
    int tiques() const { return m_tiques; }
    // The server's codec switch has been read (the button is hidden unless it said "S").
    bool codecVerificado() const { return m_codecVerificado; }

protected:
    void recebe(const Resposta& r) override;
    void espelha(const Resposta& atual, const QString& acrescimo, bool substituido) override;
    void posiciona(QWidget* janela, const QSize& area) override;

private:
    void montaTela();
    void aplicaTextos();
    void verificaCodec();
    void status();
    void abreBateria();
    void abrePanicFull();
    void defineComparador(const QString& familia, const QString& comando);
    void escreveDispositivo();

    int m_indice = 0;
    int m_tiques = 0;
    bool m_codecVerificado = false;
    QString m_comando;

    QPushButton* m_btBl[2] = {};
    QPushButton* m_btBateria = nullptr;
    QPushButton* m_btCodec = nullptr;
    QPushButton* m_btPanicFull = nullptr;
    QPlainTextEdit* m_txtDados = nullptr;
    QPlainTextEdit* m_txtComparador = nullptr;
    QLabel* m_lbDados = nullptr;
    QLabel* m_lbComparador = nullptr;
    QLabel* m_lbDispositivo = nullptr;
    QLabel* m_lbStatus = nullptr;
    QLabel* m_lbStatus2 = nullptr;
    QLabel* m_lbIC = nullptr;
    QLabel* m_ok = nullptr;
    QLabel* m_no = nullptr;
    QLabel* m_lbVar = nullptr;
    QLabel* m_lbAguarde = nullptr;
    PainelProgresso* m_frameVCore = nullptr;
    QTimer m_timerStatus;
    QTimer m_timerAguarde;
};

} // namespace tarsel
