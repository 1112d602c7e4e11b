#pragma once

#include "tela/TelaComando.h"

#include <QTimer>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

struct Resposta;

// The USB interface chip communication test (Tristar, or Hydra on the later boards): two chip commands
// judged by the length of their answer, the answer beside the saved answer of a known-good board, and the
// way to the Tigris and Tristar screens.
class IC : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 5;

    explicit IC(ContextoTela& contexto);

    // A test button (index 1 or 2): the hint when the link is not idle, else the test.
    void clicaTeste(int indice);
    // Sends the command of the test whose index was stored.
    void PrePesquisa();

    void aoMudarModelo(const QString& familia) override;
    void aoBuscarDadosGravados(const QString& familia) override;
    void aoMudarIdioma() override { aplicaTextos(); }

    QPushButton* btBl(int indice) const;
    QPushButton* btTigris() const { return m_btTigris; }
    QPushButton* btTristar() const { return m_btTristar; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }
    QPlainTextEdit* txtComparador() const { return m_txtComparador; }
    QLabel* lbStatus() const { return m_lbStatus; }
    QLabel* lbStatus2() const { return m_lbStatus2; }
    QLabel* lbIC() const { return m_lbIC; }
    QLabel* OK() const { return m_ok; }
    QLabel* NO() const { return m_no; }
    QLabel* lbAguarde() const { return m_lbAguarde; }
    QLabel* lbDispositivo() const { return m_lbDispositivo; }
    const QTimer& TimerStatus() const { return m_timerStatus; }
    int tiques() const { return m_tiques; }

protected:
    void recebe(const Resposta& r) override;
    void aoPerderResposta() override;
    void posiciona(QWidget* janela, const QSize& area) override;

private:
    void montaTela();
    void aplicaTextos();
    void aplicaChip(const QString& familia);
    void status();
    void mostraVeredito(bool comunicou);
    void abreChip(const QString& nome);
    void defineComparador(const QString& familia, const QString& comando);
    void escreveDispositivo();

    int m_indice = 0;
    int m_tiques = 0;
    QString m_comando;
    QString m_chip;

    QPushButton* m_btBl[2] = {};
    QPushButton* m_btTigris = nullptr;
    QPushButton* m_btTristar = nullptr;
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
    QTimer m_timerStatus;
    QTimer m_timerAguarde;
};

} // namespace tarsel
