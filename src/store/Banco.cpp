#include "store/Banco.h"

#include "base/ErroVB.h"
#include "base/Globais.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>

namespace tarsel {

namespace {
QString novoNomeConexao() {
    static QAtomicInt contador;
    return QStringLiteral("tarsel-%1").arg(contador.fetchAndAddRelaxed(1));
}

int numeroErro(const QSqlError& e) {
    bool ok = false;
    const int codigo = e.nativeErrorCode().toInt(&ok);
    return 3000 + (ok ? codigo : 0);
}
} // namespace

Banco::Banco(const QString& caminho, Modo modo)
    : m_caminho(caminho.isEmpty() ? globais().CaminhoBanco : caminho)
    , m_nome(novoNomeConexao()) {
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_nome);
    m_db.setDatabaseName(m_caminho);
    QString opcoes = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");
    if (modo == Modo::SomenteLeitura)
        opcoes += QStringLiteral(";QSQLITE_OPEN_READONLY");
    m_db.setConnectOptions(opcoes);
    // SQLite would create a missing file; the program's database must already be there.
    if (!QFileInfo(m_caminho).isFile()) {
        const QString caminhoFalho = m_caminho;
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_nome);
        throw ErroVB(3024, QStringLiteral("'%1' não encontrado / not found").arg(caminhoFalho));
    }
    if (!m_db.open()) {
        const QSqlError e = m_db.lastError();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_nome);
        throw ErroVB(numeroErro(e), e.text());
    }
}

Banco::~Banco() {
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_nome);
    }
}

void Banco::falha(const QSqlError& e, const QString& contexto) {
    QString texto = e.text().trimmed();
    if (texto.isEmpty())
        texto = contexto;
    throw ErroVB(numeroErro(e), texto);
}

QSqlQuery Banco::executa(const QString& sql, const QVariantList& valores) {
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        falha(q.lastError(), sql);
    for (const QVariant& v : valores)
        q.addBindValue(v);
    if (!q.exec())
        falha(q.lastError(), sql);
    return q;
}

QVariant Banco::valor(const QString& sql, const QVariantList& valores) {
    QSqlQuery q = executa(sql, valores);
    if (q.next())
        return q.value(0);
    return {};
}

QStringList Banco::divideScript(const QString& texto) {
    QStringList instrucoes;
    QString atual;
    QChar aspa;
    const int n = texto.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = texto.at(i);
        if (!aspa.isNull()) {
            atual += c;
            if (c == aspa) {
                if (i + 1 < n && texto.at(i + 1) == aspa) { // doubled quote inside a literal
                    atual += texto.at(++i);
                } else {
                    aspa = QChar();
                }
            }
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && texto.at(i + 1) == QLatin1Char('-')) {
            while (i < n && texto.at(i) != QLatin1Char('\n'))
                ++i;
            atual += QLatin1Char('\n');
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            aspa = c;
            atual += c;
            continue;
        }
        if (c == QLatin1Char(';')) {
            if (!atual.trimmed().isEmpty())
                instrucoes << atual.trimmed();
            atual.clear();
            continue;
        }
        atual += c;
    }
    if (!atual.trimmed().isEmpty())
        instrucoes << atual.trimmed();
    return instrucoes;
}

void Banco::executaScript(const QString& texto) {
    Transacao t(*this);
    for (const QString& instrucao : divideScript(texto)) {
        QSqlQuery q(m_db);
        if (!q.exec(instrucao))
            falha(q.lastError(), instrucao.left(200));
    }
    t.fim();
}

Banco::Transacao::Transacao(Banco& b)
    : m_banco(b)
    , m_ativa(b.db().transaction()) {
    if (!m_ativa)
        b.falha(b.db().lastError(), QStringLiteral("begin"));
}

Banco::Transacao::~Transacao() {
    if (m_ativa)
        m_banco.db().rollback();
}

