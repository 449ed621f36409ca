#include "App.Lib.Presenter.MenuSistema.h"

#include "App.Lib.Service.MenuSistema.h"
#include "Common.Dto.MenuSistema.h"

TMenuSistemaPresenter::TMenuSistemaPresenter()
    : TBasePresenter(QStringLiteral("TMenuSistemaPresenter"))
{ }

std::optional<TObjectList<TMenuSistemaDto>> TMenuSistemaPresenter::getMenuSistema()
{
    return static_cast<TMenuSistemaService *>(Service())->getMenuSistema();
}

std::optional<TObjectList<TMenuSistemaDto>> TMenuSistemaPresenter::getMenuSuperior()
{
    return static_cast<TMenuSistemaService *>(Service())->getMenuSuperior();
}

std::unique_ptr<TBaseEntity> TMenuSistemaPresenter::CreateEntity()
{
    return nullptr;
}

std::unique_ptr<TBaseService> TMenuSistemaPresenter::CreateService()
{
    return std::make_unique<TMenuSistemaService>();
}

ZUNTA_REGISTER_PRESENTER(TMenuSistemaPresenter)
