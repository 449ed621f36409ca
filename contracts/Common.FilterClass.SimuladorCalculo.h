#pragma once

#include "Common.Base.FilterClass.h"
#include "Common.Dto.DependenteContrato.h"
#include "Common.Dto.ServicoContrato.h"
#include "Common.Dto.ServicoDependente.h"

#include <cstdint>
#include <memory>

// What the back end prices: a contract, optionally with the plan, members and services to price
// in place of the stored ones. The lists exist from the start, so an empty one is sent as
// {"listHelper":[]}.
class TSimuladorCalculoFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TSimuladorCalculoFilterClass)

    std::unique_ptr<TObjectList<TServicoDependenteDto>> ListServicoDependente
        = std::make_unique<TObjectList<TServicoDependenteDto>>();
    std::unique_ptr<TObjectList<TServicoContratoDto>> ListServicoContrato
        = std::make_unique<TObjectList<TServicoContratoDto>>();
    std::unique_ptr<TObjectList<TDependenteContratoDto>> ListDependenteContrato
        = std::make_unique<TObjectList<TDependenteContratoDto>>();
    std::int64_t IdContrato = 0;
    std::int64_t IdPlano = 0;
    TDateTime DataContrato;
    TDateTime DataBaseCalculo;
    bool IsBaixaReprocessamento = false;
    bool VerificarPlanoDependente = false;
};
BOOST_DESCRIBE_STRUCT(TSimuladorCalculoFilterClass,
                      (TBaseFilterClass),
                      (ListServicoDependente,
                       ListServicoContrato,
                       ListDependenteContrato,
                       IdContrato,
                       IdPlano,
                       DataContrato,
                       DataBaseCalculo,
                       IsBaixaReprocessamento,
                       VerificarPlanoDependente))
