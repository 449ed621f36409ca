#include "App.Presenter.UnidadeFederativa.h"

ZUNTA_REGISTER_PRESENTER(TUnidadeFederativaPresenter)

TUnidadeFederativaPresenter::TUnidadeFederativaPresenter()
    : TCadastroPresenterOf(QStringLiteral("TUnidadeFederativaPresenter"),
                           { { "NOME", 50 }, { "SIGLA", 2 } })
{ }
