#pragma once

#include <QByteArray>
#include <QString>

namespace tarsel {

// The little HTML the pages share: escaping and the page frame.
class Html {
public:
    // Text made safe for an element or a quoted attribute: & < > " ' become entities, control
    // characters other than tab and line breaks are dropped.
    static QString escapa(const QString& texto);

    // A whole page: `lingua` ("pt-BR", "en", "es") for the html element, the title (escaped here),
    // extra CSS and the body (already HTML).
    static QByteArray pagina(const QString& lingua, const QString& titulo, const QString& corpo,
                             const QString& estilo = {});
};

} // namespace tarsel
