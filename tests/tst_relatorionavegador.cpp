// A rail report page from the stand-in server as a browser draws it: headless Chromium takes a
// screenshot (the rows show their pass and fail colours) and prints the page to PDF (the report's texts,
// without the print button).

#include "Apoio.h"

#include "report/EnderecoRelatorio.h"
#include "report/RelatorioRail.h"

#include <QFile>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
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

// A stream's bytes, inflated when it is compressed.
QByteArray conteudoStream(const QString& objeto) {
    static const QRegularExpression stream(QStringLiteral("stream\\r?\\n(.*)\\r?\\nendstream"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = stream.match(objeto);
    if (!m.hasMatch())
        return {};
    const QByteArray dados = m.captured(1).toLatin1();
    if (!objeto.contains(QLatin1String("/FlateDecode")))
        return dados;
    // qUncompress wants the expected size first; it grows the buffer when the guess is short.
    const quint32 palpite = quint32(dados.size()) * 16;
    QByteArray comTamanho(4, 0);
    comTamanho[0] = char(palpite >> 24);
    comTamanho[1] = char(palpite >> 16);
    comTamanho[2] = char(palpite >> 8);
    comTamanho[3] = char(palpite);
    return qUncompress(comTamanho + dados);
}

// The text a PDF page shows, one line per text object: the page's content stream read through the
// fonts' ToUnicode maps (enough for the PDFs Chromium writes: hex glyph strings, two bytes a glyph).
QString textoDoPdf(const QByteArray& pdf) {
    const QString todo = QString::fromLatin1(pdf);
    QMap<int, QString> objetos;
    static const QRegularExpression objeto(QStringLiteral("(\\d+) 0 obj\\s*(.*?)endobj"),
                                           QRegularExpression::DotMatchesEverythingOption);
    for (const auto& m : objeto.globalMatch(todo))
        objetos.insert(m.captured(1).toInt(), m.captured(2));

    QString pagina;
    static const QRegularExpression tipoPagina(QStringLiteral("/Type\\s*/Page(?![a-z])"));
    for (const QString& o : std::as_const(objetos))
        if (tipoPagina.match(o).hasMatch())
            pagina = o;
    QMap<QString, QMap<int, QChar>> fontes;
    static const QRegularExpression fonte(QStringLiteral("/(F\\d+) (\\d+) 0 R"));
    static const QRegularExpression paraUnicode(QStringLiteral("/ToUnicode (\\d+) 0 R"));
    static const QRegularExpression blocoChar(QStringLiteral("beginbfchar(.*?)endbfchar"),
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression blocoFaixa(QStringLiteral("beginbfrange(.*?)endbfrange"),
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression par(QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>"));
    static const QRegularExpression trio(QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>"));
    for (const auto& f : fonte.globalMatch(pagina)) {
        const QRegularExpressionMatch u = paraUnicode.match(objetos.value(f.captured(2).toInt()));
        const QString mapa = QString::fromLatin1(conteudoStream(objetos.value(u.captured(1).toInt())));
        QMap<int, QChar>& glifos = fontes[f.captured(1)];
        for (const auto& b : blocoChar.globalMatch(mapa))
            for (const auto& p : par.globalMatch(b.captured(1)))
                glifos.insert(p.captured(1).toInt(nullptr, 16), QChar(p.captured(2).toInt(nullptr, 16)));
        for (const auto& b : blocoFaixa.globalMatch(mapa))
            for (const auto& t : trio.globalMatch(b.captured(1))) {
                const int de = t.captured(1).toInt(nullptr, 16), ate = t.captured(2).toInt(nullptr, 16);
                for (int g = de; g <= ate; ++g)
                    glifos.insert(g, QChar(t.captured(3).toInt(nullptr, 16) + g - de));
            }
    }

    static const QRegularExpression conteudos(QStringLiteral("/Contents (\\d+) 0 R"));
    const QString fluxo =
        QString::fromLatin1(conteudoStream(objetos.value(conteudos.match(pagina).captured(1).toInt())));
    static const QRegularExpression ficha(QStringLiteral("/(F\\d+) [\\d.]+ Tf|<([0-9A-Fa-f]+)>|\\bET\\b"));
    QString texto;
    const QMap<int, QChar>* atual = nullptr;
    for (const auto& t : ficha.globalMatch(fluxo)) {
        if (!t.captured(1).isEmpty()) {
            atual = &fontes[t.captured(1)];
        } else if (!t.captured(2).isEmpty() && atual) {
            const QString hexa = t.captured(2);
            for (int i = 0; i + 4 <= hexa.size(); i += 4)
                texto += atual->value(hexa.mid(i, 4).toInt(nullptr, 16), QLatin1Char('?'));
        } else {
            texto += QLatin1Char('\n');
        }
    }
    return texto;
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
    // On paper: the report's texts, without the print button.
    const QString texto = textoDoPdf(conteudo);
    for (const QString& t : {QStringLiteral("Relatório BUCK"), QStringLiteral("IP 7 Plus"),
                             QStringLiteral("Bancada Voltrace"), QStringLiteral("10/12/2026"),
                             QStringLiteral("-12.3 %"), QStringLiteral("Reprovado"), QStringLiteral("Sem desvio")})
        QVERIFY2(texto.contains(t), qPrintable(t + QStringLiteral(" not in the PDF text:\n") + texto));
    QVERIFY2(!texto.contains(QLatin1String("Imprimir")), qPrintable(texto));
}

QTEST_GUILESS_MAIN(TstRelatorioNavegador)
#include "tst_relatorionavegador.moc"
