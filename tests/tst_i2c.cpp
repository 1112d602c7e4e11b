// The I2C screen against the simulated BOX and the stand-in server: one bus of a healthy board (six chips
// on it, the sixth without a mark), a board with a missing chip (the server's notes once per bus), the
// automatic scan of two families (which buses it visits, how it ends), cancelling it, the hint when
// nothing can be sent, the model change, the language change and the diagram button.

#include "Apoio.h"

#include "app/Inicial.h"
#include "base/Globais.h"
#include "devicetests/I2C.h"
#include "link/Enlace.h"
#include "tela/PainelProgresso.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <unistd.h>

using namespace tarsel;

namespace {

constexpr int Espera = 20000;     // ms: one bus
constexpr int EsperaAuto = 60000; // ms: every bus of a board, a second apart

QStringList itens(const QListWidget* lista) {
    QStringList r;
    for (int i = 0; i < lista->count(); ++i)
        r << lista->item(i)->text();
    return r;
}

// Catches the documents the program opens instead of handing them to a viewer.
class CapturaArquivos : public QObject {
    Q_OBJECT
public:
    CapturaArquivos() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "abre"); }
    ~CapturaArquivos() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void abre(const QUrl& url) { urls << url; }
};

// The phone's end of a bare pseudo-terminal, for the answers no healthy or faulty board gives.
class Telefone {
public:
    Telefone(const QString& pasta, int porta) { m_fd = teste::AbreTerminalAparelho(pasta, porta); }
    ~Telefone() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool valido() const { return m_fd >= 0; }
    QByteArray recebido() {
        char buf[512];
        ssize_t n;
        while ((n = ::read(m_fd, buf, sizeof buf)) > 0)
            m_recebido.append(buf, n);
        return m_recebido;
    }
    bool envia(const QByteArray& dados) { return ::write(m_fd, dados.constData(), dados.size()) == dados.size(); }

private:
    int m_fd = -1;
    QByteArray m_recebido;
};

} // namespace

class TesteI2C : public QObject {
    Q_OBJECT

    std::unique_ptr<teste::ServidorTeste> m_servidor;
    QString apontaServidor() const {
        return QStringLiteral("update Tools set Servidor = '%1'").arg(m_servidor->base());
    }

private slots:
    void initTestCase() {
        globais().IdiomaAtual = 1;
        m_servidor = std::make_unique<teste::ServidorTeste>();
        QVERIFY2(m_servidor->pronto(), qPrintable(m_servidor->erro()));
    }
    void cleanupTestCase() { m_servidor.reset(); }
    void init() { globais().IdiomaAtual = 1; }

    void barramentoSaudavel() {
        teste::BancadaTela<I2C> b(NomeTela::I2C, apontaServidor());
        QVERIFY(b.conecta(QStringLiteral("A1778")));
        b.principal->Botoes(Botao::I2C)->click();
        I2C* t = b.tela();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("Testes de Barramento I2C - Voltrace Tarsel"));
        QCOMPARE(t->FrameI2C()->title(), QStringLiteral("Resultado do Teste: IP 7 "));
        QCOMPARE(t->lbDispositivo()->text(), QStringLiteral("IP 7"));
        QCOMPARE(t->btI2C(4)->text(), QStringLiteral("i2c AOP"));
        QVERIFY(t->btI2C(3)->isEnabled());
        QVERIFY(t->btI2C(5)->isHidden());

