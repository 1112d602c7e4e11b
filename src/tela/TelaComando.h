#pragma once

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "tela/Tela.h"

#include <QList>
#include <QPointer>
#include <functional>

class QPlainTextEdit;

namespace tarsel {

class Enlace;
class PainelProgresso;
struct Resposta;

// Base of every screen that sends commands. It holds the screen's active-screen code and its
// registration with the link's router while the screen lives, sends through the link's contract, shows
// and stops the busy panel, runs each delivery inside one error guard, and ends the wait when the link
// leaves "communicating" without delivering to this screen (hang-up, failed poll, disconnect).
//
// The road of one command: `envia` (wait starts: busy panel, aoIniciarEspera) → the link delivers →
// `recebe` (inside the guard) → the screen shows its answer and calls `terminaEspera` (busy panel stops,
// aoTerminarEspera). A failure inside `recebe` is shown in the common error box and ends the wait. When
// no delivery comes, `aoPerderResposta` runs; the link has already shown its one message then.
class TelaComando : public Tela {
    Q_OBJECT
public:
    TelaComando(ContextoTela& contexto, const QString& nome, int codigo, QWidget* parent = nullptr);
    ~TelaComando() override;

    // The active-screen code this screen sends and receives with.
    int codigo() const { return m_codigo; }
    // Between a send and the end of the wait.
    bool aguardando() const { return m_aguardando; }
    // A command of this screen is on the line and its answer has not been delivered.
    bool emCurso() const { return m_emCurso; }

protected:
    Enlace& enlace() const;
    // The link is connected and idle: a command may be sent.
    bool ocioso() const;

    // Sends `comando` with this screen's code. The wait starts first; when nothing goes out (link not
    // idle, send failed and reported), it ends again at once. Returns whether the command went out.
    bool envia(const QString& comando, bool espelho = false);
    // The same with another code this screen receives with (see `recebeTambem`): a screen whose reading
    // takes two commands tells their answers apart by `Resposta::codigo`.
    bool enviaComCodigo(int codigo, const QString& comando);
    // Answers for `codigo` come to `recebe` as well, while the screen lives.
    void recebeTambem(int codigo);
    // Ends the wait: the busy panel stops and the screen's controls come back. Safe to call twice.
    void terminaEspera();

    // The busy panel this base shows while waiting, centred over the rectangle `area` gives (the whole
    // screen when none is given).
    void definePainelEspera(PainelProgresso* painel, std::function<QRect()> area = {});
    PainelProgresso* painelEspera() const { return m_painel; }
    void centraPainelEspera();

    // The answer for this screen's code.
    virtual void recebe(const Resposta& resposta) = 0;
    // A change of the growing answer while the live copy is on (only codes 1, 4 and 17 get it).
    virtual void espelha(const Resposta& atual, const QString& acrescimo, bool substituido);
    // The screen's own controls while waiting (disabled) and after (enabled again).
    virtual void aoIniciarEspera() {}
    virtual void aoTerminarEspera() {}
    // The command ended without an answer for this screen. By default the wait ends.
    virtual void aoPerderResposta();

    // Runs `passo`; an ErroVB is shown in the common error box. True when the step ran to its end.
    template <typename F> bool protege(F&& passo);

    // The known-good board's saved answer to `comando` for `familia`, for the comparator box beside the
    // screen's answer: empty when there is none, or when the database cannot be read (the common error
    // box says why).
    QString respostaGravada(const QString& familia, const QString& comando);

    // The live copy of a growing answer into `vista`, for an `espelha` override: a replaced console starts the
    // view again behind `cabecalho`; otherwise only the new chunk goes in (a long answer costs its chunks,
    // not a re-layout of the whole text) and the view follows the end.
    static void copiaAoVivo(QPlainTextEdit* vista, const QString& cabecalho, const Resposta& atual,
                            const QString& acrescimo, bool substituido);

    void resizeEvent(QResizeEvent* e) override;

private:
    void entrega(const Resposta& resposta);
    void mudouEstado();

    bool enviaPara(int codigo, const QString& comando, bool espelho);

    int m_codigo;
    QList<int> m_outrosCodigos;
    QPointer<Enlace> m_enlace;
    bool m_aguardando = false;
    bool m_emCurso = false;
    PainelProgresso* m_painel = nullptr;
    std::function<QRect()> m_areaPainel;
};

template <typename F> bool TelaComando::protege(F&& passo) {
    try {
        passo();
        return true;
    } catch (const ErroVB& e) {
        dialogos().erro(e.numero(), e.descricao());
    }
    return false;
}

} // namespace tarsel
