#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ConvenioPlano.h"
#include "Common.Dto.ConvenioPlano.h"
#include "Common.Entity.ConvenioPlano.h"

// The agreements linked to the plan being edited, kept in the window until the plan is saved.
class TConvenioPlanoPresenter final
    : public TSubCadastroPresenterOf<TConvenioPlanoEntity, TConvenioPlanoDto, TConvenioPlanoService>
{
public:
    TConvenioPlanoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // CONVENIO, DESCONTO_CONVENIO and SEGMENTO: the chosen agreement's name, discount and
    // segment.
    void afterUpdateInfoRegistroFK() override;
};
