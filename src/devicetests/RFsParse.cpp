#include "devicetests/RFsParse.h"

#include "base/Traducao.h"

namespace tarsel::RFsParse {

namespace {

struct Radio {
    const char* nome;
    const char* fundo;
    const char* ligar;
    const char* desligar;
    const char* propriedades;
    QStringList marcadores;
};

const Radio& radio(int indice) {
    // NFC's power-off is its own command: sending the power-on text there would leave the radio on.
    static const Radio radios[TotalRadios] = {
        {"Baseband",
         "lbFundoBase",
         "baseband --on",
         "baseband --off",
         "baseband -p",
         {QStringLiteral("Baseband is already powered on"), QStringLiteral("BB_HSIC_RDY"), QStringLiteral("on success"),
          QStringLiteral("OK")}},
        {"Bluetooth",
         "lbFundoBlue",
         "bluetooth --on",
         "bluetooth --off",
         "bluetooth -p",
         {QStringLiteral("Already on"), QStringLiteral("on success"), QStringLiteral("OK")}},
        {"Wifi",
         "lbFundoWifi",
         "wifi --on",
         "wifi --off",
         "wifi --properties",
         {QStringLiteral("Wifi is already on"), QStringLiteral("on success"), QStringLiteral("OK")}},
        {"Gps",
         "lbFundoGps",
         "gps --on",
         "gps --off",
         "gps --getinfo",
         {QStringLiteral("GPS is already on"), QStringLiteral("on success"), QStringLiteral("OK")}},
        {"NFC",
         "lbFundoNFC",
         "stockholm --on",
         "stockholm --off",
         "stockholm -p",
         {QStringLiteral("powered on"), QStringLiteral("OK")}},
    };
    return radios[indice];
}

bool valido(int indice) {
    return indice >= 0 && indice < TotalRadios;
}

} // namespace

QString Nome(int indice) {
    return valido(indice) ? QString::fromLatin1(radio(indice).nome) : QString();
}

QString FundoLinha(int indice) {
    return valido(indice) ? QString::fromLatin1(radio(indice).fundo) : QString();
}

QString Comando(int indice, Acao acao) {
    if (!valido(indice))
        return {};
    const Radio& r = radio(indice);
    switch (acao) {
    case Acao::Ligar:
        return QString::fromLatin1(r.ligar);
    case Acao::Desligar:
        return QString::fromLatin1(r.desligar);
    case Acao::Propriedades:
        return QString::fromLatin1(r.propriedades);
    }
    return {};
}

QStringList Marcadores(int indice) {
    return valido(indice) ? radio(indice).marcadores : QStringList();
}

bool Respondeu(int indice, const QString& resposta) {
    for (const QString& m : Marcadores(indice)) {
        if (resposta.contains(m, Qt::CaseSensitive))
            return true;
    }
    return false;
}

bool RecusaGps(int indice, const QString& familia) {
    return indice == Gps && familia.startsWith(QLatin1String("IP 6"));
}

Julgamento Julga(int indice, const QString& resposta) {
    Julgamento j;
    j.respondeu = Respondeu(indice, resposta);
    j.status = Nome(indice) + u'\n' +
               Traduz(j.respondeu ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF"));
    j.dados =
        j.respondeu ? resposta : resposta + QStringLiteral("\r\n\r\n") + Traduz(QStringLiteral("REPITA PROCESSO"));
    j.cor = j.respondeu ? CorRespondeu : CorNaoRespondeu;
    return j;
}

Passo PassoEspera(int& tiques, bool ocioso, bool temResposta) {
    if (!ocioso)
        return Passo::Espera;
    ++tiques;
    if (temResposta)
        return Passo::Julga;
    return tiques >= LimiteTiques ? Passo::Desiste : Passo::Espera;
}

QString AvisoSemEnvio(bool conectado, Acao acao) {
    if (conectado)
        return Traduz(QStringLiteral("Aguarde..."));
    return Traduz(QStringLiteral("Desconectado")) + (acao == Acao::Ligar ? QStringLiteral("!") : QString());
}

} // namespace tarsel::RFsParse
