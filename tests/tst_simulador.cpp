// The simulated BOX as the program sees it: a real serial port on the simulator's pseudo-terminal.

#include "Apoio.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace tarsel::teste;

namespace {

const QByteArray ConsultaModelo = "syscfg print RMd#";
const QByteArray LeituraPmu = "pmuadc --read all";
const QRegularExpression PromptNoFim(QStringLiteral("\\[[0-9A-F]{8}:[0-9A-F]{8}\\] :-\\) $"));
// 115200 baud, 8N1.
constexpr double BytesPorMs = 11.52;

QString pastaPerfis() {
    return QFileInfo(QStringLiteral(TARSEL_SIM)).absolutePath() + QStringLiteral("/perfis");
}

// The answer lines (notes dropped) of one command in a profile file, as the shell is meant to send them.
QList<QByteArray> linhasDoPerfil(const QString& arquivo, const QByteArray& comando) {
    QFile f(pastaPerfis() + u'/' + arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> linhas;
    bool dentro = false;
    for (QByteArray linha : f.readAll().split('\n')) {
        if (linha.startsWith("== ")) {
            dentro = linha.mid(3).trimmed() == comando;
            continue;
        }
        if (!dentro || linha.trimmed().isEmpty() || linha.startsWith('#'))
            continue;
        const int nota = linha.indexOf(" ##");
        if (nota >= 0)
            linha.truncate(nota);
        linhas << linha.trimmed();
    }
    return linhas;
}

QByteArray ajusteDoPerfil(const QString& arquivo, const QByteArray& nome) {
    QFile f(pastaPerfis() + u'/' + arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& linha : f.readAll().split('\n')) {
        if (linha.startsWith(nome + ':'))
            return linha.mid(nome.size() + 1).trimmed();
    }
    return {};
}

// What follows the key on its line: the value token and the unit.
bool valorDaChave(const QList<QByteArray>& linhas, const QByteArray& chave, QByteArray* valor, QByteArray* unidade) {
    for (const QByteArray& linha : linhas) {
        if (!linha.startsWith(chave + ' '))
            continue;
        const QList<QByteArray> partes = linha.mid(chave.size() + 1).split(' ');
        if (partes.size() != 2)
            return false;
        *valor = partes.at(0);
        *unidade = partes.at(1);
        return true;
    }
    return false;
}

int linhasComChave(const QList<QByteArray>& linhas, const QByteArray& chave) {
    int n = 0;
    for (const QByteArray& linha : linhas)
        n += linha.startsWith(chave + ' ') ? 1 : 0;
    return n;
}

// The serial port of the program, on the simulator's link, with everything it has received so far.
class Porta {
public:
    bool abre(const QString& link) {
        m_porta.setPortName(link);
        m_porta.setBaudRate(QSerialPort::Baud115200);
        if (!m_porta.open(QIODevice::ReadWrite))
            return false;
        m_porta.clear();
        return true;
    }
    void fecha() { m_porta.close(); }

    void envia(const QByteArray& comando) { m_porta.write(comando + '\r'); }

    // Waits (on the port's own signal) until the received bytes satisfy the condition.
    bool esperaAte(const std::function<bool(const QByteArray&)>& condicao, int ms = 10000) {
        QElapsedTimer relogio;
        relogio.start();
        for (;;) {
            m_recebido += m_porta.readAll();
            if (condicao(m_recebido))
                return true;
            const qint64 resta = ms - relogio.elapsed();
            if (resta <= 0)
                return false;
            QSignalSpy chegou(&m_porta, &QSerialPort::readyRead);
            chegou.wait(int(resta));
        }
    }

    // Waits for the answer to the command sent last: from its echo to the prompt.
    bool esperaResposta(const QByteArray& comando, int ms = 10000) {
        return esperaAte(
            [&](const QByteArray& r) {
                const int eco = r.lastIndexOf(comando + "\r\n");
                return eco >= 0 && QString::fromLatin1(r.mid(eco)).contains(PromptNoFim);
            },
            ms);
    }

    // The answer lines between the last echo of the command and the prompt that follows.
    QList<QByteArray> linhas(const QByteArray& comando) const {
        const QByteArray marca = comando + "\r\n";
        const int eco = m_recebido.lastIndexOf(marca);
        if (eco < 0)
            return {};
        QByteArray corpo = m_recebido.mid(eco + marca.size());
        const int prompt = corpo.lastIndexOf('[');
        if (prompt >= 0)
            corpo.truncate(prompt);
        if (corpo.endsWith('\n'))
            corpo.chop(1);
        return corpo.isEmpty() ? QList<QByteArray>{} : corpo.split('\n');
    }

    QByteArray recebido() const { return m_recebido; }
    void esquece() { m_recebido.clear(); }
    QSerialPort& serial() { return m_porta; }

private:
    QSerialPort m_porta;
    QByteArray m_recebido;
};

// "key=ref" (within 10 % of the reference in mV, as the chip screens judge), "key>min" (above, in mV),
// or a bare key (present with a number).
void verificaChaves(const QList<QByteArray>& linhas, const QStringList& exigencias) {
    for (const QString& exigencia : exigencias) {
        const int sinal = exigencia.indexOf(QRegularExpression(QStringLiteral("[=>]")));
        const QByteArray chave = (sinal < 0 ? exigencia : exigencia.left(sinal)).toUtf8();
        QByteArray valor, unidade;
        QVERIFY2(valorDaChave(linhas, chave, &valor, &unidade), chave.constData());
        bool ok = false;
        const double v = valor.toDouble(&ok);
        QVERIFY2(ok, (chave + " " + valor).constData());
        if (sinal < 0)
            continue;
        const double limite = exigencia.mid(sinal + 1).toDouble();
        QCOMPARE(unidade, QByteArray("mV"));
        if (exigencia.at(sinal) == u'>')
            QVERIFY2(v > limite, (chave + " " + valor).constData());
        else
            QVERIFY2(qAbs((v - limite) / limite) < 0.10, (chave + " " + valor).constData());
    }
}

} // namespace

class TstSimulador : public QObject {
    Q_OBJECT

private slots:
    void consultaDoModelo_data();
    void consultaDoModelo();
    void brancosEFinsDeLinhaAMais();
    void leituraPmuDaFamilia_data();
    void leituraPmuDaFamilia();
    void leituraDosChips_data();
    void leituraDosChips();
    void respostasDoShell_data();
    void respostasDoShell();
    void consultaDoModeloComFalha_data();
    void consultaDoModeloComFalha();
    void boxSilencioso();
    void lixoSemNumeroUsavel();
    void desligaNoMeioDaResposta();
    void respostaSemFimAteONovoComando();
    void pausaNoMeioDaResposta();
    void falhaDeRail_data();
    void falhaDeRail();
    void falhaDoCarregador_data();
    void falhaDoCarregador();
    void falhaDosChipsDeDisplay_data();
    void falhaDosChipsDeDisplay();
    void placaDefeituosaTemTresRailsRuins();
    void ritmoDaLinha();
    void novoComandoCancelaAResposta();
    void portaReabertaContinuaRespondendo();
    void fragmentoIgualEmTodaResposta();
    void perfilComFragmentoSemLista_data();
    void perfilComFragmentoSemLista();

private:
    QTemporaryDir m_pasta;
};

void TstSimulador::consultaDoModelo_data() {
    QTest::addColumn<QString>("modelo");
    QTest::newRow("an IP 7 number comes on the line after the echo") << QStringLiteral("A1778");
    QTest::newRow("an IP X number comes the same way") << QStringLiteral("A1865");
    QTest::newRow("a number no family lists is answered as it is") << QStringLiteral("A2111");
}

void TstSimulador::consultaDoModelo() {
    QFETCH(QString, modelo);
    Simulador sim(m_pasta.path(), 3, modelo);
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    QVERIFY(QFileInfo(sim.link()).isSymLink());
    QCOMPARE(QFileInfo(sim.link()).symLinkTarget(), sim.pty());

    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    porta.envia(ConsultaModelo);
    QVERIFY(porta.esperaResposta(ConsultaModelo));
    const QRegularExpression forma(QStringLiteral("^syscfg print RMd#\\r\\n%1\\n\\[[0-9A-F]{8}:[0-9A-F]{8}\\] :-\\) $")
                                       .arg(QRegularExpression::escape(modelo)));
    QVERIFY2(QString::fromLatin1(porta.recebido()).contains(forma), porta.recebido().constData());
}

void TstSimulador::brancosEFinsDeLinhaAMais() {
    Simulador sim(m_pasta.path(), 3);
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));

    // Blanks around the command, an LF after the CR and an extra CR: one answer, and nothing for the empty line.
    porta.serial().write("  syscfg print RMd#  \r\n\r");
    QVERIFY(porta.esperaResposta("  syscfg print RMd#  "));
    porta.envia("help");
    QVERIFY(porta.esperaResposta("help"));

    const QByteArray r = porta.recebido();
    QVERIFY2(r.startsWith("  syscfg print RMd#  \r\nA1778\n["), r.constData());
    const int fimPrompt = r.indexOf(":-) ") + 4;
    QVERIFY2(r.mid(fimPrompt).startsWith("help\r\n"), r.constData());
}

