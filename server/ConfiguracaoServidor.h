#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace tarsel {

// What the server answers, chosen on the command line and, with --controle, changed at run time.
class ConfiguracaoServidor {
public:
    // The status the version page reports. The last four are broken answers the program must survive.
    enum class Versao { Ok, Opcional, Obrigatoria, Manutencao, Vazio, SemTag, TagAberta, Outro };
    // How the online pages misbehave; content and report pages always answer normally.
    enum class Falha { Nenhuma, Lenta, Gotejando, Lixo, Reset, Enorme, Redirecao, Latin1, Marcas };

    Versao versao = Versao::Ok;
    bool avisos = true;
    Falha falha = Falha::Nenhuma;
    bool controle = false;
    // One line per request on stderr.
    bool registro = false;
    // Entries of the link page that replace or remove the standard ones (an empty value removes).
    QMap<int, QString> links;

    static QStringList nomesVersao();
    static QStringList nomesFalha();
    // Reads a name (any case); false when it is not one of the names.
    static bool leVersao(const QString& nome, Versao* versao);
    static bool leFalha(const QString& nome, Falha* falha);
    static QString nome(Versao versao);
    static QString nome(Falha falha);

    // Reads "n=value" lines (n from 1 to 99; blank lines and lines starting with "#" are skipped) into
    // `links`. False with the reason in `erro` on an unreadable file or a malformed line.
    bool leLinks(const QString& arquivo, QString* erro);
};

} // namespace tarsel
