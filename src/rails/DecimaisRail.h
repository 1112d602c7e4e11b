#pragma once

#include "rails/TelaRail.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tarsel {

// How many decimals a rail screen keeps: voltage 1..3, current 0..3.
struct DecimaisRail {
    int volt = 3;
    int amp = 1;
};

// Before anything is restored: 3 and 3 on the PMU screen, 3 and 1 on the other two.
DecimaisRail DecimaisIniciais(TelaRail tela);

// The items of ComboDecimais and ComboDecimaisAmp.
const QStringList& ItensDecimaisVolt();
const QStringList& ItensDecimaisAmp();

// The screen's pair of Combos columns (voltage, current): PMU 5/6, Buck and LDO 3/4, VCore 1/2.
int ColunaDecimaisVolt(TelaRail tela);
int ColunaDecimaisAmp(TelaRail tela);

// Restores the screen's decimals from Combos. A stored value that is not one of its list's items, or
// that cannot be read, leaves that number as it is in `atuais`.
DecimaisRail CarregaDecimais(TelaRail tela, DecimaisRail atuais);

// A value picked in a decimal list: when it is one of the list's items it is stored in the screen's
// column and returned as the screen's new number; any other text is ignored (nothing). A failed store
// is ignored, as the small settings writes are.
std::optional<int> GravaDecimaisVolt(TelaRail tela, const QString& texto);
std::optional<int> GravaDecimaisAmp(TelaRail tela, const QString& texto);

} // namespace tarsel
