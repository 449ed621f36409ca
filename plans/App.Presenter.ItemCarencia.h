#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ItemCarencia.h"
#include "Common.Dto.ItemCarencia.h"
#include "Common.Entity.ItemCarencia.h"

// The items of a waiting-period rule in the rule window: read per rule (IdPrincipal), edited in
// the item table and saved with the rule's aggregate. A row shows its kinship's description,
// taken from the kinship lookup's text when the row is saved.
class TItemCarenciaPresenter final
    : public TSubCadastroPresenterOf<TItemCarenciaEntity, TItemCarenciaDto, TItemCarenciaService>
{
public:
    TItemCarenciaPresenter();

protected:
    void loadRows() override;
    void CreateExtraFields() override;
    QString GetFieldsSearch() override;
    void afterUpdateInfoRegistroFK() override;
};
