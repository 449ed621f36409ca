#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TServicoEstoqueDto;

// The stock of the services per company (/servico-estoque), read only.
class TServicoEstoqueService final : public TBaseService
{
public:
    TServicoEstoqueService();

    // One page of the service's stock rows (GET /servico-estoque/<id>); TotalRecords and
    // TotalPages then hold the paging totals. No list for a 304 reply, nor for a page whose
    // "listHelper" holds only a null (the back end's answer for a service without stock).
    std::optional<TObjectList<TServicoEstoqueDto>>
    fillServicoEstoque(std::int64_t AIdServico, int APage, int ALimit);
};
