#pragma once

#include "chips/LeituraChip.h"
#include "tela/TelaComando.h"

#include <QMap>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

class DesenhoChip;
struct Resposta;

// The charger chip screen: input, battery and supply readings beside the chip drawing, judged against
// the chip's own references, with the raw answer and the saved answer of the same model beside them.
class Tigris : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 9;

    explicit Tigris(ContextoTela& contexto);

    void PrePesquisa();
    void CarregaDados();

    // A value field by its name ("VBus_V", "lbVldo", …).
    QLabel* campo(const QString& nome) const { return m_campos.value(nome); }
    QLabel* baixa(int marcador) const { return m_baixas.value(marcador); }
    QLabel* lbUC() const;
    QLabel* lbVBus1() const { return m_lbVBus1; }
    QLabel* lbVBus2() const { return m_lbVBus2; }
    QFrame* FrameVbusX() const { return m_frameVbusX; }
    QPushButton* btExecutaLeitura() const { return m_btExecuta; }
    QPushButton* btLog() const { return m_btLog; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }
    QPlainTextEdit* txtComparador() const { return m_txtComparador; }

    void aoMudarModelo(const QString& familia) override;
    void aoBuscarDadosGravados(const QString& familia) override;

protected:
    void recebe(const Resposta& resposta) override;
    void aoIniciarEspera() override;
    void aoTerminarEspera() override;
    void posiciona(QWidget* janela, const QSize& area) override;

private:
    void montaTela();
    void aplicaTextos();
    void executaLeitura();
    void limpa();
    void dispoePorModelo();
    void alternaLog();
    void mostraComparador();

    QMap<QString, QLabel*> m_campos;
    QMap<int, QLabel*> m_baixas;
    DesenhoChip* m_desenho = nullptr;
    QLabel* m_lbVBus1 = nullptr;
    QLabel* m_lbVBus2 = nullptr;
    QLabel* m_lbVarInfo = nullptr;
    QLabel* m_lbAtencao = nullptr;
    QLabel* m_lbComparador = nullptr;
    QLabel* m_lbLeitura = nullptr;
    QFrame* m_frameVbusX = nullptr;
    QWidget* m_painelLog = nullptr;
    QPushButton* m_btExecuta = nullptr;
    QPushButton* m_btLog = nullptr;
    QPlainTextEdit* m_txtDados = nullptr;
    QPlainTextEdit* m_txtComparador = nullptr;
};

} // namespace tarsel
