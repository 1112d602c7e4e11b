// Builds a database file from SQL scripts: tarsel-banco <output> <script.sql>...
// The file is written beside the target and renamed into place, so a failed build leaves no
// half-made database behind.
// tarsel-banco --servidor <database> <address> points an existing database at another product server
// (the demo's stand-in server).

#include "base/ErroVB.h"
#include "store/Banco.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--servidor")) {
        try {
            tarsel::Banco b(args.at(2));
            b.executa(QStringLiteral("update Tools set Servidor = ?"), {args.at(3)});
        } catch (const tarsel::ErroVB& e) {
            std::fprintf(stderr, "tarsel-banco: %s: %s\n", qPrintable(args.at(2)), qPrintable(e.descricao()));
            return 1;
        }
        return 0;
    }
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: tarsel-banco <output.tsl> <script.sql>...\n"
                             "       tarsel-banco --servidor <database.tsl> <address>\n");
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
