#pragma once

#include <QString>
#include <QTemporaryDir>

namespace tarsel::teste {

// A temporary program folder holding a fresh copy of the built Config.tsl (and ports/), set as the
// program's folder and database for the lifetime of the object.
class PastaPrograma {
public:
    explicit PastaPrograma(bool comBanco = true);
    ~PastaPrograma();

    QString caminho() const { return m_dir.path(); }
    QString arquivo(const QString& nome) const { return m_dir.filePath(nome); }
    QString banco() const { return arquivo(QStringLiteral("Config.tsl")); }
    bool valida() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};

// Runs SQL on a database file (fixtures); fails the test on error.
void executaSql(const QString& caminhoBanco, const QString& sql);

} // namespace tarsel::teste
