// Start-up: the checks on the database file before any window opens, and the language it loads.

#include "Apoio.h"

#include "app/Partida.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

using namespace tarsel;

namespace {
QByteArray resumo(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The file system's immutable flag (what chattr +i sets): no write, rename or delete, not even by root.
int defineImutavel(const QString& caminho, bool imutavel) {
    const int fd = ::open(QFile::encodeName(caminho).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return errno;
    int atributos = 0;
    int erro = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &atributos) != 0) {
        erro = errno;
    } else {
        atributos = imutavel ? (atributos | FS_IMMUTABLE_FL) : (atributos & ~FS_IMMUTABLE_FL);
        if (ioctl(fd, FS_IOC_SETFLAGS, &atributos) != 0)
            erro = errno;
    }
    ::close(fd);
    return erro;
}

// One way a Config.tsl cannot be written, laid on in the constructor and taken off in the destructor
// (before the temporary folder is removed).
class SemGravacao {
public:
    enum Caso { ArquivoSemPermissao, PastaSemPermissao, ArquivoImutavel };

    SemGravacao(Caso caso, const QString& banco)
        : m_caso(caso)
        , m_banco(banco)
        , m_pasta(QFileInfo(banco).absolutePath()) {
        switch (caso) {
        case ArquivoSemPermissao:
            m_ativa = QFile::setPermissions(m_banco, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
            break;
        case PastaSemPermissao:
            m_ativa = QFile::setPermissions(m_pasta, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            break;
        case ArquivoImutavel: {
            const int erro = defineImutavel(m_banco, true);
            m_ativa = erro == 0;
            if (erro == EPERM)
                m_motivo = QStringLiteral("setting the immutable flag needs CAP_LINUX_IMMUTABLE (root)");
            else if (erro != 0)
                m_motivo = QStringLiteral("no immutable flag on the temporary folder's file system: ") +
                           QString::fromLocal8Bit(std::strerror(erro));
            break;
        }
        }
        if (!m_ativa && m_motivo.isEmpty())
            m_motivo = QStringLiteral("the restriction could not be laid on");
    }
    ~SemGravacao() {
        if (!m_ativa)
            return;
        if (m_caso == ArquivoSemPermissao)
            QFile::setPermissions(m_banco, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        else if (m_caso == PastaSemPermissao)
            QFile::setPermissions(m_pasta, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        else
            defineImutavel(m_banco, false);
    }

    bool ativa() const { return m_ativa; }
    QString motivo() const { return m_motivo; }
    // Whether this process, as it stands, is really refused: the file for writing, the folder for a new file.
    bool recusaEscrita() const {
        if (m_caso == PastaSemPermissao) {
            QFile novo(QDir(m_pasta).filePath(QStringLiteral("sonda")));
            const bool criou = novo.open(QIODevice::WriteOnly);
            if (criou)
                novo.remove();
            return !criou;
        }
        QFile f(m_banco);
        return !f.open(QIODevice::ReadWrite);
    }

private:
    Caso m_caso;
    QString m_banco;
    QString m_pasta;
    bool m_ativa = false;
    QString m_motivo;
};
} // namespace

Q_DECLARE_METATYPE(SemGravacao::Caso)

class TstPartida : public QObject {
    Q_OBJECT

private:
    // The product server's stand-in on loopback: start-up asks it before the main window may open.
    std::unique_ptr<teste::ServidorTeste> m_servidor;
    void apontaServidor(const teste::PastaPrograma& pasta) {
        teste::executaSql(pasta.banco(), QStringLiteral("update Tools set Servidor = '%1'").arg(m_servidor->base()));
    }

private slots:
    void initTestCase() {
        m_servidor = std::make_unique<teste::ServidorTeste>();
        QVERIFY2(m_servidor->pronto(), qPrintable(m_servidor->erro()));
    }
    void cleanupTestCase() { m_servidor.reset(); }

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

    void configSemGravacaoEncerraNomeandoOArquivo_data() {
        QTest::addColumn<SemGravacao::Caso>("caso");
        QTest::newRow("a file without write permission") << SemGravacao::ArquivoSemPermissao;
        QTest::newRow("a read-only folder, where the journal cannot be created") << SemGravacao::PastaSemPermissao;
        QTest::newRow("an immutable file") << SemGravacao::ArquivoImutavel;
    }

    void configSemGravacaoEncerraNomeandoOArquivo() {
        QFETCH(SemGravacao::Caso, caso);
        teste::PastaPrograma pasta;
        const QByteArray antes = resumo(pasta.banco());
        SemGravacao restricao(caso, pasta.banco());
        if (!restricao.ativa())
            QSKIP(qPrintable(restricao.motivo()));
        teste::SemPassePermissoes semPasse;
        if (!semPasse.valido())
            QSKIP("running as root, which could not lay down CAP_DAC_OVERRIDE: permissions do not stop its writes");
        if (!restricao.recusaEscrita())
            QSKIP("this file system lets the process write despite the restriction");

        DialogosRoteiro d;
        QVERIFY(!ExecutaPartida(pasta.caminho()));
        QCOMPARE(d.caixas.size(), 1);
        QCOMPARE(d.caixas[0].icone, Dialogos::Icone::Critico);
        QCOMPARE(d.caixas[0].titulo,
                 QStringLiteral("Arquivo somente leitura - Read-only file - Archivo de solo lectura"));
        const QString texto = d.caixas[0].texto;
        const QString nome = QStringLiteral("'%1'").arg(QDir::toNativeSeparators(pasta.banco()));
        QVERIFY2(texto.startsWith(QStringLiteral("BR - Arquivo: ") + nome), qPrintable(texto));
        QVERIFY2(texto.contains(QStringLiteral("\r\n\r\nUS - File: ") + nome), qPrintable(texto));
        QVERIFY2(texto.contains(QStringLiteral("\r\n\r\nES - Archivo: ") + nome), qPrintable(texto));
        QVERIFY(texto.contains(QStringLiteral("somente leitura")));
        QVERIFY(texto.contains(QStringLiteral("read-only")));
        QVERIFY(texto.contains(QStringLiteral("solo lectura")));
        QCOMPARE(resumo(pasta.banco()), antes);
        QVERIFY(!QFile::exists(pasta.banco() + QStringLiteral("-journal")));
    }

    void verificacaoDeGravacaoDeixaOArquivoComoEstava() {
        teste::PastaPrograma pasta;
        apontaServidor(pasta);
        // An old stamp: any write by the check, even of the same bytes, would move it.
        const QDateTime carimbo(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC);
        {
            QFile f(pasta.banco());
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(carimbo, QFileDevice::FileModificationTime));
        }
        const QByteArray antes = resumo(pasta.banco());

        DialogosRoteiro d;
        QVERIFY(ExecutaPartida(pasta.caminho()));
        QCOMPARE(d.caixas.size(), 0);
        QCOMPARE(resumo(pasta.banco()), antes);
        QCOMPARE(QFileInfo(pasta.banco()).lastModified().toUTC(), carimbo);
        QVERIFY(!QFile::exists(pasta.banco() + QStringLiteral("-journal")));
        // No transaction or lock is left behind: the program can write as soon as start-up ends.
        teste::executaSql(pasta.banco(), QStringLiteral("update Tools set Nome = 'Bancada 3'"));
    }

    void configTravadaPorOutroProgramaNaoESomenteLeitura() {
        teste::PastaPrograma pasta;
        apontaServidor(pasta);
        // Another copy of the program in the middle of a write holds the file's write lock throughout.
        {
            QSqlDatabase outro = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outro"));
            outro.setDatabaseName(pasta.banco());
            QVERIFY(outro.open());
            QSqlQuery q(outro);
            QVERIFY(q.exec(QStringLiteral("begin immediate")));
            QVERIFY(q.exec(QStringLiteral("update Tools set Nome = 'outro'")));

            DialogosRoteiro d;
            QVERIFY(ExecutaPartida(pasta.caminho()));
            QCOMPARE(d.caixas.size(), 0);

            QVERIFY(q.exec(QStringLiteral("rollback")));
            q = QSqlQuery();
            outro.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("outro"));
    }

    // One program per folder: a second start ends with one box naming the folder; a lock whose program
    // died, or a folder where no lock can be made, does not keep the program from starting.
    void segundaInstancia_data() {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<bool>("parte");
        QTest::newRow("another program holds the folder") << QStringLiteral("viva") << false;
        QTest::newRow("the holder died without removing its lock") << QStringLiteral("morta") << true;
        QTest::newRow("nobody holds it") << QString() << true;
        QTest::newRow("a folder where no lock can be made") << QStringLiteral("sem-gravacao") << true;
    }
    void segundaInstancia() {
        QFETCH(QString, caso);
        QFETCH(bool, parte);
        teste::PastaPrograma pasta;
        QLockFile primeira(CaminhoTrava(pasta.caminho()));
        if (caso == QLatin1String("viva")) {
            QVERIFY(primeira.tryLock(0));
        } else if (caso == QLatin1String("morta")) {
            // The lock of a process that has ended: its number is free.
            QProcess p;
            p.start(QStringLiteral("true"), {});
            QVERIFY(p.waitForStarted());
            const qint64 pid = p.processId();
            QVERIFY(pid > 0);
            QVERIFY(p.waitForFinished());
            // A lock as this program writes it, with that process's number in place of ours.
            QByteArray conteudo;
            {
                QLockFile modelo(pasta.arquivo(QStringLiteral("modelo.lock")));
                QVERIFY(modelo.tryLock(0));
                QFile m(pasta.arquivo(QStringLiteral("modelo.lock")));
                QVERIFY(m.open(QIODevice::ReadOnly));
                conteudo = m.readAll();
            }
            const qsizetype fimPid = conteudo.indexOf('\n');
            QVERIFY(fimPid > 0);
            conteudo.replace(0, fimPid, QByteArray::number(pid));
            QFile f(CaminhoTrava(pasta.caminho()));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(conteudo);
        } else if (caso == QLatin1String("sem-gravacao")) {
            QVERIFY(QFile::setPermissions(pasta.caminho(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        DialogosRoteiro d;
        {
            teste::SemPassePermissoes semPasse;
            QVERIFY(semPasse.valido());
            QLockFile segunda(CaminhoTrava(pasta.caminho()));
            QCOMPARE(VerificaInstanciaUnica(segunda), parte);
            if (caso.isEmpty() || caso == QLatin1String("morta"))
                QVERIFY(segunda.isLocked());
        }
        QFile::setPermissions(pasta.caminho(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (parte) {
            QCOMPARE(d.caixas.size(), 0);
        } else {
            QCOMPARE(d.caixas.size(), 1);
            QCOMPARE(d.caixas[0].titulo, TituloOutraInstancia);
            QCOMPARE(d.caixas[0].texto, TextoOutraInstancia(pasta.caminho()));
            QVERIFY(d.caixas[0].texto.contains(QDir::toNativeSeparators(pasta.caminho())));
        }
    }

    void idiomaCarregadoDeTools_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<bool>("segue");
        QTest::newRow("Portuguese as shipped") << QString() << 1 << true;
        QTest::newRow("Spanish stored") << QStringLiteral("update Tools set Idioma = '3'") << 3 << true;
        // Without its row Tools names no server either: start-up ends at the connection check, silently
        // since no language was loaded, and without any request leaving.
        QTest::newRow("no row in Tools leaves 0") << QStringLiteral("delete from Tools") << 0 << false;
        QTest::newRow("an unreadable value leaves 0") << QStringLiteral("update Tools set Idioma = 'x'") << 0 << true;
    }

    void idiomaCarregadoDeTools() {
        QFETCH(QString, sql);
        QFETCH(int, idioma);
        QFETCH(bool, segue);
        teste::PastaPrograma pasta;
        apontaServidor(pasta);
        if (!sql.isEmpty())
            teste::executaSql(pasta.banco(), sql);
        DialogosRoteiro d;
        globais().IdiomaAtual = 9;
        globais().TelaAtiva = QStringLiteral("5");
        QCOMPARE(ExecutaPartida(pasta.caminho()), segue);
        QCOMPARE(int(globais().IdiomaAtual), idioma);
        QCOMPARE(globais().Versao, QStringLiteral("2.42"));
        if (segue)
            QCOMPARE(globais().TelaAtiva, QStringLiteral("0"));
        QCOMPARE(globais().CaminhoBanco, pasta.banco());
        QCOMPARE(d.caixas.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TstPartida)
#include "tst_partida.moc"
