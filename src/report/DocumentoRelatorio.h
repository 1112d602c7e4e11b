#pragma once

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tarsel {

// Which report a document is: the three rail reports (by the rail type the grid shows) and the two chip
// reports.
enum class EspecieRelatorio { VCore, Ldo, Buck, Chestnut, Acorn };

// One row of a report as the page shows it: the rail, the reading, the reference, the deviation and the
// verdict ("0" fail, "1" pass, "3" no deviation available: the digit the web page reads).
struct LinhaDocumento {
    enum class Situacao { Reprovado, Aprovado, SemDesvio };
    QString malha;
    QString leitura;
    QString referencia;
    QString desvio;
    Situacao situacao = Situacao::Aprovado;
};

// A report as plain data, for the copy the program writes itself when the report server cannot be reached
// (or the user asks for a file). It is read back from the very key/value pairs the web report sends, so the
// page and the file cannot disagree.
struct DocumentoRelatorio {
    EspecieRelatorio especie = EspecieRelatorio::Buck;
    QString familia;
    QString numeroModelo;
    QString data;
    QString nome;
    quint8 idioma = 1;
    QVector<LinhaDocumento> linhas;

    // The rail reports send the net name ("P<i>") only for VCore; `malhas` names the rows of the others, in
    // the grid's order. Chip reports name every entry ("M<k>").
    static DocumentoRelatorio dosPares(EspecieRelatorio especie, const QList<QPair<QString, QString>>& pares,
                                       const QStringList& malhas, const QString& numeroModelo);

    // "BUCK", "LDO", "VCORE", "Chestnut", "Acorn": the title's name of the report.
    QString nomeEspecie() const;
    // "relatorios/<kind>-<model number>-<yyyyMMdd-HHmmss>.pdf", relative to the program folder; only letters,
    // digits, '-' and '_' of the model number are kept, so no text from the phone can leave the folder.
    QString arquivoPadrao(const QDateTime& quando) const;
    // A label of the page in the report's language (the key itself if the table lacks it).
    QString rotulo(const QString& chave) const;
    QString textoSituacao(LinhaDocumento::Situacao s) const;
};

// What a report button needs: the web address and the same report as a document.
struct RelatorioPronto {
    QString endereco;
    DocumentoRelatorio documento;
};

// True when the report server answers its base address with any HTTP status within a few seconds. A
// refused connection or a name that does not resolve answers at once; only a network that swallows packets
// costs the short time limit.
bool ServidorRelatorioResponde();
inline constexpr int PrazoServidorRelatorioMs = 3000;

} // namespace tarsel
