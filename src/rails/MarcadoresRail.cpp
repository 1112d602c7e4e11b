#include "rails/MarcadoresRail.h"

#include "app/Traducao.h"

namespace tarsel {

QString MarcadorSemMedicao() {
    return Traduz(QStringLiteral("Sem Medição")) + QStringLiteral("*");
}

bool ModeloOitoOuX(const QString& modelo) {
    const QString inicio = modelo.left(4);
    return inicio == QLatin1String("IP 8") || inicio == QLatin1String("IP X");
}

QString NotaRail(TelaRail tela, const QString& modelo) {
    QString nota = Traduz(ModeloOitoOuX(modelo) ? QStringLiteral("VAR4") : QStringLiteral("VAR3"));
    if (tela == TelaRail::PMU)
        nota += QStringLiteral(" ** ") + Traduz(QStringLiteral("Sem Medição")).toUpper();
    return nota;
}

} // namespace tarsel
