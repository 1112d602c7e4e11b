#include "NotasI2C.h"

#include <QList>
#include <QMap>
#include <QStringList>

namespace tarsel {

namespace {

// The buses each family has (the others are not wired on its board).
const QMap<QString, QList<int>>& barramentos() {
    static const QMap<QString, QList<int>> mapa{
        {QStringLiteral("IP 6"), {0, 1, 2}},          {QStringLiteral("IP 6 Plus"), {0, 1, 2}},
        {QStringLiteral("IP 6s"), {0, 1, 2}},         {QStringLiteral("IP 6s Plus"), {0, 1, 2}},
        {QStringLiteral("IP 7"), {0, 1, 2, 3, 4}},    {QStringLiteral("IP 7 Plus"), {0, 1, 2, 3, 4}},
        {QStringLiteral("IP 8"), {0, 2, 3, 4, 6, 7}}, {QStringLiteral("IP 8 Plus"), {0, 2, 3, 4, 6, 7}},
        {QStringLiteral("IP X"), {0, 3, 4, 5, 6, 7}},
    };
    return mapa;
}

struct Notas {
    QStringList br, en, es;
};

// Causes per bus, the most common first. Every bus starts with its lines and pull-ups: a bus held low
// silences every device on it, and that is what a technician measures first.
const QMap<int, Notas>& causas() {
    static const QMap<int, Notas> mapa{
        {0,
         {{QStringLiteral(
               "Meça SDA e SCL do barramento 0: devem estar em 1,8 V em repouso; 0 V indica curto ou pull-up aberto."),
           QStringLiteral("Tristar danificado (após carregador ruim) costuma prender o barramento 0."),
           QStringLiteral("Chestnut ou backlight com oxidação perto do conector do display."),
           QStringLiteral("Confira PP1V8 na saída do PMU antes de trocar qualquer chip.")},
          {QStringLiteral(
               "Measure SDA and SCL of bus 0: they must idle at 1.8 V; 0 V means a short or an open pull-up."),
           QStringLiteral("A damaged Tristar (after a bad charger) often holds bus 0 down."),
           QStringLiteral("Chestnut or backlight corroded near the display connector."),
           QStringLiteral("Check PP1V8 at the PMU output before replacing any chip.")},
          {QStringLiteral(
               "Mida SDA y SCL del bus 0: en reposo deben estar en 1,8 V; 0 V indica corto o pull-up abierto."),
           QStringLiteral("Un Tristar dañado (tras un cargador malo) suele bloquear el bus 0."),
           QStringLiteral("Chestnut o backlight con oxidación cerca del conector del display."),
           QStringLiteral("Verifique PP1V8 en la salida del PMU antes de cambiar cualquier chip.")}}},
        {1,
         {{QStringLiteral("Meça SDA e SCL do barramento 1 em repouso (1,8 V)."),
           QStringLiteral("Carregador Tigris em curto: placa esquenta perto da bateria."),
           QStringLiteral("Motor de vibração ou seu driver com solda fria após queda."),
           QStringLiteral("Backlight 2 aberto: confira os capacitores de filtro do barramento.")},
          {QStringLiteral("Measure SDA and SCL of bus 1 at rest (1.8 V)."),
           QStringLiteral("Tigris charger shorted: the board heats up near the battery."),
           QStringLiteral("Vibration motor or its driver with a cracked joint after a drop."),
           QStringLiteral("Backlight 2 open: check the bus filter capacitors.")},
          {QStringLiteral("Mida SDA y SCL del bus 1 en reposo (1,8 V)."),
           QStringLiteral("Cargador Tigris en corto: la placa se calienta cerca de la batería."),
           QStringLiteral("Motor de vibración o su driver con soldadura fría tras una caída."),
           QStringLiteral("Backlight 2 abierto: verifique los capacitores de filtro del bus.")}}},
        {2,
         {{QStringLiteral("Flex da câmera frontal ou do sensor de luz mal encaixado ou rompido."),
           QStringLiteral("EEPROM do display: teste com outra tela conhecida boa."),
           QStringLiteral("Convoy sem alimentação: confira o conector do alto-falante superior.")},
          {QStringLiteral("Front camera or light sensor flex badly seated or torn."),
           QStringLiteral("Display EEPROM: try another known-good screen."),
           QStringLiteral("Convoy without supply: check the top speaker connector.")},
          {QStringLiteral("Flex de la cámara frontal o del sensor de luz mal encajado o roto."),
           QStringLiteral("EEPROM del display: pruebe con otra pantalla conocida buena."),
           QStringLiteral("Convoy sin alimentación: revise el conector del altavoz superior.")}}},
        {3,
         {{QStringLiteral("Conector do touch/display (J5800) com pinos tortos ou oxidados."),
           QStringLiteral("Tela paralela sem EEPROM ou com EEPROM não programada."),
           QStringLiteral("Muon (controle do backlight) danificado por curto na tela.")},
          {QStringLiteral("Touch/display connector (J5800) with bent or corroded pins."),
           QStringLiteral("Aftermarket screen without an EEPROM or with a blank one."),
           QStringLiteral("Muon (backlight control) damaged by a shorted screen.")},
          {QStringLiteral("Conector del touch/display (J5800) con pines doblados u oxidados."),
           QStringLiteral("Pantalla alternativa sin EEPROM o con la EEPROM sin programar."),
           QStringLiteral("Muon (control del backlight) dañado por una pantalla en corto.")}}},
        {4,
         {{QStringLiteral("Sensor de proximidade (flex superior) rompido ou ausente."),
           QStringLiteral("Barramento do processador auxiliar (AOP): confira a alimentação do sensor."),
           QStringLiteral("CT709 sem resposta após troca de tela: reencaixe o flex.")},
          {QStringLiteral("Proximity sensor (top flex) torn or missing."),
           QStringLiteral("Always-on processor (AOP) bus: check the sensor supply."),
           QStringLiteral("CT709 silent after a screen swap: reseat the flex.")},
          {QStringLiteral("Sensor de proximidad (flex superior) roto o ausente."),
           QStringLiteral("Bus del procesador auxiliar (AOP): revise la alimentación del sensor."),
           QStringLiteral("CT709 sin respuesta tras cambiar la pantalla: vuelva a encajar el flex.")}}},
        {5,
         {{QStringLiteral("Segundo barramento AOP: sensores do flex superior sem alimentação."),
           QStringLiteral("Placa sanduíche mal soldada: reflua ou reballing da camada superior.")},
          {QStringLiteral("Second AOP bus: top flex sensors without supply."),
           QStringLiteral("Sandwich board badly joined: reflow or reball the top layer.")},
          {QStringLiteral("Segundo bus AOP: sensores del flex superior sin alimentación."),
           QStringLiteral("Placa sándwich mal soldada: reflujo o reballing de la capa superior.")}}},
        {6,
         {{QStringLiteral(
               "Conector da bateria (J3200) sujo ou com pino quebrado: o medidor de carga some do barramento."),
           QStringLiteral("Tigris2 ou o boost (TPS61280) danificados por bateria inchada."),
           QStringLiteral("Iktara sem resposta: confira a bobina de carga sem fio.")},
          {QStringLiteral("Battery connector (J3200) dirty or with a broken pin: the gauge drops off the bus."),
           QStringLiteral("Tigris2 or the boost (TPS61280) damaged by a swollen battery."),
           QStringLiteral("Iktara silent: check the wireless charging coil.")},
          {QStringLiteral(
               "Conector de batería (J3200) sucio o con un pin roto: el medidor de carga desaparece del bus."),
           QStringLiteral("Tigris2 o el boost (TPS61280) dañados por una batería hinchada."),
           QStringLiteral("Iktara sin respuesta: revise la bobina de carga inalámbrica.")}}},
        {7,
         {{QStringLiteral("Hydra (U6300) danificado por carregador ou cabo ruim: confira o conector de carga."),
           QStringLiteral("Linhas do barramento 7 em curto após oxidação na parte inferior da placa.")},
          {QStringLiteral("Hydra (U6300) damaged by a bad charger or cable: check the charging port."),
           QStringLiteral("Bus 7 lines shorted after corrosion at the bottom of the board.")},
          {QStringLiteral("Hydra (U6300) dañado por un cargador o cable malo: revise el conector de carga."),
           QStringLiteral("Líneas del bus 7 en corto tras oxidación en la parte inferior de la placa.")}}},
    };
    return mapa;
}

} // namespace

QString NotasI2C::notas(const QString& familia, int barramento, int idioma) {
    const auto familiaEncontrada = barramentos().constFind(familia.trimmed());
    if (familiaEncontrada == barramentos().cend() || !familiaEncontrada->contains(barramento))
        return {};
    const auto notas = causas().constFind(barramento);
    if (notas == causas().cend())
        return {};
    switch (idioma) {
    case 1:
        return notas->br.join(QStringLiteral("<br>"));
    case 2:
        return notas->en.join(QStringLiteral("<br>"));
    case 3:
        return notas->es.join(QStringLiteral("<br>"));
    default:
        return {};
    }
}

} // namespace tarsel
