#include "chips/RegrasTristar.h"

namespace tarsel::RegrasTristar {

namespace {
const QString CorForaTristar = QStringLiteral("&H0080FFFF");

bool comeca(const QString& modelo, const char* inicio) {
    return modelo.left(4) == QLatin1String(inicio);
}

// The later boards draw more current through the chip's supply.
QString limiteCorrente(const QString& modelo) {
    return comeca(modelo, "IP 8") || comeca(modelo, "IP X") ? QStringLiteral("3.350") : QStringLiteral("1.700");
}
} // namespace

QString Titulo(const QString& legendaBotaoChip) {
    const bool hydra = legendaBotaoChip.contains(QLatin1String("HYDRA"), Qt::CaseSensitive);
    return (hydra ? QStringLiteral("Hydra") : QStringLiteral("Tristar")) + QStringLiteral(" - Voltrace Tarsel");
}

QString Designador(const QString& modelo) {
    if (modelo == QLatin1String("IP 6") || modelo == QLatin1String("IP 6 Plus"))
        return QStringLiteral("U1700");
    if (modelo == QLatin1String("IP 6s") || modelo == QLatin1String("IP 6s Plus"))
        return QStringLiteral("U4500");
    if (modelo == QLatin1String("IP 7") || modelo == QLatin1String("IP 7 Plus"))
        return QStringLiteral("U4001");
    if (modelo == QLatin1String("IP 8") || modelo == QLatin1String("IP 8 Plus") || modelo == QLatin1String("IP X"))
        return QStringLiteral("U6300");
    return {};
}

QStringList NomesMalhas(const QString& modelo) {
    if (comeca(modelo, "IP 6"))
        return {QStringLiteral("PP3V0_TRISTAR"), QStringLiteral("PP1V8_SDRAM"), QStringLiteral("PP3V3_ACC")};
    if (comeca(modelo, "IP 7"))
        return {QStringLiteral("PP3V0_TRISTAR_ANT_PROX"), QStringLiteral("PP1V8_SDRAM"), QStringLiteral("PP_ACC_VAR")};
    return {QStringLiteral("PP3V0_S2"), QStringLiteral("PP1V8_S2"), QStringLiteral("PP_ACC_VAR")};
}

QVector<LinhaChip> LinhasDoModelo(const QString& modelo) {
    const bool seis = comeca(modelo, "IP 6");
    const QString V = QStringLiteral(" V");
    const QString MA = QStringLiteral(" mA");
    const QString limite = limiteCorrente(modelo);
    const bool cortado = limite == QLatin1String("1.700");

    LinhaChip ldo{seis ? QStringLiteral("BIST ldo3:") : QStringLiteral("BIST ldo7:"),
                  QStringLiteral("Malha1_V"),
                  V,
                  FormatoChip::Valor,
                  RegraChip::DesvioDentro,
                  QStringLiteral("3.000"),
                  10,
                  1,
                  {}};
    ldo.campoPorcento = QStringLiteral("Porc1");
    ldo.falhaAusente = true;

    LinhaChip ildo{seis ? QStringLiteral("BIST ildo3:") : QStringLiteral("BIST ildo7:"),
                   QStringLiteral("Malha1_A"),
                   MA,
                   FormatoChip::Valor,
                   RegraChip::AbaixoDoLimite,
                   limite,
                   0,
                   1,
                   {}};
    ildo.desvioCortado = cortado;
    ildo.ausente = AusenteChip::Traco;
    ildo.falhaAusente = true;

    LinhaChip buck{QStringLiteral("BIST buck3:"),
                   QStringLiteral("Malha2_V"),
                   V,
                   FormatoChip::Valor,
                   RegraChip::DesvioDentro,
                   QStringLiteral("1.800"),
                   10,
                   2,
                   {}};
    buck.campoPorcento = QStringLiteral("Porc2");
    buck.falhaAusente = true;

    LinhaChip ibuck{QStringLiteral("ibuck3:"),
                    QStringLiteral("Malha2_A"),
                    MA,
                    FormatoChip::Valor,
                    RegraChip::Nenhuma,
                    {},
                    0,
                    0,
                    {}};
    ibuck.ausente = AusenteChip::Traco;
    LinhaChip acc{QStringLiteral("BIST ldo6:"),
                  QStringLiteral("Malha3_V"),
                  V,
                  FormatoChip::Valor,
                  RegraChip::Nenhuma,
                  {},
                  0,
                  0,
                  {}};
    acc.ausente = AusenteChip::Traco;
    LinhaChip iacc{QStringLiteral("BIST ildo6:"),
                   QStringLiteral("Malha3_A"),
                   MA,
                   FormatoChip::Valor,
                   RegraChip::Nenhuma,
                   {},
                   0,
                   0,
                   {}};
    iacc.ausente = AusenteChip::Traco;
    return {ldo, ildo, buck, ibuck, acc, iacc};
}

LeituraTristar Le(const QString& modelo, const QString& resposta) {
    LeituraTristar t;
    t.leitura = LeChip(resposta, LinhasDoModelo(modelo));
    for (int r = 1; r <= 2; ++r) {
        const QString porc = QStringLiteral("Porc%1").arg(r);
        if (t.leitura.baixas.contains(r)) {
            // A failed current fails its row: the percent turns with it.
            CampoChip& p = t.leitura.campos[porc];
            p.cor = CorForaTristar;
        } else {
            t.aprovadas.insert(r);
        }
    }
    return t;
}

} // namespace tarsel::RegrasTristar
