#include "link/VigiaPorta.h"

#include "link/MapaPortas.h"

#include <QDir>
#include <QFileInfo>

namespace tarsel {

namespace {
bool dentroDe(const QString& caminho, const QString& pasta) {
    if (caminho.isEmpty() || pasta.isEmpty())
        return false;
    const QString base = QDir::cleanPath(pasta) + QLatin1Char('/');
    return QDir::cleanPath(caminho).startsWith(base);
}
} // namespace

VigiaPorta::VigiaPorta(QObject* parent)
    : QObject(parent) {
    m_timer.setObjectName(QStringLiteral("TimerVigiaPorta"));
    m_timer.setInterval(IntervaloMs);
    m_prazo.setSingleShot(true);
    m_prazo.setInterval(JanelaPadraoMs);
    connect(&m_timer, &QTimer::timeout, this, &VigiaPorta::verifica);
    connect(&m_prazo, &QTimer::timeout, this, [this] {
        m_timer.stop();
        emit desistiu(m_porta);
    });
}

QString VigiaPorta::AlvoLink(int n, const QString& pasta) {
    const QString link = MapaPortas::CaminhoPorta(n, pasta);
    const QFileInfo info(link);
    if (!info.isSymLink())
        return QString();
    return QDir::cleanPath(info.symLinkTarget());
}

bool VigiaPorta::MesmoAdaptador(const QString& alvoPerdido, const QString& alvoAtual, const QString& pastaById) {
    const bool perdidoEstavel = dentroDe(alvoPerdido, pastaById);
    const bool atualEstavel = dentroDe(alvoAtual, pastaById);
    if (perdidoEstavel || atualEstavel)
        return QDir::cleanPath(alvoPerdido) == QDir::cleanPath(alvoAtual);
    return true;
}

void VigiaPorta::inicia(int porta, const QString& pasta, const QString& alvo) {
    m_porta = porta;
    m_pasta = pasta;
    m_alvo = alvo;
    m_prazo.start();
    m_timer.start();
}

void VigiaPorta::para() {
    m_timer.stop();
    m_prazo.stop();
}

void VigiaPorta::verifica() {
    if (!MapaPortas::PortaExiste(m_porta, m_pasta))
        return;
    if (!MesmoAdaptador(m_alvo, AlvoLink(m_porta, m_pasta), m_pastaById))
        return;
    emit voltou(m_porta);
}

} // namespace tarsel
