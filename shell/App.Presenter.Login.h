#pragma once

#include "App.Base.Presenter.h"

class TEmpresaDto;

// The thin presenter through which the login window logs a user in. No entity.
class TLoginPresenter final : public TBasePresenter
{
public:
    TLoginPresenter();

    // ASenha is the password digest (DigestSenha). Returns the user's companies; the caller owns
    // them. Failures reach the caller unchanged; StatusCode tells a 422 (the password must be
    // changed) from the other refusals, also after a failure.
    TObjectList<TEmpresaDto> Logar(const QString &ALogin, const QString &ASenha);
    int StatusCode() const;

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;
};
