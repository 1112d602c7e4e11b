#pragma once

#include <QString>
#include <QStringList>

namespace tarsel {

class Banco;

// What stands in a saved answer wherever a variable fragment (a serial number, a unique id) was.
inline const QString MarcaMascara = QStringLiteral("xxxxx\u00AE");

// The mask strings of table M as stored, in the order they must be applied: descending text order, so
// that a mask comes before any shorter mask that is its prefix ("ABC" before "AB").
QStringList LeMascaras(Banco& banco);

// A stored mask may carry the markers 'jox', 'nas' and 'ins' (exact case), which limit where it acts:
// the console removes them before use, the saved-answer editor does not.
QString TiraMarcadores(QString mascara);

// Replaces, ignoring case, every occurrence of each mask (in the given order) by MarcaMascara. With
// `tiraMarcadores` the markers are removed from each mask first. A mask that is empty (after removing the
// markers) is skipped: replacing an empty text would put the placeholder between every two characters.
QString AplicaMascaras(QString texto, const QStringList& mascaras, bool tiraMarcadores);

// The automatic comparison of a new answer (as the console shows it) with the saved answer: the answer is
// masked, its trailing prompt line (the last 26 characters, when the prompt's end "] :-) " stands after
// its first character) and its first two characters (the line break every answer starts with) are
// dropped, and the rest must be found in the saved answer, ignoring case, after its first character.
bool AutoComparadorConfere(const QString& console, const QString& comparador, const QStringList& mascaras);

// Adds a mask string to table M as typed. Throws ErroVB when the database refuses it.
void AdicionaMascara(Banco& banco, const QString& mascara);

} // namespace tarsel
