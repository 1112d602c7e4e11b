#pragma once

#include <QString>
#include <QStringList>

namespace tarsel {

class Banco;

// The rules of the saved-answer editor: which rows its two panes show (a base model and the same model's
// " Plus"), how a pane's text is written back, and how its masking differs from the console's.
namespace EditorDadosRegras {

// The base models of the editor's list, and the one it starts on.
QStringList Modelos();
inline const QString ModeloInicial = QStringLiteral("IP 7");
// The model of the right pane: the base model followed by " Plus".
QString ModeloPlus(const QString& modelo);

// The commands of its list, as the command list of the console ("Select * from Comandos order by comando").
QStringList Comandos(Banco& banco);

// One pane: the first saved row for a model and a command (when there is one) and its answer text.
struct Lado {
    bool existe = false;
    qint64 linha = -1; // the row's identity, for writing back to that row alone
    QString aparelho;  // the row's Aparelho, shown above the pane
    QString dados;
};
Lado Carrega(Banco& banco, const QString& modelo, const QString& comando);
// Writes both panes into their rows in one transaction; a pane without a row writes nothing.
void Salva(Banco& banco, const Lado& esquerdo, const Lado& direito);

// "Tira Marca": every mask string exactly as stored (markers kept, so a mask that carries one never acts
// here) replaced by the placeholder.
QString TiraMarca(const QString& texto, const QStringList& mascaras);

// A saved answer keeps the console's line ends: CR LF, and the echo's lone CR before them. A text box
// would make every CR a line break of its own, so the pane shows CR LF as a line break and a lone CR as
// the visible sign "↵" (U+21B5), and the way back restores both.
QString TextoParaPainel(const QString& gravado);
QString TextoDoPainel(const QString& painel);
// What to store for a pane: the saved text itself while the pane still shows it unchanged (whatever its
// line ends), otherwise the pane's text with its line ends restored.
QString TextoAGravar(const QString& gravado, const QString& painel);

} // namespace EditorDadosRegras

} // namespace tarsel
