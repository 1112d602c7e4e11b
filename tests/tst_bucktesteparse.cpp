// The buck converter checks: the rows of the "buck" and "buckcheck" answers, the percentage of the
// check command, the per-model note and the saved answer of the comparator.

#include "Apoio.h"

#include "base/DialogosRoteiro.h"
#include "base/ErroVB.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "rails/BuckTesteParse.h"

#include <QtTest>

using namespace tarsel;
using Figura = BuckTesteParse::Figura;

namespace {

const QString Prompt = QStringLiteral("[0A1B2C3D:4E5F6071] :-) ");

// An answer as the console holds it: the first poll's line break, the echo, the lines, the prompt.
QString resposta(const QString& comando, const QStringList& linhas, bool comPrompt = true) {
    QString t = QStringLiteral("\r\n") + comando + QStringLiteral("\r\n");
    for (const QString& l : linhas)
        t += l + QStringLiteral("\r\n");
    if (comPrompt)
        t += Prompt;
    return t;
}

QStringList textos(const QList<BuckTesteParse::Linha>& linhas) {
    QStringList r;
    for (const auto& l : linhas)
        r << l.texto;
    return r;
}

QList<int> figuras(const QList<BuckTesteParse::Linha>& linhas) {
    QList<int> r;
    for (const auto& l : linhas)
        r << int(l.figura);
    return r;
}

QStringList leituraCompleta() {
    const QStringList mv = {"800.000",  "1000.000", "850.290", "1801.600", "1101.410", "1000.900",
                            "1250.620", "900.330",  "0.000",   "2900.000", "1799.490", "1100.000"};
    QStringList l;
    for (int i = 0; i < mv.size(); ++i)
        l << QStringLiteral("buck%1: %2 mV").arg(i).arg(mv.at(i));
    return l;
}

QString linhaTeste(int n, const QString& alvo, const QString& medido, const QString& veredito) {
    return QStringLiteral("buck%1: target %2 mV, measured %3 mV : %4").arg(n).arg(alvo, medido, veredito);
}

QString esperadoTeste(int n, const QString& alvo, const QString& lido, const QString& veredito) {
    return QStringLiteral("   buck%1: Reference: %2 V - Reading:  %3 : %4").arg(n).arg(alvo, lido, veredito);
}

} // namespace

