#include "rails/CorrentesPMU.h"

namespace tarsel {

QList<std::optional<QString>> CorrentesDasLinhas(const QStringList& linhas, const QList<CorrenteRail>& correntes) {
    QList<std::optional<QString>> resultado(linhas.size());
    QList<int> tamanhoDoNome(linhas.size(), 0);
    for (const CorrenteRail& c : correntes) {
        if (c.Orig.size() <= 3)
            continue;
        const int tamanho = c.Orig.size() - 3;
        const QString nome = c.Orig.mid(3).toUpper();
        for (int i = 0; i < linhas.size(); ++i) {
            if (tamanho < tamanhoDoNome.at(i) || linhas.at(i).left(tamanho).toUpper() != nome)
                continue;
            resultado[i] = c.Leitura;
            tamanhoDoNome[i] = tamanho;
        }
    }
    return resultado;
}

} // namespace tarsel
