#include "rails/ConsultaRail.h"

#include "store/Banco.h"

namespace tarsel {

namespace {
const QString Base = QStringLiteral("select rowid, * from Master where Modelo = ?");

QString ordem(OrdemRail o) {
    switch (o) {
    case OrdemRail::Orig:
        return QStringLiteral(" order by Orig");
    case OrdemRail::ModeloOrig:
        return QStringLiteral(" order by Modelo, Orig");
    case OrdemRail::CiOrig:
        return QStringLiteral(" order by Ci, Orig");
    case OrdemRail::Malha:
        return QStringLiteral(" order by Malha");
    case OrdemRail::ModeloMalha:
        return QStringLiteral(" order by Modelo, Malha");
    case OrdemRail::CiMalha:
        return QStringLiteral(" order by Ci, Malha");
    case OrdemRail::PorcDesc:
        break;
    }
    return QStringLiteral(" order by Porc desc");
}
} // namespace

bool ConsultaRail::filtraCi(const QString& filtroCi) {
    return !filtroCi.isEmpty() && filtroCi != QLatin1String("IC's") && filtroCi != QLatin1String("CPU/NAND");
}

ConsultaRail ConsultaRail::leitura(const QString& modelo, int tipo) {
    return {Base + QStringLiteral(" and RefT <> '' and TIPO = ?") + ordem(OrdemRail::ModeloOrig), {modelo, tipo}};
}

ConsultaRail ConsultaRail::grade(const QString& modelo, int tipo, OrdemRail o, const QString& filtroCi) {
    if (!filtraCi(filtroCi))
        return {Base + QStringLiteral(" and TIPO = ?") + ordem(o), {modelo, tipo}};
    return {Base + QStringLiteral(" and TIPO = ? and Ci like ? escape '\\'") + ordem(o),
            {modelo, tipo, Banco::PadraoJet(QStringLiteral("*") + filtroCi + QStringLiteral("*"))}};
}

ConsultaRail ConsultaRail::tensoesPMU(const QString& modelo, int tipo) {
    return {Base + QStringLiteral(" and RefT <> '' and TIPO = ? and RefV <> ''") + ordem(OrdemRail::ModeloOrig),
            {modelo, tipo}};
}

ConsultaRail ConsultaRail::correntesPMU(const QString& modelo, int tipo) {
    return {Base + QStringLiteral(" and RefT <> '' and TIPO = ? and Porc = ''") + ordem(OrdemRail::ModeloOrig),
            {modelo, tipo}};
}

QSqlQuery ConsultaRail::executa(Banco& b) const {
    return b.executa(sql, valores);
}

QList<qint64> ConsultaRail::ids() const {
    Banco b;
    QSqlQuery q = executa(b);
    QList<qint64> r;
    while (q.next())
        r << q.value(ColunaId).toLongLong();
    return r;
}

} // namespace tarsel
