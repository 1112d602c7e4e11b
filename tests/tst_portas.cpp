// The COM-port map: which numbers exist, and how USB adapters get and keep theirs.

#include "link/MapaPortas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tarsel;

namespace {

// A program folder with ports/ and a stand-in for /dev/serial/by-id.
struct Bancada {
    QTemporaryDir dir;
    QString pasta() const { return dir.path(); }
    QString byId() const { return dir.filePath(QStringLiteral("by-id")); }
    QString arquivoComum() const { return dir.filePath(QStringLiteral("comum.txt")); }

    Bancada() {
        QDir(dir.path()).mkpath(QStringLiteral("ports"));
        QDir(dir.path()).mkpath(QStringLiteral("by-id"));
        QFile f(arquivoComum());
        f.open(QIODevice::WriteOnly);
        f.write("not a device");
    }
    void liga(int n, const QString& alvo) const { QVERIFY(QFile::link(alvo, MapaPortas::CaminhoPorta(n, pasta()))); }
    QString adaptador(const QString& nome, const QString& alvo) const {
        const QString caminho = QDir(byId()).filePath(nome);
        QFile::link(alvo, caminho);
        return caminho;
    }
    void desliga(const QString& nome) const { QFile::remove(QDir(byId()).filePath(nome)); }
    QString alvo(int n) const { return QFile::symLinkTarget(MapaPortas::CaminhoPorta(n, pasta())); }
};

} // namespace

class TstPortas : public QObject {
    Q_OBJECT

private slots:
    void portaExiste_data() {
        QTest::addColumn<QString>("alvo");
        QTest::addColumn<bool>("existe");
        QTest::newRow("a link to a character device exists") << QStringLiteral("/dev/null") << true;
        QTest::newRow("a link to a regular file is no port") << QStringLiteral("@arquivo") << false;
        QTest::newRow("a link to a folder is no port") << QStringLiteral("/tmp") << false;
        QTest::newRow("a dangling link is no port") << QStringLiteral("/nao/existe/ttyUSB9") << false;
        QTest::newRow("a missing link is no port") << QString() << false;
    }
    void portaExiste() {
        QFETCH(QString, alvo);
        QFETCH(bool, existe);
        Bancada b;
        if (alvo == QLatin1String("@arquivo"))
            alvo = b.arquivoComum();
        if (!alvo.isEmpty())
            b.liga(7, alvo);
        QCOMPARE(MapaPortas::PortaExiste(7, b.pasta()), existe);
        QCOMPARE(MapaPortas::ListaPortas(b.pasta(), b.byId()),
                 existe ? QStringList{QStringLiteral("7")} : QStringList());
    }

