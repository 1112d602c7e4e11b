// The battery figures: the value of each gauge key, the units as shown, the health computation and the
// note when a figure is missing.

#include "base/Globais.h"
#include "devicetests/BateriaParse.h"

#include <QtTest>

using namespace tarsel;

namespace {

const QString Prompt = QStringLiteral("[0A1B2C3D:4E5F6071] :-) ");

// A gauge answer as the console holds it (CR LF line ends, the prompt after the last line).
QString medidor(const QStringList& linhas) {
    QString t = QStringLiteral("\r\ngas gauge:\r\n");
    for (const QString& l : linhas)
        t += QStringLiteral("  ") + l + QStringLiteral("\r\n");
    return t + Prompt;
}

const QStringList Saudavel = {
    QStringLiteral("cycle-count: \"279\""),         QStringLiteral("charge-percentage: \"88\""),
    QStringLiteral("design-capacity: \"1960mAh\""), QStringLiteral("nominal-capacity: \"1500mAh\""),
    QStringLiteral("voltage: \"3968mV\""),          QStringLiteral("current: \"-210mA\""),
    QStringLiteral("temperature: \"31C\""),
};

QStringList sem(const QString& chave) {
    QStringList r;
    for (const QString& l : Saudavel)
        if (!l.startsWith(chave))
            r << l;
    return r;
}

QStringList trocando(const QString& chave, const QString& linha) {
    QStringList r;
    for (const QString& l : Saudavel)
        r << (l.startsWith(chave) ? linha : l);
    return r;
}

} // namespace

