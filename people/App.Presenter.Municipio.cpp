#include "App.Presenter.Municipio.h"

ZUNTA_REGISTER_PRESENTER(TMunicipioPresenter)

TMunicipioPresenter::TMunicipioPresenter()
    : TCadastroPresenterOf(QStringLiteral("TMunicipioPresenter"), { { "NOME", 100 }, { "UF", 2 } })
{ }