    void numerosForaDoMapaNaoExistem() {
        Bancada b;
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), QDir(b.pasta()).filePath(QStringLiteral("ports/COM0"))));
        QVERIFY(!MapaPortas::PortaExiste(0, b.pasta()));
        QVERIFY(!MapaPortas::PortaExiste(-1, b.pasta()));
        QVERIFY(MapaPortas::ListaPortas(b.pasta(), b.byId()).isEmpty());
    }

    void caminhoEAbsolutoMesmoComPastaRelativa() {
        const QString c = MapaPortas::CaminhoPorta(3, QStringLiteral("bin"));
        QVERIFY(QDir::isAbsolutePath(c));
        QVERIFY(c.endsWith(QLatin1String("/bin/ports/COM3")));
    }

    void listaEmOrdemNumerica() {
        Bancada b;
        b.liga(20, QStringLiteral("/dev/null"));
        b.liga(3, QStringLiteral("/dev/zero"));
        b.liga(12, QStringLiteral("/dev/full"));
        b.liga(30, QStringLiteral("/dev/null"));
        QCOMPARE(MapaPortas::ListaPortas(b.pasta(), b.byId()),
                 (QStringList{QStringLiteral("3"), QStringLiteral("12"), QStringLiteral("20"), QStringLiteral("30")}));
    }

    void adaptadorNovoGanhaOMenorNumeroLivre() {
        Bancada b;
        b.liga(1, QStringLiteral("/dev/null"));
        // An unplugged adapter's number stays taken though its link is dangling now.
        b.liga(2, QDir(b.byId()).filePath(QStringLiteral("usb-Antigo-if00")));
        const QString a = b.adaptador(QStringLiteral("usb-FTDI_A-if00"), QStringLiteral("/dev/zero"));
        const QString c = b.adaptador(QStringLiteral("usb-FTDI_C-if00"), QStringLiteral("/dev/full"));
        b.adaptador(QStringLiteral("usb-Falso-if00"), b.arquivoComum());

        QCOMPARE(MapaPortas::RegistraAdaptadores(b.pasta(), b.byId()), (QList<int>{3, 4}));
        QCOMPARE(b.alvo(3), a);
        QCOMPARE(b.alvo(4), c);
        QVERIFY(!QFileInfo::exists(MapaPortas::CaminhoPorta(5, b.pasta())));
        QCOMPARE(MapaPortas::ListaPortas(b.pasta(), b.byId()),
                 (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("4")}));
        // Seen once, never given a second number.
        QCOMPARE(MapaPortas::RegistraAdaptadores(b.pasta(), b.byId()), QList<int>());
    }

    void adaptadorReconectadoVoltaAoMesmoNumero() {
        Bancada b;
        b.adaptador(QStringLiteral("usb-Box_1-if00"), QStringLiteral("/dev/zero"));
        QCOMPARE(MapaPortas::ListaPortas(b.pasta(), b.byId()), QStringList{QStringLiteral("1")});

        b.desliga(QStringLiteral("usb-Box_1-if00"));
        QCOMPARE(MapaPortas::ListaPortas(b.pasta(), b.byId()), QStringList());

        // Another adapter plugged meanwhile does not take the absent one's number.
        b.adaptador(QStringLiteral("usb-Box_2-if00"), QStringLiteral("/dev/full"));
        QCOMPARE(MapaPortas::ListaPortas(b.pasta(), b.byId()), QStringList{QStringLiteral("2")});

        b.adaptador(QStringLiteral("usb-Box_1-if00"), QStringLiteral("/dev/zero"));
        QCOMPARE(MapaPortas::ListaPortas(b.pasta(), b.byId()), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
        QCOMPARE(MapaPortas::RegistraAdaptadores(b.pasta(), b.byId()), QList<int>());
    }

    void adaptadorJaLigadoAMaoNaoRecebeOutroNumero() {
        Bancada b;
        b.liga(4, QStringLiteral("/dev/zero"));
        b.adaptador(QStringLiteral("usb-FTDI-if00"), QStringLiteral("/dev/zero"));
        QCOMPARE(MapaPortas::RegistraAdaptadores(b.pasta(), b.byId()), QList<int>());
        QCOMPARE(MapaPortas::ListaPortas(b.pasta(), b.byId()), QStringList{QStringLiteral("4")});
    }

    void mapaCheioNaoRecebeMais() {
        Bancada b;
        for (int n = 1; n <= MapaPortas::MaiorPorta; ++n)
            b.liga(n, QDir(b.byId()).filePath(QStringLiteral("ausente-%1").arg(n)));
        b.adaptador(QStringLiteral("usb-Novo-if00"), QStringLiteral("/dev/zero"));
        QCOMPARE(MapaPortas::RegistraAdaptadores(b.pasta(), b.byId()), QList<int>());
        QVERIFY(!QFileInfo::exists(QDir(b.pasta()).filePath(QStringLiteral("ports/COM31"))));
    }

    void semPastaDeAdaptadoresSoSondaOMapa() {
        Bancada b;
        b.liga(5, QStringLiteral("/dev/null"));
        QCOMPARE(MapaPortas::ListaPortas(b.pasta(), b.dir.filePath(QStringLiteral("nao-existe"))),
                 QStringList{QStringLiteral("5")});
    }
};

QTEST_GUILESS_MAIN(TstPortas)
#include "tst_portas.moc"
