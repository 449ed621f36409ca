#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.BeneficiarioDependenteContrato.h"
#include "Common.Dto.BeneficiarioDependenteContrato.h"
#include "Common.Entity.BeneficiarioDependenteContrato.h"

// The beneficiaries of the contract's members, read per contract (IdPrincipal) and kept in the
// table under their member row until the contract is saved. The shares of one member are not
// compared with each other.
class TBeneficiarioDependenteContratoPresenter final
    : public TSubCadastroPresenterOf<TBeneficiarioDependenteContratoEntity,
                                     TBeneficiarioDependenteContratoDto,
                                     TBeneficiarioDependenteContratoService>
{
public:
    TBeneficiarioDependenteContratoPresenter();

protected:
    void loadRows() override;
    QString GetFieldsSearch() override;
    void afterUpdateInfoRegistroFK() override;
};
