// The rail report's address: keys per row in the grid's order, the status of each row, the tail keys,
// the VCore numbering removal and an encoding that no stored text can break.

#include "Apoio.h"

#include "base/Globais.h"
#include "report/DocumentoRelatorio.h"
#include "report/EnderecoRelatorio.h"
#include "report/RelatorioRail.h"
#include "store/Banco.h"

#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

using namespace tarsel;

namespace {

qint64 insere(const QString& modelo, int tipo, const QString& malha, const QString& leitura, const QString& ref,
              const QString& porc, const QString& refV) {
    Banco b;
    return b
        .executa(QStringLiteral("insert into Master (Modelo, TIPO, Orig, RefT, Malha, Leitura, Ref, Porc, RefV) "
                                "values (?, ?, 'Buck0', '0', ?, ?, ?, ?, ?)"),
                 {modelo, tipo, malha, leitura, ref, porc, refV})
        .lastInsertId()
        .toLongLong();
}

void apontaServidor(const QString& endereco) {
    Banco b;
    b.executa(QStringLiteral("update Tools set ServidorRelatorio = ?"), {endereco});
}

// The decoded key/value pairs of an address, in order.
QList<QPair<QString, QString>> paresDe(const QString& endereco) {
    const QUrl url(endereco, QUrl::StrictMode);
    QList<QPair<QString, QString>> r;
    for (const auto& par : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
        r.append(par);
    return r;
}

} // namespace

class TstRelatorio : public QObject {
    Q_OBJECT

private slots:
    void init() { globais().IdiomaAtual = 1; }

