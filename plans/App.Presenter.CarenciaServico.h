#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.CarenciaServico.h"
#include "Common.Dto.CarenciaServico.h"
#include "Common.Entity.CarenciaServico.h"

// The waiting-period rules of the service being edited, at most one per waiting-period type,
// kept in the window until the service is saved.
class TCarenciaServicoPresenter final : public TSubCadastroPresenterOf<TCarenciaServicoEntity,
                                                                       TCarenciaServicoDto,
                                                                       TCarenciaServicoService>
{
public:
    TCarenciaServicoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // A rule of a type another row already holds is refused (compared by the type's text, which
    // the waiting-period lookup leaves as the control's other information).
    void consistItemControlSave(TItemControl *AItemControl, QStringList &AListError) override;
    // CARENCIA and TIPO: the chosen rule's description and type.
    void afterUpdateInfoRegistroFK() override;
};
