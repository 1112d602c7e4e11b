#pragma once

#include "rails/DecimaisRail.h"
#include "rails/TelaRail.h"
#include "tela/PainelProgresso.h"
#include "tela/TelaComando.h"

#include <QFrame>
#include <QTimer>
#include <QVector>

class QComboBox;

class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace tarsel {

struct Resposta;

// The PMU screen: the BUCK or LDO rails of the phone as judged lines, against a tolerance the user picks.
class PMU : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 18;
    static constexpr int Slots = 20;

    explicit PMU(ContextoTela& contexto);

    // Starts a reading of the current rail type.
    void Pesquisa();
    // The answer has come: parse it into the rail rows and show them.
    void GeraGrid();
    void MostraLinhas();
    void LimpaLinhas();

    // One line of the table.
    struct Linha {
        QLabel* SAIDA;
        QLabel* LEITURA_V;
        QLabel* LEITURA_A;
        QLabel* PORC;
        QLabel* REF;
        QLabel* MALHA_NOME;
        QLabel* OK;
        QLabel* NO;
        QFrame* LINHA;
    };
    const Linha& linha(int i) const { return m_linhas.at(i); }
    int linhasVisiveis() const;
    // The rail type of the last choice (none until BUCK or LDO is pressed).
    int tipo() const { return m_tipo; }
    bool lendo() const { return aguardando(); }

    QPushButton* Botao1() const { return m_botao1; }
    QPushButton* Botao2() const { return m_botao2; }
    QComboBox* PorcTolerancia() const { return m_tolerancia; }
    QComboBox* ComboDecimais() const { return m_decV; }
    QComboBox* ComboDecimaisAmp() const { return m_decA; }
    QLabel* lbVar() const { return m_lbVar; }
    QWidget* FrameControle() const { return m_frameControle; }
    PainelProgresso* FrameVCore() const { return m_frameVCore; }
    const DecimaisRail& decimais() const { return m_decimais; }

    void aoMudarModelo(const QString& familia) override;

protected:
    void recebe(const Resposta& resposta) override;
    void aoIniciarEspera() override;
    void aoTerminarEspera() override;
    void posiciona(QWidget* janela, const QSize& area) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void montaTela();
    Linha& garanteLinha(int i);
    void escolheTipo(TipoRail tipo);
    void aplicaTextos();
    void normalizaTolerancia();

    int m_tipo = 0;
    DecimaisRail m_decimais;
    QVector<Linha> m_linhas;
    QWidget* m_frameControle = nullptr;
    QPushButton* m_botao1 = nullptr;
    QPushButton* m_botao2 = nullptr;
    QComboBox* m_tolerancia = nullptr;
    QComboBox* m_decV = nullptr;
    QComboBox* m_decA = nullptr;
    QLabel* m_lbInfoDecimais = nullptr;
    QLabel* m_lbTolerancia = nullptr;
    QLabel* m_cabLeitura = nullptr;
    QWidget* m_grade = nullptr;
    QVBoxLayout* m_gradeLayout = nullptr;
    QScrollArea* m_rolagem = nullptr;
    QLabel* m_lbVar = nullptr;
    PainelProgresso* m_frameVCore = nullptr;
};

} // namespace tarsel
