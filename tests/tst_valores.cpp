// The value texts every screen shows and compares: exact texts for the same inputs, truncation
// instead of rounding, "." in every result, and the run-time error numbers callers rely on.

#include "base/ErroVB.h"
#include "base/Valores.h"

#include <QtTest>

using namespace tarsel;

class TstValores : public QObject {
    Q_OBJECT

private slots:
    void milivoltParaVolt_data();
    void milivoltParaVolt();
    void umaDecimal_data();
    void umaDecimal();
    void cortaDecimais_data();
    void cortaDecimais();
    void desvioPercentual_data();
    void desvioPercentual();
    void semEspacos_data();
    void semEspacos();
    void falhas_data();
    void falhas();
    void desvioEmTornoDaReferencia();
};

void TstValores::milivoltParaVolt_data() {
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("5012.34 gives 5.012") << "5012.34"
                                         << "5.012";
    QTest::newRow("812.5 gives 0.812") << "812.5"
                                       << "0.812";
    QTest::newRow("-812.5 gives -0.812") << "-812.5"
                                         << "-0.812";
    QTest::newRow("12.7 gives 0.012") << "12.7"
                                      << "0.012";
    QTest::newRow("3.9 gives 0.003") << "3.9"
                                     << "0.003";
    QTest::newRow("0.5 gives 0.000") << "0.5"
                                     << "0.000";
    QTest::newRow("123456.7 gives 123.456") << "123456.7"
                                            << "123.456";
    QTest::newRow("12345.6 gives 12.345") << "12345.6"
                                          << "12.345";
    QTest::newRow("1234567.8 keeps its whole millivolts without a point") << "1234567.8"
                                                                          << "1234567";
    QTest::newRow("5012 without a point comes back unchanged") << "5012"
                                                               << "5012";
    QTest::newRow("-5012 without a point comes back with its sign") << "-5012"
                                                                    << "-5012";
    QTest::newRow("a text starting with its point gives an empty text") << ".5"
                                                                        << "";
    QTest::newRow("a negative text starting with its point gives the minus sign") << "-.5"
                                                                                  << "-";
    QTest::newRow("only the first point counts") << "5012.3.4"
                                                 << "5.012";
    QTest::newRow("a lone minus sign comes back unchanged") << "-"
                                                            << "-";
    QTest::newRow("an empty text stays empty") << ""
                                               << "";
    QTest::newRow("a point at the 255th character is still read")
        << QString(254, u'7') + QStringLiteral(".5") << QString(254, u'7');
    QTest::newRow("the sign does not count towards the 255 characters")
        << u'-' + QString(254, u'7') + QStringLiteral(".5") << u'-' + QString(254, u'7');
    QTest::newRow("a long text without a point comes back unchanged") << QString(400, u'7') << QString(400, u'7');
}

void TstValores::milivoltParaVolt() {
    QFETCH(QString, entrada);
    QFETCH(QString, esperado);
    QCOMPARE(MilivoltParaVolt(entrada), esperado);
}

void TstValores::umaDecimal_data() {
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("esperado");
    QTest::addColumn<QString>("reescrito");

    QTest::newRow("4,567 with a comma gives 4.5") << "4,567"
                                                  << "4.5"
                                                  << "4.567";
    QTest::newRow("12.345 gives 12.3") << "12.345"
                                       << "12.3"
                                       << "12.345";
    QTest::newRow("3 gives 3") << "3"
                               << "3"
                               << "3";
    QTest::newRow("-0.04 gives -0.0 without sign cleaning") << "-0.04"
                                                            << "-0.0"
                                                            << "-0.04";
    QTest::newRow("a blank followed by 5 gives .5") << " 5"
                                                    << ".5"
                                                    << ".5";
    QTest::newRow("every comma and blank of the caller's text becomes a point") << "1 234,56"
                                                                                << "1.2"
                                                                                << "1.234.56";
    QTest::newRow("a trailing point is kept") << "12."
                                              << "12."
                                              << "12.";
    QTest::newRow("an empty text stays empty") << ""
                                               << ""
                                               << "";
}

void TstValores::umaDecimal() {
    QFETCH(QString, entrada);
    QFETCH(QString, esperado);
    QFETCH(QString, reescrito);
    QString texto = entrada;
    QCOMPARE(UmaDecimal(texto), esperado);
    QCOMPARE(texto, reescrito);
}

