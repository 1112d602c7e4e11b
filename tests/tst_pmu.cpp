// The PMU screen against the simulated phone: a healthy board reads green, a faulty one shows its
// bad rails in yellow with the NO mark; tolerance, decimals, many rows and a failed reading.

#include "Apoio.h"

#include "app/Inicial.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "link/Enlace.h"
#include "rails/PMU.h"
#include "store/Banco.h"
#include "store/Configuracao.h"
#include "tela/Conversoes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

using namespace tarsel;

namespace {
// A main window with the PMU screen, connected to the simulated phone `numero` on `conecta`.
struct Bancada : teste::BancadaTela<PMU> {
    QString numero;
    QStringList falhas;

    explicit Bancada(const QString& modelo = QStringLiteral("A1778"), const QStringList& f = {})
        : BancadaTela(NomeTela::PMU)
        , numero(modelo)
        , falhas(f) {
        globais().IdiomaAtual = 1;
    }
    bool conecta() { return BancadaTela::conecta(numero, falhas); }
    PMU* abre() {
        principal->Botoes(Botao::PMU)->click();
        return tela();
    }
};

QColor fundo(const QLabel* l) {
    return l->palette().color(QPalette::Window);
}

bool leu(PMU* pmu) {
    return QTest::qWaitFor([pmu] { return !pmu->lendo(); }, 15000);
}
} // namespace

class TstPMU : public QObject {
    Q_OBJECT

private slots:
    void placaSaudavelFicaVerde_data() {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("familia");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("linhas");
        QTest::newRow("IP 7 bucks") << "A1778"
                                    << "IP 7" << 2 << 17;
        QTest::newRow("IP 7 ldos") << "A1778"
                                   << "IP 7" << 1 << 20;
        QTest::newRow("IP X bucks, whose Buck0 current is not read") << "A1865"
                                                                     << "IP X" << 2 << 17;
        QTest::newRow("IP 6 ldos") << "A1549"
                                   << "IP 6" << 1 << 16;
    }

    void placaSaudavelFicaVerde() {
        QFETCH(QString, numero);
        QFETCH(QString, familia);
        QFETCH(int, tipo);
        Bancada b(numero);
        QVERIFY(b.conecta());
        QCOMPARE(b.principal->ComboAparelhos()->currentText(), familia);
        PMU* pmu = b.abre();
        QVERIFY(pmu);
        (tipo == 2 ? pmu->Botao1() : pmu->Botao2())->click();
        QVERIFY(!pmu->FrameControle()->isEnabled());
        QVERIFY(leu(pmu));
        QVERIFY(pmu->FrameControle()->isEnabled());
        QVERIFY(!pmu->FrameVCore()->isVisible());

        // Every rail of the shipped reference is shown; every one the phone measured is within tolerance:
        // green deviation and the tick. Only a value that timed out ("**") is left unjudged.
        QFETCH(int, linhas);
        QCOMPARE(pmu->linhasVisiveis(), linhas);
        for (int i = 0; i < linhas; ++i) {
            const auto& l = pmu->linha(i);
            const QString quem =
                l.SAIDA->text() + QLatin1Char(' ') + l.LEITURA_V->text() + QLatin1Char(' ') + l.PORC->text();
            QVERIFY2(!l.NO->isVisibleTo(pmu), qPrintable(quem));
            if (l.LEITURA_V->text() == QLatin1String("**")) {
                QVERIFY2(!l.OK->isVisibleTo(pmu), qPrintable(quem));
                continue;
            }
            QVERIFY2(l.OK->isVisibleTo(pmu), qPrintable(quem));
            QVERIFY2(fundo(l.PORC) == CorBGR(Cores::Verde), qPrintable(quem));
            QVERIFY2(fundo(l.LEITURA_V) == CorBGR(Cores::Branco), qPrintable(quem));
            QVERIFY2(l.LEITURA_V->text() == QLatin1String("*") || l.LEITURA_V->text().endsWith(QLatin1String(" V")),
                     qPrintable(quem));
            if (l.SAIDA->text() == QLatin1String("BUCK1"))
                QCOMPARE(l.LEITURA_V->text(), QStringLiteral("*"));
        }
        QVERIFY(pmu->lbVar()->isVisibleTo(pmu));
        QVERIFY(pmu->lbVar()->text().endsWith(QStringLiteral(" ** SEM MEDIÇÃO")));
        QCOMPARE(b.principal->enlace().Status(), QStringLiteral("1"));
        QCOMPARE(globais().TelaAtiva, QStringLiteral("0"));
        QCOMPARE(b.dialogos.caixas.size(), 0);
    }

