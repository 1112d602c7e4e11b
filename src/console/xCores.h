#pragma once

#include "console/AlvoCores.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tarsel {

// The console's colour window: four frames of the same 48 swatches (answer background and text,
// comparator background and text). A click previews the swatch on the console at once; "Salvar" stores
// the four colours the console shows, "Restaurar" puts back and stores the defaults.
class xCores : public QWidget {
    Q_OBJECT
public:
    static constexpr int Amostras = 48;

    explicit xCores(AlvoCores& alvo, QWidget* parent = nullptr);

    // The frame the pointer is over (the target of a click).
    AlvoCor alvoAtual() const { return m_alvo; }
    void defineAlvo(AlvoCor alvo) { m_alvo = alvo; }
    // A click on swatch `indice` (0..191, 48 per frame in the frames' order).
    void clicaCor(int indice);
    void Salvar();
    void Restaurar();

    QLabel* Cor(int indice) const { return m_cor[size_t(indice)]; }
    QPushButton* btSalvar() const { return m_btSalvar; }
    QPushButton* btRestaurar() const { return m_btRestaurar; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void grava();

    AlvoCores& m_alvoCores;
    AlvoCor m_alvo = AlvoCor::FundoConsole;
    std::array<QGroupBox*, 4> m_frames{};
    std::array<QLabel*, 4 * Amostras> m_cor{};
    QPushButton* m_btSalvar = nullptr;
    QPushButton* m_btRestaurar = nullptr;
};

} // namespace tarsel
