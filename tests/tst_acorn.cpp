// The IP X display and touch power chip screen against the simulated phone: a healthy board passes every
// line and the overall verdict, and its report reaches the report page; a low vp, a missing and a
// timed-out line fail their icons and the overall one; a new reading keeps the ground, temperature and
// currents until it lands; other families are refused.

#include "Apoio.h"

#include "app/Inicial.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "chips/Acorn.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "online/ClienteHttp.h"
#include "tela/Conversoes.h"

#include <QLabel>
#include <QPushButton>
#include <QUrlQuery>
#include <QtTest>

using namespace tarsel;

namespace {
QColor fundo(const QLabel* l) {
    return l->palette().color(QPalette::Window);
}

Acorn* abreELe(teste::BancadaTela<Acorn>& b) {
    Acorn* t = b.abre();
    if (!t)
        return nullptr;
    if (!QTest::qWaitFor([t] { return t->emCurso() || t->aguardando(); }, 5000))
        return nullptr;
    if (!QTest::qWaitFor([t] { return !t->aguardando(); }, 20000))
        return nullptr;
    return t;
}

QString valor(const QUrl& url, const QString& chave) {
    return QUrlQuery(url).queryItemValue(chave, QUrl::FullyDecoded);
}
} // namespace

class TstAcorn : public QObject {
    Q_OBJECT

private slots:
    void init() { globais().IdiomaAtual = 2; }

    void placaSaudavelERelatorio() {
        teste::ServidorTeste servidor;
        QVERIFY2(servidor.pronto(), qPrintable(servidor.erro()));
        teste::BancadaTela<Acorn> b(NomeTela::Acorn,
                                    QStringLiteral("update Tools set ServidorRelatorio = '%1'").arg(servidor.base()));
        QVERIFY(b.conecta(QStringLiteral("A1865")));
        Acorn* t = abreELe(b);
        QVERIFY(t);

        QVERIFY(t->btExecutaLeitura()->isEnabled());
        QCOMPARE(t->lbUC()->text(), QStringLiteral(" ACORN U5600"));
        QCOMPARE(t->campo("M3")->text(), QStringLiteral("10.012 V"));
        for (int i = 0; i <= 11; ++i) {
            QVERIFY2(t->OK(i)->isVisibleTo(t), qPrintable(QString::number(i)));
            if (t->NO(i))
                QVERIFY(!t->NO(i)->isVisibleTo(t));
        }
        QVERIFY(!t->NO(1));
        for (int n : {3, 4, 5, 7, 8, 9, 10})
            QVERIFY(fundo(t->campo(QStringLiteral("P%1").arg(n))) == CorBGR(Cores::VerdeClaro));
        for (int n : {2, 6}) {
            QCOMPARE(t->campo(QStringLiteral("P%1").arg(n))->text(), QStringLiteral("0 %"));
            QVERIFY(fundo(t->campo(QStringLiteral("P%1").arg(n))) == CorBGR(Cores::Branco));
        }
        QCOMPARE(t->campo("Temp")->text(), QStringLiteral("34.6 º"));
        QCOMPARE(t->campo("AMP1")->text(), QStringLiteral("12,4 mA"));
        QVERIFY(t->lbStatus2()->isVisibleTo(t));
        QCOMPARE(t->lbStatus2()->text(), Traduz(QStringLiteral("ANALISE COMPLETA")));

        teste::CapturaLinks links;
        b.dialogos.entradas.enqueue(QStringLiteral("Bench 2"));
        t->btExportar()->click();
        QTRY_COMPARE(links.urls.size(), 1);
        const QUrl url = links.urls.first();
        QVERIFY2(url.toString().startsWith(servidor.base() + QStringLiteral("relatorio/acorn.php?M1=PP1V1_RACER&L1=")),
                 qPrintable(url.toString()));
        // Eleven entries in the report's order: the seven judged rails, then the four without judgement.
        const QStringList malhas{"PP1V1_RACER", "PP3V5_RACER",      "PP5V25_TOUCH_VDDH",
                                 "PN6V7_RACER", "PP10V0_RACER",     "PP1V8_TOUCH_RACER_S2",
                                 "PP1V1_S2",    "PP_CP1_OUT_ACORN", "PP_BOOST1_ACORN",
                                 "GND",         "PP_VDD_MAIN"};
        const int linhas[] = {8, 7, 5, 4, 3, 10, 9, 6, 2, 0, 1};
        for (int k = 1; k <= 11; ++k) {
            const QString n = QString::number(k);
            QCOMPARE(valor(url, "M" + n), malhas.at(k - 1));
            QCOMPARE(valor(url, "L" + n), t->campo(QStringLiteral("M%1").arg(linhas[k - 1]))->text());
            QCOMPARE(valor(url, "I" + n), k <= 7 ? QStringLiteral("1") : QStringLiteral("3"));
        }
        QCOMPARE(valor(url, "R5"), QStringLiteral("10.0 V"));
        QCOMPARE(valor(url, "P5"), t->campo("P3")->text());
        QCOMPARE(valor(url, "P8"), QStringLiteral("-"));
        QVERIFY(!QUrlQuery(url).hasQueryItem(QStringLiteral("M12")));
        QCOMPARE(valor(url, "IDIOMA"), QStringLiteral("2"));
        QCOMPARE(valor(url, "MODELO"), QStringLiteral("IP X"));
        QCOMPARE(valor(url, "EMP"), QStringLiteral("Bench 2"));

        const QString pagina = BuscaPagina(url);
        QVERIFY2(pagina.contains(QLatin1String("Report Acorn")), qPrintable(pagina));
        QVERIFY(pagina.contains(QLatin1String("PP1V8_TOUCH_RACER_S2")));
        QVERIFY(pagina.contains(QLatin1String("Bench 2")));
        QCOMPARE(pagina.count(QLatin1String("<tr class=\"aprovado\">")), 7);
        QCOMPARE(pagina.count(QLatin1String("<tr class=\"semdesvio\">")), 4);
    }

