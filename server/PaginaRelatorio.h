#pragma once

#include "RespostaHttp.h"

#include <QString>
#include <QUrlQuery>

namespace tarsel {

// The printable report pages: "index.php" (rail report: P/L/R/O/I rows, TIPO), "acorn.php" and
// "chest.php" (chip reports: M/L/R/P/I rows), each with DATA, IDIOMA, MODELO and EMP. The page is in
// the language of IDIOMA (1 Portuguese, 2 English, 3 Spanish; anything else Portuguese), every value
// from the query is escaped, and a button prints it (or saves it as PDF through the print dialog).
class PaginaRelatorio {
public:
    // Most rows one report shows; the program sends at most 255.
    static constexpr int MaximoLinhas = 999;

    // `pagina` is the file name after "relatorio/". A query without rows gives a page saying so
    // (status 400); an unknown page 404.
    static RespostaHttp responde(const QString& pagina, const QUrlQuery& consulta);
};

} // namespace tarsel
