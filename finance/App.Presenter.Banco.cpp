#include "App.Presenter.Banco.h"

ZUNTA_REGISTER_PRESENTER(TBancoPresenter)

TBancoPresenter::TBancoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TBancoPresenter"),
                           { { "NOME", 100 }, { "CODIGO", 0, "000" } })
{ }
