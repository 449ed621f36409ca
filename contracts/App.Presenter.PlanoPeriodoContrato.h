#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.PlanoPeriodoContrato.h"
#include "Common.Dto.PlanoPeriodoContrato.h"
#include "Common.Entity.PlanoPeriodoContrato.h"

#include <cstdint>

// The plans of the contract's validity periods, read per contract (IdPrincipal) and kept in the
// table under their period row until the contract is saved. A plan written from its window takes
// its name and values from the plan lookup; the signature picture has requests of its own.
class TPlanoPeriodoContratoPresenter final
    : public TSubCadastroPresenterOf<TPlanoPeriodoContratoEntity,
                                     TPlanoPeriodoContratoDto,
                                     TPlanoPeriodoContratoService>
{
public:
    TPlanoPeriodoContratoPresenter();

    // Set by the plan window when a plan is chosen.
    bool IsPlanoSeguradora = false;
    // Set by the contract window; not owned.
    TBaseSubCadastroPresenter *PeriodoContratoPresenter = nullptr;
    TBaseSubCadastroPresenter *DependenteContratoPresenter = nullptr;

    // The id of the reason "FINAL DE CONTRATO": the first reason the search finds; 0 (no
    // reason) when it finds none, answers 304 or fails, and the failure is not shown.
    std::int64_t findIdMotivoFinalContrato();

    QString GetBase64Assinatura(std::int64_t AId) { return service().GetBase64Assinatura(AId); }
    bool PostAssinatura(std::int64_t AId, const QString &APictureText)
    {
        return service().PostAssinatura(AId, APictureText);
    }
    bool DeleteAssinatura(std::int64_t AId) { return service().DeleteAssinatura(AId); }

protected:
    void loadRows() override;
    QString GetFieldsSearch() override;
    void afterUpdateInfoRegistroFK() override;
};
