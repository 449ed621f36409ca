#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ItemKitServico.h"
#include "Common.Dto.ItemKitServico.h"
#include "Common.Entity.ItemKitServico.h"

// The members of the kit being edited, each member at most once, kept in the window until the
// service is saved.
class TItemKitServicoPresenter final : public TSubCadastroPresenterOf<TItemKitServicoEntity,
                                                                      TItemKitServicoDto,
                                                                      TItemKitServicoService>
{
public:
    TItemKitServicoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // A member service another row already holds is refused, named by its description.
    void consistItemControlSave(TItemControl *AItemControl, QStringList &AListError) override;
    // SERVICO, RELIGIAO and STATUS: the texts of their lookups; VALOR_BASE_SERVICO: the chosen
    // member's value, which the service lookup leaves after the ";" of its other information,
    // so the row shows the member's value at once and opens again with it.
    void afterUpdateInfoRegistroFK() override;
};
