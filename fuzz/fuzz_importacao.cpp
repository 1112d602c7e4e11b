// The import of the user's saved data from a User.tsl that may hold anything: the input is written as the
// source file and imported into a small working database. Whatever the source is, the import either
// succeeds or gives one stated failure with the working database byte for byte as it was.

#include "store/Banco.h"
#include "store/Sincronizacao.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace tarsel;

namespace {

struct Bancada {
    std::unique_ptr<QTemporaryDir> pasta;
    QString usuario;
    QString alvo;
    QByteArray alvoOriginal;
};

[[noreturn]] void falha(const char* regra, const QString& detalhe) {
    std::fprintf(stderr, "broken: %s: %s\n", regra, qPrintable(detalhe));
    std::abort();
}

QByteArray le(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void escreve(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        falha("cannot write the scratch file", caminho);
}

Bancada& bancada() {
    static Bancada b = [] {
        Bancada n;
        // Memory-backed when the system has it: a file per input costs little there.
        const QString base =
            QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/fuzz-importacao-XXXXXX") : QString();
        n.pasta = base.isEmpty() ? std::make_unique<QTemporaryDir>() : std::make_unique<QTemporaryDir>(base);
        if (!n.pasta->isValid())
            falha("no scratch folder", n.pasta->errorString());
        n.usuario = n.pasta->filePath(QStringLiteral("User.tsl"));
        n.alvo = n.pasta->filePath(QStringLiteral("Config.tsl"));
        escreve(n.alvo, {});
        {
            Banco banco(n.alvo);
            QFile esquema(QStringLiteral(TARSEL_DIR_DADOS "/00-esquema.sql"));
            if (!esquema.open(QIODevice::ReadOnly))
                falha("schema not found", esquema.fileName());
            banco.executaScript(QString::fromUtf8(esquema.readAll()));
            // One row of each imported table, so that updates as well as inserts are reached.
            banco.executaScript(
                QStringLiteral("insert into Master (Modelo, TIPO, Malha, G1) values ('IP 7', 2, 'PP1V8', '1.8');"
                               "insert into Master (Modelo, TIPO, Malha) values ('IP X', 0, 'PP_CPU');"
                               "insert into Dados values ('IP 7', 'help', 'text', 'a', 'b', 'c');"
                               "insert into Comandos values ('help', 'x', 'y', 'z');"
                               "insert into Combos (Combo1) values ('1');"
                               "insert into Tools (Idioma, syncbd) values ('1', '0')"));
        }
        n.alvoOriginal = le(n.alvo);
        return n;
    }();
    return b;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The SQL driver is a plugin: the application object tells Qt where plugins are.
    static QCoreApplication app(*argc, *argv);
    (void)bancada();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    Bancada& b = bancada();
    escreve(b.usuario, QByteArray(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho)));
    const ResultadoImportacao r = ImportaBancoUsuario(b.usuario, b.alvo);
    using E = ResultadoImportacao::Estado;
    switch (r.estado) {
    case E::Importado:
        if (r.leituras < 0 || r.dadosNovos < 0 || r.dadosAtuais < 0 || r.comandosNovos < 0)
            falha("negative count", QString());
        escreve(b.alvo, b.alvoOriginal); // the next input starts from the same working database
        break;
    case E::SemUsuario:
        falha("an existing User.tsl reported as missing", b.usuario);
    case E::UsuarioInvalido:
    case E::FalhaGravacao:
        if (r.detalhe.trimmed().isEmpty())
            falha("a failure without its reason", QString());
        if (r.leituras + r.dadosNovos + r.dadosAtuais + r.comandosNovos != 0 || r.combos)
            falha("a failure that counts imported rows", r.detalhe);
        if (le(b.alvo) != b.alvoOriginal)
            falha("a failed import changed the working database", r.detalhe);
        break;
    }
    return 0;
}
