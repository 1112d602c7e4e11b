// The reports the program writes itself: the PDF holds the rows, figures, verdicts and labels of the web
// report in the report's language; without the report server a report button writes and opens it, with the
// server the web page opens as before.

#include "Apoio.h"

#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "chips/Chestnut.h"
#include "chips/RegrasChestnut.h"
#include "chips/RelatorioChip.h"
#include "report/RelatorioRail.h"
#include "store/Banco.h"
#include "store/Configuracao.h"
#include "tela/RelatorioPdf.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrlQuery>
#include <QtTest>

using namespace tarsel;

namespace {

const QString Nome = QStringLiteral("Oficina do Zé & Cia Ação");

// The page's text as pdftotext reads it, one line per drawn line.
QString textoPdf(const QString& arquivo) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), arquivo, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    // The ligatures the font draws ("ﬁ") come back as one letter; compare them as the two.
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

QString espacosSimples(QString t) {
    static const QRegularExpression espacos(QStringLiteral("[ \\t]+"));
    return t.replace(espacos, QStringLiteral(" "));
}

// True when one line of `texto` holds the cells of `linha` ("a|b|c") in that order.
bool temLinha(const QString& texto, const QString& linha) {
    const QStringList celulas = linha.split(QLatin1Char('|'));
    for (const QString& l : texto.split(QLatin1Char('\n'))) {
        qsizetype pos = 0;
        bool todas = true;
        for (const QString& c : celulas) {
            pos = l.indexOf(c, pos);
            if (pos < 0) {
                todas = false;
                break;
            }
            pos += c.size();
        }
        if (todas)
            return true;
    }
    return false;
}

// Catches the documents the program opens.
class CapturaArquivos : public QObject {
    Q_OBJECT
public:
    CapturaArquivos() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "abre"); }
    ~CapturaArquivos() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList arquivos;
public slots:
    void abre(const QUrl& url) { arquivos << url.toLocalFile(); }
};

qint64 insere(const QString& malha, const QString& leitura, const QString& ref, const QString& porc,
              const QString& refV) {
    Banco b;
    return b
        .executa(QStringLiteral("insert into Master (Modelo, TIPO, Orig, RefT, Malha, Leitura, Ref, Porc, RefV) "
                                "values ('IP 7', 2, 'Buck0', '0', ?, ?, ?, ?, ?)"),
                 {malha, leitura, ref, porc, refV})
        .lastInsertId()
        .toLongLong();
}

// Four rail rows: a pass, a fail (-12.1 % against 10 %), one without a reference value and one whose
// deviation is missing.
QList<qint64> linhasRail() {
    return {insere(QStringLiteral("3. PP1V8_SDRAM"), QStringLiteral("1.802 V"), QStringLiteral("1.800 V"),
                   QStringLiteral("0.1 %"), QStringLiteral("1.800")),
            insere(QStringLiteral("PP3V3_ACC"), QStringLiteral("2.901 V"), QStringLiteral("3.300 V"),
                   QStringLiteral("-12.1 %"), QStringLiteral("3.300")),
            insere(QStringLiteral("PP_VDD_MAIN"), QStringLiteral("3.812 V"), QString(), QString(), QString()),
            insere(QStringLiteral("PP0V9_SOC"), QStringLiteral("0.901 V"), QStringLiteral("0.900 V"), QString(),
                   QStringLiteral("0.900"))};
}

// The Chestnut report as the screen would send it: the third entry failed, the last has no reference.
RelatorioPronto relatorioChestnut(const QString& nome) {
    const QMap<QString, QString> legendas{{"BOOST_V", "6.02 V"}, {"Porc5", "0.3 %"},   {"VNEG_V", "-5.71 V"},
                                          {"VNEG_A", "12 mA"},   {"Porc4", "0.2 %"},   {"iLDO_V1", "4.10 V"},
                                          {"iLDO_A1", "3 mA"},   {"Porc1", "-28.1 %"}, {"iLDO_V2", "5.70 V"},
                                          {"iLDO_A2", "4 mA"},   {"Porc2", "0.0 %"},   {"iLDO_V3", "5.09 V"},
                                          {"iLDO_A3", "2 mA"},   {"Porc3", "-0.2 %"},  {"VIN_V", "3.80 V"}};
    const auto pares = RelatorioChip::pares(
        RegrasChestnut::EntradasRelatorio(), [&](const QString& c) { return legendas.value(c); },
        [](int i) { return i != 2; }, QStringLiteral("05/06/2024"), globais().IdiomaAtual, QStringLiteral("IP 7"),
        nome);
    return RelatorioChip::prepara(RelatorioChip::PaginaChestnut, pares, QStringLiteral("A1778"));
}

} // namespace

