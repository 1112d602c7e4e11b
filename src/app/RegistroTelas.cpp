#include "app/RegistroTelas.h"

#include "base/Globais.h"
#include "tela/Tela.h"
#include "tela/TelaComando.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace tarsel {

RegistroTelas::RegistroTelas(ContextoTela& contexto, QMdiArea* area, QObject* parent)
    : QObject(parent)
    , m_contexto(contexto)
    , m_area(area) {}

void RegistroTelas::registra(Definicao definicao) {
    const QString nome = definicao.nome;
    if (!m_definicoes.contains(nome))
        m_ordem << nome;
    m_definicoes.insert(nome, std::move(definicao));
}

QWidget* RegistroTelas::abre(const QString& nome) {
    QPointer<QMdiSubWindow> janela = m_janelas.value(nome);
    if (!janela) {
        const auto d = m_definicoes.constFind(nome);
        if (d == m_definicoes.cend() || !d->cria)
            return nullptr;
        Tela* t = d->cria(m_contexto);
        if (!t)
            return nullptr;
        janela = m_area->addSubWindow(t);
        janela->setAttribute(Qt::WA_DeleteOnClose);
        janela->setWindowTitle(t->windowTitle());
        connect(t, &QWidget::windowTitleChanged, janela.data(), &QWidget::setWindowTitle);
        m_janelas.insert(nome, janela);
        // The open flag lives exactly as long as the screen.
        globais().marcaTela(nome, true);
        connect(t, &QObject::destroyed, this, [this, nome] {
            globais().marcaTela(nome, false);
            m_janelas.remove(nome);
        });
        janela->show();
    }
    janela->showNormal();
    janela->raise();
    m_area->setActiveSubWindow(janela);
    return janela->widget();
}

Tela* RegistroTelas::tela(const QString& nome) const {
    const QPointer<QMdiSubWindow> janela = m_janelas.value(nome);
    return janela ? qobject_cast<Tela*>(janela->widget()) : nullptr;
}

QList<Tela*> RegistroTelas::abertas() const {
    QList<Tela*> r;
    for (const QString& nome : m_ordem) {
        if (Tela* t = tela(nome))
            r << t;
    }
    return r;
}

void RegistroTelas::BuscaDadosGravados(const QString& familia, int codigoAtivo) {
    for (Tela* t : abertas()) {
        auto* c = qobject_cast<TelaComando*>(t);
        if (c && c->codigo() == codigoAtivo)
            c->aoBuscarDadosGravados(familia);
    }
}

void RegistroTelas::AplicaModelo(const QString& familia) {
    for (Tela* t : abertas())
        t->aoMudarModelo(familia);
}

void RegistroTelas::conectado() {
    for (Tela* t : abertas())
        t->aoConectar();
}

void RegistroTelas::mudouIdioma() {
    for (Tela* t : abertas()) {
        if (m_definicoes.value(t->nome()).fechaNoIdioma) {
            if (QPointer<QMdiSubWindow> j = m_janelas.value(t->nome()))
                j->close();
        } else {
            t->aoMudarIdioma();
        }
    }
}

} // namespace tarsel
