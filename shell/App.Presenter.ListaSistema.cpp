#include "App.Presenter.ListaSistema.h"

ZUNTA_REGISTER_PRESENTER(TListaSistemaPresenter)

TListaSistemaPresenter::TListaSistemaPresenter()
    : TCadastroPresenterOf(QStringLiteral("TListaSistemaPresenter"),
                           { { "CODIGO", 20 }, { "DESCRICAO", 100 }, { "TIPO", 50 } })
{ }
