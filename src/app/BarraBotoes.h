#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace tarsel {

// The buttons of the main window's bar, by their index in the button array.
namespace Botao {
enum Indice : int {
    Foco = 0, // holds the focus between clicks
    Conectar = 1,
    Comandos = 2,
    VCore = 3,
    BuckLdo = 4,
    RF = 5,
    Display = 6,
    Nand = 7,
    IC = 8,
    I2C = 9,
    Idioma = 10,
    Sobre = 12,
    Adicionais = 17,
    PMU = 18,
    PanicFull = 19,
};
constexpr int Nenhum = -1;
constexpr int Total = 20;
} // namespace Botao

// The entries of the sub-menu that drops from the bar.
namespace EntradaMenu {
enum Indice : int {
    BuckTeste = 0,
    PMU = 1,
    ChestnutAcorn = 2,
    ValoresRF = 3,
};
constexpr int Nenhuma = -1;
} // namespace EntradaMenu

// The button bar: the buttons, their captions in the current language, their actions, and the chip names
// lying over the IC button. The connect button is created here but laid out in the port frame.
class BarraBotoes : public QWidget {
    Q_OBJECT
public:
    // `conectar` is the parent of the connect button.
    BarraBotoes(QWidget* parent, QWidget* conectar);

    QPushButton* botao(int indice) const;
    QLabel* lbTristarTigris() const { return m_lbTristarTigris; }

    // Wires a button to its action; a button without one stays disabled.
    void defineAcao(int indice, std::function<void()> acao);
    // What a failing action does after its error box (the main window refills the port list).
    void defineAposErro(std::function<void()> f) { m_aposErro = std::move(f); }
    // Captions and tooltips in the current language.
    void aplicaTextos();
    // The chip names for the model family ("Tristar" or "Hydra", over "Tigris").
    void aplicaFamilia(const QString& familia);

signals:
    // The pointer entered the button `indice`.
    void pairou(int indice);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void clica(int indice);

    QPushButton* m_botoes[Botao::Total] = {};
    std::function<void()> m_acoes[Botao::Total];
    std::function<void()> m_aposErro;
    QLabel* m_lbTristarTigris = nullptr;
};

} // namespace tarsel
