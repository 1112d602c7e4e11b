// The power-rail rules: line keys, the parse of the converter report per screen, the judgement of a
// deviation, decimals, recordings and the note, on a temporary Config.tsl where rows are involved.

#include "Apoio.h"

#include "base/DialogosRoteiro.h"
#include "base/ErroVB.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "rails/ChaveBist.h"
#include "rails/ConsultaRail.h"
#include "rails/CorrentesPMU.h"
#include "rails/DecimaisRail.h"
#include "rails/GravacoesRail.h"
#include "rails/JulgamentoRail.h"
#include "rails/LinhasRail.h"
#include "rails/MarcadoresRail.h"
#include "rails/ParseRails.h"
#include "store/Banco.h"
#include "store/Configuracao.h"

#include <QSqlQuery>
#include <QtTest>

using namespace tarsel;

Q_DECLARE_METATYPE(tarsel::TelaRail)

namespace {

const QString SemMedicao = QStringLiteral("Sem Medição*");

struct Linha {
    QString Modelo;
    int TIPO;
    QString Orig;
    QString RefT;
    QString RefV;
    QString Malha = {};
    QString Ci = {};
    QString Leitura = {};
    QString Porc = {};
    QString G1 = {};
    QString G2 = {};
    QString G3 = {};
};

qint64 insere(const Linha& l) {
    Banco b;
    QSqlQuery q = b.executa(
        QStringLiteral("insert into Master (Modelo, TIPO, Orig, RefT, RefV, Malha, Ci, Ref, Leitura, Porc, G1, G2, G3) "
                       "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {l.Modelo, l.TIPO, l.Orig, l.RefT, l.RefV, l.Malha, l.Ci, l.RefV, l.Leitura, l.Porc, l.G1, l.G2, l.G3});
    return q.lastInsertId().toLongLong();
}

QStringList coluna(qint64 id, const QStringList& nomes) {
    Banco b;
    QSqlQuery q =
        b.executa(QStringLiteral("select %1 from Master where rowid = ?").arg(nomes.join(QLatin1Char(','))), {id});
    QStringList r;
    if (q.next()) {
        for (int i = 0; i < nomes.size(); ++i)
            r << q.value(i).toString();
    }
    return r;
}

QStringList leitura(qint64 id) {
    return coluna(id, {QStringLiteral("Leitura"), QStringLiteral("Porc")});
}

QStringList gravacoes(qint64 id) {
    return coluna(id, {QStringLiteral("G1"), QStringLiteral("G2"), QStringLiteral("G3")});
}

} // namespace

class TstRails : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { globais().IdiomaAtual = 1; }
    void init() { globais().IdiomaAtual = 1; }

    void chaveBist_data();
    void chaveBist();
    void leLinha_data();
    void leLinha();
    void marcadorSemMedicaoSegueOIdioma_data();
    void marcadorSemMedicaoSegueOIdioma();
    void pmuParaNaReferenciaQueNaoServe_data();
    void pmuParaNaReferenciaQueNaoServe();
    void respostaVaziaPorTela_data();
    void respostaVaziaPorTela();

    void processaLeiturasGravaAsLinhasDoModeloETipo();
    void respostaVaziaNaoTocaOBancoNasTelasDeGrade();
    void respostaVaziaNoPMUMarcaTudoComoSemMedicao();
    void falhaNoPMUGravaAsLinhasAnterioresELancaOErro();
    void valorRuimNoPMULeSemMedicaoEOsOutrosSeguem_data();
    void valorRuimNoPMULeSemMedicaoEOsOutrosSeguem();
    void codigoSemChaveMostraACaixaUmaVezPorLinha_data();
    void codigoSemChaveMostraACaixaUmaVezPorLinha();

    void julgamento_data();
    void julgamento();
    void tolerancia_data();
    void tolerancia();
    void toleranciaDaLeitura_data();
    void toleranciaDaLeitura();
    void correntesDasLinhas_data();
    void correntesDasLinhas();

    void carregaDecimais_data();
    void carregaDecimais();
    void gravaDecimaisIgnoraTextoForaDaLista_data();
    void gravaDecimaisIgnoraTextoForaDaLista();

    void gravaLeiturasCopiaSoAsLinhasMostradas();
    void respostaNaoNaoGravaNemExclui();
    void excluiGravacoesApagaSoAGravacaoEscolhida();
    void gravacaoForaDeUmATresEErro();

    void nota_data();
    void nota();

    void filtroDeICsDaGrade_data();
    void filtroDeICsDaGrade();
    void ordemPorDesvioETextoDecrescente();
    void linhasDoPMUSeparamTensoesDeCorrentes();
};

// ---- Line keys ---------------------------------------------------------------------------------

// clang-format off
void TstRails::chaveBist_data() {
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("chave");

    QTest::newRow("code 0 is buck 0") << "0" << "BIST buck0:";
    QTest::newRow("code 11 is buck 11") << "11" << "BIST buck11:";
    QTest::newRow("codes 12 to 14 are the switches of buck 3, first") << "12" << "BIST buck3_sw1:";
    QTest::newRow("codes 12 to 14 are the switches of buck 3, last") << "14" << "BIST buck3_sw3:";
    QTest::newRow("code 15 is the first switch of buck 4") << "15" << "BIST buck4_sw1:";
    QTest::newRow("code 16 is the second switch of buck 4") << "16" << "BIST buck4_sw2:";
    QTest::newRow("code 20 is the current of buck 0, without the BIST prefix") << "20" << "ibuck0:";
    QTest::newRow("code 31 is the current of buck 11") << "31" << "ibuck11:";
    QTest::newRow("code 40 is ldo 0") << "40" << "BIST ldo0:";
    QTest::newRow("code 59 is ldo 19") << "59" << "BIST ldo19:";
    QTest::newRow("code 60 is the current of ldo 0") << "60" << "BIST ildo0:";
    QTest::newRow("code 79 is the current of ldo 19") << "79" << "BIST ildo19:";
    QTest::newRow("code 80 is ibuf") << "80" << "BIST ibuf_1v2:";
    QTest::newRow("code 81 is vbuf") << "81" << "BIST vbuf_1v2:";
    QTest::newRow("code 82 is vrtc") << "82" << "BIST vrtc:";
    QTest::newRow("code 17 has no key") << "17" << "";
    QTest::newRow("code 19 has no key") << "19" << "";
    QTest::newRow("code 32 has no key") << "32" << "";
    QTest::newRow("code 39 has no key") << "39" << "";
    QTest::newRow("code 83 has no key") << "83" << "";
    QTest::newRow("a leading zero is another text") << "05" << "";
    QTest::newRow("a blank in front is another text") << " 1" << "";
    QTest::newRow("a word has no key") << "abc" << "";
}
// clang-format on

void TstRails::chaveBist() {
    QFETCH(QString, codigo);
    QFETCH(QString, chave);
    DialogosRoteiro caixas;

    QCOMPARE(ChaveBist(codigo), chave);
    QCOMPARE(ChaveLinha(codigo).has_value(), !chave.isEmpty());
    if (chave.isEmpty()) {
        QCOMPARE(caixas.textos(), QStringList{QStringLiteral("NOT ") + codigo});
        QCOMPARE(caixas.caixas.first().botoes, Dialogos::Botoes::Ok);
    } else {
        QVERIFY(caixas.caixas.isEmpty());
    }
}

// ---- One row of the parse ----------------------------------------------------------------------

// clang-format off
void TstRails::leLinha_data() {
    QTest::addColumn<TelaRail>("tela");
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("orig");
    QTest::addColumn<QString>("malha");
    QTest::addColumn<QString>("ci");
    QTest::addColumn<QString>("refT");
    QTest::addColumn<QString>("refV");
    QTest::addColumn<QString>("resposta");
    QTest::addColumn<int>("decV");
    QTest::addColumn<int>("decA");
    QTest::addColumn<QString>("leitura");
    QTest::addColumn<QString>("porc");

    const QString ip7 = QStringLiteral("IP 7");
    const QString buck0 = QStringLiteral("BIST buck0: 1234.567 mV\r\n");
    const auto pmu = TelaRail::PMU;
    const auto buck = TelaRail::BuckLdo;
    const auto vcore = TelaRail::VCore;

    QTest::newRow("millivolts become volts with three decimals and a deviation")
        << pmu << ip7 << "Buck0" << "" << "" << "0" << "1.200" << buck0 << 3 << 3 << "1.234 V" << "2.8 %";
    QTest::newRow("one voltage decimal cuts the reading but not the deviation")
        << buck << ip7 << "Buck0" << "" << "" << "0" << "1.200" << buck0 << 1 << 1 << "1.2 V" << "2.8 %";
    QTest::newRow("two voltage decimals")
        << vcore << ip7 << "Buck0" << "" << "" << "0" << "1.200" << buck0 << 2 << 1 << "1.23 V" << "2.8 %";
    QTest::newRow("a current keeps one decimal with a comma and no deviation without RefV")
        << buck << ip7 << "mA Buck0" << "" << "" << "20" << "" << "ibuck0: 12.345 mA\r\n" << 3 << 1 << "12,3 mA" << "";
    QTest::newRow("a current with no decimals")
        << buck << ip7 << "mA Buck0" << "" << "" << "20" << "" << "ibuck0: 12.345 mA\r\n" << 3 << 0 << "12 mA" << "";
    QTest::newRow("a current with two decimals")
        << buck << ip7 << "mA Buck0" << "" << "" << "20" << "" << "ibuck0: 12.345 mA\r\n" << 3 << 2 << "12,34 mA" << "";
    QTest::newRow("a current with three decimals keeps the two left after its last digit is dropped")
        << pmu << ip7 << "mA Buck0" << "" << "" << "20" << "" << "ibuck0: 12.345 mA\r\n" << 3 << 3 << "12,34 mA" << "";
    QTest::newRow("a negative current keeps its sign")
        << buck << ip7 << "mA Buck2" << "" << "" << "22" << "" << "ibuck2: -12.345 mA\r\n" << 3 << 1 << "-12,3 mA"
        << "";
    QTest::newRow("a current without a decimal comma is kept whole")
        << buck << ip7 << "mA Buck2" << "" << "" << "22" << "" << "ibuck2: 125 mA\r\n" << 3 << 2 << "12 mA" << "";
    QTest::newRow("a current against a reference gets its deviation")
        << buck << ip7 << "mA Ldo3" << "" << "" << "63" << "100,0" << "BIST ildo3: 105.01 mA\r\n" << 3 << 1
        << "105,0 mA" << "5.0 %";
    QTest::newRow("zero millivolts read 0 V")
        << buck << ip7 << "Buck3" << "" << "" << "3" << "" << "BIST buck3: 0.000 mV\r\n" << 3 << 1 << "0 V" << "";
    QTest::newRow("less than a millivolt reads 0 V")
        << pmu << ip7 << "Buck3" << "" << "" << "3" << "" << "BIST buck3: 0.4 mV\r\n" << 3 << 3 << "0 V" << "";
    QTest::newRow("negative millivolts keep their sign")
        << buck << ip7 << "Buck3" << "" << "" << "3" << "" << "BIST buck3: -1500.0 mV\r\n" << 3 << 1 << "-1.500 V"
        << "";
    QTest::newRow("negative millivolts with two decimals")
        << buck << ip7 << "Buck3" << "" << "" << "3" << "" << "BIST buck3: -1500.0 mV\r\n" << 2 << 1 << "-1.50 V" << "";
    QTest::newRow("a negative zero reads 0 V")
        << buck << ip7 << "Buck3" << "" << "" << "3" << "" << "BIST buck3: -0.3 mV\r\n" << 3 << 1 << "0 V" << "";
    QTest::newRow("ten volts or more keep one decimal fewer")
        << buck << ip7 << "Buck5" << "" << "" << "5" << "" << "BIST buck5: 12345.6 mV\r\n" << 3 << 1 << "12.34 V" << "";
    QTest::newRow("whole millivolts are millivolts on the PMU screen")
        << pmu << ip7 << "Buck0" << "" << "" << "0" << "1.050" << "BIST buck0: 1050 mV\r\n" << 3 << 3 << "1.050 V"
        << "0 %";
    QTest::newRow("whole millivolts on the Buck and LDO screen, cut to two decimals")
        << buck << ip7 << "Buck0" << "" << "" << "0" << "1.200" << "BIST buck0: 1050 mV\r\n" << 2 << 1 << "1.05 V"
        << "-12.5 %";
    QTest::newRow("whole millivolts on the VCore screen")
        << vcore << ip7 << "Buck5" << "" << "" << "5" << "1.000" << "BIST buck5: 985 mV\r\n" << 3 << 1 << "0.985 V"
        << "-1.5 %";
    QTest::newRow("negative whole millivolts keep their sign")
        << buck << ip7 << "Buck3" << "" << "" << "3" << "" << "BIST buck3: -1500 mV\r\n" << 3 << 1 << "-1.500 V" << "";
    QTest::newRow("a few whole millivolts are thousandths of a volt")
        << pmu << ip7 << "Buck3" << "" << "" << "3" << "" << "BIST buck3: 7 mV\r\n" << 3 << 3 << "0.007 V" << "";
    QTest::newRow("zero whole millivolts read 0 V")
        << vcore << ip7 << "Buck3" << "" << "" << "3" << "0" << "BIST buck3: 0 mV\r\n" << 3 << 1 << "0 V" << "0 %";
    QTest::newRow("ten volts of whole millivolts keep one decimal fewer")
        << buck << ip7 << "Buck5" << "" << "" << "5" << "" << "BIST buck5: 12345 mV\r\n" << 3 << 1 << "12.34 V" << "";
    QTest::newRow("RefV 0 gives 0 % whatever the reading")
        << buck << ip7 << "Buck0" << "" << "" << "0" << "0" << buck0 << 3 << 1 << "1.234 V" << "0 %";
    QTest::newRow("3 millivolts above the reference give 0.3 %")
        << pmu << ip7 << "Buck0" << "" << "" << "0" << "1.200" << "BIST buck0: 1203.0 mV\r\n" << 3 << 3 << "1.203 V"
        << "0.3 %";
    QTest::newRow("3 millivolts below the reference give -0.3 %")
        << pmu << ip7 << "Buck0" << "" << "" << "0" << "1.206" << "BIST buck0: 1203.0 mV\r\n" << 3 << 3 << "1.203 V"
        << "-0.3 %";
    QTest::newRow("the reference itself gives 0 %")
        << pmu << ip7 << "Buck0" << "" << "" << "0" << "1.200" << "BIST buck0: 1200.9 mV\r\n" << 3 << 3 << "1.200 V"
        << "0 %";
    QTest::newRow("five percent above")
        << pmu << ip7 << "Buck0" << "" << "" << "0" << "1.200" << "BIST buck0: 1260.0 mV\r\n" << 3 << 3 << "1.260 V"
        << "5.0 %";
    QTest::newRow("a negative reference divides a negative difference")
        << buck << ip7 << "Buck9" << "" << "" << "9" << "-1.500" << "BIST buck9: -1600.0 mV\r\n" << 3 << 1 << "-1.600 V"
        << "6.6 %";
    QTest::newRow("a zero reference still gives the fixed texts near it")
        << pmu << ip7 << "Buck9" << "" << "" << "9" << "0.000" << "BIST buck9: 3.0 mV\r\n" << 3 << 3 << "0.003 V"
        << "0.3 %";
    QTest::newRow("a zero reference that cannot divide leaves the deviation empty")
        << buck << ip7 << "Buck9" << "" << "" << "9" << "0.000" << "BIST buck9: 500.0 mV\r\n" << 3 << 1 << "0.500 V"
        << "";
    QTest::newRow("a value that is no number keeps its text without a deviation")
        << vcore << ip7 << "Buck0" << "" << "" << "0" << "1.200" << "BIST buck0: abc mV\r\n" << 3 << 1 << "abc V" << "";
    QTest::newRow("a value that is no number reads not measured on the PMU screen")
        << pmu << ip7 << "Buck0" << "" << "" << "0" << "1.200" << "BIST buck0: abc mV\r\n" << 3 << 3 << SemMedicao
        << "0 %";
    QTest::newRow("the first occurrence of the key counts")
        << buck << ip7 << "Buck0" << "" << "" << "0" << "" << "BIST buck0: 1100.0 mV\r\nBIST buck0: 1300.0 mV\r\n" << 3
        << 1 << "1.100 V" << "";
    QTest::newRow("the key is searched with its exact case")
        << buck << ip7 << "Buck0" << "" << "" << "0" << "1.200" << "bist buck0: 1234.567 mV\r\n" << 3 << 1 << SemMedicao
        << "0 %";
    QTest::newRow("buck1 is not found inside buck11")
        << buck << ip7 << "Buck4" << "" << "" << "4" << "" << "BIST buck14: 1234.567 mV\r\n" << 3 << 1 << SemMedicao
        << "";
    QTest::newRow("a missing line reads not measured with 0 % when there is a reference")
        << buck << ip7 << "Buck2" << "" << "" << "2" << "1.800" << buck0 << 3 << 1 << SemMedicao << "0 %";
    QTest::newRow("a missing line reads not measured without deviation when RefV is empty")
        << vcore << ip7 << "Buck2" << "" << "" << "2" << "" << buck0 << 3 << 1 << SemMedicao << "";
    QTest::newRow("a code without a key reads not measured")
        << buck << ip7 << "Buck2" << "" << "" << "17" << "1.800" << buck0 << 3 << 1 << SemMedicao << "0 %";
    QTest::newRow("a line without a unit reads not measured on a grid screen")
        << buck << ip7 << "Buck0" << "" << "" << "0" << "1.200" << "BIST buck0: 1234.567\r\nBIST buck1: 5.0 mV\r\n" << 3
        << 1 << SemMedicao << "0 %";
    QTest::newRow("a key at the very end reads not measured on a grid screen")
        << vcore << ip7 << "Buck0" << "" << "" << "0" << "" << "BIST buck0:" << 3 << 1 << SemMedicao << "";
    QTest::newRow("two blanks after the key leave no value: not measured")
        << buck << ip7 << "Buck0" << "" << "" << "0" << "" << "BIST buck0:  1234.567 mV\r\n" << 3 << 1 << SemMedicao
        << "";

    // Skip rules
    QTest::newRow("IP 8 Plus on the PMU screen skips the current of Buck0")
        << pmu << "IP 8 Plus" << "mA Buck0" << "" << "" << "20" << "" << "ibuck0: 12.345 mA\r\n" << 3 << 3 << "*" << "";
    QTest::newRow("IP X on the Buck and LDO screen skips the current of Buck0")
        << buck << "IP X" << "mA Buck0" << "" << "" << "20" << "" << "ibuck0: 12.345 mA\r\n" << 3 << 1 << "*" << "";
    QTest::newRow("IP 7 reads the current of Buck0")
        << buck << "IP 7 Plus" << "mA Buck0" << "" << "" << "20" << "" << "ibuck0: 12.345 mA\r\n" << 3 << 1 << "12,3 mA"
        << "";
    QTest::newRow("IP 8 on the VCore screen skips by the net name mA BUCK0")
        << vcore << "IP 8" << "mA Buck0" << "mA BUCK0" << "" << "20" << "" << "ibuck0: 12.345 mA\r\n" << 3 << 1 << "*"
        << "";
    QTest::newRow("IP X on the VCore screen reads the current of Buck0 under another net name")
        << vcore << "IP X" << "mA Buck0" << "PP_CPU" << "" << "20" << "" << "ibuck0: 12.345 mA\r\n" << 3 << 1
        << "12,3 mA" << "";
    QTest::newRow("Buck1 is skipped on the PMU screen with 0 % for its reference")
        << pmu << ip7 << "Buck1" << "" << "" << "1" << "0.800" << "BIST buck1: 800.0 mV\r\n" << 3 << 3 << "*" << "0 %";
    QTest::newRow("Buck8 is skipped on the Buck and LDO screen")
        << buck << ip7 << "Buck8" << "" << "" << "8" << "0.800" << "BIST buck8: 800.0 mV\r\n" << 3 << 1 << "*" << "0 %";
    QTest::newRow("Buck1 is skipped on the VCore screen")
        << vcore << ip7 << "Buck1" << "" << "GPU" << "1" << "0.800" << "BIST buck1: 800.0 mV\r\n" << 3 << 1 << "*"
        << "0 %";
    QTest::newRow("the current of Buck8 is skipped on the PMU screen")
        << pmu << ip7 << "mA Buck8" << "" << "" << "28" << "" << "ibuck8: 5.55 mA\r\n" << 3 << 3 << "*" << "";
    QTest::newRow("the current of Buck1 is read on the VCore screen")
        << vcore << ip7 << "mA Buck1" << "" << "" << "21" << "" << "ibuck1: 5.55 mA\r\n" << 3 << 1 << "5,5 mA" << "";
    QTest::newRow("the skip rules compare with exact case")
        << pmu << ip7 << "BUCK1" << "" << "" << "1" << "" << "BIST buck1: 800.0 mV\r\n" << 3 << 3 << "0.800 V" << "";
    QTest::newRow("a camera rail is skipped on the Buck and LDO screen")
        << buck << ip7 << "Ldo7" << "" << "CAM" << "47" << "2.850" << "BIST ldo7: 2850.0 mV\r\n" << 3 << 1 << "*"
        << "0 %";
    QTest::newRow("a camera rail is read on the PMU screen")
        << pmu << ip7 << "Ldo7" << "" << "CAM" << "47" << "2.850" << "BIST ldo7: 2850.0 mV\r\n" << 3 << 3 << "2.850 V"
        << "0 %";
    QTest::newRow("a camera rail is read on the VCore screen")
        << vcore << ip7 << "Ldo7" << "" << "CAM" << "47" << "" << "BIST ldo7: 2850.0 mV\r\n" << 3 << 1 << "2.850 V"
        << "";
    QTest::newRow("the camera rule compares with exact case")
        << buck << ip7 << "Ldo7" << "" << "cam" << "47" << "" << "BIST ldo7: 2850.0 mV\r\n" << 3 << 1 << "2.850 V"
        << "";

    // Timed-out values
    QTest::newRow("a timed-out value on the PMU screen reads ** without deviation")
        << pmu << ip7 << "Buck2" << "" << "" << "2" << "" << "BIST buck2: timeout mV\r\n" << 3 << 3 << "**" << "";
    QTest::newRow("a timed-out value on the PMU screen with a reference reads ** instead of failing")
        << pmu << ip7 << "Buck2" << "" << "" << "2" << "1.800" << "BIST buck2: timeout mV\r\n" << 3 << 3 << "**" << "";
    QTest::newRow("a timed-out current on the PMU screen reads **")
        << pmu << ip7 << "mA Buck2" << "" << "" << "22" << "" << "ibuck2: timeout mA\r\n" << 3 << 3 << "**" << "";
    QTest::newRow("a timed-out value on the Buck and LDO screen reads not measured")
        << buck << ip7 << "Buck2" << "" << "" << "2" << "1.800" << "BIST buck2: timeout mV\r\n" << 3 << 1 << SemMedicao
        << "";
    QTest::newRow("a timed-out value on the VCore screen with RefV 0 keeps 0 %")
        << vcore << ip7 << "Buck2" << "" << "" << "2" << "0" << "BIST buck2: timeout mV\r\n" << 3 << 1 << SemMedicao
        << "0 %";
    QTest::newRow("an empty answer on the PMU screen reads not measured")
        << pmu << ip7 << "Buck2" << "" << "" << "2" << "1.800" << "" << 3 << 3 << SemMedicao << "0 %";
}
// clang-format on

void TstRails::leLinha() {
    QFETCH(TelaRail, tela);
    QFETCH(QString, modelo);
    QFETCH(QString, orig);
    QFETCH(QString, malha);
    QFETCH(QString, ci);
    QFETCH(QString, refT);
    QFETCH(QString, refV);
    QFETCH(QString, resposta);
    QFETCH(int, decV);
    QFETCH(int, decA);
    QFETCH(QString, leitura);
    QFETCH(QString, porc);

    DialogosRoteiro caixas;
    const ParseRails parse(tela, modelo, decV, decA);
    const LeituraRail r = parse.le(LinhaRail{1, orig, malha, ci, refT, refV}, resposta);
    QCOMPARE(r.Leitura, leitura);
    QCOMPARE(r.Porc, porc);
}

// clang-format off
void TstRails::marcadorSemMedicaoSegueOIdioma_data() {
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("marcador");
    QTest::newRow("Portuguese") << 1 << "Sem Medição*";
    QTest::newRow("English") << 2 << "No Reading*";
    QTest::newRow("Spanish") << 3 << "Sin lectura*";
}
// clang-format on

void TstRails::marcadorSemMedicaoSegueOIdioma() {
    QFETCH(int, idioma);
    QFETCH(QString, marcador);
    globais().IdiomaAtual = quint8(idioma);
    const ParseRails parse(TelaRail::BuckLdo, QStringLiteral("IP 7"), 3, 1);
    QCOMPARE(parse.le(LinhaRail{1, QStringLiteral("Buck2"), {}, {}, QStringLiteral("2"), {}}, QString()).Leitura,
             marcador);
    QCOMPARE(MarcadorSemMedicao(), marcador);
}

// clang-format off
void TstRails::pmuParaNaReferenciaQueNaoServe_data() {
    QTest::addColumn<QString>("refV");
    QTest::addColumn<QString>("resposta");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("leituraGrade");

    QTest::newRow("a zero reference that must divide is a division by zero")
        << "0.000" << "BIST buck0: 500.0 mV\r\n" << 11 << "0.500 V";
    QTest::newRow("a zero reference against whole millivolts is a division by zero too")
        << "0.000" << "BIST buck0: 500 mV\r\n" << 11 << "0.500 V";
    QTest::newRow("a reference that is no number is a type mismatch")
        << "abc" << "BIST buck0: 1234.567 mV\r\n" << 13 << "1.234 V";
}
// clang-format on

void TstRails::pmuParaNaReferenciaQueNaoServe() {
    QFETCH(QString, refV);
    QFETCH(QString, resposta);
    QFETCH(int, numero);
    QFETCH(QString, leituraGrade);

    const LinhaRail linha{1, QStringLiteral("Buck0"), {}, {}, QStringLiteral("0"), refV};
    try {
        ParseRails(TelaRail::PMU, QStringLiteral("IP 7"), 3, 3).le(linha, resposta);
        QFAIL("the PMU parse went on");
    } catch (const ErroVB& e) {
        QCOMPARE(e.numero(), numero);
    }
    // The grid screens write the reading without a deviation.
    const LeituraRail grade = ParseRails(TelaRail::BuckLdo, QStringLiteral("IP 7"), 3, 1).le(linha, resposta);
    QCOMPARE(grade.Leitura, leituraGrade);
    QCOMPARE(grade.Porc, QString());
}

// clang-format off
void TstRails::respostaVaziaPorTela_data() {
    QTest::addColumn<TelaRail>("tela");
    QTest::addColumn<QString>("resposta");
    QTest::addColumn<bool>("parseia");

    QTest::newRow("the PMU screen parses an empty answer") << TelaRail::PMU << "" << true;
    QTest::newRow("the PMU screen parses a line break only") << TelaRail::PMU << "\r\n" << true;
    QTest::newRow("the Buck and LDO screen parses no empty answer") << TelaRail::BuckLdo << "" << false;
    QTest::newRow("the Buck and LDO screen parses no line break only") << TelaRail::BuckLdo << "\r\n" << false;
    QTest::newRow("the VCore screen parses no empty answer") << TelaRail::VCore << "" << false;
    QTest::newRow("the VCore screen parses no blanks only") << TelaRail::VCore << " \r\n \r\n" << false;
    QTest::newRow("the VCore screen parses any text") << TelaRail::VCore << "\r\n:-)" << true;
}
// clang-format on

void TstRails::respostaVaziaPorTela() {
    QFETCH(TelaRail, tela);
    QFETCH(QString, resposta);
    QFETCH(bool, parseia);
    QCOMPARE(ParseRails(tela, QStringLiteral("IP 7"), 3, 1).parseia(resposta), parseia);
}

// ---- The parse on the database -----------------------------------------------------------------

void TstRails::processaLeiturasGravaAsLinhasDoModeloETipo() {
    teste::PastaPrograma pasta;
    const QString m = QStringLiteral("IP 7");
    const qint64 buck0 = insere({m, 2, QStringLiteral("Buck0"), QStringLiteral("0"), QStringLiteral("1.200")});
    const qint64 corrente0 = insere({m, 2, QStringLiteral("mA Buck0"), QStringLiteral("20"), {}});
    const qint64 buck1 = insere({m, 2, QStringLiteral("Buck1"), QStringLiteral("1"), QStringLiteral("0.800")});
    const qint64 buck2 = insere({m, 2, QStringLiteral("Buck2"), QStringLiteral("2"), QStringLiteral("1.800")});
    const qint64 camera = insere(
        {m, 2, QStringLiteral("Buck6"), QStringLiteral("6"), QStringLiteral("2.900"), {}, QStringLiteral("CAM")});
    // A second row with buck 0's key gets the same reading.
    const qint64 copia = insere({m, 2, QStringLiteral("Buck0b"), QStringLiteral("0"), QStringLiteral("0")});
    const qint64 semCodigo = insere({m,
                                     2,
                                     QStringLiteral("Buck7"),
                                     QString(),
                                     QStringLiteral("1.000"),
                                     {},
                                     {},
                                     QStringLiteral("velha"),
                                     QStringLiteral("9 %")});
    const qint64 ldo = insere({m,
                               1,
                               QStringLiteral("Ldo0"),
                               QStringLiteral("40"),
                               QStringLiteral("1.800"),
                               {},
                               {},
                               QStringLiteral("velha"),
                               QStringLiteral("1 %")});
    const qint64 outroModelo = insere({QStringLiteral("IP 8"),
                                       2,
                                       QStringLiteral("Buck0"),
                                       QStringLiteral("0"),
                                       QStringLiteral("1.200"),
                                       {},
                                       {},
                                       QStringLiteral("velha"),
                                       QStringLiteral("2 %")});

    const QString resposta = QStringLiteral("pmuadc --read all\r\nBIST buck0: 1234.567 mV\r\nibuck0: 12.345 mA\r\n"
                                            "BIST buck1: 800.0 mV\r\nBIST buck6: 2900.0 mV\r\nBIST ldo0: 1800.0 mV\r\n"
                                            "[0000abcd:0000ef01] :-) ");
    QVERIFY(ProcessaLeituras(TelaRail::BuckLdo, resposta, m, 2, 3, 1));

    QCOMPARE(leitura(buck0), (QStringList{"1.234 V", "2.8 %"}));
    QCOMPARE(leitura(corrente0), (QStringList{"12,3 mA", ""}));
    QCOMPARE(leitura(buck1), (QStringList{"*", "0 %"}));
    QCOMPARE(leitura(buck2), (QStringList{SemMedicao, "0 %"}));
    QCOMPARE(leitura(camera), (QStringList{"*", "0 %"}));
    QCOMPARE(leitura(copia), (QStringList{"1.234 V", "0 %"}));
    // Rows outside the read are cleared, not read.
    QCOMPARE(leitura(semCodigo), (QStringList{"", ""}));
    QCOMPARE(leitura(ldo), (QStringList{"", ""}));
    QCOMPARE(leitura(outroModelo), (QStringList{"", ""}));
}

void TstRails::respostaVaziaNaoTocaOBancoNasTelasDeGrade() {
    teste::PastaPrograma pasta;
    const qint64 id = insere({QStringLiteral("IP 7"),
                              0,
                              QStringLiteral("Buck0"),
                              QStringLiteral("0"),
                              QStringLiteral("1.200"),
                              {},
                              {},
                              QStringLiteral("1.100 V"),
                              QStringLiteral("-8.3 %")});
    for (const TelaRail tela : {TelaRail::BuckLdo, TelaRail::VCore})
        QVERIFY(!ProcessaLeituras(tela, QStringLiteral("\r\n"), QStringLiteral("IP 7"), 0, 3, 1));
    QCOMPARE(leitura(id), (QStringList{"1.100 V", "-8.3 %"}));
}

void TstRails::respostaVaziaNoPMUMarcaTudoComoSemMedicao() {
    teste::PastaPrograma pasta;
    const QString m = QStringLiteral("IP 8 Plus");
    const qint64 buck0 = insere({m, 2, QStringLiteral("Buck0"), QStringLiteral("0"), QStringLiteral("1.200")});
    const qint64 corrente0 = insere({m, 2, QStringLiteral("mA Buck0"), QStringLiteral("20"), {}});
    const qint64 corrente3 = insere({m, 2, QStringLiteral("mA Buck3"), QStringLiteral("23"), {}});
    QVERIFY(ProcessaLeituras(TelaRail::PMU, QString(), m, 2, 3, 3));
    QCOMPARE(leitura(buck0), (QStringList{SemMedicao, "0 %"}));
    QCOMPARE(leitura(corrente0), (QStringList{"*", ""}));
    QCOMPARE(leitura(corrente3), (QStringList{SemMedicao, ""}));
}

void TstRails::falhaNoPMUGravaAsLinhasAnterioresELancaOErro() {
    teste::PastaPrograma pasta;
    const QString m = QStringLiteral("IP 7");
    const qint64 antes = insere({m, 2, QStringLiteral("Buck0"), QStringLiteral("0"), QStringLiteral("1.200")});
    // A zero reference cannot divide a reading far from it.
    const qint64 falha = insere({m, 2, QStringLiteral("Buck2"), QStringLiteral("2"), QStringLiteral("0.000")});
    const qint64 depois = insere({m, 2, QStringLiteral("Buck3"), QStringLiteral("3"), QStringLiteral("0.900")});
    const qint64 velha = insere({m,
                                 1,
                                 QStringLiteral("Ldo0"),
                                 QStringLiteral("40"),
                                 QStringLiteral("1.800"),
                                 {},
                                 {},
                                 QStringLiteral("velha"),
                                 QStringLiteral("1 %")});
    const QString resposta =
        QStringLiteral("BIST buck0: 1234.567 mV\r\nBIST buck2: 500.0 mV\r\nBIST buck3: 900.0 mV\r\n");
    try {
        ProcessaLeituras(TelaRail::PMU, resposta, m, 2, 3, 3);
        QFAIL("the PMU parse did not report its failure");
    } catch (const ErroVB& e) {
        QCOMPARE(e.numero(), 11);
    }
    QCOMPARE(leitura(antes), (QStringList{"1.234 V", "2.8 %"}));
    QCOMPARE(leitura(falha), (QStringList{"", ""}));
    QCOMPARE(leitura(depois), (QStringList{"", ""}));
    QCOMPARE(leitura(velha), (QStringList{"", ""}));

    // The same answer on a grid screen reads every row.
    QVERIFY(ProcessaLeituras(TelaRail::BuckLdo, resposta, m, 2, 3, 1));
    QCOMPARE(leitura(falha), (QStringList{"0.500 V", ""}));
    QCOMPARE(leitura(depois), (QStringList{"0.900 V", "0 %"}));
}

// clang-format off
void TstRails::valorRuimNoPMULeSemMedicaoEOsOutrosSeguem_data() {
    QTest::addColumn<QString>("linhaRuim");
    QTest::addColumn<bool>("corrente");

    QTest::newRow("a word") << "BIST buck2: abc mV\r\n" << false;
    QTest::newRow("not a number") << "BIST buck2: nan mV\r\n" << false;
    QTest::newRow("infinity") << "BIST buck2: inf mV\r\n" << false;
    QTest::newRow("a number beyond any double") << "BIST buck2: 1e309 mV\r\n" << false;
    QTest::newRow("a number in exponent form") << "BIST buck2: 1.8e3 mV\r\n" << false;
    QTest::newRow("an empty value") << "BIST buck2:  mV\r\n" << false;
    QTest::newRow("a minus sign alone") << "BIST buck2: - mV\r\n" << false;
    QTest::newRow("two points") << "BIST buck2: 1.800.5 mV\r\n" << false;
    QTest::newRow("a hexadecimal number") << "BIST buck2: 0x708 mV\r\n" << false;
    QTest::newRow("digits run into letters") << "BIST buck2: 1800abc mV\r\n" << false;
    QTest::newRow("a run of a million digits")
        << QStringLiteral("BIST buck2: ") + QString(1000000, QLatin1Char('9')) + QStringLiteral(" mV\r\n") << false;
    QTest::newRow("a line without a unit") << "BIST buck2: 1800.0\r\n" << false;
    QTest::newRow("the unit stuck to the value") << "BIST buck2: 1800.0mV\r\n" << false;
    QTest::newRow("an answer cut off after the key") << "BIST buck2:" << false;
    QTest::newRow("an answer cut off in the value") << "BIST buck2: 180" << false;
    QTest::newRow("a current that is a word") << "ibuck2: abc mA\r\n" << true;
    QTest::newRow("a current that is not a number") << "ibuck2: nan mA\r\n" << true;
    QTest::newRow("an empty current") << "ibuck2:  mA\r\n" << true;
    QTest::newRow("a current cut off") << "ibuck2: 12.3" << true;
}
// clang-format on

void TstRails::valorRuimNoPMULeSemMedicaoEOsOutrosSeguem() {
    QFETCH(QString, linhaRuim);
    QFETCH(bool, corrente);

    teste::PastaPrograma pasta;
    const QString m = QStringLiteral("IP 7");
    const qint64 buck0 = insere({m, 2, QStringLiteral("Buck0"), QStringLiteral("0"), QStringLiteral("1.200")});
    const qint64 buck2 = insere({m, 2, QStringLiteral("Buck2"), QStringLiteral("2"), QStringLiteral("1.800")});
    const qint64 buck3 = insere({m, 2, QStringLiteral("Buck3"), QStringLiteral("3"), QStringLiteral("0.900")});
    const qint64 corrente0 = insere({m, 2, QStringLiteral("mA Buck0"), QStringLiteral("20"), {}});
    const qint64 corrente2 = insere({m, 2, QStringLiteral("mA Buck2"), QStringLiteral("22"), {}});
    const qint64 corrente3 = insere({m, 2, QStringLiteral("mA Buck3"), QStringLiteral("23"), {}});

    // The unreadable line comes last: a cut-off answer ends there.
    QString resposta = QStringLiteral("pmuadc --read all\r\nBIST buck0: 1234.567 mV\r\n");
    if (corrente)
        resposta += QStringLiteral("BIST buck2: 1800.0 mV\r\n");
    resposta += QStringLiteral("BIST buck3: 900 mV\r\nibuck0: 412.25 mA\r\n");
    if (!corrente)
        resposta += QStringLiteral("ibuck2: 7.55 mA\r\n");
    resposta += QStringLiteral("ibuck3: timeout mA\r\n") + linhaRuim;

    DialogosRoteiro caixas;
    QVERIFY(ProcessaLeituras(TelaRail::PMU, resposta, m, 2, 3, 3));
    QVERIFY(caixas.caixas.isEmpty());

    QCOMPARE(leitura(corrente ? corrente2 : buck2), (QStringList{SemMedicao, corrente ? "" : "0 %"}));
    QCOMPARE(leitura(buck0), (QStringList{"1.234 V", "2.8 %"}));
    QCOMPARE(leitura(buck3), (QStringList{"0.900 V", "0 %"}));
    QCOMPARE(leitura(corrente0), (QStringList{"412,2 mA", ""}));
    QCOMPARE(leitura(corrente3), (QStringList{"**", ""}));
    if (corrente)
        QCOMPARE(leitura(buck2), (QStringList{"1.800 V", "0 %"}));
    else
        QCOMPARE(leitura(corrente2), (QStringList{"7,5 mA", ""}));
}

// clang-format off
void TstRails::codigoSemChaveMostraACaixaUmaVezPorLinha_data() {
    QTest::addColumn<TelaRail>("tela");
    QTest::newRow("on the PMU screen") << TelaRail::PMU;
    QTest::newRow("on the Buck and LDO screen") << TelaRail::BuckLdo;
    QTest::newRow("on the VCore screen") << TelaRail::VCore;
}
// clang-format on

void TstRails::codigoSemChaveMostraACaixaUmaVezPorLinha() {
    QFETCH(TelaRail, tela);
    teste::PastaPrograma pasta;
    const QString m = QStringLiteral("IP 6s");
    // Codes no line key belongs to (20 + a switch's 15, and a gap in the table), beside a good row.
    const qint64 a = insere({m, 1, QStringLiteral("Ldo1"), QStringLiteral("35"), QStringLiteral("1.800")});
    const qint64 b = insere({m, 1, QStringLiteral("Ldo2"), QStringLiteral("18"), {}});
    const qint64 c = insere({m, 1, QStringLiteral("Ldo3"), QStringLiteral("43"), QStringLiteral("2.800")});
    DialogosRoteiro caixas;
    QVERIFY(ProcessaLeituras(tela, QStringLiteral("BIST ldo1: 1800.0 mV\r\nBIST ldo3: 2800 mV\r\n"), m, 1, 3, 1));
    QCOMPARE(caixas.textos(), (QStringList{"NOT 35", "NOT 18"}));
    QCOMPARE(leitura(a), (QStringList{SemMedicao, "0 %"}));
    QCOMPARE(leitura(b), (QStringList{SemMedicao, ""}));
    QCOMPARE(leitura(c), (QStringList{"2.800 V", "0 %"}));
}

// ---- Judgement ---------------------------------------------------------------------------------

// clang-format off
void TstRails::julgamento_data() {
    QTest::addColumn<QString>("porc");
    QTest::addColumn<double>("tolerancia");
    QTest::addColumn<int>("juizo");

    const int dentro = int(JulgamentoRail::Juizo::Dentro);
    const int fora = int(JulgamentoRail::Juizo::Fora);
    const int sem = int(JulgamentoRail::Juizo::SemDesvio);
    QTest::newRow("9.9 % is within 10") << "9.9 %" << 10.0 << dentro;
    QTest::newRow("10.0 % is outside 10") << "10.0 %" << 10.0 << fora;
    QTest::newRow("-9.9 % is within 10") << "-9.9 %" << 10.0 << dentro;
    QTest::newRow("-10.0 % is outside 10") << "-10.0 %" << 10.0 << fora;
    QTest::newRow("-10.9 % is outside 10, its whole part being -10") << "-10.9 %" << 10.0 << fora;
    QTest::newRow("10 % without decimals is outside 10") << "10 %" << 10.0 << fora;
    QTest::newRow("-0.3 % is within 1") << "-0.3 %" << 1.0 << dentro;
    QTest::newRow("0 % is outside a tolerance of 0") << "0 %" << 0.0 << fora;
    QTest::newRow("25 % is within 30") << "25 %" << 30.0 << dentro;
    QTest::newRow("an empty deviation has none") << "" << 10.0 << sem;
    QTest::newRow("a deviation of blanks and percent only has none") << " % " << 10.0 << sem;
    QTest::newRow("a deviation that is no number has none") << "abc %" << 10.0 << sem;
}
// clang-format on

void TstRails::julgamento() {
    QFETCH(QString, porc);
    QFETCH(double, tolerancia);
    QFETCH(int, juizo);
    QCOMPARE(int(JulgamentoRail::julga(porc, tolerancia)), juizo);
}

// clang-format off
void TstRails::tolerancia_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("normalizado");