void TstSimulador::leituraPmuDaFamilia_data() {
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("perfil");
    QTest::addColumn<QStringList>("chavesDasTelas");

    const QStringList tristarSeis{"BIST ldo3:=3000", "BIST ildo3:", "BIST buck3:=1800",
                                  "ibuck3:",         "BIST ldo6:",  "BIST ildo6:"};
    const QStringList tristar{"BIST ldo7:=3000", "BIST ildo7:", "BIST buck3:=1800",
                              "ibuck3:",         "BIST ldo6:",  "BIST ildo6:"};
    const QStringList acorn{"acorn ground :",   "acorn vin :",      "acorn vb :",           "acorn vp :=10000",
                            "acorn vn :=-6700", "acorn vh :=5250",  "acorn vl :",           "acorn va :=3500",
                            "acorn vc :=1100",  "BIST buck4:=1100", "BIST buck3_sw2:=1800", "acorn die_temp :",
                            "acorn ia :",       "acorn in :",       "acorn ip :",           "acorn ih :"};

    QTest::newRow("an IP 6 board reports its rails and the Tristar supplies") << "A1549"
                                                                              << "IP_6.txt" << tristarSeis;
    QTest::newRow("an IP 6 Plus board likewise") << "A1524"
                                                 << "IP_6_Plus.txt" << tristarSeis;
    QTest::newRow("an IP 6s board likewise") << "A1633"
                                             << "IP_6s.txt" << tristarSeis;
    QTest::newRow("an IP 6s Plus board likewise") << "A1634"
                                                  << "IP_6s_Plus.txt" << tristarSeis;
    QTest::newRow("an IP 7 board reports the Tristar supplies on ldo7") << "A1778"
                                                                        << "IP_7.txt" << tristar;
    QTest::newRow("an IP 7 Plus board likewise") << "A1784"
                                                 << "IP_7_Plus.txt" << tristar;
    QTest::newRow("an IP 8 board reports the Hydra supplies on ldo7") << "A1863"
                                                                      << "IP_8.txt" << tristar;
    QTest::newRow("an IP 8 Plus board likewise") << "A1864"
                                                 << "IP_8_Plus.txt" << tristar;
    QTest::newRow("an IP X board adds the Acorn lines") << "A1865"
                                                        << "IP_X.txt" << (tristar + acorn);
    QTest::newRow("a number no family lists gets the IP 7 board") << "A2111"
                                                                  << "IP_7.txt" << tristar;
}

