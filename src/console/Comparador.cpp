#include "console/Comparador.h"

#include "store/Banco.h"

namespace tarsel {

QStringList LeMascaras(Banco& banco) {
    QStringList mascaras;
    QSqlQuery q = banco.executa(QStringLiteral("Select String from M order by String desc"));
    while (q.next())
        mascaras << q.value(0).toString();
    return mascaras;
}

QString TiraMarcadores(QString mascara) {
    for (const auto* marcador : {"'jox'", "'nas'", "'ins'"})
        mascara.remove(QLatin1String(marcador), Qt::CaseSensitive);
    return mascara;
}

QString AplicaMascaras(QString texto, const QStringList& mascaras, bool tiraMarcadores) {
    for (const QString& armazenada : mascaras) {
        const QString mascara = tiraMarcadores ? TiraMarcadores(armazenada) : armazenada;
        if (mascara.isEmpty())
            continue;
        texto.replace(mascara, MarcaMascara, Qt::CaseInsensitive);
    }
    return texto;
}

bool AutoComparadorConfere(const QString& console, const QString& comparador, const QStringList& mascaras) {
    QString copia = AplicaMascaras(console, mascaras, true);
    if (copia.indexOf(QLatin1String("] :-) ")) > 0)
        copia.chop(26);
    copia.remove(0, 2);
    // An empty rest would be "found" at the very start: that is no match.
    return comparador.indexOf(copia, 0, Qt::CaseInsensitive) > 0;
}

void AdicionaMascara(Banco& banco, const QString& mascara) {
    banco.executa(QStringLiteral("insert into M (String) values (?)"), {mascara});
}

} // namespace tarsel
