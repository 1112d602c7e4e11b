#pragma once

#include "base/Dialogos.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tarsel {

// The text of `chave` in the current language (globais().IdiomaAtual).
// A key missing from the table is never silent: a plain box shows the key + " NÃO LOCALIZADO" and
// "NÃO LOCALIZADO" is returned. A known key with a language other than 1, 2, 3 gives an empty text.
QString Traduz(const QString& chave);

// Shows the message box of `chave` in the current language and returns when it is closed.
// Missing key: a plain box with the key + " Não Localizado", and the caller's key becomes
// "NÃO LOCALIZADO". Language other than 1, 2, 3: nothing is shown. Texts that name the port take the
// main window's port text at the moment of the call.
void Mensagem(QString& chave);
void Mensagem(const QString& chave);

// The parts of a message box, without showing it (nothing for an unknown key or language).
struct TextoMensagem {
    Dialogos::Icone icone;
    QString titulo;
    QString texto;
};
std::optional<TextoMensagem> MontaMensagem(const QString& chave, quint8 idioma, const QString& porta);

// One box for two keys: the icon and title of `chave`, its text, then the title and text of `segunda`
// below it (a failure and the steps that put it right, read together rather than one box after the
// other). Nothing when either key or the language is unknown.
std::optional<TextoMensagem> JuntaMensagens(const QString& chave, const QString& segunda, quint8 idioma,
                                            const QString& porta);
// Shows that box in the current language; a missing key shows as `Mensagem` shows it.
void MensagemJunta(const QString& chave, const QString& segunda);

// The text of a key in a given language without any box (nothing for an unknown key).
std::optional<QString> TextoTraducao(const QString& chave, quint8 idioma);

// Every key of each table, in table order (tests and tools walk them).
QStringList ChavesTraducao();
QStringList ChavesMensagem();

inline const QString NaoLocalizado = QStringLiteral("NÃO LOCALIZADO");

} // namespace tarsel
