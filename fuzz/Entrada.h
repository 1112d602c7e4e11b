#pragma once

// What every fuzz target shares: the bytes turned into the text the program would receive, and a way
// to split them into several inputs for functions that take more than one text.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace tarsel::fuzz {

// A phone answer: the link reads the serial line byte for byte as Latin-1.
inline QString TextoAparelho(const uint8_t* dados, size_t tamanho) {
    return QString::fromLatin1(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
}

// A server page: the client decodes the body as UTF-8 (invalid sequences become replacement characters).
inline QString TextoServidor(const uint8_t* dados, size_t tamanho) {
    return QString::fromUtf8(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
}

// A small choice (model, decimals) taken from the input's length, so that a real answer of the corpus
// is the input as it is, with nothing in front, and the fuzzer still reaches every choice.
inline int Escolha(size_t tamanho, int opcoes) {
    return static_cast<int>(tamanho % static_cast<size_t>(opcoes));
}

// The text split at its first NUL: two inputs from one (the second empty when there is no NUL).
inline QStringList Partes(const QString& texto, int n) {
    QStringList partes = texto.split(QChar(u'\0'));
    while (partes.size() < n)
        partes.append(QString());
    return partes;
}

} // namespace tarsel::fuzz
