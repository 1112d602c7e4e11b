#pragma once

#include "rails/TelaGradeRail.h"

class QComboBox;
class QPushButton;
class QToolButton;

namespace tarsel {

// The VCore screen: the core supply rails of the phone (rail type 0) in a grid, all of them or those of
// one IC group.
class VCores : public TelaGradeRail {
    Q_OBJECT
public:
    static constexpr int Codigo = 16;

    explicit VCores(ContextoTela& contexto);

    void aoConectar() override;
    // Another screen hands over one IC group ("NAND"): the filter is set, a reading starts when the link
    // allows it, and the group's rows show either way.
    void mostraGrupo(const QString& ic);

    int tipo() const override { return TipoVCore; }

    QPushButton* btExecutaLeitura() const { return m_btExecutaLeitura; }
    QToolButton* Picture1() const { return m_picture1; }
    QComboBox* cbICs() const { return m_cbICs; }

protected:
    ConsultaRail consultaInicial() const override;
    ConsultaRail consultaLeitura() const override;
    ConsultaRail consultaOrdem(Opcao opcao) const override;
    bool podeLer() const override;
    void aoIniciarLeitura() override;
    void aoTerminarLeitura() override;

private:
    QString filtro() const;

    QPushButton* m_btExecutaLeitura = nullptr;
    QToolButton* m_picture1 = nullptr;
    QComboBox* m_cbICs = nullptr;
};

} // namespace tarsel
