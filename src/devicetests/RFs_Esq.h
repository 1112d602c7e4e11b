#pragma once

#include "tela/Tela.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tarsel {

// The RF reference values: per model family, the voltages to measure by hand on the board around the
// radio chips, for the kind of board chosen with "INT." or "QUAL.". Its own model list starts at the main
// window's family and can be moved to any other.
class RFs_Esq : public Tela {
    Q_OBJECT
public:
    explicit RFs_Esq(ContextoTela& contexto);

    // Runs the query for the model of its own list and the selected kind, and fills the grid.
    void Consulta();
    void escolheTipo(int seletor);

    void aoMudarIdioma() override { aplicaTextos(); }

    QComboBox* ComboAparelhos() const { return m_comboAparelhos; }
    QPushButton* Botao1() const { return m_botao1; }
    QPushButton* Botao2() const { return m_botao2; }
    QTableWidget* DBGrid1() const { return m_grade; }
    QLabel* lbREF() const { return m_lbREF; }
    QLabel* lbNota() const { return m_lbNota; }
    int seletor() const { return m_seletor; }

protected:
    void posiciona(QWidget* janela, const QSize& area) override;

private:
    void montaTela();
    void aplicaTextos();

    int m_seletor;
    QComboBox* m_comboAparelhos = nullptr;
    QPushButton* m_botao1 = nullptr;
    QPushButton* m_botao2 = nullptr;
    QTableWidget* m_grade = nullptr;
    QLabel* m_lbREF = nullptr;
    QLabel* m_lbModelo = nullptr;
    QLabel* m_lbNota = nullptr;
};

} // namespace tarsel
