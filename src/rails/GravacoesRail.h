#pragma once

#include <QList>

namespace tarsel {

// The buttons btGravar(n) and btExcluir(n) of the grid screens, for recording n = 1..3 (G1..G3), on
// the rows the grid shows (their row ids, column ConsultaRail::ColunaId). The screen calls them only
// while the link is connected and idle.
//
// GravaLeituras asks "Deseja salvar?" (title "Gravar"), ExcluiGravacoes "Deseja excluir os dados
// gravados?" (title "Excluir"), both translated, Yes/No. Unless the answer is No, G<n> of every row
// becomes its Leitura, or empty, in one transaction. Returns true when the rows were written (the screen
// then refreshes its grid and remembers that the recordings changed); false on No or when the write
// failed (disk full, file read-only or locked): then no row changed and one box
// (MSG_BANCO_NAO_GRAVADO) says so. n outside 1..3 throws ErroVB 9.
bool GravaLeituras(int n, const QList<qint64>& linhas);
bool ExcluiGravacoes(int n, const QList<qint64>& linhas);

} // namespace tarsel
