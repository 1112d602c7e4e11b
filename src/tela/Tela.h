#pragma once

#include <QWidget>

namespace tarsel {

// Base of every screen that opens inside the main window: keeps its open flag while it lives.
class Tela : public QWidget {
    Q_OBJECT
public:
    Tela(const QString& nome, QWidget* parent = nullptr);
    ~Tela() override;

    const QString& nome() const { return m_nome; }

private:
    QString m_nome;
};

} // namespace tarsel
