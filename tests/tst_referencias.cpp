// The rail reference rows shipped in Config.tsl, held against the healthy boards of the simulator: every
// line code has a line key and finds its line, a healthy board reads within tolerance on every rail
// screen without a message box, and the rows have the shape the screens and the import of saved
// recordings rely on.

#include "Apoio.h"

#include "base/DialogosRoteiro.h"
#include "base/ErroVB.h"
#include "base/Globais.h"
#include "rails/ChaveBist.h"
#include "rails/JulgamentoRail.h"
#include "rails/ParseRails.h"
#include "store/Banco.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace tarsel;

namespace {

const QStringList Familias = {QStringLiteral("IP 6"),       QStringLiteral("IP 6 Plus"), QStringLiteral("IP 6s"),
                              QStringLiteral("IP 6s Plus"), QStringLiteral("IP 7"),      QStringLiteral("IP 7 Plus"),
                              QStringLiteral("IP 8"),       QStringLiteral("IP 8 Plus"), QStringLiteral("IP X")};

// A line of the simulated answer: what follows its key.
struct LinhaPerfil {
    QString valor;
    QString unidade;
};

// The answer of a family's healthy board to "pmuadc --read all", as the simulated shell sends it.
struct Perfil {
    QString resposta;                   // echo, lines (notes removed, LF ends) and prompt
    QHash<QString, LinhaPerfil> linhas; // by line key ("BIST buck0:")
};

QHash<QString, Perfil> lePerfis(QString* erro) {
    QHash<QString, Perfil> perfis;
    // Resolved as text: the fixture folder need not exist in a fresh checkout (git keeps no empty folders).
    const QDir pasta(QDir::cleanPath(QStringLiteral(TARSEL_DADOS_TESTE "/../../sim/perfis")));
    const QStringList arquivos = pasta.entryList({QStringLiteral("*.txt")}, QDir::Files);
    if (arquivos.isEmpty())
        *erro = QStringLiteral("no profiles in ") + pasta.absolutePath();
    for (const QString& nome : arquivos) {
        QFile f(pasta.filePath(nome));
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            *erro = QStringLiteral("cannot read ") + f.fileName();
            return {};
        }
        QString familia;
        Perfil p;
        QStringList enviadas;
        bool naSecao = false;
        for (const QString& bruta : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
            if (bruta.startsWith(QLatin1String("familia:")))
                familia = bruta.mid(8).trimmed();
            if (bruta.startsWith(QLatin1String("== "))) {
                naSecao = bruta.mid(3).trimmed() == QLatin1String("pmuadc --read all");
                continue;
            }
            if (!naSecao || bruta.trimmed().isEmpty() || bruta.startsWith(QLatin1Char('#')))
                continue;
            // The "## net | IC group" note is never sent.
            const int nota = bruta.indexOf(QLatin1String("##"));
            const QString linha = (nota < 0 ? bruta : bruta.left(nota)).trimmed();
            enviadas << linha;
            const int doisPontos = linha.indexOf(QLatin1Char(':'));
            const QStringList resto = linha.mid(doisPontos + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (doisPontos > 0 && resto.size() >= 2)
                p.linhas.insert(linha.left(doisPontos + 1), {resto.at(0), resto.at(1)});
        }
        if (familia.isEmpty() || enviadas.isEmpty())
            continue; // the shared answers, no board of its own
        p.resposta = QStringLiteral("pmuadc --read all\n") + enviadas.join(QLatin1Char('\n')) +
                     QStringLiteral("\n[0000abcd:0000ef01] :-) ");
        perfis.insert(familia, p);
    }
    return perfis;
}

struct Linha {
    qint64 id;
    int TIPO;
    QString Orig;
    QString Malha;
    QString Ci;
    QString RefT;
    QString RefV;
    QString Ref;
    QString Leitura;
    QString Porc;
};

QList<Linha> linhasDe(const QString& familia) {
    Banco b;
    QSqlQuery q = b.executa(QStringLiteral("select rowid, TIPO, Orig, Malha, Ci, RefT, RefV, Ref, Leitura, Porc "
                                           "from Master where Modelo = ? order by TIPO, Orig"),
                            {familia});
    QList<Linha> r;
    while (q.next()) {
        r.append({q.value(0).toLongLong(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toString(),
                  q.value(4).toString(), q.value(5).toString(), q.value(6).toString(), q.value(7).toString(),
                  q.value(8).toString(), q.value(9).toString()});
    }
    return r;
}

bool corrente(const Linha& l) {
    return l.Orig.startsWith(QLatin1String("mA"));
}

QString descreve(const QString& familia, const Linha& l) {
    return QStringLiteral("%1 type %2 %3 (%4, code '%5', reference '%6'): reading '%7', deviation '%8'")
        .arg(familia)
        .arg(l.TIPO)
        .arg(l.Orig, l.Malha, l.RefT, l.RefV, l.Leitura, l.Porc);
}

} // namespace

class TstReferencias : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void asNoveFamiliasEstaoNaTabela();

