#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "link/VigiaPorta.h"

namespace tarsel {

class Enlace;
class Identificacao;
class PainelConexao;

// The connect button and the check, right after opening, that a phone in diagnostics mode answers.
class Conexao : public QObject {
    Q_OBJECT
public:
    Conexao(Enlace& enlace, Identificacao& identificacao, PainelConexao& painel, QObject* parent = nullptr);

    // Highest port that may be opened; the list may show more.
    static constexpr int MaiorPortaUsavel = 16;

    // A click on the connect button: connects in state "0", disconnects in "1", ignored otherwise.
    void clique();

    // Folder holding ports/ (the program folder unless set).
    QString pasta() const;
    void definePasta(const QString& pasta) { m_pasta = pasta; }

    // Reconnect after an unplug: when the device goes away (not on the user's disconnect), watch its
    // number for the same adapter for a while and connect again when it comes back. Off unless chosen.
    void defineReligaAposPerda(bool ativa);
    bool religaAposPerda() const { return m_religaAposPerda; }
    // Watching for the lost adapter, or connecting to it again.
    bool religando() const { return m_vigia.ativa() || m_religando; }
    VigiaPorta& vigia() { return m_vigia; }

    const QTimer& TimerValidaPorta() const { return m_timer; }
    int contadorValidacao() const { return m_contador; }

private:
    void conecta(int porta);
    bool abrePorta(int porta);
    void iniciaVerificacao();
    void desconecta();
    void perdeuDispositivo(int porta);
    void religa(int porta);
    void desisteReligar();
    void mostraReligando();
    void validaPorta();
    void semResposta();
    void indicadoresDesligados();

    Enlace& m_enlace;
    Identificacao& m_identificacao;
    PainelConexao& m_painel;
    QTimer m_timer;
    QString m_pasta;
    quint8 m_contador = 0;
    VigiaPorta m_vigia;
    bool m_religaAposPerda = false;
    bool m_religando = false;
    // What ports/COM<n> pointed at when the port was opened: the adapter to wait for.
    QString m_alvoAberto;
};

} // namespace tarsel
