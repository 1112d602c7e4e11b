#include "console/CoresConsole.h"

#include "store/Banco.h"

namespace tarsel {

std::optional<NumeroCor> NumeroCorDoTexto(const QString& texto) {
    QString t = texto.trimmed();
    bool ok = false;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        t = t.mid(2);
        if (t.endsWith(QLatin1Char('&')))
            t.chop(1);
        const quint32 valor = t.toUInt(&ok, 16);
        if (ok)
            return NumeroCor(valor);
        return std::nullopt;
    }
    const NumeroCor valor = t.toInt(&ok, 10);
    if (ok)
        return valor;
    return std::nullopt;
}

CoresConsole LeCoresConsole(Banco& banco) {
    CoresConsole cores;
    QSqlQuery q = banco.executa(QStringLiteral("select o1, o2, o3, o4 from Tools order by rowid limit 1"));
    if (q.next()) {
        for (int i = 0; i < 4; ++i)
            cores[size_t(i)] = NumeroCorDoTexto(q.value(i).toString());
    }
    return cores;
}

void GravaCoresConsole(Banco& banco, const std::array<NumeroCor, 4>& cores) {
    banco.executa(
        QStringLiteral("update Tools set o1 = ?, o2 = ?, o3 = ?, o4 = ? "
                       "where rowid = (select rowid from Tools order by rowid limit 1)"),
        {QString::number(cores[0]), QString::number(cores[1]), QString::number(cores[2]), QString::number(cores[3])});
}

std::array<NumeroCor, 4> CoresPadraoConsole() {
    return {NumeroCor(0x00FFFFFF), NumeroCor(0x80000008u), NumeroCor(0x00404040), NumeroCor(0x00FFFFFF)};
}

const std::array<NumeroCor, 48>& PaletaCoresConsole() {
    // clang-format off
    static const std::array<NumeroCor, 48> paleta = {
        0x000000, 0x404040, 0x808080, 0xC0C0C0, 0xE0E0E0, 0xFFFFFF,
        0x000040, 0x000080, 0x0000C0, 0x0000FF, 0x8080FF, 0xC0C0FF,
        0x404080, 0x004080, 0x0040C0, 0x0080FF, 0x80C0FF, 0xC0E0FF,
        0x004040, 0x008080, 0x00C0C0, 0x00FFFF, 0x80FFFF, 0xC0FFFF,
        0x004000, 0x008000, 0x00C000, 0x00FF00, 0x80FF80, 0xC0FFC0,
        0x404000, 0x808000, 0xC0C000, 0xFFFF00, 0xFFFF80, 0xFFFFC0,
        0x400000, 0x800000, 0xC00000, 0xFF0000, 0xFF8080, 0xFFC0C0,
        0x400040, 0x800080, 0xC000C0, 0xFF00FF, 0xFF80FF, 0xFFC0FF,
    };
    // clang-format on
    return paleta;
}

} // namespace tarsel
