#pragma once

#include "tela/PainelProgresso.h"

#include "tela/Tela.h"
#include "rails/BuckTesteParse.h"

#include <QIcon>
#include <QTimer>

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

class Inicial;
struct Resposta;

// The buck test screen: runs the phone's own buck checks ("buck", "buckcheck N") and lists the answer
// beside the same list built from the saved answer of a known-good board, with a note per model on the
// bucks that read 0 V in diagnostics mode.
class BuckTeste : public Tela {
    Q_OBJECT
public:
    static constexpr int Codigo = 13;
    // Indexes of the two check buttons.
    static constexpr int Leitura = 3;
    static constexpr int Teste = 4;
    // The item data role that holds a row's picture number (1 pass, 2 fail, 3 voltage).
    static constexpr int PapelFigura = Qt::UserRole;

    explicit BuckTeste(Inicial& principal);
    ~BuckTeste() override;

    static void registra(Inicial& principal);
    // Opens the screen in the main window (or brings it to the front); for the screens that lead here.
    static QWidget* abre(Inicial& principal);

    // The picture of a list row.
    static QIcon ImageList1(BuckTesteParse::Figura figura);

    // Sends the selected check.
    void Pesquisa();
    // Parses the raw answer box into the list and shows the comparator beside it.
    void PreProcesso();

    // Model change: the comparator and the note follow the new family.
    void aplicaModelo(const QString& familia);
    // Points the comparator at the saved answer of `familia` for `comando` (nothing: empty comparator).
    void defineComparador(const QString& familia, const QString& comando);

    int selecionado() const { return m_selecionado; }
    BuckTesteParse::Modo modo() const { return m_modo; }
    bool aguardando() const { return m_frameVCore->ativo(); }

    QPushButton* Botao1() const { return m_botao1; }
    QPushButton* Botao2() const { return m_botao2; }
    QPushButton* btBl(int indice) const;
    QPushButton* btOriginal() const { return m_btOriginal; }
    QComboBox* Combo1() const { return m_combo1; }
    QListWidget* ListView() const { return m_listView; }
    QListWidget* ListViewComparador() const { return m_listViewComparador; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }
    QPlainTextEdit* txtComparador() const { return m_txtComparador; }
    QLabel* lbInfoBucks() const { return m_lbInfoBucks; }
    QLabel* lblLabel(int indice) const { return m_lblLabel[indice]; }
    QFrame* FrameVCore() const { return m_frameVCore; }

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void montaTela();
    void aplicaTextos();
    void clicaCheck(int indice);
    void voltaBuckLdo();
    void recebe(const Resposta& r);
    void mostraEspera();
    void terminaEspera();
    void centraEspera();
    void preencheComparador();
    static void preenche(QListWidget* lista, const QList<BuckTesteParse::Linha>& linhas);
    QString modelo() const;

    Inicial& m_principal;
    int m_selecionado = 0;
    BuckTesteParse::Modo m_modo = BuckTesteParse::Modo::Leitura;
    // The check this screen last sent: the comparator shows the saved answer of that command.
    QString m_comando;
    bool m_posicionada = false;

    QPushButton* m_botao1 = nullptr;
    QPushButton* m_botao2 = nullptr;
    QPushButton* m_btBl[2] = {};
    QPushButton* m_btOriginal = nullptr;
    QComboBox* m_combo1 = nullptr;
    QLabel* m_lbPorcento = nullptr;
    QLabel* m_lblLabel[2] = {};
    QListWidget* m_listView = nullptr;
    QListWidget* m_listViewComparador = nullptr;
    QPlainTextEdit* m_txtDados = nullptr;
    QPlainTextEdit* m_txtComparador = nullptr;
    QLabel* m_lbInfoTitulo = nullptr;
    QLabel* m_lbInfoBucks = nullptr;
    PainelProgresso* m_frameVCore = nullptr;
};

} // namespace tarsel
