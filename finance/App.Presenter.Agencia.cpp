#include "App.Presenter.Agencia.h"

ZUNTA_REGISTER_PRESENTER(TAgenciaPresenter)

TAgenciaPresenter::TAgenciaPresenter()
    : TCadastroPresenterOf(
        QStringLiteral("TAgenciaPresenter"),
        { { "NUMERO", 0, "0000" }, { "DIGITO", 2 }, { "NOME", 100 }, { "BANCO", 100 } })
{ }
