#include "App.Presenter.ComissaoFuncao.h"
#include "App.Presenter.FaixaParcelaTipoComissao.h"
#include "App.Presenter.ModeloComissao.h"
#include "App.Presenter.TipoComissaoFuncao.h"

#include "support/PresenterContract.h"

INSTANTIATE_TYPED_TEST_SUITE_P(ModeloComissao, PresenterContract, TModeloComissaoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(ComissaoFuncao, PresenterContract, TComissaoFuncaoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(TipoComissaoFuncao, PresenterContract, TTipoComissaoFuncaoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(FaixaParcelaTipoComissao,
                               PresenterContract,
                               TFaixaParcelaTipoComissaoPresenter);
