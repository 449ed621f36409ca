#pragma once

#include "Common.Base.Dto.h"

// The totals of a whole movement selection, as the back end counts them: the settled
// movements, and the exits and entries of balance transfers.
class TTotalizadorMovimentacaoFinanceiraDto final : public TBaseDto
{
    ZUNTA_CLASS(TTotalizadorMovimentacaoFinanceiraDto)

    double TotalSaidas = 0;
    double TotalBaixados = 0;
    double TotalEntradas = 0;
};
BOOST_DESCRIBE_STRUCT(TTotalizadorMovimentacaoFinanceiraDto,
                      (TBaseDto),
                      (TotalSaidas, TotalBaixados, TotalEntradas))
