#include "chips/RegrasTigris.h"

#include <QStringList>

namespace tarsel::RegrasTigris {

namespace {
// Input voltage accepted from 108 % of 4.045 V; battery low from 10 % under 4.000 V.
const QString ReferenciaVBus = QStringLiteral("4.045");
const QString ReferenciaVBat = QStringLiteral("4.000");
constexpr int DesvioMinimoVBus = 8;
constexpr int DesvioBateriaBaixa = -10;

const QString V = QStringLiteral(" V");
const QString MA = QStringLiteral(" mA");
} // namespace

bool TemSegundaEntrada(const QString& modelo) {
    static const QStringList modelos{QStringLiteral("IP 8"), QStringLiteral("IP 8 Plus"), QStringLiteral("IP X")};
    return modelos.contains(modelo);
}

QString Designador(const QString& modelo) {
    if (modelo == QLatin1String("IP 6") || modelo == QLatin1String("IP 6 Plus"))
        return QStringLiteral("U1401");
    if (modelo == QLatin1String("IP 6s") || modelo == QLatin1String("IP 6s Plus"))
        return QStringLiteral("U2300");
    if (modelo == QLatin1String("IP 7") || modelo == QLatin1String("IP 7 Plus"))
        return QStringLiteral("U2101");
    if (TemSegundaEntrada(modelo))
        return QStringLiteral("U3300");
    return {};
}

QVector<LinhaChip> Linhas(const QString& modelo) {
    QVector<LinhaChip> linhas{
        {QStringLiteral("tigris vbus :"),
         QStringLiteral("VBus_V"),
         V,
         FormatoChip::Valor,
         RegraChip::DesvioMinimo,
         ReferenciaVBus,
         DesvioMinimoVBus,
         BaixaVBus,
         {}},
        {QStringLiteral("tigris ibus :"),
         QStringLiteral("VBus_A"),
         MA,
         FormatoChip::Valor,
         RegraChip::Nenhuma,
         {},
         0,
         0,
         {QStringLiteral("VBus_A1"), QStringLiteral("VBus_A2")}},
        {QStringLiteral("tigris vbat :"),
         QStringLiteral("VBat_V"),
         V,
         FormatoChip::Valor,
         RegraChip::DesvioAcima,
         ReferenciaVBat,
         DesvioBateriaBaixa,
         BaixaBateria,
         {}},
        {QStringLiteral("tigris ibat :"),
         QStringLiteral("VBat_A"),
         MA,
         FormatoChip::Valor,
         RegraChip::Nenhuma,
         {},
         0,
         0,
         {}},
        // The supply follows the battery: with a low battery its reading says nothing.
        {QStringLiteral("tigris vdd :"),
         QStringLiteral("VDD_V"),
         V,
         FormatoChip::Valor,
         RegraChip::BrancoSeBaixa,
         {},
         0,
         BaixaBateria,
         {}},
        {QStringLiteral("tigris die_temp :"),
         QStringLiteral("Temp"),
         QStringLiteral(" º"),
         FormatoChip::UmaDecimal,
         RegraChip::Nenhuma,
         {},
         0,
         0,
         {}},
    };
    if (TemSegundaEntrada(modelo)) {
        linhas += QVector<LinhaChip>{
            {QStringLiteral("tigris vbus1 :"),
             QStringLiteral("VBus_V1"),
             V,
             FormatoChip::Valor,
             RegraChip::DesvioMinimo,
             ReferenciaVBus,
             DesvioMinimoVBus,
             BaixaVBus1,
             {}},
            {QStringLiteral("tigris vbus2 :"),
             QStringLiteral("VBus_V2"),
             V,
             FormatoChip::Valor,
             RegraChip::SempreAceita,
             {},
             0,
             0,
             {}},
            {QStringLiteral("tigris vldo :"),
             QStringLiteral("lbVldo"),
             V,
             FormatoChip::Valor,
             RegraChip::Nenhuma,
             {},
             0,
             0,
             {}},
            {QStringLiteral("tigris vntc :"),
             QStringLiteral("lbvntc"),
             V,
             FormatoChip::Valor,
             RegraChip::Nenhuma,
             {},
             0,
             0,
             {}},
        };
    }
    return linhas;
}

LeituraChip Le(const QString& modelo, const QString& resposta) {
    return LeChip(resposta, Linhas(modelo));
}

} // namespace tarsel::RegrasTigris
