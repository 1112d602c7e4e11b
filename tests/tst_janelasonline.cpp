// The windows of the online services: the terms window with its language flags, the about window with
// the server's links and the manual import, the Panic Full button, and the wait while a request runs.

#include "Apoio.h"

#include "app/Inicial.h"
#include "app/Sobre.h"
#include "app/Termos.h"
#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "online/ClienteHttp.h"
#include "online/RegrasServidor.h"
#include "online/Servidor.h"
#include "store/Banco.h"
#include "store/Configuracao.h"
#include "tela/EsperaOcupada.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace tarsel;

class TstJanelasOnline : public QObject {
    Q_OBJECT

private slots:
    void init() { globais().IdiomaAtual = 1; }

    void termosBandeirasMudamEGuardamOIdioma_data() {
        QTest::addColumn<int>("bandeira");
        QTest::addColumn<QString>("aceitar");
        QTest::newRow("English flag") << 2 << QStringLiteral("I accept");
        QTest::newRow("Spanish flag") << 3 << QStringLiteral("Acepto");
        QTest::newRow("Portuguese flag, from no language at all") << 1 << QStringLiteral("Aceito");
    }
    void termosBandeirasMudamEGuardamOIdioma() {
        QFETCH(int, bandeira);
        QFETCH(QString, aceitar);
        teste::PastaPrograma pasta;
        if (bandeira == 1) {
            teste::executaSql(pasta.banco(), QStringLiteral("update Tools set Idioma = ''"));
            globais().IdiomaAtual = 0;
        }
        Termos t;
        t.show();
        QCOMPARE(t.btAceitar()->text(), Traduz(QStringLiteral("TermosYes")));
        t.bandeira(bandeira)->click();
        QCOMPARE(int(globais().IdiomaAtual), bandeira);
        QCOMPARE(int(LeIdioma()), bandeira);
        QCOMPARE(t.btAceitar()->text(), aceitar);
        QCOMPARE(t.txtTermos()->toPlainText(), Traduz(QStringLiteral("MSG_LICENCA")));
        QVERIFY(t.txtTermos()->toPlainText().size() > 200);
        QVERIFY(t.bandeira(bandeira)->isChecked());
    }

    void termosAceitarOuRecusar_data() {
        QTest::addColumn<int>("acao"); // 0 accept, 1 refuse, 2 close the window
        QTest::addColumn<int>("resultado");
        QTest::newRow("accept") << 0 << int(QDialog::Accepted);
        QTest::newRow("refuse") << 1 << int(QDialog::Rejected);
        QTest::newRow("closed from the title bar counts as refused") << 2 << int(QDialog::Rejected);
    }
    void termosAceitarOuRecusar() {
        QFETCH(int, acao);
        QFETCH(int, resultado);
        teste::PastaPrograma pasta;
        Termos t;
        QTimer::singleShot(0, &t, [&] {
            if (acao == 0)
                t.btAceitar()->click();
            else if (acao == 1)
                t.btNaoAceitar()->click();
            else
                t.close();
        });
        QCOMPARE(t.exec(), resultado);
    }

    // No server (connection refused): switches read "N", so the help-desk link stands out, and every link
    // opens the product's site.
    void sobreSemServidor() {
        teste::BancadaTela<Sobre> b(NomeTela::Sobre,
                                    QStringLiteral("update Tools set Servidor = '%1'").arg(teste::ServidorFechado()));
        teste::CapturaLinks links;
        b.principal->Botoes(Botao::Sobre)->click();
        Sobre* s = b.tela();
        QVERIFY(s);
        QVERIFY(globais().telaAberta(NomeTela::Sobre));
        QVERIFY(s->destacado(10));
        QVERIFY(!s->destacado(4));
        s->link(4)->click();
        s->imgLogo()->click();
        QCOMPARE(links.urls, QList<QUrl>({QUrl(EnderecoProduto), QUrl(EnderecoProduto)}));
        QVERIFY(b.dialogos.caixas.isEmpty());
    }

    void sobreSincronizaManualmente() {
        teste::BancadaTela<Sobre> b(NomeTela::Sobre,
                                    QStringLiteral("update Tools set Servidor = '%1'").arg(teste::ServidorFechado()));
        Sobre* s = b.abre();
        QVERIFY(s);
        QCOMPARE(s->mnuSincronizar()->text(), QStringLiteral("Sincronizar Dados Salvos"));
        b.dialogos.respostas.enqueue(Dialogos::Resposta::Sim);
        s->mnuSincronizar()->trigger();
        QCOMPARE(b.dialogos.titulos(),
                 QStringList({QStringLiteral("Sincronizar / Sync"),
                              MontaMensagem(QStringLiteral("MSG_SYNC_SEM_USUARIO"), 1, {})->titulo}));
        QCOMPARE(b.dialogos.caixas[1].texto, MontaMensagem(QStringLiteral("MSG_SYNC_SEM_USUARIO"), 1, {})->texto);
    }

    void panicFullSemServidorAbreOSite() {
        teste::BancadaTela<Sobre> b(NomeTela::Sobre,
                                    QStringLiteral("update Tools set Servidor = '%1'").arg(teste::ServidorFechado()));
        teste::CapturaLinks links;
        b.principal->Botoes(Botao::PanicFull)->click();
        QCOMPARE(links.urls, QList<QUrl>({QUrl(EnderecoProduto)}));
    }

    void sobreNosTresIdiomas_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("Portuguese") << 1 << QStringLiteral("Sobre");
        QTest::newRow("English") << 2 << QStringLiteral("About");
        QTest::newRow("Spanish") << 3 << QStringLiteral("Acerca");
    }
    void sobreNosTresIdiomas() {
        QFETCH(int, idioma);
        QFETCH(QString, titulo);
        globais().IdiomaAtual = quint8(idioma);
        teste::BancadaTela<Sobre> b(NomeTela::Sobre,
                                    QStringLiteral("update Tools set Servidor = '%1'").arg(teste::ServidorFechado()));
        Sobre* s = b.abre();
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), titulo);
        for (int p : {4, 5, 6, 7, 8, 10}) {
            QVERIFY(!s->link(p)->text().isEmpty());
            QVERIFY2(!s->link(p)->text().contains(NaoLocalizado), qPrintable(s->link(p)->text()));
            // Nothing cut: the button is at least as wide as its text needs.
            QVERIFY(s->link(p)->width() >= s->link(p)->fontMetrics().horizontalAdvance(s->link(p)->text()));
        }
        QVERIFY(b.dialogos.caixas.isEmpty());
    }
};

QTEST_MAIN(TstJanelasOnline)
#include "tst_janelasonline.moc"
