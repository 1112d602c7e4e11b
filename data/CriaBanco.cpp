// Builds a database file from SQL scripts: tarsel-banco <output> <script.sql>...
// The file is written beside the target and renamed into place, so a failed build leaves no
// half-made database behind.
// tarsel-banco --aponta <Config.tsl> <address> [<report address>] points an existing database at another
// product server (online pages and, unless given apart, report pages), as the demo does with the
// stand-in server.

#include "base/ErroVB.h"
#include "store/Banco.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QUrl>

#include <cstdio>

namespace {

// An http(s) address ending in "/"; empty when `texto` is not one.
QString endereco(const QString& texto) {
    const QUrl url(texto, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) ||
        url.host().isEmpty()) {
        std::fprintf(stderr, "tarsel-banco: %s is not an http(s) address\n", qPrintable(texto));
        return {};
    }
    return texto.endsWith(QLatin1Char('/')) ? texto : texto + QLatin1Char('/');
}

// Sets Tools.Servidor to `servidor` and Tools.ServidorRelatorio to `relatorio`, adding a column a
// database made before it existed lacks.
int aponta(const QString& arquivo, const QString& servidor, const QString& relatorio) {
    if (servidor.isEmpty() || relatorio.isEmpty())
        return 2;
    try {
        tarsel::Banco b(arquivo);
        tarsel::Banco::Transacao t(b);
        for (const QString& coluna : {QStringLiteral("Servidor"), QStringLiteral("ServidorRelatorio")}) {
            const bool existe =
                b.valor(QStringLiteral("select count(*) from pragma_table_info('Tools') where name = ?"), {coluna})
                    .toInt() > 0;
            if (!existe)
                b.executa(QStringLiteral("alter table Tools add column %1 text collate nocase").arg(coluna));
        }
        b.executa(QStringLiteral("update Tools set Servidor = ?, ServidorRelatorio = ?"), {servidor, relatorio});
        t.fim();
    } catch (const tarsel::ErroVB& e) {
        std::fprintf(stderr, "tarsel-banco: %s: %s\n", qPrintable(arquivo), qPrintable(e.descricao()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 2 && args.at(1) == QLatin1String("--aponta")) {
        if (args.size() != 4 && args.size() != 5) {
            std::fprintf(stderr, "usage: tarsel-banco --aponta <Config.tsl> <address> [<report address>]\n");
            return 2;
        }
        return aponta(args.at(2), endereco(args.at(3)), endereco(args.value(4, args.at(3))));
    }
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: tarsel-banco <output.tsl> <script.sql>...\n"
                             "       tarsel-banco --aponta <Config.tsl> <address> [<report address>]\n");
        return 2;
    }
    const QString destino = args.at(1);
    const QString temporario = destino + QStringLiteral(".novo");
    QFile::remove(temporario);
    {
        QFile f(temporario);
        if (!f.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "tarsel-banco: cannot write %s\n", qPrintable(temporario));
            return 1;
        }
    }
    try {
        tarsel::Banco b(temporario);
        for (int i = 2; i < args.size(); ++i) {
            QFile script(args.at(i));
            if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) {
                std::fprintf(stderr, "tarsel-banco: cannot read %s\n", qPrintable(args.at(i)));
                QFile::remove(temporario);
                return 1;
            }
            try {
                b.executaScript(QString::fromUtf8(script.readAll()));
            } catch (const tarsel::ErroVB& e) {
                std::fprintf(stderr, "tarsel-banco: %s: %s\n", qPrintable(args.at(i)), qPrintable(e.descricao()));
                throw;
            }
        }
    } catch (const tarsel::ErroVB&) {
        QFile::remove(temporario);
        return 1;
    }
    QFile::remove(destino);
    if (!QFile::rename(temporario, destino)) {
        std::fprintf(stderr, "tarsel-banco: cannot rename to %s\n", qPrintable(destino));
        return 1;
    }
    return 0;
}
