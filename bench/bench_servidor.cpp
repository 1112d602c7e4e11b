// The stand-in server as the program and the tests meet it: time from a GET to the whole answer for each
// kind of page over loopback (median and worst of 200), the largest report the program sends (255 VCore
// rows), and the same content page while 20 connections are held by a slow and a trickling fault (the
// server must stay as quick). Prints figures; asserts nothing.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

QNetworkAccessManager* rede = nullptr;

// Milliseconds from the GET to its end; -1 on an error.
double mede(const QString& url) {
    QElapsedTimer relogio;
    relogio.start();
    std::unique_ptr<QNetworkReply> r(rede->get(QNetworkRequest{QUrl(url)}));
    QEventLoop espera;
    QObject::connect(r.get(), &QNetworkReply::finished, &espera, &QEventLoop::quit);
    QTimer::singleShot(10000, &espera, &QEventLoop::quit);
    espera.exec();
    if (!r->isFinished() || r->error() != QNetworkReply::NoError)
        return -1;
    r->readAll();
    return double(relogio.nsecsElapsed()) / 1e6;
}

void serie(const char* nome, const QString& url, int vezes = 200) {
    std::vector<double> ms;
    int erros = 0;
    for (int i = 0; i < vezes; ++i) {
        const double t = mede(url);
        if (t < 0)
            ++erros;
        else
            ms.push_back(t);
    }
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) {
        std::printf("%-44s all %d failed\n", nome, vezes);
        return;
    }
    std::printf("%-44s median %7.2f ms  worst %7.2f ms  errors %d\n", nome, ms[ms.size() / 2], ms.back(), erros);
}

QString inicia(QProcess& servidor) {
    servidor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    servidor.start(QStringLiteral(TARSEL_SERVIDOR), {QStringLiteral("--controle")});
    if (!servidor.waitForStarted(5000) || !servidor.waitForReadyRead(5000))
        return {};
    const QByteArray linha = servidor.readLine().trimmed();
    return linha.startsWith("READY ") ? QString::fromLatin1(linha.mid(6)) : QString();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QNetworkAccessManager gerente;
    rede = &gerente;
    QProcess servidor;
    const QString base = inicia(servidor);
    if (base.isEmpty()) {
        std::fprintf(stderr, "tarsel-server did not start\n");
        return 1;
    }

    serie("probe page", base + QStringLiteral("online"));
    serie("version page", base + QStringLiteral("versao?v=2.42&t=2"));
    serie("update notice", base + QStringLiteral("aviso/atualizacao?v=2.42"));
    serie("link page", base + QStringLiteral("links?k=582046"));
    serie("I2C notes", base + QStringLiteral("i2c?p=VT&m=IP%207&b=0&l=1"));
    serie("content page", base + QStringLiteral("produto"));

    QString consulta;
    for (int i = 1; i <= 255; ++i)
        consulta += QStringLiteral("P%1=PP_REDE_%1&L%1=1.%1%20V&R%1=1.2%20V&O%1=%2%20%25&I%1=%3&")
                        .arg(i)
                        .arg(i % 20)
                        .arg(i % 20 >= 10 ? 0 : 1);
    consulta += QStringLiteral("TIPO=0&DATA=10%2F12%2F2026&IDIOMA=1&MODELO=IP%208&EMP=Oficina");
    std::printf("report query: %lld bytes\n", static_cast<long long>(consulta.size()));
    serie("report, 255 VCore rows", base + QStringLiteral("relatorio/index.php?") + consulta, 50);

    // Twenty connections held open by the faults (plain sockets: a network manager opens at most six
    // per host), then the content page again.
    std::vector<std::unique_ptr<QTcpSocket>> presos;
    const QUrl url(base);
    for (const char* falha : {"lenta", "gotejando"}) {
        mede(base + QStringLiteral("controle?falha=") + QLatin1String(falha));
        for (int i = 0; i < 10; ++i) {
            auto s = std::make_unique<QTcpSocket>();
            s->connectToHost(url.host(), quint16(url.port()));
            s->waitForConnected(5000);
            s->write("GET /versao?v=2.42&t=2 HTTP/1.1\r\nHost: x\r\n\r\n");
            s->waitForBytesWritten(5000);
            presos.push_back(std::move(s));
        }
        QEventLoop espera;
        QTimer::singleShot(300, &espera, &QEventLoop::quit);
        espera.exec();
    }
    serie("content page, 20 faulty answers pending", base + QStringLiteral("produto"));
    serie("report, 255 rows, 20 faulty answers pending", base + QStringLiteral("relatorio/index.php?") + consulta, 50);
    presos.clear();
    servidor.kill();
    servidor.waitForFinished(5000);
    return 0;
}
