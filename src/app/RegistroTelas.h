#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace tarsel {

class ContextoTela;
class Tela;

// Every screen the main window can open, and the screens open now. It opens a screen by name as a child
// window of the screens' area (or brings it to the front), keeps the open flags of global state, and
// passes the model change, the saved-data refresh, the connection and the language change to the open
// screens.
class RegistroTelas : public QObject {
    Q_OBJECT
public:
    using Fabrica = std::function<Tela*(ContextoTela&)>;
    struct Definicao {
        QString nome;
        Fabrica cria;
        int botao = -1;   // index of its button on the bar, or -1
        int entrada = -1; // index of its sub-menu entry, or -1
        bool fechaNoIdioma = true;
    };

    RegistroTelas(ContextoTela& contexto, QMdiArea* area, QObject* parent = nullptr);

    void registra(Definicao definicao);
    bool registrada(const QString& nome) const { return m_definicoes.contains(nome); }

    // Opens the screen `nome` (created when not open) and brings it to the front; nothing when no screen
    // of that name is registered or it could not be created.
    QWidget* abre(const QString& nome);
    // The open screen of that name, if any.
    Tela* tela(const QString& nome) const;
    // The open screens, in no particular order.
    QList<Tela*> abertas() const;

    // The model family changed: the screen whose command is under way (`codigoAtivo`) refreshes its saved
    // data; then every open screen follows the new family.
    void BuscaDadosGravados(const QString& familia, int codigoAtivo);
    void AplicaModelo(const QString& familia);
    // The phone answered the connection check.
    void conectado();
    // Closes the screens a language change closes; the others re-apply their texts.
    void mudouIdioma();

private:
    ContextoTela& m_contexto;
    QMdiArea* m_area;
    QHash<QString, Definicao> m_definicoes;
    QStringList m_ordem;
    QHash<QString, QPointer<QMdiSubWindow>> m_janelas;
};

} // namespace tarsel
