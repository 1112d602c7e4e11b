#include "tela/EsperaOcupada.h"

#include <QApplication>
#include <QEvent>

namespace tarsel {

EsperaOcupada::EsperaOcupada(QObject* parent)
    : QObject(parent) {}

EsperaOcupada::~EsperaOcupada() {
    while (m_nivel > 0)
        termina();
}

void EsperaOcupada::comeca() {
    if (m_nivel++ > 0)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
}

void EsperaOcupada::termina() {
    if (m_nivel == 0 || --m_nivel > 0)
        return;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

bool EsperaOcupada::eventFilter(QObject* o, QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    case QEvent::Close:
        // A window closed from its title bar would be destroyed under the waiting step.
        if (e->spontaneous()) {
            e->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(o, e);
}

} // namespace tarsel
