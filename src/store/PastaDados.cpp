#include "store/PastaDados.h"

#include "store/Banco.h"
#include "store/Sincronizacao.h"

#include "base/ErroVB.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tarsel {

namespace {

const QString NomeBancoArquivo = QStringLiteral("Config.tsl");
const QString NomeUsuario = QStringLiteral("User.tsl");
const QString NomeMarca = QStringLiteral(".dados-instalados");

// Copies through a temporary file renamed over the target: a full disk or a crash leaves the old file.
bool copiaAtomica(const QString& origem, const QString& destino) {
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly))
        return false;
    QSaveFile saida(destino);
    if (!saida.open(QIODevice::WriteOnly))
        return false;
    char bloco[1 << 16];
    for (;;) {
        const qint64 n = entrada.read(bloco, sizeof bloco);
        if (n < 0) {
            saida.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (saida.write(bloco, n) != n) {
            saida.cancelWriting();
            return false;
        }
    }
    return saida.commit();
}

QString leMarca(const QString& pasta) {
    QFile f(QDir(pasta).filePath(NomeMarca));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).trimmed() : QString();
}

bool gravaMarca(const QString& pasta, const QString& impressao) {
    QSaveFile f(QDir(pasta).filePath(NomeMarca));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(impressao.toLatin1() + '\n');
    return f.commit();
}

// The shipped documents (help, guides, diagrams): the package's copy is the current one.
void copiaDocumentos(const QString& instalada, const QString& usuario) {
    const QDir origem(instalada);
    for (const QString& nome : origem.entryList({QStringLiteral("*.pdf")}, QDir::Files))
        copiaAtomica(origem.filePath(nome), QDir(usuario).filePath(nome));
}

// The user's own settings of Tools, which the import of saved data does not carry: the language, the
// name on reports, the session log's choices and the reconnect choice. The product's server address stays
// the shipped one.
void levaPreferencias(const QString& antigo, const QString& novo) {
    try {
        Banco origem(antigo);
        Banco destino(novo);
        const QStringList colunas{QStringLiteral("Idioma"), QStringLiteral("Nome"), QStringLiteral("RegistroSessao"),
                                  QStringLiteral("DiasRegistro"), QStringLiteral("ReligaAposPerda")};
        Banco::Transacao t(destino);
        for (const QString& c : colunas) {
            QVariant v;
            try {
                v = origem.valor(QStringLiteral("select %1 from Tools order by rowid limit 1").arg(c));
            } catch (const ErroVB&) {
                continue; // an older file without the column
            }
            if (!v.isValid() || v.isNull())
                continue;
            destino.executa(
                QStringLiteral("update Tools set %1 = ? where rowid = (select min(rowid) from Tools)").arg(c), {v});
        }
        t.fim();
    } catch (const ErroVB&) {
        // The preferences are a convenience; the saved data went over already.
    }
}

QString textoFalha(const QString& pasta, const QString& detalhe) {
    const QString nativo = QDir::toNativeSeparators(pasta);
    return QStringLiteral("BR - Os dados da nova versão não puderam ser instalados em '%1'. O programa continua com os "
                          "dados anteriores, sem perda, e tentará de novo na próxima abertura.\r\n\r\n"
                          "US - The new version's data could not be installed in '%1'. The program goes on with the "
                          "previous data, nothing lost, and will try again at the next start.\r\n\r\n"
                          "ES - Los datos de la nueva versión no pudieron instalarse en '%1'. El programa sigue con "
                          "los datos anteriores, sin pérdida, y lo intentará de nuevo en la próxima apertura.\r\n\r\n"
                          "(%2)")
        .arg(nativo, detalhe);
}

// A new shipped database over the user's: the user's file becomes User.tsl (the saved-data copy), the new
// one is filled from it aside, and only a complete import replaces Config.tsl.
QString atualiza(const QString& instalada, const QString& usuario, const QString& impressao) {
    const QDir dir(usuario);
    const QString banco = dir.filePath(NomeBancoArquivo);
    const QString copiaUsuario = dir.filePath(NomeUsuario);
    const QString novo = dir.filePath(NomeBancoArquivo + QStringLiteral(".novo"));
    if (!copiaAtomica(banco, copiaUsuario))
        return textoFalha(usuario, QStringLiteral("User.tsl"));
    QFile::remove(novo);
    if (!copiaAtomica(QDir(instalada).filePath(NomeBancoArquivo), novo))
        return textoFalha(usuario, QStringLiteral("Config.tsl.novo"));
    const ResultadoImportacao r = ImportaBancoUsuario(copiaUsuario, novo);
    if (r.estado != ResultadoImportacao::Estado::Importado) {
        QFile::remove(novo);
        return textoFalha(usuario, r.detalhe.isEmpty() ? QStringLiteral("User.tsl") : r.detalhe);
    }
    levaPreferencias(copiaUsuario, novo);
    try {
        Banco b(novo);
        // Imported already: the main window must not offer it again.
        b.executa(QStringLiteral("update Tools set syncbd = '2'"));
    } catch (const ErroVB&) {
    }
    // rename() does not replace: the old file goes only once the new one is complete beside it.
    const QString antigo = dir.filePath(NomeBancoArquivo + QStringLiteral(".anterior"));
    QFile::remove(antigo);
    if (!QFile::rename(banco, antigo) || !QFile::rename(novo, banco)) {
        if (!QFileInfo::exists(banco))
            QFile::rename(antigo, banco);
        QFile::remove(novo);
        return textoFalha(usuario, QStringLiteral("rename"));
    }
    QFile::remove(antigo);
    copiaDocumentos(instalada, usuario);
    gravaMarca(usuario, impressao);
    return {};
}

} // namespace

QString PastaInstalada(const QString& executavel) {
    return QDir::cleanPath(QDir(executavel).filePath(QStringLiteral(TARSEL_DADOS_RELATIVOS)));
}

QString ImpressaoBanco(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (!h.addData(&f))
        return {};
    return QString::fromLatin1(h.result().toHex());
}

PastaEscolhida EscolhePastaPrograma(const QString& executavel, const QString& instalada, const QString& usuario) {
    PastaEscolhida e;
    e.programa = executavel;
    if (QFileInfo::exists(QDir(executavel).filePath(NomeBancoArquivo)) ||
        !QFileInfo::exists(QDir(instalada).filePath(NomeBancoArquivo)))
        return e;
    e.instalada = true;
    e.programa = usuario;
    return e;
}

QString PreparaPastaUsuario(const QString& instalada, const QString& usuario) {
    const QString enviado = QDir(instalada).filePath(NomeBancoArquivo);
    if (!QDir().mkpath(QDir(usuario).filePath(QStringLiteral("ports"))))
        return {};
    const QString banco = QDir(usuario).filePath(NomeBancoArquivo);
    const QString impressao = ImpressaoBanco(enviado);
    if (!QFileInfo::exists(banco)) {
        if (copiaAtomica(enviado, banco)) {
            copiaDocumentos(instalada, usuario);
            gravaMarca(usuario, impressao);
        }
        return {};
    }
    if (!impressao.isEmpty() && leMarca(usuario) != impressao)
        return atualiza(instalada, usuario, impressao);
    return {};
}

} // namespace tarsel
