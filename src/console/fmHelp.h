#pragma once

#include "tela/TelaComando.h"

#include <QElapsedTimer>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tarsel {

// The shell's help list beside the console: a double-click sends the command under it (or the
// selected one) to the console's command field; "Add" opens a free scratch field above the list.
class fmHelp : public TelaComando {
    Q_OBJECT
public:
    static constexpr int Codigo = 7;

    explicit fmHelp(ContextoTela& contexto);

    void defineTexto(const QString& texto);
    QString texto() const;
    // What a double-click on `selecao` hands to the console.
    void escolhe(const QString& selecao);
    // Sizes itself by the main window's height.
    void dimensiona();

    QPlainTextEdit* txtConsole() const { return m_txtConsole; }
    QPushButton* btAdd() const { return m_btAdd; }
    QLineEdit* txt2() const { return m_txt2; }

signals:
    void comandoEscolhido(const QString& comando);

protected:
    void recebe(const Resposta& r) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void mostraCampo();

    QLabel* m_lbDica = nullptr;
    QPlainTextEdit* m_txtConsole = nullptr;
    QPushButton* m_btAdd = nullptr;
    QLineEdit* m_txt2 = nullptr;
    QString m_selecaoAntes;
    QElapsedTimer m_ultimoClique;
};

} // namespace tarsel
