#pragma once

#include "console/EditorDadosRegras.h"
#include "tela/Tela.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

// The saved-answer editor: a maintenance window that shows, for one command, the saved answer of a base
// model beside that of its " Plus", copies one over the other, masks variable fragments and adds mask
// strings, and saves both. The console's hidden maintenance button opens it; it sends nothing.
class EditorDados : public Tela {
    Q_OBJECT
public:
    explicit EditorDados(ContextoTela& contexto);
    ~EditorDados() override;

    // Reloads both panes for the model and command of the lists.
    void Recarrega();
    // ">" and "<": one pane's text over the other (not saved yet).
    void CopiaParaDireita();
    void CopiaParaEsquerda();
    // "Tira Marca" of the left or right pane: masks applied, then saved.
    void TiraMarca(bool esquerdo);
    // "Add Marca": asks for a mask string and adds it to the mask list.
    void AdicionaMarca();
    // "Salvar": both panes into their rows; the title then tells the time of the save.
    void Salvar();

    QComboBox* ComboAparelhos() const { return m_comboAparelhos; }
    QComboBox* txtComandos() const { return m_txtComandos; }
    QPlainTextEdit* txtConsole() const { return m_txtConsole; }
    QPlainTextEdit* txtComparador() const { return m_txtComparador; }
    QLabel* Label1() const { return m_label1; }
    QLabel* Label2() const { return m_label2; }
    QPushButton* btAtualizar() const { return m_btAtualizar; }
    QPushButton* Command1() const { return m_command1; }
    QPushButton* Command2() const { return m_command2; }
    QPushButton* Command3() const { return m_command3; }
    QPushButton* Command4() const { return m_command4; }
    QPushButton* Command5() const { return m_command5; }

private:
    void montaTela();
    // The panes' texts into the rows held here (a pane the user has not touched keeps its exact text).
    void lePaineis();
    void mostra();

    EditorDadosRegras::Lado m_esquerdo;
    EditorDadosRegras::Lado m_direito;
    QComboBox* m_comboAparelhos = nullptr;
    QComboBox* m_txtComandos = nullptr;
    QPlainTextEdit* m_txtConsole = nullptr;
    QPlainTextEdit* m_txtComparador = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_btAtualizar = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command5 = nullptr;
};

} // namespace tarsel
