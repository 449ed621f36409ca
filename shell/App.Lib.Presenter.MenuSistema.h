#pragma once

#include "App.Base.Presenter.h"

#include <optional>

class TMenuSistemaDto;

// Hands the back end's menu rows to the main window and the top-menu names to the
// permission-profile window. No entity: it only reads.
class TMenuSistemaPresenter final : public TBasePresenter
{
public:
    TMenuSistemaPresenter();

    // See TMenuSistemaService; failures reach the caller unchanged. The caller owns the rows.
    std::optional<TObjectList<TMenuSistemaDto>> getMenuSistema();
    std::optional<TObjectList<TMenuSistemaDto>> getMenuSuperior();

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;
};
