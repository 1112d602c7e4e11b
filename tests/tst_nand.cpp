// The NAND tests: the hexadecimal size reading, the capacity classes, the marker words and the
// 7001-character rule as tables; the screen against the simulated BOX for a healthy flash (size class,
// identification, information, the long configuration read copied live, the NAND rails handed to the
// VCore screen), a flash that answers ERROR and a missing configuration driver, the refusals and the
// server page.

#include "Apoio.h"

#include "app/Inicial.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "devicetests/Nand.h"
#include "devicetests/NandParse.h"
#include "link/Enlace.h"
#include "rails/ModeloGradeRail.h"
#include "rails/VCores.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>
#include <cmath>

using namespace tarsel;
using NandParse::Veredito;

Q_DECLARE_METATYPE(NandParse::Veredito)

namespace {

constexpr int Espera = 30000; // ms

// A size answer as the screen gets it: the echo's line ends, the shell's lines and its prompt.
QString respostaTamanho(const QString& hex) {
    return QStringLiteral("\r\n\r\r\nNAND self check Passed\r\nNAND capacity in KiB: ") + hex +
           QStringLiteral("\r\n[913D1090:0000397F] :-) ");
}

// A test answer of exactly `tamanho` characters holding `texto`.
QString resposta(const QString& texto, int tamanho) {
    return texto + QString(tamanho - int(texto.size()), u'.');
}

} // namespace

