#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tarsel {

// How a chip line's value is judged.
enum class RegraChip {
    Nenhuma,        // shown only, colour untouched
    DesvioMinimo,   // accepted when the whole deviation from `referencia` is at least `limite`, else low
    DesvioAcima,    // accepted when the whole deviation is above `limite`, else low
    SempreAceita,   // always accepted once measured
    BrancoSeBaixa,  // white while the low marker `marcador` is showing, else accepted
    DesvioDentro,   // accepted when the whole deviation lies strictly within ±`limite`, else out
    AbaixoDoLimite, // accepted (colour untouched) while under the limit `referencia`, else out
};

// What a line whose value is missing shows.
enum class AusenteChip {
    SemMedicao, // the translation of "Sem Medição"
    Traco,      // "-" and the unit
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
    int marcador = 0; // the low marker (or failed row) this line shows, or reads for BrancoSeBaixa; 0 for none
    QStringList copias;
    // The field that shows the deviation in percent ("… %"), coloured as the verdict; none when empty.
    QString campoPorcento = {};
    // The deviation is cut to its whole part before it is compared (AbaixoDoLimite may compare it whole).
    bool desvioCortado = true;
    AusenteChip ausente = AusenteChip::SemMedicao;
    // A missing value counts as out: the field turns yellow and the marker shows.
    bool falhaAusente = false;
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
    QSet<int> baixas;                // low markers to show (failed rows, where a screen has rows)
};

// Reads every line of `linhas` from the answer, in order (a later line may look at an earlier line's
// low marker). A missing or timed-out line shows "Sem Medição" and leaves its copies alone.
LeituraChip LeChip(const QString& resposta, const QVector<LinhaChip>& linhas, bool timeoutSemMedicao = true);

} // namespace tarsel