void TstSimulador::leituraPmuDaFamilia() {
    QFETCH(QString, modelo);
    QFETCH(QString, perfil);
    QFETCH(QStringList, chavesDasTelas);
    Simulador sim(m_pasta.path(), 3, modelo);
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    porta.envia(LeituraPmu);
    QVERIFY(porta.esperaResposta(LeituraPmu));
    const QList<QByteArray> linhas = porta.linhas(LeituraPmu);

    // Every line is "key value unit" with single blanks.
    const QRegularExpression forma(QStringLiteral("^[^ :][^:]*: [^ ]+ [^ ]+$"));
    for (const QByteArray& linha : linhas)
        QVERIFY2(QString::fromLatin1(linha).contains(forma), linha.constData());

    // Every rail of the profile, once, under the line keys the rail screens search.
    const QRegularExpression chaveRail(QStringLiteral("^(BIST (buck|ldo|ildo)\\d+:|ibuck\\d+:)"));
    int rails = 0;
    for (const QByteArray& linha : linhasDoPerfil(perfil, LeituraPmu)) {
        const auto achou = chaveRail.match(QString::fromLatin1(linha));
        if (!achou.hasMatch())
            continue;
        ++rails;
        QCOMPARE(linhasComChave(linhas, achou.captured(1).toLatin1()), 1);
    }
    QVERIFY(rails >= 30);

    // The GPU converter cannot be measured in diagnostics mode: a timed-out value, with its unit.
    QByteArray valor, unidade;
    QVERIFY(valorDaChave(linhas, "BIST buck1:", &valor, &unidade));
    QVERIFY2(valor.contains("tim"), valor.constData());
    QCOMPARE(unidade, QByteArray("mV"));

    verificaChaves(linhas, chavesDasTelas);
}

void TstSimulador::leituraDosChips_data() {
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QByteArray>("comando");
    QTest::addColumn<QStringList>("chaves");

    const QStringList tigris{"tigris vbus :>4370", "tigris ibus :", "tigris vbat :>3600",
                             "tigris ibat :",      "tigris vdd :",  "tigris die_temp :"};
    const QStringList tigrisDupla{"tigris vbus1 :>4370", "tigris vbus2 :", "tigris vldo :", "tigris vntc :"};
    const QStringList chestnut{"chestnut vldo1 :=5700", "chestnut vldo2 :=5700", "chestnut vldo3 :=5100",
                               "chestnut ildo1 :",      "chestnut ildo2 :",      "chestnut ildo3 :",
                               "chestnut vneg :=-5700", "chestnut ineg :",       "chestnut vin :",
                               "chestnut ground :",     "chestnut vboost :=6000"};

    QTest::newRow("an IP 7 charger gives the six lines of one input")
        << "A1778" << QByteArray("pmuadc --sel tigris --read all") << tigris;
    QTest::newRow("an IP X charger gives the ten lines of two inputs")
        << "A1865" << QByteArray("pmuadc --sel tigris --read all") << (tigris + tigrisDupla);
    QTest::newRow("an IP 6s display power chip gives its eleven lines")
        << "A1633" << QByteArray("pmuadc --sel chestnut --read all") << chestnut;
    QTest::newRow("an IP 8 Plus display power chip likewise")
        << "A1864" << QByteArray("pmuadc --sel chestnut --read all") << chestnut;
}

void TstSimulador::leituraDosChips() {
    QFETCH(QString, modelo);
    QFETCH(QByteArray, comando);
    QFETCH(QStringList, chaves);
    Simulador sim(m_pasta.path(), 3, modelo);
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    porta.envia(comando);
    QVERIFY(porta.esperaResposta(comando));
    const QList<QByteArray> linhas = porta.linhas(comando);
    QCOMPARE(linhas.size(), chaves.size());
    verificaChaves(linhas, chaves);
}

