#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace tarsel {

// The I2C bus scan: the device table, the judgement of a scan answer against the devices the reference
// data lists for a family and bus, the bus buttons each family has, the buses the automatic scan visits,
// the bus map document of each family and the failure notes the server holds per bus.
namespace ModuloI2C {

constexpr int Barramentos = 8; // bus buttons 0 to 7
constexpr int VagasIcone = 5;  // the first five devices of a bus get a tick or a cross
constexpr int IntervaloEsperaMs = 1000;
constexpr int LimiteEspera = 30;      // ticks of the answer wait before a test gives up
constexpr int IntervaloAutoMs = 1000; // between two buses of the automatic scan
constexpr int AvisoMs = 1500;         // how long the "not now" hint stays

// The command that scans bus n.
QString Comando(int barramento);

// The device text of a device code ("105" gives "1x75-TIGRIS - U2101"); empty for a code not in the table.
QString NomeDispositivoI2C(const QString& codigo);
// Every code of the device table, in table order.
QStringList CodigosConhecidos();
// The address key of a device text: its characters 2 to 4 ("x75"; "x8 " for "0x8 -SAKONNET").
QString ChaveEndereco(const QString& textoDispositivo);
// The description of a device text: everything after its first "-".
QString Descricao(const QString& textoDispositivo);

struct DispositivoI2C {
    QString codigo;
    QString texto;
    QString chave;
    QString descricao;
    bool responde = false;
};

// Judges each listed device against a scan answer: it answers when its address key occurs in the answer
// (exact case). Codes the device table does not know are left out: there is no address to look for,
// and an empty key would count as answering in any answer.
QList<DispositivoI2C> Analisa(const QStringList& codigos, const QString& resposta);
// Whether a device of the list did not answer.
bool AlgumAusente(const QList<DispositivoI2C>& dispositivos);
// The result line of a device: two blanks, "0" + key, " - ", description, " - " and the translation of
// "COMUNICAÇÃO OK" or "COMUNICAÇÃO OFF".
QString LinhaResultado(const DispositivoI2C& d);
// The heading of a bus in the automatic list ("  I2C 2", "  i2c AOP", "  i2c 1 SMC").
QString TituloBarramento(const QString& familia, int barramento);
// The automatic list starts each bus with an empty line, except on the later boards.
bool LinhaEmBrancoAntesDoTitulo(const QString& familia);
// An answer that holds nothing but blanks: the phone said nothing, so no device can be judged.
bool SemResposta(const QString& resposta);

struct BotaoI2C {
    bool visivel = true;
    bool habilitado = true;
    QString legenda;
};
using BotoesI2C = std::array<BotaoI2C, Barramentos>;

// The bus buttons of a family. `lePagina` gives a server page's text; it is asked (page 53) only for
// "IP 7 Plus", whose bus 3 is on only when that page reads "S".
BotoesI2C OcultaBotoes(const QString& familia, const std::function<QString(int)>& lePagina);

// One tick of the automatic scan at step `passo` (0 to 8). A usable bus is tested and the step moves on;
// a disabled button is skipped, and when the button after it is hidden the scan ends with the no-failure
// message; at step 8 it ends without.
struct PassoAuto {
    enum class Acao { Testa, Pula, Termina };
    Acao acao = Acao::Termina;
    int barramento = -1;
    bool mensagemSemFalha = false;
};
PassoAuto ProximoPassoAuto(const BotoesI2C& botoes, int& passo);

struct PercursoAuto {
    QList<int> barramentos;        // the buses tested, in order
    bool mensagemSemFalha = false; // it ends with the no-failure message (when nothing failed)
};
// The buses the automatic scan visits with these buttons, tick after tick, and how it ends.
PercursoAuto PercorreAuto(const BotoesI2C& botoes);

// The bus map document of a family in the program folder ("xA10.pdf"); empty for a family without one.
QString DocumentoDiagrama(const QString& familia);
// The families drawn in that document, in the model list's order.
QStringList FamiliasDoDocumento(const QString& documento);
// Every bus map document.
QStringList Documentos();

// The device codes the reference data lists for a family and bus, in stored order (database at
// `caminhoBanco`, or the program's own). Throws ErroVB when the database cannot be read.
QStringList Dispositivos(const QString& familia, int barramento, const QString& caminhoBanco = {});
// Every bus of a family that lists at least one device, with its codes.
QMap<int, QStringList> MapaFamilia(const QString& familia, const QString& caminhoBanco = {});

// The text that identifies the program to the server's notes page.
inline const QString IdentificacaoPrograma = QStringLiteral("VTARSEL");
// The failure notes of a bus from the server, with "<br>" made line breaks; empty when the server does not
// answer.
QString NotasFalha(const QString& familia, int barramento, int idioma);
// The notes text with its line breaks.
QString QuebraLinhas(const QString& notas);

} // namespace ModuloI2C

} // namespace tarsel
