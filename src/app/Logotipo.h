#pragma once

#include <QPixmap>

namespace tarsel {

// The product's mark, drawn rather than shipped as a picture file so it stays sharp at any size.
QPixmap Logotipo(const QSize& tamanho, bool comVersao);

} // namespace tarsel