void TstSimulador::respostasDoShell_data() {
    QTest::addColumn<QByteArray>("comando");
    QTest::addColumn<QStringList>("extras");
    QTest::addColumn<QStringList>("esperado");
    QTest::addColumn<QStringList>("proibido");

    QTest::newRow("an unknown command is refused with Command and never with Found")
        << QByteArray("foo --bar") << QStringList() << QStringList{"Command", "foo"} << QStringList{"Found"};
    QTest::newRow("help lists the commands it answers")
        << QByteArray("help") << QStringList() << QStringList{"pmuadc --read all", "syscfg print"}
        << QStringList{"Command"};
    QTest::newRow("a command in capitals with doubled blanks is still known")
        << QByteArray("PMUADC  --sel  tigris --read all") << QStringList() << QStringList{"tigris vbus : "}
        << QStringList{"Command"};
    QTest::newRow("the free backlight level answers with the level sent")
        << QByteArray("bl -p 35") << QStringList() << QStringList{"backlight: level 35 %"}
        << QStringList{"Command", "{arg}"};
    QTest::newRow("a colour field keeps the case of its text and the shell's one blank")
        << QByteArray("displaytext -t Placa7 -b magenta  -c white -w") << QStringList()
        << QStringList{"-t Placa7 -b magenta -c white -w", "full screen drawn"} << QStringList{"Command"};
    QTest::newRow("a command that only begins like an argument section is refused")
        << QByteArray("bl -p") << QStringList() << QStringList{"Command"} << QStringList{"backlight"};
    QTest::newRow("the USB chip register read, its double blanks as the IC screen sends it")
        << QByteArray("tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx") << QStringList()
        << QStringList{"tristar registers:", "vbus detect: present"} << QStringList{"Command"};
    QTest::newRow("the USB chip that does not answer")
        << QByteArray("tristar -p") << QStringList{"--falha", "tristar-sem-resposta"}
        << QStringList{"no response from device"} << QStringList{"status: OK"};
    QTest::newRow("Reset is acknowledged and the prompt returns after the restart")
        << QByteArray("Reset") << QStringList{"--reinicio-ms", "200"} << QStringList{"Resetting"}
        << QStringList{"Command"};
    QTest::newRow("a mute Wi-Fi chip answers without any phrase of a radio that answered")
        << QByteArray("wifi --on") << QStringList{"--falha", "radio-mudo"} << QStringList{"wifi: no response"}
        << QStringList{"on success", "OK", "already on"};
    QTest::newRow("with a mute Wi-Fi chip the other radios still answer")
        << QByteArray("bluetooth --on") << QStringList{"--falha", "radio-mudo"} << QStringList{"on success"}
        << QStringList{"no response"};
}

void TstSimulador::respostasDoShell() {
    QFETCH(QByteArray, comando);
    QFETCH(QStringList, extras);
    QFETCH(QStringList, esperado);
    QFETCH(QStringList, proibido);
    Simulador sim(m_pasta.path(), 3, QStringLiteral("A1778"), {}, extras);
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    porta.envia(comando);
    QVERIFY(porta.esperaResposta(comando));
    const QString resposta = QString::fromLatin1(porta.linhas(comando).join('\n'));
    for (const QString& texto : esperado)
        QVERIFY2(resposta.contains(texto), qPrintable(resposta));
    for (const QString& texto : proibido)
        QVERIFY2(!resposta.contains(texto), qPrintable(resposta));
}

void TstSimulador::consultaDoModeloComFalha_data() {
    QTest::addColumn<QString>("falha");
    QTest::addColumn<QStringList>("respostas"); // one per query, in order

    QTest::newRow("a missing driver is reported in place of the number")
        << "driver-ausente" << QStringList{"SystemConfig Driver is missing!"};
    QTest::newRow("an unknown key is reported as Not Found") << "nao-encontrado" << QStringList{"Not Found"};
    QTest::newRow("a refused query says Command every time") << "recusa-modelo" << QStringList{"Command", "Command"};
    QTest::newRow("a query refused once is answered the second time")
        << "recusa-modelo-uma-vez" << QStringList{"Command", "A1778"};
}

void TstSimulador::consultaDoModeloComFalha() {
    QFETCH(QString, falha);
    QFETCH(QStringList, respostas);
    Simulador sim(m_pasta.path(), 3, QStringLiteral("A1778"), {falha});
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    for (const QString& esperado : respostas) {
        porta.esquece();
        porta.envia(ConsultaModelo);
        QVERIFY(porta.esperaResposta(ConsultaModelo));
        const QList<QByteArray> linhas = porta.linhas(ConsultaModelo);
        QCOMPARE(linhas.size(), 1);
        QVERIFY2(linhas.first().contains(esperado.toLatin1()), linhas.first().constData());
        if (esperado != QLatin1String("A1778"))
            QVERIFY2(!linhas.first().contains("A1778"), linhas.first().constData());
        if (esperado == QLatin1String("Command"))
            QVERIFY2(!linhas.first().contains("Found"), linhas.first().constData());
    }
}

