#include "App.Presenter.EstornoMovimentacaoFinanceira.h"

ZUNTA_REGISTER_PRESENTER(TEstornoMovimentacaoFinanceiraPresenter)

TEstornoMovimentacaoFinanceiraPresenter::TEstornoMovimentacaoFinanceiraPresenter()
    : TCadastroPresenterOf(QStringLiteral("TEstornoMovimentacaoFinanceiraPresenter"), {})
{ }

void TEstornoMovimentacaoFinanceiraPresenter::PostEstorno()
{
    entity()->Id = 0;
    service().postComplex(*entity());
}
