#include "App.Presenter.Logradouro.h"

ZUNTA_REGISTER_PRESENTER(TLogradouroPresenter)

TLogradouroPresenter::TLogradouroPresenter()
    : TCadastroPresenterOf(QStringLiteral("TLogradouroPresenter"),
                           { { "LOGRADOURO", 100 },
                             { "BAIRRO", 100 },
                             { "MUNICIPIO", 100 },
                             { "UF", 2 },
                             { "CEP", 8 } })
{ }
