#pragma once

#include "Common.Entity.Contrato.h"
#include "Common.ComplexPost.AssinaturaContratoIntegracao.h"
#include "Common.ComplexPost.DependenteContrato.h"
#include "Common.ComplexPost.PeriodoContrato.h"
#include "Common.ComplexPost.PlanoDependenteContrato.h"
#include "Common.Entity.Contato.h"
#include "Common.Entity.Endereco.h"
#include "Common.Entity.PessoaIntegracaoApi.h"
#include "Common.Entity.ServicoContrato.h"

#include <memory>

// The aggregate body of a contract saved with everything under it (POST /contrato/complex): its
// members, validity periods, services, the holder's addresses, contacts and payment-API links, card
// subscriptions and member-plan links, new and stored alike, with the ids of stored children
// removed in the window and the contacts whose web password the back end resets. The seventeen
// lists exist from the start, so an empty one is sent as {"listHelper":[]}.
class TContratoComplexPost final : public TContratoEntity
{
    ZUNTA_CLASS(TContratoComplexPost)

    bool IsAtualizaValoresContrato = false;
    bool IsAtualizaDataFinalDependentes = false;
    TDateTime DataFinalAtualizada;
    QString OcorrenciaManual;
    bool IsAlteracaoFinanceiroCarteira = false;
    std::unique_ptr<TObjectList<TDependenteContratoComplexPost>> DependenteContratos
        = std::make_unique<TObjectList<TDependenteContratoComplexPost>>();
    std::unique_ptr<TListInt64> RemoveDependenteContratos = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TPeriodoContratoComplexPost>> PeriodoContratos
        = std::make_unique<TObjectList<TPeriodoContratoComplexPost>>();
    std::unique_ptr<TListInt64> RemovePeriodoContratos = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TServicoContratoEntity>> ServicoContratos
        = std::make_unique<TObjectList<TServicoContratoEntity>>();
    std::unique_ptr<TListInt64> RemoveServicoContratos = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TEnderecoEntity>> Enderecos
        = std::make_unique<TObjectList<TEnderecoEntity>>();
    std::unique_ptr<TListInt64> RemoveEnderecos = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TContatoEntity>> Contatos
        = std::make_unique<TObjectList<TContatoEntity>>();
    std::unique_ptr<TListInt64> RemoveContatos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemovePessoaIntegracaoApis = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TPessoaIntegracaoApiEntity>> PessoaIntegracaoApis
        = std::make_unique<TObjectList<TPessoaIntegracaoApiEntity>>();
    std::unique_ptr<TObjectList<TAssinaturaContratoIntegracaoComplexPost>>
        AssinaturaContratoIntegracaos
        = std::make_unique<TObjectList<TAssinaturaContratoIntegracaoComplexPost>>();
    std::unique_ptr<TListInt64> RemoveAssinaturaContratoIntegracaos
        = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TPlanoDependenteContratoComplexPost>> PlanoDependenteContratos
        = std::make_unique<TObjectList<TPlanoDependenteContratoComplexPost>>();
    std::unique_ptr<TListInt64> RemovePlanoDependenteContratos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> ResetarSenhaWebContatos = std::make_unique<TListInt64>();

    // Empties the lists; child objects are freed. A list a reply left null is created again,
    // so the next save still sends it.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TContratoComplexPost,
                      (TContratoEntity),
                      (IsAtualizaValoresContrato,
                       IsAtualizaDataFinalDependentes,
                       DataFinalAtualizada,
                       OcorrenciaManual,
                       IsAlteracaoFinanceiroCarteira,
                       DependenteContratos,
                       RemoveDependenteContratos,
                       PeriodoContratos,
                       RemovePeriodoContratos,
                       ServicoContratos,
                       RemoveServicoContratos,
                       Enderecos,
                       RemoveEnderecos,
                       Contatos,
                       RemoveContatos,
                       RemovePessoaIntegracaoApis,
                       PessoaIntegracaoApis,
                       AssinaturaContratoIntegracaos,
                       RemoveAssinaturaContratoIntegracaos,
                       PlanoDependenteContratos,
                       RemovePlanoDependenteContratos,
                       ResetarSenhaWebContatos))
