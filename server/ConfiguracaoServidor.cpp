#include "ConfiguracaoServidor.h"

#include <QFile>

namespace tarsel {

namespace {

const QStringList NomesVersao{QStringLiteral("OK"),         QStringLiteral("OPCIONAL"), QStringLiteral("OBRIGATORIA"),
                              QStringLiteral("MANUTENCAO"), QStringLiteral("VAZIO"),    QStringLiteral("SEM_TAG"),
                              QStringLiteral("TAG_ABERTA"), QStringLiteral("OUTRO")};
const QStringList NomesFalha{QStringLiteral("nenhuma"),   QStringLiteral("lenta"),  QStringLiteral("gotejando"),
                             QStringLiteral("lixo"),      QStringLiteral("reset"),  QStringLiteral("enorme"),
                             QStringLiteral("redirecao"), QStringLiteral("latin1"), QStringLiteral("marcas")};

} // namespace

QStringList ConfiguracaoServidor::nomesVersao() {
    return NomesVersao;
}
QStringList ConfiguracaoServidor::nomesFalha() {
    return NomesFalha;
}

bool ConfiguracaoServidor::leVersao(const QString& nome, Versao* versao) {
    const int i = NomesVersao.indexOf(nome.trimmed().toUpper());
    if (i < 0)
        return false;
    *versao = static_cast<Versao>(i);
    return true;
}

bool ConfiguracaoServidor::leFalha(const QString& nome, Falha* falha) {
    const int i = NomesFalha.indexOf(nome.trimmed().toLower());
    if (i < 0)
        return false;
    *falha = static_cast<Falha>(i);
    return true;
}

QString ConfiguracaoServidor::nome(Versao versao) {
    return NomesVersao.at(static_cast<int>(versao));
}
QString ConfiguracaoServidor::nome(Falha falha) {
    return NomesFalha.at(static_cast<int>(falha));
}

bool ConfiguracaoServidor::leLinks(const QString& arquivo, QString* erro) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *erro = QStringLiteral("cannot read %1: %2").arg(arquivo, f.errorString());
        return false;
    }
    int numeroLinha = 0;
    while (!f.atEnd()) {
        ++numeroLinha;
        const QString linha = QString::fromUtf8(f.readLine()).trimmed();
        if (linha.isEmpty() || linha.startsWith(QLatin1Char('#')))
            continue;
        const int igual = linha.indexOf(QLatin1Char('='));
        bool ok = false;
        const int n = igual > 0 ? linha.left(igual).trimmed().toInt(&ok) : 0;
        if (!ok || n < 1 || n > 99) {
            *erro = QStringLiteral("%1:%2: expected n=value with n from 1 to 99").arg(arquivo).arg(numeroLinha);
            return false;
        }
        links.insert(n, linha.mid(igual + 1).trimmed());
    }
    return true;
}

} // namespace tarsel