    QTest::newRow("a word becomes 10") << "abc" << "10";
    QTest::newRow("more than 100 becomes 10") << "150" << "10";
    QTest::newRow("a negative number becomes 10") << "-1" << "10";
    QTest::newRow("an empty text becomes 10") << "" << "10";
    QTest::newRow("a decimal number becomes its whole part") << "12.7" << "12";
    QTest::newRow("a decimal comma is read too") << "12,7" << "12";
    QTest::newRow("0 stays") << "0" << "0";
    QTest::newRow("100 stays") << "100" << "100";
}
// clang-format on

void TstRails::tolerancia() {
    QFETCH(QString, texto);
    QFETCH(QString, normalizado);
    QCOMPARE(JulgamentoRail::normalizaTolerancia(texto), normalizado);
}

// clang-format off
void TstRails::toleranciaDaLeitura_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("mostrada");
    QTest::addColumn<double>("usada");

    QTest::newRow("an empty text becomes 10") << "" << "10" << 10.0;
    QTest::newRow("blanks only become 10") << "   " << "10" << 10.0;
    QTest::newRow("a word becomes 10") << "abc" << "10" << 10.0;
    QTest::newRow("a number with a percent sign becomes 10, not shown as 5 and judged with 10")
        << "5 %" << "10" << 10.0;
    QTest::newRow("a number with letters after its point becomes 10") << "12.abc" << "10" << 10.0;
    QTest::newRow("an exponent becomes 10") << "1e3" << "10" << 10.0;
    QTest::newRow("a fraction without a whole part becomes 10") << ".5" << "10" << 10.0;
    QTest::newRow("infinity becomes 10") << "inf" << "10" << 10.0;
    QTest::newRow("more digits than a whole number holds become 10") << "99999999999999999999" << "10" << 10.0;
    QTest::newRow("a whole number stays") << "7" << "7" << 7.0;
    QTest::newRow("zero stays, and nothing is within it") << "0" << "0" << 0.0;
    QTest::newRow("a decimal number stays and counts in full") << "12.7" << "12.7" << 12.7;
    QTest::newRow("a decimal comma stays") << "12,7" << "12,7" << 12.7;
    QTest::newRow("blanks around a number stay") << " 5 " << " 5 " << 5.0;
    QTest::newRow("more than 100 stays until the list loses the focus") << "150" << "150" << 150.0;
}
// clang-format on

