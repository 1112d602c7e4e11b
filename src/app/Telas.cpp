#include "app/Telas.h"

#include "app/Inicial.h"
#include "app/Sobre.h"
#include "base/Globais.h"
#include "chips/Acorn.h"
#include "chips/Chestnut.h"
#include "chips/Tigris.h"
#include "chips/Tristar.h"
#include "console/EditorDados.h"
#include "console/Master.h"
#include "console/fmHelp.h"
#include "devicetests/Adicionais.h"
#include "devicetests/Bateria.h"
#include "devicetests/Codec.h"
#include "devicetests/Displays.h"
#include "devicetests/IC.h"
#include "devicetests/Nand.h"
#include "devicetests/I2C.h"
#include "devicetests/RFs.h"
#include "devicetests/RFs_Esq.h"
#include "rails/BuckLdo.h"
#include "rails/BuckTeste.h"
#include "rails/PMU.h"
#include "rails/VCores.h"

namespace tarsel {

void InstalaTelas(Inicial& principal) {
    principal.registraTela<Master>(NomeTela::Master, Botao::Comandos);
    principal.registraTela<fmHelp>(NomeTela::fmHelp);
    principal.registraTela<VCores>(NomeTela::VCores, Botao::VCore);
    principal.registraTela<BuckLdo>(NomeTela::BuckLdo, Botao::BuckLdo);
    principal.registraTela<PMU>(NomeTela::PMU, Botao::PMU, EntradaMenu::PMU);
    principal.registraTela<BuckTeste>(NomeTela::BuckTeste, Botao::Nenhum, EntradaMenu::BuckTeste);
    principal.registraTela<Tigris>(NomeTela::Tigris);
    principal.registraTela<Tristar>(NomeTela::Tristar);
    principal.registraTela<Chestnut>(NomeTela::Chestnut, Botao::Nenhum, EntradaMenu::ChestnutAcorn,
                                     QStringLiteral("Chestnut"));
    principal.registraTela<Acorn>(NomeTela::Acorn, Botao::Nenhum, EntradaMenu::ChestnutAcorn);
    principal.registraTela<Sobre>(NomeTela::Sobre, Botao::Sobre);
    principal.registraTela<EditorDados>(NomeTela::EditorDados);
    principal.registraTela<Bateria>(NomeTela::Bateria);
    principal.registraTela<Codec>(NomeTela::Codec);
    principal.registraTela<Adicionais>(NomeTela::Outros, Botao::Adicionais);
    principal.registraTela<IC>(NomeTela::IC, Botao::IC);
    principal.registraTela<Displays>(NomeTela::Displays, Botao::Display);
    principal.registraTela<Nand>(NomeTela::Nand, Botao::Nand);
    principal.registraTela<I2C>(NomeTela::I2C, Botao::I2C);
    principal.registraTela<RFs>(NomeTela::RFs, Botao::RF);
    principal.registraTela<RFs_Esq>(NomeTela::RFs_Esq, Botao::Nenhum, EntradaMenu::ValoresRF);
}

} // namespace tarsel
