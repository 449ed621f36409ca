#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.EstornoMovimentacaoFinanceira.h"
#include "Common.Entity.EstornoMovimentacaoFinanceira.h"

// The reversal of a cash movement. One presenter serves every reversal of a list window: the
// reversal dialog binds its controls to it and re-creates the entity from them at each
// confirmation. It has no list of its own.
class TEstornoMovimentacaoFinanceiraPresenter final
    : public TCadastroPresenterOf<TEstornoMovimentacaoFinanceiraEntity,
                                  TEstornoMovimentacaoFinanceiraEntity,
                                  TEstornoMovimentacaoFinanceiraService>
{
public:
    TEstornoMovimentacaoFinanceiraPresenter();

    // POSTs the entity to "/complex". A status other than 200 raises the reply's text; the
    // reply is not used. Any thread.
    void PostEstorno();
};
