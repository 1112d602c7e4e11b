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
#include <QComboBox>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryFile>
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
        QCOMPARE(t.txtTermos()->toPlainText(), Traduz(QStringLiteral("MSG_LICENCA")).remove(QLatin1Char('\r')));
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

    // The about window against the server: every link opens its server page, the logo and the title the
    // product page; page 10 stands out unless switch 52 reads "S".
    void sobreComServidor_data() {
        QTest::addColumn<QString>("links");
        QTest::addColumn<bool>("destaque");
        QTest::newRow("switch 52 reads N: the help desk stands out") << QString() << true;
        QTest::newRow("switch 52 reads S: nothing stands out") << QStringLiteral("52=S") << false;
    }
    void sobreComServidor() {
        QFETCH(QString, links);
        QFETCH(bool, destaque);
        QTemporaryFile arquivo;
        QStringList argumentos{QStringLiteral("--porta"), QStringLiteral("0")};
        if (!links.isEmpty()) {
            QVERIFY(arquivo.open());
            arquivo.write(links.toUtf8() + '\n');
            arquivo.flush();
            argumentos << QStringLiteral("--links") << arquivo.fileName();
        }
        teste::ServidorTeste servidor(argumentos);
        QVERIFY2(servidor.pronto(), qPrintable(servidor.erro()));
        const QString base = servidor.base();
        teste::BancadaTela<Sobre> b(NomeTela::Sobre, QStringLiteral("update Tools set Servidor = '%1'").arg(base));
        teste::CapturaLinks capturados;
        b.principal->Botoes(Botao::Sobre)->click();
        Sobre* s = b.tela();
        QVERIFY(s);
        QCOMPARE(s->destacado(10), destaque);
        for (int p : {4, 5, 6, 7, 8, 10})
            s->link(p)->click();
        s->imgLogo()->click();
        s->lbTitulo()->click();
        const QStringList caminhos{"contato/1", "contato/2", "suporte/1", "suporte/2",
                                   "suporte/3", "contato/3", "produto",   "produto"};
        QList<QUrl> esperadas;
        for (const QString& c : caminhos)
            esperadas << QUrl(base + c);
        QCOMPARE(capturados.urls, esperadas);
        QVERIFY(b.dialogos.caixas.isEmpty());
    }

    void panicFullEVideoDaPortaAcimaDe16() {
        teste::ServidorTeste servidor;
        QVERIFY2(servidor.pronto(), qPrintable(servidor.erro()));
        teste::BancadaTela<Sobre> b(NomeTela::Sobre,
                                    QStringLiteral("update Tools set Servidor = '%1'").arg(servidor.base()));
        teste::CapturaLinks capturados;
        b.principal->Botoes(Botao::PanicFull)->click();
        QCOMPARE(capturados.urls, QList<QUrl>{QUrl(servidor.base() + QStringLiteral("panic"))});
        // The port above 16 question: Yes opens the help video.
        b.principal->cbPortas()->setCurrentText(QStringLiteral("17"));
        b.dialogos.respostas.enqueue(Dialogos::Resposta::Sim);
        b.principal->Botoes(Botao::Conectar)->click();
        QCOMPARE(b.dialogos.caixas.size(), 1);
        QCOMPARE(b.dialogos.caixas[0].texto, Traduz(QStringLiteral("Porta 16")));
        QCOMPARE(capturados.urls.size(), 2);
        QCOMPARE(capturados.urls[1], QUrl(servidor.base() + QStringLiteral("video/porta-com")));
    }

    // While a request waits for a server that does not answer, the cursor is busy and a click on a
    // window does nothing; afterwards both are back.
    void esperaMostraOcupadoEBloqueiaCliques() {
        teste::ServidorTeste servidor;
        QVERIFY2(servidor.pronto(), qPrintable(servidor.erro()));
        QVERIFY(servidor.controla(QStringLiteral("OK"), true, QStringLiteral("lenta")));
        EsperaOcupada espera;
        instalaEsperaRede(&espera);
        QWidget janela;
        auto* botao = new QPushButton(QStringLiteral("x"), &janela);
        int cliques = 0;
        connect(botao, &QPushButton::clicked, this, [&] { ++cliques; });
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        int cursor = -1;
        bool esperando = false;
        QTimer::singleShot(300, this, [&] {
            esperando = espera.esperando();
            cursor = QApplication::overrideCursor() ? int(QApplication::overrideCursor()->shape()) : -1;
            QTest::mouseClick(botao, Qt::LeftButton);
            QTest::keyClick(botao, Qt::Key_Space);
        });
        const RespostaHttp r = ObtemPagina(QUrl(servidor.base() + QStringLiteral("online")));
        instalaEsperaRede(nullptr);
        QCOMPARE(r.falha, RespostaHttp::Falha::Tempo);
        QVERIFY(esperando);
        QCOMPARE(cursor, int(Qt::WaitCursor));
        QCOMPARE(cliques, 0);
        QVERIFY(!QApplication::overrideCursor());
        QTest::mouseClick(botao, Qt::LeftButton);
        QCOMPARE(cliques, 1);
    }
};

QTEST_MAIN(TstJanelasOnline)
#include "tst_janelasonline.moc"
