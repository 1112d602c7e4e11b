#pragma once

#include "report/DocumentoRelatorio.h"

#include <QList>
#include <QPair>
#include <QString>

namespace tarsel {

// One row of a rail report, as stored in Master.
struct LinhaRelatorio {
    QString Malha;
    QString Leitura;
    QString Ref;
    QString Porc;
    QString RefV;
};

// The rail report of the Buck and LDO screen (rail type 1 or 2) and the VCore screen (rail type 0):
// page "relatorio/index.php?" with, per row i = 1, 2, ... in the grid's order, "P<i>" (net name, VCore
// only), "L<i>" (reading), "R<i>" (reference text), "O<i>" (deviation), "I<i>" (status), then TIPO,
// DATA, IDIOMA, MODELO and EMP (the name the user typed).
class RelatorioRail {
public:
    static const QString Pagina;

    // "0" fail, "1" pass, "3" no deviation available. Not measured fails; "*", currents and rows
    // without a reference value pass; otherwise the deviation's whole part judged against 10 %.
    static QString status(const LinhaRelatorio& linha);

    // The key/value pairs in order, values as stored (VCore: numbering such as "3. " removed).
    static QList<QPair<QString, QString>> pares(int tipo, const QList<LinhaRelatorio>& linhas, const QString& data,
                                                quint8 idioma, const QString& modelo, const QString& nome);

    // VCore: removes the numbering prefixes "10. " to "17. ", then "1. " to "9. ", wherever they are.
    static QString removeNumeracao(QString texto);

    // Master's rows by row id, in the given order; ids without a row are left out.
    static QList<LinhaRelatorio> carregaLinhas(const QList<qint64>& ids);
};

// The full address of the rail report for the rows the grid shows (row ids in the grid's order).
// `nome` is what the user typed in the name box (the screen asks for it and stores it with GravaNome;
// a cancelled box means no report). The date is today's short date of the system, the language
// globais().IdiomaAtual. The screen opens the address with AbreLink.
QString GeraRelatorio(int tipo, const QList<qint64>& linhas, const QString& modelo, const QString& nome);
// The address and the same report as a document, for a screen that may write it itself (`numeroModelo`
// names the file).
RelatorioPronto PreparaRelatorio(int tipo, const QList<qint64>& linhas, const QString& modelo, const QString& nome,
                                 const QString& numeroModelo, const QString& data);
// The same dated today, as GeraRelatorio dates it.
RelatorioPronto PreparaRelatorio(int tipo, const QList<qint64>& linhas, const QString& modelo, const QString& nome,
                                 const QString& numeroModelo);
// The same with a given date text.
QString GeraRelatorio(int tipo, const QList<qint64>& linhas, const QString& modelo, const QString& nome,
                      const QString& data);

} // namespace tarsel
