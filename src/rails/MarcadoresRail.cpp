#include "rails/MarcadoresRail.h"

#include "base/Familias.h"
#include "base/Traducao.h"

namespace tarsel {

QString MarcadorSemMedicao() {
    return Traduz(QStringLiteral("Sem Medição")) + QStringLiteral("*");
}

QString NotaRail(TelaRail tela, const QString& modelo) {
    QString nota = Traduz(FamiliaOitoOuX(modelo) ? QStringLiteral("VAR4") : QStringLiteral("VAR3"));
    if (tela == TelaRail::PMU)
        nota += QStringLiteral(" ** ") + Traduz(QStringLiteral("Sem Medição")).toUpper();
    return nota;
}

} // namespace tarsel
