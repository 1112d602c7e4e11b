#include "tela/TelaComando.h"

#include "console/DadosSalvos.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "store/Banco.h"
#include "tela/ContextoTela.h"
#include "tela/PainelProgresso.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace tarsel {

TelaComando::TelaComando(ContextoTela& contexto, const QString& nome, int codigo, QWidget* parent)
    : Tela(contexto, nome, parent)
    , m_codigo(codigo)
    , m_enlace(&contexto.enlace()) {
    m_enlace->roteador().registra(
        m_codigo, [this](const Resposta& r) { entrega(r); },
        [this](const Resposta& atual, const QString& acrescimo, bool substituido) {
            espelha(atual, acrescimo, substituido);
        });
    connect(m_enlace, &Enlace::statusMudou, this, &TelaComando::mudouEstado);
}

TelaComando::~TelaComando() {
    if (!m_enlace)
        return;
    m_enlace->roteador().remove(m_codigo);
    for (int c : std::as_const(m_outrosCodigos))
        m_enlace->roteador().remove(c);
}

void TelaComando::recebeTambem(int codigo) {
    if (codigo == m_codigo || m_outrosCodigos.contains(codigo) || !m_enlace)
        return;
    m_outrosCodigos << codigo;
    m_enlace->roteador().registra(codigo, [this](const Resposta& r) { entrega(r); });
}

Enlace& TelaComando::enlace() const {
    return contexto().enlace();
}

bool TelaComando::ocioso() const {
    return m_enlace && m_enlace->ocioso();
}

bool TelaComando::envia(const QString& comando, bool espelho) {
    return enviaPara(m_codigo, comando, espelho);
}

bool TelaComando::enviaComCodigo(int codigo, const QString& comando) {
    recebeTambem(codigo);
    return enviaPara(codigo, comando, false);
}

bool TelaComando::enviaPara(int codigo, const QString& comando, bool espelho) {
    m_aguardando = true;
    centraPainelEspera();
    if (m_painel)
        m_painel->inicia();
    aoIniciarEspera();
    if (!contexto().envia(codigo, comando, espelho)) {
        terminaEspera();
        return false;
    }
    m_emCurso = true;
    return true;
}

void TelaComando::terminaEspera() {
    m_aguardando = false;
    if (m_painel)
        m_painel->para();
    aoTerminarEspera();
}

void TelaComando::definePainelEspera(PainelProgresso* painel, std::function<QRect()> area) {
    m_painel = painel;
    m_areaPainel = std::move(area);
}

void TelaComando::centraPainelEspera() {
    if (!m_painel)
        return;
    const QRect r = m_areaPainel ? m_areaPainel() : rect();
    m_painel->move(r.center() - QPoint(m_painel->width() / 2, m_painel->height() / 2));
}

void TelaComando::espelha(const Resposta&, const QString&, bool) {}

void TelaComando::aoPerderResposta() {
    terminaEspera();
}

void TelaComando::resizeEvent(QResizeEvent* e) {
    Tela::resizeEvent(e);
    centraPainelEspera();
}

void TelaComando::entrega(const Resposta& resposta) {
    m_emCurso = false;
    try {
        recebe(resposta);
    } catch (const ErroVB& e) {
        // The answer could not be shown: reported once, and the screen is ready for the next command.
        terminaEspera();
        dialogos().erro(e.numero(), e.descricao());
    }
}

void TelaComando::mudouEstado() {
    // The delivery runs while the link is still "3", so leaving it with the command still in course
    // means that no answer is coming: the link lost the line or failed a poll and has said so.
    if (!m_emCurso || m_enlace->estado() == EstadoEnlace::Comunicando)
        return;
    m_emCurso = false;
    aoPerderResposta();
}

QString TelaComando::respostaGravada(const QString& familia, const QString& comando) {
    QString dados;
    if (comando.isEmpty())
        return dados;
    protege([&] {
        Banco banco({}, Banco::Modo::SomenteLeitura);
        if (const auto linha = DadosSalvos::Le(banco, familia, comando))
            dados = linha->dados;
    });
    return dados;
}

void TelaComando::copiaAoVivo(QPlainTextEdit* vista, const QString& cabecalho, const Resposta& atual,
                              const QString& acrescimo, bool substituido) {
    if (substituido) {
        vista->setPlainText(cabecalho + atual.console);
        return;
    }
    QTextCursor c(vista->document());
    c.movePosition(QTextCursor::End);
    c.insertText(acrescimo);
    vista->verticalScrollBar()->setValue(vista->verticalScrollBar()->maximum());
}

} // namespace tarsel
