#include "App.Presenter.Comissao.h"
#include "App.Presenter.FaixaComissao.h"
#include "App.Presenter.FaixaHorarioComissao.h"

#include "support/PresenterContract.h"

INSTANTIATE_TYPED_TEST_SUITE_P(Comissao, PresenterContract, TComissaoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(FaixaHorarioComissao,
                               PresenterContract,
                               TFaixaHorarioComissaoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(FaixaComissao, PresenterContract, TFaixaComissaoPresenter);
