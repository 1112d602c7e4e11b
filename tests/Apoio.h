#pragma once

#include <QProcess>
#include "link/PainelConexao.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tarsel {
class Inicial;
}

namespace tarsel::teste {

// A temporary program folder holding a fresh copy of the built Config.tsl (and ports/), set as the
// program's folder and database for the lifetime of the object.
class PastaPrograma {
public:
    explicit PastaPrograma(bool comBanco = true);
    ~PastaPrograma();

    QString caminho() const { return m_dir.path(); }
    QString arquivo(const QString& nome) const { return m_dir.filePath(nome); }
    QString banco() const { return arquivo(QStringLiteral("Config.tsl")); }
    bool valida() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};

// Runs SQL on a database file (fixtures); fails the test on error.
void executaSql(const QString& caminhoBanco, const QString& sql);

// The simulated BOX (tarsel-sim) on a pseudo-terminal linked as <pasta>/ports/COM<porta>, started in the
// constructor (which waits for its READY line) and stopped in the destructor.
class Simulador {
public:
    Simulador(const QString& pastaPrograma, int porta, const QString& modelo = QStringLiteral("A1778"),
              const QStringList& falhas = {}, const QStringList& extras = {});
    ~Simulador();
    Simulador(const Simulador&) = delete;
    Simulador& operator=(const Simulador&) = delete;

    // True once READY came; otherwise erro() says what went wrong.
    bool pronto() const { return m_pronto; }
    QString erro() const { return m_erro; }
    int porta() const { return m_porta; }
    QString pty() const { return m_pty; }
    // The link the program opens: <pasta>/ports/COM<porta>.
    QString link() const { return m_link; }
    QProcess& processo() { return m_processo; }

private:
    QProcess m_processo;
    bool m_pronto = false;
    QString m_erro;
    int m_porta = 0;
    QString m_pty;
    QString m_link;
};

// The device end of a new pseudo-terminal, raw and non-blocking, linked as ports/COM<porta> of `pasta`
// for a test that plays the phone itself. Returns the descriptor (-1 on failure) and the linked name.
int AbreTerminalAparelho(const QString& pasta, int porta, QString* escravo = nullptr);

// Clicks connect on `principal` for the port and waits until the phone answered with `numero` and the
// link is idle. False when that does not happen within the time.
bool ConectaPrincipal(Inicial& principal, int porta, const QString& numero, int ms = 15000);

// The main window's header as the link sees it, recording what it is told.
class PainelGravado : public PainelConexao {
public:
    QString porta, legenda = QStringLiteral("Conectar"), lampada = QStringLiteral("Branco"), modelo,
                   aparelho = QStringLiteral("IP 6");
    int focos = 0, recargas = 0, conexoes = 0;
    QList<int> paginas;

    QString textoPorta() const override { return porta; }
    void defineLegendaConectar(const QString& chave) override { legenda = chave; }
    void MostraStatus(const QString& cor) override { lampada = cor; }
    QString textoModelo() const override { return modelo; }
    void defineModelo(const QString& texto) override { modelo = texto; }
    QString textoAparelho() const override { return aparelho; }
    void defineAparelho(const QString& familia) override { aparelho = familia; }
    void focaAparelhos() override { ++focos; }
    void CarregaPortas() override { ++recargas; }
    void AbrePaginaServidor(int n) override { paginas << n; }
    void conectado() override { ++conexoes; }
};

} // namespace tarsel::teste