void TstSimulador::boxSilencioso() {
    Simulador sim(m_pasta.path(), 3, QStringLiteral("A1778"), {QStringLiteral("silencioso")});
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    porta.envia(ConsultaModelo);
    QSignalSpy chegou(&porta.serial(), &QSerialPort::readyRead);
    QVERIFY(!chegou.wait(1000));
    QCOMPARE(porta.serial().bytesAvailable(), 0);
}

void TstSimulador::lixoSemNumeroUsavel() {
    Simulador sim(m_pasta.path(), 3, QStringLiteral("A1778"), {QStringLiteral("lixo")});
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));

    porta.envia(ConsultaModelo);
    QVERIFY(porta.esperaResposta(ConsultaModelo));
    const QList<QByteArray> modelo = porta.linhas(ConsultaModelo);
    QCOMPARE(modelo.size(), 1);
    QVERIFY(!modelo.first().startsWith('A'));
    QVERIFY(modelo.first().contains('\0'));
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString texto = utf8.decode(modelo.first());
    QVERIFY(utf8.hasError());

    porta.envia(LeituraPmu);
    QVERIFY(porta.esperaResposta(LeituraPmu));
    const QByteArray pmu = porta.linhas(LeituraPmu).join('\n');
    QStringDecoder outro(QStringDecoder::Utf8);
    [[maybe_unused]] const QString textoPmu = outro.decode(pmu);
    QVERIFY(outro.hasError());
    QVERIFY(pmu.contains("BIST buck0: "));
}

void TstSimulador::desligaNoMeioDaResposta() {
    Simulador sim(m_pasta.path(), 3, QStringLiteral("A1778"), {QStringLiteral("desliga")});
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    QSignalSpy erros(&porta.serial(), &QSerialPort::errorOccurred);

    porta.envia(ConsultaModelo);
    QVERIFY(porta.esperaResposta(ConsultaModelo));
    porta.esquece();
    porta.envia(LeituraPmu);

    QTRY_COMPARE_WITH_TIMEOUT(sim.processo().state(), QProcess::NotRunning, 10000);
    QCOMPARE(sim.processo().exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.processo().exitCode(), 0);
    QVERIFY(!QFileInfo::exists(sim.link()) && !QFileInfo(sim.link()).isSymLink());
    QTRY_VERIFY(std::any_of(erros.cbegin(), erros.cend(), [](const QList<QVariant>& e) {
        const auto erro = e.at(0).value<QSerialPort::SerialPortError>();
        return erro == QSerialPort::ReadError || erro == QSerialPort::ResourceError;
    }));
    const QByteArray r = porta.recebido() + porta.serial().readAll();
    QVERIFY2(r.startsWith(LeituraPmu + "\r\nBIST buck0: "), r.constData());
    QVERIFY(!r.contains(":-)"));
}

void TstSimulador::respostaSemFimAteONovoComando() {
    Simulador sim(m_pasta.path(), 3, QStringLiteral("A1778"), {QStringLiteral("sem-fim")});
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));

    porta.envia(ConsultaModelo);
    QVERIFY(porta.esperaResposta(ConsultaModelo));
    porta.esquece();

    // Far more than the whole answer, and still no prompt.
    porta.envia(LeituraPmu);
    QVERIFY(porta.esperaAte([](const QByteArray& r) { return r.size() > 6000; }));
    QVERIFY(!porta.recebido().contains(":-)"));
    QVERIFY(porta.recebido().count("BIST buck0: ") >= 3);

    // The next command stops that stream; its own answer then never ends either.
    const QByteArray eco = ConsultaModelo + "\r\n";
    porta.envia(ConsultaModelo);
    QVERIFY(porta.esperaAte([&](const QByteArray& r) {
        const int i = r.indexOf(eco);
        return i >= 0 && r.mid(i).count("A1778\n") >= 5;
    }));
    QByteArray depois = porta.recebido().mid(porta.recebido().indexOf(eco) + eco.size());
    depois.truncate(depois.lastIndexOf('\n') + 1);
    QCOMPARE(depois, QByteArray("A1778\n").repeated(depois.size() / 6));
}

void TstSimulador::pausaNoMeioDaResposta() {
    // A pause far longer than the test: the second half of the answer can only be missing because of it.
    Simulador sim(m_pasta.path(), 3, QStringLiteral("A1778"), {QStringLiteral("pausa")},
                  {QStringLiteral("--pausa-ms"), QStringLiteral("60000")});
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));

    porta.envia(LeituraPmu);
    QVERIFY(porta.esperaAte([](const QByteArray& r) { return r.contains("BIST buck0: "); }));
    porta.envia(ConsultaModelo);
    QVERIFY(porta.esperaResposta(ConsultaModelo));
    const QByteArray r = porta.recebido();
    QVERIFY(!r.contains("BIST vrtc:"));
    QCOMPARE(r.count(":-)"), 1);
    QCOMPARE(porta.linhas(ConsultaModelo), QList<QByteArray>{"A1778"});
}

