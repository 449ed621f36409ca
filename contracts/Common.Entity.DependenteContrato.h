#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A member of a contract (the holder or a dependant): the person, the kinship, when they joined
// and, once they leave, when and why. The system-list ids are 64-bit like every other id.
class TDependenteContratoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TDependenteContratoEntity)

    std::int64_t IdContrato = 0;
    std::int64_t IdPessoa = 0;
    std::int64_t ListaParentesco = 0;
    std::int64_t ListaBaixaContrato = 0;
    TDateTime DataFiliacao;
    TDateTime DataBaixa;
    std::int64_t ListaMotivoBaixa = 0;
    std::int64_t IdNumeroSorteio = 0;
    bool IsEnviaEmail = false;
    bool IsPoliticamenteExposto = false;
    TDateTime DataInclusaoTitular;
    TDateTime DataValidadeCartao;
};
BOOST_DESCRIBE_STRUCT(TDependenteContratoEntity,
                      (TBaseEntity),
                      (IdContrato,
                       IdPessoa,
                       ListaParentesco,
                       ListaBaixaContrato,
                       DataFiliacao,
                       DataBaixa,
                       ListaMotivoBaixa,
                       IdNumeroSorteio,
                       IsEnviaEmail,
                       IsPoliticamenteExposto,
                       DataInclusaoTitular,
                       DataValidadeCartao))
