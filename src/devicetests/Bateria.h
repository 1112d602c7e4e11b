#pragma once

#include "devicetests/BateriaParse.h"
#include "tela/TelaComando.h"

#include <QTimer>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

class PainelProgresso;
struct Resposta;

// The battery screen: reads the battery's identity ("battery --properties"), waits a moment, reads the gas
// gauge and shows its eight figures, with the saved identity answer of a known-good board beside the
// attached phone's.
class Bateria : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 14;        // the identity answer
    static constexpr int CodigoMedidor = 19; // the gauge answer
    static constexpr int EsperaMedidorMs = 1500;

    explicit Bateria(ContextoTela& contexto);

    // "Executar Leitura": starts a reading when the link is idle.
    void Ler();
    // Fills the eight figures from the gauge answer.
    void Organiza(const QString& resposta);

    void aoMudarModelo(const QString& familia) override;
    void aoMudarIdioma() override { aplicaTextos(); }

    QPushButton* btBateria() const { return m_btBateria; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }
    QPlainTextEdit* txtComparador() const { return m_txtComparador; }
    QLabel* Info(int linha) const { return m_info[linha]; }
    QLabel* InfoDescricao(int linha) const { return m_descricao[linha]; }
    QLabel* lbVar() const { return m_lbVar; }
    PainelProgresso* FrameVCore() const { return m_frameVCore; }
    const QTimer& TimerLer() const { return m_timerLer; }

protected:
    void recebe(const Resposta& r) override;
    void posiciona(QWidget* janela, const QSize& area) override;

private:
    void montaTela();
    void aplicaTextos();
    void iniciaLeitura();
    void leMedidor();
    void defineComparador(const QString& familia, const QString& comando);

    QPushButton* m_btBateria = nullptr;
    QPlainTextEdit* m_txtDados = nullptr;
    QPlainTextEdit* m_txtComparador = nullptr;
    QLabel* m_lbDados = nullptr;
    QLabel* m_lbComparador = nullptr;
    QLabel* m_descricao[BateriaParse::TotalLinhas] = {};
    QLabel* m_info[BateriaParse::TotalLinhas] = {};
    QLabel* m_lbVar = nullptr;
    PainelProgresso* m_frameVCore = nullptr;
    QTimer m_timerLer;
};

} // namespace tarsel
