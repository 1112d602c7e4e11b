// The saved answers and mask strings shipped in Config.tsl, held against the simulator's healthy boards:
// a fresh answer (whatever serials and ids the board drew at its start) matches its saved answer under the
// console's automatic comparison, and a changed character does not. Also the pieces of the recording: the
// console form of an answer, the SQL text of a saved answer and the notes file.

#include "Apoio.h"

#include "base/Familias.h"
#include "console/Comparador.h"
#include "console/ReferenciaGravada.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "store/Banco.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace tarsel;

namespace {

// The notes file in the source tree's data/, beside the tests' own fixture folder.
const QString ArquivoNotas = QDir::cleanPath(QStringLiteral(TARSEL_DADOS_TESTE "/../../data/notas-referencia.txt"));

QByteArray executaSimulador(const QStringList& argumentos) {
    QProcess p;
    p.start(QStringLiteral(TARSEL_SIM), argumentos);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        qWarning() << "tarsel-sim" << argumentos << p.readAllStandardError();
        return {};
    }
    return p.readAllStandardOutput();
}

QByteArray respostaDoSimulador(const QString& modelo, const QString& comando, int semente) {
    return executaSimulador({QStringLiteral("--modelo"), modelo, QStringLiteral("--semente"), QString::number(semente),
                             QStringLiteral("--responde"), comando});
}

QList<NotaReferencia> notasDoProjeto() {
    QFile f(ArquivoNotas);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString erro;
    return LeNotasReferencia(QString::fromUtf8(f.readAll()), &erro);
}

// The first letter or digit of the text after `inicio` that no placeholder covers, changed into another
// character of its kind; -1 when there is none.
qsizetype mudaUmCaractere(QString& texto, qsizetype inicio, qsizetype fim) {
    for (qsizetype i = inicio; i < fim; ++i) {
        if (texto.mid(i, MarcaMascara.size()) == MarcaMascara) {
            i += MarcaMascara.size() - 1;
            continue;
        }
        const QChar c = texto.at(i);
        if (c.isDigit()) {
            texto[i] = QChar(u'0' + (c.digitValue() + 1) % 10);
            return i;
        }
        if ((c >= u'a' && c <= u'y') || (c >= u'A' && c <= u'Y')) {
            texto[i] = QChar(c.unicode() + 1);
            return i;
        }
    }
    return -1;
}

} // namespace

class TstDadosReferencia : public QObject {
    Q_OBJECT

private slots:
    void formaGravada_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QStringList>("mascaras");
        QTest::addColumn<QString>("gravada");

