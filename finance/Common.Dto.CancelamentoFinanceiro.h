#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// A row of the batch cancellations' list.
class TCancelamentoFinanceiroDto final : public TBaseDto
{
    ZUNTA_CLASS(TCancelamentoFinanceiroDto)

    std::int64_t IdTitulo = 0;
    QString Observacao;
};
BOOST_DESCRIBE_STRUCT(TCancelamentoFinanceiroDto, (TBaseDto), (IdTitulo, Observacao))