    void cadaCodigoAchaSuaLinhaNaPlaca_data() { porFamilia("every line code of %1 has a line key its board answers"); }
    void cadaCodigoAchaSuaLinhaNaPlaca();
    void placaSaudavelFicaDentroDaTolerancia_data() { porFamilia("a healthy %1 board reads within 5 %"); }
    void placaSaudavelFicaDentroDaTolerancia();
    void linhasTemAFormaQueAsTelasUsam_data() { porFamilia("the %1 rows have the shape the screens use"); }
    void linhasTemAFormaQueAsTelasUsam();
    void nomesNaoSeRepetem_data() { porFamilia("no %1 rail or net name repeats"); }
    void nomesNaoSeRepetem();

private:
    static void porFamilia(const char* frase);

    std::unique_ptr<teste::PastaPrograma> m_pasta;
    QHash<QString, Perfil> m_perfis;
};

void TstReferencias::initTestCase() {
    m_pasta = std::make_unique<teste::PastaPrograma>();
    QVERIFY(m_pasta->valida());
    globais().IdiomaAtual = 1;
    QString erro;
    m_perfis = lePerfis(&erro);
    QVERIFY2(erro.isEmpty(), qPrintable(erro));
}

void TstReferencias::porFamilia(const char* frase) {
    QTest::addColumn<QString>("familia");
    for (const QString& f : Familias)
        QTest::newRow(qPrintable(QString::fromLatin1(frase).arg(f))) << f;
}

void TstReferencias::asNoveFamiliasEstaoNaTabela() {
    // Queries select by the model list's text, so a family written any other way would never be read.
    Banco b;
    QSqlQuery q = b.executa(QStringLiteral("select distinct Modelo from Master"));
    QStringList presentes;
    while (q.next())
        presentes << q.value(0).toString();
    presentes.sort();
    QStringList esperadas = Familias;
    esperadas.sort();
    QCOMPARE(presentes, esperadas);
    for (const QString& f : Familias)
        QVERIFY2(m_perfis.contains(f), qPrintable(QStringLiteral("no simulated board for ") + f));
}

void TstReferencias::cadaCodigoAchaSuaLinhaNaPlaca() {
    QFETCH(QString, familia);
    const Perfil perfil = m_perfis.value(familia);
    for (const Linha& l : linhasDe(familia)) {
        if (l.RefT.isEmpty())
            continue;
        // A code without a line key stops every read of its list on a "NOT <code>" box.
        const std::optional<QString> chave = ChaveLinha(l.RefT);
        QVERIFY2(chave, qPrintable(descreve(familia, l) + QStringLiteral(": the code has no line key")));
        QVERIFY2(perfil.linhas.contains(*chave),
                 qPrintable(descreve(familia, l) + QStringLiteral(": no line ") + *chave));
    }
}

