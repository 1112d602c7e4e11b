// The database store: one-row settings tables, the user copy, lookups without regard to case.

#include "Apoio.h"

#include "base/ErroVB.h"
#include "base/Globais.h"
#include "store/Banco.h"
#include "store/Configuracao.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <unistd.h>

using namespace tarsel;

class TstBanco : public QObject {
    Q_OBJECT

private:
    static int linhas(const QString& tabela) {
        Banco b;
        return b.valor(QStringLiteral("select count(*) from ") + tabela).toInt();
    }

private slots:
    void gravaComboCriaALinhaNaTabelaVaziaEDepoisEditaAMesma() {
        teste::PastaPrograma pasta;
        teste::executaSql(pasta.banco(), QStringLiteral("delete from Combos"));
        QCOMPARE(linhas(QStringLiteral("Combos")), 0);

        GravaCombo(7, QStringLiteral("2"));
        QCOMPARE(linhas(QStringLiteral("Combos")), 1);
        QCOMPARE(LeCombo(7), QStringLiteral("2"));

        GravaCombo(7, QStringLiteral("1"));
        GravaCombo(3, QStringLiteral("2"));
        QCOMPARE(linhas(QStringLiteral("Combos")), 1);
        QCOMPARE(LeCombo(7), QStringLiteral("1"));
        QCOMPARE(LeCombo(3), QStringLiteral("2"));
    }