        t->btI2C(0)->click();
        QVERIFY(t->ProgressBar()->isVisible());
        QVERIFY(!t->btI2C(1)->isEnabled()); // one scan on the line at a time
        QTRY_VERIFY_WITH_TIMEOUT(!t->ProgressBar()->isVisible(), Espera);
        const QString r = t->lbResultado()->text();
        // Six chips on bus 0: all listed, in stored order; the first five with a mark, the sixth without.
        QCOMPARE(r, QStringLiteral("\n\n  0x1A - TRISTAR - U4001 - Comunicação OK"
                                   "\n\n  0x27 - CHESTNUT - U4000 - Comunicação OK"
                                   "\n\n  0x62 - BACKLIGHT 1 - U4020 - Comunicação OK"
                                   "\n\n  0x74 - POWER MANAGER (PM) - U2000 - Comunicação OK"
                                   "\n\n  0x50 - EEPROM - Comunicação OK"
                                   "\n\n  0x8  - SAKONNET - Comunicação OK"));
        for (int k = 0; k < ModuloI2C::VagasIcone; ++k) {
            QVERIFY(t->OK(k)->isVisible());
            QVERIFY(!t->NO(k)->isVisible());
        }
        QVERIFY(t->txtDados()->toPlainText().contains(QStringLiteral("0x8 : ACK")));
        QVERIFY(!t->txtDados()->toPlainText().contains(QStringLiteral("i2c -s 0")));
        QCOMPARE(t->txtDadosI2C()->toPlainText(), QStringLiteral("\n       Nenhuma falha detectada em I2C"));
        QVERIFY(t->FrameResultadoOK()->isVisible());
        QVERIFY(t->btI2C(1)->isEnabled());
        QVERIFY(!t->Timer1().isActive());
        // The manual test adds to the automatic list as well, which stays hidden.
        QVERIFY(!t->FrameAutoI2C()->isVisible());
        QCOMPARE(itens(t->ListView()).mid(0, 2), QStringList({" ", "  I2C 0"}));

        // The next bus starts from a clean slate, and its wait counts from its own start.
        t->btI2C(1)->click();
        QVERIFY(!t->FrameResultadoOK()->isVisible());
        QVERIFY(t->lbResultado()->text().isEmpty());
        QVERIFY(!t->OK(0)->isVisible());
        QCOMPARE(t->contagemEspera(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!t->ProgressBar()->isVisible(), Espera);
        QCOMPARE(t->lbResultado()->text(), QStringLiteral("\n\n  0x74 - ADELYN (POWER MANAGER) - U1801 - Comunicação OK"
                                                          "\n\n  0x75 - TIGRIS - U2101 - Comunicação OK"));
        QVERIFY(t->OK(1)->isVisible());
        QVERIFY(!t->OK(2)->isVisible());
    }

