#pragma once

#include "report/DocumentoRelatorio.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVector>
#include <functional>

namespace tarsel {

// One entry k of a chip report: "M<k>" rail name, "L<k>" reading (with its current in brackets where
// the chip measures one), "R<k>" reference text, "P<k>" deviation, "I<k>" verdict.
struct EntradaRelatorioChip {
    QString malha;
    QString campo;           // the field whose caption is the reading
    QString campoCorrente;   // the current written after the reading as "   (…)"; none when empty
    QString referencia;      // as the report writes it ("6.0 V"), "-" for an entry without one
    QString campoPorcento;   // the field whose caption is the deviation; "-" is written when empty
    int icone = -1;          // the pass icon whose visibility is the verdict; -1 for a fixed verdict
    QString statusFixo = {}; // the verdict of an entry without a pass icon ("1" or "3")
};

// The report pages of the chip screens: the entries in the page's order, then DATA, IDIOMA, MODELO and
// EMP. Captions are taken as the screen shows them (`legenda`); a verdict is "1" when the entry's pass
// icon shows (`iconeOk`), else "0". The user's name goes as typed: a word such as "True" in it stays.
class RelatorioChip {
public:
    static const QString PaginaChestnut;
    static const QString PaginaAcorn;

    static QList<QPair<QString, QString>> pares(const QVector<EntradaRelatorioChip>& entradas,
                                                const std::function<QString(const QString&)>& legenda,
                                                const std::function<bool(int)>& iconeOk, const QString& data,
                                                quint8 idioma, const QString& modelo, const QString& nome);
    // The full address on the report server (values encoded as every report does).
    static QString endereco(const QString& pagina, const QList<QPair<QString, QString>>& pares);
    // The address and the same report as a document (`numeroModelo` names the file).
    static RelatorioPronto prepara(const QString& pagina, const QList<QPair<QString, QString>>& pares,
                                   const QString& numeroModelo);
    // Today's short date of the system, as the reports write it.
    static QString dataDeHoje();
};

} // namespace tarsel
