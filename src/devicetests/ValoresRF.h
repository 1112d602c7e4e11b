#pragma once

#include <QList>
#include <QString>

namespace tarsel {

class Banco;

// The RF reference values: voltages to measure by hand around the radio chips, per model family and
// kind of board (table Rf).
namespace ValoresRF {

// The two kind buttons of the window: "INT." and "QUAL.".
constexpr int SeletorInt = 1;
constexpr int SeletorQual = 2;

// The kind letter of the rows to show: "T" for the "IP 6" family (one kind of board, whatever is
// chosen), otherwise "I" for "INT." and "Q" for "QUAL.".
QString Tipo(const QString& modelo, int seletor);

struct LinhaRf {
    QString modelo;
    QString malha;
    QString componente;
    QString valor;
    QString tipo;
};

// The rows of `modelo` of the kind the selector gives, ordered by net; nothing for an empty model.
// The model travels as a bound value, so no text of the list can break the query. Failures throw ErroVB.
QList<LinhaRf> Consulta(Banco& banco, const QString& modelo, int seletor);

} // namespace ValoresRF

} // namespace tarsel
