#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ServicoDependente.h"
#include "Common.Dto.ServicoDependente.h"
#include "Common.Entity.ServicoDependente.h"

// The members' additional services of the contract (IdPrincipal), each row under its member row
// (ID_REGISTRO_FK), kept in the table until the contract is saved. VALOR holds the service's base
// price; the amount is VALOR × INDICE and only the index is sent.
class TServicoDependentePresenter final
    : public TSubCadastroPresenterOf<TServicoDependenteEntity,
                                     TServicoDependenteDto,
                                     TServicoDependenteService>
{
public:
    TServicoDependentePresenter();

protected:
    void loadRows() override;
    QString GetFieldsSearch() override;
    void afterUpdateInfoRegistroFK() override;
};
