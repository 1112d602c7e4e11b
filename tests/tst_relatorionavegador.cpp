// A rail report page from the stand-in server as a browser draws it: headless Chromium takes a
// screenshot (the rows show their pass and fail colours) and prints the page to PDF.

#include "Apoio.h"

#include "report/EnderecoRelatorio.h"
#include "report/RelatorioRail.h"

#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tarsel;
using namespace tarsel::teste;

namespace {

// Pixels of exactly this colour in the image.
int pixels(const QImage& imagem, QRgb cor) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y) {
        const auto* linha = reinterpret_cast<const QRgb*>(imagem.constScanLine(y));
        for (int x = 0; x < imagem.width(); ++x)
            n += (linha[x] & 0xffffff) == (cor & 0xffffff);
    }
    return n;
}

} // namespace

class TstRelatorioNavegador : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void capturaDeTela();
    void impressaoEmPdf();

private:
    // Runs Chromium headless on the report with `saida` (e.g. "--screenshot=...") and waits for it.
    void executaNavegador(const QString& saida);

    QString m_chromium;
    QTemporaryDir m_dir;
    std::unique_ptr<ServidorTeste> m_servidor;
    std::unique_ptr<PastaPrograma> m_pasta;
    QString m_endereco;
};

void TstRelatorioNavegador::initTestCase() {
    m_chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (m_chromium.isEmpty())
        QSKIP("chromium is not installed (scripts/setup.sh installs it)");
    QVERIFY(m_dir.isValid());
    m_servidor = std::make_unique<ServidorTeste>();
    QVERIFY2(m_servidor->pronto(), qPrintable(m_servidor->erro()));
    m_pasta = std::make_unique<PastaPrograma>();
    executaSql(m_pasta->banco(), QStringLiteral("update Tools set ServidorRelatorio = '%1'").arg(m_servidor->base()));
    const QList<LinhaRelatorio> linhas{
        {{}, QStringLiteral("0.912 V"), QStringLiteral("0.9 V"), QStringLiteral("1.3 %"), QStringLiteral("0.900")},
        {{}, QStringLiteral("1.812 V"), QStringLiteral("1.8 V"), QStringLiteral("0.6 %"), QStringLiteral("1.800")},
        {{}, QStringLiteral("0.000 V"), QStringLiteral("1.1 V"), QStringLiteral("-100.0 %"), QStringLiteral("1.100")},
        {{}, QStringLiteral("3.301 V"), QStringLiteral("3.3 V"), QStringLiteral("0.0 %"), QStringLiteral("3.300")},
        {{}, QStringLiteral("*"), QStringLiteral("1.2 V"), QString(), QStringLiteral("1.200")},
        {{}, QStringLiteral("1.250 V"), QStringLiteral("1.25 V"), QString(), QStringLiteral("1.250")},
        {{}, QStringLiteral("5.012 V"), QStringLiteral("5.0 V"), QStringLiteral("0.2 %"), QStringLiteral("5.000")},
        {{}, QStringLiteral("1.052 V"), QStringLiteral("1.2 V"), QStringLiteral("-12.3 %"), QStringLiteral("1.200")}};
    m_endereco = EnderecoRelatorio::monta(
        RelatorioRail::Pagina, RelatorioRail::pares(2, linhas, QStringLiteral("10/12/2026"), 1,
                                                    QStringLiteral("IP 7 Plus"), QStringLiteral("Bancada Voltrace")));
}

void TstRelatorioNavegador::executaNavegador(const QString& saida) {
    QProcess navegador;
    navegador.setProcessChannelMode(QProcess::MergedChannels);
    navegador.start(m_chromium, {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                                 QStringLiteral("--disable-gpu"), QStringLiteral("--hide-scrollbars"),
                                 QStringLiteral("--no-first-run"), QStringLiteral("--no-pdf-header-footer"),
                                 QStringLiteral("--user-data-dir=") + m_dir.filePath(QStringLiteral("perfil")),
                                 QStringLiteral("--window-size=1000,800"), saida, m_endereco});
    QVERIFY(navegador.waitForStarted(10000));
    if (!navegador.waitForFinished(120000)) {
        navegador.kill();
        navegador.waitForFinished(5000);
        QFAIL(qPrintable(QStringLiteral("chromium did not finish: ") + QString::fromLocal8Bit(navegador.readAll())));
    }
    QVERIFY2(navegador.exitStatus() == QProcess::NormalExit && navegador.exitCode() == 0,
             qPrintable(QString::fromLocal8Bit(navegador.readAll())));
}

// The whole page is drawn: the size asked for, the pass rows in pale green, the failing ones in pale
// red, the rows without a deviation in grey, and far more than a blank page's few colours.
void TstRelatorioNavegador::capturaDeTela() {
    const QString png = m_dir.filePath(QStringLiteral("relatorio.png"));
    executaNavegador(QStringLiteral("--screenshot=") + png);
    QImage imagem(png);
    QVERIFY2(!imagem.isNull(), qPrintable(png));
    QCOMPARE(imagem.size(), QSize(1000, 800));
    imagem = imagem.convertToFormat(QImage::Format_RGB32);
    QVERIFY(pixels(imagem, qRgb(0xc0, 0xff, 0xc0)) > 2000);
    QVERIFY(pixels(imagem, qRgb(0xff, 0xb8, 0xb8)) > 2000);
    QVERIFY(pixels(imagem, qRgb(0xec, 0xec, 0xec)) > 2000);
    QSet<QRgb> cores;
    for (int y = 0; y < imagem.height(); y += 2)
        for (int x = 0; x < imagem.width(); x += 2)
            cores.insert(imagem.pixel(x, y));
    QVERIFY(cores.size() > 50);
}

void TstRelatorioNavegador::impressaoEmPdf() {
    const QString pdf = m_dir.filePath(QStringLiteral("relatorio.pdf"));
    executaNavegador(QStringLiteral("--print-to-pdf=") + pdf);
    QFile arquivo(pdf);
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    const QByteArray conteudo = arquivo.readAll();
    QVERIFY(conteudo.startsWith("%PDF-"));
    QVERIFY(conteudo.size() > 5000);
    QVERIFY(conteudo.contains("/Type /Page") || conteudo.contains("/Type/Page"));
}

QTEST_GUILESS_MAIN(TstRelatorioNavegador)
#include "tst_relatorionavegador.moc"
