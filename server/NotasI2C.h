#pragma once

#include <QString>

namespace tarsel {

// Bench advice for an I2C bus whose devices do not answer: the likely causes, one per "<br>" line.
class NotasI2C {
public:
    // Notes for the model family (such as "IP 7 Plus") and bus in language 1 (Portuguese), 2 (English)
    // or 3 (Spanish); empty for an unknown family, a bus the family does not have or another language.
    static QString notas(const QString& familia, int barramento, int idioma);
};

} // namespace tarsel
