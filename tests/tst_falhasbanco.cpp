// Faults of the database files while the program runs: a disk that fills, a Config.tsl another program
// holds locked, a Config.tsl that turns read-only, a User.tsl replaced by garbage. A write that fails says
// so once, leaves the data as it was, and once the cause is gone the next write succeeds (no restart).

#include "Apoio.h"

#include "app/Inicial.h"
#include "base/DialogosRoteiro.h"
#include "base/ErroVB.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "console/Master.h"
#include "link/Enlace.h"
#include "rails/GravacoesRail.h"
#include "store/Banco.h"
#include "store/Configuracao.h"
#include "store/Sincronizacao.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace tarsel;

namespace {

enum class Falha { DiscoCheio, Travado, SomenteLeitura };

// A full disk: RLIMIT_FSIZE caps every file this process writes, with SIGXFSZ ignored, so a write past
// the cap fails with EFBIG as a write on a full disk fails with ENOSPC (the engine reports both as a
// failed write). Chosen over a small tmpfs because it needs no mount and no root, and it is set in this
// process rather than a child because the code under test (with its scripted boxes) runs here.
class DiscoCheio {
public:
    explicit DiscoCheio(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_antes);
        m_sinal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{bytes, m_antes.rlim_max};
        m_valido = setrlimit(RLIMIT_FSIZE, &limite) == 0;
    }
    ~DiscoCheio() {
        setrlimit(RLIMIT_FSIZE, &m_antes);
        std::signal(SIGXFSZ, m_sinal);
    }
    DiscoCheio(const DiscoCheio&) = delete;
    DiscoCheio& operator=(const DiscoCheio&) = delete;
    bool valido() const { return m_valido; }

private:
    rlimit m_antes{};
    void (*m_sinal)(int) = SIG_DFL;
    bool m_valido = false;
};

// Another program holding Config.tsl with "begin exclusive" until released.
class OutroPrograma {
public:
    explicit OutroPrograma(const QString& banco) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outro"));
        m_db.setDatabaseName(banco);
        m_valido = m_db.open() && QSqlQuery(m_db).exec(QStringLiteral("begin exclusive"));
    }
    ~OutroPrograma() {
        QSqlQuery(m_db).exec(QStringLiteral("rollback"));
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("outro"));
    }
    OutroPrograma(const OutroPrograma&) = delete;
    OutroPrograma& operator=(const OutroPrograma&) = delete;
    bool valido() const { return m_valido; }

private:
    QSqlDatabase m_db;
    bool m_valido = false;
};

// Config.tsl made read-only under the running program; as root the permission bits only count with the
// override capability laid down.
class SomenteLeitura {
public:
    explicit SomenteLeitura(const QString& banco)
        : m_banco(banco)
        , m_antes(QFile::permissions(banco)) {
        m_valido = m_passe.valido() && QFile::setPermissions(banco, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    }
    ~SomenteLeitura() { QFile::setPermissions(m_banco, m_antes); }
    SomenteLeitura(const SomenteLeitura&) = delete;
    SomenteLeitura& operator=(const SomenteLeitura&) = delete;
    bool valido() const { return m_valido; }

private:
    teste::SemPassePermissoes m_passe;
    QString m_banco;
    QFileDevice::Permissions m_antes;
    bool m_valido = false;
};

// The cause of a fault, present while the object lives.
class Causa {
public:
    Causa(Falha f, const QString& banco) {
        switch (f) {
        case Falha::DiscoCheio:
            // Smaller than one page of the engine: neither the journal nor the file can take a page.
            m_disco = std::make_unique<DiscoCheio>(512);
            m_valido = m_disco->valido();
            break;
        case Falha::Travado:
            m_outro = std::make_unique<OutroPrograma>(banco);
            m_valido = m_outro->valido();
            break;
        case Falha::SomenteLeitura:
            m_leitura = std::make_unique<SomenteLeitura>(banco);
            m_valido = m_leitura->valido();
            break;
        }
    }
    bool valido() const { return m_valido; }

private:
    std::unique_ptr<DiscoCheio> m_disco;
    std::unique_ptr<OutroPrograma> m_outro;
    std::unique_ptr<SomenteLeitura> m_leitura;
    bool m_valido = false;
};

QByteArray resumo(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QString valor(const QString& sql, const QVariantList& valores = {}) {
    Banco b({}, Banco::Modo::SomenteLeitura);
    return b.valor(sql, valores).toString();
}

// The boxes that are not questions: what the technician is told.
QStringList avisos(const DialogosRoteiro& d) {
    QStringList r;
    for (const auto& c : d.caixas) {
        if (c.icone != Dialogos::Icone::Pergunta)
            r << c.titulo;
    }
    return r;
}

// The first rows of the rail table with a known reading and known recordings.
QList<qint64> preparaLinhasRail(const teste::PastaPrograma& pasta) {
    teste::executaSql(pasta.banco(), QStringLiteral("update Master set Leitura = 'L' || rowid, G1 = 'antes', "
                                                    "G2 = 'gravado' where rowid in (select rowid from Master "
                                                    "order by rowid limit 40)"));
    QList<qint64> ids;
    Banco b({}, Banco::Modo::SomenteLeitura);
    QSqlQuery q = b.executa(QStringLiteral("select rowid from Master order by rowid limit 40"));
    while (q.next())
        ids << q.value(0).toLongLong();
    return ids;
}

QString gravacoes() {
    return valor(QStringLiteral("select group_concat(G1 || '/' || G2, ',') from (select G1, G2 from Master "
                                "order by rowid limit 40)"));
}

enum class Operacao { GravaRail, ExcluiRail, EscolhaLembrada };

} // namespace

Q_DECLARE_METATYPE(Falha)
Q_DECLARE_METATYPE(Operacao)

class TstFalhasBanco : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { globais().IdiomaAtual = 2; }

