// Bringing the user's saved data from User.tsl into a newly installed Config.tsl: what is imported and
// what is kept, the offer at start with its syncbd states, the manual import, the terms on first use, and
// every way the source or the target can fail (nothing changed, a clear box).

#include "Apoio.h"

#include "base/DialogosRoteiro.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "store/Banco.h"
#include "store/PrimeiroUso.h"
#include "store/Sincronizacao.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace tarsel;
using Estado = ResultadoImportacao::Estado;

Q_DECLARE_METATYPE(tarsel::ResultadoImportacao::Estado)

namespace {
QByteArray resumo(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QString valor(const QString& banco, const QString& sql) {
    Banco b(banco, Banco::Modo::SomenteLeitura);
    const QVariant v = b.valor(sql);
    return v.isValid() ? v.toString() : QStringLiteral("<no row>");
}

// The user's copy as the old installation left it: a copy of the database, then the user's changes.
QString criaUsuario(const teste::PastaPrograma& pasta, const QString& sql) {
    const QString usuario = pasta.arquivo(QStringLiteral("User.tsl"));
    QFile::copy(pasta.banco(), usuario);
    QFile(usuario).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!sql.isEmpty())
        teste::executaSql(usuario, sql);
    return usuario;
}

void escreve(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// One statement as it stands (a trigger's body holds semicolons the script splitter would cut at).
void executaUma(const QString& banco, const QString& sql) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(banco);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
}

const QString PrimeiroMaster = QStringLiteral("rowid = (select min(rowid) from Master)");
} // namespace

class TstSincronizacao : public QObject {
    Q_OBJECT

private slots:
    void init() { globais().IdiomaAtual = 1; }

