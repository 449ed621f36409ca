#include "App.Presenter.PlanoContas.h"

ZUNTA_REGISTER_PRESENTER(TPlanoContasPresenter)

TPlanoContasPresenter::TPlanoContasPresenter()
    : TCadastroPresenterOf(QStringLiteral("TPlanoContasPresenter"),
                           { { "CODIGO", 20 },
                             { "DESCRICAO", 100 },
                             { "TIPO_PLANO_CONTAS", 100 },
                             { "CODIGO_TIPO_PLANO_CONTAS", 10 } })
{ }
