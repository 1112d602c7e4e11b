// The display power chips' rules: the Chestnut and Acorn line tables over the shared chip-line mechanism,
// their icons and verdicts, the touch retry condition, and the report entries they send.

#include "base/Globais.h"
#include "chips/RegrasAcorn.h"
#include "chips/RegrasChestnut.h"
#include "chips/RelatorioChip.h"

#include <QUrlQuery>
#include <QtTest>

using namespace tarsel;

namespace {
const QString Verde = QStringLiteral("&H00C0FFC0");
const QString Amarelo = QStringLiteral("&H0080FFFF");
const QString Sem = QStringLiteral("No Reading");

// Replaces the line that starts with `chave` by `nova` (removes it when `nova` is empty).
QString troca(QStringList linhas, const QString& chave, const QString& nova) {
    for (int i = int(linhas.size()) - 1; i >= 0; --i) {
        if (chave.isEmpty() || !linhas.at(i).startsWith(chave + QLatin1Char(' ')))
            continue;
        if (nova.isEmpty())
            linhas.removeAt(i);
        else
            linhas[i] = nova;
    }
    return linhas.join(QStringLiteral("\r\n"));
}

// A healthy display power chip report (the command removed), one line replaced or removed.
QString respostaChestnut(const QString& chave = {}, const QString& nova = {}) {
    const QStringList linhas{
        QStringLiteral("chestnut vldo1 : 5700.00 mV"),  QStringLiteral("chestnut vldo2 : 5712.00 mV"),
        QStringLiteral("chestnut vldo3 : 5100.00 mV"),  QStringLiteral("chestnut ildo1 : 8.46 mA"),
        QStringLiteral("chestnut ildo2 : 7.92 mA"),     QStringLiteral("chestnut ildo3 : 2.37 mA"),
        QStringLiteral("chestnut vneg : -5700.00 mV"),  QStringLiteral("chestnut ineg : 9.12 mA"),
        QStringLiteral("chestnut vin : 3851.21 mV"),    QStringLiteral("chestnut ground : 1.42 mV"),
        QStringLiteral("chestnut vboost : 6000.00 mV"),
    };
    return QStringLiteral("\r\r\n") + troca(linhas, chave, nova) + QStringLiteral("\r\n[0000A1B2:00001F00] :-) ");
}

// The whole console of an IP X converter report, as the Acorn screen reads it, one line replaced or removed.
QString respostaAcorn(const QString& chave = {}, const QString& nova = {}) {
    const QStringList linhas{
        QStringLiteral("pmuadc --read all\r\r"),      QStringLiteral("BIST buck3: 1801.60 mV"),
        QStringLiteral("BIST buck3_sw1: 1798.10 mV"), QStringLiteral("BIST buck4_sw1: 1300.48 mV"),
        QStringLiteral("BIST buck4: 1100.00 mV"),     QStringLiteral("BIST buck3_sw2: 1800.00 mV"),
        QStringLiteral("acorn ground : 2.14 mV"),     QStringLiteral("acorn vin : 3842.55 mV"),
        QStringLiteral("acorn vb : 5448.10 mV"),      QStringLiteral("acorn vp : 10000.00 mV"),
        QStringLiteral("acorn vn : -6700.00 mV"),     QStringLiteral("acorn vh : 5250.00 mV"),
        QStringLiteral("acorn vl : 6010.25 mV"),      QStringLiteral("acorn va : 3500.00 mV"),
        QStringLiteral("acorn vc : 1100.00 mV"),      QStringLiteral("acorn die_temp : 34.62 C"),
        QStringLiteral("acorn ia : 12.40 mA"),        QStringLiteral("acorn in : 8.92 mA"),
        QStringLiteral("acorn ip : 9.31 mA"),         QStringLiteral("acorn ih : 3.05 mA"),
    };
    return troca(linhas, chave, nova) + QStringLiteral("\r\n[0000A1B2:00001F00] :-) ");
}

// "field=text|colour" against what the reading shows.
void confere(const LeituraChip& l, const QStringList& campos) {
    for (const QString& c : campos) {
        const QString nome = c.section(u'=', 0, 0);
        QVERIFY2(l.campos.contains(nome), qPrintable(nome));
        QCOMPARE(l.campos.value(nome).texto, c.section(u'=', 1).section(u'|', 0, 0));
        QCOMPARE(l.campos.value(nome).cor, c.section(u'|', 1));
    }
}

using Legendas = QMap<QString, QString>;

QList<int> ordenada(const QSet<int>& s) {
    QList<int> l = s.values();
    std::sort(l.begin(), l.end());
    return l;
}
} // namespace

