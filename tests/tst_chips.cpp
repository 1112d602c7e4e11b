// The chip screens' shared rule: one value per line key, and the judged lines of the charger chip.

#include "base/Globais.h"
#include "base/Traducao.h"
#include "chips/RegrasTigris.h"
#include "chips/RegrasTristar.h"
#include "chips/ValorChip.h"

#include <QtTest>

using namespace tarsel;

namespace {
const QString Verde = QStringLiteral("&H00C0FFC0");
const QString Amarelo = QStringLiteral("&H0080FFFF");
const QString Branco = QStringLiteral("&H00FFFFFF");

// A healthy answer of a board with one input, with one line replaced (or removed when `nova` is empty).
QString respostaTigris(const QString& chave = {}, const QString& nova = QStringLiteral("keep"), bool segunda = false) {
    QStringList linhas{
        QStringLiteral("tigris vbus : 5012.06 mV"), QStringLiteral("tigris ibus : 312.09 mA"),
        QStringLiteral("tigris vbat : 3912.88 mV"), QStringLiteral("tigris ibat : 105.52 mA"),
        QStringLiteral("tigris vdd : 3985.43 mV"),  QStringLiteral("tigris die_temp : 33.90 C"),
    };
    if (segunda)
        linhas << QStringLiteral("tigris vbus1 : 5010.48 mV") << QStringLiteral("tigris vbus2 : 4.21 mV")
               << QStringLiteral("tigris vldo : 1801.05 mV") << QStringLiteral("tigris vntc : 612.35 mV");
    for (int i = int(linhas.size()) - 1; i >= 0; --i) {
        if (chave.isEmpty() || !linhas.at(i).startsWith(chave + QLatin1Char(' ')))
            continue;
        if (nova.isEmpty())
            linhas.removeAt(i);
        else if (nova != QLatin1String("keep"))
            linhas[i] = nova;
    }
    return QStringLiteral("pmuadc --sel tigris --read all\r\r\n") + linhas.join(QStringLiteral("\r\n")) +
           QStringLiteral("\r\n[0000A1B2:00001F00] :-) ");
}
// A converter report with the USB interface chip's lines of a "IP 7" board, one line replaced or removed.
QString respostaTristar(const QString& chave = {}, const QString& nova = QStringLiteral("keep"), bool seis = false) {
    const QString ldo = seis ? QStringLiteral("ldo3") : QStringLiteral("ldo7");
    QStringList linhas{
        QStringLiteral("BIST buck2: 850.12 mV"),
        QStringLiteral("BIST buck3: 1801.60 mV"),
        QStringLiteral("ibuck3: 120.58 mA"),
        QStringLiteral("BIST ldo6: 1.85 mV"),
        QStringLiteral("BIST %1: 3001.17 mV").arg(ldo),
        QStringLiteral("BIST ldo13: timeout mV"),
        QStringLiteral("BIST ildo6: 0.04 mA"),
        QStringLiteral("BIST i%1: 2.64 mA").arg(ldo),
    };
    for (int i = int(linhas.size()) - 1; i >= 0; --i) {
        if (chave.isEmpty() || !linhas.at(i).startsWith(chave + QLatin1Char(' ')))
            continue;
        if (nova.isEmpty())
            linhas.removeAt(i);
        else
            linhas[i] = nova;
    }
    return linhas.join(QStringLiteral("\n")) + QStringLiteral("\n[0000A1B2:00001F00] :-) ");
}
} // namespace