void TstReferencias::placaSaudavelFicaDentroDaTolerancia() {
    QFETCH(QString, familia);
    const Perfil perfil = m_perfis.value(familia);
    const struct {
        TelaRail tela;
        int tipo;
    } leituras[] = {
        {TelaRail::PMU, 2}, {TelaRail::PMU, 1}, {TelaRail::BuckLdo, 2}, {TelaRail::BuckLdo, 1}, {TelaRail::VCore, 0}};
    for (const auto& leitura : leituras) {
        DialogosRoteiro caixas;
        try {
            QVERIFY(ProcessaLeituras(leitura.tela, perfil.resposta, familia, leitura.tipo, 3, 1));
        } catch (const ErroVB& e) {
            // The PMU screen stops at a step it cannot carry out: a healthy board must never get there.
            QFAIL(qPrintable(
                QStringLiteral("%1 type %2: the read failed: %3").arg(familia).arg(leitura.tipo).arg(e.descricao())));
        }
        QVERIFY2(caixas.caixas.isEmpty(), qPrintable(QStringLiteral("%1 type %2: %3")
                                                         .arg(familia)
                                                         .arg(leitura.tipo)
                                                         .arg(caixas.textos().join(QStringLiteral(", ")))));
        for (const Linha& l : linhasDe(familia)) {
            if (l.TIPO != leitura.tipo || l.RefT.isEmpty())
                continue;
            const LinhaPerfil medida = perfil.linhas.value(ChaveLinha(l.RefT).value_or(QString()));
            bool numero = false;
            medida.valor.toDouble(&numero);
            if (l.RefV.isEmpty() || !numero || medida.unidade != QLatin1String("mV"))
                continue;
            QVERIFY2(l.Leitura.endsWith(QLatin1String(" V")), qPrintable(descreve(familia, l)));
            QVERIFY2(JulgamentoRail::julga(l.Porc, 5) == JulgamentoRail::Juizo::Dentro,
                     qPrintable(descreve(familia, l)));
        }
    }
}

void TstReferencias::linhasTemAFormaQueAsTelasUsam() {
    QFETCH(QString, familia);
    const QList<Linha> linhas = linhasDe(familia);
    QHash<int, QSet<QString>> tensoes;
    for (const Linha& l : linhas) {
        if (!corrente(l))
            tensoes[l.TIPO].insert(l.Orig);
    }
    QSet<int> tipos;
    bool temCorrente = false;
    bool temGPU = false;
    // Three decimals, so that the deviation compares millivolts; "0" for a rail that is not judged.
    const QRegularExpression tresDecimais(QStringLiteral("^-?\\d+\\.\\d{3}$"));
    for (const Linha& l : linhas) {
        tipos.insert(l.TIPO);
        temGPU = temGPU || l.Ci.contains(QLatin1String("GPU"));
        const QString falha = descreve(familia, l);
        QVERIFY2(!l.RefT.isEmpty(), qPrintable(falha));
        if (corrente(l)) {
            temCorrente = true;
            // The PMU screen takes the rows without a deviation as currents and writes each into the line
            // of the rail its name carries after "mA ".
            QVERIFY2(l.Orig.startsWith(QLatin1String("mA ")), qPrintable(falha));
            QVERIFY2(l.RefV.isEmpty(), qPrintable(falha));
            QVERIFY2(tensoes.value(l.TIPO).contains(l.Orig.mid(3)), qPrintable(falha));
        } else {
            QVERIFY2(l.RefV == QLatin1String("0") || tresDecimais.match(l.RefV).hasMatch(), qPrintable(falha));
            QVERIFY2(!l.Ref.isEmpty(), qPrintable(falha));
        }
    }
    QCOMPARE(tipos, (QSet<int>{0, 1, 2}));
    QVERIFY(temCorrente);
    QVERIFY(temGPU);
}

void TstReferencias::nomesNaoSeRepetem() {
    QFETCH(QString, familia);
    QSet<QString> origens;
    QSet<QString> malhas;
    for (const Linha& l : linhasDe(familia)) {
        const QString chave = QString::number(l.TIPO) + QLatin1Char('/') + l.Orig.toLower();
        QVERIFY2(!origens.contains(chave), qPrintable(descreve(familia, l)));
        origens.insert(chave);
        // Recorded readings reach a new install matched by family and net name only.
        QVERIFY2(!malhas.contains(l.Malha.toLower()), qPrintable(descreve(familia, l)));
        malhas.insert(l.Malha.toLower());
    }
}

QTEST_MAIN(TstReferencias)
#include "tst_referencias.moc"