    void vpBaixaLinhaAusenteETimeout() {
        teste::BancadaTela<Acorn> b(NomeTela::Acorn);
        QVERIFY(b.conecta(QStringLiteral("A1865"), {QStringLiteral("acorn-vp-baixa"), QStringLiteral("chip-sem-linha"),
                                                    QStringLiteral("chip-timeout")}));
        Acorn* t = abreELe(b);
        QVERIFY(t);

        QCOMPARE(t->campo("M3")->text(), QStringLiteral("9.000 V"));
        QCOMPARE(t->campo("P3")->text(), QStringLiteral("-10 %"));
        QVERIFY(fundo(t->campo("P3")) == CorBGR(Cores::AmareloClaro));
        // The reading keeps its colour; the percent carries the verdict.
        QVERIFY(fundo(t->campo("M3")) == CorBGR(Cores::Branco));
        for (const char* campo : {"M5", "M7"})
            QCOMPARE(t->campo(QLatin1String(campo))->text(), QStringLiteral("No Reading"));
        for (int n : {3, 5, 7, 11}) {
            QVERIFY2(t->NO(n)->isVisibleTo(t), qPrintable(QString::number(n)));
            QVERIFY(!t->OK(n)->isVisibleTo(t));
        }
        for (int n : {0, 1, 2, 4, 6, 8, 9, 10})
            QVERIFY2(t->OK(n)->isVisibleTo(t), qPrintable(QString::number(n)));

        // A new reading clears the rails but keeps ground, temperature and currents until it lands.
        const QString terra = t->campo("M0")->text();
        const QString temperatura = t->campo("Temp")->text();
        t->btExecutaLeitura()->click();
        QVERIFY(t->aguardando());
        QVERIFY(!t->btExecutaLeitura()->isEnabled());
        QCOMPARE(t->campo("M0")->text(), terra);
        QVERIFY(t->OK(0)->isVisibleTo(t));
        QCOMPARE(t->campo("Temp")->text(), temperatura);
        QVERIFY(!t->campo("AMP3")->text().isEmpty());
        QVERIFY(t->campo("M3")->text().isEmpty());
        QCOMPARE(t->campo("P3")->text(), QStringLiteral("0 %"));
        QVERIFY(fundo(t->campo("P3")) == CorBGR(Cores::Branco));
        QVERIFY(!t->NO(11)->isVisibleTo(t));
        QVERIFY(!t->lbStatus2()->isVisibleTo(t));
        QTRY_VERIFY_WITH_TIMEOUT(!t->aguardando(), 20000);
        QVERIFY(t->NO(11)->isVisibleTo(t));
    }

    void outraFamiliaRecusada() {
        teste::BancadaTela<Acorn> b(NomeTela::Acorn);
        QVERIFY(b.conecta(QStringLiteral("A1778")));
        QStringList comandos;
        connect(&b.principal->enlace(), &Enlace::entregue, this, [&](const Resposta& r) { comandos << r.comando; });
        Acorn* t = b.abre();
        QVERIFY(t);
        QTRY_COMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.textos(), QStringList{MontaMensagem(QStringLiteral("SOMENTE_X"), 2, {})->texto});
        QVERIFY(!t->aguardando());
        QVERIFY(comandos.isEmpty());
        QCOMPARE(b.principal->enlace().Status(), QStringLiteral("1"));
    }
};

QTEST_MAIN(TstAcorn)
#include "tst_acorn.moc"