void TstValores::cortaDecimais_data() {
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<int>("decimais");
    QTest::addColumn<QString>("esperado");
    QTest::addColumn<QString>("reescrito");

    QTest::newRow("12.345 to 2 gives 12.34") << "12.345" << 2 << "12.34"
                                             << "12.345";
    QTest::newRow("12,345 with a comma to 1 gives 12.3") << "12,345" << 1 << "12.3"
                                                         << "12.345";
    QTest::newRow("12.345 to 0 keeps the point") << "12.345" << 0 << "12."
                                                 << "12.345";
    QTest::newRow("12.345 to -1 gives the whole part") << "12.345" << -1 << "12"
                                                       << "12.345";
    QTest::newRow("-0.4 to -1 gives 0") << "-0.4" << -1 << "0"
                                        << "-0.4";
    QTest::newRow("-0.9 to -1 gives 0") << "-0.9" << -1 << "0"
                                        << "-0.9";
    QTest::newRow("7 to 2 gives 7") << "7" << 2 << "7"
                                    << "7";
    QTest::newRow("-0.5 to 0 keeps -0. because only -0 exactly becomes 0") << "-0.5" << 0 << "-0."
                                                                           << "-0.5";
    QTest::newRow("more decimals asked than present keeps the text") << "1.5" << 3 << "1.5"
                                                                     << "1.5";
    QTest::newRow("a blank acts as the point") << "3 75" << 1 << "3.7"
                                               << "3.75";
    QTest::newRow("-12.8 to -1 keeps its sign") << "-12.8" << -1 << "-12"
                                                << "-12.8";
    QTest::newRow("a cut before the start of the text keeps nothing") << "12.5" << -5 << ""
                                                                      << "12.5";
}

void TstValores::cortaDecimais() {
    QFETCH(QString, entrada);
    QFETCH(int, decimais);
    QFETCH(QString, esperado);
    QFETCH(QString, reescrito);
    QString texto = entrada;
    QCOMPARE(CortaDecimais(texto, decimais), esperado);
    QCOMPARE(texto, reescrito);
}

void TstValores::desvioPercentual_data() {
    QTest::addColumn<QString>("leitura");
    QTest::addColumn<QString>("referencia");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("4.003 against 4.000 is the fixed 0.3") << "4.003"
                                                          << "4.000"
                                                          << "0.3";
    QTest::newRow("4.000 against 4.000 is 0") << "4.000"
                                              << "4.000"
                                              << "0";
    QTest::newRow("3.999 against 4.000 is -0.1") << "3.999"
                                                 << "4.000"
                                                 << "-0.1";
    QTest::newRow("4.012 against 4.000 is 0.3 by division") << "4.012"
                                                            << "4.000"
                                                            << "0.3";
    QTest::newRow("4.020 against 4.000 is 0.5") << "4.020"
                                                << "4.000"
                                                << "0.5";
    QTest::newRow("4.200 against 4.000 is 5.0") << "4.200"
                                                << "4.000"
                                                << "5.0";
    QTest::newRow("3.800 against 4.000 is -5.0") << "3.800"
                                                 << "4.000"
                                                 << "-5.0";
    QTest::newRow("4.400 against 4.000 is 10") << "4.400"
                                               << "4.000"
                                               << "10";
    QTest::newRow("1.234 against 1.200 is 2.8 cut, not rounded") << "1.234"
                                                                 << "1.200"
                                                                 << "2.8";
    QTest::newRow("0.900 against 1.200 is -25") << "0.900"
                                                << "1.200"
                                                << "-25";
    QTest::newRow("39.996 against 40.000 is -0.0") << "39.996"
                                                   << "40.000"
                                                   << "-0.0";

    QTest::newRow("one unit up is 0.1") << "4.001"
                                        << "4.000"
                                        << "0.1";
    QTest::newRow("two units up is 0.2") << "4.002"
                                         << "4.000"
                                         << "0.2";
    QTest::newRow("two units down is -0.2") << "3.998"
                                            << "4.000"
                                            << "-0.2";
    QTest::newRow("three units down is -0.3") << "3.997"
                                              << "4.000"
                                              << "-0.3";
    QTest::newRow("four units up is divided") << "1.004"
                                              << "1.000"
                                              << "0.4";
    QTest::newRow("three units on a large reference are still 0.3") << "4000.003"
                                                                    << "4000.000"
                                                                    << "0.3";
    QTest::newRow("three units on a small reference are still -0.3") << "0.007"
                                                                     << "0.010"
                                                                     << "-0.3";
    QTest::newRow("three units on a zero reference are 0.3 without a division") << "0.003"
                                                                                << "0.000"
                                                                                << "0.3";
    QTest::newRow("a tiny positive deviation cut to one decimal is 0") << "40.004"
                                                                       << "40.000"
                                                                       << "0";
    QTest::newRow("blanks around the numbers are accepted") << " 4.200 "
                                                            << "  4.000"
                                                            << "5.0";
    QTest::newRow("a comma is the decimal separator, so 1,5 is half a unit above 1") << "1,5"
                                                                                     << "1"
                                                                                     << "0.1";
    QTest::newRow("a leading plus sign is accepted") << "+4.200"
                                                     << "4.000"
                                                     << "5.0";
    QTest::newRow("an exponent is accepted") << "4,2E3"
                                             << "4000"
                                             << "5.0";
    QTest::newRow("the difference is taken at 15 digits before the fixed steps") << "4,4"
                                                                                 << "1,4"
                                                                                 << "0.3";
    QTest::newRow("a deviation beyond 10000 percent keeps its first six characters") << "4.000"
                                                                                     << "0.001"
                                                                                     << "399900";
    QTest::newRow("a negative reference divides as it is") << "-4.200"
                                                           << "-4.000"
                                                           << "5.0";
    QTest::newRow("a deviation far below a tenth of a percent is 0, not its exponent mantissa") << "4000000.007"
                                                                                                << "4000000.000"
                                                                                                << "0";
    QTest::newRow("a negative deviation far below a tenth of a percent is -0.0") << "3999999.993"
                                                                                 << "4000000.000"
                                                                                 << "-0.0";
    QTest::newRow("a deviation beyond the plain 15 digits keeps its leading digits") << "1234567890000"
                                                                                     << "0,0001"
                                                                                     << "123456";
}