void TstSimulador::falhaDeRail_data() {
    QTest::addColumn<QString>("falha");
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("perfil");
    QTest::addColumn<QByteArray>("ajuste");

    QTest::newRow("a shorted rail of an IP 7 board reads 0 mV") << "curto-rail"
                                                                << "A1778"
                                                                << "IP_7.txt" << QByteArray("rail-falha");
    QTest::newRow("a high rail of an IP 6s board reads 15 % above its healthy value")
        << "alto-rail"
        << "A1633"
        << "IP_6s.txt" << QByteArray("rail-alto");
    QTest::newRow("the missing rail of an IP X board has no line") << "sem-linha"
                                                                   << "A1865"
                                                                   << "IP_X.txt" << QByteArray("rail-ausente");
}

void TstSimulador::placaDefeituosaTemTresRailsRuins() {
    // The faulty board: shorted, 15 % high and missing, each on a rail of its own.
    const QByteArray curto = ajusteDoPerfil("IP_8.txt", "rail-falha");
    const QByteArray alto = ajusteDoPerfil("IP_8.txt", "rail-alto");
    const QByteArray ausente = ajusteDoPerfil("IP_8.txt", "rail-ausente");
    QVERIFY(!curto.isEmpty() && !alto.isEmpty() && !ausente.isEmpty());
    QVERIFY(curto != alto && alto != ausente && curto != ausente);
    const QList<QByteArray> saudavel = linhasDoPerfil("IP_8.txt", LeituraPmu);
    QByteArray valorAlto, unidade;
    QVERIFY(valorDaChave(saudavel, alto, &valorAlto, &unidade));

    Simulador sim(m_pasta.path(), 3, QStringLiteral("A1863"), {QStringLiteral("placa-defeituosa")});
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    porta.envia(LeituraPmu);
    QVERIFY(porta.esperaResposta(LeituraPmu));
    const QList<QByteArray> linhas = porta.linhas(LeituraPmu);
    QCOMPARE(linhas.size(), saudavel.size() - 1);
    QCOMPARE(linhasComChave(linhas, ausente), 0);
    QByteArray valor;
    QVERIFY(valorDaChave(linhas, curto, &valor, &unidade));
    QCOMPARE(valor.toDouble(), 0.0);
    QVERIFY(valorDaChave(linhas, alto, &valor, &unidade));
    QVERIFY2(qAbs(valor.toDouble() - valorAlto.toDouble() * 1.15) <= 0.01, valor.constData());
}

void TstSimulador::falhaDeRail() {
    QFETCH(QString, falha);
    QFETCH(QString, modelo);
    QFETCH(QString, perfil);
    QFETCH(QByteArray, ajuste);
    const QByteArray chave = ajusteDoPerfil(perfil, ajuste.constData());
    QVERIFY(!chave.isEmpty());
    const QList<QByteArray> saudavel = linhasDoPerfil(perfil, LeituraPmu);
    QByteArray valorSaudavel, unidade;
    QVERIFY(valorDaChave(saudavel, chave, &valorSaudavel, &unidade));

    Simulador sim(m_pasta.path(), 3, modelo, {falha});
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    porta.envia(LeituraPmu);
    QVERIFY(porta.esperaResposta(LeituraPmu));
    const QList<QByteArray> linhas = porta.linhas(LeituraPmu);

    QByteArray valor;
    if (falha == QLatin1String("sem-linha")) {
        QCOMPARE(linhasComChave(linhas, chave), 0);
        QCOMPARE(linhas.size(), saudavel.size() - 1);
        return;
    }
    QCOMPARE(linhas.size(), saudavel.size());
    QVERIFY(valorDaChave(linhas, chave, &valor, &unidade));
    QCOMPARE(unidade, QByteArray("mV"));
    const double esperado = falha == QLatin1String("curto-rail") ? 0.0 : valorSaudavel.toDouble() * 1.15;
    QVERIFY2(qAbs(valor.toDouble() - esperado) <= 0.01, valor.constData());
    // Every other line as on the healthy board.
    for (int i = 0; i < linhas.size(); ++i) {
        if (!linhas.at(i).startsWith(chave + ' '))
            QCOMPARE(linhas.at(i), saudavel.at(i));
    }
}

void TstSimulador::ritmoDaLinha() {
    // The line speed is part of the protocol the program's polling relies on: the answer must not arrive
    // faster than 115200 baud allows. The bound is loose and only from below.
    Simulador sim(m_pasta.path(), 3, QStringLiteral("A1865"));
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    QElapsedTimer relogio;
    relogio.start();
    porta.envia(LeituraPmu);
    QVERIFY(porta.esperaResposta(LeituraPmu));
    const qint64 ms = relogio.elapsed();
    const qint64 bytes = porta.recebido().size();
    QVERIFY(bytes > 1500);
    QVERIFY2(ms >= qint64(0.7 * bytes / BytesPorMs),
             qPrintable(QStringLiteral("%1 bytes in %2 ms").arg(bytes).arg(ms)));
}

