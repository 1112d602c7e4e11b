#pragma once

#include "devicetests/RFsParse.h"
#include "tela/TelaComando.h"

#include <QTimer>

class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

class PainelProgresso;
struct Resposta;

// The radio tests: for each of the five radios a power-on (judged by its marker phrases: the row turns
// green or grey), a power-off and a properties button whose answer is shown beside the saved answer of a
// known-good board; and the way to the RF reference values.
class RFs : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 2;

    explicit RFs(ContextoTela& contexto);

    // The buttons of radio `radio`: the hint when the link is not idle, else the command.
    void clicaOn(int radio);
    void clicaOff(int radio);
    void clicaPropriedades(int radio);
    // Sends the power-on command of the radio stored by clicaOn and starts the wait for its answer.
    void PrePesquisa();
    // Shows or hides the comparator, widening or narrowing the window.
    void alternaComparador();

    void aoMudarModelo(const QString& familia) override;
    void aoMudarIdioma() override { aplicaTextos(); }

    QPushButton* btOn(int radio) const { return m_btOn[radio]; }
    QPushButton* btOff(int radio) const { return m_btOff[radio]; }
    QPushButton* btPropriedades(int radio) const { return m_btPropriedades[radio]; }
    QLabel* lbFundo(int radio) const { return m_lbFundo[radio]; }
    QFrame* FrameBotoes() const { return m_frameBotoes; }
    QPushButton* btComparador() const { return m_btComparador; }
    QPushButton* btTensoesRF() const { return m_btTensoesRF; }
    QLabel* lbStatius() const { return m_lbStatius; }
    QLabel* lbStatus2() const { return m_lbStatus2; }
    QLabel* OK() const { return m_ok; }
    QLabel* NO() const { return m_no; }
    QLabel* lbAguarde() const { return m_lbAguarde; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }
    QPlainTextEdit* txtComparador() const { return m_txtComparador; }
    QGroupBox* FrameComparador() const { return m_frameComparador; }
    PainelProgresso* FrameVCore() const { return m_frameVCore; }
    const QTimer& Timer1() const { return m_timer1; }
    // The colour text of a radio's row.
    QString corLinha(int radio) const { return m_cores[radio]; }

protected:
    void recebe(const Resposta& r) override;
    void aoIniciarEspera() override;
    void aoTerminarEspera() override;
    void aoPerderResposta() override;
    void posiciona(QWidget* janela, const QSize& area) override;

private:
    void montaTela();
    void aplicaTextos();
    bool podeEnviar(RFsParse::Acao acao);
    void limpaVeredito();
    void enviaComando(int radio, RFsParse::Acao acao);
    void tique();
    void pintaLinha(int radio, const QString& corBGR);
    void dimensiona(QWidget* janela, const QSize& area, int larguraTwips);
    void defineComparador(const QString& familia, const QString& comando);

    int m_radio = 0;
    RFsParse::Acao m_acao = RFsParse::Acao::Ligar;
    int m_tiques = 0;
    QString m_comando;
    QString m_cores[RFsParse::TotalRadios];

    QFrame* m_frameBotoes = nullptr;
    QLabel* m_lbFundo[RFsParse::TotalRadios] = {};
    QPushButton* m_btOn[RFsParse::TotalRadios] = {};
    QPushButton* m_btOff[RFsParse::TotalRadios] = {};
    QPushButton* m_btPropriedades[RFsParse::TotalRadios] = {};
    QPushButton* m_btComparador = nullptr;
    QPushButton* m_btTensoesRF = nullptr;
    QLabel* m_lbStatius = nullptr;
    QLabel* m_lbStatus2 = nullptr;
    QLabel* m_ok = nullptr;
    QLabel* m_no = nullptr;
    QLabel* m_lbAguarde = nullptr;
    QLabel* m_lbDados = nullptr;
    QPlainTextEdit* m_txtDados = nullptr;
    QGroupBox* m_frameComparador = nullptr;
    QPlainTextEdit* m_txtComparador = nullptr;
    PainelProgresso* m_frameVCore = nullptr;
    QTimer m_timer1;
    QTimer m_timerAguarde;
};

} // namespace tarsel
