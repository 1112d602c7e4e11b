#include "rails/BuckTesteParse.h"

#include "base/Familias.h"
#include "base/Traducao.h"
#include "base/Valores.h"
#include "rails/MarcadoresRail.h"
#include "store/Banco.h"

#include <QRegularExpression>
#include <QSqlQuery>

#include <utility>

namespace tarsel {

namespace {

const QString Aprovado = QStringLiteral("PASS");

// Longer than this, a "value" is not a reading but a run of unrelated text.
constexpr int TamanhoMaximoValor = 24;

bool ehNumero(const QString& texto) {
    static const QRegularExpression numero(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    return texto.size() <= TamanhoMaximoValor && numero.match(texto).hasMatch();
}

// Millivolts as volts with three decimals; a whole number of millivolts too ("800" is 0.800 V).
QString volts(const QString& milivolts) {
    return MilivoltParaVolt(milivolts.contains(u'.') ? milivolts : milivolts + QStringLiteral(".0"));
}

// Where the line holding position `p` begins and ends (the end is the line break or the text's end).
int inicioLinha(const QString& t, int p) {
    int i = p;
    while (i > 0 && t.at(i - 1) != u'\n' && t.at(i - 1) != u'\r')
        --i;
    return i;
}

int fimLinha(const QString& t, int p) {
    int i = p;
    while (i < t.size() && t.at(i) != u'\n' && t.at(i) != u'\r')
        ++i;
    return i;
}

// The first place at or after a position that only moves forward: the place found last time still holds
// while the position has not passed it, so the whole text is searched once instead of from every key.
class Proxima {
public:
    Proxima(const QString& t, QString chave)
        : m_t(t)
        , m_chave(std::move(chave)) {}

    int de(int p) {
        if (!m_buscou || (m_pos >= 0 && m_pos < p)) {
            m_pos = m_chave.isEmpty() ? fimLinha(m_t, p) : int(m_t.indexOf(m_chave, p));
            m_buscou = true;
        }
        return m_pos; // -1 found once stays -1: nothing after an earlier position is nothing after a later one
    }

private:
    const QString& m_t;
    const QString m_chave; // empty: the line's end
    int m_pos = -1;
    bool m_buscou = false;
};

// Where the line holding a position begins, for positions that only move forward: the text between the last
// position and this one is looked at once, instead of walking back to the line's start from every key.
class InicioLinha {
public:
    explicit InicioLinha(const QString& t)
        : m_t(t) {}

    int de(int p) {
        if (p < m_ate)
            return inicioLinha(m_t, p);
        for (; m_ate < p; ++m_ate) {
            if (m_t.at(m_ate) == u'\n' || m_t.at(m_ate) == u'\r')
                m_inicio = m_ate + 1;
        }
        return m_inicio;
    }

private:
    const QString& m_t;
    int m_inicio = 0;
    int m_ate = 0; // everything before this has been looked at
};

// Rows are numbered by counting from the first buck; a line whose key names its buck ("buck7:") keeps
// that number, so a line missing from the answer does not shift the names of the ones after it.
class Numeracao {
public:
    explicit Numeracao(const QString& resposta)
        : m_proximo(resposta.contains(QStringLiteral("buck0")) ? 0 : 1) {}

    int numero(QStringView chave) {
        static const QRegularExpression buck(QStringLiteral("^buck(\\d{1,3})$"),
                                             QRegularExpression::CaseInsensitiveOption);
        // Longer than "buck" and three digits (a digit outside the first plane takes two units), a key is
        // no buck's name: no copy of it is made.
        const QStringView k = chave.trimmed();
        const auto m = k.size() <= 10 ? buck.match(k.toString()) : QRegularExpressionMatch();
        const int n = m.hasMatch() ? m.captured(1).toInt() : m_proximo;
        m_proximo = n + 1;
        return n;
    }

private:
    int m_proximo;
};

// The key before the first ":" of the line that begins at `inicio`, when that ":" comes before `ate`.
QStringView chaveDaLinha(const QString& t, int inicio, int ate) {
    const qsizetype doisPontos = QStringView(t).mid(inicio, ate - inicio + 1).indexOf(u':');
    if (doisPontos < 0)
        return {};
    return QStringView(t).mid(inicio, doisPontos);
}

QString ajusta(const QString& texto, int tamanho) {
    return texto.left(tamanho).leftJustified(tamanho, u' ');
}

} // namespace

std::optional<QString> BuckTesteParse::ComandoTeste(const QString& porcentagem) {
    static const QRegularExpression inteiro(QStringLiteral("^\\d{1,9}$"));
    const QString texto = SemEspacos(porcentagem);
    if (!inteiro.match(texto).hasMatch())
        return std::nullopt;
    const int valor = texto.toInt();
    if (valor < 1 || valor > 99)
        return std::nullopt;
    return QStringLiteral("buckcheck ") + QString::number(valor);
}

bool BuckTesteParse::Processavel(const QString& resposta) {
    return !resposta.isEmpty() && resposta.contains(u'[');
}

QList<BuckTesteParse::Linha> BuckTesteParse::Analisa(Modo modo, const QString& resposta) {
    return modo == Modo::Teste ? AnalisaTeste(resposta) : AnalisaLeitura(resposta);
}

QList<BuckTesteParse::Linha> BuckTesteParse::AnalisaLeitura(const QString& t) {
    QList<Linha> linhas;
    if (t.contains(QStringLiteral("measured")))
        return linhas;
    Numeracao numeracao(t);
    Proxima unidade(t, QStringLiteral("mV"));
    Proxima fim(t, QString());
    InicioLinha inicios(t);
    int de = 0;
    for (;;) {
        const int i = t.indexOf(u':', de);
        if (i < 0)
            break;
        const int m = unidade.de(i);
        if (m < 0)
            break;
        de = i + 1;
        // A value belongs to the line of its key; a ":" whose "mV" is on a later line is not a reading
        // (the prompt, a heading).
        if (m > fim.de(i))
            continue;
        const QString valor = t.mid(i + 1, m - i - 1).trimmed();
        if (valor.isEmpty())
            continue;
        const int inicio = inicios.de(i);
        const int d = numeracao.numero(QStringView(t).mid(inicio, i - inicio));
        const QString leitura = ehNumero(valor) ? volts(valor) + QStringLiteral(" V") : valor;
        linhas.append(
            {QStringLiteral("   buck") + QString::number(d) + QStringLiteral(" voltage: ") + leitura, Figura::Tensao});
    }
    return linhas;
}

QList<BuckTesteParse::Linha> BuckTesteParse::AnalisaTeste(const QString& t) {
    const QString alvoChave = QStringLiteral("target");
    const QString medidaChave = QStringLiteral("measured");
    const QString mV = QStringLiteral("mV");
    QList<Linha> linhas;
    Numeracao numeracao(t);
    Proxima unidadeAlvo(t, mV);
    Proxima medidas(t, medidaChave);
    Proxima unidadeMedida(t, mV);
    Proxima fins(t, QString());
    InicioLinha inicios(t);
    int de = 0;
    for (;;) {
        const int a = t.indexOf(alvoChave, de);
        if (a < 0)
            break;
        const int m = unidadeAlvo.de(a);
        if (m < 0)
            break;
        const int e = medidas.de(a);
        const int f = e < 0 ? -1 : unidadeMedida.de(e);
        if (e < 0 || f < 0)
            break;
        // Target, measured value and verdict of a buck are on one line; a line lacking one of them is
        // left out instead of being paired with the next line's figures.
        const int fim = fins.de(a);
        if (m > fim || e > fim || f > fim || m > e) {
            de = a + 1;
            continue;
        }
        de = e + 1;

        const QString alvo = t.mid(a + alvoChave.size(), m - a - alvoChave.size()).trimmed();
        const QString medida = t.mid(e + medidaChave.size(), f - e - medidaChave.size()).trimmed();
        const int posVeredito = f + mV.size() + 3;
        const QString veredito = posVeredito < fim ? t.mid(posVeredito, qMin(4, fim - posVeredito)) : QString();

        const int inicio = inicios.de(a);
        const int d = numeracao.numero(chaveDaLinha(t, inicio, a));
        const QString lido = ehNumero(medida) ? volts(medida) + QStringLiteral(" V") : medida;
        const QString texto = QStringLiteral("   buck") + QString::number(d) + QStringLiteral(": ") +
                              Traduz(QStringLiteral("Referência")) + QStringLiteral(": ") + TensaoAlvo(alvo) +
                              QStringLiteral(" V - ") + Traduz(QStringLiteral("Leitura")) + QStringLiteral(":  ") +
                              lido + QStringLiteral(" : ") + veredito;
        linhas.append({texto, veredito == Aprovado ? Figura::Passou : Figura::Falhou});
    }
    return linhas;
}

QString BuckTesteParse::TensaoAlvo(const QString& milivolts) {
    const QString s = milivolts.trimmed();
    QString v;
    if (s.contains(u'.') && ehNumero(s)) {
        v = MilivoltParaVolt(s);
    } else {
        switch (s.size()) {
        case 1:
            v = QStringLiteral("0.00") + s;
            break;
        case 2:
            v = QStringLiteral("0.0") + s;
            break;
        case 3:
            v = QStringLiteral("0.") + s;
            break;
        case 4:
            v = s.left(1) + u'.' + s.mid(1);
            break;
        case 5:
            v = s.left(2) + u'.' + s.mid(2);
            break;
        default:
            v = s;
            break;
        }
    }
    return ajusta(v, 5);
}

QString BuckTesteParse::NotaBucks(const QString& modelo) {
    QStringList bucks;
    bool avisoGpu = false;
    if (modelo == QLatin1String("IP 6") || modelo == QLatin1String("IP 6 Plus")) {
        bucks = {QStringLiteral("buck1 = GPU"), QStringLiteral("buck6 = NC")};
        avisoGpu = true;
    } else if (modelo == QLatin1String("IP 6s") || modelo == QLatin1String("IP 6s Plus")) {
        bucks = {QStringLiteral("buck1 = GPU"), QStringLiteral("buck8 = GPU"), QStringLiteral("buck6 = CAMERA")};
    } else if (modelo == QLatin1String("IP 7") || modelo == QLatin1String("IP 7 Plus")) {
        bucks = {QStringLiteral("buck1 = GPU"), QStringLiteral("buck8 = GPU"), QStringLiteral("buck9 = CAMERA")};
    } else if (modelo == QLatin1String("IP 8") || modelo == QLatin1String("IP 8 Plus") ||
               modelo == QLatin1String("IP X")) {
        bucks = {QStringLiteral("buck1 = GPU"), QStringLiteral("buck8 = GPU")};
    }

    const QString quebra = QStringLiteral("\r\n");
    const QString recuo = QStringLiteral("   ");
    QString nota;
    for (const QString& b : bucks)
        nota += quebra + recuo + b + QStringLiteral(" = 0.000 V");
    if (avisoGpu)
        nota += quebra + quebra + recuo + Traduz(QStringLiteral("Buck6GPU"));
    nota += quebra + quebra + recuo + Traduz(FamiliaOitoOuX(modelo) ? QStringLiteral("VAR4") : QStringLiteral("VAR3"));
    return nota;
}

QString BuckTesteParse::DadosGravados(const QString& modelo, const QString& comando) {
    Banco b({}, Banco::Modo::SomenteLeitura);
    const QVariant dados =
        b.valor(QStringLiteral("Select Dados From Dados where Aparelho = ? and Comando = ?"), {modelo, comando});
    return dados.toString();
}

} // namespace tarsel