void TstSimulador::novoComandoCancelaAResposta() {
    Simulador sim(m_pasta.path(), 3, QStringLiteral("A1865"));
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    porta.envia(LeituraPmu);
    QVERIFY(porta.esperaAte([](const QByteArray& r) { return r.contains("BIST buck0: "); }));
    porta.envia(ConsultaModelo);
    QVERIFY(porta.esperaResposta(ConsultaModelo));
    const QByteArray r = porta.recebido();
    QVERIFY(!r.contains("acorn ih :"));
    QCOMPARE(r.count(":-)"), 1);
    QCOMPARE(porta.linhas(ConsultaModelo), QList<QByteArray>{"A1865"});
}

void TstSimulador::portaReabertaContinuaRespondendo() {
    Simulador sim(m_pasta.path(), 3);
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    {
        Porta porta;
        QVERIFY(porta.abre(sim.link()));
        porta.envia(ConsultaModelo);
        QVERIFY(porta.esperaResposta(ConsultaModelo));
        porta.fecha();
    }
    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    porta.envia("help");
    QVERIFY(porta.esperaResposta("help"));
    QVERIFY(porta.recebido().contains("pmuadc"));
}

QTEST_GUILESS_MAIN(TstSimulador)
#include "tst_simulador.moc"

// One start draws each variable fragment once: the Wi-Fi address is the same in every answer that shows it.
void TstSimulador::fragmentoIgualEmTodaResposta() {
    Simulador sim(m_pasta.path(), 3);
    QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
    Porta porta;
    QVERIFY(porta.abre(sim.link()));
    const QByteArray configuracao = "syscfg print WMac";
    porta.envia(configuracao);
    QVERIFY(porta.esperaResposta(configuracao));
    const QList<QByteArray> endereco = porta.linhas(configuracao);
    QCOMPARE(endereco.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^([0-9a-f]{2}:){5}[0-9a-f]{2}$"))
                 .match(QString::fromLatin1(endereco.first()))
                 .hasMatch(),
             endereco.first().constData());
    porta.esquece();
    const QByteArray propriedades = "wifi --properties";
    porta.envia(propriedades);
    QVERIFY(porta.esperaResposta(propriedades));
    QVERIFY(porta.linhas(propriedades).contains("  mac: " + endereco.first()));
}

void TstSimulador::perfilComFragmentoSemLista_data() {
    QTest::addColumn<QByteArray>("acrescimo");
    QTest::addColumn<int>("codigo");
    QTest::newRow("a fragment with its list of values is drawn")
        << QByteArray("\n== .var placa-teste\nPT-000111\n\n== teste --id\nid: {placa-teste}\n") << 0;
    QTest::newRow("a fragment nobody lists is refused at start")
        << QByteArray("\n== teste --id\nid: {placa-teste}\n") << 2;
}

void TstSimulador::falhaDoCarregador_data() {
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QStringList>("falhas");
    QTest::addColumn<QStringList>("linhas");
    QTest::addColumn<QStringList>("ausentes");
    QTest::newRow("weak charger on a one-input board")
        << "A1778" << QStringList{"vbus-baixa"} << QStringList{"tigris vbus : 4200.00 mV"}
        << QStringList{"tigris vbus1 :", "tigris vbat : 3400.00 mV"};
    QTest::newRow("weak charger sags both inputs of a two-input board")
        << "A1865" << QStringList{"vbus-baixa"} << QStringList{"tigris vbus : 4200.00 mV", "tigris vbus1 : 4200.00 mV"}
        << QStringList{"tigris vbus2 : 4200.00 mV", "tigris vbat : 3400.00 mV"};
    QTest::newRow("flat battery") << "A1549" << QStringList{"bateria-baixa"} << QStringList{"tigris vbat : 3400.00 mV"}
                                  << QStringList{"tigris vbus : 4200.00 mV"};
    QTest::newRow("rail faults leave the charger alone")
        << "A1865" << QStringList{"placa-defeituosa"} << QStringList{"tigris vbus : 50"}
        << QStringList{"tigris vbus : 4200.00 mV", "tigris vbat : 3400.00 mV"};
}

void TstSimulador::falhaDoCarregador() {
    QFETCH(QString, modelo);
    QFETCH(QStringList, falhas);
    QFETCH(QStringList, linhas);
    QFETCH(QStringList, ausentes);
    QStringList args{QStringLiteral("--modelo"), modelo};
    for (const QString& f : falhas)
        args << QStringLiteral("--falha") << f;
    args << QStringLiteral("--responde") << QStringLiteral("pmuadc --sel tigris --read all");
    QProcess p;
    p.start(QStringLiteral(TARSEL_SIM), args);
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 0);
    const QString saida = QString::fromUtf8(p.readAllStandardOutput());
    for (const QString& l : linhas)
        QVERIFY2(saida.contains(l), qPrintable(saida));
    for (const QString& l : ausentes)
        QVERIFY2(!saida.contains(l), qPrintable(saida));
}

