#pragma once

#include <QString>

namespace tarsel {

// The audio codec check: the codec block is reset twice, a moment apart, and the answer judged.
namespace CodecParse {

inline const QString ComandoReset = QStringLiteral("audio --resetblock codec");

constexpr int SegundoEnvioMs = 2000; // how often the second reset checks for the first answer
constexpr int VereditoMs = 6000;     // how often the verdict checks for the answer

// The codec answered its reset: "OK" (exact case) anywhere in the answer.
bool Passou(const QString& resposta);

} // namespace CodecParse

} // namespace tarsel
