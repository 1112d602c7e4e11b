#include "rails/ChaveBist.h"

#include "base/Dialogos.h"

#include <QHash>

namespace tarsel {

namespace {
QHash<QString, QString> montaTabela() {
    QHash<QString, QString> t;
    for (int n = 0; n <= 11; ++n)
        t.insert(QString::number(n), QStringLiteral("BIST buck%1:").arg(n));
    for (int sw = 1; sw <= 3; ++sw)
        t.insert(QString::number(11 + sw), QStringLiteral("BIST buck3_sw%1:").arg(sw));
    for (int sw = 1; sw <= 2; ++sw)
        t.insert(QString::number(14 + sw), QStringLiteral("BIST buck4_sw%1:").arg(sw));
    // Buck currents are printed without the "BIST " prefix.
    for (int n = 0; n <= 11; ++n)
        t.insert(QString::number(20 + n), QStringLiteral("ibuck%1:").arg(n));
    for (int n = 0; n <= 19; ++n) {
        t.insert(QString::number(40 + n), QStringLiteral("BIST ldo%1:").arg(n));
        t.insert(QString::number(60 + n), QStringLiteral("BIST ildo%1:").arg(n));
    }
    t.insert(QStringLiteral("80"), QStringLiteral("BIST ibuf_1v2:"));
    t.insert(QStringLiteral("81"), QStringLiteral("BIST vbuf_1v2:"));
    t.insert(QStringLiteral("82"), QStringLiteral("BIST vrtc:"));
    return t;
}
} // namespace

std::optional<QString> ChaveLinha(const QString& codigo) {
    static const QHash<QString, QString> tabela = montaTabela();
    const auto it = tabela.constFind(codigo);
    if (it == tabela.constEnd())
        return std::nullopt;
    return *it;
}

QString ChaveBist(const QString& codigo) {
    if (const auto chave = ChaveLinha(codigo))
        return *chave;
    dialogos().mensagem(Dialogos::Icone::Nenhum, QString(), QStringLiteral("NOT ") + codigo, Dialogos::Botoes::Ok);
    return {};
}

} // namespace tarsel
