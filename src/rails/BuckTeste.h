#pragma once

#include "tela/PainelProgresso.h"

#include "rails/BuckTesteParse.h"
#include "tela/TelaComando.h"

#include <QIcon>
#include <QTimer>

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

struct Resposta;

// The buck test screen: runs the phone's own buck checks ("buck", "buckcheck N") and lists the answer
// beside the same list built from the saved answer of a known-good board, with a note per model on the
// bucks that read 0 V in diagnostics mode.
class BuckTeste : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 13;
    // Indexes of the two check buttons.
    static constexpr int Leitura = 3;
    static constexpr int Teste = 4;
    // The item data role that holds a row's picture number (1 pass, 2 fail, 3 voltage).
    static constexpr int PapelFigura = Qt::UserRole;

    explicit BuckTeste(ContextoTela& contexto);

    // The picture of a list row.
    static QIcon ImageList1(BuckTesteParse::Figura figura);

    // Sends the selected check.
    void Pesquisa();
    // Parses the raw answer box into the list and shows the comparator beside it.
    void PreProcesso();

    // Model change: the comparator and the note follow the new family.
    void aoMudarModelo(const QString& familia) override;
    // Model change while a check runs: the comparator shows the saved answer of the command under way.
    void aoBuscarDadosGravados(const QString& familia) override;
    // Points the comparator at the saved answer of `familia` for `comando` (nothing: empty comparator).
    void defineComparador(const QString& familia, const QString& comando);

    int selecionado() const { return m_selecionado; }
    BuckTesteParse::Modo modo() const { return m_modo; }

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
    PainelProgresso* FrameVCore() const { return m_frameVCore; }

protected:
    void recebe(const Resposta& r) override;
    void posiciona(QWidget* janela, const QSize& area) override;

private:
    void montaTela();
    void aplicaTextos();
    void clicaCheck(int indice);
    void voltaBuckLdo();
    void preencheComparador();
    static void preenche(QListWidget* lista, const QList<BuckTesteParse::Linha>& linhas);
    QString modelo() const { return familia(); }

    int m_selecionado = 0;
    BuckTesteParse::Modo m_modo = BuckTesteParse::Modo::Leitura;
    // The check this screen last sent: the comparator shows the saved answer of that command.
    QString m_comando;

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