void Banco::Transacao::fim() {
    if (m_ativa && !m_banco.db().commit()) {
        const QSqlError e = m_banco.db().lastError();
        m_banco.db().rollback();
        m_ativa = false;
        m_banco.falha(e, QStringLiteral("commit"));
    }
    m_ativa = false;
}

QString Banco::PadraoJet(const QString& padrao) {
    QString r;
    r.reserve(padrao.size() + 4);
    for (const QChar c : padrao) {
        if (c == QLatin1Char('*'))
            r += QLatin1Char('%');
        else if (c == QLatin1Char('?'))
            r += QLatin1Char('_');
        else if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            r += QLatin1Char('\\') + QString(c);
        else
            r += c;
    }
    return r;
}

QStringList TabelasObrigatorias() {
    return {QStringLiteral("Master"), QStringLiteral("Dados"),  QStringLiteral("Comandos"), QStringLiteral("M"),
            QStringLiteral("Tools"),  QStringLiteral("Combos"), QStringLiteral("i"),        QStringLiteral("Rf")};
}

QString ValidaBanco(const QString& caminho) {
    const QFileInfo info(caminho);
    if (!info.isFile())
        return QStringLiteral("missing");
    if (info.size() == 0)
        return QStringLiteral("empty file");
    try {
        Banco b(caminho, Banco::Modo::SomenteLeitura);
        QSqlQuery q = b.executa(QStringLiteral("select name from sqlite_master where type = 'table'"));
        QSet<QString> tabelas;
        while (q.next())
            tabelas.insert(q.value(0).toString().toLower());
        QStringList faltam;
        for (const QString& t : TabelasObrigatorias()) {
            if (!tabelas.contains(t.toLower()))
                faltam << t;
        }
        if (!faltam.isEmpty())
            return QStringLiteral("tables missing: ") + faltam.join(QStringLiteral(", "));
    } catch (const ErroVB& e) {
        return e.descricao();
    }
    return {};
}

QString VerificaGravacao(const QString& caminho) {
    // SQLITE_BUSY and SQLITE_LOCKED (extended codes keep them in the low byte): another connection's
    // lock, not a refusal to write.
    const auto ocupado = [](const ErroVB& e) {
        const int codigo = (e.numero() - 3000) & 0xff;
        return codigo == 5 || codigo == 6;
    };
    try {
        Banco b(caminho);
        // The write lock first: a file another connection is writing waits here, within the busy timeout.
        b.executa(QStringLiteral("begin immediate"));
        QString falha;
        try {
            // Setting the header field to the value it has dirties page 1, which makes the engine create
            // the journal beside the file: that is what a read-only folder refuses. The page stays in
            // memory and the rollback drops it.
            const int versao = b.valor(QStringLiteral("pragma user_version")).toInt();
            b.executa(QStringLiteral("pragma user_version = %1").arg(versao));
        } catch (const ErroVB& e) {
            if (!ocupado(e))
                falha = e.descricao();
        }
        // After some failures the engine has already ended the transaction; then there is nothing to undo.
        QSqlQuery(b.db()).exec(QStringLiteral("rollback"));
        return falha;
    } catch (const ErroVB& e) {
        return ocupado(e) ? QString() : e.descricao();
    }
}

bool CopiaBancoUsuario(const QString& pasta) {
    const QDir dir(pasta.isEmpty() ? globais().PastaPrograma : pasta);
    QFile origem(dir.filePath(NomeBanco));
    if (!origem.exists() || !origem.open(QIODevice::ReadOnly))
        return false;
    QSaveFile destino(dir.filePath(NomeBancoUsuario));
    if (!destino.open(QIODevice::WriteOnly))
        return false;
    const qint64 total = origem.size();
    qint64 copiado = 0;
    while (copiado < total) {
        const QByteArray pedaco = origem.read(qMin<qint64>(1024, total - copiado));
        if (pedaco.isEmpty() || destino.write(pedaco) != pedaco.size()) {
            destino.cancelWriting();
            return false;
        }
        copiado += pedaco.size();
    }
    return destino.commit();
}

} // namespace tarsel
