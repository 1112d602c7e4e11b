#pragma once

#include "tela/TelaComando.h"

#include <QMap>
#include <QTimer>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

class DesenhoChip;
struct Resposta;

// The display power chip screen (every family but "IP X"): eleven readings beside the chip drawing, five
// judged within ±10 % with their icons, the touch controller switch, one automatic second reading with
// the touch controller on when its supply reads wrong, the raw and saved answers, and the chip report.
class Chestnut : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 8;

    explicit Chestnut(ContextoTela& contexto);

    void PrePesquisa();
    void CarregaDados();

    // A value or percent field by its name ("BOOST_V", "iLDO_V3", "Porc5", "gndV", …).
    QLabel* campo(const QString& nome) const { return m_campos.value(nome); }
    // The pass and fail icons 0 (boost), 1 (negative supply), 2 to 4 (LDOs 1 to 3).
    QLabel* OK(int i) const { return m_ok.value(i); }
    QLabel* NO(int i) const { return m_no.value(i); }
    QLabel* lbUC() const;
    QLabel* lbVarInfo() const { return m_lbVarInfo; }
    QPushButton* btExecutaLeitura() const { return m_btExecuta; }
    QPushButton* btTouch() const { return m_btTouch; }
    QPushButton* btLog() const { return m_btLog; }
    QPushButton* btExportar() const { return m_btExportar; }
    QPushButton* btSalvarPdf() const { return m_btSalvarPdf; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }
    QPlainTextEdit* txtComparador() const { return m_txtComparador; }
    const QTimer& Timer1() const { return m_timer1; }
    const QTimer& TimerTouch() const { return m_timerTouch; }
    // The automatic touch retry has been started or the touch button used since opening.
    bool touchUsado() const { return m_touchUsado; }

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
    void alternaLog();
    void alternaTouch();
    void tiqueTouch();
    void tiqueTimer1();
    void enviaTouch(const QString& comando);
    // The report on the web (or, with the server out of reach, as a PDF); `comoPdf`: always the PDF.
    void exporta(bool comoPdf = false);
    void mostraComparador();
    void ajustaLargura(bool comLog);

    QMap<QString, QLabel*> m_campos;
    QMap<int, QLabel*> m_ok;
    QMap<int, QLabel*> m_no;
    DesenhoChip* m_desenho = nullptr;
    QLabel* m_lbVarInfo = nullptr;
    QLabel* m_lbComparador = nullptr;
    QLabel* m_lbLeitura = nullptr;
    QWidget* m_painelLog = nullptr;
    QPushButton* m_btExecuta = nullptr;
    QPushButton* m_btTouch = nullptr;
    QPushButton* m_btLog = nullptr;
    QPushButton* m_btExportar = nullptr;
    QPushButton* m_btSalvarPdf = nullptr;
    QPlainTextEdit* m_txtDados = nullptr;
    QPlainTextEdit* m_txtComparador = nullptr;
    QTimer m_timer1;
    QTimer m_timerTouch;
    bool m_touchUsado = false;
};

} // namespace tarsel
