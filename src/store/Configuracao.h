#pragma once

#include <QString>

namespace tarsel {

// The one-row tables Tools and Combos: remembered choices, language, the user's name.

// Stores `texto` as the last choice of list n (column Combo<n>); creates the row when the table is
// empty. Throws ErroVB; callers catch it.
void GravaCombo(int n, const QString& texto);
// Column Combo<n> of the first row; empty when there is none. Throws ErroVB.
QString LeCombo(int n);

// Column Nome of the first row of Tools; empty on any failure.
QString LeNome();
// Writes Nome of the first row of Tools; failures are ignored.
void GravaNome(const QString& texto);

// Column Idioma of the first row of Tools as 1..3; 0 when it cannot be read.
quint8 LeIdioma();
// Writes Idioma of the first row of Tools; failures are ignored.
void GravaIdioma(quint8 idioma);

// The session log's choices (columns RegistroSessao and DiasRegistro of Tools). A file without the columns
// (made before the log existed) or that cannot be read gives the defaults: on, 30 days.
struct EscolhaRegistro {
    bool ativo = true;
    int dias = 30;
};
EscolhaRegistro LeEscolhaRegistro();
// Remembers the log on or off; false when it could not be written.
bool GravaRegistroAtivo(bool ativo);

// Reconnect after an unplug (column ReligaAposPerda of Tools): off when the column is missing or
// cannot be read.
bool LeReligaAposPerda();
// Remembers the choice; false when it could not be written.
bool GravaReligaAposPerda(bool ativa);

} // namespace tarsel
