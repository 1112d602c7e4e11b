#include "link/Enlace.h"

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/ErroSerial.h"
#include "link/MapaPortas.h"

namespace tarsel {

namespace {
const QString Prompt = QStringLiteral(":-)");
const QString CrLf = QStringLiteral("\r\n");
constexpr int CodigoBateria = 19;   // the battery timer reading waits for the prompt
constexpr int LimiteContador = 255; // the poll counter is 8 bits wide
} // namespace

Enlace::Enlace(QObject* parent)
    : QObject(parent) {
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    connect(&m_timer1, &QTimer::timeout, this, &Enlace::primeiraLeitura);
    connect(&m_timer2, &QTimer::timeout, this, &Enlace::proximaLeitura);
    connect(&m_porta, &QSerialPort::errorOccurred, this, &Enlace::erroPorta);
    connect(&m_porta, &QSerialPort::readyRead, this, &Enlace::chegaramBytes);
    defineModeloBox(QString());
}

Enlace::~Enlace() {
    m_porta.disconnect(this);
    fecha();
}

void Enlace::abre(int porta, const QString& pasta) {
    fecha();
    if (porta < 1)
        throw ErroSerial::de(ErroSerial::NumeroInvalido);
    m_numeroPorta = porta;
    const QString caminho = MapaPortas::CaminhoPorta(porta, pasta);
    m_porta.setPortName(caminho);
    m_porta.setBaudRate(QSerialPort::Baud115200);
    m_porta.setDataBits(QSerialPort::Data8);
    m_porta.setParity(QSerialPort::NoParity);
    m_porta.setStopBits(QSerialPort::OneStop);
    m_porta.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_porta.open(QIODevice::ReadWrite))
        throw ErroSerial::deAbertura(m_porta, caminho);
    // Input that arrived before the open belongs to nobody.
    m_porta.clear();
    m_entrada.clear();
}

void Enlace::fecha() {
    m_timer1.stop();
    m_timer2.stop();
    if (m_porta.isOpen())
        m_porta.close();
}

void Enlace::defineEstado(EstadoEnlace estado) {
    static const QString Digitos[] = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                      QStringLiteral("3")};
    static const QString Textos[] = {QStringLiteral("Desconectado"), QStringLiteral("Conectado"),
                                     QStringLiteral("Conectando"), QStringLiteral("Comunicando")};
    const int i = int(estado);
    const bool ocupado = estado == EstadoEnlace::Conectando || estado == EstadoEnlace::Comunicando;
    defineTitulo(ocupado ? Traduz(QStringLiteral("Comunicando")) + QStringLiteral("...") : globais().TituloPrincipal);
    if (Textos[i] != m_textoStatus) {
        m_textoStatus = Textos[i];
        emit textoStatusMudou(m_textoStatus);
    }
    if (estado == m_estado)
        return;
    m_estado = estado;
    m_status = Digitos[i];
    emit statusMudou(m_status);
}

void Enlace::defineTitulo(const QString& titulo) {
    if (titulo == m_titulo)
        return;
    m_titulo = titulo;
    emit tituloMudou(m_titulo);
}

void Enlace::defineComando(const QString& comando) {
    m_console.defineComando(comando);
}

void Enlace::defineConsole(const QString& texto) {
    if (texto == m_console.texto())
        return;
    m_console.substitui(texto);
    mudouConsole(QString(), true);
}

void Enlace::AdicionaDadosConsole(const QString& texto) {
    if (texto.isEmpty())
        return;
    QString trecho = texto;
    trecho.replace(QLatin1Char('\n'), CrLf);
    m_console.acrescenta(trecho);
    mudouConsole(trecho, false);
}

void Enlace::mudouConsole(const QString& acrescimo, bool substituido) {
    emit consoleMudou(acrescimo, substituido);
    if (globais().EspelhoAtivo)
        m_roteador.espelha({codigoAtivo(), m_console.comando(), m_console.texto(), m_console.R()}, acrescimo,
                           substituido);
}

void Enlace::defineModeloBox(const QString& modelo) {
    m_modeloBox = modelo;
    int intervalo = 100;
    if (modelo == QLatin1String("1")) {
        m_limite = 200;
    } else if (modelo == QLatin1String("2")) {
        intervalo = 500;
        m_limite = 100;
    } else {
        m_limite = LimiteContador;
    }
    m_timer1.setInterval(intervalo);
    m_timer2.setInterval(intervalo);
}

bool Enlace::EnviaComando() {
    if (txtComandos().isEmpty())
        return false;
    defineEstado(EstadoEnlace::Comunicando);
    try {
        if (!m_porta.isOpen())
            throw ErroSerial::de(ErroSerial::SomentePortaAberta);
        descartaEntrada();
        // The line can die as it is cleared; that was reported as the lost port.
        if (!m_porta.isOpen())
            return false;
        const QByteArray linha = txtComandos().toLatin1() + '\r';
        if (m_porta.write(linha) != linha.size())
            throw ErroSerial::de(m_porta);
        // The port keeps what is written until the event loop runs again; on a busy PC that can be after the
        // first poll is due, which would then find no answer to a command the device never got. Out now,
        // so that the poll's time counts from the send.
        m_porta.flush();
        if (!m_porta.isOpen())
            return false;
    } catch (const ErroVB& e) {
        if (e.numero() == ErroSerial::SomentePortaAberta)
            Mensagem(QStringLiteral("MSG_PORTA"));
        else
            dialogos().erro(e.numero(), e.descricao(), QStringLiteral("Erro ao enviar comando Nº "));
        if (m_porta.isOpen()) {
            defineEstado(EstadoEnlace::Ocioso);
        } else {
            perdeEnlace();
        }
        return false;
    }
    // One poller at a time: a send that ignored the state must not leave the previous one running.
    m_timer2.stop();
    m_timer1.start();
    emit enviado(txtComandos());
    return true;
}

