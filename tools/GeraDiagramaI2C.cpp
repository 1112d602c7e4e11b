// Writes the I2C bus map documents from the device list of the reference database:
//   tarsel-diagrama-i2c <Config.tsl> <program folder>
// gives xA8.pdf, xA9.pdf, xA10.pdf and xA11.pdf, one page per family of the document: the processor with
// each bus the board offers, and on each bus the chips the reference data lists for it, by address and
// part. Runs at build time (QT_QPA_PLATFORM=offscreen: no display is needed to draw text).

#include "base/ErroVB.h"
#include "devicetests/ModuloI2C.h"

#include <QDir>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextStream>

using namespace tarsel;

namespace {

const QColor CorBarramento(26, 79, 122);
const QColor CorChip(220, 230, 240);
const QColor CorTexto(30, 30, 30);

struct Barramento {
    int numero;
    QString legenda;
    QStringList codigos;
};

// The buses the board offers, as the screen shows them (bus 3 of "IP 7 Plus" included: the board has it).
QList<Barramento> barramentos(const QString& familia, const QString& banco) {
    const ModuloI2C::BotoesI2C botoes = ModuloI2C::OcultaBotoes(familia, [](int) { return QStringLiteral("S"); });
    const QMap<int, QStringList> mapa = ModuloI2C::MapaFamilia(familia, banco);
    QList<Barramento> lista;
    for (int n = 0; n < ModuloI2C::Barramentos; ++n) {
        if (botoes[n].visivel && botoes[n].habilitado)
            lista << Barramento{n, botoes[n].legenda, mapa.value(n)};
    }
    return lista;
}

void desenhaPagina(QPainter& p, const QRect& area, const QString& familia, const QList<Barramento>& lista) {
    const int u = area.width() / 100; // one hundredth of the page width
    QFont titulo(QStringLiteral("DejaVu Sans"));
    titulo.setPixelSize(u * 3);
    titulo.setBold(true);
    p.setFont(titulo);
    p.setPen(CorBarramento);
    p.drawText(QRect(area.left(), area.top(), area.width(), u * 4), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Voltrace Tarsel - ") + familia + QStringLiteral(" - I2C"));
    QFont subtitulo(QStringLiteral("DejaVu Sans"));
    subtitulo.setPixelSize(u * 3 / 2);
    p.setFont(subtitulo);
    p.setPen(CorTexto);
    p.drawText(QRect(area.left(), area.top() + u * 4, area.width(), u * 3), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Mapa dos barramentos I2C  /  I2C bus map  /  Mapa de los buses I2C"));

    const int topo = area.top() + u * 9;
    const int base = area.bottom() - u * 4;
    const QRect processador(area.left(), topo, u * 12, base - topo);
    p.setPen(QPen(CorBarramento, u / 4));
    p.setBrush(QColor(240, 244, 248));
    p.drawRoundedRect(processador, u, u);
    QFont rotulo(QStringLiteral("DejaVu Sans"));
    rotulo.setPixelSize(u * 2);
    rotulo.setBold(true);
    p.setFont(rotulo);
    p.drawText(processador, Qt::AlignCenter, QStringLiteral("SoC"));

    const int linhas = qMax(1, int(lista.size()));
    const int altura = (base - topo) / linhas;
    const int inicioChips = processador.right() + u * 14;
    QFont legenda(QStringLiteral("DejaVu Sans"));
    legenda.setPixelSize(u * 17 / 10);
    legenda.setBold(true);
    const int larguraChip = (area.right() - inicioChips) / 6 - u;
    QFont endereco(QStringLiteral("DejaVu Sans Mono"));
    endereco.setPixelSize(u * 3 / 2);
    endereco.setBold(true);
    QFont nome(QStringLiteral("DejaVu Sans"));
    nome.setPixelSize(u);
    for (int i = 0; i < lista.size(); ++i) {
        const Barramento& b = lista.at(i);
        const int y = topo + altura * i + altura / 2;
        // SDA and SCL: two lines from the processor to the last chip.
        const int fim = lista.at(i).codigos.isEmpty()
                            ? inicioChips + larguraChip
                            : inicioChips + int(b.codigos.size()) * (larguraChip + u) - u / 2 - larguraChip / 2;
        p.setPen(QPen(CorBarramento, u / 5));
        p.drawLine(processador.right(), y - u / 2, fim, y - u / 2);
        p.drawLine(processador.right(), y + u / 2, fim, y + u / 2);
        p.setFont(legenda);
        p.drawText(QRect(processador.right() + u, y - u * 4, u * 13, u * 3), Qt::AlignLeft | Qt::AlignVCenter,
                   b.legenda);
        p.setFont(nome);
        p.drawText(QRect(processador.right() + u, y + u, u * 11, u * 2), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("SDA / SCL"));
        if (b.codigos.isEmpty()) {
            p.setPen(CorTexto);
            p.drawText(QRect(inicioChips + larguraChip + u, y - u * 2, area.right() - inicioChips, u * 4),
                       Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("sem dispositivos listados  /  no devices listed  /  sin dispositivos listados"));
            continue;
        }
        const int alturaChip = qMin(altura - u * 2, u * 8);
        for (int k = 0; k < b.codigos.size(); ++k) {
            const QString texto = ModuloI2C::NomeDispositivoI2C(b.codigos.at(k));
            const QRect chip(inicioChips + k * (larguraChip + u), y - alturaChip / 2, larguraChip, alturaChip);
            // The chip hangs on the two lines by a short stub.
            p.setPen(QPen(CorBarramento, u / 5));
            p.setBrush(CorChip);
            p.drawRoundedRect(chip, u / 2, u / 2);
            p.setPen(CorTexto);
            p.setFont(endereco);
            const QString enderecoTexto = QStringLiteral("0") + ModuloI2C::ChaveEndereco(texto).trimmed();
            p.drawText(chip.adjusted(u / 2, u / 3, -u / 2, -alturaChip / 2), Qt::AlignHCenter | Qt::AlignVCenter,
                       enderecoTexto);
            p.setFont(nome);
            p.drawText(chip.adjusted(u / 2, alturaChip / 2 - u / 2, -u / 2, -u / 3),
                       Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, ModuloI2C::Descricao(texto).trimmed());
        }
    }
    p.setFont(nome);
    p.setPen(CorTexto);
    p.drawText(QRect(area.left(), base + u, area.width(), u * 3), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Endereços de 7 bits  /  7-bit addresses  /  Direcciones de 7 bits"));
}

bool escreve(const QString& caminho, const QStringList& familias, const QString& banco) {
    // Written beside the target and renamed into place: a failed build never leaves half a document.
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&arquivo);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("Voltrace Tarsel - I2C"));
        pdf.setCreator(QStringLiteral("Voltrace Tarsel"));
        QPainter p(&pdf);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect area(0, 0, pdf.width(), pdf.height());
        for (int i = 0; i < familias.size(); ++i) {
            if (i > 0)
                pdf.newPage();
            desenhaPagina(p, area, familias.at(i), barramentos(familias.at(i), banco));
        }
    }
    return arquivo.commit();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: tarsel-diagrama-i2c <Config.tsl> <program folder>" << Qt::endl;
        return 2;
    }
    const QDir pasta(args.at(2));
    for (const QString& documento : ModuloI2C::Documentos()) {
        try {
            if (!escreve(pasta.filePath(documento), ModuloI2C::FamiliasDoDocumento(documento), args.at(1))) {
                QTextStream(stderr) << "tarsel-diagrama-i2c: cannot write " << pasta.filePath(documento) << Qt::endl;
                return 1;
            }
        } catch (const ErroVB& e) {
            QTextStream(stderr) << "tarsel-diagrama-i2c: " << e.descricao() << Qt::endl;
            return 1;
        }
    }
    return 0;
}
