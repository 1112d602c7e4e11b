#include "Html.h"

namespace tarsel {

QString Html::escapa(const QString& texto) {
    QString r;
    r.reserve(texto.size() + texto.size() / 8);
    for (const QChar c : texto) {
        switch (c.unicode()) {
        case '&':
            r += QLatin1String("&amp;");
            break;
        case '<':
            r += QLatin1String("&lt;");
            break;
        case '>':
            r += QLatin1String("&gt;");
            break;
        case '"':
            r += QLatin1String("&quot;");
            break;
        case '\'':
            r += QLatin1String("&#39;");
            break;
        default:
            if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
                break;
            r += c;
        }
    }
    return r;
}

QByteArray Html::pagina(const QString& lingua, const QString& titulo, const QString& corpo, const QString& estilo) {
    const QString base = QStringLiteral(
        "body{font-family:'DejaVu Sans',Arial,sans-serif;color:#222;margin:24px auto;max-width:900px;padding:0 16px}"
        "h1{font-size:22px;color:#0b4a7a;margin-bottom:4px}h2{font-size:17px;color:#0b4a7a}"
        "section{border-top:1px solid #ccd;margin-top:18px}a{color:#0b4a7a}");
    const QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                                        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                                        "<title>%2</title>\n<style>%3%4</style>\n</head>\n<body>\n%5</body>\n</html>\n")
                             .arg(lingua, escapa(titulo), base, estilo, corpo);
    return html.toUtf8();
}

} // namespace tarsel
