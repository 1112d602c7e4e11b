#include "Apoio.h"

#include "app/Globais.h"
#include "store/Banco.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace tarsel::teste {

PastaPrograma::PastaPrograma(bool comBanco)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("ports"));
    if (comBanco) {
        QFile::copy(QStringLiteral(TARSEL_CONFIG_MODELO), banco());
        QFile(banco()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    auto& g = globais();
    g.PastaPrograma = m_dir.path();
    g.CaminhoBanco = banco();
}

PastaPrograma::~PastaPrograma()
{
    auto& g = globais();
    g.PastaPrograma.clear();
    g.CaminhoBanco.clear();
}

void executaSql(const QString& caminhoBanco, const QString& sql)
{
    Banco b(caminhoBanco);
    b.executaScript(sql);
}

} // namespace tarsel::teste
