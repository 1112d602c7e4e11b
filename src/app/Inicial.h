#pragma once

#include "link/PainelConexao.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QToolButton;
class QGridLayout;
class QWidget;

namespace tarsel {

class Tela;
class Enlace;
class Conexao;
class Identificacao;
class fmxMenu;
class Dicas;

// The main window: header with the port, BOX and model controls, the button bar, and the area where
// every screen opens as a child window.
class Inicial : public QMainWindow, public PainelConexao {
    Q_OBJECT
public:
    explicit Inicial(QWidget* parent = nullptr);
    ~Inicial() override;

    // The load steps of the main window (captions, lamp, title, lists, port list, BOX model).
    void carrega();
    // Applies every caption and tooltip in the current language.
    void Traducao_Form_Inicial();

    // Opens the screen `nome` as a child window (created by `cria` when not open) and brings it to the front.
    QWidget* abreTela(const QString& nome, const std::function<Tela*()>& cria);
    // The open screen of that name, if any.
    QWidget* tela(const QString& nome) const;
    // Closes the screens a language change closes, and the tips window.
    void fechaTelasParaIdioma();

    // Wires a button of the bar to its action (screens register theirs as they are built).
    void defineAcao(int indice, std::function<void()> acao);

    // The model-change step. Screens register what they refresh: by the active-screen code at the
    // moment of the change, and by open window.
    using Atualizacao = std::function<void(const QString& familia)>;
    void defineBusca(int codigo, Atualizacao f);
    void defineAplica(const QString& tela, Atualizacao f);
    void BuscaDadosGravados();
    void AplicaModelo();

    QPushButton* Botoes(int indice) const;
    QMdiArea* areaTelas() const { return m_mdi; }
    bool barraCompacta() const { return m_compacta; }

    QComboBox* cbPortas() const { return m_cbPortas; }
    QComboBox* ComboBox() const { return m_comboBox; }
    QComboBox* ComboAparelhos() const { return m_comboAparelhos; }
    QLabel* lbModelo() const { return m_lbModelo; }
    QLabel* St1() const { return m_st1; }
    QLabel* ImgStatus() const { return m_imgStatus; }
    QLabel* lbTristarTigris() const { return m_lbTristarTigris; }
    QToolButton* imgAtualizar() const { return m_imgAtualizar; }
    QWidget* FramePorta() const { return m_framePorta; }
    QWidget* FrameMD() const { return m_frameMD; }

    // Status lamp: "Branco", "Verde" or "Amarelo"; any other word changes nothing.
    void MostraStatus(const QString& cor) override;
    QString corStatus() const { return m_corStatus; }

    fmxMenu* menu() const { return m_menu; }
    Dicas* dicas() const { return m_dicas; }
    // The link state the captions follow ("0" disconnected).
    QString Status() const;

    // The device link every screen talks through.
    Enlace& enlace() const { return *m_enlace; }
    Conexao& conexao() const { return *m_conexao; }
    Identificacao& identificacao() const { return *m_identificacao; }
    // Puts `comando` into the command field and sends it for the screen of code `tela`.
    // False when the link is not connected and idle (nothing is sent then).
    bool enviaComando(int tela, const QString& comando, bool espelho = false);
    // Hook run when the phone has answered the connection check (screens enable their buttons).
    void defineAoConectar(const QString& tela, std::function<void()> f);

    // PainelConexao
    QString textoPorta() const override;
    void defineLegendaConectar(const QString& chave) override;
    QString textoModelo() const override;
    void defineModelo(const QString& texto) override;
    QString textoAparelho() const override;
    void defineAparelho(const QString& familia) override;
    void focaAparelhos() override;
    void CarregaPortas() override;
    void AbrePaginaServidor(int n) override;
    void conectado() override;

    bool LimparLogo = false;

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void montaCabecalho();
    void dispoeBarra();
    void clicaBotao(int indice);
    void desenhaFundo();
    void pairaBotao(int indice);
    void pairaFundo();
    void mostraLimpa();
    void restauraModeloBox();
    void escolheModeloBox(const QString& texto);

    QMdiArea* m_mdi = nullptr;
    QWidget* m_cabecalho = nullptr;
    QGridLayout* m_grade = nullptr;
    QWidget* m_framePorta = nullptr;
    QWidget* m_frameMD = nullptr;
    QWidget* m_frameBotoes = nullptr;
    QLabel* m_lbFramePorta = nullptr;
    QComboBox* m_cbPortas = nullptr;
    QLabel* m_lbBox = nullptr;
    QComboBox* m_comboBox = nullptr;
    QComboBox* m_comboAparelhos = nullptr;
    QLabel* m_lbModelo = nullptr;
    QToolButton* m_imgAtualizar = nullptr;
    QLabel* m_st1 = nullptr;
    QLabel* m_imgStatus = nullptr;
    QLabel* m_lbTristarTigris = nullptr;
    QString m_corStatus;
    QPushButton* m_botoes[20] = {};
    std::function<void()> m_acoes[20];
    QHash<QString, QPointer<QMdiSubWindow>> m_janelas;
    QHash<int, Atualizacao> m_buscas;
    QHash<QString, Atualizacao> m_aplicacoes;
    bool m_compacta = false;
    Enlace* m_enlace = nullptr;
    Identificacao* m_identificacao = nullptr;
    Conexao* m_conexao = nullptr;
    QString m_chaveConectar = QStringLiteral("Conectar");
    QHash<QString, std::function<void()>> m_aoConectar;
    fmxMenu* m_menu = nullptr;
    Dicas* m_dicas = nullptr;
};

// Bar layout switches to the compact arrangement at this width or narrower.
constexpr int LarguraBarraCompacta = 20650; // twips

} // namespace tarsel
