#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tarsel {

// How the reference answers of table Dados are prepared from a healthy board: the bytes the shell sent
// become the text the console shows (the link's form), the variable fragments become the placeholder, and
// the rows are written as SQL text for data/.

// The console text the link builds from what the shell sent for one command: a line break, then every byte
// as one character with each LF made CR LF (the echo's own CR LF thus reads CR CR LF).
QString ConsoleDaResposta(const QByteArray& bytes);

// The saved answer for a command: the console text without the command (what the console pane shows and
// what "Copiar Dados" stores), with every mask applied (markers removed first, as the console does). When
// the command text also stands inside the answer's lines ("buck" in "buck0: 1050.070 mV"), only the echo is
// removed, so that the screens that parse the saved answer (the buck test's list) still read its lines.
// (Such an answer does not match in the console's automatic comparison, which removes the command from the
// new answer's lines too; the comparator pane still shows it beside the new answer.)
QString RespostaGravada(const QByteArray& bytes, const QString& comando, const QStringList& mascaras);
// Whether the command text stands in the console text beyond its echo (case-sensitive).
bool ComandoNasLinhas(const QString& console, const QString& comando);

// A text as one SQL expression that gives it back exactly: quoted runs (quotes doubled) joined with
// char(...) for CR and LF, so that a script read as text (which may lose a CR) keeps every line end.
QString LiteralSql(const QString& texto);

// One command of the reference data with its note on a healthy answer in the three languages, and the
// families it is not recorded for.
struct NotaReferencia {
    QString comando;
    QString pt, en, es;
    QStringList exceto;
};

// Reads the notes file: "== <command>" starts a command (the text after "== " exactly, inner blanks
// kept); "pt: ", "en: ", "es: " give the notes, "exceto: " a comma-separated list of families; lines
// starting with "#" and empty lines are skipped. On a malformed file returns nothing and says why in *erro.
QList<NotaReferencia> LeNotasReferencia(const QString& texto, QString* erro);

// A saved answer ready for data/: one row of Dados.
struct LinhaDados {
    QString aparelho, comando, dados;
    NotaReferencia nota;
};

// The SQL text that inserts the rows (one statement per row) and the mask strings.
QString SqlDados(const QList<LinhaDados>& linhas);
QString SqlMascaras(const QStringList& mascaras);

// The file-name part of a family: "IP 6s Plus" gives "ip6splus".
QString SufixoFamilia(const QString& familia);

} // namespace tarsel
