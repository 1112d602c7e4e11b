#pragma once

#include "report/DocumentoRelatorio.h"

#include <QString>

namespace tarsel {

// Draws the report as an A4 PDF at `caminho` (folders made as needed): title, model, model number, date and
// name, then one coloured row per entry, continued on further pages with the column heads repeated.
// False when the file cannot be written.
bool EscreveRelatorioPdf(const DocumentoRelatorio& documento, const QString& caminho);

// A report button's last step. On the web (`comoPdf` false) while the report server answers: the page
// opens in the browser as always. Otherwise the program writes the PDF to the program folder
// (DocumentoRelatorio::arquivoPadrao) and opens it; a file that cannot be written gets an error box.
// Returns the file written, or empty.
QString EntregaRelatorio(const RelatorioPronto& relatorio, bool comoPdf);

} // namespace tarsel
