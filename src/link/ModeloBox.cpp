#include "link/ModeloBox.h"

namespace tarsel {

ModeloBox ModeloBoxGravado(const QString& gravado) {
    if (gravado == QLatin1String("1") || gravado == QLatin1String("2"))
        return {gravado, false};
    if (gravado == QLatin1String("G1"))
        return {QStringLiteral("1"), false};
    if (gravado == QLatin1String("G2"))
        return {QStringLiteral("2"), false};
    return {QStringLiteral("1"), true};
}

} // namespace tarsel