    void importa_data() {
        QTest::addColumn<QString>("sqlBanco");
        QTest::addColumn<QString>("sqlUsuario");
        QTest::addColumn<QStringList>("consultas");
        QTest::addColumn<QStringList>("esperados");

        QTest::newRow("a saved answer in both files ends with the user's text and notes")
            << QStringLiteral("insert into Dados values ('IP 7', 'cmd a', 'referência', 'p', 'e', 's')")
            << QStringLiteral("insert into Dados values ('IP 7', 'cmd a', 'minha placa', 'n1', 'n2', 'n3')")
            << QStringList{"select Dados || '|' || Info || '|' || Info2 || '|' || Info3 from Dados where Comando = "
                           "'cmd a'",
                           "select count(*) from Dados where Comando = 'cmd a'"}
            << QStringList{"minha placa|n1|n2|n3", "1"};
        QTest::newRow("a saved answer only in User.tsl is added with its six fields")
            << QString() << QStringLiteral("insert into Dados values ('IP X', 'novo', 'resposta', 'a', 'b', 'c')")
            << QStringList{"select Aparelho || '|' || Dados || '|' || Info || Info2 || Info3 from Dados where "
                           "Comando = 'novo'"}
            << QStringList{"IP X|resposta|abc"};
        QTest::newRow("a command in both keeps the target's descriptions; a new one is added")
            << QStringLiteral("insert into Comandos values ('cmdA', 'do alvo', 'target', 'destino')")
            << QStringLiteral("insert into Comandos values ('cmdA', 'do usuário', 'user', 'usuario');"
                              "insert into Comandos values ('cmdB', 'b1', 'b2', 'b3')")
            << QStringList{"select Info || Info2 || Info3 from Comandos where Comando = 'cmdA'",
                           "select count(*) from Comandos where Comando = 'cmdA'",
                           "select Info || Info2 || Info3 from Comandos where Comando = 'cmdB'"}
            << QStringList{"do alvotargetdestino", "1", "b1b2b3"};
        QTest::newRow("recorded readings go to the same model and rail; other columns stay")
            << QString()
            << QStringLiteral("update Master set G1 = '1.101', G2 = '2.202', G3 = '3.303', RefV = '9.999' where ") +
                   PrimeiroMaster
            << QStringList{"select G1 || '|' || G2 || '|' || G3 from Master where " + PrimeiroMaster,
                           "select RefV <> '9.999' from Master where " + PrimeiroMaster}
            << QStringList{"1.101|2.202|3.303", "1"};
        QTest::newRow("a rail of User.tsl the new database lacks is skipped")
            << QString() << QStringLiteral("insert into Master (Modelo, Malha, G1) values ('IP 99', 'PP_X', '7')")
            << QStringList{"select count(*) from Master where Modelo = 'IP 99'"} << QStringList{"0"};
        QTest::newRow("the remembered choices are copied, all ten")
            << QString() << QStringLiteral("update Combos set Combo1 = '0', Combo7 = '2', Combo10 = 'dez'")
            << QStringList{"select Combo1 || Combo7 || Combo10 from Combos"} << QStringList{"02dez"};
        QTest::newRow("keys with an apostrophe are imported too")
            << QStringLiteral("update Master set Malha = 'PP''1' where ") + PrimeiroMaster
            << QStringLiteral("insert into Dados values ('IP 7', 'echo ''oi''', 'oi', '', '', '');"
                              "insert into Comandos values ('it''s', 'x', 'y', 'z');"
                              "update Master set Malha = 'PP''1', G1 = 'g' where ") +
                   PrimeiroMaster
            << QStringList{"select Dados from Dados where Comando = 'echo ''oi'''",
                           "select Info from Comandos where Comando = 'it''s'",
                           "select G1 from Master where Malha = 'PP''1'"}
            << QStringList{"oi", "x", "g"};
        QTest::newRow("settings, masks and the other tables are not imported")
            << QString()
            << QStringLiteral("update Tools set Nome = 'Oficina', Idioma = '3', o1 = '255';"
                              "insert into M values ('SERIAL123')")
            << QStringList{"select Nome || '|' || Idioma || '|' || o1 from Tools",
                           "select count(*) from M where String = 'SERIAL123'"}
            << QStringList{"|1|", "0"};
        QTest::newRow("a User.tsl without Combos still brings its saved answers")
            << QString()
            << QStringLiteral("drop table Combos; insert into Dados values ('IP 8', 'antigo', 'r', '', '', '')")
            << QStringList{"select Dados from Dados where Comando = 'antigo'", "select Combo7 from Combos"}
            << QStringList{"r", "1"};
    }
    void importa() {
        QFETCH(QString, sqlBanco);
        QFETCH(QString, sqlUsuario);
        QFETCH(QStringList, consultas);
        QFETCH(QStringList, esperados);
        teste::PastaPrograma pasta;
        const QString usuario = criaUsuario(pasta, sqlUsuario);
        if (!sqlBanco.isEmpty())
            teste::executaSql(pasta.banco(), sqlBanco);
        const QByteArray usuarioAntes = resumo(usuario);

        const ResultadoImportacao r = ImportaBancoUsuario(usuario, pasta.banco());
        QCOMPARE(r.estado, Estado::Importado);
        for (int i = 0; i < consultas.size(); ++i)
            QCOMPARE(valor(pasta.banco(), consultas[i]), esperados[i]);
        // The source is only read.
        QCOMPARE(resumo(usuario), usuarioAntes);
    }

    // Every rail row of the user's copy brings its readings back, matched by model and rail.
    void leiturasDeTodoOMasterVoltam() {
        teste::PastaPrograma pasta;
        const QString usuario = criaUsuario(pasta, QStringLiteral("update Master set G1 = 'r' || rowid"));
        const ResultadoImportacao r = ImportaBancoUsuario(usuario, pasta.banco());
        QCOMPARE(r.estado, Estado::Importado);
        const int linhas = valor(pasta.banco(), QStringLiteral("select count(*) from Master")).toInt();
        const int chaves = valor(pasta.banco(), QStringLiteral("select count(*) from (select distinct Modelo, Malha "
                                                               "from Master)"))
                               .toInt();
        QVERIFY(linhas > 100);
        QCOMPARE(r.leituras, linhas);
        QCOMPARE(valor(pasta.banco(), QStringLiteral("select count(*) from Master where G1 like 'r%'")).toInt(),
                 chaves);
    }