        const QByteArray prompt = "[0A1B2C3D:00001234] :-) ";
        QTest::newRow("the echo goes and its CR stays before the line break the link adds")
            << QByteArray("nanduid\r\nNAND UID: 1234\n" + prompt) << QStringLiteral("nanduid") << QStringList()
            << QStringLiteral("\r\n\r\r\nNAND UID: 1234\r\n") + QString::fromLatin1(prompt);
        QTest::newRow("a command that is part of its lines loses only its echo")
            << QByteArray("buck\r\nbuck0: 1050.070 mV\nbuck1: 0.000 mV\n" + prompt) << QStringLiteral("buck")
            << QStringList()
            << QStringLiteral("\r\n\r\r\nbuck0: 1050.070 mV\r\nbuck1: 0.000 mV\r\n") + QString::fromLatin1(prompt);
        QTest::newRow("each mask becomes the placeholder, whatever its case")
            << QByteArray("syscfg print SrNm\r\nf17sx3abhg7k\n" + prompt) << QStringLiteral("syscfg print SrNm")
            << QStringList{QStringLiteral("F17SX3ABHG7K")}
            << QStringLiteral("\r\n\r\r\nxxxxx\u00AE\r\n") + QString::fromLatin1(prompt);
        QTest::newRow("a mask acts without its markers, as in the console")
            << QByteArray("wifi --properties\r\n  mac: 3c:22:fb:01:02:03\n") << QStringLiteral("wifi --properties")
            << QStringList{QStringLiteral("3c:22:'jox'fb:01:02:03")}
            << QStringLiteral("\r\n\r\r\n  mac: xxxxx\u00AE\r\n");
        QTest::newRow("bytes above ASCII stay one character each")
            << QByteArray("temp\r\ndie: 31\xb0"
                          "C\n")
            << QStringLiteral("temp") << QStringList() << QStringLiteral("\r\n\r\r\ndie: 31\u00B0C\r\n");
    }
    void formaGravada() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, comando);
        QFETCH(QStringList, mascaras);
        QTEST(RespostaGravada(bytes, comando, mascaras), "gravada");
    }

    void literalSqlDevolveOTexto_data() {
        QTest::addColumn<QString>("texto");
        QTest::newRow("empty") << QString();
        QTest::newRow("quotes doubled") << QStringLiteral("it's 'quoted'");
        QTest::newRow("CR LF line ends and the echo's lone CR") << QStringLiteral("\r\n\r\r\nline 1\r\nline 2\r\n");
        QTest::newRow("starts and ends inside a line") << QStringLiteral("a\rb\nc");
        QTest::newRow("the placeholder and bytes above ASCII") << QStringLiteral("serial: xxxxx\u00AE 31\u00B0C");
        QTest::newRow("statement and comment signs inside the text") << QStringLiteral("a; -- b\r\n/* c */ ;");
    }
    void literalSqlDevolveOTexto() {
        QFETCH(QString, texto);
        QTemporaryDir dir;
        const QString caminho = dir.filePath(QStringLiteral("t.tsl"));
        {
            QFile f(caminho);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        Banco b(caminho);
        b.executaScript(QStringLiteral("create table t (v text);"));
        // The script reaches the database as text: a CR anywhere in it may be lost on the way.
        QString sql = QStringLiteral("insert into t (v) values (%1);").arg(LiteralSql(texto));
        sql.remove(QLatin1Char('\r'));
        b.executaScript(sql);
        QCOMPARE(b.valor(QStringLiteral("select v from t")).toString(), texto);
    }

    void notas_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("comandos");
        QTest::addColumn<QString>("erro");
        const QString tres = QStringLiteral("pt: a\nen: b\nes: c\n");
        QTest::newRow("commands keep their inner blanks, families to skip are listed")
            << QStringLiteral("# x\n== device  --key GasGauge -p\n") + tres +
                   QStringLiteral("\n== gps --on\nexceto: IP 6, IP 6 Plus\n") + tres
            << QStringList{QStringLiteral("device  --key GasGauge -p"), QStringLiteral("gps --on")} << QString();
        QTest::newRow("a note missing in one language")
            << QStringLiteral("== buck\npt: a\nen: b\n") << QStringList() << QStringLiteral("lacks a note");
        QTest::newRow("a note before any command")
            << QStringLiteral("pt: a\n== buck\n") + tres << QStringList() << QStringLiteral("line 1");
        QTest::newRow("an unknown key") << QStringLiteral("== buck\nfr: a\n") + tres << QStringList()
                                        << QStringLiteral("line 2");
        QTest::newRow("the same command twice, in another case")
            << QStringLiteral("== Help\n") + tres + QStringLiteral("== help\n") + tres << QStringList()
            << QStringLiteral("comes twice");
    }
    void notas() {
        QFETCH(QString, texto);
        QFETCH(QStringList, comandos);
        QFETCH(QString, erro);
        QString motivo;
        const QList<NotaReferencia> notas = LeNotasReferencia(texto, &motivo);
        QStringList lidos;
        for (const NotaReferencia& n : notas)
            lidos << n.comando;
        QCOMPARE(lidos, comandos);
        if (erro.isEmpty()) {
            QCOMPARE(notas.at(1).exceto, (QStringList{QStringLiteral("IP 6"), QStringLiteral("IP 6 Plus")}));
            QCOMPARE(notas.at(0).es, QStringLiteral("c"));
        } else {
            QVERIFY2(motivo.contains(erro), qPrintable(motivo));
        }
    }

    // Every recorded command is one of the console's list (which, like every query, ignores case), and has
    // its saved answer, spelled as the screens send the command, with notes for every family it is recorded
    // for.
    void cadaComandoTemSuaResposta() {
        const QList<NotaReferencia> notas = notasDoProjeto();
        QVERIFY(notas.size() > 20);
        teste::PastaPrograma pasta;
        Banco b;
        for (const NotaReferencia& n : notas) {
            QVERIFY2(b.valor(QStringLiteral("select count(*) from Comandos where Comando = ?"), {n.comando}).toInt() ==
                         1,
                     qPrintable(n.comando));
            for (const QString& familia : FamiliasModelo()) {
                QSqlQuery q = b.executa(QStringLiteral("select Dados, Info, Info2, Info3 from Dados where Aparelho = "
                                                       "? and Comando = ? collate binary"),
                                        {familia, n.comando});
                int linhas = 0;
                while (q.next()) {
                    ++linhas;
                    // Searched after its first character: the line break every answer starts with.
                    QVERIFY(q.value(0).toString().startsWith(QStringLiteral("\r\n")));
                    for (int c = 1; c <= 3; ++c)
                        QVERIFY(!q.value(c).toString().isEmpty());
                }
                QCOMPARE(linhas, n.exceto.contains(familia) ? 0 : 1);
            }
        }
    }

    void respostaDaPlacaConfere_data() {
        QTest::addColumn<QString>("familia");
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("comando");
        const QStringList familias =
            QString::fromUtf8(executaSimulador({QStringLiteral("--familias")})).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(familias.size(), FamiliasModelo().size());
        for (const QString& linha : familias) {
            const QString familia = linha.section(u'\t', 0, 0);
            for (const NotaReferencia& n : notasDoProjeto()) {
                if (!n.exceto.contains(familia))
                    QTest::addRow("%s: %s", qPrintable(familia), qPrintable(n.comando))
                        << familia << linha.section(u'\t', 1, 1) << n.comando;
            }
        }
    }
    void respostaDaPlacaConfere() {
        QFETCH(QString, familia);
        QFETCH(QString, modelo);
        QFETCH(QString, comando);
        static const QStringList variaveis =
            QString::fromLatin1(executaSimulador({QStringLiteral("--variaveis")})).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(variaveis.size() > 20);
        teste::PastaPrograma pasta;
        Banco b({}, Banco::Modo::SomenteLeitura);
        const QStringList mascaras = LeMascaras(b);
        QCOMPARE(QSet<QString>(mascaras.cbegin(), mascaras.cend()),
                 QSet<QString>(variaveis.cbegin(), variaveis.cend()));
        const QString gravada =
            b.valor(QStringLiteral("Select Dados From Dados where Aparelho = ? and Comando = ?"), {familia, comando})
                .toString();
        QVERIFY(!gravada.isEmpty());

        for (int semente : {3, 4}) {
            const QByteArray bytes = respostaDoSimulador(modelo, comando, semente);
            QVERIFY(bytes.startsWith(comando.toLatin1() + "\r\n"));
            if (ComandoNasLinhas(ConsoleDaResposta(bytes), comando)) {
                // Saved with the lines whole, for the screen that lists them ("buck0: ..."): the same board
                // started again gives the same saved answer.
                QCOMPARE(RespostaGravada(bytes, comando, mascaras), gravada);
                continue;
            }
            const QString console = Resposta::semComando(ConsoleDaResposta(bytes), comando);
            QVERIFY2(AutoComparadorConfere(console, gravada, mascaras),
                     qPrintable(QStringLiteral("seed %1:\n%2\nsaved:\n%3").arg(semente).arg(console, gravada)));

            // Every placeholder of the saved answer stands for a drawn fragment, and nothing else was masked.
            int fragmentos = 0;
            for (const QString& v : variaveis)
                fragmentos += int(console.count(v, Qt::CaseInsensitive));
            QCOMPARE(int(gravada.count(MarcaMascara)), fragmentos);

            // One changed letter or digit anywhere in the answer's lines: no match.
            QString mudada = AplicaMascaras(console, mascaras, true);
            const qsizetype fimLinhas = mudada.lastIndexOf(QStringLiteral("\r\n["));
            QVERIFY(fimLinhas > 0);
            if (mudaUmCaractere(mudada, 2, fimLinhas) > 0)
                QVERIFY(!AutoComparadorConfere(mudada, gravada, mascaras));
            else // the whole answer is one fragment (a serial number): the change below is the one that counts
                QCOMPARE(mudada.mid(2, fimLinhas - 2).remove(MarcaMascara).trimmed(), QString());

            // A fragment the boards never draw (one character of a drawn one changed): no match either.
            for (const QString& v : variaveis) {
                const qsizetype p = console.indexOf(v, 0, Qt::CaseInsensitive);
                if (p < 0)
                    continue;
                QString outra = console;
                QString valor = v;
                QVERIFY(mudaUmCaractere(valor, 0, valor.size()) >= 0);
                outra.replace(p, v.size(), valor);
                QVERIFY(!AutoComparadorConfere(outra, gravada, mascaras));
            }
        }
    }

    // Boards of different families give different gauge figures: one family's answer never matches
    // another's saved answer.
    void outraFamiliaNaoConfere() {
        teste::PastaPrograma pasta;
        Banco b({}, Banco::Modo::SomenteLeitura);
        const QStringList mascaras = LeMascaras(b);
        const QString comando = QStringLiteral("device  --key GasGauge -p");
        const QString console =
            Resposta::semComando(ConsoleDaResposta(respostaDoSimulador(QStringLiteral("A1778"), comando, 1)), comando);
        for (const QString& familia : FamiliasModelo()) {
            const QString gravada =
                b.valor(QStringLiteral("Select Dados From Dados where Aparelho = ? and Comando = ?"),
                        {familia, comando})
                    .toString();
            QCOMPARE(AutoComparadorConfere(console, gravada, mascaras), familia == QLatin1String("IP 7"));
        }
    }

    void fragmentosMudamComASemente() {
        const QString comando = QStringLiteral("syscfg print SrNm");
        QSet<QByteArray> series;
        for (int semente = 0; semente < 8; ++semente)
            series.insert(respostaDoSimulador(QStringLiteral("A1865"), comando, semente));
        QVERIFY2(series.size() > 2, "eight seeds drew no more than two serial numbers");
        QCOMPARE(respostaDoSimulador(QStringLiteral("A1865"), comando, 5),
                 respostaDoSimulador(QStringLiteral("A1865"), comando, 5));
        for (const QByteArray& r : series)
            QVERIFY2(QRegularExpression(QStringLiteral("^syscfg print SrNm\\r\\nF[0-9A-Z]{7}JCLJ\\n\\["))
                         .match(QString::fromLatin1(r))
                         .hasMatch(),
                     r.constData());
    }

    // Over the real line, as the console gets it: the link's answer is the recorded form, and it matches.
    void pelaLinhaConfere_data() {
        QTest::addColumn<QString>("comando");
        QTest::newRow("the help list") << QStringLiteral("Help");
        QTest::newRow("the battery, with its serial") << QStringLiteral("battery --properties");
    }
    void pelaLinhaConfere() {
        QFETCH(QString, comando);
        teste::PastaPrograma pasta;
        teste::Simulador sim(pasta.caminho(), 3, QStringLiteral("A1778"), {},
                             {QStringLiteral("--semente"), QStringLiteral("77")});
        QVERIFY2(sim.pronto(), qPrintable(sim.erro()));
        Enlace e;
        e.defineModeloBox(QStringLiteral("1"));
        e.abre(3, pasta.caminho());
        e.defineEstado(EstadoEnlace::Ocioso);
        QSignalSpy entregue(&e, &Enlace::entregue);
        globais().TelaAtiva = QStringLiteral("1");
        e.defineComando(comando);
        QVERIFY(e.EnviaComando());
        QVERIFY(entregue.wait(10000));
        const Resposta r = entregue.first().first().value<Resposta>();
        QCOMPARE(r.R, Resposta::semComando(ConsoleDaResposta(respostaDoSimulador(QStringLiteral("A1778"), comando, 77)),
                                           comando));
        Banco b({}, Banco::Modo::SomenteLeitura);
        const QString gravada = b.valor(QStringLiteral("Select Dados From Dados where Aparelho = ? and Comando = ?"),
                                        {QStringLiteral("IP 7"), comando})
                                    .toString();
        QVERIFY(AutoComparadorConfere(r.R, gravada, LeMascaras(b)));
    }
};

QTEST_GUILESS_MAIN(TstDadosReferencia)
#include "tst_dadosreferencia.moc"
