// The session log: what a day's file holds, the days it keeps, the choice to keep none, a folder that
// refuses writes; and the program writing it as it talks to the simulated phone.

#include "Apoio.h"

#include "base/Globais.h"
#include "console/Master.h"
#include "link/Enlace.h"
#include "link/RegistroSessao.h"
#include "store/Banco.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarsel;

namespace {

QDateTime g_agora;
QDateTime relogioTeste() {
    return g_agora;
}

QString conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// A clock at a fixed offset from UTC, so that the stamps are the same wherever the test runs.
QDateTime em(const QString& iso) {
    return QDateTime::fromString(iso, Qt::ISODateWithMs);
}

} // namespace

class TstRegistroSessao : public QObject {
    Q_OBJECT

private slots:
    // One entry as the file shows it: a header line, and an answer's lines behind "  | " whatever line
    // ends and control bytes the phone sent.
    void entradas_data() {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("command") << QStringLiteral("comando") << QStringLiteral("pmuadc --read all")
                                 << QStringLiteral("2026-12-10T22:55:01.123-03:00 COM3 A1778 >> pmuadc --read all\n");
        QTest::newRow("answer in console form")
            << QStringLiteral("resposta") << QStringLiteral("\r\nbuck\r\r\nbuck0: 1.0V\r\n[:-)")
            << QStringLiteral("2026-12-10T22:55:01.123-03:00 COM3 A1778 <<\n  | \n  | buck\n  | \n  | buck0: 1.0V\n"
                              "  | [:-)\n");
        QTest::newRow("garbage bytes are shown, not written raw")
            << QStringLiteral("resposta") << QStringLiteral("a\x01\x1b[2Jb\tc")
            << QStringLiteral("2026-12-10T22:55:01.123-03:00 COM3 A1778 <<\n  | a\\x01\\x1b[2Jb\tc\n");
        QTest::newRow("a command with a line break stays one line")
            << QStringLiteral("comando") << QStringLiteral("help\nreset")
            << QStringLiteral("2026-12-10T22:55:01.123-03:00 COM3 A1778 >> help\\nreset\n");
        QTest::newRow("an event") << QStringLiteral("evento") << QStringLiteral("port lost")
                                  << QStringLiteral("2026-12-10T22:55:01.123-03:00 COM3 A1778 -- port lost\n");
    }
    void entradas() {
        QFETCH(QString, tipo);
        QFETCH(QString, texto);
        QFETCH(QString, esperado);
        QTemporaryDir dir;
        RegistroSessao r(dir.filePath(QStringLiteral("logs")));
        g_agora = em(QStringLiteral("2026-12-10T22:55:01.123-03:00"));
        r.defineRelogio(&relogioTeste);
        const QString porta = QStringLiteral("COM3"), modelo = QStringLiteral("A1778");
        if (tipo == QLatin1String("comando"))
            r.comando(porta, modelo, texto);
        else if (tipo == QLatin1String("resposta"))
            r.resposta(porta, modelo, texto);
        else
            r.evento(porta, modelo, texto);
        QVERIFY(r.erro().isEmpty());
        // Read while the log is still open: every entry is on disk as soon as it is written.
        QCOMPARE(conteudo(dir.filePath(QStringLiteral("logs/tarsel-2026-12-10.log"))), esperado);
    }

    void semPortaNemModelo() {
        QTemporaryDir dir;
        RegistroSessao r(dir.path());
        g_agora = em(QStringLiteral("2026-12-10T08:00:00.000Z"));
        r.defineRelogio(&relogioTeste);
        r.comando({}, {}, QStringLiteral("syscfg print RMd#"));
        QCOMPARE(conteudo(dir.filePath(QStringLiteral("tarsel-2026-12-10.log"))),
                 QStringLiteral("2026-12-10T08:00:00.000Z - - >> syscfg print RMd#\n"));
    }

