#include "App.Presenter.Servico.h"

#include "support/PresenterContract.h"

INSTANTIATE_TYPED_TEST_SUITE_P(Servico, PresenterContract, TServicoPresenter);
