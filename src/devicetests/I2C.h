#pragma once

#include "devicetests/ModuloI2C.h"
#include "tela/TelaComando.h"

#include <QTimer>
#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

class PainelProgresso;
struct Resposta;

// The I2C bus scan: scans one bus ("i2c -s N") or, in the automatic mode, every usable bus in turn, and
// judges each device the reference data lists for the family and bus by whether its address is in the
// answer. For a bus with a silent device it shows the server's notes on the likely causes.
class I2C : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 6;

    explicit I2C(ContextoTela& contexto);

    // Arranges the bus buttons for the current family.
    void OcultaBotoes();
    // A bus button: scans bus n when the link is idle.
    void testaBarramento(int n);
    // "Auto Teste": starts the automatic scan, or cancels it while it runs.
    void autoTeste();
    // Opens the family's bus map document.
    void abreDiagrama();

    void aoMudarModelo(const QString& familia) override;
    void aoBuscarDadosGravados(const QString& familia) override;

    bool autoAtivo() const { return m_auto; }
    int barramentoAtual() const { return m_barramento; }

    QPushButton* btI2C(int n) const { return m_bt.at(n); }
    QPushButton* btAutoTeste() const { return m_btAutoTeste; }
    QPushButton* btPdf() const { return m_btPdf; }
    QGroupBox* FrameI2C() const { return m_frameI2C; }
    QWidget* FrameI() const { return m_frameI; }
    QGroupBox* FrameAutoI2C() const { return m_frameAuto; }
    QListWidget* ListView() const { return m_lista; }
    QLabel* lbResultado() const { return m_lbResultado; }
    QLabel* OK(int k) const { return m_ok.at(k); }
    QLabel* NO(int k) const { return m_no.at(k); }
    QPlainTextEdit* txtDadosI2C() const { return m_txtFalhas; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }
    QFrame* FrameResultadoOK() const { return m_frameOk; }
    QLabel* lbDispositivo() const { return m_lbDispositivo; }
    QLabel* lbAguarde() const { return m_lbAguarde; }
    PainelProgresso* ProgressBar() const { return m_painel; }
    const QTimer& Timer1() const { return m_timer1; }
    const QTimer& TimerAuto() const { return m_timerAuto; }
    int contagemEspera() const { return m_espera; }

protected:
    void recebe(const Resposta& r) override;
    void aoIniciarEspera() override { habilitaBotoes(); }
    void aoTerminarEspera() override { habilitaBotoes(); }
    void aoPerderResposta() override;
    void posiciona(QWidget* janela, const QSize& area) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void montaTela();
    void aplicaTextos();
    void habilitaBotoes();
    void iniciaTeste(int n);
    void esperaResposta();
    void analisa(const QString& resposta);
    void semResposta();
    void passoAuto();
    void finalizaAuto(bool mensagemSemFalha);
    void escreveSemFalha();
    void acrescentaFalhas(const QString& texto);
    void mostraAviso();
    void limpaIcones();
    void posicionaIcones();
    void paraBarra();

    ModuloI2C::BotoesI2C m_botoes;
    std::array<QPushButton*, ModuloI2C::Barramentos> m_bt{};
    std::array<QLabel*, ModuloI2C::VagasIcone> m_ok{};
    std::array<QLabel*, ModuloI2C::VagasIcone> m_no{};
    QPushButton* m_btAutoTeste = nullptr;
    QPushButton* m_btPdf = nullptr;
    QLabel* m_lbDispositivo = nullptr;
    QLabel* m_lbAguarde = nullptr;
    QGroupBox* m_frameI2C = nullptr;
    QWidget* m_frameI = nullptr;
    QWidget* m_areaResultado = nullptr;
    QLabel* m_lbResultado = nullptr;
    QGroupBox* m_frameAuto = nullptr;
    QListWidget* m_lista = nullptr;
    QLabel* m_lbFalhas = nullptr;
    QPlainTextEdit* m_txtFalhas = nullptr;
    QFrame* m_frameOk = nullptr;
    QLabel* m_lbOk = nullptr;
    QLabel* m_lbLeitura = nullptr;
    QPlainTextEdit* m_txtDados = nullptr;
    PainelProgresso* m_painel = nullptr;

    QTimer m_timer1;
    QTimer m_timerAuto;
    QTimer m_timerAguarde;
    QString m_falhas;     // the failures box's text as written (CR LF line ends)
    int m_barramento = 0;
    int m_passo = 0;
    int m_espera = 0;
    bool m_auto = false;
    bool m_testeAuto = false; // the test on the line belongs to the automatic scan (even if since cancelled)
};

} // namespace tarsel
