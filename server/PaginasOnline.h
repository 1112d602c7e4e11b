#pragma once

#include "ConfiguracaoServidor.h"
#include "RespostaHttp.h"

#include <QMap>
#include <QString>
#include <QUrlQuery>

namespace tarsel {

// The pages the program itself reads: the probe, the version page, the two notices, the link page and
// the I2C failure notes. Plain text with the tags the program looks for.
class PaginasOnline {
public:
    // The fixed access value the link page wants in its "k" parameter.
    static const QString ChaveLinks;

    PaginasOnline(const ConfiguracaoServidor& configuracao, const QString& base);

    // The paths these pages answer on ("/online", "/versao", ...).
    static bool atende(const QString& caminho);

    // The answer of the page at `caminho` for the query; 404 for a path that is not one of these pages.
    RespostaHttp responde(const QString& caminho, const QUrlQuery& consulta) const;

    // The entries of the link page before the --links overrides: addresses on this server and switches.
    static QMap<int, QString> linksPadrao(const QString& base);

private:
    RespostaHttp versao(const QUrlQuery& consulta) const;
    RespostaHttp aviso(bool atualizacao, const QUrlQuery& consulta) const;
    RespostaHttp links(const QUrlQuery& consulta) const;
    RespostaHttp i2c(const QUrlQuery& consulta) const;

    const ConfiguracaoServidor& m_configuracao;
    QString m_base;
};

} // namespace tarsel
