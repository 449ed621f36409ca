#include "App.Presenter.Especialidade.h"

ZUNTA_REGISTER_PRESENTER(TEspecialidadePresenter)

TEspecialidadePresenter::TEspecialidadePresenter()
    : TCadastroPresenterOf(QStringLiteral("TEspecialidadePresenter"), { { "DESCRICAO", 200 } })
{ }