void TstRails::toleranciaDaLeitura() {
    QFETCH(QString, texto);
    QFETCH(QString, mostrada);
    QFETCH(double, usada);
    const JulgamentoRail::Tolerancia t = JulgamentoRail::toleranciaDaLeitura(texto);
    QCOMPARE(t.texto, mostrada);
    QCOMPARE(t.valor, usada);
    // The next reading finds the text this one left in the list, and keeps it.
    QCOMPARE(JulgamentoRail::toleranciaDaLeitura(t.texto).texto, mostrada);
}

// ---- Currents beside their rails on the PMU screen ---------------------------------------------

namespace {
const QString SemCorrente = QStringLiteral("(no current)");
}

// clang-format off
void TstRails::correntesDasLinhas_data() {
    QTest::addColumn<QStringList>("linhas");
    QTest::addColumn<QStringList>("origens");
    QTest::addColumn<QStringList>("leituras");
    QTest::addColumn<QStringList>("esperadas");

    const QStringList bucks1 = {"BUCK1", "BUCK10", "BUCK11"};
    QTest::newRow("a current goes beside the rail it names, the other lines get none")
        << QStringList{"BUCK0", "BUCK2"} << QStringList{"mA Buck0"} << QStringList{"412,2 mA"}
        << QStringList{"412,2 mA", SemCorrente};
    QTest::newRow("names compare without regard to case")
        << QStringList{"Buck0", "BUCK2"} << QStringList{"MA BUCK0", "ma buck2"} << QStringList{"1 mA", "2 mA"}
        << QStringList{"1 mA", "2 mA"};
    QTest::newRow("a current fits every rail whose name starts with its own")
        << bucks1 << QStringList{"mA Buck1"} << QStringList{"1 mA"} << QStringList{"1 mA", "1 mA", "1 mA"};
    QTest::newRow("a longer name that also fits replaces a shorter one's current")
        << bucks1 << QStringList{"mA Buck1", "mA Buck10", "mA Buck11"} << QStringList{"1 mA", "10 mA", "11 mA"}
        << QStringList{"1 mA", "10 mA", "11 mA"};
    QTest::newRow("the longer name wins in whatever order the rows come")
        << bucks1 << QStringList{"mA Buck11", "mA Buck10", "mA Buck1"} << QStringList{"11 mA", "10 mA", "1 mA"}
        << QStringList{"1 mA", "10 mA", "11 mA"};
    QTest::newRow("a switch shows its own current, not its buck's")
        << QStringList{"BUCK3", "BUCK3_SW1"} << QStringList{"mA Buck3", "mA Buck3_sw1"}
        << QStringList{"3 mA", "0,5 mA"} << QStringList{"3 mA", "0,5 mA"};
    QTest::newRow("a name longer than the rail's fits no rail")
        << QStringList{"BUCK1"} << QStringList{"mA Buck10"} << QStringList{"10 mA"} << QStringList{SemCorrente};
    QTest::newRow("identifiers of three characters or fewer name no rail")
        << QStringList{"BUCK0", "LDO1"} << QStringList{"mA ", "mA", ""} << QStringList{"x", "y", "z"}
        << QStringList{SemCorrente, SemCorrente};
    QTest::newRow("an empty reading is still a current of the line")
        << QStringList{"LDO1"} << QStringList{"mA Ldo1"} << QStringList{""} << QStringList{""};
    QTest::newRow("of two equal identifiers the later row wins")
        << QStringList{"BUCK0"} << QStringList{"mA Buck0", "mA BUCK0"} << QStringList{"a", "b"} << QStringList{"b"};
    QTest::newRow("no lines, nothing to fill")
        << QStringList{} << QStringList{"mA Buck0"} << QStringList{"1 mA"} << QStringList{};
}
// clang-format on