void TstValores::desvioPercentual() {
    QFETCH(QString, leitura);
    QFETCH(QString, referencia);
    QFETCH(QString, esperado);
    QCOMPARE(DesvioPercentual(leitura, referencia), esperado);
}

void TstValores::semEspacos_data() {
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("blanks around and inside are removed") << " 4.5 V "
                                                          << "4.5V";
    QTest::newRow("tabs and commas are left alone") << "a\t1,5"
                                                    << "a\t1,5";
    QTest::newRow("only blanks give an empty text") << "   "
                                                    << "";
    QTest::newRow("a text without blanks is unchanged") << "PP_VDD_MAIN"
                                                        << "PP_VDD_MAIN";
}

void TstValores::semEspacos() {
    QFETCH(QString, entrada);
    QFETCH(QString, esperado);
    QCOMPARE(SemEspacos(entrada), esperado);
}

void TstValores::falhas_data() {
    QTest::addColumn<QString>("funcao");
    QTest::addColumn<QString>("primeiro");
    QTest::addColumn<QString>("segundo");
    QTest::addColumn<int>("numero");

    const QString desvio = QStringLiteral("desvio");
    QTest::newRow("a reading of letters is a type mismatch") << desvio << "abc"
                                                             << "4.000" << 13;
    QTest::newRow("an empty reference is a type mismatch") << desvio << "4.000"
                                                           << "" << 13;
    QTest::newRow("a reference of points only is a type mismatch") << desvio << "4.000"
                                                                   << "..." << 13;
    QTest::newRow("a double minus is a type mismatch") << desvio << "--1"
                                                       << "4.000" << 13;
    QTest::newRow("a lone minus is a type mismatch") << desvio << "-"
                                                     << "4.000" << 13;
    QTest::newRow("a unit after the number is a type mismatch") << desvio << "4.000V"
                                                                << "4.000" << 13;
    QTest::newRow("a blank inside the number is a type mismatch") << desvio << "4 000"
                                                                  << "4.000" << 13;
    QTest::newRow("two commas are a type mismatch") << desvio << "1,2,3"
                                                    << "1" << 13;
    QTest::newRow("an exponent without digits is a type mismatch") << desvio << "4E"
                                                                   << "4" << 13;
    QTest::newRow("a zero reference beyond three units is a division by zero") << desvio << "4.000"
                                                                               << "0.000" << 11;
    QTest::newRow("a number beyond the range of a double is an overflow") << desvio << "1E400"
                                                                          << "4" << 6;
    QTest::newRow("a point beyond the 255th character is an overflow")
        << QStringLiteral("milivolt") << QString(255, u'7') + QStringLiteral(".5") << QString() << 6;
}

void TstValores::falhas() {
    QFETCH(QString, funcao);
    QFETCH(QString, primeiro);
    QFETCH(QString, segundo);
    QFETCH(int, numero);
    try {
        if (funcao == QLatin1String("milivolt"))
            MilivoltParaVolt(primeiro);
        else
            DesvioPercentual(primeiro, segundo);
        QFAIL("no error was raised");
    } catch (const ErroVB& e) {
        QCOMPARE(e.numero(), numero);
        QVERIFY(!e.descricao().isEmpty());
    }
}

// Every reading a bench sees around its reference: one decimal at most, "." only, the sign of the
// difference, and the seven fixed texts within three units.
void TstValores::desvioEmTornoDaReferencia() {
    const QStringList fixos = {QStringLiteral("0.3"), QStringLiteral("0.2"),  QStringLiteral("0.1"),
                               QStringLiteral("0"),   QStringLiteral("-0.1"), QStringLiteral("-0.2"),
                               QStringLiteral("-0.3")};
    for (int milivolts = 3990; milivolts <= 4010; ++milivolts) {
        const QString leitura = QStringLiteral("%1.%2").arg(milivolts / 1000).arg(milivolts % 1000, 3, 10, QChar(u'0'));
        const QString resultado = DesvioPercentual(leitura, QStringLiteral("4.000"));
        const QByteArray contexto = (leitura + QStringLiteral(" -> ") + resultado).toUtf8();

        QVERIFY2(!resultado.contains(u','), contexto.constData());
        QVERIFY2(resultado.count(u'.') <= 1, contexto.constData());
        const int ponto = resultado.indexOf(u'.');
        QVERIFY2(ponto < 0 || resultado.size() - ponto - 1 <= 1, contexto.constData());
        QVERIFY2(resultado.startsWith(u'-') == (milivolts < 4000), contexto.constData());
        if (qAbs(milivolts - 4000) <= 3)
            QVERIFY2(fixos.contains(resultado), contexto.constData());
    }
}

QTEST_GUILESS_MAIN(TstValores)
#include "tst_valores.moc"
