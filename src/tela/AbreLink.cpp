#include "tela/AbreLink.h"

#include "base/Globais.h"
#include "online/Servidor.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace tarsel {

void AbreLink(const QString& alvo) {
    const QString t = alvo.trimmed();
    if (t.isEmpty())
        return;
    QUrl url;
    if (t.contains(QLatin1String("://")) || t.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) {
        url = QUrl(t, QUrl::TolerantMode);
    } else {
        const QString caminho = QDir::isAbsolutePath(t) ? t : QDir(globais().PastaPrograma).filePath(t);
        url = QUrl::fromLocalFile(caminho);
    }
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

void InstalaNavegadorSistema() {
    instalaNavegador([](const QUrl& url) { QDesktopServices::openUrl(url); });
}

} // namespace tarsel
