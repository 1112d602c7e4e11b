#include "devicetests/CodecParse.h"

namespace tarsel::CodecParse {

bool Passou(const QString& resposta) {
    return resposta.contains(QLatin1String("OK"), Qt::CaseSensitive);
}

} // namespace tarsel::CodecParse