class TesteBateriaParse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { globais().IdiomaAtual = 1; }

    void valor_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<bool>("existe");
        QTest::addColumn<QString>("esperado");
        const QString a = medidor(Saudavel);
        QTest::newRow("between quotes") << a << "cycle-count:" << true << "279";
        QTest::newRow("key with unit") << a << "design-capacity:" << true << "1960mAh";
        QTest::newRow("absent key") << medidor(sem("cycle-count:")) << "cycle-count:" << false << "";
        QTest::newRow("key case matters") << a << "Cycle-Count:" << false << "";
        QTest::newRow("line cut short, no line end")
            << QStringLiteral("\r\n  cycle-count: \"27") << "cycle-count:" << false << "";
        QTest::newRow("empty quotes") << medidor({QStringLiteral("cycle-count: \"\"")}) << "cycle-count:" << false
                                      << "";
        QTest::newRow("nothing after the key")
            << medidor({QStringLiteral("cycle-count:")}) << "cycle-count:" << false << "";
        QTest::newRow("value without quotes kept whole")
            << medidor({QStringLiteral("cycle-count: 279")}) << "cycle-count:" << true << "279";
        QTest::newRow("LF-only line ends stop at the line")
            << QStringLiteral("cycle-count: \"279\"\ncharge-percentage: \"88\"\r\n") << "cycle-count:" << true << "279";
        QTest::newRow("garbage bytes around the line")
            << QStringLiteral("\x01\xff  voltage: \"3968mV\"\r\n\x7f") << "voltage:" << true << "3968mV";
    }
    void valor() {
        QFETCH(QString, resposta);
        QFETCH(QString, chave);
        QFETCH(bool, existe);
        QFETCH(QString, esperado);
        const auto v = BateriaParse::Valor(resposta, chave);
        QCOMPARE(v.has_value(), existe);
        if (existe)
            QCOMPARE(*v, esperado);
    }

    void saude_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<bool>("existe");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("1500 of 1960 is 76 %, fraction dropped") << medidor(Saudavel) << true << "76 %";
        QTest::newRow("worn to 99.9 % stays 99") << medidor({QStringLiteral("design-capacity: \"2000mAh\""),
                                                             QStringLiteral("nominal-capacity: \"1998mAh\"")})
                                                 << true << "99 %";
        QTest::newRow("above design") << medidor(trocando("nominal-capacity:", "nominal-capacity: \"2100mAh\"")) << true
                                      << "107 %";
        QTest::newRow("no design capacity") << medidor(sem("design-capacity:")) << false << "";
        QTest::newRow("no present capacity") << medidor(sem("nominal-capacity:")) << false << "";
        QTest::newRow("design capacity zero")
            << medidor(trocando("design-capacity:", "design-capacity: \"0mAh\"")) << true << "";
        QTest::newRow("design capacity not a number")
            << medidor(trocando("design-capacity:", "design-capacity: \"n/amAh\"")) << true << "";
        QTest::newRow("present capacity beyond any integer")
            << medidor(trocando("nominal-capacity:", "nominal-capacity: \"1651111111111111111112mAh\"")) << true << "";
        QTest::newRow("present capacity in another unit")
            << medidor(trocando("nominal-capacity:", "nominal-capacity: \"1.5Ah\"")) << true << "";
    }
    void saude() {
        QFETCH(QString, resposta);
        QFETCH(bool, existe);
        QFETCH(QString, esperado);
        const auto s = BateriaParse::CalculaSaude(resposta);
        QCOMPARE(s.has_value(), existe);
        if (existe)
            QCOMPARE(*s, esperado);
    }

    void organiza_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QStringList>("valores");
        QTest::addColumn<bool>("faltou");
        QTest::newRow("healthy") << medidor(Saudavel) << QStringList{" 76 %",     " 279",     " 88",     " 1960 mAh",
                                                                     " 1500 mAh", " 3968 mV", " -210mA", " 31 C\u00ba"}
                                 << false;
        QTest::newRow("no cycle count") << medidor(sem("cycle-count:"))
                                        << QStringList{" 76 %",     "*",        " 88",     " 1960 mAh",
                                                       " 1500 mAh", " 3968 mV", " -210mA", " 31 C\u00ba"}
                                        << true;
        QTest::newRow("no design capacity: health and its row")
            << medidor(sem("design-capacity:"))
            << QStringList{"*", " 279", " 88", "*", " 1500 mAh", " 3968 mV", " -210mA", " 31 C\u00ba"} << true;
        QTest::newRow("zero design capacity: health empty, no note")
            << medidor(trocando("design-capacity:", "design-capacity: \"0mAh\""))
            << QStringList{"", " 279", " 88", " 0 mAh", " 1500 mAh", " 3968 mV", " -210mA", " 31 C\u00ba"} << false;
        QTest::newRow("nothing usable") << QStringLiteral("\r\nERROR\r\n") + Prompt
                                        << QStringList{"*", "*", "*", "*", "*", "*", "*", "*"} << true;
        QTest::newRow("empty answer") << QString() << QStringList{"*", "*", "*", "*", "*", "*", "*", "*"} << true;
    }
    void organiza() {
        QFETCH(QString, resposta);
        QFETCH(QStringList, valores);
        QFETCH(bool, faltou);
        const BateriaParse::Leitura l = BateriaParse::Organiza(resposta);
        QStringList obtidos(l.valores.begin(), l.valores.end());
        QCOMPARE(obtidos, valores);
        QCOMPARE(l.faltou, faltou);
    }

    void nota_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("familia");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("IP 6, Portuguese") << 1 << "IP 6" << QStringLiteral("* FUNÇÃO NÃO DISPOÍVEL PARA ESSE MODELO");
        QTest::newRow("IP 6 Plus, English") << 2 << "IP 6 Plus"
                                            << "* FUNCTION NOT AVAILABLE FOR THIS MODEL";
        QTest::newRow("IP 8, Portuguese") << 1 << "IP 8" << QStringLiteral("* SEM MEDIÇÃO");
        QTest::newRow("IP X, Spanish") << 3 << "IP X"
                                       << "* SIN LECTURA";
    }
    void nota() {
        QFETCH(int, idioma);
        QFETCH(QString, familia);
        QFETCH(QString, esperado);
        globais().IdiomaAtual = quint8(idioma);
        QCOMPARE(BateriaParse::Nota(familia), esperado);
        globais().IdiomaAtual = 1;
    }
};

QTEST_GUILESS_MAIN(TesteBateriaParse)
#include "tst_bateriaparse.moc"
