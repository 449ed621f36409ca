#include "App.Presenter.Usuario.h"

#include "App.Lib.ForcaSenha.h"

ZUNTA_REGISTER_PRESENTER(TUsuarioPresenter)

namespace {
const TClassRegistration modifyPasswordRegistration(
    QStringLiteral("TUsuarioPresenter.ModifyPassword"),
    TModifyPasswordProc([](std::int64_t AIdUsuario, const QString &ASenha) {
        TBasePresenter::Create<TUsuarioPresenter>()->ModifyPassword(AIdUsuario, ASenha);
    }));
} // namespace

TUsuarioPresenter::TUsuarioPresenter()
    : TCadastroPresenterOf(QStringLiteral("TUsuarioPresenter"),
                           { { "NOME", 100 }, { "LOGIN", 50 }, { "EMAIL", 100 } })
{ }

void TUsuarioPresenter::ModifyPassword(std::int64_t AIdUsuario, const QString &ASenha)
{
    service().ModifyPassword(AIdUsuario, ASenha);
}
