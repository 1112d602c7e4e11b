#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <optional>

namespace tarsel {

class Enlace;
class PainelConexao;

// Which phone is on the bench: the model number from the answer to the model query, its family,
// and the re-reading of the number (TimerVerificaVersao).
class Identificacao : public QObject {
    Q_OBJECT
public:
    Identificacao(Enlace& enlace, PainelConexao& painel, QObject* parent = nullptr);

    // The family of a model number ("A1778" -> "IP 7"); empty for a number not in the table.
    static QString FamiliaDoModelo(const QString& numero);
    // The number between the echoed query and the prompt: it starts 4 characters after the first "#"
    // and ends 3 characters before the first "["; nothing when no usable number is there.
    static std::optional<QString> LeNumero(const QString& console);

    // Runs once the first answer of a connection has come (on the link's console). True when a
    // known model was set, so the connection check starts its count afresh.
    bool VarianteConexao();
    // Starts a re-reading of the model number (only when the link is "1").
    void AtualizaModelo();

    const QTimer& TimerVerificaVersao() const { return m_timer; }

signals:
    // The re-reading that a connection started got an answer that is neither a number nor a refusal
    // (noise, another device on the port): no phone is answering there.
    void respostaInvalida();

public:
    int tentativas() const { return m_tentativas; }
    int ticks() const { return m_ticks; }

private:
    void iniciaReleitura(bool daConexao);
    void verificaVersao();
    bool pedeModelo();
    void avisaModeloDesconhecido();

    Enlace& m_enlace;
    PainelConexao& m_painel;
    QTimer m_timer;
    quint8 m_tentativas = 0;
    quint16 m_ticks = 0;
    bool m_daConexao = false; // the running re-reading was started by a connection
};

} // namespace tarsel