void Enlace::chegaramBytes() {
    const qint64 n = m_porta.bytesAvailable();
    if (n <= 0)
        return;
    if (!comandoEmCurso()) {
        // Nobody asked for these: kept, they would open the next command's answer.
        m_descartados += qMax<qint64>(m_porta.skip(n), 0);
        return;
    }
    const qsizetype antes = m_entrada.size();
    m_entrada.resize(antes + n);
    const qint64 lidos = m_porta.read(m_entrada.data() + antes, n);
    m_entrada.resize(antes + qMax<qint64>(lidos, 0));
}

void Enlace::descartaEntrada() {
    m_descartados += m_entrada.size() + m_porta.bytesAvailable();
    m_entrada.resize(0);
    // Also what the system holds for the port and Qt has not read yet.
    m_porta.clear(QSerialPort::Input);
}

QString Enlace::leTrecho() {
    if (!m_porta.isOpen())
        throw ErroSerial::de(ErroSerial::SomentePortaAberta);
    // Bytes the system already holds but whose notice has not been handled yet: on a busy PC the poll's
    // timer can come first, and the poll would take an answer that has arrived for silence (ending it
    // empty). A zero wait brings them in now; it blocks for nothing.
    if (m_porta.waitForReadyRead(0) || m_porta.error() == QSerialPort::TimeoutError)
        m_porta.clearError();
    // The wait may have found the device gone (reported through the port's error).
    if (!m_porta.isOpen())
        throw ErroSerial::de(ErroSerial::SomentePortaAberta);
    chegaramBytes();
    // One byte is one character, whatever the device sends.
    const QString trecho = QString::fromLatin1(m_entrada);
    m_entrada.resize(0);
    return trecho;
}

int Enlace::codigoAtivo() {
    return globais().TelaAtiva.trimmed().toInt();
}

void Enlace::primeiraLeitura() {
    try {
        defineConsole(QString());
        defineConsole(CrLf);
        const QString trecho = leTrecho();
        const int n = codigoAtivo();
        if (m_modeloBox == QLatin1String("1") && n != CodigoBateria && txtComandos() != ConsultaModelo &&
            trecho.contains(Prompt)) {
            m_timer1.stop();
            AdicionaDadosConsole(trecho);
            FinalizaComando();
        } else if (!trecho.isEmpty()) {
            m_leituras = 1;
            AdicionaDadosConsole(trecho);
            m_timer1.stop();
            m_timer2.start();
        } else {
            m_timer1.stop();
            FinalizaComando();
        }
    } catch (const ErroVB& e) {
        falhaLeitura(m_timer1, e);
    }
}

void Enlace::proximaLeitura() {
    try {
        const QString trecho = leTrecho();
        const int n = codigoAtivo();
        // At or past the limit: a BOX model changed mid-answer may have lowered it below the count.
        const bool noLimite = m_leituras >= m_limite;
        bool fim;
        bool cortada = false;
        if (n != CodigoBateria) {
            fim = (trecho.isEmpty() && m_leituras > 5) || noLimite;
            cortada = noLimite && !trecho.isEmpty();
        } else {
            const bool prompt = trecho.contains(Prompt);
            fim = prompt || noLimite || (trecho.isEmpty() && m_leituras > 100);
            cortada = noLimite && !prompt && !trecho.isEmpty();
        }
        if (fim) {
            m_timer2.stop();
            AdicionaDadosConsole(trecho);
            FinalizaComando();
            // Still arriving at the limit: the phone never ended it. The screen has had what came and
            // is free again; the technician is told the reading was cut, once.
            if (cortada) {
                Mensagem(QStringLiteral("MSG_RESPOSTA_SEM_FIM"));
            }
        } else {
            AdicionaDadosConsole(trecho);
            ++m_leituras;
        }
    } catch (const ErroVB& e) {
        falhaLeitura(m_timer2, e);
    }
}

void Enlace::FinalizaComando() {
    auto& g = globais();
    defineTitulo(g.TituloPrincipal);
    g.EspelhoAtivo = false;
    {
        const Resposta r{codigoAtivo(), m_console.comando(), m_console.texto(), m_console.R()};
        m_roteador.entrega(r);
        emit entregue(r);
    }
    g.TelaAtiva = QStringLiteral("0");
    defineEstado(EstadoEnlace::Ocioso);
}

void Enlace::falhaLeitura(QTimer& timer, const ErroVB& erro) {
    defineEstado(EstadoEnlace::Ocioso);
    timer.stop();
    dialogos().erro(erro.numero(), erro.descricao());
}

void Enlace::erroPorta(QSerialPort::SerialPortError erro) {
    if (erro != QSerialPort::ReadError && erro != QSerialPort::ResourceError)
        return;
    // The line floods this signal once the device is gone: act on the first only.
    if (!m_porta.isOpen())
        return;
    perdeEnlace();
    if (m_avisoAdiado) {
        emit dispositivoSumiu(m_numeroPorta);
        return;
    }
    // The box waits until the port's own handler has returned.
    QMetaObject::invokeMethod(
        this, [] { AvisaPortaPerdida(); }, Qt::QueuedConnection);
}

void Enlace::AvisaPortaPerdida() {
    dialogos().erro(ErroSerial::ErroLeitura, ErroSerial::descricao(ErroSerial::ErroLeitura));
}

void Enlace::perdeEnlace() {
    fecha();
    auto& g = globais();
    // No answer is coming: whoever asked must not receive the next connection's query.
    g.TelaAtiva = QStringLiteral("0");
    g.EspelhoAtivo = false;
    defineEstado(EstadoEnlace::Desconectado);
    emit portaPerdida();
}

} // namespace tarsel
