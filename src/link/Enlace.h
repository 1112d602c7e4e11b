#pragma once

#include "link/Resposta.h"
#include "link/Roteador.h"
#include "link/TextoConsole.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

namespace tarsel {

class ErroVB;

// The link state. Its digit text ("0" to "3", see `Enlace::Status`) is what the screens compare.
enum class EstadoEnlace {
    Desconectado = 0, // port closed
    Ocioso = 1,       // connected and idle: the only state in which a screen may send
    Conectando = 2,   // port opened, the first query under way
    Comunicando = 3,  // a command under way
};

// The query that identifies the phone (also the connection check).
inline const QString ConsultaModelo = QStringLiteral("syscfg print RMd#");

// The device link: the one serial port, the link state, the command field, the console and the
// single command in flight with its polling and end rules. Answers go to the receiver registered
// for the active-screen code (globais().TelaAtiva).
class Enlace : public QObject {
    Q_OBJECT
public:
    explicit Enlace(QObject* parent = nullptr);
    ~Enlace() override;

    // Opens pasta/ports/COM<porta> at 115200 8N1. Throws ErroVB: 8002 no such port, 8005 in use by
    // another program, 8070 the user may not open it, 8012 not a usable serial device, other numbers as the line
    // reports them.
    void abre(int porta, const QString& pasta);
    // Stops the polling and closes the port; the link state is the caller's to set.
    void fecha();
    bool portaAberta() const { return m_porta.isOpen(); }
    // The COM number of the last port opened (0 before any).
    int numeroPorta() const { return m_numeroPorta; }

    // Link state as its digit: "0" disconnected, "2" connecting, "3" command under way, "1" idle.
    const QString& Status() const { return m_status; }
    EstadoEnlace estado() const { return m_estado; }
    bool ocioso() const { return m_estado == EstadoEnlace::Ocioso; }
    // Sets the state together with its status text and the main window's caption: "Comunicando..."
    // (translated) while connecting or communicating, the program's title otherwise.
    void defineEstado(EstadoEnlace estado);
    // The status text as its Portuguese key ("Desconectado", "Conectando", "Comunicando", "Conectado").
    const QString& textoStatus() const { return m_textoStatus; }
    // The main window's caption as the link last set it (empty until then).
    const QString& titulo() const { return m_titulo; }

    // The command field: the current or last command, without line end.
    const QString& txtComandos() const { return m_console.comando(); }
    void defineComando(const QString& comando);
    // The console: the answer of the current or last command.
    const QString& txtConsole() const { return m_console.texto(); }
    // Replaces the console as a whole.
    void defineConsole(const QString& texto);
    // Appends `texto` with every line feed turned into CR LF.
    void AdicionaDadosConsole(const QString& texto);

    // BOX model "1": polls every 100 ms, at most 200; "2": 500 ms, 100. Any other value: 100 ms and
    // no limit of its own; the 8-bit poll counter then ends the answer at its 255th count. A model
    // chosen while an answer streams may set a limit the count has passed: the next poll ends it.
    void defineModeloBox(const QString& modelo);
    const QString& modeloBox() const { return m_modeloBox; }
    int intervaloLeitura() const { return m_timer1.interval(); }
    int limiteLeituras() const { return m_limite; }

    // Sends the command field (nothing when it is empty): state "3", whatever waits on the line
    // dropped, command + CR on the line, first poll armed. A failed send is reported here (closed
    // port: "MSG_PORTA"; otherwise the error box titled "Erro ao enviar comando Nº " + number) and the
    // link is put back to "1" when the port is still open, "0" (with portaPerdida) when it is not.
    // Returns true when the command went out.
    bool EnviaComando();

    // With `adia`, a device that goes away is reported by dispositivoSumiu instead of the lost-port box:
    // whoever watches for it gives the box (AvisaPortaPerdida) when it does not come back.
    void adiaAvisoPerda(bool adia) { m_avisoAdiado = adia; }
    bool avisoPerdaAdiado() const { return m_avisoAdiado; }
    // The box of a device that went away.
    static void AvisaPortaPerdida();

    Roteador& roteador() { return m_roteador; }
    const QTimer& Timer1() const { return m_timer1; }
    const QTimer& Timer2() const { return m_timer2; }
    int contadorLeituras() const { return m_leituras; }
    // Bytes that came with no command in flight (the tail of an answer that outlived its poll limit,
    // noise) and were dropped, since the link was made.
    qint64 bytesDescartados() const { return m_descartados; }

signals:
    void statusMudou(const QString& status);
    void textoStatusMudou(const QString& chave);
    void tituloMudou(const QString& titulo);
    // `acrescimo` was appended; with `substituido` the whole console was replaced instead.
    void consoleMudou(const QString& acrescimo, bool substituido);
    // The command field went out on the line.
    void enviado(const QString& comando);
    // After the receiver has had the answer, before the state returns to "1".
    void entregue(const tarsel::Resposta& resposta);
    // The port was lost (the device went away) or found closed: the link is now "0".
    void portaPerdida();
    // After portaPerdida, when the device went away and its box was put off (adiaAvisoPerda).
    void dispositivoSumiu(int porta);

private:
    void primeiraLeitura();
    void proximaLeitura();
    void FinalizaComando();
    void falhaLeitura(QTimer& timer, const ErroVB& erro);
    void erroPorta(QSerialPort::SerialPortError erro);
    void perdeEnlace();
    void defineTitulo(const QString& titulo);
    void mudouConsole(const QString& acrescimo, bool substituido);
    void chegaramBytes();
    void descartaEntrada();
    bool comandoEmCurso() const { return m_timer1.isActive() || m_timer2.isActive(); }
    QString leTrecho();
    static int codigoAtivo();

    QSerialPort m_porta;
    Roteador m_roteador;
    QTimer m_timer1;
    QTimer m_timer2;
    EstadoEnlace m_estado = EstadoEnlace::Desconectado;
    QString m_status = QStringLiteral("0");
    QString m_textoStatus = QStringLiteral("Desconectado");
    QString m_titulo;
    TextoConsole m_console;
    // What the line brought since the last poll. Taken from the port as it arrives: Qt's own buffer
    // sets aside a 32 KB block for every read while anything is left unread, so a line that
    // trickles a few dozen bytes at a time would cost hundreds of times its size between polls.
    QByteArray m_entrada;
    qint64 m_descartados = 0;
    QString m_modeloBox;
    int m_limite = 0;
    int m_leituras = 0;
    int m_numeroPorta = 0;
    bool m_avisoAdiado = false;
};

} // namespace tarsel
