// The additional tests: the memory test verdict and commands as tables, and the screen against the
// simulated BOX for a healthy memory (the long test with its live copy) and a failing one, the hint when
// nothing can be sent, the codec switch and the battery shortcut.

#include "Apoio.h"

#include "app/Inicial.h"
#include "base/Globais.h"
#include "devicetests/Adicionais.h"
#include "devicetests/AdicionaisParse.h"
#include "devicetests/Bateria.h"
#include "link/Enlace.h"
#include "tela/PainelProgresso.h"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace tarsel;

namespace {

constexpr int Espera = 30000; // ms

QString semServidor() {
    return QStringLiteral("update Tools set Servidor = '%1'").arg(teste::ServidorFechado());
}

// Catches the documents the program opens instead of starting a viewer.
class CapturaArquivos : public QObject {
    Q_OBJECT
public:
    CapturaArquivos() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "abre"); }
    ~CapturaArquivos() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void abre(const QUrl& url) { urls << url; }
};

const QString GuiaConstruida = QStringLiteral(TARSEL_PASTA_BIN "/xPanicFull.pdf");

} // namespace

class TesteAdicionais : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { globais().IdiomaAtual = 1; }

    void veredito_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<int>("esperado"); // -1 none, 0 fail, 1 pass
        const QString longo = QStringLiteral("memory test: 8 patterns\r\npattern 0x00000000: ");
        QTest::newRow("Passed, long enough") << longo + "Passed" << 1;
        QTest::newRow("Pass alone") << longo + "Pass" << 1;
        QTest::newRow("lower case only") << longo + "passed" << 0;
        QTest::newRow("failed") << longo + "Failed at 0x812A4C3F0" << 0;
        QTest::newRow("30 characters with Pass: not judged") << QString(26, u'x') + "Pass" << -1;
        QTest::newRow("31 characters with Pass") << QString(27, u'x') + "Pass" << 1;
        QTest::newRow("empty") << QString() << -1;
    }
    void veredito() {
        QFETCH(QString, resposta);
        QFETCH(int, esperado);
        const auto v = AdicionaisParse::Veredito(resposta);
        QCOMPARE(v ? int(*v) : -1, esperado);
    }

    void comandos_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("legenda");
        QTest::addColumn<bool>("aoVivo");
        QTest::newRow("5") << 5 << "testmemory"
                           << "MEM RAM Teste" << false;
        QTest::newRow("6") << 6 << "testmemory --1MB"
                           << "MEM RAM Teste 1MB" << true;
        QTest::newRow("not a test") << 4 << ""
                                    << "" << false;
    }
    void comandos() {
        QFETCH(int, indice);
        QFETCH(QString, comando);
        QFETCH(QString, legenda);
        QFETCH(bool, aoVivo);
        QCOMPARE(AdicionaisParse::Comando(indice), comando);
        QCOMPARE(AdicionaisParse::Legenda(indice), legenda);
        QCOMPARE(AdicionaisParse::CopiaAoVivo(indice), aoVivo);
    }

    // The build writes the panic guide into the program folder: a real PDF whose text reads back, each
    // language from its own page, Portuguese first.
    void guiaPanicConstruida() {
        QFile pdf(GuiaConstruida);
        QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(GuiaConstruida));
        QVERIFY(pdf.read(5) == "%PDF-");
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-enc"), QStringLiteral("UTF-8"), GuiaConstruida, QStringLiteral("-")});
        QVERIFY2(p.waitForFinished(30000), "pdftotext (poppler-utils, scripts/setup.sh) did not run");
        QCOMPARE(p.exitCode(), 0);
        const QString texto = QString::fromUtf8(p.readAllStandardOutput());
        const QStringList paginas = texto.split(u'\f', Qt::SkipEmptyParts);
        QVERIFY2(paginas.size() >= 3, qPrintable(texto.left(500)));
        const qsizetype pt = texto.indexOf(QStringLiteral("Guia de leitura de panics"));
        const qsizetype en = texto.indexOf(QStringLiteral("Reading panic logs"));
        const qsizetype es = texto.indexOf(QStringLiteral("Guía de lectura de panics"));
        QVERIFY2(pt >= 0 && en > pt && es > en, qPrintable(texto.left(500)));
        QVERIFY(paginas.first().contains(QStringLiteral("Guia de leitura de panics")));
        QVERIFY(!paginas.first().contains(QStringLiteral("Reading panic logs")));
        QCOMPARE(texto.count(QStringLiteral("panicString")), 3);
        for (const char* t : {"O que verificar na placa", "What to check on the board", "Qué verificar en la placa"})
            QVERIFY2(texto.contains(QString::fromUtf8(t)), t);
    }

    // The guide's button opens the document of the program folder; without it, a message says where it
    // was looked for and nothing opens.
    void botaoGuiaPanic() {
        teste::BancadaTela<Adicionais> b(NomeTela::Outros, semServidor());
        Adicionais* t = b.abre();
        QVERIFY(t);
        QCOMPARE(t->btPanicFull()->text(), QStringLiteral("PDF Panic Full"));
        const QString destino = b.pasta.arquivo(QStringLiteral("xPanicFull.pdf"));
        CapturaArquivos captura;
        t->btPanicFull()->click();
        QVERIFY(captura.urls.isEmpty());
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QVERIFY(b.dialogos.caixas.at(0).texto.startsWith(QStringLiteral("Documento não encontrado:")));
        QVERIFY(b.dialogos.caixas.at(0).texto.endsWith(QStringLiteral("xPanicFull.pdf")));

        QVERIFY(QFile::copy(GuiaConstruida, destino));
        t->btPanicFull()->click();
        QCOMPARE(captura.urls, QList<QUrl>{QUrl::fromLocalFile(destino)});
        QCOMPARE(b.dialogos.caixas.size(), 1);
    }

    void semConexaoAvisoECodecOculto() {
        teste::BancadaTela<Adicionais> b(NomeTela::Outros, semServidor());
        b.principal->Botoes(Botao::Adicionais)->click();
        Adicionais* t = b.tela();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("Testes Adicionais - Voltrace Tarsel"));
        // The server cannot be reached: no switch, no codec button.
        QTRY_VERIFY_WITH_TIMEOUT(t->codecVerificado(), 10000);
        QVERIFY(t->btCodec()->isHidden());
        t->btBl(5)->click();
        QVERIFY(t->lbAguarde()->isVisible());
        QCOMPARE(t->lbAguarde()->text(), QStringLiteral("Desconectado!"));
        QVERIFY(!t->TimerStatus().isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!t->lbAguarde()->isVisible(), 5000);
    }

    void codecLigadoPeloServidor() {
        teste::ServidorTeste servidor;
        QVERIFY2(servidor.pronto(), qPrintable(servidor.erro()));
        teste::BancadaTela<Adicionais> b(NomeTela::Outros,
                                         QStringLiteral("update Tools set Servidor = '%1'").arg(servidor.base()));
        Adicionais* t = b.abre();
        QVERIFY(t);
        // The switch is read once, shortly after opening; the button stays.
        QTRY_VERIFY_WITH_TIMEOUT(t->codecVerificado(), 10000);
        QVERIFY(t->btCodec()->isVisible());
        t->btCodec()->click();
        QTRY_VERIFY(b.principal->tela(NomeTela::Codec));
    }

    void ram1MBSaudavelComCopiaAoVivo() {
        teste::BancadaTela<Adicionais> b(NomeTela::Outros, semServidor());
        QVERIFY(b.conecta(QStringLiteral("A1778")));
        Adicionais* t = b.abre();
        QVERIFY(t);
        t->btBl(6)->click();
        QVERIFY(t->TimerStatus().isActive());
        // While it runs the box starts with the wait note.
        QVERIFY(t->txtDados()->toPlainText().startsWith(AdicionaisParse::TextoEspera().trimmed()));
        QTRY_VERIFY_WITH_TIMEOUT(t->OK()->isVisible(), Espera);
        QCOMPARE(t->lbStatus()->text(), QStringLiteral("Comunicação OK"));
        QCOMPARE(t->lbIC()->text(), QStringLiteral("RAM"));
        QVERIFY(t->lbStatus2()->isVisible());
        QVERIFY(!t->NO()->isVisible());
        // Finished, the box holds the answer alone, and the known-good board's answer is beside it.
        const QString dados = t->txtDados()->toPlainText();
        QVERIFY2(!dados.contains(AdicionaisParse::TextoEspera().trimmed()), qPrintable(dados));
        QVERIFY(dados.contains(QStringLiteral("memory test: Pass")));
        QVERIFY(t->txtComparador()->toPlainText().contains(QStringLiteral("memory test: Pass")));
    }

    void ramFalhaENovoPrazo() {
        teste::BancadaTela<Adicionais> b(NomeTela::Outros, semServidor());
        QVERIFY(b.conecta(QStringLiteral("A1778"), {QStringLiteral("ram-falha")}));
        Adicionais* t = b.abre();
        QVERIFY(t);
        t->btBl(5)->click();
        QTRY_VERIFY_WITH_TIMEOUT(t->NO()->isVisible(), Espera);
        QCOMPARE(t->lbStatus()->text(), QStringLiteral("Sem Comunicação"));
        QVERIFY(!t->OK()->isVisible());
        // A second test clears the verdict and gets its own full time-out.
        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btBl(5)->click();
        QCOMPARE(t->tiques(), 0);
        QVERIFY(!t->NO()->isVisible());
        QCOMPARE(t->lbStatus()->text(), QString());
        QTRY_VERIFY_WITH_TIMEOUT(t->NO()->isVisible(), Espera);
        // The battery shortcut opens the battery screen and closes this one.
        QPointer<Adicionais> aberta(t);
        t->btBateria()->click();
        QVERIFY(b.principal->tela(NomeTela::Bateria));
        QTRY_VERIFY(aberta.isNull());
    }
};

QTEST_MAIN(TesteAdicionais)
#include "tst_adicionais.moc"
