#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace tarsel {

// A run-time failure with the number and description the error boxes show. Callers rely on the
// numbers: 13 type mismatch, 6 overflow, 11 division by zero, 3000+ database, 8000+ serial line.
class ErroVB : public std::exception {
public:
    ErroVB(int numero, QString descricao);

    int numero() const { return m_numero; }
    const QString& descricao() const { return m_descricao; }
    const char* what() const noexcept override { return m_utf8.constData(); }

    static ErroVB tiposIncompativeis();
    static ErroVB estouro();
    static ErroVB divisaoPorZero();

private:
    int m_numero;
    QString m_descricao;
    QByteArray m_utf8;
};

} // namespace tarsel
