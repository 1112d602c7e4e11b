#include "CatalogoPerfis.h"

#include <QDir>
#include <QSet>

namespace tarsel {

const QString CatalogoPerfis::FamiliaPadrao = QStringLiteral("IP 7");

bool CatalogoPerfis::carrega(const QString& pasta, QString* erro) {
    const QDir dir(pasta);
    const QString nomeComum = QStringLiteral("comum.txt");
    PerfilPlaca comum;
    if (!comum.carrega(dir.filePath(nomeComum), erro))
        return false;

    QSet<QString> modelosVistos;
    const QStringList arquivos = dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& nome : arquivos) {
        if (nome == nomeComum)
            continue;
        PerfilPlaca perfil;
        const QString caminho = dir.filePath(nome);
        if (!perfil.carrega(caminho, erro))
            return false;
        if (perfil.familia().isEmpty()) {
            *erro = QStringLiteral("%1: no \"familia:\" line").arg(caminho);
            return false;
        }
        if (perfilDaFamilia(perfil.familia())) {
            *erro = QStringLiteral("%1: family \"%2\" has another profile").arg(caminho, perfil.familia());
            return false;
        }
        for (const QString& modelo : perfil.modelos()) {
            if (modelosVistos.contains(modelo)) {
                *erro = QStringLiteral("%1: model number %2 belongs to another profile").arg(caminho, modelo);
                return false;
            }
            modelosVistos.insert(modelo);
        }
        perfil.completaCom(comum);
        const QStringList desconhecidos = perfil.marcadoresDesconhecidos();
        if (!desconhecidos.isEmpty()) {
            *erro = QStringLiteral("%1: no \".var %2\" section for {%2}").arg(caminho, desconhecidos.first());
            return false;
        }
        m_perfis.append(perfil);
    }
    if (!perfilDaFamilia(FamiliaPadrao)) {
        *erro = QStringLiteral("%1: no profile of the family \"%2\"").arg(pasta, FamiliaPadrao);
        return false;
    }
    return true;
}

const PerfilPlaca* CatalogoPerfis::perfilDoModelo(const QString& modelo) const {
    for (const PerfilPlaca& perfil : m_perfis) {
        if (perfil.modelos().contains(modelo))
            return &perfil;
    }
    return perfilDaFamilia(FamiliaPadrao);
}

const PerfilPlaca* CatalogoPerfis::perfilDaFamilia(const QString& familia) const {
    for (const PerfilPlaca& perfil : m_perfis) {
        if (perfil.familia() == familia)
            return &perfil;
    }
    return nullptr;
}

} // namespace tarsel