void TstSimulador::falhaDosChipsDeDisplay_data() {
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QStringList>("falhas");
    QTest::addColumn<QStringList>("comandos"); // to the same phone; the last answer is checked
    QTest::addColumn<QStringList>("linhas");
    QTest::addColumn<QStringList>("ausentes");
    const QString chestnut = QStringLiteral("pmuadc --sel chestnut --read all");
    const QString pmu = QStringLiteral("pmuadc --read all");
    const QString liga = QStringLiteral("touch --on");
    const QString desliga = QStringLiteral("touch --off");
    const QString touchBaixo = QStringLiteral("chestnut vldo3 : 4300.00 mV");

    QTest::newRow("touch supply low while the touch is off")
        << "A1778" << QStringList{"touch-baixo"} << QStringList{chestnut} << QStringList{touchBaixo}
        << QStringList{"chestnut vldo3 : 51"};
    QTest::newRow("touch on brings the touch supply back")
        << "A1778" << QStringList{"touch-baixo"} << QStringList{chestnut, liga, chestnut}
        << QStringList{"chestnut vldo3 : 51"} << QStringList{touchBaixo};
    QTest::newRow("touch off again makes it low again")
        << "A1633" << QStringList{"touch-baixo"} << QStringList{liga, desliga, chestnut} << QStringList{touchBaixo}
        << QStringList{};
    QTest::newRow("a dead touch supply stays low with the touch on")
        << "A1864" << QStringList{"touch-morto"} << QStringList{liga, chestnut} << QStringList{touchBaixo}
        << QStringList{};
    QTest::newRow("a healthy board ignores the touch") << "A1778" << QStringList{} << QStringList{desliga, chestnut}
                                                       << QStringList{"chestnut vldo3 : 51"} << QStringList{touchBaixo};
    QTest::newRow("vp 10 % low on IP X") << "A1865" << QStringList{"acorn-vp-baixa"} << QStringList{pmu}
                                         << QStringList{"acorn vp : 9000.00 mV", "acorn vn : -6"} << QStringList{};
    QTest::newRow("a missing display chip line") << "A1778" << QStringList{"chip-sem-linha"} << QStringList{chestnut}
                                                 << QStringList{"chestnut ineg :"} << QStringList{"chestnut vneg :"};
    QTest::newRow("a missing Acorn line") << "A1865" << QStringList{"chip-sem-linha"} << QStringList{pmu}
                                          << QStringList{"acorn vl :"} << QStringList{"acorn vh :"};
    QTest::newRow("time-outs on both chips") << "A1865" << QStringList{"chip-timeout"} << QStringList{pmu}
                                             << QStringList{"acorn va : timeout mV"} << QStringList{"acorn va : 3"};
    QTest::newRow("time-out on the boost") << "A1549" << QStringList{"chip-timeout"} << QStringList{chestnut}
                                           << QStringList{"chestnut vboost : timeout mV"} << QStringList{};
    QTest::newRow("rail faults leave the display chips alone")
        << "A1865" << QStringList{"placa-defeituosa"} << QStringList{pmu}
        << QStringList{"acorn vp : 10012.40 mV", "acorn vh :", "acorn va : 3496.60 mV"} << QStringList{};
}

void TstSimulador::falhaDosChipsDeDisplay() {
    QFETCH(QString, modelo);
    QFETCH(QStringList, falhas);
    QFETCH(QStringList, comandos);
    QFETCH(QStringList, linhas);
    QFETCH(QStringList, ausentes);
    QStringList args{QStringLiteral("--modelo"), modelo};
    for (const QString& f : falhas)
        args << QStringLiteral("--falha") << f;
    for (const QString& c : comandos)
        args << QStringLiteral("--responde") << c;
    QProcess p;
    p.start(QStringLiteral(TARSEL_SIM), args);
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 0);
    const QString tudo = QString::fromUtf8(p.readAllStandardOutput());
    // The answer of the last command: from its echo on.
    const QString saida = tudo.mid(tudo.lastIndexOf(comandos.last() + QStringLiteral("\r\n")));
    for (const QString& l : linhas)
        QVERIFY2(saida.contains(l), qPrintable(saida));
    for (const QString& l : ausentes)
        QVERIFY2(!saida.contains(l), qPrintable(saida));
}

void TstSimulador::perfilComFragmentoSemLista() {
    QFETCH(QByteArray, acrescimo);
    QFETCH(int, codigo);
    QTemporaryDir perfis;
    for (const QString& nome : QDir(pastaPerfis()).entryList({QStringLiteral("*.txt")}, QDir::Files))
        QVERIFY(QFile::copy(pastaPerfis() + u'/' + nome, perfis.filePath(nome)));
    QFile comum(perfis.filePath(QStringLiteral("comum.txt")));
    QVERIFY(comum.open(QIODevice::Append));
    comum.write(acrescimo);
    comum.close();
    QProcess p;
    p.start(QStringLiteral(TARSEL_SIM),
            {QStringLiteral("--perfis"), perfis.path(), QStringLiteral("--responde"), QStringLiteral("teste --id")});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), codigo);
    if (codigo == 0)
        QVERIFY(p.readAllStandardOutput().startsWith("teste --id\r\nid: PT-000111\n["));
    else
        QVERIFY(p.readAllStandardError().contains("placa-teste"));
}
