#include "chips/RegrasAcorn.h"

namespace tarsel::RegrasAcorn {

namespace {
const QString V = QStringLiteral(" V");
constexpr int Tolerancia = 10; // whole percent, either side

struct Linha {
    const char* chave;
    const char* campo;
    const char* referencia; // empty: the line is not judged
};

const Linha Tabela[Linhas] = {
    {"acorn ground :", "M0", ""},   {"acorn vin :", "M1", ""},           {"acorn vb :", "M2", ""},
    {"acorn vp :", "M3", "10.000"}, {"acorn vn :", "M4", "-6.700"},      {"acorn vh :", "M5", "5.250"},
    {"acorn vl :", "M6", ""},       {"acorn va :", "M7", "3.500"},       {"acorn vc :", "M8", "1.100"},
    {"BIST buck4:", "M9", "1.100"}, {"BIST buck3_sw2:", "M10", "1.800"}, {"acorn die_temp :", "Temp", ""},
    {"acorn ia :", "AMP1", ""},     {"acorn in :", "AMP2", ""},          {"acorn ip :", "AMP3", ""},
    {"acorn ih :", "AMP4", ""},
};

// Line 1 (the input) has a pass icon only.
constexpr int SemIconeDeFalha = 1;
} // namespace

bool Julgada(int linha) {
    return linha >= 0 && linha < Linhas && Tabela[linha].referencia[0] != '\0';
}

QVector<LinhaChip> LinhasAcorn() {
    QVector<LinhaChip> linhas;
    for (int n = 0; n < Linhas; ++n) {
        const Linha& t = Tabela[n];
        LinhaChip l{
            QLatin1String(t.chave), QLatin1String(t.campo), V, FormatoChip::Valor, RegraChip::Nenhuma, {}, 0, 0, {}};
        if (Julgada(n)) {
            l.regra = RegraChip::DesvioDentro;
            l.referencia = QLatin1String(t.referencia);
            l.limite = Tolerancia;
            l.marcador = n;
            l.campoPorcento = QStringLiteral("P%1").arg(n);
        } else if (n == IconeGeral) {
            l.unidade = QStringLiteral(" º");
            l.formato = FormatoChip::UmaDecimal;
        } else if (n > IconeGeral) {
            l.unidade = QStringLiteral(" mA");
        }
        linhas.append(l);
    }
    return linhas;
}

LeituraAcorn Le(const QString& resposta) {
    LeituraAcorn a;
    const QVector<LinhaChip> linhas = LinhasAcorn();
    // No time-out rule on this screen: a "timeout" token is no number and reads as not measured all the same.
    a.leitura = LeChip(resposta, linhas, false);
    bool falhou = false;
    for (int n = 0; n < IconeGeral; ++n) {
        const LinhaChip& l = linhas.at(n);
        CampoChip& campo = a.leitura.campos[l.campo];
        // The percent field and the icon carry the verdict; the reading keeps its colour.
        campo.cor.clear();
        if (campo.semMedicao) {
            if (n != SemIconeDeFalha)
                a.reprovados.insert(n);
            // A judged rail that could not be read has not passed.
            falhou = falhou || Julgada(n);
        } else if (a.leitura.baixas.contains(n)) {
            a.reprovados.insert(n);
            falhou = true;
        } else {
            a.aprovados.insert(n);
        }
    }
    (falhou ? a.reprovados : a.aprovados).insert(IconeGeral);
    return a;
}

QVector<EntradaRelatorioChip> EntradasRelatorio() {
    auto julgada = [](const char* malha, int linha, const char* referencia) {
        return EntradaRelatorioChip{QLatin1String(malha),      QStringLiteral("M%1").arg(linha), {},
                                    QLatin1String(referencia), QStringLiteral("P%1").arg(linha), linha};
    };
    auto presente = [](const char* malha, int linha) {
        return EntradaRelatorioChip{QLatin1String(malha), QStringLiteral("M%1").arg(linha), {}, {}, {}, -1,
                                    QStringLiteral("3")};
    };
    return {
        julgada("PP1V1_RACER", 8, "1.1 V"),
        julgada("PP3V5_RACER", 7, "3.5 V"),
        julgada("PP5V25_TOUCH_VDDH", 5, "5.25 V"),
        julgada("PN6V7_RACER", 4, "6.7 V"),
        julgada("PP10V0_RACER", 3, "10.0 V"),
        julgada("PP1V8_TOUCH_RACER_S2", 10, "1.8 V"),
        julgada("PP1V1_S2", 9, "1.1 V"),
        presente("PP_CP1_OUT_ACORN", 6),
        presente("PP_BOOST1_ACORN", 2),
        presente("GND", 0),
        presente("PP_VDD_MAIN", 1),
    };
}

} // namespace tarsel::RegrasAcorn