void TstRails::correntesDasLinhas() {
    QFETCH(QStringList, linhas);
    QFETCH(QStringList, origens);
    QFETCH(QStringList, leituras);
    QFETCH(QStringList, esperadas);

    QList<CorrenteRail> correntes;
    for (int i = 0; i < origens.size(); ++i)
        correntes.append({origens.at(i), leituras.at(i)});
    QStringList obtidas;
    for (const std::optional<QString>& c : CorrentesDasLinhas(linhas, correntes))
        obtidas << c.value_or(SemCorrente);
    QCOMPARE(obtidas, esperadas);
}

// ---- Decimals ----------------------------------------------------------------------------------

// clang-format off
void TstRails::carregaDecimais_data() {
    QTest::addColumn<TelaRail>("tela");
    QTest::addColumn<QString>("volt");
    QTest::addColumn<QString>("amp");
    QTest::addColumn<int>("esperadoVolt");
    QTest::addColumn<int>("esperadoAmp");

    QTest::newRow("the PMU screen restores Combo5 and Combo6") << TelaRail::PMU << "2" << "0" << 2 << 0;
    QTest::newRow("the Buck and LDO screen restores Combo3 and Combo4") << TelaRail::BuckLdo << "1" << "3" << 1 << 3;
    QTest::newRow("the VCore screen restores Combo1 and Combo2") << TelaRail::VCore << "3" << "2" << 3 << 2;
    QTest::newRow("values outside the lists leave the numbers as they were")
        << TelaRail::BuckLdo << "0" << "4" << 3 << 1;
    QTest::newRow("empty values leave the numbers as they were") << TelaRail::PMU << "" << "" << 3 << 3;
    QTest::newRow("a value with a blank is not an item") << TelaRail::VCore << " 2" << "1 " << 3 << 1;
}
// clang-format on

