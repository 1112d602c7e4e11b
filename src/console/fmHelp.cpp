#include "console/fmHelp.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "console/RegrasConsole.h"
#include "link/Resposta.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {
constexpr int Largura = 11535; // twips
constexpr int Altura = 8910;
constexpr int PrincipalAlto = 11000;
} // namespace

fmHelp::fmHelp(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::fmHelp, Codigo) {
    setWindowTitle(Traduz(QStringLiteral("Comandos")) + QStringLiteral(" Help - Voltrace Tarsel"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(8, 6, 8, 8);
    v->setSpacing(4);
    auto* topo = new QHBoxLayout;
    m_lbDica = new QLabel(Traduz(QStringLiteral("Clique duplo para enviar texto ao campo comandos")), this);
    m_lbDica->setObjectName(QStringLiteral("lbDica"));
    m_btAdd = new QPushButton(Traduz(QStringLiteral("Add")), this);
    m_btAdd->setObjectName(QStringLiteral("btAdd"));
    connect(m_btAdd, &QPushButton::clicked, this, &fmHelp::mostraCampo);
    topo->addWidget(m_lbDica, 1);
    topo->addWidget(m_btAdd);
    v->addLayout(topo);
    m_txt2 = new QLineEdit(this);
    m_txt2->setObjectName(QStringLiteral("txt2"));
    m_txt2->hide();
    v->addWidget(m_txt2);
    m_txtConsole = new QPlainTextEdit(this);
    m_txtConsole->setObjectName(QStringLiteral("txtConsole"));
    m_txtConsole->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_txtConsole->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtConsole->viewport()->installEventFilter(this);
    v->addWidget(m_txtConsole, 1);
    dimensiona();
}

void fmHelp::dimensiona() {
    int altura = Twips(Altura);
    if (contexto().alturaPrincipal() > Twips(PrincipalAlto))
        altura = contexto().alturaPrincipal() - Twips(3000);
    resize(Twips(Largura), qMax(altura, Twips(3000)));
}

void fmHelp::defineTexto(const QString& texto) {
    // The list as the shell sent it; the view shows line breaks without their CRs.
    QString t = texto;
    t.remove(QLatin1Char('\r'));
    m_txtConsole->setPlainText(t);
}

QString fmHelp::texto() const {
    return m_txtConsole->toPlainText();
}

void fmHelp::escolhe(const QString& selecao) {
    emit comandoEscolhido(RegrasConsole::SelecaoHelp(selecao));
}

void fmHelp::recebe(const Resposta& r) {
    defineTexto(r.console);
    terminaEspera();
}

void fmHelp::mostraCampo() {
    // The layout moves the list down and shortens it by the field's height.
    m_txt2->show();
    m_btAdd->hide();
    m_txt2->setFocus();
}

bool fmHelp::eventFilter(QObject* o, QEvent* e) {
    if (o == m_txtConsole->viewport()) {
        if (e->type() == QEvent::MouseButtonPress) {
            // The first click of a double-click clears a selection made by dragging: keep it when the
            // click falls inside it, so that the double-click takes it whole.
            const auto* m = static_cast<QMouseEvent*>(e);
            const QTextCursor atual = m_txtConsole->textCursor();
            const int pos = m_txtConsole->cursorForPosition(m->position().toPoint()).position();
            // The second press of a double-click finds that selection already gone: it keeps the one taken.
            const bool segundo =
                m_ultimoClique.isValid() && m_ultimoClique.elapsed() <= QApplication::doubleClickInterval();
            m_ultimoClique.start();
            if (atual.hasSelection() && pos >= atual.selectionStart() && pos <= atual.selectionEnd())
                m_selecaoAntes = atual.selectedText();
            else if (!segundo)
                m_selecaoAntes.clear();
        } else if (e->type() == QEvent::MouseButtonDblClick) {
            const auto* m = static_cast<QMouseEvent*>(e);
            const QTextCursor atual = m_txtConsole->textCursor();
            const int pos = m_txtConsole->cursorForPosition(m->position().toPoint()).position();
            if (atual.hasSelection() && pos >= atual.selectionStart() && pos <= atual.selectionEnd())
                m_selecaoAntes = atual.selectedText();
            if (!m_selecaoAntes.isEmpty()) {
                escolhe(m_selecaoAntes);
                m_selecaoAntes.clear();
                return true;
            }
            // Otherwise the word the double-click selects, once the view has selected it.
            QMetaObject::invokeMethod(
                this, [this] { escolhe(m_txtConsole->textCursor().selectedText()); }, Qt::QueuedConnection);
        }
    }
    return TelaComando::eventFilter(o, e);
}

} // namespace tarsel
