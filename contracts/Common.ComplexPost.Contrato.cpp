#include "Common.ComplexPost.Contrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TContratoComplexPost)

void TContratoComplexPost::AfterClear()
{
    TContratoEntity::AfterClear();
    EmptyList(DependenteContratos);
    EmptyList(RemoveDependenteContratos);
    EmptyList(PeriodoContratos);
    EmptyList(RemovePeriodoContratos);
    EmptyList(ServicoContratos);
    EmptyList(RemoveServicoContratos);
    EmptyList(Enderecos);
    EmptyList(RemoveEnderecos);
    EmptyList(Contatos);
    EmptyList(RemoveContatos);
    EmptyList(RemovePessoaIntegracaoApis);
    EmptyList(PessoaIntegracaoApis);
    EmptyList(AssinaturaContratoIntegracaos);
    EmptyList(RemoveAssinaturaContratoIntegracaos);
    EmptyList(PlanoDependenteContratos);
    EmptyList(RemovePlanoDependenteContratos);
    EmptyList(ResetarSenhaWebContatos);
}
