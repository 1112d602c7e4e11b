#pragma once

#include <QString>

namespace tarsel {

// The console window's rules that are not widget plumbing: what a command text turns into, which
// commands get the live copy, where a new answer goes, the history panel's geometry.
namespace RegrasConsole {

// The active-screen code of the console, and of its help window.
constexpr int CodigoConsole = 1;
constexpr int CodigoHelp = 7;

// The memory test and the shell's help list stream for long: their answers show while they arrive.
// Compared in capitals, so any letter case counts.
bool ComEspelho(const QString& comando);
// The phone's button test: it runs until "/q" is sent.
bool TesteBotoes(const QString& comando);
// What ends the button test on the phone.
inline const QString FimTesteBotoes = QStringLiteral("/q");
// A help command (its first four letters, in capitals, are "HELP"): the history panel keeps its answer.
bool ComandoHelp(const QString& comando);

// The console text after an answer: with "Auto" ticked the answer alone; otherwise the answer, a line
// break, and what the console showed before (newest answer on top).
QString TextoAposResposta(bool limpar, const QString& R, const QString& anterior);

// The right-click on the history button: a text that holds "help" (exact case) loses every "help" and
// every blank and gets one trailing blank; otherwise it becomes "help " followed by its first word and
// that word's blank, or by the whole text when it has no blank.
QString AlternaHelp(const QString& texto);

// A double-click in the help list: when the selection holds a double quote, it is cut after the first
// double quote from its third character on (so a command between quotes at the start is kept whole, and
// what follows the closing quote goes); then every double quote is removed.
QString SelecaoHelp(const QString& selecao);

// The help document for a language: 1 Portuguese, 2 English, 3 Spanish (anything else: Portuguese).
QString DocumentoHelp(int idioma);

// A name for a new command is refused when it is empty or holds an apostrophe.
bool NomeComandoAceito(const QString& nome);

// The history panel, in twips, from the height of the console pane: its top, its height, the height of
// the list (and of the help answer beside it), and the list's width with or without that help answer.
struct GeometriaHistorico {
    int topo;
    int altura;
    int alturaLista;
    int larguraLista;
};
GeometriaHistorico Historico(int alturaConsole, bool comAjuda);

} // namespace RegrasConsole
} // namespace tarsel
