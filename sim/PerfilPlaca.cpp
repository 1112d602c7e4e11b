#include "PerfilPlaca.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace tarsel {

namespace {

// A note for whoever builds reference tables from the profile; never sent.
const QByteArray MarcaNota = " ##";

} // namespace

bool PerfilPlaca::carrega(const QString& caminho, QString* erro) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        *erro = QStringLiteral("%1: %2").arg(caminho, arquivo.errorString());
        return false;
    }
    const QList<QByteArray> linhas = arquivo.readAll().split('\n');
    auto falha = [&](int numero, const QString& motivo) {
        *erro = QStringLiteral("%1:%2: %3").arg(caminho).arg(numero).arg(motivo);
        return false;
    };

    QString secaoAtual;
    bool dentroDeSecao = false;
    for (int i = 0; i < linhas.size(); ++i) {
        QByteArray linha = linhas.at(i);
        if (linha.endsWith('\r'))
            linha.chop(1);
        const int numero = i + 1;

        if (linha.startsWith("== ")) {
            secaoAtual = normalizaComando(QString::fromUtf8(linha.mid(3)));
            if (secaoAtual.isEmpty())
                return falha(numero, QStringLiteral("section without a command"));
            if (m_secoes.contains(secaoAtual))
                return falha(numero, QStringLiteral("second section for \"%1\"").arg(secaoAtual));
            m_secoes.insert(secaoAtual, {});
            dentroDeSecao = true;
            continue;
        }
        if (linha.trimmed().isEmpty() || linha.startsWith('#'))
            continue;

        if (!dentroDeSecao) {
            const int doisPontos = linha.indexOf(':');
            if (doisPontos < 0)
                return falha(numero, QStringLiteral("expected \"name: value\" before the first section"));
            const QByteArray nome = linha.left(doisPontos).trimmed();
            const QString valor = QString::fromUtf8(linha.mid(doisPontos + 1)).trimmed();
            if (nome == "familia")
                m_familia = valor;
            else if (nome == "modelos")
                m_modelos = valor.split(u' ', Qt::SkipEmptyParts);
            else if (nome == "rail-falha")
                m_chaveFalhaRail = valor.toUtf8();
            else if (nome == "rail-alto")
                m_chaveRailAlto = valor.toUtf8();
            else if (nome == "rail-ausente")
                m_chaveRailAusente = valor.toUtf8();
            else if (nome == "i2c-ausente") {
                // "<bus> <address>": the bus number and the address as the scan answer writes it.
                const QStringList partes = valor.split(u' ', Qt::SkipEmptyParts);
                bool ok = false;
                const int barramento = partes.value(0).toInt(&ok);
                if (partes.size() != 2 || !ok || barramento < 0 || barramento > 7)
                    return falha(numero, QStringLiteral("i2c-ausente takes a bus (0 to 7) and an address"));
                m_barramentoI2cAusente = barramento;
                m_enderecoI2cAusente = partes.at(1).toUtf8();
            } else
                return falha(numero, QStringLiteral("unknown setting \"%1\"").arg(QString::fromUtf8(nome)));
            continue;
        }

        const int nota = linha.indexOf(MarcaNota);
        if (nota >= 0) {
            linha.truncate(nota);
            while (linha.endsWith(' '))
                linha.chop(1);
        }
        // A leading backslash lets a line start with "#" or "== " (or be empty: a lone backslash).
        if (linha.startsWith('\\'))
            linha.remove(0, 1);
        m_secoes[secaoAtual].append(linha);
    }
    return true;
}

bool PerfilPlaca::temSecao(const QString& comando) const {
    return m_secoes.contains(normalizaComando(comando));
}

QList<QByteArray> PerfilPlaca::secao(const QString& comando) const {
    return m_secoes.value(normalizaComando(comando));
}

QList<QByteArray> PerfilPlaca::secaoComArgumento(const QString& comando, QString* argumento) const {
    const QString normal = normalizaComando(comando);
    QString melhor;
    for (auto it = m_secoes.cbegin(); it != m_secoes.cend(); ++it) {
        const QString& nome = it.key();
        if (!nome.endsWith(QLatin1String(" *")) || nome.startsWith(u'.'))
            continue;
        const QString inicio = nome.chopped(1);
        if (normal.startsWith(inicio) && normal.size() > inicio.size() && inicio.size() > melhor.size())
            melhor = inicio;
    }
    if (melhor.isEmpty())
        return {};
    if (argumento)
        *argumento = comando.simplified().mid(melhor.size());
    return m_secoes.value(melhor + u'*');
}

QStringList PerfilPlaca::variaveis() const {
    const QString prefixo = secaoVariavel(QString());
    QStringList nomes;
    for (auto it = m_secoes.cbegin(); it != m_secoes.cend(); ++it) {
        if (it.key().startsWith(prefixo))
            nomes << it.key().mid(prefixo.size());
    }
    nomes.sort();
    return nomes;
}

QStringList PerfilPlaca::marcadoresDesconhecidos() const {
    QSet<QString> conhecidos{QStringLiteral("modelo"), QStringLiteral("comando"), QStringLiteral("arg")};
    for (const QString& nome : variaveis())
        conhecidos.insert(nome);
    static const QRegularExpression marcador(QStringLiteral("\\{([a-z0-9-]+)\\}"));
    QSet<QString> desconhecidos;
    for (auto it = m_secoes.cbegin(); it != m_secoes.cend(); ++it) {
        for (const QByteArray& linha : it.value()) {
            auto achados = marcador.globalMatch(QString::fromLatin1(linha));
            while (achados.hasNext()) {
                const QString nome = achados.next().captured(1);
                if (!conhecidos.contains(nome))
                    desconhecidos.insert(nome);
            }
        }
    }
    QStringList lista(desconhecidos.cbegin(), desconhecidos.cend());
    lista.sort();
    return lista;
}

void PerfilPlaca::completaCom(const PerfilPlaca& outro) {
    for (auto it = outro.m_secoes.cbegin(); it != outro.m_secoes.cend(); ++it) {
        if (!m_secoes.contains(it.key()))
            m_secoes.insert(it.key(), it.value());
    }
}

QString PerfilPlaca::normalizaComando(const QString& comando) {
    return comando.simplified().toLower();
}

} // namespace tarsel
