#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.CarenciaPlano.h"
#include "Common.Dto.CarenciaPlano.h"
#include "Common.Entity.CarenciaPlano.h"

// The waiting-period rules of the plan being edited, at most one per waiting-period type, kept
// in the window until the plan is saved.
class TCarenciaPlanoPresenter final
    : public TSubCadastroPresenterOf<TCarenciaPlanoEntity, TCarenciaPlanoDto, TCarenciaPlanoService>
{
public:
    TCarenciaPlanoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // A rule of a type another row already holds is refused (compared by the type's text, which
    // the waiting-period lookup leaves as the control's other information).
    void consistItemControlSave(TItemControl *AItemControl, QStringList &AListError) override;
    // CARENCIA and TIPO: the chosen rule's description and type.
    void afterUpdateInfoRegistroFK() override;
};
