#pragma once

#include "console/AlvoCores.h"
#include "console/DadosSalvos.h"
#include "console/fmHelp.h"
#include "console/xCores.h"
#include "tela/TelaComando.h"

#include <QHash>
#include <QPointer>
#include <QTextCursor>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QShortcut;

namespace tarsel {

// The command console: any shell command typed or picked from the list, its raw answer on the left and
// the saved answer of a known-good board of the same model on the right (the comparator), with the
// history of the commands sent, the shell's help list, restart and shutdown, and the console colours.
// Hidden maintenance buttons ("RM", "Add", "AJ", shown with Ctrl+Shift+M) prepare saved answers and
// masks for the reference data.
class Master : public TelaComando, public AlvoCores {
    Q_OBJECT
public:
    static constexpr int Codigo = 1;

    explicit Master(ContextoTela& contexto);
    ~Master() override;

    // Sends the command text (Enter and "Executar").
    void ExecutaComandoConsole();
    // Re-selects the saved answer and the command's notes for the current model and command text,
    // rewrites the device label and hides the comparison mark.
    void CarregaDadosSalvos();
    void CarregaListaComandos();
    // The answer to a console command: it replaces the console ("Auto" ticked) or goes on top of it.
    void RecebeResposta(const Resposta& r);
    // Compares the console with the saved answer (masks applied) and shows or hides the mark.
    void AutoComparador();

    // The comparator buttons.
    void CopiaParaComparador();
    void SalvaAlteracoes();
    void ExcluiDadosSalvos();
    void MascaraComparador();
    void AdicionaMascara();

    // The command text.
    QString comando() const;
    void defineComando(const QString& texto);
    // The console text (the answers as the console keeps them, line breaks CR LF).
    QString textoConsole() const;
    // The comparator text (the saved answer without the command).
    QString textoComparador() const;
    // A saved answer was written since the window opened: closing copies the database to User.tsl.
    bool alterado() const { return m_alterado; }
    // The maintenance buttons are shown.
    bool manutencao() const;
    void alternaManutencao();
    // The help window, when open.
    fmHelp* janelaHelp() const { return m_help; }
    xCores* janelaCores() const { return m_janelaCores; }
    QStringList historico() const;

    // AlvoCores
    NumeroCor corAtual(AlvoCor alvo) const override;
    void aplicaCor(AlvoCor alvo, NumeroCor numero) override;
    void defineFundoAuto(const QColor& cor) override;
    void BuscaCores() override;

    void aoMudarModelo(const QString& familia) override;
    void aoBuscarDadosGravados(const QString& familia) override;
    void aoConectar() override;

    QComboBox* txtComandos() const { return m_txtComandos; }
    QPushButton* btSend() const { return m_btSend; }
    QPlainTextEdit* txtConsole() const { return m_txtConsole; }
    QPlainTextEdit* txtComparador() const { return m_txtComparador; }
    QLabel* lbDispositivo() const { return m_lbDispositivo; }
    QFrame* lbAutoComparador() const { return m_lbAutoComparador; }
    QLabel* lbAutoComparadorX() const { return m_lbAutoComparadorX; }
    QCheckBox* ckLimpar() const { return m_ckLimpar; }
    QFrame* FrameHistorico() const { return m_frameHistorico; }
    QListWidget* ListCmd() const { return m_listCmd; }
    QLabel* lbHelp() const { return m_lbHelp; }
    QPlainTextEdit* txtHelpAux() const { return m_txtHelpAux; }
    QScrollBar* HScroll1() const { return m_hScroll1; }
    QPlainTextEdit* txtInfoComandos(int idioma) const { return m_txtInfoComandos[size_t(idioma - 1)]; }
    QPlainTextEdit* txtInfoDados(int idioma) const { return m_txtInfoDados[size_t(idioma - 1)]; }
    QPushButton* botao(const QString& nome) const;

