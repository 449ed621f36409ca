#include "App.Presenter.Login.h"

#include "App.Lib.Service.Login.h"
#include "Common.Dto.Empresa.h"

TLoginPresenter::TLoginPresenter()
    : TBasePresenter(QStringLiteral("TLoginPresenter"))
{ }

TObjectList<TEmpresaDto> TLoginPresenter::Logar(const QString &ALogin, const QString &ASenha)
{
    return static_cast<TLoginService *>(Service())->Logar(ALogin, ASenha);
}

int TLoginPresenter::StatusCode() const
{
    return Service()->StatusCode();
}

std::unique_ptr<TBaseEntity> TLoginPresenter::CreateEntity()
{
    return nullptr;
}

std::unique_ptr<TBaseService> TLoginPresenter::CreateService()
{
    return std::make_unique<TLoginService>();
}

ZUNTA_REGISTER_PRESENTER(TLoginPresenter)
