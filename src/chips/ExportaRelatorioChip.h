#pragma once

#include "chips/RelatorioChip.h"

#include <QMap>
#include <QString>
#include <QVector>

class QLabel;

namespace tarsel {

// The report buttons of a chip screen: takes the captions of `campos` and the visibility of the pass icons
// `ok` as the screen shows them, asks the user's name (stored for the next report; cancel: no report) and
// opens the page `pagina` on the report server, or writes and opens the same report as a PDF when the
// server cannot be reached or `comoPdf` asks for it (`numeroModelo` names the file).
void ExportaRelatorioChip(const QString& pagina, const QVector<EntradaRelatorioChip>& entradas,
                          const QMap<QString, QLabel*>& campos, const QMap<int, QLabel*>& ok, const QString& modelo,
                          const QString& numeroModelo, bool comoPdf);

} // namespace tarsel
