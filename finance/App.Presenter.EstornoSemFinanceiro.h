#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.EstornoSemFinanceiro.h"
#include "Common.Dto.EstornoSemFinanceiro.h"
#include "Common.FilterClass.MovimentacaoFinanceira.h"

// The list of bonified or cancelled instalments whose movement can be reversed: paged rows by
// the movement filter. It has no record of its own.
class TEstornoSemFinanceiroPresenter final
    : public TListPresenterOf<TEstornoSemFinanceiroDto,
                              TEstornoSemFinanceiroService,
                              TMovimentacaoFinanceiraFilterClass>
{
public:
    TEstornoSemFinanceiroPresenter();
};
