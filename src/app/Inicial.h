#pragma once

#include "app/BarraBotoes.h"
#include "link/PainelConexao.h"
#include "tela/ContextoTela.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QPushButton;
class QToolButton;
class QGridLayout;
class QWidget;

namespace tarsel {

class Tela;
class Enlace;
class Conexao;
class Identificacao;
class RegistroTelas;
class fmxMenu;
class Dicas;

// The main window: header with the port, BOX and model controls, the button bar, and the area where
// every screen opens as a child window. It owns the device link and is the context of every screen.
class Inicial : public QMainWindow, public PainelConexao, public ContextoTela {
    Q_OBJECT
public:
    explicit Inicial(QWidget* parent = nullptr);
    ~Inicial() override;

    // The load steps of the main window (captions, lamp, title, lists, port list, BOX model).
    void carrega();
    // Applies every caption and tooltip in the current language.
    void Traducao_Form_Inicial();

    // A screen the main window can open: opened by `nome`, by its button of the bar and by its sub-menu
    // entry (each optional). One line per screen:
    //     principal.registraTela<PMU>(NomeTela::PMU, Botao::PMU, EntradaMenu::PMU);
    // Two screens may share a sub-menu entry whose label changes: `rotuloEntrada` is the label for which the
    // entry opens this screen; the screen registered without one opens for any other label.
    template <typename T>
    void registraTela(const QString& nome, int botao = Botao::Nenhum, int entrada = EntradaMenu::Nenhuma,
                      const QString& rotuloEntrada = {});
    RegistroTelas& telas() const { return *m_telas; }
    // The language changed: the screens it closes are closed, the tips window hidden.
    void fechaTelasParaIdioma();

    // The model-change steps: the screen whose command is under way refreshes its saved data, then every
    // open screen follows the new family.
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
    QLabel* lbTristarTigris() const;
    QToolButton* imgAtualizar() const { return m_imgAtualizar; }
    QWidget* FramePorta() const { return m_framePorta; }
    QWidget* FrameMD() const { return m_frameMD; }

    // Status lamp: "Branco", "Verde" or "Amarelo"; any other word changes nothing.
    void MostraStatus(const QString& cor) override;
    QString corStatus() const { return m_corStatus; }
    // The port frame's context menu entry: reconnect when the lost adapter comes back (remembered).
    QAction* acaoReligar() const { return m_acaoReligar; }

    fmxMenu* menu() const { return m_menu; }
    Dicas* dicas() const { return m_dicas; }
    // The link state the captions follow ("0" disconnected).
    QString Status() const;

    Conexao& conexao() const { return *m_conexao; }
    Identificacao& identificacao() const { return *m_identificacao; }

    // ContextoTela
    QString familia() const override;
    QString numeroModelo() const override;
    Enlace& enlace() const override { return *m_enlace; }
    RegistroSessao* registroSessao() const override { return m_registro.get(); }
    QWidget* abreTela(const QString& nome) override;
    bool temTela(const QString& nome) const override;
    QWidget* tela(const QString& nome) const override;
    int alturaPrincipal() const override { return height(); }
    void ocultaSubMenu() override;

    // PainelConexao
    QString textoPorta() const override;
    void defineLegendaConectar(const QString& chave) override;
    void defineTextoStatus(const QString& chave) override;
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
    using Fabrica = std::function<Tela*(ContextoTela&)>;
    void registraTela(const QString& nome, int botao, int entrada, const QString& rotuloEntrada, Fabrica cria);
    void montaCabecalho();
    void dispoeBarra();
    void desenhaFundo();
    void pairaBotao(int indice);
    void pairaFundo();
    void mostraLimpa();
    void restauraModeloBox();
    void iniciaRegistro();
    void escolheModeloBox(const QString& texto);
    void escolheReligar(bool ativa);

    QMdiArea* m_mdi = nullptr;
    QWidget* m_cabecalho = nullptr;
    QGridLayout* m_grade = nullptr;
    QWidget* m_framePorta = nullptr;
    QWidget* m_frameMD = nullptr;
    BarraBotoes* m_barra = nullptr;
    QLabel* m_lbFramePorta = nullptr;
    QComboBox* m_cbPortas = nullptr;
    QLabel* m_lbBox = nullptr;
    QComboBox* m_comboBox = nullptr;
    QComboBox* m_comboAparelhos = nullptr;
    QLabel* m_lbModelo = nullptr;
    QToolButton* m_imgAtualizar = nullptr;
    QLabel* m_st1 = nullptr;
    QLabel* m_imgStatus = nullptr;
    QAction* m_acaoReligar = nullptr;
    QString m_corStatus;
    bool m_compacta = false;
    Enlace* m_enlace = nullptr;
    Identificacao* m_identificacao = nullptr;
    Conexao* m_conexao = nullptr;
    RegistroTelas* m_telas = nullptr;
    QString m_chaveConectar = QStringLiteral("Conectar");
    fmxMenu* m_menu = nullptr;
    Dicas* m_dicas = nullptr;
    std::unique_ptr<RegistroSessao> m_registro;
};

template <typename T>
void Inicial::registraTela(const QString& nome, int botao, int entrada, const QString& rotuloEntrada) {
    registraTela(nome, botao, entrada, rotuloEntrada, [](ContextoTela& c) -> Tela* { return new T(c); });
}

// Bar layout switches to the compact arrangement at this width or narrower.
constexpr int LarguraBarraCompacta = 20650; // twips

} // namespace tarsel
