#include "link/Identificacao.h"

#include "base/Traducao.h"
#include "link/Enlace.h"
#include "link/PainelConexao.h"

#include <QHash>

namespace tarsel {

namespace {
const QString DriverAusente = QStringLiteral("SystemConfig Driver is missing!");
const QString Recusado = QStringLiteral("Command");
const QString NaoEncontrado = QStringLiteral("Not Found");
const QString Encontrado = QStringLiteral("Found");
constexpr int TicksMaximos = 15;
} // namespace

Identificacao::Identificacao(Enlace& enlace, PainelConexao& painel, QObject* parent)
    : QObject(parent)
    , m_enlace(enlace)
    , m_painel(painel) {
    m_timer.setObjectName(QStringLiteral("TimerVerificaVersao"));
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &Identificacao::verificaVersao);
    // A re-reading left running across a disconnection would act on the next connection's answer.
    connect(&m_enlace, &Enlace::statusMudou, this, [this](const QString& status) {
        if (status == QLatin1String("0"))
            m_timer.stop();
    });
}

QString Identificacao::FamiliaDoModelo(const QString& numero) {
    static const QHash<QString, QString> tabela = [] {
        const char* linhas[][4] = {
            {"IP 6", "A1549", "A1586", "A1589"},  {"IP 6 Plus", "A1524", "A1593", "A1522"},
            {"IP 6s", "A1700", "A1633", "A1688"}, {"IP 6s Plus", "A1634", "A1687", "A1699"},
            {"IP 7", "A1779", "A1660", "A1778"},  {"IP 7 Plus", "A1784", "A1785", "A1661"},
            {"IP 8", "A1906", "A1863", "A1905"},  {"IP 8 Plus", "A1864", "A1897", "A1898"},
            {"IP X", "A1865", "A1901", "A1902"},
        };
        QHash<QString, QString> t;
        for (const auto& l : linhas) {
            for (int i = 1; i < 4; ++i)
                t.insert(QString::fromLatin1(l[i]), QString::fromLatin1(l[0]));
        }
        return t;
    }();
    return tabela.value(numero);
}

std::optional<QString> Identificacao::LeNumero(const QString& console) {
    // Positions from 1, as the answer's layout is described: p1 = "#" + 4, p2 = "[" - 2.
    const qsizetype p1 = console.indexOf(QLatin1Char('#')) + 1 + 4;
    const qsizetype p2 = console.indexOf(QLatin1Char('[')) + 1 - 2;
    if (p2 <= 0)
        return std::nullopt;
    const qsizetype comprimento = p2 - p1;
    // A "[" before the number's start (noise ahead of the echo) gives no number rather than a crash.
    if (comprimento < 0)
        return std::nullopt;
    return console.mid(p1 - 1, comprimento);
}

bool Identificacao::VarianteConexao() {
    const QString console = m_enlace.txtConsole();
    if (console.contains(DriverAusente)) {
        Mensagem(QStringLiteral("MSG_ERRO_NAND"));
        Mensagem(QStringLiteral("MSG_SELECIONE_MODELO"));
        m_painel.focaAparelhos();
        return false;
    }
    const std::optional<QString> numero = LeNumero(console);
    if (!numero)
        return false;
    if (console.contains(Recusado) || !numero->startsWith(QLatin1Char('A'))) {
        iniciaReleitura(true);
        return false;
    }
    m_enlace.defineComando(QString());
    m_enlace.defineConsole(QString());
    const QString familia = FamiliaDoModelo(*numero);
    if (familia.isEmpty()) {
        Mensagem(QStringLiteral("MSG_ERRO_NAND"));
        m_painel.defineModelo(QLatin1Char('*') + *numero + QLatin1Char('*'));
        Mensagem(QStringLiteral("MSG_SELECIONE_MODELO"));
        m_painel.focaAparelhos();
        return false;
    }
    m_painel.defineModelo(*numero);
    m_painel.defineAparelho(familia);
    return true;
}

void Identificacao::AtualizaModelo() {
    iniciaReleitura(false);
}

void Identificacao::iniciaReleitura(bool daConexao) {
    if (m_enlace.Status() != QLatin1String("1"))
        return;
    m_daConexao = daConexao;
    m_painel.defineModelo(QStringLiteral("..."));
    // A query that never went out has no answer to wait for (the send has reported why).
    if (!pedeModelo())
        return;
    m_ticks = 0;
    m_timer.start();
    m_tentativas = 0;
}

bool Identificacao::pedeModelo() {
    m_enlace.defineComando(ConsultaModelo);
    return m_enlace.EnviaComando();
}

void Identificacao::avisaModeloDesconhecido() {
    Mensagem(QStringLiteral("MSG_ERRO_NAND"));
    Mensagem(QStringLiteral("MSG_SELECIONE_MODELO"));
    m_painel.focaAparelhos();
}

void Identificacao::verificaVersao() {
    if (m_enlace.Status() != QLatin1String("1"))
        return;
    ++m_tentativas;
    const QString console = m_enlace.txtConsole();
    if (console.contains(Recusado) && m_tentativas == 1) {
        pedeModelo();
        m_tentativas = 2;
        return;
    }
    ++m_ticks;
    if (m_ticks == TicksMaximos) {
        m_timer.stop();
        if (console.contains(NaoEncontrado)) {
            avisaModeloDesconhecido();
            return;
        }
    }
    if (console.length() > 20 && !console.contains(Encontrado)) {
        m_timer.stop();
        const std::optional<QString> numero = LeNumero(console);
        const bool recusada = console.contains(Recusado);
        if (!numero || recusada || !numero->startsWith(QLatin1Char('A'))) {
            // A shell that refuses the query is there and answering; anything else, twice in a row
            // at connect, is not a phone in diagnostics mode, and a link left up without a model
            // would only fail later.
            if (m_daConexao && !recusada)
                emit respostaInvalida();
            return;
        }
        m_painel.defineModelo(*numero);
        const QString familia = FamiliaDoModelo(*numero);
        if (familia.isEmpty()) {
            m_painel.defineModelo(QLatin1Char('*') + *numero + QLatin1Char('*'));
            avisaModeloDesconhecido();
        } else {
            m_painel.defineAparelho(familia);
        }
        m_enlace.defineConsole(QString());
    }
}

} // namespace tarsel