    void status_data();
    void status();
    void vcoreComDuasLinhas();
    void buckLdoSemNomesDeMalha();
    void valoresComSinaisDeConsultaChegamIntactos_data();
    void valoresComSinaisDeConsultaChegamIntactos();
    void nomeVazioTerminaEmEmp();
    void numeracaoSaiSoNoVCore();
    void maisDe255LinhasContinuamNumeradas();
    void servidorPadraoDoBanco();
    void servidorSemColunaUsaOPadrao();
    void servidorVazioUsaOPadrao();
    void documentoDosPares_data();
    void documentoDosPares();
};

// clang-format off
void TstRelatorio::status_data() {
    QTest::addColumn<QString>("leitura");
    QTest::addColumn<QString>("refV");
    QTest::addColumn<QString>("porc");
    QTest::addColumn<QString>("status");

    QTest::newRow("9.9 % passes") << "1.318 V" << "1.200" << "9.9 %" << "1";
    QTest::newRow("10.0 % fails") << "1.320 V" << "1.200" << "10.0 %" << "0";
    QTest::newRow("-10.0 % fails") << "1.080 V" << "1.200" << "-10.0 %" << "0";
    QTest::newRow("-9.9 % passes") << "1.082 V" << "1.200" << "-9.9 %" << "1";
    QTest::newRow("-10.9 % fails") << "1.070 V" << "1.200" << "-10.9 %" << "0";
    QTest::newRow("0 % passes") << "1.200 V" << "1.200" << "0 %" << "1";
    QTest::newRow("a skipped rail passes whatever its deviation") << "*" << "1.200" << "50 %" << "1";
    QTest::newRow("a rail without reading fails") << "Sem Medição*" << "1.200" << "0 %" << "0";
    QTest::newRow("a rail without reading fails even without a reference") << "Sem Medição*" << "" << "" << "0";
    QTest::newRow("a current passes") << "12,3 mA" << "10,0" << "23.0 %" << "1";
    QTest::newRow("a voltage without a reference value passes") << "1.500 V" << "" << "25 %" << "1";
    QTest::newRow("a voltage with a reference but no deviation has none") << "abc V" << "1.200" << "" << "3";
}
// clang-format on

void TstRelatorio::status() {
    QFETCH(QString, leitura);
    QFETCH(QString, refV);
    QFETCH(QString, porc);
    QFETCH(QString, status);
    QCOMPARE(RelatorioRail::status({QStringLiteral("PP"), leitura, QStringLiteral("1.2 V"), porc, refV}), status);
}

void TstRelatorio::vcoreComDuasLinhas() {
    teste::PastaPrograma pasta;
    apontaServidor(QStringLiteral("http://127.0.0.1:8080"));
    globais().IdiomaAtual = 2;
    const QString m = QStringLiteral("IP 7 Plus");
    const qint64 a = insere(m, 0, QStringLiteral("3. PP CPU"), QStringLiteral("1.234 V"), QStringLiteral("1.2 V"),
                            QStringLiteral("2.8 %"), QStringLiteral("1.200"));
    const qint64 b = insere(m, 0, QStringLiteral("PP_GPU"), QStringLiteral("No Reading*"), QStringLiteral("0.8 V"),
                            QStringLiteral("0 %"), QStringLiteral("0.800"));

    // The grid's order is the caller's: the second row first.
    const QString url = GeraRelatorio(0, {b, a}, m, QStringLiteral("Loja"), QStringLiteral("05/06/2024"));
    QCOMPARE(url, QStringLiteral("http://127.0.0.1:8080/relatorio/index.php?"
                                 "P1=PP_GPU&L1=No%20Reading*&R1=0.8%20V&O1=0%20%25&I1=0&"
                                 "P2=PP%20CPU&L2=1.234%20V&R2=1.2%20V&O2=2.8%20%25&I2=1&"
                                 "TIPO=0&DATA=05/06/2024&IDIOMA=2&MODELO=IP%207%20Plus&EMP=Loja"));
}

void TstRelatorio::buckLdoSemNomesDeMalha() {
    teste::PastaPrograma pasta;
    const QString m = QStringLiteral("IP 6s");
    const qint64 a = insere(m, 1, QStringLiteral("PP_LDO"), QStringLiteral("1.80 V"), QStringLiteral("1.8 V"),
                            QStringLiteral("-12.4 %"), QStringLiteral("1.800"));
    const qint64 c =
        insere(m, 1, QStringLiteral("PP_LDO_I"), QStringLiteral("12,3 mA"), QString(), QString(), QString());
    const auto pares = paresDe(GeraRelatorio(1, {a, c}, m, QStringLiteral("Ana"), QStringLiteral("1/2/25")));
    const QList<QPair<QString, QString>> esperado{
        {"L1", "1.80 V"}, {"R1", "1.8 V"},     {"O1", "-12.4 %"}, {"I1", "0"},   {"L2", "12,3 mA"},
        {"R2", ""},       {"O2", ""},          {"I2", "1"},       {"TIPO", "1"}, {"DATA", "1/2/25"},
        {"IDIOMA", "1"},  {"MODELO", "IP 6s"}, {"EMP", "Ana"},
    };
    QCOMPARE(pares, esperado);
}

// clang-format off
void TstRelatorio::valoresComSinaisDeConsultaChegamIntactos_data() {
    QTest::addColumn<QString>("texto");
    QTest::newRow("a name with every sign of a query") << "A&B=C#1 50%";
    QTest::newRow("a plus sign is no blank") << "PP+5V";
    QTest::newRow("a question mark and a slash") << "a?b/c";
    QTest::newRow("accented letters") << "Assistência Técnica São João";
}
// clang-format on

void TstRelatorio::valoresComSinaisDeConsultaChegamIntactos() {
    QFETCH(QString, texto);
    teste::PastaPrograma pasta;
    const QString m = QStringLiteral("IP 7");
    const qint64 a = insere(m, 2, texto, texto, texto, QStringLiteral("1.0 %"), QStringLiteral("1.200"));
    const QString url = GeraRelatorio(2, {a}, m, texto, QStringLiteral("05/06/2024"));
    QVERIFY(!url.contains(QLatin1Char(' ')));
    QVERIFY(!url.contains(QLatin1Char('#')));
    const auto pares = paresDe(url);
    const QList<QPair<QString, QString>> esperado{
        {"L1", texto},          {"R1", texto},   {"O1", "1.0 %"},    {"I1", "1"},    {"TIPO", "2"},
        {"DATA", "05/06/2024"}, {"IDIOMA", "1"}, {"MODELO", "IP 7"}, {"EMP", texto},
    };
    QCOMPARE(pares, esperado);
    if (texto == QLatin1String("A&B=C#1 50%"))
        QVERIFY(url.endsWith(QLatin1String("&EMP=A%26B%3DC%231%2050%25")));
}

void TstRelatorio::nomeVazioTerminaEmEmp() {
    teste::PastaPrograma pasta;
    const QString url = GeraRelatorio(2, {}, QStringLiteral("IP 7"), QString(), QStringLiteral("05/06/2024"));
    QVERIFY(url.endsWith(QLatin1String("&MODELO=IP%207&EMP=")));
    QVERIFY(url.contains(QLatin1String("relatorio/index.php?TIPO=2&")));
}

void TstRelatorio::numeracaoSaiSoNoVCore() {
    teste::PastaPrograma pasta;
    const QString m = QStringLiteral("IP X");
    const qint64 a = insere(m, 0, QStringLiteral("11. PP_CPU 1. SRAM"), QStringLiteral("*"), QStringLiteral("3. ref"),
                            QStringLiteral("0 %"), QStringLiteral("1.000"));
    const auto vcore = paresDe(GeraRelatorio(0, {a}, m, QStringLiteral("Loja 2. Andar"), QStringLiteral("x")));
    QCOMPARE(vcore.at(0), (QPair<QString, QString>{"P1", "PP_CPU SRAM"}));
    QCOMPARE(vcore.at(2), (QPair<QString, QString>{"R1", "ref"}));
    // The whole query loses the numbering, the name too.
    QCOMPARE(vcore.last(), (QPair<QString, QString>{"EMP", "Loja Andar"}));

    const auto buck = paresDe(GeraRelatorio(2, {a}, m, QStringLiteral("Loja 2. Andar"), QStringLiteral("x")));
    QCOMPARE(buck.at(1), (QPair<QString, QString>{"R1", "3. ref"}));
    QCOMPARE(buck.last(), (QPair<QString, QString>{"EMP", "Loja 2. Andar"}));
    // "21. " loses its "1. " only: the longer prefixes go first, then the single digits.
    QCOMPARE(RelatorioRail::removeNumeracao(QStringLiteral("10. a 21. b 9. c")), QStringLiteral("a 2b c"));
}

void TstRelatorio::maisDe255LinhasContinuamNumeradas() {
    teste::PastaPrograma pasta;
    const QString m = QStringLiteral("IP 7");
    QList<qint64> ids;
    {
        Banco b;
        Banco::Transacao t(b);
        for (int i = 0; i < 300; ++i) {
            ids << b.executa(QStringLiteral("insert into Master (Modelo, TIPO, Orig, Malha, Leitura, Ref, Porc, RefV) "
                                            "values (?, 0, 'Buck0', ?, '1.000 V', '1 V', '0 %', '1.000')"),
                             {m, QStringLiteral("PP%1").arg(i)})
                       .lastInsertId()
                       .toLongLong();
        }
        t.fim();
    }
    const QUrlQuery q(QUrl(GeraRelatorio(0, ids, m, QStringLiteral("n"), QStringLiteral("d"))));
    QCOMPARE(q.queryItemValue(QStringLiteral("P256")), QStringLiteral("PP255"));
    QCOMPARE(q.queryItemValue(QStringLiteral("I300")), QStringLiteral("1"));
}

void TstRelatorio::servidorPadraoDoBanco() {
    teste::PastaPrograma pasta;
    QCOMPARE(EnderecoRelatorio::servidor(), QStringLiteral("https://relatorio.voltracetarsel.com.br/"));
    QVERIFY(GeraRelatorio(2, {}, QStringLiteral("IP 7"), QString())
                .startsWith(QLatin1String("https://relatorio.voltracetarsel.com.br/relatorio/index.php?TIPO=2&DATA=")));
}

void TstRelatorio::servidorSemColunaUsaOPadrao() {
    teste::PastaPrograma pasta;
    teste::executaSql(pasta.banco(), QStringLiteral("alter table Tools drop column ServidorRelatorio"));
    QCOMPARE(EnderecoRelatorio::servidor(), EnderecoRelatorio::ServidorPadrao);
}

void TstRelatorio::servidorVazioUsaOPadrao() {
    teste::PastaPrograma pasta;
    apontaServidor(QStringLiteral("  "));
    QCOMPARE(EnderecoRelatorio::servidor(), EnderecoRelatorio::ServidorPadrao);
}

// The report as a document, read back from the pairs a report page is asked with: rows by their number, net
// names from the pairs or else from the grid, and keys that are not rows of this report left out.
void TstRelatorio::documentoDosPares_data() {
    QTest::addColumn<int>("especie");
    QTest::addColumn<QStringList>("pares"); // "key=value"
    QTest::addColumn<QStringList>("malhas");
    QTest::addColumn<QStringList>("linhas"); // "net|reading|reference|deviation"

    QTest::newRow("Buck rows take their net names from the grid, in row order")
        << int(EspecieRelatorio::Buck) << QStringList{"L2=2 V", "L1=1 V", "R1=1.0 V", "O1=0 %", "TIPO=2"}
        << QStringList{"PP_A", "PP_B"} << QStringList{"PP_A|1 V|1.0 V|0 %", "PP_B|2 V||"};
    QTest::newRow("a row number past any whole number is no row and takes no grid name")
        << int(EspecieRelatorio::Ldo) << QStringList{"L99999999999=x", "L1=1 V"} << QStringList{"PP_A"}
        << QStringList{"PP_A|1 V||"};
    QTest::newRow("a VCore net name sent empty stays empty, as the page shows it")
        << int(EspecieRelatorio::VCore) << QStringList{"P1=", "L1=1 V", "P2=PP_B", "L2=2 V"}
        << QStringList{"3. ", "2. PP_B"} << QStringList{"|1 V||", "PP_B|2 V||"};
    QTest::newRow("chip reports name every entry and take P as the deviation")
        << int(EspecieRelatorio::Chestnut) << QStringList{"M1=PP6V0", "L1=6.02 V", "R1=6.0 V", "P1=0.3 %", "I1=1"}
        << QStringList{} << QStringList{"PP6V0|6.02 V|6.0 V|0.3 %"};
    QTest::newRow("keys that are not rows are left out")
        << int(EspecieRelatorio::Buck) << QStringList{"L0=z", "l1=z", "L01=z", "LL1=z", "=", "L"} << QStringList{"PP_A"}
        << QStringList{};
}

void TstRelatorio::documentoDosPares() {
    QFETCH(int, especie);
    QFETCH(QStringList, pares);
    QFETCH(QStringList, malhas);
    QFETCH(QStringList, linhas);
    QList<QPair<QString, QString>> p;
    for (const QString& par : pares)
        p.append({par.section(QLatin1Char('='), 0, 0), par.section(QLatin1Char('='), 1)});
    const DocumentoRelatorio d =
        DocumentoRelatorio::dosPares(static_cast<EspecieRelatorio>(especie), p, malhas, QStringLiteral("A1778"));
    QStringList obtidas;
    for (const LinhaDocumento& l : d.linhas)
        obtidas << QStringList{l.malha, l.leitura, l.referencia, l.desvio}.join(QLatin1Char('|'));
    QCOMPARE(obtidas, linhas);
}

QTEST_GUILESS_MAIN(TstRelatorio)
#include "tst_relatorio.moc"
