#include "PaginasOnline.h"

#include "NotasI2C.h"

#include <QRegularExpression>

namespace tarsel {

const QString PaginasOnline::ChaveLinks = QStringLiteral("582046");

namespace {

// A version text as it may be echoed back: digits, letters and dots, short. Anything else is dropped,
// so nothing the client sends can add a tag to the answer.
QString versaoLimpa(const QString& v) {
    QString limpa = v.left(16);
    limpa.remove(QRegularExpression(QStringLiteral("[^0-9A-Za-z.]")));
    return limpa;
}

} // namespace

PaginasOnline::PaginasOnline(const ConfiguracaoServidor& configuracao, const QString& base)
    : m_configuracao(configuracao)
    , m_base(base) {}

bool PaginasOnline::atende(const QString& caminho) {
    static const QStringList caminhos{
        QStringLiteral("/online"),           QStringLiteral("/versao"), QStringLiteral("/aviso/atualizacao"),
        QStringLiteral("/aviso/manutencao"), QStringLiteral("/links"),  QStringLiteral("/i2c")};
    return caminhos.contains(caminho);
}

RespostaHttp PaginasOnline::responde(const QString& caminho, const QUrlQuery& consulta) const {
    if (caminho == QLatin1String("/online"))
        return RespostaHttp::texto("OK");
    if (caminho == QLatin1String("/versao"))
        return versao(consulta);
    if (caminho == QLatin1String("/aviso/atualizacao"))
        return aviso(true, consulta);
    if (caminho == QLatin1String("/aviso/manutencao"))
        return aviso(false, consulta);
    if (caminho == QLatin1String("/links"))
        return links(consulta);
    if (caminho == QLatin1String("/i2c"))
        return i2c(consulta);
    return RespostaHttp::texto("404", 404);
}

RespostaHttp PaginasOnline::versao(const QUrlQuery& consulta) const {
    const QString v = versaoLimpa(consulta.queryItemValue(QStringLiteral("v")));
    QByteArray corpo = "<html><head><title>Voltrace Tarsel</title></head><body>\n";
    if (v.isEmpty() || consulta.queryItemValue(QStringLiteral("t")) != QLatin1String("2")) {
        corpo += "<p>Consulta incompleta.</p>\n</body></html>\n";
        return RespostaHttp::html(corpo);
    }
    const QByteArray paginas =
        "[pg_u]" + m_base.toUtf8() + "atualizacao[/pg_u][pg_m]" + m_base.toUtf8() + "manutencao[/pg_m]";
    corpo += "<!-- versao " + v.toUtf8() + " -->\n";
    using V = ConfiguracaoServidor::Versao;
    switch (m_configuracao.versao) {
    case V::Ok:
    case V::Opcional:
    case V::Obrigatoria:
    case V::Manutencao:
        corpo += "[i]" + ConfiguracaoServidor::nome(m_configuracao.versao).toUtf8() + "[/i]" + paginas;
        break;
    case V::Vazio:
        corpo += "[i][/i]" + paginas;
        break;
    case V::SemTag:
        corpo += "<p>Servidor em atualização.</p>";
        break;
    case V::TagAberta:
        corpo += "[i]OK" + paginas;
        break;
    case V::Outro:
        corpo += "[i]BETA[/i]" + paginas;
        break;
    }
    corpo += "\n</body></html>\n";
    return RespostaHttp::html(corpo);
}

RespostaHttp PaginasOnline::aviso(bool atualizacao, const QUrlQuery& consulta) const {
    if (!m_configuracao.avisos)
        return RespostaHttp::texto("404");
    const QString v = versaoLimpa(consulta.queryItemValue(QStringLiteral("v")));
    const QString sua = v.isEmpty() ? QString() : v;
    QString br, en, es;
    if (atualizacao) {
        br = QStringLiteral("A versão 2.50 traz a leitura do Acorn mais rápida e corrige o relatório VCore.");
        en = QStringLiteral("Version 2.50 reads the Acorn faster and fixes the VCore report.");
        es = QStringLiteral("La versión 2.50 lee el Acorn más rápido y corrige el informe VCore.");
        if (!sua.isEmpty()) {
            br += QStringLiteral(" Você usa a versão %1.").arg(sua);
            en += QStringLiteral(" You are running version %1.").arg(sua);
            es += QStringLiteral(" Usted usa la versión %1.").arg(sua);
        }
    } else {
        br = QStringLiteral("Manutenção programada: o servidor volta às 22h (horário de Brasília).");
        en = QStringLiteral("Scheduled maintenance: the server is back at 10 pm (Brasília time).");
        es = QStringLiteral("Mantenimiento programado: el servidor vuelve a las 22 h (hora de Brasilia).");
    }
    // The one character after each opening tag is a line break: the program skips it.
    const QString texto = QStringLiteral("[BR]\n%1[/BR][EN]\n%2[/EN][ES]\n%3[/ES]").arg(br, en, es);
    return RespostaHttp::texto(texto.toUtf8());
}

QMap<int, QString> PaginasOnline::linksPadrao(const QString& base) {
    return {
        {1, base + QStringLiteral("produto")},
        {3, base + QStringLiteral("video/porta-com")},
        {4, base + QStringLiteral("contato/1")},
        {5, base + QStringLiteral("contato/2")},
        {6, base + QStringLiteral("suporte/1")},
        {7, base + QStringLiteral("suporte/2")},
        {8, base + QStringLiteral("suporte/3")},
        {9, base + QStringLiteral("panic")},
        {10, base + QStringLiteral("contato/3")},
        {11, base + QStringLiteral("nand/erros-restauracao")},
        {51, QStringLiteral("S")},
        {52, QStringLiteral("N")},
        {53, QStringLiteral("S")},
    };
}

RespostaHttp PaginasOnline::links(const QUrlQuery& consulta) const {
    if (consulta.queryItemValue(QStringLiteral("k")) != ChaveLinks)
        return RespostaHttp::texto({}, 403);
    QMap<int, QString> entradas = linksPadrao(m_base);
    for (auto it = m_configuracao.links.cbegin(); it != m_configuracao.links.cend(); ++it) {
        if (it.value().isEmpty())
            entradas.remove(it.key());
        else
            entradas.insert(it.key(), it.value());
    }
    QString texto;
    for (auto it = entradas.cbegin(); it != entradas.cend(); ++it)
        texto += QStringLiteral("[PG%1]%2[/PG%1]\n").arg(it.key()).arg(it.value());
    return RespostaHttp::texto(texto.toUtf8());
}

RespostaHttp PaginasOnline::i2c(const QUrlQuery& consulta) const {
    if (consulta.queryItemValue(QStringLiteral("p")).isEmpty())
        return RespostaHttp::texto({});
    bool ok = false;
    const int barramento = consulta.queryItemValue(QStringLiteral("b")).toInt(&ok);
    if (!ok)
        return RespostaHttp::texto({});
    const int idioma = consulta.queryItemValue(QStringLiteral("l")).toInt(&ok);
    if (!ok)
        return RespostaHttp::texto({});
    const QString modelo = consulta.queryItemValue(QStringLiteral("m"), QUrl::FullyDecoded);
    return RespostaHttp::texto(NotasI2C::notas(modelo, barramento, idioma).toUtf8());
}

} // namespace tarsel
