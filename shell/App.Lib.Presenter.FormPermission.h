#pragma once

#include "App.Base.Presenter.h"

#include <memory>

class TFormPermissionDto;

// Asks the back end what the logged-in user may do in a window; used by every window as it is
// created (TFormBase).
class TFormPermissionPresenter final : public TBasePresenter
{
public:
    TFormPermissionPresenter();

    // See TFormPermissionService::getFormPermssion; the caller owns the result.
    std::unique_ptr<TFormPermissionDto> getFormPermssion(const QString &AFormClass);

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;
};
