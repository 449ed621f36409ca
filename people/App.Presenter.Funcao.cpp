#include "App.Presenter.Funcao.h"

ZUNTA_REGISTER_PRESENTER(TFuncaoPresenter)

TFuncaoPresenter::TFuncaoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TFuncaoPresenter"), { { "DESCRICAO", 100 } })
{ }