class TstBuckTesteParse : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { globais().IdiomaAtual = 2; }

    void leitura_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QStringList>("esperado");

        QTest::newRow("a full answer is numbered from buck0")
            << resposta("buck", leituraCompleta())
            << QStringList{"   buck0 voltage: 0.800 V", "   buck1 voltage: 1.000 V",  "   buck2 voltage: 0.850 V",
                           "   buck3 voltage: 1.801 V", "   buck4 voltage: 1.101 V",  "   buck5 voltage: 1.000 V",
                           "   buck6 voltage: 1.250 V", "   buck7 voltage: 0.900 V",  "   buck8 voltage: 0.000 V",
                           "   buck9 voltage: 2.900 V", "   buck10 voltage: 1.799 V", "   buck11 voltage: 1.100 V"};
        QTest::newRow("an answer without buck0 is numbered from 1")
            << resposta("buck", {"buck1: 0.000 mV", "buck2: 1050.070 mV", "buck3: 1800.000 mV"})
            << QStringList{"   buck1 voltage: 0.000 V", "   buck2 voltage: 1.050 V", "   buck3 voltage: 1.800 V"};
        QTest::newRow("unnamed lines are counted from 1 when no buck0 is present")
            << resposta("buck", {"out: 700.000 mV", "out: 725.500 mV"})
            << QStringList{"   buck1 voltage: 0.700 V", "   buck2 voltage: 0.725 V"};
        QTest::newRow("lines that only end in LF are read the same")
            << QStringLiteral("\nbuck\nbuck0: 800.000 mV\nbuck1: 1000.000 mV\n") + Prompt
            << QStringList{"   buck0 voltage: 0.800 V", "   buck1 voltage: 1.000 V"};
        QTest::newRow("a whole number of millivolts is converted too")
            << resposta("buck", {"buck0: 1800 mV", "buck1: 45 mV"})
            << QStringList{"   buck0 voltage: 1.800 V", "   buck1 voltage: 0.045 V"};
        QTest::newRow("a negative value keeps its sign")
            << resposta("buck", {"buck0: -12.500 mV"}) << QStringList{"   buck0 voltage: -0.012 V"};
        QTest::newRow("a missing line does not rename the bucks after it")
            << resposta("buck", {"buck0: 800.000 mV", "buck1: 1000.000 mV", "buck3: 1801.600 mV"})
            << QStringList{"   buck0 voltage: 0.800 V", "   buck1 voltage: 1.000 V", "   buck3 voltage: 1.801 V"};
        QTest::newRow("a heading ending in a colon is not a reading")
            << resposta("buck", {"Buck output voltages:", "buck0: 800.000 mV", "buck1: 1000.000 mV"})
            << QStringList{"   buck0 voltage: 0.800 V", "   buck1 voltage: 1.000 V"};
        QTest::newRow("a value the phone could not read is shown as it came, without a unit")
            << resposta("buck", {"buck0: 800.000 mV", "buck1: timeout mV"})
            << QStringList{"   buck0 voltage: 0.800 V", "   buck1 voltage: timeout"};
        QTest::newRow("a line without a value gives no row")
            << resposta("buck", {"buck0:  mV", "buck1: 1000.000 mV"}) << QStringList{"   buck1 voltage: 1.000 V"};
        QTest::newRow("a line cut before its unit ends the list")
            << resposta("buck", {"buck0: 800.000 mV", "buck1: 1000.000 mV", "buck2: 85"}, false)
            << QStringList{"   buck0 voltage: 0.800 V", "   buck1 voltage: 1.000 V"};
        QTest::newRow("garbage bytes between lines are left out")
            << resposta("buck", {"buck0: 800.000 mV", QStringLiteral("\x01\x7f#:%&\x1b[0m"), "buck1: 1000.000 mV"})
            << QStringList{"   buck0 voltage: 0.800 V", "   buck1 voltage: 1.000 V"};
        QTest::newRow("a check answer gives no reading rows")
            << resposta("buckcheck 5", {linhaTeste(0, "800", "801.234", "PASS")}) << QStringList{};
        QTest::newRow("a refused command gives no rows")
            << resposta("buck", {"Command not found: buck"}) << QStringList{};
        QTest::newRow("the prompt alone gives no rows") << resposta("buck", {}) << QStringList{};
        QTest::newRow("an empty answer gives no rows") << QStringLiteral("\r\n") << QStringList{};
        QTest::newRow("an empty text gives no rows") << QString() << QStringList{};
    }

    void leitura() {
        QFETCH(QString, resposta);
        const auto linhas = BuckTesteParse::Analisa(BuckTesteParse::Modo::Leitura, resposta);
        QTEST(textos(linhas), "esperado");
        for (const auto& l : linhas)
            QCOMPARE(l.figura, Figura::Tensao);
    }

    void teste_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QStringList>("esperado");
        QTest::addColumn<QList<int>>("imagens");
        const int passou = int(Figura::Passou);
        const int falhou = int(Figura::Falhou);

        QTest::newRow("a healthy board passes every buck")
            << resposta("buckcheck 5",
                        {linhaTeste(0, "800", "801.234", "PASS"), linhaTeste(1, "1000", "998.100", "PASS"),
                         linhaTeste(10, "1800", "1799.490", "PASS")})
            << QStringList{esperadoTeste(0, "0.800", "0.801 V", "PASS"), esperadoTeste(1, "1.000", "0.998 V", "PASS"),
                           esperadoTeste(10, "1.800", "1.799 V", "PASS")}
            << QList<int>{passou, passou, passou};
        QTest::newRow("a failing buck gets the fail picture")
            << resposta("buckcheck 10",
                        {linhaTeste(1, "1000", "998.100", "PASS"), linhaTeste(2, "850", "12.040", "FAIL")})
            << QStringList{esperadoTeste(1, "1.000", "0.998 V", "PASS"), esperadoTeste(2, "0.850", "0.012 V", "FAIL")}
            << QList<int>{passou, falhou};
        QTest::newRow("an answer without buck0 is numbered from 1")
            << resposta("buckcheck 5",
                        {"target 1000 mV, measured 1001.000 mV : PASS", "target 850 mV, measured 850.290 mV : PASS"})
            << QStringList{esperadoTeste(1, "1.000", "1.001 V", "PASS"), esperadoTeste(2, "0.850", "0.850 V", "PASS")}
            << QList<int>{passou, passou};
        QTest::newRow("a line without its measured value is left out, not paired with the next one")
            << resposta("buckcheck 5", {"buck1: target 1000 mV", linhaTeste(2, "850", "851.000", "PASS")})
            << QStringList{esperadoTeste(2, "0.850", "0.851 V", "PASS")} << QList<int>{passou};
        QTest::newRow("a verdict cut by the end of the line is no pass")
            << resposta("buckcheck 5", {"buck0: target 800 mV, measured 801.000 mV : PA"})
            << QStringList{esperadoTeste(0, "0.800", "0.801 V", "PA")} << QList<int>{falhou};
        QTest::newRow("a verdict other than PASS is no pass")
            << resposta("buckcheck 5",
                        {linhaTeste(0, "800", "801.000", "pass"), linhaTeste(1, "1000", "0.000", "SKIP")})
            << QStringList{esperadoTeste(0, "0.800", "0.801 V", "pass"), esperadoTeste(1, "1.000", "0.000 V", "SKIP")}
            << QList<int>{falhou, falhou};
        QTest::newRow("a measured value the phone could not read is shown as it came")
            << resposta("buckcheck 5", {linhaTeste(9, "2900", "timeout", "FAIL")})
            << QStringList{esperadoTeste(9, "2.900", "timeout", "FAIL")} << QList<int>{falhou};
        QTest::newRow("a line cut before the measured unit ends the list")
            << resposta("buckcheck 5", {linhaTeste(0, "800", "801.000", "PASS"), "buck1: target 1000 mV, measured 99"},
                        false)
            << QStringList{esperadoTeste(0, "0.800", "0.801 V", "PASS")} << QList<int>{passou};
        QTest::newRow("garbage bytes between lines are left out")
            << resposta("buckcheck 5",
                        {linhaTeste(0, "800", "801.000", "PASS"), QStringLiteral("\x02target\x7f mV\x1b"),
                         linhaTeste(1, "1000", "1000.500", "PASS")})
            << QStringList{esperadoTeste(0, "0.800", "0.801 V", "PASS"), esperadoTeste(1, "1.000", "1.000 V", "PASS")}
            << QList<int>{passou, passou};
        QTest::newRow("a reading answer gives no check rows")
            << resposta("buck", leituraCompleta()) << QStringList{} << QList<int>{};
        QTest::newRow("the prompt alone gives no rows") << resposta("buckcheck 5", {}) << QStringList{} << QList<int>{};
        QTest::newRow("an empty text gives no rows") << QString() << QStringList{} << QList<int>{};
    }

    void teste() {
        QFETCH(QString, resposta);
        const auto linhas = BuckTesteParse::Analisa(BuckTesteParse::Modo::Teste, resposta);
        QTEST(textos(linhas), "esperado");
        QTEST(figuras(linhas), "imagens");
    }

    void linhaDeTesteNoIdiomaDoUsuario_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("Portuguese") << 1 << "   buck3: Referência: 1.800 V - Leitura:  1.801 V : PASS";
        QTest::newRow("English") << 2 << "   buck3: Reference: 1.800 V - Reading:  1.801 V : PASS";
        QTest::newRow("Spanish") << 3 << "   buck3: Referencia: 1.800 V - Lectura:  1.801 V : PASS";
    }

    void linhaDeTesteNoIdiomaDoUsuario() {
        QFETCH(int, idioma);
        globais().IdiomaAtual = quint8(idioma);
        const auto linhas =
            BuckTesteParse::AnalisaTeste(resposta("buckcheck 5", {linhaTeste(3, "1800", "1801.600", "PASS")}));
        globais().IdiomaAtual = 2;
        QCOMPARE(linhas.size(), 1);
        QTEST(linhas.first().texto, "esperado");
    }

    void tensaoAlvo_data() {
        QTest::addColumn<QString>("milivolts");
        QTest::addColumn<QString>("volts");
        QTest::newRow("one digit") << "5"
                                   << "0.005";
        QTest::newRow("two digits") << "45"
                                    << "0.045";
        QTest::newRow("three digits") << "800"
                                      << "0.800";
        QTest::newRow("four digits") << "1100"
                                     << "1.100";
        QTest::newRow("five digits are cut to five characters") << "12000"
                                                                << "12.00";
        QTest::newRow("a longer text stays as it is, cut") << "123456"
                                                           << "12345";
        QTest::newRow("a target with decimals is converted") << "1800.50"
                                                             << "1.800";
        QTest::newRow("an empty target is padded") << ""
                                                   << "     ";
    }

    void tensaoAlvo() {
        QFETCH(QString, milivolts);
        QTEST(BuckTesteParse::TensaoAlvo(milivolts), "volts");
    }

    void comandoTeste_data() {
        QTest::addColumn<QString>("porcentagem");
        QTest::addColumn<QString>("comando"); // empty: nothing is sent
        QTest::newRow("the first item with its blank") << " 5"
                                                       << "buckcheck 5";
        QTest::newRow("a two-digit item") << "30"
                                          << "buckcheck 30";
        QTest::newRow("the lowest percentage") << "1"
                                               << "buckcheck 1";
        QTest::newRow("the highest percentage") << "99"
                                                << "buckcheck 99";
        QTest::newRow("blanks inside are removed") << " 1 5 "
                                                   << "buckcheck 15";
        QTest::newRow("leading zeros are dropped") << "07"
                                                   << "buckcheck 7";
        QTest::newRow("zero is refused") << "0"
                                         << "";
        QTest::newRow("a hundred is refused") << "100"
                                              << "";
        QTest::newRow("a negative percentage is refused") << "-5"
                                                          << "";
        QTest::newRow("a fraction is refused") << "5.5"
                                               << "";
        QTest::newRow("a fraction with a comma is refused") << "5,5"
                                                            << "";
        QTest::newRow("letters are refused") << "abc"
                                             << "";
        QTest::newRow("an empty text is refused") << ""
                                                  << "";
        QTest::newRow("a huge number is refused") << "99999999999999999999"
                                                  << "";
    }

    void comandoTeste() {
        QFETCH(QString, porcentagem);
        QFETCH(QString, comando);
        const auto c = BuckTesteParse::ComandoTeste(porcentagem);
        QCOMPARE(c.has_value(), !comando.isEmpty());
        if (c)
            QCOMPARE(*c, comando);
    }

    void processavel_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<bool>("processa");
        QTest::newRow("an answer that reaches the prompt") << resposta("buck", leituraCompleta()) << true;
        QTest::newRow("an answer cut before the prompt") << resposta("buck", leituraCompleta(), false) << false;
        QTest::newRow("an empty answer") << QStringLiteral("\r\n") << false;
        QTest::newRow("an empty text") << QString() << false;
    }

    void processavel() {
        QFETCH(QString, resposta);
        QTEST(BuckTesteParse::Processavel(resposta), "processa");
    }

    void notaBucks_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("nota");
        const QString var3 = "* GPU ( BUCK 1 / 8 ) e * CÂMERA NÃO APRESENTAM VALORES EM MODO PURPLE";
        const QString var4 =
            "* GPU ( BUCK 1 / 8 ), * CÂMERA e * CPU 8/X (BUCK 0 CORRENTE) NÃO APRESENTAM VALORES EM MODO PURPLE";
        QTest::newRow("IP 6 lists buck1 and buck6 and warns about the buck1 verdict")
            << 1 << "IP 6"
            << "\r\n   buck1 = GPU = 0.000 V\r\n   buck6 = NC = 0.000 V\r\n\r\n   * Atenção: IP 6 / IP 6 Plus sempre "
               "apresenta resultado como 'FAIL' no buck1, mesmo estando OK, se tratar de malha de GPU.\r\n\r\n   " +
                   var3;
        QTest::newRow("IP 6s Plus lists buck1, buck8 and the camera buck6")
            << 1 << "IP 6s Plus"
            << "\r\n   buck1 = GPU = 0.000 V\r\n   buck8 = GPU = 0.000 V\r\n   buck6 = CAMERA = 0.000 V\r\n\r\n   " +
                   var3;
        QTest::newRow("IP 7 Plus lists buck1, buck8 and buck9 and ends with VAR3")
            << 1 << "IP 7 Plus"
            << "\r\n   buck1 = GPU = 0.000 V\r\n   buck8 = GPU = 0.000 V\r\n   buck9 = CAMERA = 0.000 V\r\n\r\n   " +
                   var3;
        QTest::newRow("IP 8 Plus lists the GPU bucks and ends with VAR4")
            << 1 << "IP 8 Plus"
            << "\r\n   buck1 = GPU = 0.000 V\r\n   buck8 = GPU = 0.000 V\r\n\r\n   " + var4;
        QTest::newRow("IP X ends with VAR4")
            << 1 << "IP X"
            << "\r\n   buck1 = GPU = 0.000 V\r\n   buck8 = GPU = 0.000 V\r\n\r\n   " + var4;
        QTest::newRow("an unknown model has only the remark") << 1 << "IP 5"
                                                              << "\r\n\r\n   " + var3;
        QTest::newRow("the model is matched exactly") << 1 << "ip 7"
                                                      << "\r\n\r\n   " + var3;
        QTest::newRow("English remark") << 2 << "IP 8"
                                        << "\r\n   buck1 = GPU = 0.000 V\r\n   buck8 = GPU = 0.000 V\r\n\r\n   " +
                                               TextoTraducao("VAR4", 2).value_or("?");
    }

    void notaBucks() {
        QFETCH(int, idioma);
        QFETCH(QString, modelo);
        globais().IdiomaAtual = quint8(idioma);
        const QString nota = BuckTesteParse::NotaBucks(modelo);
        globais().IdiomaAtual = 2;
        QTEST(nota, "nota");
    }

    void dadosGravados_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("dados");
        QTest::newRow("the saved answer of the model and command") << "IP 7"
                                                                   << "buck"
                                                                   << "gravado buck IP 7";
        QTest::newRow("the other command of the same model") << "IP 7"
                                                             << "buckcheck 5"
                                                             << "gravado check IP 7";
        QTest::newRow("the same command of another model") << "IP X"
                                                           << "buck"
                                                           << "gravado buck IP X";
        QTest::newRow("model and command compare without case") << "ip 7"
                                                                << "BUCK"
                                                                << "gravado buck IP 7";
        QTest::newRow("the first of two rows") << "IP 8"
                                               << "buck"
                                               << "primeiro";
        QTest::newRow("a percentage nobody saved") << "IP 7"
                                                   << "buckcheck 10"
                                                   << "";
        QTest::newRow("a model without saved answers") << "IP 6"
                                                       << "buck"
                                                       << "";
        QTest::newRow("the placeholder model selects nothing") << "xx"
                                                               << "buck"
                                                               << "";
        QTest::newRow("a quote in the command is only a character") << "IP 7"
                                                                    << "buck' or '1'='1"
                                                                    << "";
    }

    void dadosGravados() {
        QFETCH(QString, modelo);
        QFETCH(QString, comando);
        teste::PastaPrograma pasta;
        // Only these saved answers, not the ones the database ships with.
        teste::executaSql(pasta.banco(), QStringLiteral("delete from Dados"));
        teste::executaSql(pasta.banco(), QStringLiteral("insert into Dados (Aparelho, Comando, Dados) values "
                                                        "('IP 7', 'buck', 'gravado buck IP 7'), "
                                                        "('IP 7', 'buckcheck 5', 'gravado check IP 7'), "
                                                        "('IP X', 'buck', 'gravado buck IP X'), "
                                                        "('IP 8', 'buck', 'primeiro'), ('IP 8', 'buck', 'segundo')"));
        QTEST(BuckTesteParse::DadosGravados(modelo, comando), "dados");
    }

    void dadosGravadosSemBancoFalha() {
        teste::PastaPrograma pasta(false);
        QVERIFY_THROWS_EXCEPTION(ErroVB, BuckTesteParse::DadosGravados(QStringLiteral("IP 7"), QStringLiteral("buck")));
    }
};

QTEST_GUILESS_MAIN(TstBuckTesteParse)
#include "tst_bucktesteparse.moc"
