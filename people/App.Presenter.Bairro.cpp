#include "App.Presenter.Bairro.h"

ZUNTA_REGISTER_PRESENTER(TBairroPresenter)

TBairroPresenter::TBairroPresenter()
    : TCadastroPresenterOf(QStringLiteral("TBairroPresenter"),
                           { { "BAIRRO", 100 }, { "MUNICIPIO", 100 }, { "UF", 2 } })
{ }
