#pragma once

#include "App.Base.Presenter.Cadastro.h"

#include <cstdint>

// The presenter of the users' registration; also the one the password-change window reaches
// (by the name "TUsuarioPresenter.ModifyPassword", see ModificarSenha).
class TUsuarioPresenter final : public TBaseCadastroPresenter
{
public:
    TUsuarioPresenter();

    // ASenha is already the digest (DigestSenha); failures reach the caller unchanged.
    void ModifyPassword(std::int64_t AIdUsuario, const QString &ASenha);

    // A page of users (TUsuarioDto rows) into the list table: the users' window and the user
    // lookup list them.
    void findByFilterToDataSet() override;

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;
    void CreateFieldsDataSet() override;
};