class TstRelatorioPdf : public QObject {
    Q_OBJECT

private slots:
    void init() { globais().IdiomaAtual = 1; }
    void cleanup() { globais().IdiomaAtual = 1; }

    // clang-format off
    void pdfTemOsDadosDoRelatorio_data() {
        QTest::addColumn<int>("tipo"); // rail type 0, 1, 2; -1 the Chestnut report
        QTest::addColumn<quint8>("idioma");
        QTest::addColumn<QStringList>("rotulos");
        QTest::addColumn<QStringList>("linhas");
        QTest::addColumn<QStringList>("ausentes");

        const QStringList rail{"PP3V3_ACC|2.901 V|3.300 V|-12.1 %", "PP_VDD_MAIN|3.812 V", "PP0V9_SOC|0.901 V|0.900 V"};
        QTest::newRow("BUCK in Portuguese")
            << 2 << quint8(1)
            << QStringList{"Relatório BUCK", "Modelo: IP 7", "Número do modelo: A1778", "Data: 05/06/2024",
                           "Técnico: " + Nome, "Malha", "Leitura", "Referência", "Desvio", "Resultado"}
            << (rail + QStringList{"3. PP1V8_SDRAM|1.802 V|1.800 V|0.1 %|Aprovado", "PP3V3_ACC|Reprovado",
                                   "PP_VDD_MAIN|3.812 V|Aprovado", "PP0V9_SOC|Sem desvio"})
            << QStringList{"Pass", "Fail"};
        QTest::newRow("LDO in English")
            << 1 << quint8(2)
            << QStringList{"Report LDO", "Model: IP 7", "Model number: A1778", "Date: 05/06/2024",
                           "Technician: " + Nome, "Line", "Reading", "Reference", "Deviation", "Result"}
            << (rail + QStringList{"PP1V8_SDRAM|1.802 V|1.800 V|0.1 %|Pass", "PP3V3_ACC|Fail",
                                   "PP_VDD_MAIN|Pass", "PP0V9_SOC|No deviation"})
            << QStringList{"Aprovado", "Reprovado"};
        // The VCore report shows the net names without their list numbering.
        QTest::newRow("VCore in Spanish")
            << 0 << quint8(3)
            << QStringList{"Informe VCORE", "Modelo: IP 7", "Número de modelo: A1778", "Fecha: 05/06/2024",
                           "Técnico: " + Nome, "Línea", "Lectura", "Referencia", "Desviación", "Resultado"}
            << (rail + QStringList{"PP1V8_SDRAM|1.802 V|1.800 V|0.1 %|Aprobado", "PP3V3_ACC|Reprobado",
                                   "PP0V9_SOC|Sin desviación"})
            << QStringList{"3. PP1V8_SDRAM", "Pass"};
        QTest::newRow("Chestnut in English")
            << -1 << quint8(2)
            << QStringList{"Report Chestnut", "Model: IP 7", "Model number: A1778", "Technician: " + Nome}
            << QStringList{"PP6V0_DISPLAY_BOOST|6.02 V|6.0 V|0.3 %|Pass",
                           "PN -5V7_DISPLAY_MESON_AVDDN|-5.71 V (12 mA)|-5.7 V|0.2 %|Pass",
                           "PP5V7_MESON_AVDDH|4.10 V (3 mA)|5.7 V|-28.1 %|Fail",
                           "PP_VDD_MAIN|3.80 V|-|-|Pass"}
            << QStringList{"Aprovado"};
        QTest::newRow("Chestnut in Portuguese")
            << -1 << quint8(1)
            << QStringList{"Relatório Chestnut", "Número do modelo: A1778", "Técnico: " + Nome}
            << QStringList{"PP5V7_MESON_AVDDH|4.10 V (3 mA)|5.7 V|-28.1 %|Reprovado",
                           "PP5V1_TOUCH_VDDH|5.09 V (2 mA)|5.1 V|-0.2 %|Aprovado"}
            << QStringList{"Pass"};
    }
    // clang-format on

