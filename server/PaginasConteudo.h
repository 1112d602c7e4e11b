#pragma once

#include "RespostaHttp.h"

#include <QString>
#include <QStringList>

namespace tarsel {

// The web pages the program opens in the browser (product, help video, contact, remote support, panic
// guide, NAND restore errors, update and maintenance), each in Portuguese, English and Spanish.
class PaginasConteudo {
public:
    // Paths relative to the server root without the leading "/" ("produto", "contato/1", ...).
    static QStringList caminhos();
    // The page at `caminho`; 404 for an unknown one. `base` is the server's address (links between pages).
    static RespostaHttp responde(const QString& caminho, const QString& base);
};

} // namespace tarsel
