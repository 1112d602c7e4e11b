#pragma once

#include "tela/Tela.h"

#include <QMap>

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace tarsel {

// The about window: the program's name and version, who made it, the contact and remote-support links
// the server holds (pages 4, 5, 10 and 6 to 8; page 10 stands out unless page 52 says "S"), the
// product page on the logo and the title (page 1), and the manual import of saved data.
class Sobre : public Tela {
    Q_OBJECT
public:
    explicit Sobre(ContextoTela& contexto);

    // The link button of server page n (4 to 8, 10), or null.
    QPushButton* link(int pagina) const { return m_links.value(pagina); }
    bool destacado(int pagina) const;
    QToolButton* imgLogo() const { return m_logo; }
    QPushButton* lbTitulo() const { return m_titulo; }
    QAction* mnuSincronizar() const { return m_sincronizar; }
    QToolButton* btOutrasOpcoes() const { return m_outras; }

    void aoMudarIdioma() override { aplicaTextos(); }

private:
    void aplicaTextos();
    QPushButton* criaLink(int pagina, QWidget* pai);

    QToolButton* m_logo = nullptr;
    QPushButton* m_titulo = nullptr;
    QLabel* m_versao = nullptr;
    QLabel* m_registro = nullptr;
    QLabel* m_desenvolvido = nullptr;
    QLabel* m_autorais = nullptr;
    QGroupBox* m_suporte = nullptr;
    QGroupBox* m_remoto = nullptr;
    QToolButton* m_outras = nullptr;
    QAction* m_sincronizar = nullptr;
    QMap<int, QPushButton*> m_links;
    int m_destaque = 0; // the page whose link stands out, 0 for none
};

} // namespace tarsel
