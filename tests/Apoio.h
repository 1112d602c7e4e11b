#pragma once

#include "app/Inicial.h"
#include "app/Telas.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "link/Enlace.h"
#include "link/PainelConexao.h"
#include "tela/ContextoTela.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

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

// The stand-in product server (tarsel-server) on 127.0.0.1, started in the constructor (which waits for
// its READY line) and stopped in the destructor. By default on a free port with run-time control on.
class ServidorTeste {
public:
    explicit ServidorTeste(const QStringList& argumentos = {QStringLiteral("--porta"), QStringLiteral("0"),
                                                            QStringLiteral("--controle")});
    ~ServidorTeste();
    ServidorTeste(const ServidorTeste&) = delete;
    ServidorTeste& operator=(const ServidorTeste&) = delete;

    // True once READY came; otherwise erro() says what went wrong.
    bool pronto() const { return m_pronto; }
    QString erro() const { return m_erro; }
    // "http://127.0.0.1:<port>/".
    QString base() const { return m_base; }
    QProcess& processo() { return m_processo; }

    // Changes the version status, the notices and the fault of the running server (needs --controle);
    // true when the server took them.
    bool controla(const QString& versao, bool avisos, const QString& falha = QStringLiteral("nenhuma"));

private:
    QProcess m_processo;
    bool m_pronto = false;
    QString m_erro;
    QString m_base;
};

// The device end of a new pseudo-terminal, raw and non-blocking, linked as ports/COM<porta> of `pasta`
// for a test that plays the phone itself. Returns the descriptor (-1 on failure) and the linked name.
int AbreTerminalAparelho(const QString& pasta, int porta, QString* escravo = nullptr);

// Clicks connect on `principal` for the port and waits until the phone answered with `numero` and the
// link is idle. False when that does not happen within the time.
bool ConectaPrincipal(Inicial& principal, int porta, const QString& numero, int ms = 15000);

// A loopback address where nothing listens (a port just freed): the server down, connection refused.
QString ServidorFechado();

// Catches the http and https addresses the program opens, instead of handing them to a browser.
class CapturaLinks : public QObject {
    Q_OBJECT
public:
    CapturaLinks();
    ~CapturaLinks() override;
    QList<QUrl> urls;

public slots:
    void abre(const QUrl& url) { urls << url; }
};

// A screen's context without a main window: a real link (closed until a test opens it), a family and a
// model number the test sets, and a record of the screens the screen asked to open (none opens).
class ContextoTeste : public ContextoTela {
public:
    QString familiaAtual = QStringLiteral("IP 7");
    QString numero;
    QStringList pedidas;
    mutable Enlace link;

    QString familia() const override { return familiaAtual; }
    QString numeroModelo() const override { return numero; }
    Enlace& enlace() const override { return link; }
    QWidget* abreTela(const QString& nome) override {
        pedidas << nome;
        return nullptr;
    }
    bool temTela(const QString&) const override { return false; }
    QWidget* tela(const QString&) const override { return nullptr; }
    int alturaPrincipal() const override { return 900; }
};

// The bench of a screen test (in the language the test has set): a temporary program folder (with `sql` run on its
// database), the scripted dialogs, a main window with every screen installed and shown, the simulated phone once
// `conecta` is called, and the screen `T` registered as `nome`. The main window goes first on
// destruction, so a closing screen still finds its folder.
template <typename T> class BancadaTela {
public:
    explicit BancadaTela(const QString& nome, const QString& sql = {})
        : m_nome(nome) {
        globais().Versao = VersaoPrograma;
        if (!sql.isEmpty())
            executaSql(pasta.banco(), sql);
        principal = std::make_unique<Inicial>();
        InstalaTelas(*principal);
        principal->carrega();
        principal->resize(1400, 900);
        principal->show();
    }
    ~BancadaTela() {
        principal.reset();
        // The main window leaves its port-text hook behind; the next one must not call into this one.
        globais().textoPorta = {};
    }

    // Starts the simulated phone `numero` with `falhas` and connects to it; false (with the reason
    // logged) when the phone is not connected and idle in time.
    bool conecta(const QString& numero = QStringLiteral("A1778"), const QStringList& falhas = {}) {
        sim = std::make_unique<Simulador>(pasta.caminho(), 3, numero, falhas);
        if (!sim->pronto()) {
            qWarning() << sim->erro();
            return false;
        }
        return ConectaPrincipal(*principal, 3, numero);
    }

    // Opens the screen as its button or sub-menu entry does.
    T* abre() { return qobject_cast<T*>(principal->abreTela(m_nome)); }
    T* tela() const { return qobject_cast<T*>(principal->tela(m_nome)); }

    // Closes the screen's window and waits until it is gone.
    bool fecha() {
        QPointer<T> t = tela();
        if (!t)
            return true;
        t->parentWidget()->close();
        return QTest::qWaitFor([&t] { return t.isNull(); }, 5000);
    }

    PastaPrograma pasta;
    DialogosRoteiro dialogos;
    std::unique_ptr<Simulador> sim;
    std::unique_ptr<Inicial> principal;

private:
    QString m_nome;
};

// The main window's header as the link sees it, recording what it is told.
class PainelGravado : public PainelConexao {
public:
    QString porta, legenda = QStringLiteral("Conectar"), lampada = QStringLiteral("Branco"), modelo,
                   aparelho = QStringLiteral("IP 6"), textoStatus = QStringLiteral("Desconectado");
    int focos = 0, recargas = 0, conexoes = 0;
    QList<int> paginas;

    QString textoPorta() const override { return porta; }
    void defineLegendaConectar(const QString& chave) override { legenda = chave; }
    void MostraStatus(const QString& cor) override { lampada = cor; }
    void defineTextoStatus(const QString& chave) override { textoStatus = chave; }
    QString textoModelo() const override { return modelo; }
    void defineModelo(const QString& texto) override { modelo = texto; }
    QString textoAparelho() const override { return aparelho; }
    void defineAparelho(const QString& familia) override { aparelho = familia; }
    void focaAparelhos() override { ++focos; }
    void CarregaPortas() override { ++recargas; }
    void AbrePaginaServidor(int n) override { paginas << n; }
    void conectado() override { ++conexoes; }
};

// Root passes every permission check through CAP_DAC_OVERRIDE. Laying it down from this thread's
// effective set (where files and ports are opened) makes the permission bits count as they do for the
// technician's own account; it is taken up again on destruction. For any other user nothing changes.
class SemPassePermissoes {
public:
    SemPassePermissoes();
    ~SemPassePermissoes();
    SemPassePermissoes(const SemPassePermissoes&) = delete;
    SemPassePermissoes& operator=(const SemPassePermissoes&) = delete;
    bool valido() const { return m_valido; }

private:
    quint32 m_antes[6] = {}; // two capability sets as the kernel gives them
    bool m_valido = false;
    bool m_restaura = false;
};

} // namespace tarsel::teste
