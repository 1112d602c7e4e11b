#include "link/MapaPortas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <sys/stat.h>

namespace tarsel {

namespace {

bool ehDispositivoCaractere(const QString& caminho) {
    struct stat st {};
    return ::stat(QFile::encodeName(caminho).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

// A name is taken as soon as anything of that name exists, a dangling link included.
bool nomeOcupado(const QString& caminho) {
    struct stat st {};
    return ::lstat(QFile::encodeName(caminho).constData(), &st) == 0;
}

} // namespace

QString MapaPortas::CaminhoPorta(int n, const QString& pasta) {
    return QDir(pasta).absoluteFilePath(QStringLiteral("ports/COM") + QString::number(n));
}

bool MapaPortas::PortaExiste(int n, const QString& pasta) {
    return n >= 1 && ehDispositivoCaractere(CaminhoPorta(n, pasta));
}

QList<int> MapaPortas::RegistraAdaptadores(const QString& pasta, const QString& pastaById) {
    QList<int> novas;
    const QDir byId(pastaById);
    if (pastaById.isEmpty() || !byId.exists())
        return novas;

    const QString pastaPortas = QDir(pasta).filePath(QStringLiteral("ports"));
    QDir().mkpath(pastaPortas);

    // What the existing links already name: their own target text, and the device they reach now
    // (so an adapter a technician linked by hand is not given a second number).
    QSet<QString> alvos;
    QSet<QString> dispositivos;
    for (int k = 1; k <= MaiorPorta; ++k) {
        const QString link = CaminhoPorta(k, pasta);
        const QFileInfo info(link);
        if (info.isSymLink())
            alvos.insert(QFile::symLinkTarget(link));
        if (ehDispositivoCaractere(link))
            dispositivos.insert(info.canonicalFilePath());
    }

    const QStringList nomes = byId.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& nome : nomes) {
        const QString adaptador = byId.absoluteFilePath(nome);
        if (!ehDispositivoCaractere(adaptador))
            continue;
        if (alvos.contains(adaptador) || dispositivos.contains(QFileInfo(adaptador).canonicalFilePath()))
            continue;
        int livre = 0;
        for (int k = 1; k <= MaiorPorta && livre == 0; ++k) {
            if (!nomeOcupado(CaminhoPorta(k, pasta)))
                livre = k;
        }
        if (livre == 0)
            break;
        if (QFile::link(adaptador, CaminhoPorta(livre, pasta))) {
            alvos.insert(adaptador);
            dispositivos.insert(QFileInfo(adaptador).canonicalFilePath());
            novas.append(livre);
        }
    }
    return novas;
}

QStringList MapaPortas::ListaPortas(const QString& pasta, const QString& pastaById) {
    RegistraAdaptadores(pasta, pastaById);
    QStringList portas;
    for (int n = 1; n <= MaiorPorta; ++n) {
        if (PortaExiste(n, pasta))
            portas << QString::number(n);
    }
    return portas;
}

} // namespace tarsel