class TstChipsDisplay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { globais().IdiomaAtual = 2; }

    // Each row: the answer, fields to check, the pass and fail icons, whether the touch retry is due.
    void chestnut_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QList<int>>("aprovados");
        QTest::addColumn<QList<int>>("reprovados");
        QTest::addColumn<bool>("touch");

        const QList<int> todos{0, 1, 2, 3, 4};
        QTest::newRow("healthy chip: every percent green, readings keep their colour")
            << respostaChestnut()
            << QStringList{"iLDO_V1=5.700 V|",  "Porc1=0 %|" + Verde, "iLDO_V2=5.712 V|", "Porc2=0.2 %|" + Verde,
                           "iLDO_V3=5.100 V|",  "iLDO_A1=8,4 mA|",    "iLDO_A3=2,3 mA|",  "VNEG_V=-5.700 V|",
                           "VNEG_A=9,1 mA|",    "VIN_V=3.851 V|",     "gndV=0.001 V|",    "BOOST_V=6.000 V|",
                           "Porc5=0 %|" + Verde}
            << todos << QList<int>{} << false;
        QTest::newRow("boost 6600 mV is 10 %: out")
            << respostaChestnut("chestnut vboost :", "chestnut vboost : 6600.00 mV")
            << QStringList{"BOOST_V=6.600 V|", "Porc5=10 %|" + Amarelo} << QList<int>{1, 2, 3, 4} << QList<int>{0}
            << false;
        QTest::newRow("boost 6590 mV is 9.8 %: in")
            << respostaChestnut("chestnut vboost :", "chestnut vboost : 6590.00 mV")
            << QStringList{"BOOST_V=6.590 V|", "Porc5=9.8 %|" + Verde} << todos << QList<int>{} << false;
        QTest::newRow("negative supply -5712 mV is 0.2 % off -5.700: in")
            << respostaChestnut("chestnut vneg :", "chestnut vneg : -5712.00 mV")
            << QStringList{"VNEG_V=-5.712 V|", "Porc4=0.2 %|" + Verde} << todos << QList<int>{} << false;
        QTest::newRow("LDO 1 at 5130 mV is -10 %: out")
            << respostaChestnut("chestnut vldo1 :", "chestnut vldo1 : 5130.00 mV")
            << QStringList{"iLDO_V1=5.130 V|", "Porc1=-10 %|" + Amarelo} << QList<int>{0, 1, 3, 4} << QList<int>{2}
            << false;
        QTest::newRow("touch supply out: the touch retry is due")
            << respostaChestnut("chestnut vldo3 :", "chestnut vldo3 : 4300.00 mV")
            << QStringList{"iLDO_V3=4.300 V|", "Porc3=-15.6 %|" + Amarelo} << QList<int>{0, 1, 2, 3} << QList<int>{4}
            << true;
        QTest::newRow("touch supply missing: failed, but no touch retry")
            << respostaChestnut("chestnut vldo3 :") << QStringList{"iLDO_V3=" + Sem + "|", "Porc3=|" + Amarelo}
            << QList<int>{0, 1, 2, 3} << QList<int>{4} << false;
        QTest::newRow("touch supply timed out: failed, no touch retry")
            << respostaChestnut("chestnut vldo3 :", "chestnut vldo3 : timeout mV")
            << QStringList{"iLDO_V3=" + Sem + "|", "Porc3=|" + Amarelo} << QList<int>{0, 1, 2, 3} << QList<int>{4}
            << false;
        QTest::newRow("an unjudged line missing shows a dash and its unit")
            << respostaChestnut("chestnut ineg :").remove(QStringLiteral("chestnut vin : 3851.21 mV"))
            << QStringList{"VNEG_A=- mA|", "VIN_V=- V|"} << todos << QList<int>{} << false;
        QTest::newRow("a timed-out current shows a dash too")
            << respostaChestnut("chestnut ildo2 :", "chestnut ildo2 : timeout mA") << QStringList{"iLDO_A2=- mA|"}
            << todos << QList<int>{} << false;
        QTest::newRow("the first of two boost lines counts")
            << respostaChestnut("chestnut vboost :", "chestnut vboost : 6600.00 mV\r\nchestnut vboost : 6000.00 mV")
            << QStringList{"BOOST_V=6.600 V|"} << QList<int>{1, 2, 3, 4} << QList<int>{0} << false;
        QTest::newRow("an empty answer: every judged line failed, no touch retry")
            << QString() << QStringList{"BOOST_V=" + Sem + "|", "gndV=- V|"} << QList<int>{} << todos << false;
    }
    void chestnut() {
        QFETCH(QString, resposta);
        QFETCH(QStringList, campos);
        QFETCH(QList<int>, aprovados);
        QFETCH(QList<int>, reprovados);
        QFETCH(bool, touch);
        const RegrasChestnut::LeituraChestnut c = RegrasChestnut::Le(resposta);
        confere(c.leitura, campos);
        QCOMPARE(ordenada(c.aprovados), aprovados);
        QCOMPARE(ordenada(c.reprovados), reprovados);
        QCOMPARE(c.touchForaDaFaixa, touch);
    }

    void chestnutDesignador_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("designador");
        QTest::newRow("IP 6") << "IP 6"
                              << "U1501";
        QTest::newRow("IP 6s Plus") << "IP 6s Plus"
                                    << "U4000";
        QTest::newRow("IP 7") << "IP 7"
                              << "U3703";
        QTest::newRow("IP 8 Plus") << "IP 8 Plus"
                                   << "U5600";
        QTest::newRow("IP X has none: the screen refuses it") << "IP X"
                                                              << "";
    }
    void chestnutDesignador() {
        QFETCH(QString, modelo);
        QTEST(RegrasChestnut::Designador(modelo), "designador");
    }

    // Each row: the answer, fields to check, the pass and fail icons (11: the overall verdict).
    void acorn_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QList<int>>("aprovados");
        QTest::addColumn<QList<int>>("reprovados");

        const QList<int> todos{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        auto sem = [&](QList<int> l, std::initializer_list<int> tira) {
            for (int i : tira)
                l.removeAll(i);
            return l;
        };
        QTest::newRow("healthy chip: every icon passes, the overall one too")
            << respostaAcorn()
            << QStringList{"M0=0.002 V|",  "M1=3.842 V|",     "M2=5.448 V|", "M3=10.000 V|", "P3=0 %|" + Verde,
                           "M4=-6.700 V|", "P4=0 %|" + Verde, "M9=1.100 V|", "M10=1.800 V|", "P10=0 %|" + Verde,
                           "Temp=34.6 º|", "AMP1=12,4 mA|",   "AMP4=3,0 mA|"}
            << todos << QList<int>{};
        QTest::newRow("vp 9050 mV is -9.5 %, whole -9: in")
            << respostaAcorn("acorn vp :", "acorn vp : 9050.00 mV") << QStringList{"M3=9.050 V|", "P3=-9.5 %|" + Verde}
            << todos << QList<int>{};
        QTest::newRow("vp 9000 mV is -10 %: out, and the overall verdict fails")
            << respostaAcorn("acorn vp :", "acorn vp : 9000.00 mV") << QStringList{"M3=9.000 V|", "P3=-10 %|" + Amarelo}
            << sem(todos, {3, 11}) << QList<int>{3, 11};
        QTest::newRow("a missing unjudged line: its fail icon, the overall verdict stands")
            << respostaAcorn("acorn vb :") << QStringList{"M2=" + Sem + "|"} << sem(todos, {2}) << QList<int>{2};
        QTest::newRow("the input has no fail icon")
            << respostaAcorn("acorn vin :") << QStringList{"M1=" + Sem + "|"} << sem(todos, {1}) << QList<int>{};
        QTest::newRow("a missing judged line fails it and the overall verdict")
            << respostaAcorn("acorn vh :") << QStringList{"M5=" + Sem + "|"} << sem(todos, {5, 11})
            << QList<int>{5, 11};
        QTest::newRow("a timed-out judged line likewise")
            << respostaAcorn("acorn va :", "acorn va : timeout mV") << QStringList{"M7=" + Sem + "|"}
            << sem(todos, {7, 11}) << QList<int>{7, 11};
        QTest::newRow("the memory buck is read by its own key, not the switch's")
            << respostaAcorn("BIST buck4:", "BIST buck4: 1300.00 mV")
            << QStringList{"M9=1.300 V|", "P9=18.1 %|" + Amarelo} << sem(todos, {9, 11}) << QList<int>{9, 11};
        QTest::newRow("missing temperature and current read not measured")
            << respostaAcorn("acorn die_temp :").remove(QStringLiteral("acorn ih : 3.05 mA"))
            << QStringList{"Temp=" + Sem + "|", "AMP4=" + Sem + "|"} << todos << QList<int>{};
    }
    void acorn() {
        QFETCH(QString, resposta);
        QFETCH(QStringList, campos);
        QFETCH(QList<int>, aprovados);
        QFETCH(QList<int>, reprovados);
        const RegrasAcorn::LeituraAcorn a = RegrasAcorn::Le(resposta);
        confere(a.leitura, campos);
        QCOMPARE(ordenada(a.aprovados), aprovados);
        QCOMPARE(ordenada(a.reprovados), reprovados);
    }

    // The report keys in the page's order, as the screens write them.
    void relatorio_data() {
        QTest::addColumn<QVector<EntradaRelatorioChip>>("entradas");
        QTest::addColumn<Legendas>("legendas");
        QTest::addColumn<QList<int>>("aprovados");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("esperado");

        Legendas chestnut{{"BOOST_V", "6.000 V"}, {"Porc5", "0 %"},     {"VNEG_V", "-5.712 V"},
                          {"VNEG_A", "9,1 mA"},   {"Porc4", "0.2 %"},   {"iLDO_V1", "5.700 V"},
                          {"iLDO_A1", "8,4 mA"},  {"Porc1", "0 %"},     {"iLDO_V2", "5.712 V"},
                          {"iLDO_A2", "7,9 mA"},  {"Porc2", "0.2 %"},   {"iLDO_V3", "4.300 V"},
                          {"iLDO_A3", "2,3 mA"},  {"Porc3", "-15.6 %"}, {"VIN_V", "3.851 V"}};
        QTest::newRow("Chestnut: six entries, the touch supply failed")
            << RegrasChestnut::EntradasRelatorio() << chestnut << QList<int>{0, 1, 2, 3} << "Bancada 3"
            << QStringList{"M1=PP6V0_DISPLAY_BOOST",
                           "L1=6.000 V",
                           "R1=6.0 V",
                           "P1=0 %",
                           "I1=1",
                           "M2=PN -5V7_DISPLAY_MESON_AVDDN",
                           "L2=-5.712 V   (9,1 mA)",
                           "R2=-5.7 V",
                           "P2=0.2 %",
                           "I2=1",
                           "M3=PP5V7_MESON_AVDDH",
                           "L3=5.700 V   (8,4 mA)",
                           "R3=5.7 V",
                           "P3=0 %",
                           "I3=1",
                           "M4=PP5V7_LCM_AVDDH",
                           "L4=5.712 V   (7,9 mA)",
                           "R4=5.7 V",
                           "P4=0.2 %",
                           "I4=1",
                           "M5=PP5V1_TOUCH_VDDH",
                           "L5=4.300 V   (2,3 mA)",
                           "R5=5.1 V",
                           "P5=-15.6 %",
                           "I5=0",
                           "M6=PP_VDD_MAIN",
                           "L6=3.851 V",
                           "R6=-",
                           "P6=-",
                           "I6=1",
                           "DATA=10/12/2026",
                           "IDIOMA=2",
                           "MODELO=IP 7",
                           "EMP=Bancada 3"};
        Legendas acorn{{"M8", "1.100 V"},  {"P8", "0 %"},      {"M7", "3.500 V"}, {"P7", "0 %"},     {"M5", "5.250 V"},
                       {"P5", "0 %"},      {"M4", "-6.700 V"}, {"P4", "0 %"},     {"M3", "9.000 V"}, {"P3", "-10 %"},
                       {"M10", "1.800 V"}, {"P10", "0 %"},     {"M9", "1.100 V"}, {"P9", "0 %"},     {"M6", "6.010 V"},
                       {"M2", "5.448 V"},  {"M0", "0.002 V"},  {"M1", "3.842 V"}};
        QTest::newRow("Acorn: eleven entries in report order, the last four without judgement")
            << RegrasAcorn::EntradasRelatorio() << acorn << QList<int>{0, 1, 2, 4, 5, 6, 7, 8, 9, 10} << "True Reparos"
            << QStringList{"M1=PP1V1_RACER", "L1=1.100 V", "R1=1.1 V", "P1=0 %", "I1=1", "M2=PP3V5_RACER", "L2=3.500 V",
                           "R2=3.5 V", "P2=0 %", "I2=1", "M3=PP5V25_TOUCH_VDDH", "L3=5.250 V", "R3=5.25 V", "P3=0 %",
                           "I3=1", "M4=PN6V7_RACER", "L4=-6.700 V", "R4=6.7 V", "P4=0 %", "I4=1", "M5=PP10V0_RACER",
                           "L5=9.000 V", "R5=10.0 V", "P5=-10 %", "I5=0", "M6=PP1V8_TOUCH_RACER_S2", "L6=1.800 V",
                           "R6=1.8 V", "P6=0 %", "I6=1", "M7=PP1V1_S2", "L7=1.100 V", "R7=1.1 V", "P7=0 %", "I7=1",
                           "M8=PP_CP1_OUT_ACORN", "L8=6.010 V", "R8=-", "P8=-", "I8=3", "M9=PP_BOOST1_ACORN",
                           "L9=5.448 V", "R9=-", "P9=-", "I9=3", "M10=GND", "L10=0.002 V", "R10=-", "P10=-", "I10=3",
                           "M11=PP_VDD_MAIN", "L11=3.842 V", "R11=-", "P11=-", "I11=3",
                           // The verdicts are digits already; a "True" in the name is the user's own word.
                           "DATA=10/12/2026", "IDIOMA=2", "MODELO=IP 7", "EMP=True Reparos"};
    }
    void relatorio() {
        QFETCH(QVector<EntradaRelatorioChip>, entradas);
        QFETCH(Legendas, legendas);
        QFETCH(QList<int>, aprovados);
        QFETCH(QString, nome);
        QFETCH(QStringList, esperado);
        const auto pares = RelatorioChip::pares(
            entradas, [&](const QString& c) { return legendas.value(c); }, [&](int i) { return aprovados.contains(i); },
            QStringLiteral("10/12/2026"), 2, QStringLiteral("IP 7"), nome);
        QStringList texto;
        for (const auto& [chave, valor] : pares)
            texto << chave + QLatin1Char('=') + valor;
        QCOMPARE(texto, esperado);
    }

    void enderecoCodificaCadaValor() {
        const auto pares = RelatorioChip::pares(
            RegrasChestnut::EntradasRelatorio(), [](const QString&) { return QStringLiteral("5.1 V"); },
            [](int) { return true; }, QStringLiteral("10/12/2026"), 1, QStringLiteral("IP 7 Plus"),
            QStringLiteral("A&B=1 #2"));
        const QString url = RelatorioChip::endereco(RelatorioChip::PaginaChestnut, pares);
        QVERIFY2(url.contains(QLatin1String("relatorio/chest.php?M1=PP6V0_DISPLAY_BOOST&L1=5.1%20V&")),
                 qPrintable(url));
        QVERIFY(url.contains(QLatin1String("&R1=6.0%20V&")));
        QVERIFY(url.contains(QLatin1String("&MODELO=IP%207%20Plus&")));
        QVERIFY(!url.contains(u' '));
        // A name cannot end its own value or add keys.
        QVERIFY(url.endsWith(QLatin1String("&EMP=A%26B%3D1%20%232")));
        QCOMPARE(QUrlQuery(QUrl(url)).queryItemValue(QStringLiteral("EMP"), QUrl::FullyDecoded),
                 QStringLiteral("A&B=1 #2"));
    }
};

QTEST_GUILESS_MAIN(TstChipsDisplay)
#include "tst_chipsdisplay.moc"
