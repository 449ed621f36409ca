#include "App.Lib.Presenter.FormPermission.h"

#include "App.Lib.Service.FormPermission.h"
#include "Common.Dto.FormPermission.h"

TFormPermissionPresenter::TFormPermissionPresenter()
    : TBasePresenter(QStringLiteral("TFormPermissionPresenter"))
{ }

std::unique_ptr<TFormPermissionDto>
TFormPermissionPresenter::getFormPermssion(const QString &AFormClass)
{
    return static_cast<TFormPermissionService *>(Service())->getFormPermssion(AFormClass);
}

std::unique_ptr<TBaseEntity> TFormPermissionPresenter::CreateEntity()
{
    return nullptr;
}

std::unique_ptr<TBaseService> TFormPermissionPresenter::CreateService()
{
    return std::make_unique<TFormPermissionService>();
}

ZUNTA_REGISTER_PRESENTER(TFormPermissionPresenter)
