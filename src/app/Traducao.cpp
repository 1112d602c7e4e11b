// TEMPORARY: replaced by the full tables.
#include "app/Traducao.h"
#include "app/Globais.h"
namespace tarsel {
std::optional<QString> TextoTraducao(const QString& chave, quint8) { return chave; }
QString Traduz(const QString& chave) { return chave; }
std::optional<TextoMensagem> MontaMensagem(const QString& chave, quint8, const QString&) { return TextoMensagem{Dialogos::Icone::Informacao, chave, chave}; }
void Mensagem(QString& chave) { dialogos().mensagem(Dialogos::Icone::Informacao, chave, chave); }
void Mensagem(const QString& chave) { QString c = chave; Mensagem(c); }
QStringList ChavesTraducao() { return {}; }
QStringList ChavesMensagem() { return {}; }
}
