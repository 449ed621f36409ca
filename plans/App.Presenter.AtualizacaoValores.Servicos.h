#pragma once

#include "App.Presenter.AtualizacaoValores.h"

// The list of a bulk price update of services.
class TServicosAtualizacaoValoresPresenter final : public TAtualizacaoValoresPresenter
{
public:
    TServicosAtualizacaoValoresPresenter();

protected:
    void fillListDto() override;
    const TClassInfo &RowClass() const override;
};