    // Each write path against each fault: while the cause is there the write fails with one box (the
    // store's own write throws instead, for its window to show), nothing in the file changes; with the
    // cause gone the very same write goes through.
    void escritaComFalha_data() {
        QTest::addColumn<Operacao>("operacao");
        QTest::addColumn<Falha>("falha");
        const QList<QPair<const char*, Operacao>> operacoes{{"rail recording", Operacao::GravaRail},
                                                            {"rail recording deleted", Operacao::ExcluiRail},
                                                            {"remembered choice", Operacao::EscolhaLembrada}};
        const QList<QPair<const char*, Falha>> falhas{{"disk full", Falha::DiscoCheio},
                                                      {"Config.tsl locked", Falha::Travado},
                                                      {"Config.tsl read-only", Falha::SomenteLeitura}};
        for (const auto& o : operacoes) {
            for (const auto& f : falhas)
                QTest::addRow("%s, %s", o.first, f.first) << o.second << f.second;
        }
    }
    void escritaComFalha() {
        QFETCH(Operacao, operacao);
        QFETCH(Falha, falha);
        teste::PastaPrograma pasta;
        DialogosRoteiro dialogos;
        const QList<qint64> ids = preparaLinhasRail(pasta);
        QVERIFY(ids.size() == 40);
        GravaCombo(3, QStringLiteral("2"));

        // Returns whether the write went through.
        const auto escreve = [&]() -> bool {
            switch (operacao) {
            case Operacao::GravaRail:
                return GravaLeituras(1, ids);
            case Operacao::ExcluiRail:
                return ExcluiGravacoes(2, ids);
            case Operacao::EscolhaLembrada:
                // The store throws and shows nothing: the window that remembers the choice says it.
                try {
                    GravaCombo(3, QStringLiteral("1"));
                    return true;
                } catch (const ErroVB&) {
                    return false;
                }
            }
            return false;
        };
        const auto estado = [&] { return operacao == Operacao::EscolhaLembrada ? LeCombo(3) : gravacoes(); };

        const QString antes = estado();
        const QByteArray bytesAntes = resumo(pasta.banco());
        {
            Causa causa(falha, pasta.banco());
            QVERIFY(causa.valido());
            QVERIFY(!escreve());
        }
        const QStringList umaCaixa{MontaMensagem(QStringLiteral("MSG_BANCO_NAO_GRAVADO"), 2, {})->titulo};
        QCOMPARE(avisos(dialogos), operacao == Operacao::EscolhaLembrada ? QStringList() : umaCaixa);
        QCOMPARE(resumo(pasta.banco()), bytesAntes);
        QCOMPARE(estado(), antes);
        QCOMPARE(ValidaBanco(pasta.banco()), QString());

        // The cause is gone: no restart, the same write succeeds without a box.
        dialogos.caixas.clear();
        QVERIFY(escreve());
        QVERIFY(avisos(dialogos).isEmpty());
        QVERIFY(estado() != antes);
        if (operacao == Operacao::GravaRail)
            QVERIFY(gravacoes().startsWith(QStringLiteral("L%1/gravado,").arg(ids.first())));
        if (operacao == Operacao::ExcluiRail)
            QVERIFY(gravacoes().startsWith(QStringLiteral("antes/,antes/,")));
    }

    // Closing the console copies Config.tsl to User.tsl. On a full disk the copy fails and the previous
    // User.tsl stays whole (the new copy is written beside it and only then put in its place); no
    // half-written file is left behind; the next copy goes through.
    void copiaUsuarioComDiscoCheio() {
        teste::PastaPrograma pasta;
        const QString usuario = pasta.arquivo(QStringLiteral("User.tsl"));
        QVERIFY(CopiaBancoUsuario(pasta.caminho()));
        const QByteArray anterior = resumo(usuario);
        teste::executaSql(pasta.banco(), QStringLiteral("insert into Dados (Aparelho, Comando, Dados) "
                                                        "values ('IP 7', 'depois', 'novo')"));
        {
            DiscoCheio disco(4096);
            QVERIFY(disco.valido());
            QVERIFY(!CopiaBancoUsuario(pasta.caminho()));
        }
        QCOMPARE(resumo(usuario), anterior);
        QCOMPARE(ValidaBanco(usuario), QString());
        QCOMPARE(QDir(pasta.caminho()).entryList({QStringLiteral("User.tsl*")}, QDir::Files),
                 QStringList{QStringLiteral("User.tsl")});

        QVERIFY(CopiaBancoUsuario(pasta.caminho()));
        QCOMPARE(resumo(usuario), resumo(pasta.banco()));
    }

