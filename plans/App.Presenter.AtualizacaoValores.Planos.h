#pragma once

#include "App.Presenter.AtualizacaoValores.h"

// The list of a bulk price update of plans: each row also carries the plan value's pair and the
// three flags.
class TPlanosAtualizacaoValoresPresenter final : public TAtualizacaoValoresPresenter
{
public:
    TPlanosAtualizacaoValoresPresenter();

protected:
    void CreateExtraFields() override;
    void fillListDto() override;
    const TClassInfo &RowClass() const override;
    void fillRegistroColumns(const TAtualizacaoValoresDto &ARegistro) override;
};