void TstRails::carregaDecimais() {
    QFETCH(TelaRail, tela);
    QFETCH(QString, volt);
    QFETCH(QString, amp);
    QFETCH(int, esperadoVolt);
    QFETCH(int, esperadoAmp);

    teste::PastaPrograma pasta;
    // Other screens' columns hold values that must not be picked up.
    for (int n = 1; n <= 6; ++n)
        GravaCombo(n, QStringLiteral("9"));
    GravaCombo(ColunaDecimaisVolt(tela), volt);
    GravaCombo(ColunaDecimaisAmp(tela), amp);
    const DecimaisRail d = CarregaDecimais(tela, DecimaisIniciais(tela));
    QCOMPARE(d.volt, esperadoVolt);
    QCOMPARE(d.amp, esperadoAmp);
}

// clang-format off
void TstRails::gravaDecimaisIgnoraTextoForaDaLista_data() {
    QTest::addColumn<bool>("corrente");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("aceito");

    QTest::newRow("voltage 1 is stored") << false << "1" << true;
    QTest::newRow("voltage 3 is stored") << false << "3" << true;
    QTest::newRow("voltage 0 is not an item") << false << "0" << false;
    QTest::newRow("voltage 4 is not an item") << false << "4" << false;
    QTest::newRow("current 0 is stored") << true << "0" << true;
    QTest::newRow("current 3 is stored") << true << "3" << true;
    QTest::newRow("current 4 is not an item") << true << "4" << false;
    QTest::newRow("a typed word is not an item") << true << "x" << false;
}
// clang-format on