    // Midnight starts a new file; the next day's first entry removes the files past the kept days and
    // nothing else.
    void diasGuardados_data() {
        QTest::addColumn<int>("dias");
        QTest::addColumn<QStringList>("ficam");
        const QStringList outros{QStringLiteral("notas.txt"), QStringLiteral("tarsel-ontem.log")};
        QTest::newRow("30 days") << 30
                                 << (QStringList{QStringLiteral("tarsel-2026-12-01.log"),
                                                 QStringLiteral("tarsel-2026-12-10.log"),
                                                 QStringLiteral("tarsel-2026-12-11.log")} +
                                     outros);
        QTest::newRow("1 day")
            << 1
            << (QStringList{QStringLiteral("tarsel-2026-12-10.log"), QStringLiteral("tarsel-2026-12-11.log")} + outros);
        QTest::newRow("0 keeps every file")
            << 0
            << (QStringList{QStringLiteral("tarsel-2025-01-01.log"), QStringLiteral("tarsel-2026-11-01.log"),
                            QStringLiteral("tarsel-2026-11-02.log"), QStringLiteral("tarsel-2026-12-01.log"),
                            QStringLiteral("tarsel-2026-12-10.log"), QStringLiteral("tarsel-2026-12-11.log")} +
                outros);
    }
    void diasGuardados() {
        QFETCH(int, dias);
        QFETCH(QStringList, ficam);
        QTemporaryDir dir;
        for (const char* nome : {"tarsel-2025-01-01.log", "tarsel-2026-11-01.log", "tarsel-2026-11-02.log",
                                 "tarsel-2026-12-01.log", "notas.txt", "tarsel-ontem.log"}) {
            QFile f(dir.filePath(QString::fromLatin1(nome)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        RegistroSessao r(dir.path(), dias);
        r.defineRelogio(&relogioTeste);
        g_agora = em(QStringLiteral("2026-12-10T23:59:59.900+00:00"));
        r.comando(QStringLiteral("COM3"), {}, QStringLiteral("help"));
        g_agora = em(QStringLiteral("2026-12-11T00:00:00.100+00:00"));
        r.resposta(QStringLiteral("COM3"), {}, QStringLiteral("Available commands:"));
        QStringList tem = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
        ficam.sort();
        QCOMPARE(tem, ficam);
        QVERIFY(conteudo(dir.filePath(QStringLiteral("tarsel-2026-12-10.log"))).contains(QStringLiteral(">> help")));
        QVERIFY(conteudo(dir.filePath(QStringLiteral("tarsel-2026-12-11.log")))
                    .contains(QStringLiteral("  | Available commands:")));
    }

    // Off writes nothing; a folder that cannot be made is reported through erro() and the next entry
    // after the cause is gone goes in.
    void desligadoEPastaRecusada() {
        QTemporaryDir dir;
        const QString pasta = dir.filePath(QStringLiteral("logs"));
        RegistroSessao r(pasta);
        r.defineAtivo(false);
        r.comando(QStringLiteral("COM1"), {}, QStringLiteral("help"));
        QVERIFY(!QDir(pasta).exists());

        r.defineAtivo(true);
        QFile bloqueio(pasta); // a file where the folder should be
        QVERIFY(bloqueio.open(QIODevice::WriteOnly));
        bloqueio.close();
        r.comando(QStringLiteral("COM1"), {}, QStringLiteral("help"));
        QVERIFY(!r.erro().isEmpty());

        QVERIFY(QFile::remove(pasta));
        r.comando(QStringLiteral("COM1"), {}, QStringLiteral("help"));
        QVERIFY2(r.erro().isEmpty(), qPrintable(r.erro()));
        QCOMPARE(QDir(pasta).entryList(QDir::Files).size(), 1);
    }

    // The program logs the identification and a console command with the port and model number; the
    // console's choice to stop is remembered and stops the writing at once.
    void programaRegistraEConsoleDesliga() {
        globais().IdiomaAtual = 2;
        teste::BancadaTela<Master> b(NomeTela::Master);
        QVERIFY(b.conecta());
        const QString pasta = QDir(b.pasta.caminho()).filePath(QStringLiteral("logs"));
        const QString arquivo = QDir(pasta).filePath(RegistroSessao::nomeArquivo(QDate::currentDate()));
        const QString log = conteudo(arquivo);
        QVERIFY2(log.contains(QStringLiteral(" COM3 - >> syscfg print RMd#\n")), qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("  | A1778\n")), qPrintable(log));

        b.principal->Botoes(Botao::Comandos)->click();
        Master* m = b.tela();
        QVERIFY(m);
        auto* bt = m->findChild<QPushButton*>(QStringLiteral("btRegistro"));
        QVERIFY(bt && bt->isEnabled() && bt->menu());
        QCOMPARE(bt->text(), QStringLiteral("Log"));
        auto* gravar = bt->menu()->findChild<QAction*>(QStringLiteral("acGravarRegistro"));
        QVERIFY(gravar && gravar->isChecked());

        m->defineComando(QStringLiteral("help"));
        m->btSend()->click();
        QTRY_VERIFY_WITH_TIMEOUT(conteudo(arquivo).contains(QStringLiteral(" COM3 A1778 >> help\n")), 25000);
        QTRY_VERIFY_WITH_TIMEOUT(conteudo(arquivo).contains(QStringLiteral("  | Available commands:")), 25000);
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->enlace().Status(), QStringLiteral("1"), 25000);

        gravar->trigger();
        {
            Banco banco;
            QCOMPARE(banco.valor(QStringLiteral("select RegistroSessao from Tools")).toInt(), 0);
        }
        const qint64 tamanho = QFileInfo(arquivo).size();
        m->defineComando(QStringLiteral("syscfg print SrNm"));
        m->btSend()->click();
        QTRY_VERIFY_WITH_TIMEOUT(b.principal->enlace().Status() == QLatin1String("3"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->enlace().Status(), QStringLiteral("1"), 25000);
        QCOMPARE(QFileInfo(arquivo).size(), tamanho);
        QCOMPARE(b.dialogos.caixas.size(), 0);
    }
};

QTEST_MAIN(TstRegistroSessao)
#include "tst_registrosessao.moc"
