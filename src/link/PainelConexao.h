#pragma once

#include <QString>

namespace tarsel {

// What the connection and the identification need from the main window's header. The main window
// implements it; every caption is given as its Portuguese key and translated by the window.
class PainelConexao {
public:
    virtual ~PainelConexao() = default;

    // Text of the port list cbPortas, as typed or chosen.
    virtual QString textoPorta() const = 0;
    // Caption of the connect button (index 1): "Conectar", "Conectando" or "Desconectar".
    virtual void defineLegendaConectar(const QString& chave) = 0;
    // Status lamp: "Branco", "Verde" or "Amarelo".
    virtual void MostraStatus(const QString& cor) = 0;
    // Status text beside the lamp (St1): the link sets it on each change of state; the connection
    // overrides it while it reconnects ("Religando").
    virtual void defineTextoStatus(const QString& chave) = 0;
    // Model label lbModelo. Shown at once: "..." must be visible while the re-reading runs.
    virtual QString textoModelo() const = 0;
    virtual void defineModelo(const QString& texto) = 0;
    // Model list ComboAparelhos; setting a different text runs the model-change step.
    virtual QString textoAparelho() const = 0;
    virtual void defineAparelho(const QString& familia) = 0;
    virtual void focaAparelhos() = 0;
    // Refills the port list (CarregaPortas).
    virtual void CarregaPortas() = 0;
    // Opens entry n of the server's link page.
    virtual void AbrePaginaServidor(int n) = 0;
    // The phone answered: enable the console's send button and the VCore reading button if open.
    virtual void conectado() = 0;
};

} // namespace tarsel
