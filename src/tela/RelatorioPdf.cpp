#include "tela/RelatorioPdf.h"

#include "base/Dialogos.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "tela/AbreLink.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace tarsel {

namespace {

QColor FundoSituacao(LinhaDocumento::Situacao s) {
    switch (s) {
    case LinhaDocumento::Situacao::Aprovado:
        return QColor(0xd8, 0xf0, 0xd8);
    case LinhaDocumento::Situacao::Reprovado:
        return QColor(0xf8, 0xd0, 0xd0);
    case LinhaDocumento::Situacao::SemDesvio:
        return QColor(0xee, 0xee, 0xee);
    }
    return Qt::white;
}

QColor TextoSituacao(LinhaDocumento::Situacao s) {
    switch (s) {
    case LinhaDocumento::Situacao::Aprovado:
        return QColor(0x1b, 0x6e, 0x1b);
    case LinhaDocumento::Situacao::Reprovado:
        return QColor(0xb0, 0x10, 0x10);
    case LinhaDocumento::Situacao::SemDesvio:
        return QColor(0x50, 0x50, 0x50);
    }
    return Qt::black;
}

} // namespace

bool EscreveRelatorioPdf(const DocumentoRelatorio& d, const QString& caminho) {
    if (!QDir().mkpath(QFileInfo(caminho).absolutePath()))
        return false;
    const QString titulo = d.rotulo(QStringLiteral("Relatório")) + QLatin1Char(' ') + d.nomeEspecie();
    QPdfWriter w(caminho);
    w.setPageSize(QPageSize(QPageSize::A4));
    w.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    // One device unit per point: the sizes below read as on paper, and the fonts (sized in points) agree with
    // them. The page is vector text, so the unit costs no sharpness.
    w.setResolution(72);
    w.setTitle(titulo);
    w.setCreator(TituloPadrao);
    QPainter p;
    if (!p.begin(&w))
        return false;
    const QRectF area = w.pageLayout().paintRect(QPageLayout::Point);
    const qreal L = area.width();

    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setPointSizeF(9);
    QFont negrito = fonte;
    negrito.setBold(true);
    QFont grande = negrito;
    grande.setPointSizeF(17);

    qreal y = 0;
    p.setFont(grande);
    const qreal hTitulo = QFontMetricsF(grande, &w).height();
    p.drawText(QRectF(0, y, L, hTitulo), Qt::AlignLeft | Qt::AlignVCenter, titulo);
    p.setFont(fonte);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawText(QRectF(0, y, L, hTitulo), Qt::AlignRight | Qt::AlignVCenter, TituloPadrao);
    p.setPen(Qt::black);
    y += hTitulo + 6;
    p.drawLine(QPointF(0, y), QPointF(L, y));
    y += 8;

    // The heading: what the web page shows above its table, two pairs to a line.
    const qreal hLinha = QFontMetricsF(fonte, &w).height() + 5;
    const QList<QPair<QString, QString>> cabecalho{{d.rotulo(QStringLiteral("Modelo")), d.familia},
                                                   {d.rotulo(QStringLiteral("Número do modelo")), d.numeroModelo},
                                                   {d.rotulo(QStringLiteral("Data")), d.data},
                                                   {d.rotulo(QStringLiteral("Técnico")), d.nome}};
    for (int i = 0; i < cabecalho.size(); ++i) {
        const qreal x = (i % 2) * L / 2;
        const QString rotulo = cabecalho[i].first + QStringLiteral(": ");
        p.setFont(negrito);
        const qreal lr = QFontMetricsF(negrito, &w).horizontalAdvance(rotulo);
        p.drawText(QRectF(x, y, lr + 1, hLinha), Qt::AlignLeft | Qt::AlignVCenter, rotulo);
        p.setFont(fonte);
        const QString valor = QFontMetricsF(fonte, &w).elidedText(cabecalho[i].second, Qt::ElideRight, L / 2 - lr - 8);
        p.drawText(QRectF(x + lr, y, L / 2 - lr, hLinha), Qt::AlignLeft | Qt::AlignVCenter, valor);
        if (i % 2 == 1)
            y += hLinha;
    }
    y += 10;

    // The table.
    const QString cabecas[] = {d.rotulo(QStringLiteral("Malha")), d.rotulo(QStringLiteral("Leitura")),
                               d.rotulo(QStringLiteral("Referência")), d.rotulo(QStringLiteral("Desvio")),
                               d.rotulo(QStringLiteral("Resultado"))};
    const QFontMetricsF mf(fonte, &w);
    const QFontMetricsF mn(negrito, &w);
    // Each figure's column takes its share of the page, or more where its heading needs it ("Desviación"
    // does not fit an eighth of the page); the net name takes what is left (0.36 of it at most).
    const qreal fracoes[] = {0.24, 0.12, 0.12, 0.16};
    qreal larguras[5];
    larguras[0] = L;
    for (int c = 1; c < 5; ++c) {
        larguras[c] = qMax(fracoes[c - 1] * L, mn.horizontalAdvance(cabecas[c]) + 12);
        larguras[0] -= larguras[c];
    }
    const qreal hCelula = mf.height() + 7;
    const auto cabecaTabela = [&] {
        p.fillRect(QRectF(0, y, L, hCelula), QColor(0x3a, 0x4a, 0x5c));
        p.setPen(Qt::white);
        p.setFont(negrito);
        qreal x = 0;
        for (int c = 0; c < 5; ++c) {
            p.drawText(QRectF(x + 4, y, larguras[c] - 8, hCelula), Qt::AlignLeft | Qt::AlignVCenter, cabecas[c]);
            x += larguras[c];
        }
        p.setPen(Qt::black);
        p.setFont(fonte);
        y += hCelula;
    };
    cabecaTabela();
    for (const LinhaDocumento& l : d.linhas) {
        const QString celulas[] = {l.malha, l.leitura, l.referencia, l.desvio, d.textoSituacao(l.situacao)};
        // A text too long for its column wraps and the row grows: a report never hides a figure.
        qreal h = hCelula;
        for (int c = 0; c < 5; ++c) {
            const QFontMetricsF& m = c == 4 ? mn : mf;
            h = qMax(h, m.boundingRect(QRectF(0, 0, larguras[c] - 8, 1e6), Qt::TextWordWrap | Qt::TextWrapAnywhere,
                                       celulas[c])
                                .height() +
                            7);
        }
        if (y + h > area.height()) {
            if (!w.newPage())
                return false;
            y = 0;
            cabecaTabela();
        }
        p.fillRect(QRectF(0, y, L, h), FundoSituacao(l.situacao));
        qreal x = 0;
        for (int c = 0; c < 5; ++c) {
            const qreal lc = larguras[c] - 8;
            if (c == 4) {
                p.setPen(TextoSituacao(l.situacao));
                p.setFont(negrito);
            }
            p.drawText(QRectF(x + 4, y, lc, h),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextWrapAnywhere, celulas[c]);
            x += larguras[c];
        }
        p.setPen(QColor(0xc0, 0xc0, 0xc0));
        p.drawLine(QPointF(0, y + h), QPointF(L, y + h));
        p.setPen(Qt::black);
        p.setFont(fonte);
        y += h;
    }
    return p.end();
}

QString EntregaRelatorio(const RelatorioPronto& relatorio, bool comoPdf) {
    if (!comoPdf && ServidorRelatorioResponde()) {
        AbreLink(relatorio.endereco);
        return {};
    }
    // Two reports within the same second (the web one falling back, then "save") must not overwrite each other.
    const QString padrao =
        QDir(globais().PastaPrograma).filePath(relatorio.documento.arquivoPadrao(QDateTime::currentDateTime()));
    QString caminho = padrao;
    for (int n = 2; QFileInfo::exists(caminho); ++n)
        caminho = padrao.chopped(4) + QStringLiteral("-%1.pdf").arg(n);
    if (!EscreveRelatorioPdf(relatorio.documento, caminho)) {
        QFile::remove(caminho);
        if (const auto m = MontaMensagem(QStringLiteral("MSG_RELATORIO_PDF_NAO_GRAVADO"), globais().IdiomaAtual, {}))
            dialogos().mensagem(m->icone, m->titulo, m->texto + QDir::toNativeSeparators(caminho));
        return {};
    }
    AbreLink(caminho);
    return caminho;
}

} // namespace tarsel