    void gravaComboNaTabelaCheiaEditaSoAPrimeiraLinha() {
        teste::PastaPrograma pasta;
        teste::executaSql(pasta.banco(), QStringLiteral("insert into Combos (Combo5) values ('segunda')"));
        GravaCombo(5, QStringLiteral("2"));
        Banco b;
        QSqlQuery q = b.executa(QStringLiteral("select Combo5 from Combos order by rowid"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("2"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("segunda"));
    }

    void gravaComboFalhaParaOChamador() {
        teste::PastaPrograma pasta;
        teste::executaSql(pasta.banco(), QStringLiteral("drop table Combos"));
        try {
            GravaCombo(1, QStringLiteral("3"));
            QFAIL("no error raised");
        } catch (const ErroVB& e) {
            QVERIFY(e.numero() >= 3000);
        }
        QVERIFY_THROWS_EXCEPTION(ErroVB, GravaCombo(11, QStringLiteral("x")));
    }

    void nomeComEsemLinhaEmTools() {
        teste::PastaPrograma pasta;
        QCOMPARE(LeNome(), QString());
        GravaNome(QStringLiteral("Oficina D'Ávila & Filhos"));
        QCOMPARE(LeNome(), QStringLiteral("Oficina D'Ávila & Filhos"));

        teste::executaSql(pasta.banco(), QStringLiteral("delete from Tools"));
        GravaNome(QStringLiteral("ninguém"));
        QCOMPARE(LeNome(), QString());
        QCOMPARE(linhas(QStringLiteral("Tools")), 0);

        teste::executaSql(pasta.banco(), QStringLiteral("drop table Tools"));
        GravaNome(QStringLiteral("sem tabela"));
        QCOMPARE(LeNome(), QString());
    }

    void idiomaLidoEGravado() {
        teste::PastaPrograma pasta;
        QCOMPARE(LeIdioma(), quint8(1));
        GravaIdioma(3);
        QCOMPARE(LeIdioma(), quint8(3));
        teste::executaSql(pasta.banco(), QStringLiteral("delete from Tools"));
        QCOMPARE(LeIdioma(), quint8(0));
    }

    void comandoEncontradoSemDistinguirMaiusculas() {
        teste::PastaPrograma pasta;
        teste::executaSql(pasta.banco(),
                          QStringLiteral("insert into Comandos (Comando, Info) values ('Teste Maiusculas', 'ajuda')"));
        Banco b;
        QCOMPARE(
            b.valor(QStringLiteral("select Info from Comandos where Comando = ?"), {QStringLiteral("teste maiusculas")})
                .toString(),
            QStringLiteral("ajuda"));
        QCOMPARE(
            b.valor(QStringLiteral("select Info from Comandos where Comando = ?"), {QStringLiteral("TESTE MAIUSCULAS")})
                .toString(),
            QStringLiteral("ajuda"));
    }

    void listaDeComandosTemOsComandosQueOProgramaEnviaComDescricoes() {
        teste::PastaPrograma pasta;
        const QStringList enviados = {"syscfg print RMd#",
                                      "pmuadc --read all",
                                      "buck",
                                      "pmuadc --sel tigris --read all",
                                      "pmuadc --sel chestnut --read all",
                                      "touch --on",
                                      "touch --off",
                                      "i2c -s 0",
                                      "tristar -p",
                                      "nanduid",
                                      "nandsize",
                                      "nand --getinfo",
                                      "syscfg list",
                                      "battery --properties",
                                      "device  --key GasGauge -p",
                                      "display --getmode",
                                      "audio --resetblock codec",
                                      "testmemory",
                                      "TESTMEMORY --1MB",
                                      "BUTTONCNT --DQE",
                                      "Reset",
                                      "Shutdown",
                                      "help"};
        Banco b;
        for (const QString& c : enviados) {
            QSqlQuery q = b.executa(QStringLiteral("select Info, Info2, Info3 from Comandos where Comando = ?"), {c});
            QVERIFY2(q.next(), qPrintable(c));
            for (int i = 0; i < 3; ++i)
                QVERIFY2(!q.value(i).toString().trimmed().isEmpty(), qPrintable(c));
        }
    }

    void padraoJetViraLike_data() {
        QTest::addColumn<QString>("padrao");
        QTest::addColumn<QString>("ci");
        QTest::addColumn<bool>("casa");
        QTest::newRow("*NAND* finds a group holding NAND") << "*NAND*"
                                                           << "PP_NAND_VCC" << true;
        QTest::newRow("*NAND* ignores case") << "*NAND*"
                                             << "nand" << true;
        QTest::newRow("*NAND* misses CPU") << "*NAND*"
                                           << "CPU" << false;
        QTest::newRow("a literal % is no wildcard") << "50%"
                                                    << "50 volts" << false;
        QTest::newRow("a literal _ is no wildcard") << "A_B"
                                                    << "AxB" << false;
        QTest::newRow("? stands for one character") << "IP ?"
                                                    << "IP 7" << true;
    }

    void padraoJetViraLike() {
        QFETCH(QString, padrao);
        QFETCH(QString, ci);
        QFETCH(bool, casa);
        teste::PastaPrograma pasta;
        Banco b;
        const QVariant r = b.valor(QStringLiteral("select ? like ? escape '\\'"), {ci, Banco::PadraoJet(padrao)});
        QCOMPARE(r.toBool(), casa);
    }

    void valoresComAspasNaoQuebramAConsulta() {
        teste::PastaPrograma pasta;
        Banco b;
        b.executa(QStringLiteral("insert into Dados (Aparelho, Comando, Dados) values (?, ?, ?)"),
                  {QStringLiteral("IP 7"), QStringLiteral("x' or '1'='1"), QStringLiteral("resposta")});
        QCOMPARE(b.valor(QStringLiteral("select count(*) from Dados where Aparelho = ? and Comando = ?"),
                         {QStringLiteral("IP 7"), QStringLiteral("x")})
                     .toInt(),
                 0);
        QCOMPARE(b.valor(QStringLiteral("select Dados from Dados where Comando = ?"), {QStringLiteral("x' or '1'='1")})
                     .toString(),
                 QStringLiteral("resposta"));
    }

    void scriptRespeitaAspasEComentarios() {
        const QStringList partes = Banco::divideScript(QStringLiteral(
            "-- a note; with a semicolon\ninsert into M values ('a;b');\ninsert into M values ('it''s');"));
        QCOMPARE(partes.size(), 2);
        QVERIFY(partes.at(0).endsWith(QStringLiteral("('a;b')")));
        QCOMPARE(partes.at(1), QStringLiteral("insert into M values ('it''s')"));
    }

    void copiaUsuarioIdenticaParaCadaTamanho_data() {
        QTest::addColumn<int>("tamanho");
        QTest::newRow("shorter than one chunk") << 700;
        QTest::newRow("an exact multiple of the chunk") << 4096;
        QTest::newRow("larger and uneven") << 1024 * 300 + 17;
    }

    void copiaUsuarioIdenticaParaCadaTamanho() {
        QFETCH(int, tamanho);
        teste::PastaPrograma pasta(false);
        QByteArray bytes(tamanho, Qt::Uninitialized);
        for (int i = 0; i < tamanho; ++i)
            bytes[i] = char(QRandomGenerator::global()->bounded(256));
        QFile config(pasta.banco());
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(bytes);
        config.close();
        // An older, longer copy must be replaced, never appended to.
        QFile antiga(pasta.arquivo(QStringLiteral("User.tsl")));
        QVERIFY(antiga.open(QIODevice::WriteOnly));
        antiga.write(QByteArray(tamanho + 5000, 'x'));
        antiga.close();

        QVERIFY(CopiaBancoUsuario(pasta.caminho()));
        QFile copia(pasta.arquivo(QStringLiteral("User.tsl")));
        QVERIFY(copia.open(QIODevice::ReadOnly));
        QCOMPARE(copia.readAll(), bytes);
    }

    void copiaQueFalhaMantemOUsuarioAnterior() {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders; the failed copy cannot be provoked this way");
        teste::PastaPrograma pasta;
        QFile antiga(pasta.arquivo(QStringLiteral("User.tsl")));
        QVERIFY(antiga.open(QIODevice::WriteOnly));
        antiga.write("dados do técnico");
        antiga.close();
        QFile::setPermissions(pasta.caminho(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool copiou = CopiaBancoUsuario(pasta.caminho());
        QFile::setPermissions(pasta.caminho(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!copiou);
        QVERIFY(antiga.open(QIODevice::ReadOnly));
        QCOMPARE(antiga.readAll(), QByteArray("dados do técnico"));
    }

    void copiaQueFalhaNaLeituraMantemOUsuarioAnterior() {
        // Config.tsl that cannot be read (here: a folder in its place) must not cost the old copy.
        teste::PastaPrograma pasta(false);
        QVERIFY(QDir(pasta.caminho()).mkdir(QStringLiteral("Config.tsl")));
        QFile antiga(pasta.arquivo(QStringLiteral("User.tsl")));
        QVERIFY(antiga.open(QIODevice::WriteOnly));
        antiga.write("dados do técnico");
        antiga.close();
        QVERIFY(!CopiaBancoUsuario(pasta.caminho()));
        QVERIFY(antiga.open(QIODevice::ReadOnly));
        QCOMPARE(antiga.readAll(), QByteArray("dados do técnico"));
    }

    void semConfigNadaECopiado() {
        teste::PastaPrograma pasta(false);
        QVERIFY(!CopiaBancoUsuario(pasta.caminho()));
        QVERIFY(!QFile::exists(pasta.arquivo(QStringLiteral("User.tsl"))));
    }

    void bancoEntregueTemTodasAsTabelasEUmaLinhaDeConfiguracao() {
        teste::PastaPrograma pasta;
        QCOMPARE(ValidaBanco(pasta.banco()), QString());
        QCOMPARE(linhas(QStringLiteral("Tools")), 1);
        QCOMPARE(linhas(QStringLiteral("Combos")), 1);
        Banco b;
        QCOMPARE(b.valor(QStringLiteral("select syncbd from Tools")).toString(), QStringLiteral("0"));
        QCOMPARE(b.valor(QStringLiteral("select Idioma from Tools")).toString(), QStringLiteral("1"));
        // TIPO is the one number; every other column compares text without regard to case.
        QSqlQuery q = b.executa(QStringLiteral("select name, type from pragma_table_info('Master')"));
        while (q.next()) {
            const QString tipo = q.value(1).toString().toLower();
            QCOMPARE(tipo, q.value(0).toString() == QLatin1String("TIPO") ? QStringLiteral("integer")
                                                                          : QStringLiteral("text"));
        }
    }
};

QTEST_GUILESS_MAIN(TstBanco)
#include "tst_banco.moc"