    void importaFalha_data() {
        QTest::addColumn<int>("caso");
        QTest::addColumn<Estado>("estado");
        QTest::newRow("no User.tsl") << 0 << Estado::SemUsuario;
        QTest::newRow("User.tsl of random bytes") << 1 << Estado::UsuarioInvalido;
        QTest::newRow("User.tsl of zero bytes") << 2 << Estado::UsuarioInvalido;
        QTest::newRow("User.tsl a database of something else") << 3 << Estado::UsuarioInvalido;
        QTest::newRow("User.tsl a database cut in half") << 4 << Estado::UsuarioInvalido;
        QTest::newRow("Config.tsl refuses a write halfway: the rows before are rolled back")
            << 5 << Estado::FalhaGravacao;
        QTest::newRow("Config.tsl held by another program throughout") << 6 << Estado::FalhaGravacao;
        QTest::newRow("User.tsl whose saved answers break off on a damaged page: none of it is imported")
            << 7 << Estado::UsuarioInvalido;
    }
    void importaFalha() {
        QFETCH(int, caso);
        QFETCH(Estado, estado);
        teste::PastaPrograma pasta;
        const QString usuario = pasta.arquivo(QStringLiteral("User.tsl"));
        const QString com = QStringLiteral("insert into Dados values ('IP 7', 'meu', 'x', '', '', '');"
                                           "insert into Comandos values ('zzz', '', '', '')");
        switch (caso) {
        case 1: {
            // The length comes from the literal: a hand-counted one read past its end.
            static const char lixo[] = "\x13\x37 no database \xff\xfe";
            escreve(usuario, QByteArray(lixo, sizeof lixo - 1).repeated(500));
            break;
        }
        case 2:
            escreve(usuario, QByteArray());
            break;
        case 3:
            escreve(usuario, QByteArray());
            teste::executaSql(usuario, QStringLiteral("create table Outra (x text); insert into Outra values ('1')"));
            break;
        case 4: {
            criaUsuario(pasta, com);
            QFile f(usuario);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(f.size() / 2));
            f.seek(100);
            f.write(QByteArray(4000, '\xa5'));
            break;
        }
        case 5:
            criaUsuario(pasta, com);
            executaUma(pasta.banco(), QStringLiteral("create trigger recusa before insert on Comandos begin "
                                                     "select raise(abort, 'refused'); end"));
            break;
        case 6:
            criaUsuario(pasta, com);
            break;
        case 7: {
            // The header, the schema and the commands stay readable; the scan of Dados meets the damage
            // after many good rows.
            criaUsuario(pasta, com + QStringLiteral(";insert into Dados select 'IP 7', 'linha' || n, "
                                                    "hex(randomblob(300)), '', '', '' from (with recursive c(n) "
                                                    "as (select 1 union all select n + 1 from c where n < 1500) "
                                                    "select n from c)"));
            QFile f(usuario);
            QVERIFY(f.open(QIODevice::ReadWrite));
            const qint64 tamanho = f.size();
            f.seek(tamanho * 6 / 10);
            f.write(QByteArray(int(tamanho / 4), '\xa5'));
            break;
        }
        }
        const QByteArray antes = resumo(pasta.banco());
        QSqlDatabase outro;
        std::unique_ptr<QSqlQuery> trava;
        if (caso == 6) {
            outro = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outro"));
            outro.setDatabaseName(pasta.banco());
            QVERIFY(outro.open());
            trava = std::make_unique<QSqlQuery>(outro);
            QVERIFY(trava->exec(QStringLiteral("begin exclusive")));
        }

