#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tarsel {

class Banco;

// The saved answers of table Dados and the command list of table Comandos as the console reads and
// writes them. Every value is bound; the text columns compare without regard to case, so a lookup of
// "help" finds the row saved as "Help". When several rows match, the first one (in storage order) is
// the current one. Failures throw ErroVB.
namespace DadosSalvos {

// The three notes of a row, in the order Portuguese, English, Spanish (columns Info, Info2, Info3).
using Notas = std::array<QString, 3>;

struct LinhaDados {
    qint64 id = -1; // the row's rowid
    QString dados;
    Notas notas;
};

struct LinhaComando {
    qint64 id = -1;
    QString comando;
    Notas notas;
};

// The saved answer of `aparelho` (model family) for `comando`, if there is one.
std::optional<LinhaDados> Le(Banco& banco, const QString& aparelho, const QString& comando);
// Adds a saved answer; returns its rowid.
qint64 Insere(Banco& banco, const QString& aparelho, const QString& comando, const QString& dados);
// Replaces the answer text of a saved row.
void GravaDados(Banco& banco, qint64 id, const QString& dados);
// Replaces the answer text and the three notes of a saved row.
void Grava(Banco& banco, qint64 id, const QString& dados, const Notas& notas);
void Exclui(Banco& banco, qint64 id);

// Every command of the list, ascending.
QStringList Comandos(Banco& banco);
std::optional<LinhaComando> LeComando(Banco& banco, const QString& comando);
// Adds a command with empty notes, unless the list already holds it (in any letter case). True when a
// row was added.
bool InsereComando(Banco& banco, const QString& comando);
// Deletes the first row of the command (in any letter case); false when there was none.
bool ExcluiComando(Banco& banco, const QString& comando);
void GravaNotasComando(Banco& banco, qint64 id, const Notas& notas);

} // namespace DadosSalvos
} // namespace tarsel