void TstRails::gravaDecimaisIgnoraTextoForaDaLista() {
    QFETCH(bool, corrente);
    QFETCH(QString, texto);
    QFETCH(bool, aceito);

    teste::PastaPrograma pasta;
    for (const TelaRail tela : {TelaRail::PMU, TelaRail::BuckLdo, TelaRail::VCore}) {
        const int coluna = corrente ? ColunaDecimaisAmp(tela) : ColunaDecimaisVolt(tela);
        GravaCombo(coluna, QStringLiteral("antes"));
        const auto v = corrente ? GravaDecimaisAmp(tela, texto) : GravaDecimaisVolt(tela, texto);
        QCOMPARE(v.has_value(), aceito);
        if (aceito)
            QCOMPARE(*v, texto.toInt());
        QCOMPARE(LeCombo(coluna), aceito ? texto : QStringLiteral("antes"));
    }
}

// ---- Recordings --------------------------------------------------------------------------------

void TstRails::gravaLeiturasCopiaSoAsLinhasMostradas() {
    teste::PastaPrograma pasta;
    const QString m = QStringLiteral("IP 7");
    const qint64 a = insere({m,
                             0,
                             QStringLiteral("Buck0"),
                             QStringLiteral("0"),
                             {},
                             QStringLiteral("PP_CPU"),
                             QStringLiteral("CPU"),
                             QStringLiteral("1.234 V"),
                             {},
                             QStringLiteral("g1"),
                             QStringLiteral("g2"),
                             QStringLiteral("g3")});
    const qint64 b = insere({m,
                             0,
                             QStringLiteral("Buck2"),
                             QStringLiteral("2"),
                             {},
                             QStringLiteral("PP_GPU"),
                             QStringLiteral("GPU"),
                             QStringLiteral("*"),
                             {},
                             {},
                             QStringLiteral("g2"),
                             {}});
    const qint64 fora = insere({m,
                                0,
                                QStringLiteral("Buck3"),
                                QStringLiteral("3"),
                                {},
                                QStringLiteral("PP_NAND"),
                                QStringLiteral("NAND"),
                                QStringLiteral("0.900 V"),
                                {},
                                {},
                                QStringLiteral("g2"),
                                {}});

    DialogosRoteiro caixas;
    caixas.respostas.enqueue(Dialogos::Resposta::Sim);
    QVERIFY(GravaLeituras(2, {a, b}));
    QCOMPARE(caixas.textos(), QStringList{QStringLiteral("Deseja salvar?")});
    QCOMPARE(caixas.titulos(), QStringList{QStringLiteral("Gravar")});
    QCOMPARE(caixas.caixas.first().botoes, Dialogos::Botoes::SimNao);

    QCOMPARE(gravacoes(a), (QStringList{"g1", "1.234 V", "g3"}));
    QCOMPARE(gravacoes(b), (QStringList{"", "*", ""}));
    QCOMPARE(gravacoes(fora), (QStringList{"", "g2", ""}));
}

