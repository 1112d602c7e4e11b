// TEMPORARY: replaced by the real functions.
#include "app/Valores.h"
namespace tarsel {
QString MilivoltParaVolt(const QString& t) { return t; }
QString UmaDecimal(QString& t) { return t; }
QString CortaDecimais(QString& t, int) { return t; }
QString DesvioPercentual(const QString& a, const QString&) { return a; }
QString SemEspacos(const QString& t) { return t; }
}
