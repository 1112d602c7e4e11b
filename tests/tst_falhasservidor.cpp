// Every server request of the program against every way the server can misbehave: nothing hangs past
// the client's time limits, nothing crashes, and each request ends in its fallback (the version check's
// one box and the product site, no notice, link page "N", no I2C notes) or, where the first tag pair of
// the page is intact, in the normal result.

#include "Apoio.h"

#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "devicetests/ModuloI2C.h"
#include "online/ClienteHttp.h"
#include "online/RegrasServidor.h"
#include "online/Servidor.h"
#include "online/Verificacoes.h"
#include "store/Banco.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace tarsel;

namespace {

enum class Pedido { Versao, Aviso, Links, NotasI2C };

// What a request gave, in one comparable text: its value, the titles of the boxes, the addresses opened.
QString executa(Pedido p) {
    teste::CapturaLinks links;
    DialogosRoteiro d;
    QString valor;
    switch (p) {
    case Pedido::Versao:
        valor = VerificaVersaoServidor() ? QStringLiteral("segue") : QStringLiteral("encerra");
        break;
    case Pedido::Aviso:
        valor = BuscaAviso(1);
        break;
    case Pedido::Links:
        valor = LePaginaServidor(6);
        break;
    case Pedido::NotasI2C:
        valor = ModuloI2C::NotasFalha(QStringLiteral("IP 7"), 2, 2);
        break;
    }
    QStringList partes{valor};
    partes << d.titulos();
    for (const QUrl& u : links.urls)
        partes << u.toString();
    return partes.join(QStringLiteral(" | "));
}

// The documented result of each request when no usable answer came.
QString reserva(Pedido p) {
    switch (p) {
    case Pedido::Versao:
        return QStringLiteral("encerra |  ") + Traduz(QStringLiteral("MSG_UPDATE_OBRIGATORIA_TITULO")) +
               QStringLiteral(" | ") + EnderecoProduto;
    case Pedido::Aviso:
    case Pedido::NotasI2C:
        return {};
    case Pedido::Links:
        return QStringLiteral("N");
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Pedido)

class TstFalhasServidor : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<teste::ServidorTeste> m_servidor;

private slots:
    void initTestCase() {
        m_servidor = std::make_unique<teste::ServidorTeste>();
        QVERIFY2(m_servidor->pronto(), qPrintable(m_servidor->erro()));
    }
    void cleanupTestCase() { m_servidor.reset(); }

    void pedidoComFalha_data() {
        QTest::addColumn<Pedido>("pedido");
        QTest::addColumn<QString>("falha"); // of the server, or "fechado": nothing listens
        QTest::addColumn<bool>("normal");   // the normal result is still read (else the fallback)
        const QList<QPair<const char*, Pedido>> pedidos{{"version check", Pedido::Versao},
                                                        {"update notice", Pedido::Aviso},
                                                        {"link page", Pedido::Links},
                                                        {"I2C notes", Pedido::NotasI2C}};
        const QList<QPair<const char*, bool>> falhas{
            {"fechado", false}, {"lenta", false},  {"gotejando", false}, {"lixo", false},  {"latin1", false},
            {"reset", false},   {"enorme", false}, {"redirecao", false}, {"marcas", true},
        };
        for (const auto& p : pedidos) {
            for (const auto& f : falhas)
                QTest::addRow("%s, %s", p.first, f.first) << p.second << QString::fromLatin1(f.first) << f.second;
        }
    }
    void pedidoComFalha() {
        QFETCH(Pedido, pedido);
        QFETCH(QString, falha);
        QFETCH(bool, normal);
        teste::PastaPrograma pasta;
        globais().IdiomaAtual = 2;
        globais().Versao = VersaoPrograma;
        const auto aponta = [&](const QString& base) {
            Banco b(pasta.banco());
            b.executa(QStringLiteral("update Tools set Servidor = ?"), {base});
        };
        aponta(m_servidor->base());
        QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("nenhuma")));
        const QString semFalha = executa(pedido);
        QVERIFY(semFalha != reserva(pedido));

        if (falha == QLatin1String("fechado"))
            aponta(teste::ServidorFechado());
        else
            QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, falha));
        QElapsedTimer relogio;
        relogio.start();
        const QString r = executa(pedido);
        const qint64 ms = relogio.elapsed();
        QVERIFY(m_servidor->controla(QStringLiteral("OK"), true, QStringLiteral("nenhuma")));

        // Only a hang is caught here: twice the client's overall limit for the one request.
        QVERIFY2(ms < 2 * OpcoesHttp{}.prazoTotalMs, qPrintable(QString::number(ms)));
        QCOMPARE(r, normal ? semFalha : reserva(pedido));

        // The server is fine again: the next request reads it, no restart.
        aponta(m_servidor->base());
        QCOMPARE(executa(pedido), semFalha);
    }
};

QTEST_MAIN(TstFalhasServidor)
#include "tst_falhasservidor.moc"
