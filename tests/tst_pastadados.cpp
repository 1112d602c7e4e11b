// The program folder of an installed program: which folder is used, the first start that seeds the user's
// data folder, and a package upgrade that brings new reference data without losing what was recorded.

#include "Apoio.h"

#include "store/Banco.h"
#include "store/PastaDados.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarsel;

namespace {

QByteArray resumo(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QVariant valor(const QString& banco, const QString& sql) {
    Banco b(banco);
    return b.valor(sql);
}

// An installed system in a scratch folder: bin/, share/voltrace-tarsel/ with the shipped database and a
// document, and the user's data folder.
struct Instalacao {
    QTemporaryDir raiz;
    QString bin() const { return raiz.filePath(QStringLiteral("usr/bin")); }
    QString dados() const { return raiz.filePath(QStringLiteral("usr/share/voltrace-tarsel")); }
    QString usuario() const { return raiz.filePath(QStringLiteral("home/.local/share/Voltrace Tarsel")); }
    QString enviado() const { return QDir(dados()).filePath(QStringLiteral("Config.tsl")); }
    QString banco() const { return QDir(usuario()).filePath(QStringLiteral("Config.tsl")); }

    Instalacao() {
        QDir().mkpath(bin());
        QDir().mkpath(dados());
        QFile::copy(QStringLiteral(TARSEL_CONFIG_MODELO), enviado());
        QFile(enviado()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        documento(QByteArrayLiteral("%PDF-1.4 help v1"));
    }
    void documento(const QByteArray& bytes) {
        QFile f(QDir(dados()).filePath(QStringLiteral("xEDK_BR.pdf")));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
};

} // namespace

class TstPastaDados : public QObject {
    Q_OBJECT

private slots:
    void escolhe_data() {
        QTest::addColumn<bool>("bancoAoLado");
        QTest::addColumn<bool>("bancoInstalado");
        QTest::addColumn<bool>("instalada");
        QTest::newRow("the build folder: Config.tsl beside the executable") << true << false << false;
        QTest::newRow("a bench copy beside an installed package still runs where it is") << true << true << false;
        QTest::newRow("installed: nothing beside the executable, the shipped data in share") << false << true << true;
        QTest::newRow("nothing anywhere: the executable's folder, whose check names the missing file")
            << false << false << false;
    }
    void escolhe() {
        QFETCH(bool, bancoAoLado);
        QFETCH(bool, bancoInstalado);
        QFETCH(bool, instalada);
        Instalacao i;
        if (!bancoInstalado)
            QVERIFY(QFile::remove(i.enviado()));
        if (bancoAoLado)
            QVERIFY(QFile::copy(QStringLiteral(TARSEL_CONFIG_MODELO),
                                QDir(i.bin()).filePath(QStringLiteral("Config.tsl"))));
        const PastaEscolhida e = EscolhePastaPrograma(i.bin(), i.dados(), i.usuario());
        QCOMPARE(e.instalada, instalada);
        QCOMPARE(e.programa, instalada ? i.usuario() : i.bin());
        // Choosing touches nothing.
        QVERIFY(!QFileInfo::exists(i.usuario()));
    }

    void pastaInstaladaAoLadoDeBin() {
        QCOMPARE(PastaInstalada(QStringLiteral("/usr/bin")), QStringLiteral("/usr/share/voltrace-tarsel"));
    }

    // The first start copies the shipped database and documents and makes ports/; the next start with the
    // same package changes nothing.
    void primeiraPartida() {
        Instalacao i;
        QCOMPARE(PreparaPastaUsuario(i.dados(), i.usuario()), QString());
        QCOMPARE(resumo(i.banco()), resumo(i.enviado()));
        QVERIFY(QFileInfo(QDir(i.usuario()).filePath(QStringLiteral("ports"))).isDir());
        QCOMPARE(resumo(QDir(i.usuario()).filePath(QStringLiteral("xEDK_BR.pdf"))),
                 resumo(QDir(i.dados()).filePath(QStringLiteral("xEDK_BR.pdf"))));

        teste::executaSql(i.banco(), QStringLiteral("update Master set G1 = '3.01' where rowid = 1"));
        const QByteArray gravado = resumo(i.banco());
        QCOMPARE(PreparaPastaUsuario(i.dados(), i.usuario()), QString());
        QCOMPARE(resumo(i.banco()), gravado);
        QVERIFY(!QFileInfo::exists(QDir(i.usuario()).filePath(QStringLiteral("User.tsl"))));
    }

    // An upgrade ships new reference data and documents: the user's recordings, saved answers and settings
    // come along, the new rows are there, and the import is not offered again.
    void atualizacaoGuardaGravacoes() {
        Instalacao i;
        QCOMPARE(PreparaPastaUsuario(i.dados(), i.usuario()), QString());
        teste::executaSql(i.banco(),
                          QStringLiteral("update Master set G1 = '3.01' where rowid = (select min(rowid) from Master);"
                                         "insert into Dados values ('IP 7', 'meu comando', 'resposta boa', '', '', '');"
                                         "update Tools set Idioma = 3, Nome = 'Bancada 2', RegistroSessao = 0, "
                                         "ReligaAposPerda = 1;"
                                         "update Tools set syncbd = '2'"));
        const QString malha = valor(i.banco(), QStringLiteral("select Malha from Master where G1 = '3.01'")).toString();
        QVERIFY(!malha.isEmpty());

        teste::executaSql(i.enviado(), QStringLiteral("insert into Comandos values ('novo --read', '', '', '')"));
        i.documento(QByteArrayLiteral("%PDF-1.4 help v2"));

        QCOMPARE(PreparaPastaUsuario(i.dados(), i.usuario()), QString());
        const QString b = i.banco();
        QCOMPARE(valor(b, QStringLiteral("select count(*) from Comandos where Comando = 'novo --read'")).toInt(), 1);
        QCOMPARE(valor(b, QStringLiteral("select Malha from Master where G1 = '3.01'")).toString(), malha);
        QCOMPARE(valor(b, QStringLiteral("select Dados from Dados where Comando = 'meu comando'")).toString(),
                 QStringLiteral("resposta boa"));
        QCOMPARE(valor(b, QStringLiteral("select Idioma from Tools")).toInt(), 3);
        QCOMPARE(valor(b, QStringLiteral("select Nome from Tools")).toString(), QStringLiteral("Bancada 2"));
        QCOMPARE(valor(b, QStringLiteral("select RegistroSessao from Tools")).toInt(), 0);
        QCOMPARE(valor(b, QStringLiteral("select ReligaAposPerda from Tools")).toInt(), 1);
        QCOMPARE(valor(b, QStringLiteral("select syncbd from Tools")).toString(), QStringLiteral("2"));
        QCOMPARE(resumo(QDir(i.usuario()).filePath(QStringLiteral("xEDK_BR.pdf"))),
                 resumo(QDir(i.dados()).filePath(QStringLiteral("xEDK_BR.pdf"))));
        // The old file is the saved-data copy now; nothing is left half-made.
        QVERIFY(QFileInfo::exists(QDir(i.usuario()).filePath(QStringLiteral("User.tsl"))));
        QCOMPARE(QDir(i.usuario()).entryList({QStringLiteral("Config.tsl.*")}, QDir::Files), QStringList());

        const QByteArray depois = resumo(b);
        QCOMPARE(PreparaPastaUsuario(i.dados(), i.usuario()), QString());
        QCOMPARE(resumo(b), depois);
    }

    // An upgrade that cannot import keeps the user's file byte for byte, says so once, and tries again on
    // the next start.
    void atualizacaoQueFalhaGuardaOAntigo_data() {
        QTest::addColumn<QString>("caso");
        QTest::newRow("the user's database is damaged") << QStringLiteral("danificado");
        QTest::newRow("the user's folder refuses writes") << QStringLiteral("somente-leitura");
    }
    void atualizacaoQueFalhaGuardaOAntigo() {
        QFETCH(QString, caso);
        Instalacao i;
        QCOMPARE(PreparaPastaUsuario(i.dados(), i.usuario()), QString());
        if (caso == QLatin1String("danificado")) {
            QFile f(i.banco());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("not a database ").repeated(100));
        }
        const QByteArray antes = resumo(i.banco());
        teste::executaSql(i.enviado(), QStringLiteral("insert into Comandos values ('novo --read', '', '', '')"));

        QString aviso;
        {
            teste::SemPassePermissoes semPasse;
            QVERIFY(semPasse.valido());
            if (caso == QLatin1String("somente-leitura"))
                QVERIFY(QFile::setPermissions(i.usuario(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            aviso = PreparaPastaUsuario(i.dados(), i.usuario());
            QFile::setPermissions(i.usuario(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        QVERIFY(aviso.startsWith(QStringLiteral("BR - ")));
        QVERIFY(aviso.contains(QDir::toNativeSeparators(i.usuario())));
        QCOMPARE(resumo(i.banco()), antes);
        QCOMPARE(QDir(i.usuario()).entryList({QStringLiteral("Config.tsl.*")}, QDir::Files), QStringList());
        // Not marked as done: the next start tries again (and, the cause gone, succeeds).
        if (caso == QLatin1String("somente-leitura")) {
            QCOMPARE(PreparaPastaUsuario(i.dados(), i.usuario()), QString());
            QCOMPARE(
                valor(i.banco(), QStringLiteral("select count(*) from Comandos where Comando = 'novo --read'")).toInt(),
                1);
        } else {
            QVERIFY(!PreparaPastaUsuario(i.dados(), i.usuario()).isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TstPastaDados)
#include "tst_pastadados.moc"
