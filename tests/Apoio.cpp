#include "Apoio.h"

#include "app/Inicial.h"
#include "base/Globais.h"
#include "link/Enlace.h"
#include "link/MapaPortas.h"
#include "online/Servidor.h"
#include "store/Banco.h"
#include "tela/AbreLink.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QTcpServer>
#include <QUrlQuery>
#include <QtTest>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>

namespace tarsel::teste {

PastaPrograma::PastaPrograma(bool comBanco) {
    QDir(m_dir.path()).mkpath(QStringLiteral("ports"));
    if (comBanco) {
        QFile::copy(QStringLiteral(TARSEL_CONFIG_MODELO), banco());
        QFile(banco()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    auto& g = globais();
    g.PastaPrograma = m_dir.path();
    g.CaminhoBanco = banco();
}

PastaPrograma::~PastaPrograma() {
    auto& g = globais();
    g.PastaPrograma.clear();
    g.CaminhoBanco.clear();
}

void executaSql(const QString& caminhoBanco, const QString& sql) {
    Banco b(caminhoBanco);
    b.executaScript(sql);
}

// Starts one of the project's tools and waits for its first line (READY ...). Its log goes straight to the
// test's output, so nothing has to drain it, and it dies with the test process, so a test that crashes
// leaves nothing running. Returns that line, or a null text with `erro` saying what went wrong.
static QString IniciaAteReady(QProcess& processo, const QString& programa, const QStringList& argumentos, QString& erro,
                              bool tempoReal = false) {
    const QString nome = QFileInfo(programa).fileName();
    processo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    processo.setChildProcessModifier([tempoReal] {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // The simulated BOX stands for hardware, which answers within milliseconds whatever the PC is
        // doing; starved of CPU by builds beside the suite it would answer after the first poll, which
        // ends the answer empty. Where the tests may raise its priority they do; elsewhere nothing changes.
        if (tempoReal)
            ::setpriority(PRIO_PROCESS, 0, -10);
    });
    processo.start(programa, argumentos);
    if (!processo.waitForStarted(10000)) {
        erro = processo.errorString();
        return {};
    }
    const QDeadlineTimer prazo(10000);
    QByteArray saida;
    while (!saida.contains('\n')) {
        if (processo.state() != QProcess::Running && processo.bytesAvailable() == 0) {
            erro = QStringLiteral("%1 ended before READY (exit code %2)").arg(nome).arg(processo.exitCode());
            return {};
        }
        if (prazo.hasExpired()) {
            erro = QStringLiteral("no READY line from %1").arg(nome);
            return {};
        }
        processo.waitForReadyRead(int(qMax<qint64>(1, prazo.remainingTime())));
        saida += processo.readAllStandardOutput();
    }
    return QString::fromLocal8Bit(saida.left(saida.indexOf('\n')));
}

Simulador::Simulador(const QString& pastaPrograma, int porta, const QString& modelo, const QStringList& falhas,
                     const QStringList& extras)
    : m_porta(porta)
    , m_link(QDir(pastaPrograma).absoluteFilePath(QStringLiteral("ports/COM%1").arg(porta))) {
    QStringList argumentos{QStringLiteral("--pasta"),  pastaPrograma, QStringLiteral("--porta"), QString::number(porta),
                           QStringLiteral("--modelo"), modelo};
    for (const QString& falha : falhas)
        argumentos << QStringLiteral("--falha") << falha;
    argumentos << extras;
    const QString linha = IniciaAteReady(m_processo, QStringLiteral(TARSEL_SIM), argumentos, m_erro, true);
    if (linha.isNull())
        return;
    const QStringList partes = linha.split(u' ');
    if (partes.size() != 3 || partes.at(0) != QLatin1String("READY") ||
        partes.at(1) != QStringLiteral("COM%1").arg(porta)) {
        m_erro = QStringLiteral("unexpected first line from tarsel-sim: %1").arg(linha);
        return;
    }
    m_pty = partes.at(2);
    m_pronto = true;
}

Simulador::~Simulador() {
    if (m_processo.state() == QProcess::NotRunning)
        return;
    m_processo.terminate(); // SIGTERM: it removes its link
    if (!m_processo.waitForFinished(5000)) {
        m_processo.kill();
        m_processo.waitForFinished(5000);
    }
}

ServidorTeste::ServidorTeste(const QStringList& argumentos) {
    const QString linha = IniciaAteReady(m_processo, QStringLiteral(TARSEL_SERVIDOR), argumentos, m_erro);
    if (linha.isNull())
        return;
    const QStringList partes = linha.split(u' ');
    if (partes.size() != 2 || partes.at(0) != QLatin1String("READY") ||
        !partes.at(1).startsWith(QLatin1String("http://127.0.0.1:")) || !partes.at(1).endsWith(QLatin1Char('/'))) {
        m_erro = QStringLiteral("unexpected first line from tarsel-server: %1").arg(linha);
        return;
    }
    m_base = partes.at(1);
    m_pronto = true;
}

ServidorTeste::~ServidorTeste() {
    if (m_processo.state() == QProcess::NotRunning)
        return;
    m_processo.kill();
    m_processo.waitForFinished(5000);
}

bool ServidorTeste::controla(const QString& versao, bool avisos, const QString& falha) {
    if (!m_pronto)
        return false;
    QUrl url(m_base + QStringLiteral("controle"));
    QUrlQuery consulta;
    consulta.addQueryItem(QStringLiteral("versao"), versao);
    consulta.addQueryItem(QStringLiteral("avisos"), avisos ? QStringLiteral("1") : QStringLiteral("0"));
    consulta.addQueryItem(QStringLiteral("falha"), falha);
    url.setQuery(consulta);
    QNetworkAccessManager rede;
    QNetworkRequest pedido(url);
    pedido.setTransferTimeout(5000);
    QNetworkReply* resposta = rede.get(pedido);
    QEventLoop espera;
    QObject::connect(resposta, &QNetworkReply::finished, &espera, &QEventLoop::quit);
    espera.exec();
    const bool ok = resposta->error() == QNetworkReply::NoError && resposta->readAll() == "OK";
    delete resposta;
    return ok;
}

int AbreTerminalAparelho(const QString& pasta, int porta, QString* escravo) {
    const int fd = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0)
        return -1;
    if (::grantpt(fd) != 0 || ::unlockpt(fd) != 0) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    // Raw from the start, so that bytes sent before the program opens its end are not echoed.
    termios t{};
    ::tcgetattr(fd, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(fd, TCSANOW, &t);
    const QString nome = QString::fromLocal8Bit(::ptsname(fd));
    QFile::remove(MapaPortas::CaminhoPorta(porta, pasta));
    QFile::link(nome, MapaPortas::CaminhoPorta(porta, pasta));
    if (escravo)
        *escravo = nome;
    return fd;
}

QString ServidorFechado() {
    QTcpServer livre;
    if (!livre.listen(QHostAddress::LocalHost, 0))
        return QStringLiteral("http://127.0.0.1:9/");
    const quint16 porta = livre.serverPort();
    livre.close();
    return QStringLiteral("http://127.0.0.1:%1/").arg(porta);
}

CapturaLinks::CapturaLinks() {
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "abre");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "abre");
    // The server's addresses reach the browser the way the program hands them over.
    InstalaNavegadorSistema();
}

CapturaLinks::~CapturaLinks() {
    instalaNavegador({});
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

bool ConectaPrincipal(Inicial& principal, int porta, const QString& numero, int ms) {
    principal.CarregaPortas();
    principal.cbPortas()->setCurrentText(QString::number(porta));
    principal.Botoes(Botao::Conectar)->click();
    const bool ok = QTest::qWaitFor(
        [&] { return principal.lbModelo()->text() == numero && principal.enlace().Status() == QLatin1String("1"); },
        ms);
    if (!ok) {
        // What the link saw, for the test's log: a failed connection is otherwise a bare "false".
        qWarning().noquote() << "not connected: status" << principal.enlace().Status() << "model label"
                             << principal.lbModelo()->text() << "command" << principal.enlace().txtComandos()
                             << "console" << principal.enlace().txtConsole().toUtf8().toPercentEncoding(" :#-");
    }
    return ok;
}

SemPassePermissoes::SemPassePermissoes() {
    static_assert(sizeof(m_antes) == 2 * sizeof(__user_cap_data_struct));
    if (geteuid() != 0) {
        m_valido = true;
        return;
    }
    auto* antes = reinterpret_cast<__user_cap_data_struct*>(m_antes);
    __user_cap_header_struct cabecalho{_LINUX_CAPABILITY_VERSION_3, 0};
    if (syscall(SYS_capget, &cabecalho, antes) != 0)
        return;
    __user_cap_data_struct sem[2] = {antes[0], antes[1]};
    sem[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
    m_valido = m_restaura = syscall(SYS_capset, &cabecalho, sem) == 0;
}

SemPassePermissoes::~SemPassePermissoes() {
    if (m_restaura) {
        __user_cap_header_struct cabecalho{_LINUX_CAPABILITY_VERSION_3, 0};
        syscall(SYS_capset, &cabecalho, reinterpret_cast<__user_cap_data_struct*>(m_antes));
    }
}

} // namespace tarsel::teste
