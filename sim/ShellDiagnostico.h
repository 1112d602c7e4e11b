#pragma once

#include "FalhasSimuladas.h"
#include "PerfilPlaca.h"
#include "Transmissor.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRandomGenerator>
#include <QSet>
#include <QString>

namespace tarsel {

// The phone's diagnostics shell behind the BOX: turns each command line into what goes back on the line
// (echo, answer lines ending in LF, the prompt), with the faults it was started with.
class ShellDiagnostico {
public:
    struct Configuracao {
        QString modelo = QStringLiteral("A1778");
        FalhasSimuladas falhas;
        int pensaMs = 3;       // before an answer starts
        int pausaMs = 1500;    // the mid-answer pause of the "pausa" fault
        int reinicioMs = 2000; // from "Reset" to the prompt
        // Picks the variable fragments of this start (serial numbers, unique ids, addresses); the same seed
        // gives the same board.
        quint64 semente = 0;
    };

    static const QString ConsultaModelo;

    ShellDiagnostico(const PerfilPlaca& perfil, const Configuracao& configuracao);

    // What the shell sends for one command line (as typed, without the CR). Empty when nothing at all comes
    // back: a blank line, a silent BOX, a phone that has been shut down.
    QList<Trecho> responde(const QByteArray& linha);

    // "[" + 8 hex + ":" + 8 hex + "] :-) ", the second number moving on at every prompt.
    QByteArray proximoPrompt();

    // The value each variable fragment took at this start, by name.
    const QHash<QString, QByteArray>& variaveis() const { return m_variaveis; }

private:
    QList<QByteArray> linhasDaConsultaModelo();
    QList<QByteArray> linhasComFalhaRail(const QString& comando) const;
    QList<QByteArray> linhasDoRadio(const QString& comando, const QList<QByteArray>& corpo);
    static QList<QByteArray> linhasCarregador(QList<QByteArray> linhas, const FalhasSimuladas& falhas);
    QList<QByteArray> linhasChipsDisplay(QList<QByteArray> linhas) const;
    QByteArray lixo(int minimo, int maximo);
    static QByteArray junta(const QList<QByteArray>& linhas);

    const PerfilPlaca& m_perfil;
    Configuracao m_configuracao;
    QRandomGenerator m_sorteio;
    QHash<QString, QByteArray> m_variaveis;
    quint32 m_sessao;
    quint32 m_contador;
    int m_consultasModelo = 0;
    bool m_modeloJaRespondido = false; // a model query got its number: the hang-up fault is armed
    bool m_desligado = false;          // after "Shutdown" the phone is off
    bool m_touchLigado = false;        // "touch --on" powered the touch controller (off at start)
    QSet<QString> m_radiosLigados;     // radios powered on and not off since: a second "--on" says so
};

} // namespace tarsel