void TstRails::respostaNaoNaoGravaNemExclui() {
    teste::PastaPrograma pasta;
    const qint64 a = insere({QStringLiteral("IP 7"),
                             0,
                             QStringLiteral("Buck0"),
                             QStringLiteral("0"),
                             {},
                             {},
                             {},
                             QStringLiteral("1.234 V"),
                             {},
                             QStringLiteral("g1"),
                             QStringLiteral("g2"),
                             QStringLiteral("g3")});
    DialogosRoteiro caixas;
    caixas.respostas << Dialogos::Resposta::Nao << Dialogos::Resposta::Nao;
    QVERIFY(!GravaLeituras(1, {a}));
    QVERIFY(!ExcluiGravacoes(1, {a}));
    QCOMPARE(caixas.caixas.size(), 2);
    QCOMPARE(gravacoes(a), (QStringList{"g1", "g2", "g3"}));
}

void TstRails::excluiGravacoesApagaSoAGravacaoEscolhida() {
    teste::PastaPrograma pasta;
    const QString m = QStringLiteral("IP 7");
    const qint64 a = insere({m,
                             2,
                             QStringLiteral("Buck0"),
                             QStringLiteral("0"),
                             {},
                             {},
                             {},
                             {},
                             {},
                             QStringLiteral("g1"),
                             QStringLiteral("g2"),
                             QStringLiteral("g3")});
    const qint64 fora = insere({m,
                                2,
                                QStringLiteral("Buck3"),
                                QStringLiteral("3"),
                                {},
                                {},
                                {},
                                {},
                                {},
                                QStringLiteral("g1"),
                                QStringLiteral("g2"),
                                QStringLiteral("g3")});
    DialogosRoteiro caixas;
    QVERIFY(ExcluiGravacoes(3, {a}));
    QCOMPARE(caixas.textos(), QStringList{QStringLiteral("Deseja excluir os dados gravados?")});
    QCOMPARE(caixas.titulos(), QStringList{QStringLiteral("Excluir")});
    QCOMPARE(gravacoes(a), (QStringList{"g1", "g2", ""}));
    QCOMPARE(gravacoes(fora), (QStringList{"g1", "g2", "g3"}));
}

