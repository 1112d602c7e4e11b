#pragma once

#include <QWidget>

namespace tarsel {

class ContextoTela;

// Base of every screen that opens inside the main window. It knows its name and its context, places its
// window once on the first show, and has the hooks the main window calls on the open screens.
class Tela : public QWidget {
    Q_OBJECT
public:
    Tela(ContextoTela& contexto, const QString& nome, QWidget* parent = nullptr);

    const QString& nome() const { return m_nome; }
    ContextoTela& contexto() const { return m_contexto; }
    // The current model family.
    QString familia() const;

    // The model family changed while the screen is open.
    virtual void aoMudarModelo(const QString& familia) { Q_UNUSED(familia) }
    // The model family changed while this screen's command runs: its saved data follow the new family.
    virtual void aoBuscarDadosGravados(const QString& familia) { Q_UNUSED(familia) }
    // The phone has answered the connection check.
    virtual void aoConectar() {}
    // The interface language changed (screens that stay open re-apply their texts).
    virtual void aoMudarIdioma() {}

protected:
    // Places the child window `janela` in the screens' area of size `area`, once, on the first show.
    // By default centred across, near the top.
    virtual void posiciona(QWidget* janela, const QSize& area);
    // The function-test screens' place: the window sized so that this screen is `largura` x `altura` twips
    // (0 keeps the current size), centred across the area, its middle 1050 twips above the main window's.
    void posicionaNoMeio(QWidget* janela, const QSize& area, int largura = 0, int altura = 0);

    void showEvent(QShowEvent* e) override;

private:
    ContextoTela& m_contexto;
    QString m_nome;
    bool m_posicionada = false;
};

} // namespace tarsel