    void chipAusente() {
        teste::BancadaTela<I2C> b(NomeTela::I2C, apontaServidor());
        QVERIFY(b.conecta(QStringLiteral("A1778"), {QStringLiteral("i2c-ausente")}));
        I2C* t = b.abre();
        QVERIFY(t);
        t->btI2C(1)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!t->ProgressBar()->isVisible(), Espera);
        QCOMPARE(t->lbResultado()->text(), QStringLiteral("\n\n  0x74 - ADELYN (POWER MANAGER) - U1801 - Comunicação OK"
                                                          "\n\n  0x75 - TIGRIS - U2101 - Sem Comunicação"));
        QVERIFY(t->OK(0)->isVisible());
        QVERIFY(t->NO(1)->isVisible());
        QVERIFY(!t->OK(1)->isVisible());
        const QString falhas = t->txtDadosI2C()->toPlainText();
        QVERIFY2(falhas.startsWith(QStringLiteral("Possíveis falhas relacionadas ao barramento:\n\nI2C 1:\n"
                                                  "Meça SDA e SCL do barramento 1")),
                 qPrintable(falhas));
        QVERIFY(!falhas.contains(QStringLiteral("<br>")));
        QVERIFY(!t->FrameResultadoOK()->isVisible());
    }

    void autoTesteSaudavel() {
        // "IP 7": buses 0 to 4, bus 4 named AOP; the skipped bus 5 is followed by a hidden one, so the scan
        // ends with the no-failure message.
        teste::BancadaTela<I2C> b(NomeTela::I2C, apontaServidor());
        QVERIFY(b.conecta(QStringLiteral("A1778")));
        I2C* t = b.abre();
        QVERIFY(t);
        t->btAutoTeste()->click();
        QCOMPARE(t->btAutoTeste()->text(), QStringLiteral("Cancelar"));
        QVERIFY(t->FrameAutoI2C()->isVisible());
        QVERIFY(!t->FrameI()->isVisible());
        QVERIFY(!t->btI2C(0)->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(t->btAutoTeste()->text(), QStringLiteral("Auto Teste"), EsperaAuto);
        const QStringList l = itens(t->ListView());
        QCOMPARE(l.filter(QRegularExpression(QStringLiteral("^  (I2C|i2c) "))),
                 QStringList({"  I2C 0", "  I2C 1", "  I2C 2", "  I2C 3", "  i2c AOP"}));
        QCOMPARE(l.filter(QStringLiteral("Comunicação OK")).size(), 6 + 2 + 3 + 3 + 2);
        QVERIFY(l.filter(QStringLiteral("Sem Comunicação")).isEmpty());
        QCOMPARE(l.mid(l.size() - 2), QStringList({"", "  Teste Finalizados"}));
        // Every device line of the list carries its mark, the sixth of bus 0 included.
        QCOMPARE(t->ListView()->item(l.indexOf(QStringLiteral("  0x8  - SAKONNET - Comunicação OK")))->icon().isNull(),
                 false);
        QVERIFY(t->FrameResultadoOK()->isVisible());
        QCOMPARE(t->txtDadosI2C()->toPlainText(), QStringLiteral("\n       Nenhuma falha detectada em I2C"));
        QVERIFY(!t->ProgressBar()->isVisible());
        QVERIFY(t->btI2C(0)->isEnabled());
        QVERIFY(!t->autoAtivo());
    }

    void autoTesteComChipAusente() {
        // "IP 8": buses 1 and 5 are skipped and the scan runs to step 8, which ends it without the
        // no-failure message; the silent boost on bus 6 brings its notes once.
        teste::BancadaTela<I2C> b(NomeTela::I2C, apontaServidor());
        QVERIFY(b.conecta(QStringLiteral("A1863"), {QStringLiteral("i2c-ausente")}));
        I2C* t = b.abre();
        QVERIFY(t);
        QCOMPARE(t->btI2C(6)->text(), QStringLiteral("i2c 0 SMC"));
        QVERIFY(!t->btI2C(1)->isEnabled());
        t->btAutoTeste()->click();
        QTRY_COMPARE_WITH_TIMEOUT(t->btAutoTeste()->text(), QStringLiteral("Auto Teste"), EsperaAuto);
        const QStringList l = itens(t->ListView());
        QCOMPARE(l.filter(QRegularExpression(QStringLiteral("^  (I2C|i2c) "))),
                 QStringList({"  I2C 0", "  I2C 2", "  I2C 3", "  i2c 0 AOP", "  i2c 0 SMC", "  i2c 1 SMC"}));
        QVERIFY(!l.contains(QStringLiteral(" "))); // the later boards list their buses without a gap
        QCOMPARE(l.filter(QStringLiteral("Sem Comunicação")),
                 QStringList({"  0x75 - TPS61280 (VBOOST) - U3100 - Sem Comunicação"}));
        QCOMPARE(l.last(), QStringLiteral("  Teste Finalizados"));
        const QString falhas = t->txtDadosI2C()->toPlainText();
        QCOMPARE(falhas.count(QStringLiteral("I2C 6:")), 1);
        QVERIFY(falhas.startsWith(QStringLiteral("Possíveis falhas relacionadas ao barramento:")));
        QVERIFY(!t->FrameResultadoOK()->isVisible());
    }

    void cancelaAutoTeste() {
        teste::BancadaTela<I2C> b(NomeTela::I2C, apontaServidor());
        QVERIFY(b.conecta(QStringLiteral("A1778")));
        I2C* t = b.abre();
        QVERIFY(t);
        t->btAutoTeste()->click();
        QVERIFY(t->TimerAuto().isActive());
        // Cancelled once the first bus is on the line: its answer is still judged into the list, and
        // nothing more is sent.
        QTRY_VERIFY_WITH_TIMEOUT(t->aguardando(), Espera);
        t->btAutoTeste()->click();
        QCOMPARE(t->btAutoTeste()->text(), QStringLiteral("Auto Teste"));
        QVERIFY(!t->TimerAuto().isActive());
        QVERIFY(!t->ProgressBar()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!t->aguardando(), Espera);
        QTRY_VERIFY_WITH_TIMEOUT(b.principal->enlace().ocioso(), Espera);
        QVERIFY(t->btI2C(0)->isEnabled());
        const QStringList l = itens(t->ListView());
        QCOMPARE(l.filter(QRegularExpression(QStringLiteral("^  (I2C|i2c) "))), QStringList({"  I2C 0"}));
        QVERIFY(!l.contains(QStringLiteral("  Teste Finalizados")));
        QVERIFY(!t->FrameResultadoOK()->isVisible());
    }

    void respostasMalFormadas() {
        // A phone that says nothing gets no verdict on its chips; one whose answer is garbage and cut
        // short gets the chips judged on what came, and with the server down the bus header still names
        // the bus.
        teste::PastaPrograma pasta;
        teste::executaSql(pasta.banco(),
                          QStringLiteral("update Tools set Servidor = '%1'").arg(teste::ServidorFechado()));
        DialogosRoteiro dialogos;
        Telefone fone(pasta.caminho(), 5);
        QVERIFY(fone.valido());
        teste::ContextoTeste contexto;
        contexto.link.abre(5, pasta.caminho());
        contexto.link.defineEstado(EstadoEnlace::Ocioso);
        I2C t(contexto);
        t.show();

        t.btI2C(1)->click();
        QTRY_VERIFY(fone.recebido().contains("i2c -s 1\r"));
        QTRY_VERIFY_WITH_TIMEOUT(!t.aguardando(), Espera);
        QCOMPARE(t.lbResultado()->text(), QStringLiteral("\n\n  O aparelho não respondeu à leitura do barramento."));
        QVERIFY(!t.OK(0)->isVisible() && !t.NO(0)->isVisible());
        QVERIFY(t.txtDadosI2C()->toPlainText().isEmpty());
        QVERIFY(!t.FrameResultadoOK()->isVisible());
        QVERIFY(!t.ProgressBar()->isVisible());

        QTRY_VERIFY(contexto.link.ocioso());
        t.btI2C(1)->click();
        QTRY_VERIFY(fone.recebido().count("i2c -s 1\r") == 2);
        static const char resposta[] = "i2c -s 1\r\n\xff\x00\x81Scanning I2C bus 1...\n\x07\x9f"
                                       "0x74 : ACK\n0x7";
        QVERIFY(fone.envia(QByteArray(resposta, sizeof resposta - 1)));
        QTRY_VERIFY_WITH_TIMEOUT(!t.aguardando(), Espera);
        QCOMPARE(t.lbResultado()->text(), QStringLiteral("\n\n  0x74 - ADELYN (POWER MANAGER) - U1801 - Comunicação OK"
                                                         "\n\n  0x75 - TIGRIS - U2101 - Sem Comunicação"));
        QVERIFY(t.NO(1)->isVisible());
        QCOMPARE(t.txtDadosI2C()->toPlainText(),
                 QStringLiteral("Possíveis falhas relacionadas ao barramento:\n\nI2C 1:\n"));
        QVERIFY(dialogos.caixas.isEmpty());
    }

    void tabelaIlegivel() {
        // The device list cannot be read: one error box, the bar stops and the automatic scan goes no further.
        teste::PastaPrograma pasta;
        teste::executaSql(pasta.banco(), QStringLiteral("drop table i"));
        DialogosRoteiro dialogos;
        Telefone fone(pasta.caminho(), 5);
        QVERIFY(fone.valido());
        teste::ContextoTeste contexto;
        contexto.link.abre(5, pasta.caminho());
        contexto.link.defineEstado(EstadoEnlace::Ocioso);
        I2C t(contexto);
        t.show();
        t.btAutoTeste()->click();
        QTRY_VERIFY_WITH_TIMEOUT(fone.recebido().contains("i2c -s 0\r"), Espera);
        QVERIFY(fone.envia("i2c -s 0\r\nScanning I2C bus 0...\n0x1A : ACK\n[0A1B2C3D:4E5F6071] :-) "));
        QTRY_COMPARE_WITH_TIMEOUT(dialogos.caixas.size(), 1, Espera);
        QCOMPARE(dialogos.caixas[0].icone, Dialogos::Icone::Critico);
        QVERIFY(!t.autoAtivo());
        QVERIFY(!t.TimerAuto().isActive());
        QVERIFY(!t.ProgressBar()->isVisible());
        QCOMPARE(t.btAutoTeste()->text(), QStringLiteral("Auto Teste"));
        QTRY_VERIFY(contexto.link.ocioso());
        QVERIFY(t.btI2C(0)->isEnabled());
        QCOMPARE(fone.recebido().count("i2c -s"), 1);
    }

    void semConexao() {
        teste::BancadaTela<I2C> b(NomeTela::I2C, apontaServidor());
        I2C* t = b.abre();
        QVERIFY(t);
        t->btI2C(0)->click();
        QVERIFY(t->lbAguarde()->isVisible());
        QCOMPARE(t->lbAguarde()->text(), QStringLiteral("Desconectado!"));
        QVERIFY(!t->aguardando());
        QVERIFY(!t->Timer1().isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!t->lbAguarde()->isVisible(), 5000);
        t->btAutoTeste()->click();
        QVERIFY(!t->autoAtivo());
        QCOMPARE(t->btAutoTeste()->text(), QStringLiteral("Auto Teste"));
        QVERIFY(t->lbAguarde()->isVisible());
    }

    void mudancaDeModelo() {
        // Page 53 of the server decides bus 3 of "IP 7 Plus"; the server down reads as "N".
        teste::BancadaTela<I2C> b(NomeTela::I2C, apontaServidor());
        I2C* t = b.abre();
        QVERIFY(t);
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 7 Plus"));
        QTRY_COMPARE(t->lbDispositivo()->text(), QStringLiteral("IP 7 Plus"));
        QCOMPARE(t->FrameI2C()->title(), QStringLiteral("Resultado do Teste: IP 7 Plus "));
        QVERIFY(t->btI2C(3)->isEnabled());
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP X"));
        QTRY_COMPARE(t->btI2C(4)->text(), QStringLiteral("i2c 0 AOP"));
        QVERIFY(!t->btI2C(1)->isEnabled() && !t->btI2C(2)->isEnabled());
        QVERIFY(t->btI2C(5)->isEnabled() && !t->btI2C(5)->isHidden());
        teste::executaSql(b.pasta.banco(),
                          QStringLiteral("update Tools set Servidor = '%1'").arg(teste::ServidorFechado()));
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 7 Plus"));
        QTRY_COMPARE(t->btI2C(4)->text(), QStringLiteral("i2c AOP"));
        QVERIFY(!t->btI2C(3)->isEnabled());
        QVERIFY(!t->btI2C(3)->isHidden());
        QVERIFY(t->btI2C(7)->isHidden());
    }

    void idiomaFechaETraduz() {
        teste::BancadaTela<I2C> b(NomeTela::I2C, apontaServidor());
        QPointer<I2C> t = b.abre();
        QVERIFY(t);
        b.principal->fechaTelasParaIdioma();
        QTRY_VERIFY(t.isNull());
        QVERIFY(!globais().telaAberta(NomeTela::I2C));
        globais().IdiomaAtual = 2;
        t = b.abre();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("I2C Bus Tests - Voltrace Tarsel"));
        QCOMPARE(t->btPdf()->text(), QStringLiteral("View PDF Diagram"));
        QCOMPARE(t->FrameAutoI2C()->title(), QStringLiteral("Auto Test Result:"));
        QCOMPARE(t->btAutoTeste()->text(), QStringLiteral("Auto Test"));
    }

    void diagrama() {
        teste::BancadaTela<I2C> b(NomeTela::I2C, apontaServidor());
        CapturaArquivos captura;
        I2C* t = b.abre();
        QVERIFY(t);
        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 6s Plus"));
        QTRY_COMPARE(t->lbDispositivo()->text(), QStringLiteral("IP 6s Plus"));
        // The temporary program folder has no documents: a message naming the file, nothing opened.
        t->btPdf()->click();
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QVERIFY(b.dialogos.caixas[0].texto.startsWith(QStringLiteral("Documento não encontrado:")));
        QVERIFY(b.dialogos.caixas[0].texto.contains(QStringLiteral("xA9.pdf")));
        QVERIFY(captura.urls.isEmpty());
        // With the built document in place it opens.
        QVERIFY(QFile::copy(QStringLiteral(TARSEL_PASTA_BIN "/xA9.pdf"), b.pasta.arquivo(QStringLiteral("xA9.pdf"))));
        t->btPdf()->click();
        QCOMPARE(captura.urls, QList<QUrl>{QUrl::fromLocalFile(b.pasta.arquivo(QStringLiteral("xA9.pdf")))});
        QCOMPARE(b.dialogos.caixas.size(), 1);
    }
};

QTEST_MAIN(TesteI2C)
#include "tst_i2c.moc"