    void correnteDoBuck0AoLadoDaTensao() {
        Bancada b;
        QVERIFY(b.conecta());
        PMU* pmu = b.abre();
        pmu->Botao1()->click();
        QVERIFY(leu(pmu));
        bool achou = false;
        for (int i = 0; i < pmu->linhasVisiveis(); ++i) {
            const auto& l = pmu->linha(i);
            if (l.SAIDA->text() == QLatin1String("BUCK0")) {
                achou = true;
                QVERIFY(l.LEITURA_A->isVisibleTo(pmu));
                QVERIFY2(l.LEITURA_A->text().endsWith(QStringLiteral(" mA")), qPrintable(l.LEITURA_A->text()));
            }
        }
        QVERIFY(achou);
    }

    void railsDefeituososFicamAmarelosComNO() {
        // The faulty IP 7 board: Buck5 shorted, Buck3 15 % high, the line of Buck4 missing.
        Bancada b(QStringLiteral("A1778"), {QStringLiteral("placa-defeituosa")});
        QVERIFY(b.conecta());
        PMU* pmu = b.abre();
        pmu->Botao1()->click();
        QVERIFY(leu(pmu));
        QStringList ruins;
        QString leituraBuck4;
        for (int i = 0; i < pmu->linhasVisiveis(); ++i) {
            const auto& l = pmu->linha(i);
            if (l.SAIDA->text() == QLatin1String("BUCK4")) {
                leituraBuck4 = l.LEITURA_V->text();
                QVERIFY(l.OK->isVisibleTo(pmu)); // not measured is not judged a fault
            }
            if (l.NO->isVisibleTo(pmu)) {
                ruins << l.SAIDA->text();
                QCOMPARE(fundo(l.LEITURA_V), CorBGR(Cores::Amarelo));
                QCOMPARE(fundo(l.PORC), CorBGR(Cores::Amarelo));
                QVERIFY(!l.OK->isVisibleTo(pmu));
            } else {
                QCOMPARE(fundo(l.LEITURA_V), CorBGR(Cores::Branco));
            }
        }
        QCOMPARE(ruins, QStringList({QStringLiteral("BUCK3"), QStringLiteral("BUCK5")}));
        QCOMPARE(leituraBuck4, QStringLiteral("Sem Medição*"));
    }

