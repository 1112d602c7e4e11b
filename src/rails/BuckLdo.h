#pragma once

#include "rails/TelaGradeRail.h"

class QPushButton;

namespace tarsel {

// The Buck and LDO screen: the BUCK or the LDO rails of the phone in a grid with their readings,
// references, deviations and recordings.
class BuckLdo : public TelaGradeRail {
    Q_OBJECT
public:
    static constexpr int Codigo = 15;

    explicit BuckLdo(ContextoTela& contexto);

    QPushButton* Botao1() const { return m_botao1; }
    QPushButton* Botao2() const { return m_botao2; }
    QPushButton* Botao3() const { return m_botao3; }
    // 1 BUCK, 2 LDO.
    int escolha() const { return m_escolha; }
    int tipo() const override { return m_escolha == 1 ? TipoBUCK : TipoLDO; }

protected:
    ConsultaRail consultaInicial() const override;
    ConsultaRail consultaLeitura() const override;
    ConsultaRail consultaOrdem(Opcao opcao) const override;
    void aoIniciarLeitura() override;
    void aoTerminarLeitura() override;

private:
    void escolheTipo(int escolha);
    void abreBuckTeste();
    bool temBuckTeste() const;

    int m_escolha = 1;
    QPushButton* m_botao1 = nullptr;
    QPushButton* m_botao2 = nullptr;
    QPushButton* m_botao3 = nullptr;
};

} // namespace tarsel