    // The history button's right click.
    void alternaHelp();
    void mostraHistorico();
    void fechaHistorico();
    void alternaAjudaHistorico();

protected:
    void recebe(const Resposta& r) override;
    void espelha(const Resposta& atual, const QString& acrescimo, bool substituido) override;
    void aoIniciarEspera() override;
    void aoTerminarEspera() override;
    void aoPerderResposta() override;
    void posiciona(QWidget* janela, const QSize& area) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void montaTela();
    void aplicaTextos();
    void mostraPaineisIdioma();
    void escreveDispositivo();
    void moveDivisao(int valor);
    void defineConsole(const QString& texto);
    void defineComparador(const QString& texto);
    void comparadorEditado();
    void mostraLinhas(const std::optional<DadosSalvos::LinhaDados>& dados,
                      const std::optional<DadosSalvos::LinhaComando>& comando);
    void limpaConsole();
    void reiniciaOuDesliga(bool desliga);
    void novoComando();
    void apagaComando();
    void abreHelp();
    void montaBotaoRegistro(QPushButton* bt);
    void abrePastaRegistros();
    void gravaRegistro(bool ativo);
    void abreHelpPdf();
    void abreCores();
    void abreEditor();
    void posicionaHistorico();
    void enviaDireto(const QString& comando);
    DadosSalvos::Notas notasDados() const;
    DadosSalvos::Notas notasComando() const;

    QComboBox* m_txtComandos = nullptr;
    QPushButton* m_btSend = nullptr;
    QPlainTextEdit* m_txtConsole = nullptr;
    QPlainTextEdit* m_txtComparador = nullptr;
    QLabel* m_lbConsole = nullptr;
    QLabel* m_lbComparador = nullptr;
    QLabel* m_lbDispositivo = nullptr;
    QFrame* m_lbAutoComparador = nullptr;
    QLabel* m_lbAutoComparadorX = nullptr;
    QCheckBox* m_ckLimpar = nullptr;
    QLabel* m_lbInfoComandos = nullptr;
    QLabel* m_lbInfoDados = nullptr;
    std::array<QPlainTextEdit*, 3> m_txtInfoComandos{};
    std::array<QPlainTextEdit*, 3> m_txtInfoDados{};
    QLabel* m_lbVar = nullptr;
    QScrollBar* m_hScroll1 = nullptr;
    QWidget* m_ladoConsole = nullptr;
    QWidget* m_ladoNotas = nullptr;
    QFrame* m_frameHistorico = nullptr;
    QLabel* m_lbHistorico = nullptr;
    QListWidget* m_listCmd = nullptr;
    QLabel* m_lbHelp = nullptr;
    QPlainTextEdit* m_txtHelpAux = nullptr;
    QPushButton* m_btFecharHistorico = nullptr;
    QHash<QString, QPushButton*> m_botoes;
    QAction* m_acaoAbrirRegistros = nullptr;
    QAction* m_acaoGravarRegistro = nullptr;
    QShortcut* m_atalhoManutencao = nullptr;
    QPointer<fmHelp> m_help;
    QPointer<xCores> m_janelaCores;

    // The console as it keeps its answers (CR LF); the view shows it without the CRs. A user's edit of
    // the view makes the view the text.
    QString m_textoConsole;
    bool m_consoleEditado = false;
    // The saved answer as shown (without the command); a user's edit of the pane makes the pane the text.
    QString m_textoComparador;
    // While this window itself changes a view, the view's change is not a user's edit.
    int m_escrevendo = 0;
    // The live copy of the answer under way: it grows at the top of the view, before the older answers.
    bool m_vivo = false;
    QTextCursor m_fimVivo;
    // The current rows.
    std::optional<qint64> m_idDados;
    std::optional<qint64> m_idComando;
    bool m_alterado = false;
    bool m_historicoAberto = false;
    std::array<NumeroCor, 4> m_cores{};
};

} // namespace tarsel