    void pdfTemOsDadosDoRelatorio() {
        QFETCH(int, tipo);
        QFETCH(quint8, idioma);
        QFETCH(QStringList, rotulos);
        QFETCH(QStringList, linhas);
        QFETCH(QStringList, ausentes);
        teste::PastaPrograma pasta;
        globais().IdiomaAtual = idioma;
        const RelatorioPronto r = tipo < 0 ? relatorioChestnut(Nome)
                                           : PreparaRelatorio(tipo, linhasRail(), QStringLiteral("IP 7"), Nome,
                                                              QStringLiteral("A1778"), QStringLiteral("05/06/2024"));
        const QString arquivo = pasta.arquivo(QStringLiteral("r.pdf"));
        QVERIFY(EscreveRelatorioPdf(r.documento, arquivo));
        const QString texto = espacosSimples(textoPdf(arquivo));
        QVERIFY2(!texto.isEmpty(), "pdftotext read nothing");
        for (const QString& rotulo : rotulos)
            QVERIFY2(texto.contains(rotulo), qPrintable(rotulo + QStringLiteral("\n") + texto));
        for (const QString& linha : linhas)
            QVERIFY2(temLinha(texto, linha), qPrintable(linha + QStringLiteral("\n") + texto));
        for (const QString& a : ausentes)
            QVERIFY2(!texto.contains(a), qPrintable(a));
        // The web report carries the same rows, in the same order.
        QCOMPARE(r.documento.linhas.size(), tipo < 0 ? 6 : 4);
        for (int i = 0; i < r.documento.linhas.size(); ++i)
            QCOMPARE(QUrlQuery(QUrl(r.endereco)).queryItemValue(QStringLiteral("L%1").arg(i + 1), QUrl::FullyDecoded),
                     r.documento.linhas.at(i).leitura);
    }

    void muitasLinhasContinuamNaPaginaSeguinte() {
        DocumentoRelatorio d;
        d.especie = EspecieRelatorio::VCore;
        d.numeroModelo = QStringLiteral("A1778");
        for (int i = 1; i <= 120; ++i)
            d.linhas.append({QStringLiteral("PP_NET_%1").arg(i),
                             QStringLiteral("1.%1 V").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("1.000 V"),
                             QStringLiteral("0 %"), LinhaDocumento::Situacao::Aprovado});
        teste::PastaPrograma pasta;
        const QString arquivo = pasta.arquivo(QStringLiteral("longo.pdf"));
        QVERIFY(EscreveRelatorioPdf(d, arquivo));
        const QString texto = textoPdf(arquivo);
        QVERIFY(texto.count(QLatin1Char('\f')) >= 2); // more than one page
        for (int i : {1, 60, 120})
            QVERIFY2(temLinha(texto, QStringLiteral("PP_NET_%1|1.%2 V").arg(i).arg(i, 3, 10, QLatin1Char('0'))),
                     qPrintable(QString::number(i)));
        // Every page repeats the column heads.
        QCOMPARE(texto.count(QStringLiteral("Leitura")), texto.count(QLatin1Char('\f')));
    }

    void nomeDoArquivo_data() {
        QTest::addColumn<int>("especie");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("arquivo");
        QTest::newRow("buck") << int(EspecieRelatorio::Buck) << "A1778"
                              << "relatorios/buck-A1778-20240605-143007.pdf";
        QTest::newRow("acorn") << int(EspecieRelatorio::Acorn) << "A1865"
                               << "relatorios/acorn-A1865-20240605-143007.pdf";
        QTest::newRow("a model number with a path in it stays in the folder")
            << int(EspecieRelatorio::VCore) << "../../etc/x y"
            << "relatorios/vcore-etcxy-20240605-143007.pdf";
        QTest::newRow("no model number") << int(EspecieRelatorio::Chestnut) << ""
                                         << "relatorios/chestnut-sem-modelo-20240605-143007.pdf";
    }
    void nomeDoArquivo() {
        QFETCH(int, especie);
        QFETCH(QString, numero);
        QFETCH(QString, arquivo);
        DocumentoRelatorio d;
        d.especie = static_cast<EspecieRelatorio>(especie);
        d.numeroModelo = numero;
        QCOMPARE(d.arquivoPadrao(QDateTime(QDate(2024, 6, 5), QTime(14, 30, 7))), arquivo);
    }

