// The I2C bus scan's rules without a window: the device table and its address keys, the judgement of a
// scan answer (malformed answers included), the bus buttons of each family and the buses the automatic
// scan visits, the diagram documents, the device list shipped in Config.tsl held against the simulator's
// healthy and faulty boards, and the failure notes from the stand-in server.

#include "Apoio.h"

#include "base/Familias.h"
#include "devicetests/ModuloI2C.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace tarsel;

using Botoes = QList<int>;

namespace {

// The first model number of each family's simulated board.
QString modeloDaFamilia(const QString& familia) {
    static const QHash<QString, QString> numeros{
        {QStringLiteral("IP 6"), QStringLiteral("A1549")},  {QStringLiteral("IP 6 Plus"), QStringLiteral("A1522")},
        {QStringLiteral("IP 6s"), QStringLiteral("A1633")}, {QStringLiteral("IP 6s Plus"), QStringLiteral("A1634")},
        {QStringLiteral("IP 7"), QStringLiteral("A1660")},  {QStringLiteral("IP 7 Plus"), QStringLiteral("A1661")},
        {QStringLiteral("IP 8"), QStringLiteral("A1863")},  {QStringLiteral("IP 8 Plus"), QStringLiteral("A1864")},
        {QStringLiteral("IP X"), QStringLiteral("A1865")},
    };
    return numeros.value(familia);
}

// What the simulated shell sends for one command line (echo, answer and prompt), as text.
QString respostaSimulada(const QString& modelo, const QString& comando, const QStringList& falhas = {}) {
    QStringList args{QStringLiteral("--modelo"), modelo, QStringLiteral("--semente"), QStringLiteral("7")};
    for (const QString& f : falhas)
        args << QStringLiteral("--falha") << f;
    args << QStringLiteral("--responde") << comando;
    QProcess p;
    p.start(QStringLiteral(TARSEL_SIM), args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        qWarning() << "tarsel-sim" << args << p.readAllStandardError();
        return {};
    }
    // The program's delivery removes the command text from the answer.
    QString texto = QString::fromUtf8(p.readAllStandardOutput());
    return texto.remove(comando);
}

// Page count of a PDF written by Qt: one "/Type /Page" object per page.
int paginasPdf(const QByteArray& pdf) {
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(pagina));
}

} // namespace

