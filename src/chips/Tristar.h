#pragma once

#include "tela/TelaComando.h"

#include <QMap>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

class DesenhoChip;
struct Resposta;

// The USB interface chip screen (Tristar, or Hydra on the later boards): three of its supplies with
// their currents beside the chip drawing, two of them judged, and an overall status.
class Tristar : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 10;

    explicit Tristar(ContextoTela& contexto);

    void PrePesquisa();
    void CarregaDados();

    // A value, percent or name field by its name ("Malha1_V", "Porc2", "lbNomeMalha3", …).
    QLabel* campo(const QString& nome) const { return m_campos.value(nome); }
    // The pass icons 0 (status) to 3 (closing note) and the fail icons 0 to 2.
    QLabel* OK(int i) const { return m_ok.value(i); }
    QLabel* NO(int i) const { return m_no.value(i); }
    QLabel* lbStatus() const { return m_lbStatus; }
    QLabel* lbStatus2() const { return m_lbStatus2; }
    QLabel* lbUC() const;
    QPushButton* btExecutaLeitura() const { return m_btExecuta; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }

    void aoMudarModelo(const QString& familia) override;

protected:
    void recebe(const Resposta& resposta) override;
    void aoIniciarEspera() override;
    void aoTerminarEspera() override;
    void posiciona(QWidget* janela, const QSize& area) override;

private:
    QString tituloInicial() const;
    void montaTela();
    void aplicaTextos();
    void executaLeitura();
    void limpa();
    void mostra(const QString& resposta);

    QMap<QString, QLabel*> m_campos;
    QMap<int, QLabel*> m_ok;
    QMap<int, QLabel*> m_no;
    DesenhoChip* m_desenho = nullptr;
    QLabel* m_lbStatus = nullptr;
    QLabel* m_lbStatus2 = nullptr;
    QLabel* m_lbAtencao = nullptr;
    QPushButton* m_btExecuta = nullptr;
    QPlainTextEdit* m_txtDados = nullptr;
};

} // namespace tarsel