void TstRails::gravacaoForaDeUmATresEErro() {
    teste::PastaPrograma pasta;
    DialogosRoteiro caixas;
    for (const int n : {0, 4}) {
        try {
            GravaLeituras(n, {});
            QFAIL("recording out of range accepted");
        } catch (const ErroVB& e) {
            QCOMPARE(e.numero(), 9);
        }
    }
    QVERIFY(caixas.caixas.isEmpty());
}

// ---- Note --------------------------------------------------------------------------------------

// clang-format off
void TstRails::nota_data() {
    QTest::addColumn<TelaRail>("tela");
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("chave");

    QTest::newRow("IP 7 on the Buck and LDO screen") << TelaRail::BuckLdo << "IP 7" << "VAR3";
    QTest::newRow("IP 6s Plus on the VCore screen") << TelaRail::VCore << "IP 6s Plus" << "VAR3";
    QTest::newRow("IP 8 Plus counts as IP 8") << TelaRail::VCore << "IP 8 Plus" << "VAR4";
    QTest::newRow("IP X") << TelaRail::BuckLdo << "IP X" << "VAR4";
    QTest::newRow("IP 8 on the PMU screen") << TelaRail::PMU << "IP 8" << "VAR4";
    QTest::newRow("IP 7 Plus on the PMU screen") << TelaRail::PMU << "IP 7 Plus" << "VAR3";
}
// clang-format on

void TstRails::nota() {
    QFETCH(TelaRail, tela);
    QFETCH(QString, modelo);
    QFETCH(QString, chave);
    QString esperado = Traduz(chave);
    QVERIFY(esperado.startsWith(QLatin1String("* GPU")));
    if (tela == TelaRail::PMU)
        esperado += QStringLiteral(" ** SEM MEDIÇÃO");
    QCOMPARE(NotaRail(tela, modelo), esperado);
}

// ---- Grid queries ------------------------------------------------------------------------------

// clang-format off
void TstRails::filtroDeICsDaGrade_data() {
    QTest::addColumn<QString>("filtro");
    QTest::addColumn<QStringList>("malhas");

    QTest::newRow("GPU keeps the rows whose Ci contains GPU, in net order")
        << "GPU" << QStringList{"PP_GPU", "PP_GPU_SRAM"};
    QTest::newRow("NAND keeps the NAND row") << "NAND" << QStringList{"PP_NAND"};
    QTest::newRow("IC's keeps every row") << "IC's" << QStringList{"PP_CPU", "PP_GPU", "PP_GPU_SRAM", "PP_NAND"};
    QTest::newRow("CPU/NAND keeps every row")
        << "CPU/NAND" << QStringList{"PP_CPU", "PP_GPU", "PP_GPU_SRAM", "PP_NAND"};
    QTest::newRow("a percent sign is no wildcard") << "%" << QStringList{};
}
// clang-format on

void TstRails::filtroDeICsDaGrade() {
    QFETCH(QString, filtro);
    QFETCH(QStringList, malhas);

    teste::PastaPrograma pasta;
    teste::executaSql(pasta.banco(), QStringLiteral("delete from Master")); // only the rows below
    const QString m = QStringLiteral("IP 7");
    insere({m, 0, QStringLiteral("Buck2"), QStringLiteral("2"), {}, QStringLiteral("PP_NAND"), QStringLiteral("NAND")});
    insere({m,
            0,
            QStringLiteral("Buck1"),
            QStringLiteral("1"),
            {},
            QStringLiteral("PP_GPU_SRAM"),
            QStringLiteral("gpu sram")});
    insere({m, 0, QStringLiteral("Buck0"), QStringLiteral("0"), {}, QStringLiteral("PP_CPU"), QStringLiteral("CPU")});
    insere({m, 0, QStringLiteral("Buck8"), QStringLiteral("8"), {}, QStringLiteral("PP_GPU"), QStringLiteral("GPU")});
    insere({m,
            2,
            QStringLiteral("Buck8"),
            QStringLiteral("8"),
            {},
            QStringLiteral("PP_GPU_OUTRO"),
            QStringLiteral("GPU")});
    insere({QStringLiteral("IP 7 Plus"),
            0,
            QStringLiteral("Buck8"),
            QStringLiteral("8"),
            {},
            QStringLiteral("PP_GPU_PLUS"),
            QStringLiteral("GPU")});

    Banco b;
    QSqlQuery q = ConsultaRail::grade(m, 0, OrdemRail::ModeloMalha, filtro).executa(b);
    QStringList obtidas;
    while (q.next())
        obtidas << q.value(QStringLiteral("Malha")).toString();
    QCOMPARE(obtidas, malhas);
}

void TstRails::ordemPorDesvioETextoDecrescente() {
    teste::PastaPrograma pasta;
    teste::executaSql(pasta.banco(), QStringLiteral("delete from Master")); // only the rows below
    const QString m = QStringLiteral("IP 7");
    const qint64 dez =
        insere({m, 2, QStringLiteral("Buck0"), QStringLiteral("0"), {}, {}, {}, {}, QStringLiteral("10.2 %")});
    const qint64 nove =
        insere({m, 2, QStringLiteral("Buck2"), QStringLiteral("2"), {}, {}, {}, {}, QStringLiteral("9.5 %")});
    const qint64 vazio = insere({m, 2, QStringLiteral("Buck3"), QStringLiteral("3"), {}});
    QCOMPARE(ConsultaRail::grade(m, 2, OrdemRail::PorcDesc).ids(), (QList<qint64>{nove, dez, vazio}));
    QCOMPARE(ConsultaRail::grade(m, 2, OrdemRail::Orig).ids(), (QList<qint64>{dez, nove, vazio}));
}

void TstRails::linhasDoPMUSeparamTensoesDeCorrentes() {
    teste::PastaPrograma pasta;
    teste::executaSql(pasta.banco(), QStringLiteral("delete from Master")); // only the rows below
    const QString m = QStringLiteral("IP 7");
    const qint64 buck0 = insere({m, 2, QStringLiteral("Buck0"), QStringLiteral("0"), QStringLiteral("1.200")});
    const qint64 corrente0 = insere({m, 2, QStringLiteral("mA Buck0"), QStringLiteral("20"), {}});
    const qint64 buck1 = insere({m, 2, QStringLiteral("Buck1"), QStringLiteral("1"), QStringLiteral("0.800")});
    insere({m, 2, QStringLiteral("Buck9"), QString(), QStringLiteral("1.000")});
    QVERIFY(
        ProcessaLeituras(TelaRail::PMU, QStringLiteral("BIST buck0: 1200.0 mV\r\nibuck0: 55.55 mA\r\n"), m, 2, 3, 3));
    QCOMPARE(ConsultaRail::tensoesPMU(m, 2).ids(), (QList<qint64>{buck0, buck1}));
    QCOMPARE(ConsultaRail::correntesPMU(m, 2).ids(), QList<qint64>{corrente0});
}

QTEST_GUILESS_MAIN(TstRails)
#include "tst_rails.moc"