    // User.tsl replaced by garbage while the program runs: the import says once that it cannot read it
    // and changes nothing; the next copy from Config.tsl replaces the garbage whole, and the import reads
    // it again.
    void usuarioTrocadoPorLixo() {
        teste::PastaPrograma pasta;
        DialogosRoteiro dialogos;
        const QString usuario = pasta.arquivo(QStringLiteral("User.tsl"));
        QVERIFY(CopiaBancoUsuario(pasta.caminho()));
        {
            QFile f(usuario);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            static const char lixo[] = "SQLite format 3\0 but then \xff\xfe garbage ";
            f.write(QByteArray(lixo, sizeof lixo - 1).repeated(300));
        }
        const QByteArray antes = resumo(pasta.banco());
        QCOMPARE(ImportaDadosSalvos().estado, ResultadoImportacao::Estado::UsuarioInvalido);
        QCOMPARE(avisos(dialogos),
                 QStringList{MontaMensagem(QStringLiteral("MSG_SYNC_USUARIO_INVALIDO"), 2, {})->titulo});
        QCOMPARE(resumo(pasta.banco()), antes);

        QVERIFY(CopiaBancoUsuario(pasta.caminho()));
        QCOMPARE(ValidaBanco(usuario), QString());
        dialogos.caixas.clear();
        QCOMPARE(ImportaDadosSalvos().estado, ResultadoImportacao::Estado::Importado);
    }

    // The console on a connected phone: "Copiar Dados" and "Salvar Alterações" against each fault. The
    // saved answer stays as it was, one box says so, and the pane keeps its text; with the cause gone the
    // next save goes through.
    void consoleSalvaComFalha() {
        teste::BancadaTela<Master> b(NomeTela::Master, QStringLiteral("delete from Dados; delete from M;"));
        b.principal->Botoes(Botao::Comandos)->click();
        Master* m = b.tela();
        QVERIFY(m);
        const bool conectou = b.conecta();
        QVERIFY2(conectou,
                 qPrintable(b.principal->lbModelo()->text() + QStringLiteral(" / ") + b.principal->enlace().Status() +
                            QStringLiteral(" / ") + b.dialogos.titulos().join(QStringLiteral(", "))));
        Enlace& enlace = b.principal->enlace();
        m->defineComando(ConsultaModelo);
        m->btSend()->click();
        QVERIFY(
            QTest::qWaitFor([&] { return m->btSend()->isEnabled() && enlace.Status() == QLatin1String("1"); }, 25000));
        m->botao(QStringLiteral("btSalvar"))->click();
        const QString sql = QStringLiteral("select group_concat(Dados, '|') from Dados where Comando = ?");
        QVERIFY(!valor(sql, {ConsultaModelo}).isEmpty());
        // A saved answer other than the console's: the engine skips writing a row that does not change,
        // and a copy of the same answer would go through whatever the disk says.
        teste::executaSql(b.pasta.banco(), QStringLiteral("update Dados set Dados = 'guardado'"));
        const QString salvo = QStringLiteral("guardado");

        for (const Falha f : {Falha::Travado, Falha::SomenteLeitura, Falha::DiscoCheio}) {
            const QString linha = QString::number(int(f));
            b.dialogos.caixas.clear();
            m->txtComparador()->setPlainText(QStringLiteral("editado"));
            {
                Causa causa(f, b.pasta.banco());
                QVERIFY2(causa.valido(), qPrintable(linha));
                // "Copiar Dados" over the pane: one error box, and the pane keeps what is still saved
                // rather than showing the copy as if it had been stored.
                m->botao(QStringLiteral("btSalvar"))->click();
                const QStringList erro = avisos(b.dialogos);
                QVERIFY2(erro.size() == 1 && erro.first().startsWith(QStringLiteral("ERRO AO GRAVAR Nº ")),
                         qPrintable(linha + QStringLiteral(": ") + erro.join(QStringLiteral(", "))));
                QCOMPARE(m->txtComparador()->toPlainText(), QStringLiteral("editado"));
                b.dialogos.caixas.clear();

                m->botao(QStringLiteral("btSalvarAtualizacoes"))->click();
                QCOMPARE(avisos(b.dialogos),
                         QStringList{MontaMensagem(QStringLiteral("MSG_BANCO_NAO_GRAVADO"), 2, {})->titulo});
                QCOMPARE(m->txtComparador()->toPlainText(), QStringLiteral("editado"));
            }
            QVERIFY2(valor(sql, {ConsultaModelo}) == salvo, qPrintable(linha));
        }

        b.dialogos.caixas.clear();
        m->botao(QStringLiteral("btSalvarAtualizacoes"))->click();
        QVERIFY(avisos(b.dialogos).isEmpty());
        QCOMPARE(valor(sql, {ConsultaModelo}), QStringLiteral("editado"));
        QVERIFY(m->alterado());
    }
};

QTEST_MAIN(TstFalhasBanco)
#include "tst_falhasbanco.moc"