        const ResultadoImportacao r = ImportaBancoUsuario(usuario, pasta.banco());
        QCOMPARE(r.estado, estado);
        QCOMPARE(r.dadosNovos + r.dadosAtuais + r.comandosNovos + r.leituras, 0);
        if (caso == 6) {
            QVERIFY(trava->exec(QStringLiteral("rollback")));
            trava.reset();
            outro.close();
            outro = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("outro"));
        }
        QCOMPARE(resumo(pasta.banco()), antes);
        QCOMPARE(valor(pasta.banco(), QStringLiteral("select count(*) from Dados where Comando = 'meu'")),
                 QStringLiteral("0"));
    }

    void oferta_data() {
        QTest::addColumn<QString>("sync");
        QTest::addColumn<int>("usuario"); // 0 none, 1 a good copy, 2 random bytes
        QTest::addColumn<int>("resposta");
        QTest::addColumn<QString>("syncDepois");
        QTest::addColumn<QStringList>("titulos");
        QTest::addColumn<bool>("importou");
        const QString s = QStringLiteral("Sincronização");
        const QString ok = QStringLiteral("Sincronização de dados");
        QTest::newRow("new database without User.tsl: no question, never again")
            << "0" << 0 << int(Dialogos::Resposta::Sim) << "2" << QStringList() << false;
        QTest::newRow("declined once, User.tsl gone since: no question, never again")
            << "1" << 0 << int(Dialogos::Resposta::Sim) << "2" << QStringList() << false;
        QTest::newRow("new database, yes: imported and done")
            << "0" << 1 << int(Dialogos::Resposta::Sim) << "2" << QStringList{s, ok} << true;
        QTest::newRow("new database, no: asked again at the next start")
            << "0" << 1 << int(Dialogos::Resposta::Nao) << "1" << QStringList{s} << false;
        QTest::newRow("declined once, no again: never again")
            << "1" << 1 << int(Dialogos::Resposta::Nao) << "2" << QStringList{s} << false;
        QTest::newRow("declined once, yes: imported and done")
            << "1" << 1 << int(Dialogos::Resposta::Sim) << "2" << QStringList{s, ok} << true;
        QTest::newRow("already done: no question even with User.tsl")
            << "2" << 1 << int(Dialogos::Resposta::Sim) << "2" << QStringList() << false;
        QTest::newRow("a corrupt User.tsl, yes: the reason is shown, nothing imported, done")
            << "0" << 2 << int(Dialogos::Resposta::Sim) << "2" << QStringList{s, ok} << false;
    }
    void oferta() {
        QFETCH(QString, sync);
        QFETCH(int, usuario);
        QFETCH(int, resposta);
        QFETCH(QString, syncDepois);
        QFETCH(QStringList, titulos);
        QFETCH(bool, importou);
        teste::PastaPrograma pasta;
        teste::executaSql(pasta.banco(), QStringLiteral("update Tools set syncbd = '%1'").arg(sync));
        if (usuario == 1)
            criaUsuario(pasta, QStringLiteral("insert into Dados values ('IP 7', 'meu', 'x', '', '', '')"));
        else if (usuario == 2)
            escreve(pasta.arquivo(QStringLiteral("User.tsl")), QByteArray(5000, '\x42'));
        DialogosRoteiro d;
        d.respostas.enqueue(Dialogos::Resposta(resposta));

        OfereceImportacao();
        QCOMPARE(d.titulos(), titulos);
        if (!titulos.isEmpty()) {
            QCOMPARE(d.caixas[0].icone, Dialogos::Icone::Pergunta);
            QCOMPARE(d.caixas[0].botoes, Dialogos::Botoes::SimNao);
            QCOMPARE(d.caixas[0].texto,
                     QStringLiteral("Foi localizado dados salvos ou alterados por você na versão anterior.\r\n"
                                    "Deseja importar esses dados para essa nova versão?"));
        }
        if (titulos.size() > 1) {
            const QString esperado = importou
                                         ? QStringLiteral("Dados sincronizados com sucesso!")
                                         : MontaMensagem(QStringLiteral("MSG_SYNC_USUARIO_INVALIDO"), 1, {})->texto;
            QCOMPARE(d.caixas[1].texto, esperado);
        }
        QCOMPARE(LeSyncbd(), syncDepois);
        QCOMPARE(valor(pasta.banco(), QStringLiteral("select count(*) from Dados where Comando = 'meu'")),
                 importou ? QStringLiteral("1") : QStringLiteral("0"));
    }

    void duasRecusasEncerramAOferta() {
        teste::PastaPrograma pasta;
        criaUsuario(pasta, {});
        DialogosRoteiro d;
        d.respostaPadrao = Dialogos::Resposta::Nao;
        OfereceImportacao();
        QCOMPARE(LeSyncbd(), QStringLiteral("1"));
        OfereceImportacao();
        QCOMPARE(LeSyncbd(), QStringLiteral("2"));
        OfereceImportacao();
        QCOMPARE(d.caixas.size(), 2);
    }

    void manual_data() {
        QTest::addColumn<int>("usuario"); // 0 none, 1 a good copy, 2 a file that is no database
        QTest::addColumn<int>("resposta");
        QTest::addColumn<QString>("depois"); // key of the box after the question, empty for none
        QTest::addColumn<bool>("importou");
        QTest::newRow("yes with User.tsl: imported, success box")
            << 1 << int(Dialogos::Resposta::Sim) << "MSG_DADOS_SYNC" << true;
        QTest::newRow("no: nothing") << 1 << int(Dialogos::Resposta::Nao) << "" << false;
        QTest::newRow("yes without User.tsl: says so instead of the success box")
            << 0 << int(Dialogos::Resposta::Sim) << "MSG_SYNC_SEM_USUARIO" << false;
        QTest::newRow("yes with an unreadable User.tsl: says so instead of the success box")
            << 2 << int(Dialogos::Resposta::Sim) << "MSG_SYNC_USUARIO_INVALIDO" << false;
    }
    void manual() {
        QFETCH(int, usuario);
        QFETCH(int, resposta);
        QFETCH(QString, depois);
        QFETCH(bool, importou);
        teste::PastaPrograma pasta;
        teste::executaSql(pasta.banco(), QStringLiteral("update Tools set syncbd = '1'"));
        if (usuario == 1)
            criaUsuario(pasta, QStringLiteral("insert into Dados values ('IP 7', 'meu', 'x', '', '', '')"));
        else if (usuario == 2)
            escreve(pasta.arquivo(QStringLiteral("User.tsl")), QByteArray("not a database").repeated(300));
        for (quint8 idioma : {1, 2}) {
            globais().IdiomaAtual = idioma;
            DialogosRoteiro d;
            d.respostas.enqueue(Dialogos::Resposta(resposta));
            SincronizaManualmente();
            QCOMPARE(d.caixas.size(), depois.isEmpty() ? 1 : 2);
            QCOMPARE(d.caixas[0].titulo, QStringLiteral("Sincronizar / Sync"));
            QCOMPARE(d.caixas[0].texto, Traduz(QStringLiteral("SYNC_2")));
            QCOMPARE(d.caixas[0].botoes, Dialogos::Botoes::SimNao);
            if (!depois.isEmpty()) {
                const auto m = MontaMensagem(depois, idioma, {});
                QCOMPARE(d.caixas[1].titulo, m->titulo);
                QCOMPARE(d.caixas[1].texto, m->texto);
            }
        }
        QCOMPARE(valor(pasta.banco(), QStringLiteral("select count(*) from Dados where Comando = 'meu'")),
                 importou ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(LeSyncbd(), QStringLiteral("1"));
    }

    void primeiroUso_data() {
        QTest::addColumn<QString>("sync");
        QTest::addColumn<bool>("aceita");
        QTest::addColumn<bool>("mostra");
        QTest::addColumn<bool>("segue");
        QTest::newRow("new database, accepted: start-up goes on") << "0" << true << true << true;
        QTest::newRow("new database, refused: the program ends") << "0" << false << true << false;
        QTest::newRow("declined import once: no terms") << "1" << false << false << true;
        QTest::newRow("synchronised: no terms") << "2" << false << false << true;
    }
    void primeiroUso() {
        QFETCH(QString, sync);
        QFETCH(bool, aceita);
        QFETCH(bool, mostra);
        QFETCH(bool, segue);
        teste::PastaPrograma pasta;
        teste::executaSql(pasta.banco(), QStringLiteral("update Tools set syncbd = '%1'").arg(sync));
        DialogosRoteiro d;
        d.respostasTermos.enqueue(aceita);
        QCOMPARE(VerificaPrimeiroUso(), segue);
        QCOMPARE(d.termosMostrados.size(), mostra ? 1 : 0);
        QCOMPARE(LeSyncbd(), sync);
        QVERIFY(d.caixas.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstSincronizacao)
#include "tst_sincronizacao.moc"
