#pragma once

#include "tela/TelaComando.h"

#include <QMap>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

class DesenhoChip;
struct Resposta;

// The display and touch power chip screen of "IP X": sixteen lines of the converter report beside the chip
// drawing, seven voltages judged within ±10 %, an overall verdict, and the chip report.
class Acorn : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 12;

    explicit Acorn(ContextoTela& contexto);

    void CarregaDados();

    // A field by its name: "M0" to "M10", "P2" to "P10", "Temp", "AMP1" to "AMP4".
    QLabel* campo(const QString& nome) const { return m_campos.value(nome); }
    // Pass icons 0 to 11 and fail icons 0 and 2 to 11 (11: the overall result).
    QLabel* OK(int i) const { return m_ok.value(i); }
    QLabel* NO(int i) const { return m_no.value(i); }
    QLabel* lbUC() const;
    QLabel* lbStatus2() const { return m_lbStatus2; }
    QPushButton* btExecutaLeitura() const { return m_btExecuta; }
    QPushButton* btExportar() const { return m_btExportar; }
    QPushButton* btSalvarPdf() const { return m_btSalvarPdf; }
    QPlainTextEdit* txtDados() const { return m_txtDados; }

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
    // The report on the web (or, with the server out of reach, as a PDF); `comoPdf`: always the PDF.
    void exporta(bool comoPdf = false);

    QMap<QString, QLabel*> m_campos;
    QMap<int, QLabel*> m_ok;
    QMap<int, QLabel*> m_no;
    DesenhoChip* m_desenho = nullptr;
    QLabel* m_lbStatus2 = nullptr;
    QPushButton* m_btExecuta = nullptr;
    QPushButton* m_btExportar = nullptr;
    QPushButton* m_btSalvarPdf = nullptr;
    QPlainTextEdit* m_txtDados = nullptr;
};

} // namespace tarsel