    void linhaPerdidaNoMeioDaLeitura() {
        // The phone hangs up halfway through the answer: the controls come back, the sweep stops, and the
        // link's one message is all the technician sees.
        Bancada b(QStringLiteral("A1778"), {QStringLiteral("desliga")});
        QVERIFY(b.conecta());
        PMU* pmu = b.abre();
        pmu->Botao1()->click();
        QVERIFY(pmu->lendo());
        QTRY_COMPARE_WITH_TIMEOUT(b.principal->enlace().Status(), QStringLiteral("0"), 15000);
        QTRY_VERIFY(!pmu->lendo());
        QVERIFY(pmu->FrameControle()->isEnabled());
        QVERIFY(!pmu->FrameVCore()->isVisible());
        QVERIFY(!pmu->FrameVCore()->TimerBarra().isActive());
        QTRY_COMPARE(b.dialogos.caixas.size(), 1);
        QTest::qWait(300); // nothing else follows
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.caixas.first().icone, Dialogos::Icone::Critico);
        QCOMPARE(pmu->linhasVisiveis(), 0);
    }

    void leSemJanelaPrincipal() {
        // The screen needs no more than its context: a real link to the simulated phone will do.
        globais().IdiomaAtual = 1;
        teste::PastaPrograma pasta;
        DialogosRoteiro dialogos;
        teste::Simulador sim(pasta.caminho(), 3, QStringLiteral("A1865"));
        QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
        teste::ContextoTeste contexto;
        contexto.familiaAtual = QStringLiteral("IP X");
        contexto.link.abre(3, pasta.caminho());
        contexto.link.defineModeloBox(QStringLiteral("1"));
        contexto.link.defineEstado(EstadoEnlace::Ocioso);
        PMU pmu(contexto);
        pmu.Botao2()->click();
        QCOMPARE(globais().TelaAtiva, QStringLiteral("18"));
        QVERIFY(leu(&pmu));
        QVERIFY(pmu.linhasVisiveis() > 0);
        QCOMPARE(pmu.linha(0).SAIDA->text(), QStringLiteral("LDO0"));
        QVERIFY(pmu.linha(0).OK->isVisibleTo(&pmu));
        QCOMPARE(dialogos.caixas.size(), 0);
        QVERIFY(contexto.link.ocioso());
    }

    void tipoSemConexaoSoGuardaOTipo() {
        Bancada b;
        PMU* pmu = b.abre();
        QVERIFY(pmu);
        pmu->Botao2()->click();
        QCOMPARE(pmu->tipo(), 1);
        QVERIFY(!pmu->lendo());
        QVERIFY(pmu->FrameControle()->isEnabled());
        QCOMPARE(b.principal->enlace().Status(), QStringLiteral("0"));
    }

    void toleranciaAoPerderOFoco_data() {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("fica");
        QTest::newRow("letters become 10") << "abc"
                                           << "10";
        QTest::newRow("above 100 becomes 10") << "150"
                                              << "10";
        QTest::newRow("a fraction keeps its whole part") << "12.7"
                                                         << "12";
        QTest::newRow("zero stays") << "0"
                                    << "0";
    }

    void toleranciaAoPerderOFoco() {
        QFETCH(QString, digitado);
        Bancada b;
        PMU* pmu = b.abre();
        b.principal->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.principal.get()));
        pmu->PorcTolerancia()->setFocus();
        pmu->PorcTolerancia()->lineEdit()->setText(digitado);
        pmu->Botao1()->setFocus();
        QTEST(pmu->PorcTolerancia()->currentText(), "fica");
    }

    void toleranciaZeroMarcaTodasComNO() {
        Bancada b;
        QVERIFY(b.conecta());
        PMU* pmu = b.abre();
        pmu->PorcTolerancia()->setCurrentText(QStringLiteral("0"));
        pmu->Botao1()->click();
        QVERIFY(leu(pmu));
        QCOMPARE(pmu->linhasVisiveis(), 17);
        int julgadas = 0;
        for (int i = 0; i < pmu->linhasVisiveis(); ++i) {
            const auto& l = pmu->linha(i);
            // Nothing lies strictly within a tolerance of zero, not even "0 %".
            if (l.PORC->text().isEmpty())
                continue;
            ++julgadas;
            QVERIFY2(l.NO->isVisibleTo(pmu), qPrintable(l.SAIDA->text() + " " + l.PORC->text()));
        }
        QVERIFY(julgadas > 0);
    }

    void decimaisRestauradosEGuardados() {
        Bancada b;
        GravaCombo(5, QStringLiteral("2"));
        GravaCombo(6, QStringLiteral("x"));
        PMU* pmu = b.abre();
        QCOMPARE(pmu->ComboDecimais()->currentText(), QStringLiteral("2"));
        QCOMPARE(pmu->ComboDecimaisAmp()->currentText(), QStringLiteral("3")); // an unreadable value is ignored
        QCOMPARE(pmu->decimais().volt, 2);
        pmu->ComboDecimaisAmp()->textActivated(QStringLiteral("1"));
        QCOMPARE(LeCombo(6), QStringLiteral("1"));
        QCOMPARE(pmu->decimais().amp, 1);
    }

    void maisDeVinteLinhasAparecemTodas() {
        Bancada b;
        // 26 bucks for IP 7: every one must be shown, none dropped.
        teste::executaSql(b.pasta.banco(), QStringLiteral("delete from Master where Modelo = 'IP 7' and TIPO = 2"));
        QString sql;
        for (int i = 0; i < 26; ++i) {
            const int codigo = i < 12 ? i : (i < 15 ? 12 + (i - 12) : 0);
            sql += QStringLiteral("insert into Master (Modelo, TIPO, Orig, Malha, Ci, RefT, RefV, Ref, Leitura, Porc) "
                                  "values ('IP 7', 2, 'Rail%1', 'PP_NET_%1', 'SOC', '%2', '1.000', '1.0 V', '', '');")
                       .arg(i, 2, 10, QLatin1Char('0'))
                       .arg(codigo);
        }
        teste::executaSql(b.pasta.banco(), sql);
        QVERIFY(b.conecta());
        PMU* pmu = b.abre();
        pmu->Botao1()->click();
        QVERIFY(leu(pmu));
        QCOMPARE(pmu->linhasVisiveis(), 26);
        QCOMPARE(pmu->linha(25).SAIDA->text(), QStringLiteral("RAIL25"));
    }

    void leituraQueFalhaAvisaUmaVezEVoltaAoRepouso() {
        Bancada b;
        // A reference that reads as zero cannot divide a reading far from it.
        teste::executaSql(b.pasta.banco(), QStringLiteral("update Master set RefV = '0.000' where Modelo = 'IP 7' and "
                                                          "TIPO = 2 and Orig = 'Buck0'"));
        QVERIFY(b.conecta());
        PMU* pmu = b.abre();
        pmu->Botao1()->click();
        QVERIFY(leu(pmu));
        QCOMPARE(b.dialogos.caixas.size(), 1);
        const auto erro = b.dialogos.caixas.last();
        QCOMPARE(erro.icone, Dialogos::Icone::Critico);
        QVERIFY(erro.texto.endsWith(QStringLiteral(" Nº: 11")));
        QVERIFY(pmu->FrameControle()->isEnabled());
        QVERIFY(!pmu->FrameVCore()->isVisible());
        QTRY_COMPARE(b.principal->enlace().Status(), QStringLiteral("1"));
        // The screen takes the next reading.
        teste::executaSql(b.pasta.banco(), QStringLiteral("update Master set RefV = '1.050' where Modelo = 'IP 7' and "
                                                          "TIPO = 2 and Orig = 'Buck0'"));
        pmu->Botao1()->click();
        QVERIFY(leu(pmu));
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QVERIFY(pmu->linhasVisiveis() > 0);
    }
};

QTEST_MAIN(TstPMU)
#include "tst_pmu.moc"
