#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

namespace tarsel {

// One open connection to a database file, for one operation: opened by the constructor, closed by
// the destructor. Every value reaches SQL as a bound parameter. Failures throw ErroVB (3000 + the
// engine's code where it has one).
class Banco {
public:
    enum class Modo { LeituraEscrita, SomenteLeitura };

    explicit Banco(const QString& caminho = {}, Modo modo = Modo::LeituraEscrita);
    ~Banco();
    Banco(const Banco&) = delete;
    Banco& operator=(const Banco&) = delete;

    QSqlDatabase& db() { return m_db; }
    const QString& caminho() const { return m_caminho; }

    // Runs one statement with its values bound in order; the query is positioned before the first row.
    QSqlQuery executa(const QString& sql, const QVariantList& valores = {});
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant valor(const QString& sql, const QVariantList& valores = {});
    // Runs a script of statements separated by ";" (quotes and comments respected), in one transaction.
    void executaScript(const QString& texto);

    // A write batch as one transaction: commits on fim(), rolls back if destroyed before.
    class Transacao {
    public:
        explicit Transacao(Banco& b);
        ~Transacao();
        void fim();

    private:
        Banco& m_banco;
        bool m_ativa;
    };

    // The old "*" wildcard as a LIKE pattern (use with "like ? escape '\'"); "?" matches one character.
    static QString PadraoJet(const QString& padrao);
    // Splits a script into statements.
    static QStringList divideScript(const QString& texto);

    // Throws the ErroVB of an engine error (its text, or `contexto` when it has none): for a failure met
    // while stepping through rows, after `executa` has returned.
    [[noreturn]] static void falha(const QSqlError& e, const QString& contexto);

private:

    QString m_caminho;
    QString m_nome;
    QSqlDatabase m_db;
};

// The tables the program cannot do without; a file lacking any of them is not a usable database.
QStringList TabelasObrigatorias();

// Empty when the file at `caminho` is a usable database of this program, else the reason.
// The check opens the file read-only and never changes it.
QString ValidaBanco(const QString& caminho);

// Empty when the file at `caminho` can be written, else the engine's reason. It writes for real (a
// read-only file, an immutable one, a read-only mount or a folder where the journal cannot be created
// all fail here) inside a transaction that is rolled back, so the file is never changed. A file another
// program holds locked counts as writable: the lock says nothing about permissions.
QString VerificaGravacao(const QString& caminho);

// Makes User.tsl in `pasta` a byte copy of Config.tsl. The new copy is written beside the old one and
// put in its place in one step, so a failed copy leaves the previous User.tsl as it was.
// Returns false when nothing was copied (no Config.tsl, or the copy failed).
bool CopiaBancoUsuario(const QString& pasta = {});

} // namespace tarsel
