#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

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

    const QTimer& TimerValidaPorta() const { return m_timer; }
    int contadorValidacao() const { return m_contador; }

private:
    void conecta(int porta);
    void desconecta();
    void validaPorta();
    void indicadoresDesligados();

    Enlace& m_enlace;
    Identificacao& m_identificacao;
    PainelConexao& m_painel;
    QTimer m_timer;
    QString m_pasta;
    quint8 m_contador = 0;
};

} // namespace tarsel
