#pragma once

#include "rails/ConsultaRail.h"
#include "rails/DecimaisRail.h"
#include "rails/ModeloGradeRail.h"
#include "rails/TelaRail.h"
#include "tela/PainelProgresso.h"
#include "tela/TelaComando.h"

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;
class QTimer;
class QToolButton;
class QVBoxLayout;

namespace tarsel {

// What the Buck and LDO screen and the VCore screen share: a grid of rail rows of Master, the read
// ("pmuadc --read all", then Timer1 waits for the link, parses, and Timer2 refreshes the grid until the
// readings show), the note that flashes after a parse, the orderings, the recordings G1 to G3, the
// decimals, the report link and the copy to the user database on closing.
class TelaGradeRail : public TelaComando {
    Q_OBJECT
public:
    ~TelaGradeRail() override;

    // A reading (only when the link is connected and idle): clears every reading, shows the grid with
    // the read's query and sends the command.
    void PrePesquisa();
    void ExecutaPesquisa();
    // The model changed while the window is open: clear the readings and list the new model's rows.
    void LimpaLeiturasExterno();
    // The whole model-change refresh: caption, readings, note.
    void aoMudarModelo(const QString& familia) override;
    // A model change during this screen's read: caption and readings.
    void aoBuscarDadosGravados(const QString& familia) override;
    void atualizaTitulo();
    // The screen's rail type.
    virtual int tipo() const = 0;

    QTableView* DBGrid1() const { return m_grade; }
    ModeloGradeRail* Data1() const { return m_modelo; }
    QLabel* lbVar() const { return m_lbVar; }
    QWidget* frameVar() const { return m_frameVar; }
    QGroupBox* Frame1() const { return m_frame1; }
    QRadioButton* OpMalha() const { return m_opMalha; }
    QRadioButton* OpPorc() const { return m_opPorc; }
    QRadioButton* OpIc() const { return m_opIc; }
    QPushButton* btGravar(int n) const;
    QPushButton* btExcluir(int n) const;
    QComboBox* ComboDecimais() const { return m_decV; }
    QComboBox* ComboDecimaisAmp() const { return m_decA; }
    QPushButton* btExportar() const { return m_btExportar; }
    QToolButton* imgPdf() const { return m_imgPdf; }
    QPushButton* btSalvarPdf() const { return m_btSalvarPdf; }
    PainelProgresso* FrameVCore() const { return m_frameVCore; }
    // The ordering, recordings and decimals (the Buck and LDO screen shows them once a type is chosen).
    QWidget* FrameSelecoes() const { return m_frameSelecoes; }
    const DecimaisRail& decimais() const { return m_decimais; }
    bool leituraFeita() const { return m_leituraFeita; }
    bool gravacoesMudaram() const { return m_gravacoesMudaram; }
    TelaRail telaRail() const { return m_telaRail; }

protected:
    enum class Opcao { Malha, Porc, Ic };

    TelaGradeRail(ContextoTela& contexto, const QString& nome, TelaRail tela, int codigo, QString prefixoTitulo,
                  QList<ModeloGradeRail::Coluna> colunas);

    // Grid queries: on opening and after a model change; while reading (PrePesquisa and Timer2); for
    // an ordering option.
    virtual ConsultaRail consultaInicial() const = 0;
    virtual ConsultaRail consultaLeitura() const = 0;
    virtual ConsultaRail consultaAtualizacao() const { return consultaLeitura(); }
    virtual ConsultaRail consultaOrdem(Opcao opcao) const = 0;
    // Whether a read, an ordering or a new read after a decimal choice may start.
    virtual bool podeLer() const;
    // The screen's own controls during a read (disabled) and after it (enabled).
    virtual void aoIniciarLeitura() {}
    virtual void aoTerminarLeitura() {}

    // The column of controls beside the grid: the screen puts its own controls at the top.
    QVBoxLayout* colunaControles() const { return m_colunaControles; }

    QString modelo() const { return familia(); }
    // Loads the grid; a failure is shown.
    void mostra(const ConsultaRail& consulta);

    // The answer is kept: the parse reads this read's answer even when another command has replaced the
    // console before Timer1 looks.
    void recebe(const Resposta& resposta) override;
    void aoIniciarEspera() override;
    void aoTerminarEspera() override;
    void aoPerderResposta() override;
    void posiciona(QWidget* janela, const QSize& area) override;
    bool eventFilter(QObject* o, QEvent* e) override;

    // The opening steps the two screens share, after their own: clear the readings, list the rows,
    // translate, restore the decimals.
    void abre();

private:
    void montaTela();
    void aplicaTextos();
    void tickTimer1();
    void tickTimer2();
    void tickIndicaVar();
    void ProcessaLeituras();
    void escolheOrdem(Opcao opcao);
    void grava(int n, bool exclui);
    void escolheDecimais(bool volt, const QString& texto);
    // The report on the web (or, with the server out of reach, as a PDF); `comoPdf`: always the PDF.
    void exporta(bool comoPdf = false);
    void pintaNota(bool destaque);
    QString textoNota() const;

    TelaRail m_telaRail;
    QString m_prefixoTitulo;
    DecimaisRail m_decimais;
    int m_contador = 0;
    bool m_leituraFeita = false;
    bool m_gravacoesMudaram = false;
    // The answer delivered for this screen's code during the read in course.
    QString m_resposta;

    ModeloGradeRail* m_modelo = nullptr;
    QTableView* m_grade = nullptr;
    QVBoxLayout* m_colunaControles = nullptr;
    QWidget* m_frameSelecoes = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QButtonGroup* m_opcoes = nullptr;
    QRadioButton* m_opMalha = nullptr;
    QRadioButton* m_opPorc = nullptr;
    QRadioButton* m_opIc = nullptr;
    QGroupBox* m_frameGravacoes = nullptr;
    QLabel* m_lbGravacao[3] = {};
    QPushButton* m_btGravar[3] = {};
    QPushButton* m_btExcluir[3] = {};
    QLabel* m_lbDecimais = nullptr;
    QComboBox* m_decV = nullptr;
    QComboBox* m_decA = nullptr;
    QWidget* m_frameVar = nullptr;
    QLabel* m_lbVar = nullptr;
    QPushButton* m_btExportar = nullptr;
    QToolButton* m_imgPdf = nullptr;
    QPushButton* m_btSalvarPdf = nullptr;
    PainelProgresso* m_frameVCore = nullptr;

    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
    QTimer* m_timerIndicaVar = nullptr;
    QRadioButton* m_opcaoMarcada = nullptr;
};

} // namespace tarsel
