#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tarsel {

// How a chip line's value is judged.
enum class RegraChip {
    Nenhuma,       // shown only, colour untouched
    DesvioMinimo,  // accepted when the whole deviation from `referencia` is at least `limite`, else low
    DesvioAcima,   // accepted when the whole deviation is above `limite`, else low
    SempreAceita,  // always accepted once measured
    BrancoSeBaixa, // white while the low marker `marcador` is showing, else accepted
};

enum class FormatoChip {
    Valor,      // the value as read
    UmaDecimal, // one decimal, "." as separator
};

// One line of a chip screen: its key, the field it fills (and copies), and how it is judged.
struct LinhaChip {
    QString chave;
    QString campo;
    QString unidade; // appended to the value: " V", " mA", " º"
    FormatoChip formato = FormatoChip::Valor;
    RegraChip regra = RegraChip::Nenhuma;
    QString referencia;
    int limite = 0;
    int marcador = 0; // the low marker this line shows (or reads, for BrancoSeBaixa); 0 for none
    QStringList copias;
};

// What one field shows: its text and, when judged, its colour ("&H…" text; empty leaves it as it is).
struct CampoChip {
    QString texto;
    QString cor;
    bool semMedicao = false;
    bool operator==(const CampoChip& o) const { return texto == o.texto && cor == o.cor && semMedicao == o.semMedicao; }
};

struct LeituraChip {
    QMap<QString, CampoChip> campos; // by field name; fields of lines not read are absent
    QSet<int> baixas;                // low markers to show
};

// Reads every line of `linhas` from the answer, in order (a later line may look at an earlier line's
// low marker). A missing or timed-out line shows "Sem Medição" and leaves its copies alone.
LeituraChip LeChip(const QString& resposta, const QVector<LinhaChip>& linhas, bool timeoutSemMedicao = true);

} // namespace tarsel
