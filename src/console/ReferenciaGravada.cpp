#include "console/ReferenciaGravada.h"

#include "console/Comparador.h"
#include "link/Resposta.h"

namespace tarsel {

QString ConsoleDaResposta(const QByteArray& bytes) {
    QString texto = QString::fromLatin1(bytes);
    texto.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return QStringLiteral("\r\n") + texto;
}

bool ComandoNasLinhas(const QString& console, const QString& comando) {
    const qsizetype eco = comando.isEmpty() ? -1 : console.indexOf(comando, 0, Qt::CaseSensitive);
    return eco >= 0 && console.indexOf(comando, eco + comando.size(), Qt::CaseSensitive) >= 0;
}

QString RespostaGravada(const QByteArray& bytes, const QString& comando, const QStringList& mascaras) {
    const QString console = ConsoleDaResposta(bytes);
    QString texto = Resposta::semComando(console, comando);
    if (ComandoNasLinhas(console, comando)) {
        // Removing the command there would leave rows the screens can no longer read: only the echo goes.
        texto = console;
        texto.remove(console.indexOf(comando, 0, Qt::CaseSensitive), comando.size());
    }
    return AplicaMascaras(texto, mascaras, true);
}

QString LiteralSql(const QString& texto) {
    if (texto.isEmpty())
        return QStringLiteral("''");
    QStringList partes;
    QString aspas;
    QStringList codigos;
    auto fechaAspas = [&] {
        if (!aspas.isEmpty())
            partes << QLatin1Char('\'') + aspas + QLatin1Char('\'');
        aspas.clear();
    };
    auto fechaCodigos = [&] {
        if (!codigos.isEmpty())
            partes << QStringLiteral("char(%1)").arg(codigos.join(QLatin1Char(',')));
        codigos.clear();
    };
    for (const QChar c : texto) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            fechaAspas();
            codigos << QString::number(c.unicode());
        } else {
            fechaCodigos();
            aspas += c;
            if (c == QLatin1Char('\''))
                aspas += c;
        }
    }
    fechaAspas();
    fechaCodigos();
    // One answer line per script line: break after each run that ends a line.
    QString sql;
    for (int i = 0; i < partes.size(); ++i) {
        if (i > 0)
            sql += partes.at(i - 1).endsWith(QLatin1String("10)")) ? QStringLiteral(" ||\n  ") : QStringLiteral(" || ");
        sql += partes.at(i);
    }
    return sql;
}

QList<NotaReferencia> LeNotasReferencia(const QString& texto, QString* erro) {
    QList<NotaReferencia> notas;
    const QStringList linhas = texto.split(QLatin1Char('\n'));
    auto falha = [&](int numero, const QString& motivo) {
        *erro = QStringLiteral("line %1: %2").arg(numero).arg(motivo);
        return QList<NotaReferencia>();
    };
    for (int i = 0; i < linhas.size(); ++i) {
        QString linha = linhas.at(i);
        if (linha.endsWith(QLatin1Char('\r')))
            linha.chop(1);
        const int numero = i + 1;
        if (linha.trimmed().isEmpty() || linha.startsWith(QLatin1Char('#')))
            continue;
        if (linha.startsWith(QLatin1String("== "))) {
            const QString comando = linha.mid(3);
            if (comando.trimmed().isEmpty())
                return falha(numero, QStringLiteral("a command is missing after \"== \""));
            for (const NotaReferencia& n : notas) {
                if (n.comando.compare(comando, Qt::CaseInsensitive) == 0)
                    return falha(numero, QStringLiteral("\"%1\" comes twice").arg(comando));
            }
            notas.append({comando, {}, {}, {}, {}});
            continue;
        }
        if (notas.isEmpty())
            return falha(numero, QStringLiteral("a note before the first \"== \" command"));
        NotaReferencia& atual = notas.last();
        const int doisPontos = linha.indexOf(QLatin1String(": "));
        const QString chave = doisPontos < 0 ? QString() : linha.left(doisPontos);
        const QString valor = doisPontos < 0 ? QString() : linha.mid(doisPontos + 2).trimmed();
        if (chave == QLatin1String("pt"))
            atual.pt = valor;
        else if (chave == QLatin1String("en"))
            atual.en = valor;
        else if (chave == QLatin1String("es"))
            atual.es = valor;
        else if (chave == QLatin1String("exceto")) {
            for (const QString& f : valor.split(QLatin1Char(','), Qt::SkipEmptyParts))
                atual.exceto << f.trimmed();
        } else
            return falha(numero, QStringLiteral("expected \"pt: \", \"en: \", \"es: \" or \"exceto: \""));
    }
    for (const NotaReferencia& n : notas) {
        if (n.pt.isEmpty() || n.en.isEmpty() || n.es.isEmpty()) {
            *erro = QStringLiteral("\"%1\" lacks a note in one of the three languages").arg(n.comando);
            return {};
        }
    }
    return notas;
}

QString SqlDados(const QList<LinhaDados>& linhas) {
    QString sql;
    for (const LinhaDados& l : linhas) {
        sql +=
            QStringLiteral("insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) values (\n  %1, %2,\n  ")
                .arg(LiteralSql(l.aparelho), LiteralSql(l.comando));
        sql += LiteralSql(l.dados);
        sql += QStringLiteral(",\n  %1,\n  %2,\n  %3);\n\n")
                   .arg(LiteralSql(l.nota.pt), LiteralSql(l.nota.en), LiteralSql(l.nota.es));
    }
    return sql;
}

QString SqlMascaras(const QStringList& mascaras) {
    QString sql;
    for (const QString& m : mascaras)
        sql += QStringLiteral("insert into M (String) values (%1);\n").arg(LiteralSql(m));
    return sql;
}

QString SufixoFamilia(const QString& familia) {
    QString s = familia.toLower();
    s.remove(QLatin1Char(' '));
    return s;
}

} // namespace tarsel
