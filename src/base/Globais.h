#pragma once

#include <QSet>
#include <QString>
#include <functional>

namespace tarsel {

// Names of the windows that keep an open flag (the language change and the model change read them).
namespace NomeTela {
inline const QString Master = QStringLiteral("Master");
inline const QString IC = QStringLiteral("IC");
inline const QString VCores = QStringLiteral("VCores");
inline const QString BuckLdo = QStringLiteral("BuckLdo");
inline const QString Nand = QStringLiteral("Nand");
inline const QString RFs = QStringLiteral("RFs");
inline const QString RFs_Esq = QStringLiteral("RFs_Esq");
inline const QString Sobre = QStringLiteral("Sobre");
inline const QString Displays = QStringLiteral("Displays");
inline const QString Codec = QStringLiteral("Codec");
inline const QString I2C = QStringLiteral("I2C");
inline const QString Chestnut = QStringLiteral("Chestnut");
inline const QString BuckTeste = QStringLiteral("BuckTeste");
inline const QString Tigris = QStringLiteral("Tigris");
inline const QString Acorn = QStringLiteral("Acorn");
inline const QString PMU = QStringLiteral("PMU");
inline const QString Tristar = QStringLiteral("Tristar");
inline const QString Bateria = QStringLiteral("Bateria");
inline const QString Outros = QStringLiteral("Outros");
// The saved-answer editor, opened from the console's maintenance buttons.
inline const QString EditorDados = QStringLiteral("EditorDados");
// The shell's help list beside the console.
inline const QString fmHelp = QStringLiteral("fmHelp");
} // namespace NomeTela

// State shared by the whole program, created at start and living until the process ends.
struct Globais {
    QString PastaPrograma;   // the executable's folder
    QString CaminhoBanco;    // PastaPrograma + "Config.tsl"
    QString Versao;          // "2.42"
    QString TituloPrincipal; // "Voltrace Tarsel v." + Versao
    quint8 IdiomaAtual = 0;  // 1 Portuguese, 2 English, 3 Spanish; 0 until loaded
    QString TelaAtiva = QStringLiteral("0");
    bool EspelhoAtivo = false;

    // Screen-open flags: a window's name is here while it is open.
    QSet<QString> telasAbertas;
    bool telaAberta(const QString& nome) const { return telasAbertas.contains(nome); }
    void marcaTela(const QString& nome, bool aberta);

    // Text of the main window's port list at the moment of asking (message texts carry it).
    std::function<QString()> textoPorta;
    QString portaAtual() const { return textoPorta ? textoPorta() : QString(); }
};

Globais& globais();

// One of three fixed texts by the current language (English until a language is loaded). For the
// few texts that live outside the translation tables, such as run-time error descriptions.
QString PorIdioma(const char* pt, const char* en, const char* es);

inline const QString VersaoPrograma = QStringLiteral("2.42");
inline const QString NomeBanco = QStringLiteral("Config.tsl");
inline const QString NomeBancoUsuario = QStringLiteral("User.tsl");

} // namespace tarsel
