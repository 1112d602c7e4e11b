#include "devicetests/ValoresRF.h"

#include "store/Banco.h"

#include <QSqlQuery>

namespace tarsel::ValoresRF {

QString Tipo(const QString& modelo, int seletor) {
    static const QStringList umTipo = {QStringLiteral("IP 6"), QStringLiteral("IP 6 Plus"), QStringLiteral("IP 6s"),
                                       QStringLiteral("IP 6s Plus")};
    if (umTipo.contains(modelo))
        return QStringLiteral("T");
    return seletor == SeletorQual ? QStringLiteral("Q") : QStringLiteral("I");
}

QList<LinhaRf> Consulta(Banco& banco, const QString& modelo, int seletor) {
    QList<LinhaRf> linhas;
    if (modelo.isEmpty())
        return linhas;
    QSqlQuery q = banco.executa(QStringLiteral("Select Modelo, Malha, Componente, Valor, Tipo from Rf Where Modelo = ? "
                                               "and Tipo = ? order by Modelo, Malha"),
                                {modelo, Tipo(modelo, seletor)});
    while (q.next())
        linhas.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                       q.value(4).toString()});
    return linhas;
}

} // namespace tarsel::ValoresRF
