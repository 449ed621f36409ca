#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.PlanoDependenteContrato.h"
#include "Common.Dto.PlanoDependenteContrato.h"
#include "Common.Entity.PlanoDependenteContrato.h"

// The member-plan links of a contract (FilterIdContrato), of one plan of a period
// (FilterIdPlanoPeriodo) or of one member (neither), IdPrincipal naming which. IS_DESATIVADO
// marks a link switched off in the window. Both route flags fall back to false after every
// read, also one that fails, so the owner sets them again before each read.
class TPlanoDependenteContratoPresenter final
    : public TCadastroPresenterOf<TPlanoDependenteContratoEntity,
                                  TPlanoDependenteContratoDto,
                                  TPlanoDependenteContratoService>
{
public:
    TPlanoDependenteContratoPresenter();

    bool FilterIdContrato = false;
    bool FilterIdPlanoPeriodo = false;

protected:
    void loadRows() override;
    void CreateExtraFields() override;
};
