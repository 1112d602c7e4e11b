#include "chips/RegrasChestnut.h"

namespace tarsel::RegrasChestnut {

namespace {
const QString V = QStringLiteral(" V");
const QString MA = QStringLiteral(" mA");
constexpr int Tolerancia = 10; // whole percent, either side

LinhaChip julgada(const char* chave, const char* campo, const char* porcento, const char* referencia, int icone) {
    LinhaChip l{QLatin1String(chave),
                QLatin1String(campo),
                V,
                FormatoChip::Valor,
                RegraChip::DesvioDentro,
                QLatin1String(referencia),
                Tolerancia,
                icone + 1,
                {}};
    l.campoPorcento = QLatin1String(porcento);
    l.falhaAusente = true;
    return l;
}

LinhaChip medida(const char* chave, const char* campo, const QString& unidade) {
    LinhaChip l{
        QLatin1String(chave), QLatin1String(campo), unidade, FormatoChip::Valor, RegraChip::Nenhuma, {}, 0, 0, {}};
    l.ausente = AusenteChip::Traco;
    return l;
}
} // namespace

QString Designador(const QString& modelo) {
    if (modelo == QLatin1String("IP 6") || modelo == QLatin1String("IP 6 Plus"))
        return QStringLiteral("U1501");
    if (modelo == QLatin1String("IP 6s") || modelo == QLatin1String("IP 6s Plus"))
        return QStringLiteral("U4000");
    if (modelo == QLatin1String("IP 7") || modelo == QLatin1String("IP 7 Plus"))
        return QStringLiteral("U3703");
    if (modelo == QLatin1String("IP 8") || modelo == QLatin1String("IP 8 Plus"))
        return QStringLiteral("U5600");
    return {};
}

QVector<LinhaChip> Linhas() {
    return {
        julgada("chestnut vldo1 :", "iLDO_V1", "Porc1", "5.700", 2),
        julgada("chestnut vldo2 :", "iLDO_V2", "Porc2", "5.700", 3),
        julgada("chestnut vldo3 :", "iLDO_V3", "Porc3", "5.100", IconeTouch),
        medida("chestnut ildo1 :", "iLDO_A1", MA),
        medida("chestnut ildo2 :", "iLDO_A2", MA),
        medida("chestnut ildo3 :", "iLDO_A3", MA),
        julgada("chestnut vneg :", "VNEG_V", "Porc4", "-5.700", 1),
        medida("chestnut ineg :", "VNEG_A", MA),
        medida("chestnut vin :", "VIN_V", V),
        medida("chestnut ground :", "gndV", V),
        julgada("chestnut vboost :", "BOOST_V", "Porc5", "6.000", 0),
    };
}

LeituraChestnut Le(const QString& resposta) {
    LeituraChestnut c;
    const QVector<LinhaChip> linhas = Linhas();
    c.leitura = LeChip(resposta, linhas);
    for (const LinhaChip& l : linhas) {
        if (l.regra != RegraChip::DesvioDentro)
            continue;
        // The percent field and the icon carry the verdict; the reading keeps its colour.
        c.leitura.campos[l.campo].cor.clear();
        const int icone = l.marcador - 1;
        const bool falhou = c.leitura.baixas.contains(l.marcador);
        (falhou ? c.reprovados : c.aprovados).insert(icone);
        if (icone == IconeTouch && falhou && !c.leitura.campos.value(l.campo).semMedicao)
            c.touchForaDaFaixa = true;
    }
    return c;
}

QVector<EntradaRelatorioChip> EntradasRelatorio() {
    const QString semValor = QStringLiteral("-");
    return {
        {QStringLiteral("PP6V0_DISPLAY_BOOST"),
         QStringLiteral("BOOST_V"),
         {},
         QStringLiteral("6.0 V"),
         QStringLiteral("Porc5"),
         0},
        {QStringLiteral("PN -5V7_DISPLAY_MESON_AVDDN"), QStringLiteral("VNEG_V"), QStringLiteral("VNEG_A"),
         QStringLiteral("-5.7 V"), QStringLiteral("Porc4"), 1},
        {QStringLiteral("PP5V7_MESON_AVDDH"), QStringLiteral("iLDO_V1"), QStringLiteral("iLDO_A1"),
         QStringLiteral("5.7 V"), QStringLiteral("Porc1"), 2},
        {QStringLiteral("PP5V7_LCM_AVDDH"), QStringLiteral("iLDO_V2"), QStringLiteral("iLDO_A2"),
         QStringLiteral("5.7 V"), QStringLiteral("Porc2"), 3},
        {QStringLiteral("PP5V1_TOUCH_VDDH"), QStringLiteral("iLDO_V3"), QStringLiteral("iLDO_A3"),
         QStringLiteral("5.1 V"), QStringLiteral("Porc3"), 4},
        {QStringLiteral("PP_VDD_MAIN"), QStringLiteral("VIN_V"), {}, semValor, {}, -1, QStringLiteral("1")},
    };
}

} // namespace tarsel::RegrasChestnut
