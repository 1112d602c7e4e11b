#pragma once

#include <QString>

class QWidget;

namespace tarsel {

class Enlace;

// What a screen may use of the program around it: the model family and number, the device link (its
// state, command field and console), sending a command, and opening another screen by name. The main
// window implements it; screen tests can run a screen on a real link without a main window.
class RegistroSessao;

class ContextoTela {
public:
    virtual ~ContextoTela() = default;

    // The model family ("IP 7"), the key of the reference data.
    virtual QString familia() const = 0;
    // The model number read from the phone ("A1778"), empty until one is read.
    virtual QString numeroModelo() const = 0;
    // The one device link.
    virtual Enlace& enlace() const = 0;
    // Opens the screen registered as `nome` (or brings it to the front); nothing when no such screen is
    // registered.
    virtual QWidget* abreTela(const QString& nome) = 0;
    // Whether a screen of that name can be opened.
    virtual bool temTela(const QString& nome) const = 0;
    // The open screen of that name, if any.
    virtual QWidget* tela(const QString& nome) const = 0;
    // The height of the main window: a few screens size themselves by it.
    virtual int alturaPrincipal() const = 0;
    // Work inside a screen hides the main window's sub-menu.
    virtual void ocultaSubMenu() {}
    // The session log, when the program keeps one.
    virtual RegistroSessao* registroSessao() const { return nullptr; }

    // Sends `comando` for the screen of `codigo` by the link's contract: only when the link is idle, with
    // the active-screen code and the live-copy flag set, through the command field. False when nothing
    // went out (the link was not idle, or the send failed and has been reported).
    bool envia(int codigo, const QString& comando, bool espelho = false);
};

} // namespace tarsel
