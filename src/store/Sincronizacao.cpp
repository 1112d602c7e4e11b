#include "store/Sincronizacao.h"

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "store/Banco.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <optional>

namespace tarsel {

namespace {
using Linha = QVariantList;

// Every row of `sql` on the source, columns in the order asked; nothing when the table or one of its
// columns is not there (an older file): that step is skipped. Any other failure, above all a page that
// cannot be read halfway through the rows, throws: a damaged file must not be imported in part.
std::optional<QList<Linha>> leTabela(Banco& origem, const QString& sql, int colunas) {
    QSqlQuery q;
    try {
        q = origem.executa(sql);
    } catch (const ErroVB& e) {
        // "no such table" and "no such column" are the engine's plain error (1); damage has codes of its own.
        if (e.numero() == 3001)
            return std::nullopt;
        throw;
    }
    QList<Linha> linhas;
    while (q.next()) {
        Linha l;
        l.reserve(colunas);
        for (int i = 0; i < colunas; ++i)
            l << q.value(i);
        linhas << l;
    }
    if (q.lastError().isValid())
        Banco::falha(q.lastError(), sql);
    return linhas;
}

QString caminhoUsuario() {
    return QDir(globais().PastaPrograma).filePath(NomeBancoUsuario);
}

void mostraResultado(const ResultadoImportacao& r) {
    using E = ResultadoImportacao::Estado;
    switch (r.estado) {
    case E::Importado:
        Mensagem(QStringLiteral("MSG_DADOS_SYNC"));
        break;
    case E::SemUsuario:
        Mensagem(QStringLiteral("MSG_SYNC_SEM_USUARIO"));
        break;
    case E::UsuarioInvalido:
        Mensagem(QStringLiteral("MSG_SYNC_USUARIO_INVALIDO"));
        break;
    case E::FalhaGravacao:
        Mensagem(QStringLiteral("MSG_SYNC_FALHA_GRAVACAO"));
        break;
    }
}
} // namespace

ResultadoImportacao ImportaBancoUsuario(const QString& caminhoUsuario, const QString& caminhoBanco) {
    using E = ResultadoImportacao::Estado;
    ResultadoImportacao r;
    if (!QFileInfo(caminhoUsuario).isFile()) {
        r.estado = E::SemUsuario;
        return r;
    }

    // Everything is read first: a source that cannot be read leaves the target untouched.
    std::optional<QList<Linha>> mestres, dados, comandos, combos;
    try {
        Banco origem(caminhoUsuario, Banco::Modo::SomenteLeitura);
        origem.valor(QStringLiteral("select count(*) from sqlite_master"));
        mestres = leTabela(origem, QStringLiteral("select Modelo, Malha, G1, G2, G3 from Master order by rowid"), 5);
        dados = leTabela(
            origem, QStringLiteral("select Aparelho, Comando, Dados, Info, Info2, Info3 from Dados order by rowid"), 6);
        comandos =
            leTabela(origem, QStringLiteral("select Comando, Info, Info2, Info3 from Comandos order by rowid"), 4);
        combos =
            leTabela(origem,
                     QStringLiteral("select Combo1, Combo2, Combo3, Combo4, Combo5, Combo6, Combo7, Combo8, Combo9, "
                                    "Combo10 from Combos order by rowid limit 1"),
                     10);
    } catch (const ErroVB& e) {
        r.estado = E::UsuarioInvalido;
        r.detalhe = e.descricao();
        return r;
    }
    if (!mestres && !dados && !comandos && !combos) {
        r.estado = E::UsuarioInvalido;
        r.detalhe = QStringLiteral("none of the tables could be read");
        return r;
    }

    try {
        Banco destino(caminhoBanco);
        Banco::Transacao t(destino);
        if (mestres) {
            for (const Linha& l : *mestres) {
                QSqlQuery q = destino.executa(
                    QStringLiteral("update Master set G1 = ?, G2 = ?, G3 = ? where rowid = (select rowid from Master "
                                   "where Modelo = ? and Malha = ? order by rowid limit 1)"),
                    {l[2], l[3], l[4], l[0], l[1]});
                r.leituras += q.numRowsAffected() > 0 ? 1 : 0;
            }
        }
        if (dados) {
            for (const Linha& l : *dados) {
                const QVariant id = destino.valor(
                    QStringLiteral("select rowid from Dados where Aparelho = ? and Comando = ? order by rowid limit 1"),
                    {l[0], l[1]});
                if (id.isValid()) {
                    destino.executa(
                        QStringLiteral("update Dados set Dados = ?, Info = ?, Info2 = ?, Info3 = ? where rowid = ?"),
                        {l[2], l[3], l[4], l[5], id});
                    ++r.dadosAtuais;
                } else {
                    destino.executa(QStringLiteral("insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) "
                                                   "values (?, ?, ?, ?, ?, ?)"),
                                    l);
                    ++r.dadosNovos;
                }
            }
        }
        if (comandos) {
            for (const Linha& l : *comandos) {
                const QVariant existe =
                    destino.valor(QStringLiteral("select 1 from Comandos where Comando = ? limit 1"), {l[0]});
                if (existe.isValid())
                    continue;
                destino.executa(
                    QStringLiteral("insert into Comandos (Comando, Info, Info2, Info3) values (?, ?, ?, ?)"), l);
                ++r.comandosNovos;
            }
        }
        if (combos && !combos->isEmpty()) {
            Linha valores = combos->first();
            QSqlQuery q = destino.executa(
                QStringLiteral("update Combos set Combo1 = ?, Combo2 = ?, Combo3 = ?, Combo4 = ?, Combo5 = ?, "
                               "Combo6 = ?, Combo7 = ?, Combo8 = ?, Combo9 = ?, Combo10 = ? "
                               "where rowid = (select min(rowid) from Combos)"),
                valores);
            r.combos = q.numRowsAffected() > 0;
        }
        t.fim();
    } catch (const ErroVB& e) {
        r = ResultadoImportacao();
        r.estado = E::FalhaGravacao;
        r.detalhe = e.descricao();
        return r;
    }
    r.estado = E::Importado;
    return r;
}

ResultadoImportacao ImportaDadosSalvos() {
    const ResultadoImportacao r = ImportaBancoUsuario(caminhoUsuario(), globais().CaminhoBanco);
    mostraResultado(r);
    return r;
}

QString LeSyncbd() {
    try {
        Banco b;
        return b.valor(QStringLiteral("select syncbd from Tools order by rowid limit 1")).toString().trimmed();
    } catch (const ErroVB&) {
        return {};
    }
}

void GravaSyncbd(const QString& valor) {
    try {
        Banco b;
        b.executa(QStringLiteral("update Tools set syncbd = ? where rowid = (select min(rowid) from Tools)"), {valor});
    } catch (const ErroVB&) {
    }
}

void OfereceImportacao() {
    QCoreApplication::processEvents();
    const QString sync = LeSyncbd();
    if (!QFileInfo::exists(caminhoUsuario())) {
        if (sync != QLatin1String("2"))
            GravaSyncbd(QStringLiteral("2"));
        return;
    }
    if (sync != QLatin1String("0") && sync != QLatin1String("1"))
        return;
    const auto resposta = dialogos().mensagem(Dialogos::Icone::Pergunta, Traduz(QStringLiteral("Sincronização")),
                                              Traduz(QStringLiteral("Dados UPDATE1")) + QStringLiteral("\r\n") +
                                                  Traduz(QStringLiteral("Dados UPDATE2")),
                                              Dialogos::Botoes::SimNao);
    if (resposta == Dialogos::Resposta::Sim) {
        ImportaDadosSalvos();
        GravaSyncbd(QStringLiteral("2"));
    } else {
        GravaSyncbd(sync == QLatin1String("0") ? QStringLiteral("1") : QStringLiteral("2"));
    }
}

void SincronizaManualmente() {
    const auto resposta = dialogos().mensagem(Dialogos::Icone::Pergunta, QStringLiteral("Sincronizar / Sync"),
                                              Traduz(QStringLiteral("SYNC_2")), Dialogos::Botoes::SimNao);
    if (resposta != Dialogos::Resposta::Nao)
        ImportaDadosSalvos();
}

} // namespace tarsel
