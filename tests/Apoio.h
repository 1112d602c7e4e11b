#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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

} // namespace tarsel::teste
