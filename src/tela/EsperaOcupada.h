#pragma once

#include "online/ClienteHttp.h"

#include <QObject>

namespace tarsel {

// While a server request waits: the busy cursor over every window, and no mouse or keyboard input
// reaching them (nor a close of a window), so nothing runs in the middle of the step that waits.
// Nested requests share one wait.
class EsperaOcupada final : public QObject, public EsperaRede {
    Q_OBJECT
public:
    explicit EsperaOcupada(QObject* parent = nullptr);
    ~EsperaOcupada() override;

    void comeca() override;
    void termina() override;
    bool esperando() const { return m_nivel > 0; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    int m_nivel = 0;
};

} // namespace tarsel
