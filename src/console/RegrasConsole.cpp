#include "console/RegrasConsole.h"

namespace tarsel::RegrasConsole {

bool ComEspelho(const QString& comando) {
    const QString c = comando.toUpper();
    return c == QLatin1String("TESTMEMORY --1MB") || c == QLatin1String("HELP");
}

bool TesteBotoes(const QString& comando) {
    return comando.toUpper() == QLatin1String("BUTTONCNT --DQE");
}

bool ComandoHelp(const QString& comando) {
    return comando.left(4).toUpper() == QLatin1String("HELP");
}

QString TextoAposResposta(bool limpar, const QString& R, const QString& anterior) {
    if (limpar)
        return R;
    return R + QStringLiteral("\r\n") + anterior;
}

QString AlternaHelp(const QString& texto) {
    if (texto.contains(QLatin1String("help"), Qt::CaseSensitive)) {
        QString t = texto;
        t.remove(QLatin1String("help"), Qt::CaseSensitive);
        t.remove(QLatin1Char(' '));
        return t + QLatin1Char(' ');
    }
    const qsizetype branco = texto.indexOf(QLatin1Char(' '));
    if (branco >= 0)
        return QStringLiteral("help ") + texto.left(branco + 1);
    return QStringLiteral("help ") + texto;
}

QString SelecaoHelp(const QString& selecao) {
    QString t = selecao;
    if (t.contains(QLatin1Char('"'))) {
        // From the third character on: a quote that opens the selection is not the one that ends it.
        const qsizetype fim = t.indexOf(QLatin1Char('"'), 2);
        // No closing quote: the selection is taken as it is rather than thrown away.
        if (fim >= 0)
            t.truncate(fim + 1);
    }
    t.remove(QLatin1Char('"'));
    return t;
}

QString DocumentoHelp(int idioma) {
    switch (idioma) {
    case 2:
        return QStringLiteral("xEDK_USA.pdf");
    case 3:
        return QStringLiteral("xEDK_ES.pdf");
    default:
        return QStringLiteral("xEDK_BR.pdf");
    }
}

bool NomeComandoAceito(const QString& nome) {
    return !nome.isEmpty() && !nome.contains(QLatin1Char('\''));
}

GeometriaHistorico Historico(int alturaConsole, bool comAjuda) {
    GeometriaHistorico g{};
    g.topo = 1230;
    g.altura = alturaConsole - 135;
    g.alturaLista = g.altura - 900;
    g.larguraLista = comAjuda ? 4455 : 10095;
    return g;
}

} // namespace tarsel::RegrasConsole