    void entrega_data() {
        QTest::addColumn<bool>("servidorNoAr");
        QTest::addColumn<bool>("comoPdf");
        QTest::newRow("server down: the PDF is written and opened") << false << false;
        QTest::newRow("server up: the web page opens as before") << true << false;
        QTest::newRow("server up, save as PDF: the PDF") << true << true;
    }
    void entrega() {
        QFETCH(bool, servidorNoAr);
        QFETCH(bool, comoPdf);
        teste::PastaPrograma pasta;
        std::unique_ptr<teste::ServidorTeste> servidor;
        if (servidorNoAr) {
            servidor = std::make_unique<teste::ServidorTeste>();
            QVERIFY2(servidor->pronto(), qPrintable(servidor->erro()));
        }
        teste::executaSql(pasta.banco(), QStringLiteral("update Tools set ServidorRelatorio = '%1'")
                                             .arg(servidor ? servidor->base() : teste::ServidorFechado()));
        teste::CapturaLinks links;
        CapturaArquivos arquivos;
        const RelatorioPronto r = PreparaRelatorio(2, linhasRail(), QStringLiteral("IP 7"), Nome,
                                                   QStringLiteral("A1778"), QStringLiteral("05/06/2024"));
        const QString escrito = EntregaRelatorio(r, comoPdf);
        if (servidorNoAr && !comoPdf) {
            QCOMPARE(links.urls.size(), 1);
            QCOMPARE(links.urls.first().toString(QUrl::FullyEncoded), QUrl(r.endereco).toString(QUrl::FullyEncoded));
            QVERIFY(arquivos.arquivos.isEmpty());
            QVERIFY(escrito.isEmpty());
            QVERIFY(!QFileInfo::exists(pasta.arquivo(QStringLiteral("relatorios"))));
            return;
        }
        QVERIFY(links.urls.isEmpty());
        QCOMPARE(arquivos.arquivos, QStringList{escrito});
        QVERIFY2(QRegularExpression(QStringLiteral("^relatorios/buck-A1778-\\d{8}-\\d{6}\\.pdf$"))
                     .match(QDir(pasta.caminho()).relativeFilePath(escrito))
                     .hasMatch(),
                 qPrintable(escrito));
        QVERIFY(temLinha(textoPdf(escrito), QStringLiteral("PP3V3_ACC|2.901 V|3.300 V|-12.1 %|Reprovado")));
        // A second report in the same second keeps the first file.
        const QString segundo = EntregaRelatorio(r, true);
        QVERIFY(!segundo.isEmpty());
        QVERIFY(segundo != escrito);
        QVERIFY(QFileInfo::exists(escrito));
    }

    void pastaQueNaoPodeSerCriadaMostraUmErro() {
        teste::PastaPrograma pasta;
        DialogosRoteiro caixas;
        CapturaArquivos arquivos;
        // A file where the reports folder should be.
        QFile f(pasta.arquivo(QStringLiteral("relatorios")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const RelatorioPronto r = relatorioChestnut(Nome);
        QVERIFY(EntregaRelatorio(r, true).isEmpty());
        QVERIFY(arquivos.arquivos.isEmpty());
        QCOMPARE(caixas.caixas.size(), 1);
        const auto m = MontaMensagem(QStringLiteral("MSG_RELATORIO_PDF_NAO_GRAVADO"), 1, {});
        QCOMPARE(caixas.caixas.first().titulo, m->titulo);
        QVERIFY(caixas.caixas.first().texto.startsWith(m->texto));
        QVERIFY(caixas.caixas.first().texto.contains(QStringLiteral("chestnut-A1778-")));
    }

    // The screen's two buttons with the report server down: the report button falls back to the PDF, the
    // save button writes one as well; both hold what the screen shows.
    void telaSemServidorEscreveOPdf() {
        teste::BancadaTela<Chestnut> b(
            NomeTela::Chestnut,
            QStringLiteral("update Tools set ServidorRelatorio = '%1'").arg(teste::ServidorFechado()));
        QVERIFY(b.conecta(QStringLiteral("A1778")));
        Chestnut* t = b.abre();
        QVERIFY(t);
        QVERIFY(QTest::qWaitFor([t] { return t->emCurso() || t->aguardando(); }, 5000));
        QVERIFY(QTest::qWaitFor(
            [t] { return !t->aguardando() && !t->Timer1().isActive() && !t->TimerTouch().isActive(); }, 30000));
        teste::CapturaLinks links;
        CapturaArquivos arquivos;
        for (QPushButton* botao : {t->btExportar(), t->btSalvarPdf()}) {
            b.dialogos.entradas.enqueue(Nome);
            botao->click();
        }
        QVERIFY(links.urls.isEmpty());
        QCOMPARE(arquivos.arquivos.size(), 2);
        for (const QString& a : arquivos.arquivos) {
            const QString texto = espacosSimples(textoPdf(a));
            QVERIFY2(temLinha(texto, QStringLiteral("PP6V0_DISPLAY_BOOST|") + t->campo("BOOST_V")->text()),
                     qPrintable(texto));
            QVERIFY(texto.contains(QStringLiteral("Técnico: ") + Nome));
            QVERIFY(texto.contains(QStringLiteral("Número do modelo: A1778")));
        }
        QCOMPARE(LeNome(), Nome);
    }
};

QTEST_MAIN(TstRelatorioPdf)
#include "tst_relatoriopdf.moc"