class TesteNand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { globais().IdiomaAtual = 1; }

    void leituraHexadecimal_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("n");
        QTest::newRow("3B9ACA0 is 62") << "3B9ACA0" << 62.0;
        QTest::newRow("blanks and x count 0") << " 0x3B9ACA0" << 62.0;
        QTest::newRow("small letters count 0: 3b9aca0 reads less") << "3b9aca0" << 50.0;
        QTest::newRow("small letters can drop a class: ee6b28") << "ee6b28" << 0.0;
        QTest::newRow("digits only") << "1000000" << 16.0;
        QTest::newRow("under a million") << "F423F" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        // Only the last 51 characters weigh: the 52nd from the end is dropped.
        QTest::newRow("51 characters count") << "1" + QString(50, u'0') << std::floor(std::pow(16.0, 50) / 1e6);
        QTest::newRow("the 52nd from the end does not") << "1" + QString(51, u'0') << 0.0;
    }
    void leituraHexadecimal() {
        QFETCH(QString, texto);
        QFETCH(double, n);
        QCOMPARE(NandParse::LeHexadecimal(texto), n);
    }

    void classes_data() {
        QTest::addColumn<double>("n");
        QTest::addColumn<QString>("texto");
        const QList<std::tuple<int, int, const char*>> classes = {
            {7, 12, "8 GB"},     {14, 20, "16 GB"},    {22, 39, "32 GB"},    {46, 79, "64 GB"},
            {81, 139, "128 GB"}, {191, 349, "256 GB"}, {351, 699, "512 GB"}, {701, 1299, "1024 GB"},
        };
        for (const auto& [de, ate, texto] : classes) {
            QTest::addRow("%d is %s", de, texto) << double(de) << QString::fromLatin1(texto);
            QTest::addRow("%d is %s", ate, texto) << double(ate) << QString::fromLatin1(texto);
            QTest::addRow("%d is a gap", de - 1) << double(de - 1) << QStringLiteral("%1 GB APROX.").arg(de - 1);
        }
        QTest::newRow("1300 is past the table") << 1300.0 << "1300 GB APROX.";
        QTest::newRow("140 falls in a gap") << 140.0 << "140 GB APROX.";
        QTest::newRow("0") << 0.0 << "0 GB APROX.";
    }
    void classes() {
        QFETCH(double, n);
        QFETCH(QString, texto);
        QCOMPARE(NandParse::ClasseCapacidade(n), texto);
    }

    void capacidade_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QString>("capacidade"); // empty: nothing shown
        QTest::newRow("64 GB from 0x3B9ACA0") << respostaTamanho("0x3B9ACA0") << "64 GB";
        QTest::newRow("16 GB board") << respostaTamanho("0xEE6B28") << "16 GB";
        QTest::newRow("128 GB board") << respostaTamanho("0x7735940") << "128 GB";
        QTest::newRow("256 GB board") << respostaTamanho("0xEE6B280") << "256 GB";
        QTest::newRow("small letters read smaller") << respostaTamanho("0xee6b280") << "0 GB APROX.";
        QTest::newRow("only the prompt has a colon: nothing")
            << QStringLiteral("\r\nNAND capacity 3B9ACA0\r\n[913D1090:0000397F] :-) ") << "";
        QTest::newRow("40 characters: not read") << QStringLiteral("size: 3B9ACA0\r\n[913D1090:00003] :-) ") << "";
        QTest::newRow("no prompt (cut short)")
            << QStringLiteral("\r\n\r\r\nNAND capacity in KiB: 0x3B9ACA0\r\nNAND capacity in KiB: 0x3B9") << "";
        QTest::newRow("prompt before the colon")
            << QStringLiteral("[913D1090:0000397F] :-) \r\nNAND capacity in KiB 0x3B9ACA0 and more") << "";
        QTest::newRow("ERROR is not a capacity")
            << QStringLiteral(
                   "\r\n\r\r\nnand: ERROR controller did not answer (status 0x0B)\r\n[913D1090:0000397F] :-) ")
            << "";
        QTest::newRow("not found is not a capacity")
            << QStringLiteral("\r\n\r\r\nnand: option not found\r\n[913D1090:0000397F] :-) ") << "";
        QTest::newRow("no hexadecimal digit at all")
            << QStringLiteral("\r\n\r\r\nnand size: unknown, try later\r\n[913D1090:0000397F] :-) ") << "";
        QTest::newRow("garbage bytes before the line")
            << QStringLiteral("\r\n\r\r\n\uFFFD\u0001NAND capacity in KiB: 0x3B9ACA0\r\n[913D1090:0000397F] :-) ")
            << "64 GB";
    }
    void capacidade() {
        QFETCH(QString, resposta);
        QFETCH(QString, capacidade);
        QCOMPARE(NandParse::Capacidade(resposta).value_or(QString()), capacidade);
    }

    void julgamento_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<Veredito>("veredito");
        QTest::addColumn<bool>("mensagem");
        QTest::addColumn<bool>("completo");
        const int uid = NandParse::TesteUid, tam = NandParse::TesteTamanho, info = NandParse::TesteInfo,
                  sys = NandParse::TesteSyscfg;
        QTest::newRow("nanduid with Pass")
            << uid << resposta("NAND UID: 6B92AA5B\r\nuid: Pass", 80) << Veredito::Passou << false << true;
        QTest::newRow("nandsize with Passed")
            << tam << resposta("NAND self check Passed", 61) << Veredito::Passou << false << true;
        QTest::newRow("getinfo with name:")
            << info << resposta("nand info:\r\n  vendor name: KESTREL", 90) << Veredito::Passou << false << true;
        QTest::newRow("60 characters: wait") << uid << resposta("Passed", 60) << Veredito::Aguarda << false << true;
        QTest::newRow("empty: wait") << uid << QString() << Veredito::Aguarda << false << true;
        QTest::newRow("lower case pass fails")
            << uid << resposta("uid check passed", 70) << Veredito::Falhou << false << true;
        QTest::newRow("Name: in capitals fails")
            << info << resposta("Vendor Name: KESTREL", 70) << Veredito::Falhou << false << true;
        QTest::newRow("ERROR fails with the message")
            << uid << resposta("nand: ERROR controller did not answer", 81) << Veredito::Falhou << true << true;
        QTest::newRow("not found: not available")
            << info << resposta("nand: option --getinfo not found", 70) << Veredito::NaoDisponivel << false << true;
        QTest::newRow("not found wins over Pass")
            << uid << resposta("Pass ... not found", 70) << Veredito::NaoDisponivel << false << true;
        QTest::newRow("syscfg 7000 characters: no verdict")
            << sys << resposta("SrNm: F17ABCDE", 7000) << Veredito::SemVeredito << false << true;
        QTest::newRow("syscfg 7001 characters: passed")
            << sys << resposta("SrNm: F17ABCDE", 7001) << Veredito::Passou << false << true;
        QTest::newRow("syscfg markers do not count")
            << sys << resposta("Passed name:", 300) << Veredito::SemVeredito << false << true;
        QTest::newRow("syscfg driver missing: failed, status only")
            << sys << resposta("syscfg: opening\r\nSystemConfig Driver is missing!", 93) << Veredito::Falhou << true
            << false;
        QTest::newRow("syscfg long enough wins over the driver note")
            << sys << resposta("SystemConfig Driver is missing!", 7001) << Veredito::Passou << false << true;
        QTest::newRow("syscfg not found")
            << sys << resposta("syscfg: list not found", 100) << Veredito::NaoDisponivel << false << true;
        QTest::newRow("syscfg 60 characters: wait")
            << sys << resposta("Driver is missing!", 60) << Veredito::Aguarda << false << true;
    }
    void julgamento() {
        QFETCH(int, tipo);
        QFETCH(QString, resposta);
        QFETCH(Veredito, veredito);
        QFETCH(bool, mensagem);
        QFETCH(bool, completo);
        const NandParse::Julgamento j = NandParse::Julga(tipo, resposta);
        QCOMPARE(j.veredito, veredito);
        QCOMPARE(j.mensagemErro, mensagem);
        QCOMPARE(j.completo, completo);
    }

    void comandos_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("legenda");
        QTest::addColumn<bool>("aoVivo");
        QTest::newRow("0") << 0 << "nanduid"
                           << "Identificação Única NAND" << false;
        QTest::newRow("1") << 1 << "nandsize"
                           << "Tamanho da Nand" << false;
        QTest::newRow("2") << 2 << "nand --getinfo"
                           << "Informações da NAND" << false;
        QTest::newRow("3") << 3 << "syscfg list"
                           << "Test Nand / Leitura Syscfg" << true;
        QTest::newRow("4: the rails, no command") << 4 << ""
                                                  << "Tensões NAND" << false;
        QTest::newRow("not a test") << 5 << ""
                                    << "" << false;
    }
    void comandos() {
        QFETCH(int, tipo);
        QFETCH(QString, comando);
        QFETCH(QString, legenda);
        QFETCH(bool, aoVivo);
        QCOMPARE(NandParse::Comando(tipo), comando);
        QCOMPARE(NandParse::Legenda(tipo), legenda);
        QCOMPARE(NandParse::CopiaAoVivo(tipo), aoVivo);
    }

    void recusaNaFamilia_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("familia");
        QTest::addColumn<bool>("recusado");
        for (const char* f : {"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus"})
            QTest::addRow("information on %s", f) << 2 << f << true;
        QTest::newRow("information on IP 7") << 2 << "IP 7" << false;
        QTest::newRow("information on IP X") << 2 << "IP X" << false;
        QTest::newRow("identification on IP 6") << 0 << "IP 6" << false;
        QTest::newRow("configuration on IP 6s") << 3 << "IP 6s" << false;
    }
    void recusaNaFamilia() {
        QFETCH(int, tipo);
        QFETCH(QString, familia);
        QFETCH(bool, recusado);
        QCOMPARE(NandParse::RecusadoNaFamilia(tipo, familia), recusado);
    }

    // Disconnected: nothing is asked on opening, a test gives the notice and sends nothing.
    void semConexao() {
        teste::BancadaTela<Nand> b(NomeTela::Nand);
        b.principal->Botoes(Botao::Nand)->click();
        Nand* t = b.tela();
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("Testes de Memória NAND - Voltrace Tarsel"));
        QVERIFY(!t->TimerTamanho().isActive());
        t->btBl(0)->click();
        QVERIFY(t->lbAguarde()->isVisible());
        QCOMPARE(t->lbAguarde()->text(), QStringLiteral("Desconectado!"));
        QVERIFY(!t->TimerStatus().isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!t->lbAguarde()->isVisible(), 5000);
    }

    // A healthy 128 GB board: the size class on opening, the identification and information tests, the
    // long configuration read (asked first, copied live, judged by its length) and the NAND rails.
    void placaSaudavel() {
        teste::BancadaTela<Nand> b(NomeTela::Nand);
        QVERIFY(b.conecta(QStringLiteral("A1778")));
        Nand* t = b.abre();
        QVERIFY(t);
        QTRY_COMPARE_WITH_TIMEOUT(t->lbNand()->text(), QStringLiteral("NAND 128 GB"), Espera);
        QTRY_VERIFY(b.principal->enlace().ocioso());

        t->btBl(NandParse::TesteUid)->click();
        QVERIFY(t->TimerStatus().isActive());
        QTRY_VERIFY_WITH_TIMEOUT(t->OK()->isVisible(), Espera);
        QCOMPARE(t->lbStatus()->text(), QStringLiteral("Comunicação OK"));
        QVERIFY(t->lbStatus2()->isVisible());
        QVERIFY(!t->NO()->isVisible());
        QVERIFY(t->txtDados()->toPlainText().contains(QStringLiteral("NAND UID:")));

        // The size test is judged by its marker word and keeps the class shown.
        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btBl(NandParse::TesteTamanho)->click();
        QVERIFY(!t->OK()->isVisible());
        QCOMPARE(t->lbNand()->text(), QStringLiteral("NAND 128 GB"));
        QTRY_VERIFY_WITH_TIMEOUT(t->OK()->isVisible(), Espera);
        QCOMPARE(t->lbNand()->text(), QStringLiteral("NAND 128 GB"));

        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btBl(NandParse::TesteInfo)->click();
        QVERIFY(!t->OK()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(t->OK()->isVisible(), Espera);
        QVERIFY(t->txtDados()->toPlainText().contains(QStringLiteral("vendor name:")));

        // The long read: a question first (titled with the button's caption); No sends nothing.
        QTRY_VERIFY(b.principal->enlace().ocioso());
        b.dialogos.respostas.enqueue(Dialogos::Resposta::Nao);
        t->btBl(NandParse::TesteSyscfg)->click();
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.caixas.at(0).titulo, QStringLiteral("Test Nand / Leitura Syscfg"));
        QCOMPARE(b.dialogos.caixas.at(0).texto, Traduz(QStringLiteral("Processo syscfg")));
        QVERIFY(t->OK()->isVisible());
        QVERIFY(b.principal->enlace().ocioso());

        // While it runs the box grows behind the note: some state of the box holds both.
        bool aoVivo = false;
        const auto conexao = connect(t->txtDados(), &QPlainTextEdit::textChanged, this, [&] {
            const QString texto = t->txtDados()->toPlainText();
            aoVivo = aoVivo || (texto.startsWith(NandParse::TextoEspera()) && texto.contains(QStringLiteral("SrNm:")));
        });
        b.dialogos.respostas.enqueue(Dialogos::Resposta::Sim);
        t->btBl(NandParse::TesteSyscfg)->click();
        QVERIFY(!t->OK()->isVisible());
        QVERIFY(t->txtDados()->toPlainText().startsWith(NandParse::TextoEspera()));
        QTRY_VERIFY_WITH_TIMEOUT(t->OK()->isVisible(), Espera);
        disconnect(conexao);
        QVERIFY(aoVivo);
        const QString lista = t->txtDados()->toPlainText();
        QVERIFY2(!lista.contains(NandParse::TextoEspera()), qPrintable(lista.left(200)));
        QVERIFY(lista.size() > 7000);
        QVERIFY(lista.contains(QStringLiteral("syscfg: end of list")));
        QCOMPARE(b.dialogos.caixas.size(), 2);

        // The rails: the VCore screen opens on the NAND group and reads.
        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btBl(NandParse::TesteTensoes)->click();
        auto* v = qobject_cast<VCores*>(b.principal->tela(NomeTela::VCores));
        QVERIFY(v);
        QCOMPARE(v->cbICs()->currentText(), QStringLiteral("NAND"));
        QTRY_VERIFY_WITH_TIMEOUT(
            v->leituraFeita() && b.principal->enlace().ocioso() && v->btExecutaLeitura()->isEnabled(), Espera);
        const QAbstractItemModel* grade = v->DBGrid1()->model();
        QCOMPARE(grade->rowCount(), 2); // Buck7 and Ldo2 of the IP 7 core rails
        const int ci = v->Data1()->coluna(QStringLiteral("Ci"));
        for (int i = 0; i < grade->rowCount(); ++i)
            QCOMPARE(grade->index(i, ci).data().toString(), QStringLiteral("NAND"));
    }

    // A flash that answers ERROR and a configuration store without its driver.
    void falhasNand() {
        teste::BancadaTela<Nand> b(NomeTela::Nand);
        QVERIFY(b.conecta(QStringLiteral("A1778"), {QStringLiteral("nand-erro"), QStringLiteral("nand-sem-driver")}));
        Nand* t = b.abre();
        QVERIFY(t);
        // The size answer is an error: no capacity is made up from it.
        QTRY_VERIFY_WITH_TIMEOUT(!t->TimerTamanho().isActive(), Espera);
        QVERIFY(t->txtDados()->toPlainText().contains(QStringLiteral("ERROR")));
        QCOMPARE(t->lbNand()->text(), QString());

        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btBl(NandParse::TesteUid)->click();
        QTRY_VERIFY_WITH_TIMEOUT(t->NO()->isVisible(), Espera);
        QCOMPARE(t->lbStatus()->text(), QStringLiteral("Sem Comunicação"));
        QVERIFY(t->lbStatus2()->isVisible());
        QCOMPARE(t->lbNand()->text(), QStringLiteral("NAND"));
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.caixas.at(0).titulo, QStringLiteral("  Erro Leitura NAND"));

        // A missing driver: the message, the status and the cross, no note.
        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btBl(NandParse::TesteSyscfg)->click(); // the question is answered Yes
        QVERIFY(!t->NO()->isVisible());
        QVERIFY(!t->lbStatus2()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(t->NO()->isVisible(), Espera);
        QCOMPARE(t->lbStatus()->text(), QStringLiteral("Sem Comunicação"));
        QVERIFY(!t->lbStatus2()->isVisible());
        QCOMPARE(b.dialogos.caixas.size(), 3);
        QCOMPARE(b.dialogos.caixas.at(2).titulo, QStringLiteral("  Erro Leitura NAND"));
    }

    // An IP 6 board: the information query is refused before anything is sent; picked by hand as an
    // IP 7, the board's "not found" answer shows as not available.
    void familiaIP6() {
        teste::BancadaTela<Nand> b(NomeTela::Nand);
        QVERIFY(b.conecta(QStringLiteral("A1549")));
        Nand* t = b.abre();
        QVERIFY(t);
        QTRY_COMPARE_WITH_TIMEOUT(t->lbNand()->text(), QStringLiteral("NAND 16 GB"), Espera);
        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btBl(NandParse::TesteInfo)->click();
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.caixas.at(0).texto, QStringLiteral("Esse comando não funciona para IP6/6 Plus/6s/6s Plus"));
        QVERIFY(!t->TimerStatus().isActive());
        QVERIFY(b.principal->enlace().ocioso());

        b.principal->ComboAparelhos()->setCurrentText(QStringLiteral("IP 7"));
        QTRY_VERIFY(b.principal->enlace().ocioso());
        t->btBl(NandParse::TesteInfo)->click();
        QVERIFY(t->TimerStatus().isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!t->TimerStatus().isActive(), Espera);
        QCOMPARE(t->txtDados()->toPlainText(), Traduz(QStringLiteral("Não disponível para 6/6P")));
        QVERIFY(!t->OK()->isVisible());
        QVERIFY(!t->NO()->isVisible());
        QCOMPARE(t->lbStatus()->text(), QString());
    }

    // The restore errors button opens server page 11; the screen speaks the language it opened in, and a
    // language change closes it.
    void paginaServidorEIdioma() {
        teste::ServidorTeste servidor;
        QVERIFY2(servidor.pronto(), qPrintable(servidor.erro()));
        globais().IdiomaAtual = 2;
        teste::BancadaTela<Nand> b(NomeTela::Nand,
                                   QStringLiteral("update Tools set Servidor = '%1'").arg(servidor.base()));
        Nand* t = b.abre();
        globais().IdiomaAtual = 1;
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("NAND Memory Tests - Voltrace Tarsel"));
        QCOMPARE(t->btBl(NandParse::TesteSyscfg)->text(), QStringLiteral("Test Nand / Reading Syscfg"));
        QCOMPARE(t->btPdf()->text(), QStringLiteral("Online Restore Errors"));
        teste::CapturaLinks captura;
        t->btPdf()->click();
        QCOMPARE(captura.urls.size(), 1);
        QVERIFY2(captura.urls.at(0).toString().endsWith(QStringLiteral("nand/erros-restauracao")),
                 qPrintable(captura.urls.at(0).toString()));

        // A language change closes the screen; opened again, it speaks the new language.
        QPointer<Nand> aberta(t);
        globais().IdiomaAtual = 3;
        b.principal->fechaTelasParaIdioma();
        QTRY_VERIFY(aberta.isNull());
        Nand* outra = b.abre();
        globais().IdiomaAtual = 1;
        QVERIFY(outra);
        QCOMPARE(outra->windowTitle(), QStringLiteral("Pruebas de Memoria NAND - Voltrace Tarsel"));
        QCOMPARE(outra->btBl(NandParse::TesteTensoes)->text(), QStringLiteral("Tensiones NAND"));
    }
};

QTEST_MAIN(TesteNand)
#include "tst_nand.moc"
