#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class QLabel;
class QToolButton;

namespace tarsel {

// The small sub-menu that drops from the button bar: three panels, one shown at a time.
class fmxMenu : public QWidget {
    Q_OBJECT
public:
    explicit fmxMenu(QWidget* parent);

    // Shows panel 0 (buck test, PMU), 1 (Chestnut/Acorn) or 2 (RF values) at the top left and sizes the window.
    void ExibirMenu(int painel);
    int painelVisivel() const { return m_painel; }

    QToolButton* btMenu(int i) const { return m_bt[i]; }
    QLabel* lbInfo(int i) const { return m_lb[i]; }
    QWidget* FrameMenu(int i) const { return m_frames[i]; }
    QWidget* FrameBaixo() const { return m_baixo; }

    // What a click on `entrada` does. An entry may carry one action per label it can show (`rotulo`); the
    // action without a label is the one for any other label.
    void defineAcao(int entrada, std::function<void()> acao, const QString& rotulo = {});
    void aplicaTextos();

private:
    void clica(int entrada);

    QWidget* m_frames[3];
    QWidget* m_baixo;
    QToolButton* m_bt[4];
    QLabel* m_lb[4];
    struct Acao {
        QString rotulo;
        std::function<void()> executa;
    };
    QList<Acao> m_acoes[4];
    int m_painel = -1;
};

} // namespace tarsel
