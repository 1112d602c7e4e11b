#include "link/Conexao.h"

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Enlace.h"
#include "link/ErroSerial.h"
#include "link/Identificacao.h"
#include "link/PainelConexao.h"

#include <cmath>

namespace tarsel {

namespace {
constexpr int TicksSemResposta = 10;
constexpr int RespostaMinima = 40;

// The port text as a number, when it is one ("3", " 12 ", "4.0").
std::optional<double> numeroPorta(const QString& texto) {
    bool ok = false;
    const double v = texto.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}
} // namespace

Conexao::Conexao(Enlace& enlace, Identificacao& identificacao, PainelConexao& painel, QObject* parent)
    : QObject(parent)
    , m_enlace(enlace)
    , m_identificacao(identificacao)
    , m_painel(painel) {
    m_timer.setObjectName(QStringLiteral("TimerValidaPorta"));
    m_timer.setInterval(300);
    connect(&m_timer, &QTimer::timeout, this, &Conexao::validaPorta);
    connect(&m_enlace, &Enlace::portaPerdida, this, [this] {
        m_timer.stop();
        m_religando = false;
        indicadoresDesligados();
        m_painel.defineModelo(QString());
    });
    connect(&m_enlace, &Enlace::dispositivoSumiu, this, &Conexao::perdeuDispositivo);
    connect(&m_identificacao, &Identificacao::respostaInvalida, this, &Conexao::semResposta);
    connect(&m_vigia, &VigiaPorta::voltou, this, &Conexao::religa);
    connect(&m_vigia, &VigiaPorta::desistiu, this, &Conexao::desisteReligar);
}

void Conexao::defineReligaAposPerda(bool ativa) {
    m_religaAposPerda = ativa;
    m_enlace.adiaAvisoPerda(ativa);
    // Turned off while watching: the technician is owed the box that was put off.
    if (!ativa && m_vigia.ativa())
        desisteReligar();
}

void Conexao::perdeuDispositivo(int porta) {
    if (!m_religaAposPerda) {
        // Still inside the port's own error handler: the box waits until it has returned.
        QMetaObject::invokeMethod(
            this, [] { Enlace::AvisaPortaPerdida(); }, Qt::QueuedConnection);
        return;
    }
    m_vigia.inicia(porta, pasta(), m_alvoAberto);
    mostraReligando();
}

void Conexao::mostraReligando() {
    // The button stops the watch, as it would close the link.
    m_painel.defineLegendaConectar(QStringLiteral("Desconectar"));
    m_painel.MostraStatus(QStringLiteral("Amarelo"));
    m_painel.defineTextoStatus(QStringLiteral("Religando"));
}

void Conexao::religa(int porta) {
    if (m_enlace.Status() != QLatin1String("0"))
        return;
    try {
        m_enlace.abre(porta, pasta());
    } catch (const ErroVB&) {
        // The node can show up before it may be opened (udev sets its mode a moment later): the
        // watch tries again on its next look.
        return;
    }
    m_vigia.para();
    m_religando = true;
    m_alvoAberto = VigiaPorta::AlvoLink(porta, pasta());
    iniciaVerificacao();
}

void Conexao::desisteReligar() {
    m_vigia.para();
    m_religando = false;
    indicadoresDesligados();
    m_painel.defineTextoStatus(m_enlace.textoStatus());
    Enlace::AvisaPortaPerdida();
    m_painel.CarregaPortas();
}

QString Conexao::pasta() const {
    return m_pasta.isEmpty() ? globais().PastaPrograma : m_pasta;
}

void Conexao::clique() {
    // The user's disconnect ends a watch for a lost adapter: nothing more is said.
    if (m_vigia.ativa()) {
        m_vigia.para();
        indicadoresDesligados();
        m_painel.defineTextoStatus(m_enlace.textoStatus());
        return;
    }
    const QString& status = m_enlace.Status();
    if (status == QLatin1String("2") || status == QLatin1String("3"))
        return;
    // Closing needs no port number: the list may show another port by now (the refresh icon picks
    // the highest), and the link must close all the same.
    if (status != QLatin1String("0")) {
        desconecta();
        return;
    }
    const std::optional<double> numero = numeroPorta(m_painel.textoPorta());
    if (!numero) {
        Mensagem(QStringLiteral("SEM_PORTA"));
        return;
    }
    if (*numero > MaiorPortaUsavel) {
        const auto r = dialogos().mensagem(Dialogos::Icone::Informacao, Traduz(QStringLiteral("Porta Serial COM")),
                                           Traduz(QStringLiteral("Porta 16")), Dialogos::Botoes::SimNaoCancelar);
        if (r == Dialogos::Resposta::Sim)
            m_painel.AbrePaginaServidor(3);
        return;
    }
    conecta(static_cast<int>(std::lround(*numero)));
}

void Conexao::conecta(int porta) {
    if (!abrePorta(porta))
        return;
    iniciaVerificacao();
}

bool Conexao::abrePorta(int porta) {
    try {
        m_enlace.abre(porta, pasta());
    } catch (const ErroVB& e) {
        if (e.numero() == ErroSerial::PortaEmUso)
            Mensagem(QStringLiteral("MSG_PORTA_EM_USO"));
        else if (e.numero() == ErroSerial::SemAcesso)
            Mensagem(QStringLiteral("MSG_PORTA_SEM_ACESSO"));
        else if (e.numero() == ErroSerial::NumeroInvalido || e.numero() == ErroSerial::NaoAberta)
            Mensagem(QStringLiteral("MSG_PORTA_INVALIDA"));
        else
            dialogos().erro(e.numero(), e.descricao());
        m_painel.CarregaPortas();
        return false;
    }
    m_alvoAberto = VigiaPorta::AlvoLink(porta, pasta());
    return true;
}

void Conexao::iniciaVerificacao() {
    // Each connection gets the whole check: a count left over from an earlier one would cut it short.
    m_contador = 0;
    m_enlace.defineComando(ConsultaModelo);
    if (!m_enlace.EnviaComando()) {
        // Already reported by the send; without a query under way the check could never end.
        m_enlace.fecha();
        m_enlace.defineEstado(EstadoEnlace::Desconectado);
        m_religando = false;
        indicadoresDesligados();
        m_painel.CarregaPortas();
        return;
    }
    m_timer.start();
    m_painel.defineLegendaConectar(QStringLiteral("Conectando"));
    m_enlace.defineEstado(EstadoEnlace::Conectando);
    m_painel.MostraStatus(QStringLiteral("Amarelo"));
    if (m_religando)
        m_painel.defineTextoStatus(QStringLiteral("Religando"));
}

void Conexao::desconecta() {
    m_enlace.fecha();
    indicadoresDesligados();
    m_enlace.defineEstado(EstadoEnlace::Desconectado);
    m_timer.stop();
    m_painel.defineModelo(QString());
}

void Conexao::indicadoresDesligados() {
    m_painel.defineLegendaConectar(QStringLiteral("Conectar"));
    m_painel.MostraStatus(QStringLiteral("Branco"));
}

void Conexao::validaPorta() {
    if (m_enlace.Status() != QLatin1String("1"))
        return;
    ++m_contador;
    if (m_contador > TicksSemResposta) {
        semResposta();
        return;
    }
    if (m_enlace.txtConsole().length() > RespostaMinima) {
        m_timer.stop();
        m_religando = false;
        m_painel.defineLegendaConectar(QStringLiteral("Desconectar"));
        m_painel.MostraStatus(QStringLiteral("Verde"));
        m_enlace.defineEstado(EstadoEnlace::Ocioso);
        m_painel.conectado();
        if (m_identificacao.VarianteConexao())
            m_contador = 0;
    }
}

void Conexao::semResposta() {
    m_timer.stop();
    m_religando = false;
    m_enlace.defineComando(QString());
    // One box: what went wrong and, below it, the steps that put it right.
    MensagemJunta(QStringLiteral("MSG_PORTA_NAO_RESPONDE"), QStringLiteral("MSG_PORTA"));
    m_enlace.fecha();
    indicadoresDesligados();
    m_enlace.defineEstado(EstadoEnlace::Desconectado);
    m_painel.defineModelo(QString());
    m_contador = 0;
    m_painel.CarregaPortas();
}

} // namespace tarsel
