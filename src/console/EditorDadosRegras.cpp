#include "console/EditorDadosRegras.h"

#include "console/Comparador.h"
#include "store/Banco.h"

namespace tarsel::EditorDadosRegras {

namespace {

const QChar SinalCr(0x21B5); // "↵", in the fonts the program ships with

} // namespace

QStringList Modelos() {
    return {QStringLiteral("IP 6"), QStringLiteral("IP 6s"), QStringLiteral("IP 7"), QStringLiteral("IP 8"),
            QStringLiteral("IP X")};
}

QString ModeloPlus(const QString& modelo) {
    return modelo + QStringLiteral(" Plus");
}

QStringList Comandos(Banco& banco) {
    QStringList comandos;
    QSqlQuery q = banco.executa(QStringLiteral("Select Comando from Comandos order by comando"));
    while (q.next())
        comandos << q.value(0).toString();
    return comandos;
}

Lado Carrega(Banco& banco, const QString& modelo, const QString& comando) {
    QSqlQuery q = banco.executa(
        QStringLiteral("Select rowid, Aparelho, Dados From Dados where Aparelho = ? and Comando = ? order by rowid"),
        {modelo, comando});
    Lado lado;
    if (q.next()) {
        lado.existe = true;
        lado.linha = q.value(0).toLongLong();
        lado.aparelho = q.value(1).toString();
        lado.dados = q.value(2).toString();
    }
    return lado;
}

void Salva(Banco& banco, const Lado& esquerdo, const Lado& direito) {
    Banco::Transacao t(banco);
    for (const Lado* lado : {&esquerdo, &direito}) {
        if (lado->existe)
            banco.executa(QStringLiteral("update Dados set Dados = ? where rowid = ?"), {lado->dados, lado->linha});
    }
    t.fim();
}

QString TiraMarca(const QString& texto, const QStringList& mascaras) {
    return AplicaMascaras(texto, mascaras, false);
}

QString TextoParaPainel(const QString& gravado) {
    QString texto = gravado;
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QLatin1Char('\r'), SinalCr);
    return texto;
}

QString TextoDoPainel(const QString& painel) {
    QString texto = painel;
    texto.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    texto.replace(SinalCr, QLatin1Char('\r'));
    return texto;
}

QString TextoAGravar(const QString& gravado, const QString& painel) {
    return painel == TextoParaPainel(gravado) ? gravado : TextoDoPainel(painel);
}

} // namespace tarsel::EditorDadosRegras
