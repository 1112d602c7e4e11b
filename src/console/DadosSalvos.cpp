#include "console/DadosSalvos.h"

#include "store/Banco.h"

namespace tarsel::DadosSalvos {

std::optional<LinhaDados> Le(Banco& banco, const QString& aparelho, const QString& comando) {
    QSqlQuery q = banco.executa(QStringLiteral("Select rowid, Dados, Info, Info2, Info3 From Dados "
                                               "where Aparelho = ? and Comando = ? order by rowid limit 1"),
                                {aparelho, comando});
    if (!q.next())
        return std::nullopt;
    LinhaDados l;
    l.id = q.value(0).toLongLong();
    l.dados = q.value(1).toString();
    for (int i = 0; i < 3; ++i)
        l.notas[size_t(i)] = q.value(2 + i).toString();
    return l;
}

qint64 Insere(Banco& banco, const QString& aparelho, const QString& comando, const QString& dados) {
    const QSqlQuery q = banco.executa(QStringLiteral("insert into Dados (Aparelho, Comando, Dados) values (?, ?, ?)"),
                                      {aparelho, comando, dados});
    return q.lastInsertId().toLongLong();
}

void GravaDados(Banco& banco, qint64 id, const QString& dados) {
    banco.executa(QStringLiteral("update Dados set Dados = ? where rowid = ?"), {dados, id});
}

void Grava(Banco& banco, qint64 id, const QString& dados, const Notas& notas) {
    banco.executa(QStringLiteral("update Dados set Dados = ?, Info = ?, Info2 = ?, Info3 = ? where rowid = ?"),
                  {dados, notas[0], notas[1], notas[2], id});
}

void Exclui(Banco& banco, qint64 id) {
    banco.executa(QStringLiteral("delete from Dados where rowid = ?"), {id});
}

QStringList Comandos(Banco& banco) {
    QStringList r;
    QSqlQuery q = banco.executa(QStringLiteral("Select Comando from Comandos order by Comando"));
    while (q.next())
        r << q.value(0).toString();
    return r;
}

std::optional<LinhaComando> LeComando(Banco& banco, const QString& comando) {
    QSqlQuery q = banco.executa(
        QStringLiteral(
            "Select rowid, Comando, Info, Info2, Info3 From Comandos where Comando = ? order by rowid limit 1"),
        {comando});
    if (!q.next())
        return std::nullopt;
    LinhaComando l;
    l.id = q.value(0).toLongLong();
    l.comando = q.value(1).toString();
    for (int i = 0; i < 3; ++i)
        l.notas[size_t(i)] = q.value(2 + i).toString();
    return l;
}

bool InsereComando(Banco& banco, const QString& comando) {
    if (LeComando(banco, comando))
        return false;
    banco.executa(QStringLiteral("insert into Comandos (Comando, Info, Info2, Info3) values (?, '', '', '')"),
                  {comando});
    return true;
}

bool ExcluiComando(Banco& banco, const QString& comando) {
    const auto linha = LeComando(banco, comando);
    if (!linha)
        return false;
    banco.executa(QStringLiteral("delete from Comandos where rowid = ?"), {linha->id});
    return true;
}

void GravaNotasComando(Banco& banco, qint64 id, const Notas& notas) {
    banco.executa(QStringLiteral("update Comandos set Info = ?, Info2 = ?, Info3 = ? where rowid = ?"),
                  {notas[0], notas[1], notas[2], id});
}

} // namespace tarsel::DadosSalvos
