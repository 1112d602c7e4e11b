#pragma once

#include "PerfilPlaca.h"

#include <QList>
#include <QString>

namespace tarsel {

// Every board profile of a folder: one file per family plus "comum.txt" with the answers all boards share.
class CatalogoPerfis {
public:
    // Family whose board answers for a model number that no profile lists.
    static const QString FamiliaPadrao;

    bool carrega(const QString& pasta, QString* erro);

    // Profile of the family the model number belongs to (exact match); the default family's for any other
    // number; null only when the folder lacks the default family.
    const PerfilPlaca* perfilDoModelo(const QString& modelo) const;
    const PerfilPlaca* perfilDaFamilia(const QString& familia) const;
    // Every family's profile, in file name order.
    const QList<PerfilPlaca>& perfis() const { return m_perfis; }

private:
    QList<PerfilPlaca> m_perfis;
};

} // namespace tarsel