class TesteModuloI2C : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { globais().IdiomaAtual = 1; }

    void dispositivo_data() {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("descricao");
        QTest::newRow("a bus 0 chip") << "001"
                                      << "0x1A-TRISTAR - U1700"
                                      << "x1A"
                                      << "TRISTAR - U1700";
        QTest::newRow("a bus 1 chip: the description keeps its inner dashes") << "105"
                                                                              << "1x75-TIGRIS - U2101"
                                                                              << "x75"
                                                                              << "TIGRIS - U2101";
        QTest::newRow("a one-digit address keeps its blank in the key") << "017"
                                                                        << "0x8 -SAKONNET"
                                                                        << "x8 "
                                                                        << "SAKONNET";
        QTest::newRow("the same on bus 3") << "306"
                                           << "3x8 -SAKONNET"
                                           << "x8 "
                                           << "SAKONNET";
        QTest::newRow("a capital X stays in the key") << "207"
                                                      << "2X62-BACKLIGHT 2"
                                                      << "X62"
                                                      << "BACKLIGHT 2";
        QTest::newRow("no dash after the address: the description starts at the first dash")
            << "205"
            << "2x29ALS (LIGHT SENSING INTERFACE) - J1110"
            << "x29"
            << " J1110";
        QTest::newRow("a name without a part number") << "201"
                                                      << "2x21-CONVOY"
                                                      << "x21"
                                                      << "CONVOY";
        QTest::newRow("a part number without a dash before it") << "304"
                                                                << "3x51-TOUCH / DISPLAY J5800"
                                                                << "x51"
                                                                << "TOUCH / DISPLAY J5800";
        QTest::newRow("the last code of the table") << "702"
                                                    << "7x1A-HYDRA - U6300"
                                                    << "x1A"
                                                    << "HYDRA - U6300";
        QTest::newRow("a code of a bus without chips") << "501"
                                                       << ""
                                                       << ""
                                                       << "";
        QTest::newRow("a code with a blank after it is another code") << "105 "
                                                                      << ""
                                                                      << ""
                                                                      << "";
        QTest::newRow("four digits") << "1050"
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("empty") << ""
                               << ""
                               << ""
                               << "";
    }
    void dispositivo() {
        QFETCH(QString, codigo);
        QFETCH(QString, texto);
        QFETCH(QString, chave);
        QFETCH(QString, descricao);
        QCOMPARE(ModuloI2C::NomeDispositivoI2C(codigo), texto);
        QCOMPARE(ModuloI2C::ChaveEndereco(texto), chave);
        QCOMPARE(ModuloI2C::Descricao(texto), descricao);
    }

    void tabelaInteira() {
        // Every code: three digits, its bus first; its text starts with that bus and the address key.
        const QStringList codigos = ModuloI2C::CodigosConhecidos();
        QCOMPARE(codigos.size(), 46);
        static const QRegularExpression forma(QStringLiteral("^[0-7][xX]([0-9A-F]{2}|8 )-?"));
        for (const QString& c : codigos) {
            const QString t = ModuloI2C::NomeDispositivoI2C(c);
            QVERIFY2(c.size() == 3 && t.startsWith(c.at(0)), qPrintable(c));
            QVERIFY2(forma.match(t).hasMatch(), qPrintable(t));
        }
    }

    void analisa_data() {
        QTest::addColumn<QStringList>("codigos");
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QStringList>("presentes"); // the codes judged, "+" answering or "-" silent
        const QStringList bus1{"104", "105"};
        QTest::newRow("every chip answers") << bus1 << "Scanning I2C bus 1...\n0x74 : ACK\n0x75 : ACK\n"
                                            << QStringList{"+104", "+105"};
        QTest::newRow("one chip missing") << bus1 << "Scanning I2C bus 1...\n0x74 : ACK\nScan complete.\n"
                                          << QStringList{"+104", "-105"};
        QTest::newRow("addresses nobody listed change nothing") << bus1 << "0x10 : ACK\n0x48 : ACK\n0x75 : ACK\n"
                                                                << QStringList{"-104", "+105"};
        QTest::newRow("an answer cut before the second chip")
            << bus1 << "Scanning I2C bus 1...\n0x74 : A" << QStringList{"+104", "-105"};
        QTest::newRow("an answer cut inside an address") << bus1 << "0x74 : ACK\n0x7" << QStringList{"+104", "-105"};
        QTest::newRow("garbage bytes before the lines") << bus1
                                                        << QString::fromUtf8("\xef\xbf\xbd\x01\x7f"
                                                                             "0x74 : ACK\n\xef\xbf\xbd") +
                                                               QChar(0) + "0x75 : ACK\n"
                                                        << QStringList{"+104", "+105"};
        QTest::newRow("garbage only") << bus1 << QString::fromUtf8("\xef\xbf\xbd\xef\xbf\xbd\x01\x02")
                                      << QStringList{"-104", "-105"};
        QTest::newRow("a refusal") << bus1 << "Unknown Command: i2c\n" << QStringList{"-104", "-105"};
        QTest::newRow("lower-case hex is another text") << QStringList{"001"} << "0x1a : ACK\n" << QStringList{"-001"};
        QTest::newRow("a one-digit address needs its blank") << QStringList{"017"} << "0x8\n" << QStringList{"-017"};
        QTest::newRow("a one-digit address with its blank") << QStringList{"017"} << "0x8 : ACK\n"
                                                            << QStringList{"+017"};
        QTest::newRow("0x80 is not 0x8") << QStringList{"017"} << "0x80: ACK\n" << QStringList{"-017"};
        QTest::newRow("X62 needs the capital X") << QStringList{"207"} << "0x62 : ACK\n" << QStringList{"-207"};
        QTest::newRow("X62 with the capital X") << QStringList{"207"} << "0X62 : ACK\n" << QStringList{"+207"};
        QTest::newRow("codes not in the table are left out, not taken as answering")
            << QStringList{"999", "105", ""} << "0x75 : ACK\n"
            << QStringList{"+105"};
        QTest::newRow("blanks around a stored code") << QStringList{" 105 "} << "0x75 : ACK\n" << QStringList{"+105"};
        QTest::newRow("six chips: all judged, in stored order")
            << QStringList{"002", "006", "011", "015", "007", "017"} << "0x8 : ACK\n0x1A : ACK\n0x50 : ACK\n"
            << QStringList{"+002", "-006", "-011", "-015", "+007", "+017"};
        QTest::newRow("no chip listed") << QStringList{} << "0x48 : ACK\n" << QStringList{};
    }
    void analisa() {
        QFETCH(QStringList, codigos);
        QFETCH(QString, resposta);
        QFETCH(QStringList, presentes);
        QStringList obtido;
        const QList<ModuloI2C::DispositivoI2C> lista = ModuloI2C::Analisa(codigos, resposta);
        for (const ModuloI2C::DispositivoI2C& d : lista)
            obtido << (d.responde ? QStringLiteral("+") : QStringLiteral("-")) + d.codigo;
        QCOMPARE(obtido, presentes);
        QCOMPARE(ModuloI2C::AlgumAusente(lista), presentes.join(QString()).contains(u'-'));
    }

    void semResposta_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<bool>("sem");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("line ends only") << "\r\n\r\n" << true;
        QTest::newRow("blanks") << "   \n" << true;
        QTest::newRow("a prompt alone is an answer") << "[0A1B2C3D:4E5F6071] :-) " << false;
        QTest::newRow("garbage is an answer") << QString::fromUtf8("\xef\xbf\xbd") << false;
    }
    void semResposta() {
        QFETCH(QString, resposta);
        QFETCH(bool, sem);
        QCOMPARE(ModuloI2C::SemResposta(resposta), sem);
    }

    void linhaResultado_data() {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<bool>("responde");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("linha");
        QTest::newRow("answering") << "105" << true << 1 << "  0x75 - TIGRIS - U2101 - Comunicação OK";
        QTest::newRow("silent") << "105" << false << 1 << "  0x75 - TIGRIS - U2101 - Sem Comunicação";
        QTest::newRow("the blank after the missing dash stays")
            << "205" << true << 1 << "  0x29 -  J1110 - Comunicação OK";
        QTest::newRow("a one-digit address keeps its blank")
            << "017" << true << 1 << "  0x8  - SAKONNET - Comunicação OK";
        QTest::newRow("in English") << "602" << false << 2
                                    << "  0x55 - SN45546 (CONECTOR BATERIA) - J3200 - No communication";
        QTest::newRow("in Spanish") << "702" << true << 3 << "  0x1A - HYDRA - U6300 - Comunicación OK";
    }
    void linhaResultado() {
        QFETCH(QString, codigo);
        QFETCH(bool, responde);
        QFETCH(int, idioma);
        QFETCH(QString, linha);
        ModuloI2C::DispositivoI2C d;
        d.codigo = codigo;
        d.texto = ModuloI2C::NomeDispositivoI2C(codigo);
        d.chave = ModuloI2C::ChaveEndereco(d.texto);
        d.descricao = ModuloI2C::Descricao(d.texto);
        d.responde = responde;
        globais().IdiomaAtual = quint8(idioma);
        const QString obtido = ModuloI2C::LinhaResultado(d);
        globais().IdiomaAtual = 1;
        QCOMPARE(obtido, linha);
    }

    void tituloBarramento_data() {
        QTest::addColumn<QString>("familia");
        QTest::addColumn<int>("barramento");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<bool>("linhaEmBranco");
        QTest::newRow("IP 6 bus 0") << "IP 6" << 0 << "  I2C 0" << true;
        QTest::newRow("IP 7 bus 3") << "IP 7" << 3 << "  I2C 3" << true;
        QTest::newRow("IP 7 bus 4 is the AOP bus") << "IP 7" << 4 << "  i2c AOP" << true;
        QTest::newRow("IP 7 Plus bus 4 too") << "IP 7 Plus" << 4 << "  i2c AOP" << true;
        QTest::newRow("IP 8 bus 3") << "IP 8" << 3 << "  I2C 3" << false;
        QTest::newRow("IP 8 bus 4") << "IP 8" << 4 << "  i2c 0 AOP" << false;
        QTest::newRow("IP 8 Plus bus 5") << "IP 8 Plus" << 5 << "  i2c 1 AOP" << false;
        QTest::newRow("IP X bus 6") << "IP X" << 6 << "  i2c 0 SMC" << false;
        QTest::newRow("IP X bus 7") << "IP X" << 7 << "  i2c 1 SMC" << false;
        QTest::newRow("IP 6s bus 4 has no name of its own") << "IP 6s" << 4 << "  I2C 4" << true;
    }
    void tituloBarramento() {
        QFETCH(QString, familia);
        QFETCH(int, barramento);
        QFETCH(QString, titulo);
        QFETCH(bool, linhaEmBranco);
        QCOMPARE(ModuloI2C::TituloBarramento(familia, barramento), titulo);
        QCOMPARE(ModuloI2C::LinhaEmBrancoAntesDoTitulo(familia), linhaEmBranco);
    }

    void botoes_data() {
        QTest::addColumn<QString>("familia");
        QTest::addColumn<QString>("pagina53");
        QTest::addColumn<Botoes>("visiveis");
        QTest::addColumn<Botoes>("habilitados");
        QTest::addColumn<QStringList>("legendas");
        QTest::addColumn<bool>("perguntaServidor");
        QTest::addColumn<Botoes>("percurso");
        QTest::addColumn<bool>("mensagem");
        const QStringList numeros{"i2c 0", "i2c 1", "i2c 2", "i2c 3", "i2c 4", "i2c 5", "i2c 6", "i2c 7"};
        const QStringList aop7{"i2c 0", "i2c 1", "i2c 2", "i2c 3", "i2c AOP", "i2c 5", "i2c 6", "i2c 7"};
        const QStringList smc{"i2c 0", "i2c 1", "i2c 2", "i2c 3", "i2c 0 AOP", "i2c 1 AOP", "i2c 0 SMC", "i2c 1 SMC"};
        for (const char* f : {"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus"})
            QTest::addRow("%s: buses 0 to 2, ends with the message", f)
                << f << "S" << Botoes{0, 1, 2} << Botoes{0, 1, 2, 4, 5, 6, 7} << numeros << false << Botoes{0, 1, 2}
                << true;
        QTest::newRow("IP 7: bus 4 is AOP, 5 to 7 hidden")
            << "IP 7"
            << "N" << Botoes{0, 1, 2, 3, 4} << Botoes{0, 1, 2, 3, 4, 6, 7} << aop7 << false << Botoes{0, 1, 2, 3, 4}
            << true;
        QTest::newRow("IP 7 Plus with page 53 on: bus 3 too")
            << "IP 7 Plus"
            << "S" << Botoes{0, 1, 2, 3, 4} << Botoes{0, 1, 2, 3, 4, 6, 7} << aop7 << true << Botoes{0, 1, 2, 3, 4}
            << true;
        QTest::newRow("IP 7 Plus with page 53 off: bus 3 skipped")
            << "IP 7 Plus"
            << "N" << Botoes{0, 1, 2, 3, 4} << Botoes{0, 1, 2, 4, 6, 7} << aop7 << true << Botoes{0, 1, 2, 4} << true;
        QTest::newRow("IP 7 Plus with the server unreachable (an empty page)")
            << "IP 7 Plus"
            << "" << Botoes{0, 1, 2, 3, 4} << Botoes{0, 1, 2, 4, 6, 7} << aop7 << true << Botoes{0, 1, 2, 4} << true;
        QTest::newRow("IP 7 Plus with a lower-case s")
            << "IP 7 Plus"
            << "s" << Botoes{0, 1, 2, 3, 4} << Botoes{0, 1, 2, 4, 6, 7} << aop7 << true << Botoes{0, 1, 2, 4} << true;
        for (const char* f : {"IP 8", "IP 8 Plus"})
            QTest::addRow("%s: 1 and 5 off, ends at step 8 without the message", f)
                << f << "S" << Botoes{0, 1, 2, 3, 4, 5, 6, 7} << Botoes{0, 2, 3, 4, 6, 7} << smc << false
                << Botoes{0, 2, 3, 4, 6, 7} << false;
        QTest::newRow("IP X: 1 and 2 off") << "IP X"
                                           << "S" << Botoes{0, 1, 2, 3, 4, 5, 6, 7} << Botoes{0, 3, 4, 5, 6, 7} << smc
                                           << false << Botoes{0, 3, 4, 5, 6, 7} << false;
        QTest::newRow("a family outside the list: every bus")
            << "IP 5"
            << "S" << Botoes{0, 1, 2, 3, 4, 5, 6, 7} << Botoes{0, 1, 2, 3, 4, 5, 6, 7} << numeros << false
            << Botoes{0, 1, 2, 3, 4, 5, 6, 7} << false;
    }
    void botoes() {
        QFETCH(QString, familia);
        QFETCH(QString, pagina53);
        QFETCH(Botoes, visiveis);
        QFETCH(Botoes, habilitados);
        QFETCH(QStringList, legendas);
        QFETCH(bool, perguntaServidor);
        QFETCH(Botoes, percurso);
        QFETCH(bool, mensagem);
        QList<int> perguntas;
        const ModuloI2C::BotoesI2C b = ModuloI2C::OcultaBotoes(familia, [&](int n) {
            perguntas << n;
            return pagina53;
        });
        Botoes v, h;
        QStringList l;
        for (int n = 0; n < ModuloI2C::Barramentos; ++n) {
            if (b[n].visivel)
                v << n;
            if (b[n].habilitado)
                h << n;
            l << b[n].legenda;
        }
        QCOMPARE(v, visiveis);
        QCOMPARE(h, habilitados);
        QCOMPARE(l, legendas);
        QCOMPARE(perguntas, perguntaServidor ? QList<int>{53} : QList<int>{});
        const ModuloI2C::PercursoAuto p = ModuloI2C::PercorreAuto(b);
        QCOMPARE(p.barramentos, percurso);
        QCOMPARE(p.mensagemSemFalha, mensagem);
    }

    void passoAuto() {
        // The scan tick by tick on an "IP 6" board: three tests, then the skip that ends with the message.
        const ModuloI2C::BotoesI2C b = ModuloI2C::OcultaBotoes(QStringLiteral("IP 6"), {});
        int passo = 0;
        for (int n = 0; n < 3; ++n) {
            const ModuloI2C::PassoAuto p = ModuloI2C::ProximoPassoAuto(b, passo);
            QCOMPARE(p.acao, ModuloI2C::PassoAuto::Acao::Testa);
            QCOMPARE(p.barramento, n);
            QCOMPARE(passo, n + 1);
        }
        const ModuloI2C::PassoAuto fim = ModuloI2C::ProximoPassoAuto(b, passo);
        QCOMPARE(fim.acao, ModuloI2C::PassoAuto::Acao::Termina);
        QVERIFY(fim.mensagemSemFalha);
        // A step out of range ends without the message instead of reading past the buttons.
        int fora = 9;
        QCOMPARE(ModuloI2C::ProximoPassoAuto(b, fora).acao, ModuloI2C::PassoAuto::Acao::Termina);
        int negativo = -1;
        QVERIFY(!ModuloI2C::ProximoPassoAuto(b, negativo).mensagemSemFalha);
    }

    void documento_data() {
        QTest::addColumn<QString>("familia");
        QTest::addColumn<QString>("documento");
        QTest::newRow("IP 6") << "IP 6"
                              << "xA8.pdf";
        QTest::newRow("IP 6 Plus") << "IP 6 Plus"
                                   << "xA8.pdf";
        QTest::newRow("IP 6s: five characters first") << "IP 6s"
                                                      << "xA9.pdf";
        QTest::newRow("IP 6s Plus") << "IP 6s Plus"
                                    << "xA9.pdf";
        QTest::newRow("IP 7 Plus") << "IP 7 Plus"
                                   << "xA10.pdf";
        QTest::newRow("IP 8") << "IP 8"
                              << "xA11.pdf";
        QTest::newRow("IP X shares the IP 8 document") << "IP X"
                                                       << "xA11.pdf";
        QTest::newRow("another family has none") << "IP 5"
                                                 << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void documento() {
        QFETCH(QString, familia);
        QFETCH(QString, documento);
        QCOMPARE(ModuloI2C::DocumentoDiagrama(familia), documento);
        if (!documento.isEmpty())
            QVERIFY(ModuloI2C::FamiliasDoDocumento(documento).contains(familia));
    }

    void documentosConstruidos() {
        // The build draws one page per family of each document into the program folder.
        QCOMPARE(ModuloI2C::Documentos(), QStringList({"xA8.pdf", "xA9.pdf", "xA10.pdf", "xA11.pdf"}));
        for (const QString& d : ModuloI2C::Documentos()) {
            QFile f(QStringLiteral(TARSEL_PASTA_BIN "/") + d);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
            const QByteArray pdf = f.readAll();
            QVERIFY2(pdf.startsWith("%PDF-"), qPrintable(d));
            QCOMPARE(paginasPdf(pdf), int(ModuloI2C::FamiliasDoDocumento(d).size()));
        }
    }

    void listaDeCadaFamilia_data() {
        QTest::addColumn<QString>("familia");
        for (const QString& f : FamiliasModelo())
            QTest::newRow(qPrintable(f)) << f;
    }
    void listaDeCadaFamilia() {
        // Every listed chip of the shipped data is a known code on a bus the board's scan visits, and the
        // simulator's healthy board answers for all of them; with the missing-device fault exactly one
        // chip of the family goes silent.
        QFETCH(QString, familia);
        teste::PastaPrograma pasta;
        const ModuloI2C::BotoesI2C b = ModuloI2C::OcultaBotoes(familia, [](int) { return QStringLiteral("S"); });
        const QList<int> visitados = ModuloI2C::PercorreAuto(b).barramentos;
        const QMap<int, QStringList> mapa = ModuloI2C::MapaFamilia(familia);
        QVERIFY(!mapa.isEmpty());
        int silenciosos = 0;
        for (auto it = mapa.cbegin(); it != mapa.cend(); ++it) {
            QVERIFY2(visitados.contains(it.key()), qPrintable(QString::number(it.key())));
            QVERIFY2(it.value().size() <= ModuloI2C::VagasIcone || (familia.startsWith(QLatin1String("IP 7"))),
                     "only the IP 7 boards carry more chips on one bus than there are marks");
            for (const QString& c : it.value()) {
                QVERIFY2(!ModuloI2C::NomeDispositivoI2C(c).isEmpty(), qPrintable(c));
                QCOMPARE(c.left(1).toInt(), it.key());
            }
            const QString comando = ModuloI2C::Comando(it.key());
            const QString saudavel = respostaSimulada(modeloDaFamilia(familia), comando);
            QVERIFY(!saudavel.isEmpty());
            const QList<ModuloI2C::DispositivoI2C> bons = ModuloI2C::Analisa(it.value(), saudavel);
            QCOMPARE(bons.size(), it.value().size());
            QVERIFY2(!ModuloI2C::AlgumAusente(bons), qPrintable(saudavel));
            const QString falha = respostaSimulada(modeloDaFamilia(familia), comando, {QStringLiteral("i2c-ausente")});
            for (const ModuloI2C::DispositivoI2C& d : ModuloI2C::Analisa(it.value(), falha))
                silenciosos += d.responde ? 0 : 1;
        }
        QCOMPARE(silenciosos, 1);
    }

    void dispositivosNaOrdemGravada() {
        teste::PastaPrograma pasta;
        QCOMPARE(ModuloI2C::Dispositivos(QStringLiteral("IP 7"), 0),
                 QStringList({"002", "006", "011", "015", "007", "017"}));
        // The family is matched without regard to case, as every text column is; a quote is only a value.
        QCOMPARE(ModuloI2C::Dispositivos(QStringLiteral("ip 8"), 7), QStringList({"702"}));
        QCOMPARE(ModuloI2C::Dispositivos(QStringLiteral("IP 7' or '1'='1"), 0), QStringList());
        QCOMPARE(ModuloI2C::Dispositivos(QStringLiteral("IP X"), 5), QStringList());
        // "1" as a pattern is the first digit only: bus 1 never picks up a code such as "010".
        teste::executaSql(pasta.banco(), QStringLiteral("insert into i (Aparelho, ID) values ('IP 6', '010')"));
        QVERIFY(!ModuloI2C::Dispositivos(QStringLiteral("IP 6"), 1).contains(QStringLiteral("010")));
    }

    void quebraLinhas_data() {
        QTest::addColumn<QString>("notas");
        QTest::addColumn<QString>("texto");
        QTest::newRow("two lines") << "a<br>b"
                                   << "a\r\nb";
        QTest::newRow("a break at the end") << "a<br>"
                                            << "a\r\n";
        QTest::newRow("capitals are not a break") << "a<BR>b"
                                                  << "a<BR>b";
        QTest::newRow("empty") << ""
                               << "";
    }
    void quebraLinhas() {
        QFETCH(QString, notas);
        QFETCH(QString, texto);
        QCOMPARE(ModuloI2C::QuebraLinhas(notas), texto);
    }

    void notasDoServidor() {
        teste::ServidorTeste servidor;
        QVERIFY2(servidor.pronto(), qPrintable(servidor.erro()));
        teste::PastaPrograma pasta;
        teste::executaSql(pasta.banco(), QStringLiteral("update Tools set Servidor = '%1'").arg(servidor.base()));
        const QString pt = ModuloI2C::NotasFalha(QStringLiteral("IP 7 Plus"), 1, 1);
        QVERIFY2(pt.startsWith(QStringLiteral("Meça SDA e SCL do barramento 1")), qPrintable(pt));
        QVERIFY(pt.contains(QStringLiteral("\r\n")));
        QVERIFY(!pt.contains(QStringLiteral("<br>")));
        QVERIFY(ModuloI2C::NotasFalha(QStringLiteral("IP 8"), 6, 2).contains(QStringLiteral("Battery connector")));
        QVERIFY(ModuloI2C::NotasFalha(QStringLiteral("IP 6"), 4, 1).isEmpty());

        // The server down: no notes, no wait beyond the refused connection.
        teste::executaSql(pasta.banco(),
                          QStringLiteral("update Tools set Servidor = '%1'").arg(teste::ServidorFechado()));
        QVERIFY(ModuloI2C::NotasFalha(QStringLiteral("IP 7"), 1, 1).isEmpty());
    }
};

QTEST_MAIN(TesteModuloI2C)
#include "tst_moduloi2c.moc"
