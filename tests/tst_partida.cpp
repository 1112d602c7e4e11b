// Start-up: the checks on the database file before any window opens, and the language it loads.

#include "Apoio.h"

#include "app/Partida.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"

#include <QCryptographicHash>
#include <QFile>
#include <QtTest>

using namespace tarsel;

namespace {
QByteArray resumo(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class TstPartida : public QObject {
    Q_OBJECT

private slots:
    void semConfigMostraACaixaTrilingueEEncerra() {
        teste::PastaPrograma pasta(false);
        DialogosRoteiro d;
        QVERIFY(!ExecutaPartida(pasta.caminho()));
        QCOMPARE(d.caixas.size(), 1);
        QCOMPARE(d.caixas[0].icone, Dialogos::Icone::Critico);
        QCOMPARE(d.caixas[0].titulo, QStringLiteral("Arquivo ausente - File not found"));
        QCOMPARE(d.caixas[0].texto, QStringLiteral("BR - Arquivo: 'Config.tsl' ausente, reinstale o software\r\n\r\n"
                                                   "US - Config.tsl' missing, reinstall software\r\n\r\n"
                                                   "ES - Archivo: falta 'Config.tsl', reinstale el software"));
    }

    void configInutilizavelEncerraSemTocarNoArquivo_data() {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("sql");
        QTest::newRow("a file of zero bytes") << QByteArray() << QString();
        QTest::newRow("random bytes") << QByteArray("\x13\x37 not a database at all \xff\xfe", 27).repeated(200)
                                      << QString();
        QTest::newRow("a database without the tables") << QByteArray() << QStringLiteral("create table Outra (x text)");
        QTest::newRow("a database lacking one table") << QByteArray() << QStringLiteral("drop table Rf");
    }

    void configInutilizavelEncerraSemTocarNoArquivo() {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, sql);
        const bool partirDoModelo = sql.startsWith(QLatin1String("drop"));
        teste::PastaPrograma pasta(partirDoModelo);
        if (!partirDoModelo) {
            QFile f(pasta.banco());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(conteudo);
        }
        if (!sql.isEmpty())
            teste::executaSql(pasta.banco(), sql);
        const QByteArray antes = resumo(pasta.banco());

        DialogosRoteiro d;
        QVERIFY(!ExecutaPartida(pasta.caminho()));
        QCOMPARE(d.caixas.size(), 1);
        QCOMPARE(d.caixas[0].icone, Dialogos::Icone::Critico);
        QVERIFY(d.caixas[0].texto.contains(QStringLiteral("Config.tsl")));
        QVERIFY(d.caixas[0].texto.startsWith(QStringLiteral("BR - ")));
        QVERIFY(d.caixas[0].texto.contains(QStringLiteral("US - ")));
        QVERIFY(d.caixas[0].texto.contains(QStringLiteral("ES - ")));
        QCOMPARE(resumo(pasta.banco()), antes);
    }

    void idiomaCarregadoDeTools_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("idioma");
        QTest::newRow("Portuguese as shipped") << QString() << 1;
        QTest::newRow("Spanish stored") << QStringLiteral("update Tools set Idioma = '3'") << 3;
        QTest::newRow("no row in Tools leaves 0") << QStringLiteral("delete from Tools") << 0;
        QTest::newRow("an unreadable value leaves 0") << QStringLiteral("update Tools set Idioma = 'x'") << 0;
    }

    void idiomaCarregadoDeTools() {
        QFETCH(QString, sql);
        QFETCH(int, idioma);
        teste::PastaPrograma pasta;
        if (!sql.isEmpty())
            teste::executaSql(pasta.banco(), sql);
        DialogosRoteiro d;
        globais().IdiomaAtual = 9;
        globais().TelaAtiva = QStringLiteral("5");
        QVERIFY(ExecutaPartida(pasta.caminho()));
        QCOMPARE(int(globais().IdiomaAtual), idioma);
        QCOMPARE(globais().Versao, QStringLiteral("2.42"));
        QCOMPARE(globais().TelaAtiva, QStringLiteral("0"));
        QCOMPARE(globais().CaminhoBanco, pasta.banco());
        QCOMPARE(d.caixas.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TstPartida)
#include "tst_partida.moc"