class TstChips : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { globais().IdiomaAtual = 2; }

    void valorDaLinha_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<bool>("timeout");
        QTest::addColumn<QString>("valor");

        const QString k = QStringLiteral("tigris vbus :");
        QTest::newRow("millivolts become volts, cut to three decimals") << "tigris vbus : 5012.34 mV\n"
                                                                        << k << true << "5.012";
        QTest::newRow("a current loses its last digit and takes a comma") << "tigris ibus : 123.45 mA\n"
                                                                          << "tigris ibus :" << true << "123,4";
        QTest::newRow("a temperature unit is not V") << "t : 35.51 C\n"
                                                     << "t :" << true << "35,5";
        QTest::newRow("a unit whose second letter is V but not millivolts still converts") << "x : 4370.00 uV\n"
                                                                                           << "x :" << true << "4.370";
        QTest::newRow("missing key") << "tigris ibus : 1.00 mA\n" << k << true << "-";
        QTest::newRow("a key is case-sensitive") << "TIGRIS VBUS : 5012.00 mV\n" << k << true << "-";
        QTest::newRow("timeout token") << "tigris vbus : timeout mV\n" << k << true << "-";
        QTest::newRow("a long token with tim inside") << "tigris vbus : xtimx mV\n" << k << true << "-";
        QTest::newRow("three letters tim are no time-out but are no number either") << "tigris vbus : tim mV\n"
                                                                                    << k << true << "-";
        QTest::newRow("without the time-out rule a timeout token is no number") << "tigris vbus : timeout mV\n"
                                                                                << k << false << "-";
        QTest::newRow("first occurrence counts") << "tigris vbus : 4360.00 mV\ntigris vbus : 5000.00 mV\n"
                                                 << k << true << "4.360";
        QTest::newRow("negative millivolts") << "a : -12.50 mV\n"
                                             << "a :" << true << "-0.012";
        QTest::newRow("negative current") << "a : -12.50 mA\n"
                                          << "a :" << true << "-12,5";
        QTest::newRow("a value at the very end, no unit") << "a : 12.50"
                                                          << "a :" << true << "12,5";
        QTest::newRow("a value without unit stops at the line end") << "a : 1.25\r\nb : 2.00 mV"
                                                                    << "a :" << true << "1,2";
        QTest::newRow("nothing after the key") << "tigris vbus :" << k << true << "-";
        QTest::newRow("garbage for a value") << "tigris vbus : 5x12.0 mV\n" << k << true << "-";
        QTest::newRow("a two-blank gap leaves an empty token") << "tigris vbus :  5012.00 mV\n" << k << true << "-";
        QTest::newRow("a one-digit current") << "a : 5 mA\n"
                                             << "a :" << true << "-";
    }
    void valorDaLinha() {
        QFETCH(QString, resposta);
        QFETCH(QString, chave);
        QFETCH(bool, timeout);
        QFETCH(QString, valor);
        QCOMPARE(ValorChip(resposta, chave, timeout), valor);
    }

    void desvioInteiro_data() {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("referencia");
        QTest::addColumn<int>("desvio");
        QTest::newRow("8.03 % is 8") << "4.370"
                                     << "4.045" << 8;
        QTest::newRow("7.78 % is 7") << "4.360"
                                     << "4.045" << 7;
        QTest::newRow("exactly -10 %") << "3.600"
                                       << "4.000" << -10;
        QTest::newRow("-9.97 % is -9") << "3.601"
                                       << "4.000" << -9;
        QTest::newRow("a small negative deviation is 0") << "3.999"
                                                         << "4.000" << 0;
    }
    void desvioInteiro() {
        QFETCH(QString, valor);
        QFETCH(QString, referencia);
        QFETCH(int, desvio);
        QCOMPARE(DesvioInteiro(valor, referencia), desvio);
    }

    // Each row: model, answer, the fields to check ("field=text|colour"), the low markers shown.
    void tigris_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QList<int>>("baixas");
        QTest::addColumn<QStringList>("ausentes");

        const QString sem = QStringLiteral("No Reading");
        QTest::newRow("healthy one-input board: six lines, judged ones green")
            << "IP 7" << respostaTigris()
            << QStringList{"VBus_V=5.012 V|" + Verde, "VBus_A=312,0 mA|", "VBus_A1=312,0 mA|",      "VBus_A2=312,0 mA|",
                           "VBat_V=3.912 V|" + Verde, "VBat_A=105,5 mA|", "VDD_V=3.985 V|" + Verde, "Temp=33.9 º|"}
            << QList<int>{} << QStringList{"VBus_V1", "VBus_V2", "lbVldo", "lbvntc"};
        QTest::newRow("second input board reads ten lines")
            << "IP X" << respostaTigris({}, QStringLiteral("keep"), true)
            << QStringList{"VBus_V1=5.010 V|" + Verde, "VBus_V2=0.004 V|" + Verde, "lbVldo=1.801 V|", "lbvntc=0.612 V|"}
            << QList<int>{} << QStringList{};
        QTest::newRow("a model outside the lists reads six lines")
            << "IP 5" << respostaTigris({}, QStringLiteral("keep"), true) << QStringList{"VBus_V=5.012 V|" + Verde}
            << QList<int>{} << QStringList{"VBus_V1", "lbvntc"};
        QTest::newRow("VBUS at 108 % is accepted")
            << "IP 7" << respostaTigris("tigris vbus", "tigris vbus : 4370.00 mV")
            << QStringList{"VBus_V=4.370 V|" + Verde} << QList<int>{} << QStringList{};
        QTest::newRow("VBUS just under 108 % is low")
            << "IP 7" << respostaTigris("tigris vbus", "tigris vbus : 4360.00 mV")
            << QStringList{"VBus_V=4.360 V|" + Amarelo} << QList<int>{RegrasTigris::BaixaVBus} << QStringList{};
        QTest::newRow("battery exactly 10 % under is low, and VDD turns white")
            << "IP 7" << respostaTigris("tigris vbat", "tigris vbat : 3600.00 mV")
            << QStringList{"VBat_V=3.600 V|" + Amarelo, "VDD_V=3.985 V|" + Branco}
            << QList<int>{RegrasTigris::BaixaBateria} << QStringList{};
        QTest::newRow("battery 9.97 % under is accepted")
            << "IP 7" << respostaTigris("tigris vbat", "tigris vbat : 3601.00 mV")
            << QStringList{"VBat_V=3.601 V|" + Verde, "VDD_V=3.985 V|" + Verde} << QList<int>{} << QStringList{};
        QTest::newRow("low second input shows its own marker")
            << "IP 8" << respostaTigris({}, QStringLiteral("keep"), true).replace("vbus1 : 5010.48", "vbus1 : 4100.00")
            << QStringList{"VBus_V1=4.100 V|" + Amarelo} << QList<int>{RegrasTigris::BaixaVBus1} << QStringList{};
        QTest::newRow("a current of 123.45 mA is copied to both second-frame fields")
            << "IP 8" << respostaTigris("tigris ibus", "tigris ibus : 123.45 mA", true)
            << QStringList{"VBus_A=123,4 mA|", "VBus_A1=123,4 mA|", "VBus_A2=123,4 mA|"} << QList<int>{}
            << QStringList{};
        QTest::newRow("a die temperature keeps one decimal")
            << "IP 7" << respostaTigris("tigris die_temp", "tigris die_temp : 35.51 C") << QStringList{"Temp=35.5 º|"}
            << QList<int>{} << QStringList{};
        QTest::newRow("a timed-out VBUS is not measured and not low")
            << "IP 7" << respostaTigris("tigris vbus", "tigris vbus : timeout mV") << QStringList{"VBus_V=" + sem + "|"}
            << QList<int>{} << QStringList{};
        QTest::newRow("a missing current leaves its copies alone")
            << "IP X" << respostaTigris("tigris ibus", QString(), true) << QStringList{"VBus_A=" + sem + "|"}
            << QList<int>{} << QStringList{"VBus_A1", "VBus_A2"};
        QTest::newRow("a missing battery line: VDD is judged green")
            << "IP 7" << respostaTigris("tigris vbat", QString())
            << QStringList{"VBat_V=" + sem + "|", "VDD_V=3.985 V|" + Verde} << QList<int>{} << QStringList{};
        QTest::newRow("the first of two VBUS lines counts")
            << "IP 7" << respostaTigris("tigris vbus", "tigris vbus : 4360.00 mV\r\ntigris vbus : 5000.00 mV")
            << QStringList{"VBus_V=4.360 V|" + Amarelo} << QList<int>{RegrasTigris::BaixaVBus} << QStringList{};
        QTest::newRow("an empty answer: every line not measured")
            << "IP 6" << QString() << QStringList{"VBus_V=" + sem + "|", "Temp=" + sem + "|"} << QList<int>{}
            << QStringList{"VBus_A1"};
    }
    void tigris() {
        QFETCH(QString, modelo);
        QFETCH(QString, resposta);
        QFETCH(QStringList, campos);
        QFETCH(QList<int>, baixas);
        QFETCH(QStringList, ausentes);

        const LeituraChip l = RegrasTigris::Le(modelo, resposta);
        for (const QString& c : campos) {
            const QString nome = c.section(u'=', 0, 0);
            const QString texto = c.section(u'=', 1).section(u'|', 0, 0);
            const QString cor = c.section(u'|', 1);
            QVERIFY2(l.campos.contains(nome), qPrintable(nome));
            QCOMPARE(l.campos.value(nome).texto, texto);
            QCOMPARE(l.campos.value(nome).cor, cor);
        }
        for (const QString& a : ausentes)
            QVERIFY2(!l.campos.contains(a), qPrintable(a));
        QList<int> mostradas = l.baixas.values();
        std::sort(mostradas.begin(), mostradas.end());
        QCOMPARE(mostradas, baixas);
    }

    // Each row: model, answer, the fields to check ("field=text|colour"), failed rows.
    void tristar_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QList<int>>("falhas");

        const QString sem = QStringLiteral("No Reading");
        QTest::newRow("healthy IP 7: percents green, values untouched")
            << "IP 7" << respostaTristar()
            << QStringList{"Malha1_V=3.001 V|",    "Porc1=0.1 %|" + Verde, "Malha1_A=2,6 mA|",  "Malha2_V=1.801 V|",
                           "Porc2=0.1 %|" + Verde, "Malha2_A=120,5 mA|",   "Malha3_V=0.001 V|", "Malha3_A=0,0 mA|"}
            << QList<int>{};
        QTest::newRow("IP 6s reads the ldo3 keys")
            << "IP 6s" << respostaTristar({}, QStringLiteral("keep"), true)
            << QStringList{"Malha1_V=3.001 V|", "Malha1_A=2,6 mA|"} << QList<int>{};
        QTest::newRow("IP 7 does not read the ldo3 keys")
            << "IP 7" << respostaTristar({}, QStringLiteral("keep"), true)
            << QStringList{"Malha1_V=" + sem + "|" + Amarelo, "Porc1=|" + Amarelo, "Malha1_A=- mA|" + Amarelo}
            << QList<int>{1};
        QTest::newRow("3300 mV is 10 %: out")
            << "IP 7" << respostaTristar("BIST ldo7:", "BIST ldo7: 3300.00 mV")
            << QStringList{"Malha1_V=3.300 V|" + Amarelo, "Porc1=10 %|" + Amarelo} << QList<int>{1};
        QTest::newRow("3290 mV is 9.6 %: in")
            << "IP 7" << respostaTristar("BIST ldo7:", "BIST ldo7: 3290.00 mV")
            << QStringList{"Malha1_V=3.290 V|", "Porc1=9.6 %|" + Verde} << QList<int>{};
        QTest::newRow("2700 mV is -10 %: out") << "IP 7" << respostaTristar("BIST ldo7:", "BIST ldo7: 2700.00 mV")
                                               << QStringList{"Porc1=-10 %|" + Amarelo} << QList<int>{1};
        QTest::newRow("memory buck 1980 mV is 10 %: out")
            << "IP 7" << respostaTristar("BIST buck3:", "BIST buck3: 1980.00 mV")
            << QStringList{"Malha2_V=1.980 V|" + Amarelo, "Porc2=10 %|" + Amarelo} << QList<int>{2};
        QTest::newRow("voltage in, current over 1700: the row fails, its percent too")
            << "IP 7" << respostaTristar("BIST ildo7:", "BIST ildo7: 1800.00 mA")
            << QStringList{"Malha1_V=3.001 V|", "Porc1=0.1 %|" + Amarelo, "Malha1_A=1800,0 mA|" + Amarelo}
            << QList<int>{1};
        QTest::newRow("a current 1 % under 1700 passes (cut to -1)")
            << "IP 7" << respostaTristar("BIST ildo7:", "BIST ildo7: 1683.00 mA") << QStringList{"Malha1_A=1683,0 mA|"}
            << QList<int>{};
        QTest::newRow("a current just under 1 % below 1700 fails (cut to 0)")
            << "IP 7" << respostaTristar("BIST ildo7:", "BIST ildo7: 1684.00 mA")
            << QStringList{"Malha1_A=1684,0 mA|" + Amarelo} << QList<int>{1};
        QTest::newRow("IP X allows up to 3350, compared whole")
            << "IP X" << respostaTristar("BIST ildo7:", "BIST ildo7: 3349.00 mA") << QStringList{"Malha1_A=3349,0 mA|"}
            << QList<int>{};
        QTest::newRow("IP X at 3350 fails") << "IP X" << respostaTristar("BIST ildo7:", "BIST ildo7: 3350.00 mA")
                                            << QStringList{"Malha1_A=3350,0 mA|" + Amarelo} << QList<int>{1};
        QTest::newRow("missing current line fails its row")
            << "IP 7" << respostaTristar("BIST ildo7:", QString())
            << QStringList{"Malha1_A=- mA|" + Amarelo, "Porc1=0.1 %|" + Amarelo} << QList<int>{1};
        QTest::newRow("missing accessory lines show a dash, unjudged")
            << "IP 7" << respostaTristar("BIST ldo6:", QString()).remove(QStringLiteral("BIST ildo6: 0.04 mA"))
            << QStringList{"Malha3_V=- V|", "Malha3_A=- mA|"} << QList<int>{};
        QTest::newRow("the first of two keys counts")
            << "IP 7" << respostaTristar("BIST ldo7:", "BIST ldo7: 3300.00 mV\nBIST ldo7: 3000.00 mV")
            << QStringList{"Malha1_V=3.300 V|" + Amarelo} << QList<int>{1};
        QTest::newRow("a timed-out memory buck is not measured and fails")
            << "IP 7" << respostaTristar("BIST buck3:", "BIST buck3: timeout mV")
            << QStringList{"Malha2_V=" + sem + "|" + Amarelo, "Porc2=|" + Amarelo} << QList<int>{2};
    }
    void tristar() {
        QFETCH(QString, modelo);
        QFETCH(QString, resposta);
        QFETCH(QStringList, campos);
        QFETCH(QList<int>, falhas);

        const RegrasTristar::LeituraTristar t = RegrasTristar::Le(modelo, resposta);
        for (const QString& c : campos) {
            const QString nome = c.section(u'=', 0, 0);
            const QString texto = c.section(u'=', 1).section(u'|', 0, 0);
            const QString cor = c.section(u'|', 1);
            QVERIFY2(t.leitura.campos.contains(nome), qPrintable(nome));
            QCOMPARE(t.leitura.campos.value(nome).texto, texto);
            QCOMPARE(t.leitura.campos.value(nome).cor, cor);
        }
        QList<int> falhadas = t.leitura.baixas.values();
        std::sort(falhadas.begin(), falhadas.end());
        QCOMPARE(falhadas, falhas);
        for (int r = 1; r <= 2; ++r)
            QCOMPARE(t.aprovadas.contains(r), !falhas.contains(r));
        QCOMPARE(t.falhou(), !falhas.isEmpty());
    }

    void tristarPorModelo_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("designador");
        QTest::addColumn<QStringList>("malhas");
        QTest::addColumn<QString>("chaveLdo");
        QTest::newRow("IP 6s") << "IP 6s"
                               << "U4500" << QStringList{"PP3V0_TRISTAR", "PP1V8_SDRAM", "PP3V3_ACC"} << "BIST ldo3:";
        QTest::newRow("IP 7 Plus") << "IP 7 Plus"
                                   << "U4001" << QStringList{"PP3V0_TRISTAR_ANT_PROX", "PP1V8_SDRAM", "PP_ACC_VAR"}
                                   << "BIST ldo7:";
        QTest::newRow("IP X") << "IP X"
                              << "U6300" << QStringList{"PP3V0_S2", "PP1V8_S2", "PP_ACC_VAR"} << "BIST ldo7:";
        QTest::newRow("IP 6 Plus") << "IP 6 Plus"
                                   << "U1700" << QStringList{"PP3V0_TRISTAR", "PP1V8_SDRAM", "PP3V3_ACC"}
                                   << "BIST ldo3:";
        QTest::newRow("unknown model") << "IP 5"
                                       << "" << QStringList{"PP3V0_S2", "PP1V8_S2", "PP_ACC_VAR"} << "BIST ldo7:";
    }
    void tristarPorModelo() {
        QFETCH(QString, modelo);
        QFETCH(QString, designador);
        QFETCH(QStringList, malhas);
        QFETCH(QString, chaveLdo);
        QCOMPARE(RegrasTristar::Designador(modelo), designador);
        QCOMPARE(RegrasTristar::NomesMalhas(modelo), malhas);
        QCOMPARE(RegrasTristar::LinhasDoModelo(modelo).first().chave, chaveLdo);
    }

    void designador_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("designador");
        QTest::addColumn<bool>("segunda");
        QTest::newRow("IP 6") << "IP 6"
                              << "U1401" << false;
        QTest::newRow("IP 6s Plus") << "IP 6s Plus"
                                    << "U2300" << false;
        QTest::newRow("IP 7") << "IP 7"
                              << "U2101" << false;
        QTest::newRow("IP 8 Plus") << "IP 8 Plus"
                                   << "U3300" << true;
        QTest::newRow("IP X") << "IP X"
                              << "U3300" << true;
        QTest::newRow("unknown model") << "IP 5s"
                                       << "" << false;
    }
    void designador() {
        QFETCH(QString, modelo);
        QFETCH(QString, designador);
        QFETCH(bool, segunda);
        QCOMPARE(RegrasTigris::Designador(modelo), designador);
        QCOMPARE(RegrasTigris::TemSegundaEntrada(modelo), segunda);
        QCOMPARE(RegrasTigris::Linhas(modelo).size(), segunda ? 10 : 6);
    }
};

QTEST_GUILESS_MAIN(TstChips)
#include "tst_chips.moc"
