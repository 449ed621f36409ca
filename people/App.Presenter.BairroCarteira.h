#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.BairroCarteira.h"
#include "Common.Dto.BairroCarteira.h"
#include "Common.Entity.BairroCarteira.h"

#include <cstdint>

// The neighbourhood history of the portfolio being edited, kept in the window until the
// portfolio is saved. The table has no portfolio column: its rows belong to the portfolio in the
// window.
class TBairroCarteiraPresenter final : public TSubCadastroPresenterOf<TBairroCarteiraEntity,
                                                                      TBairroCarteiraDto,
                                                                      TBairroCarteiraService>
{
public:
    TBairroCarteiraPresenter();

    // When not 0, the rows are the neighbourhoods of this collector's portfolios instead of those
    // of the portfolio IdPrincipal. The portfolio window leaves it 0.
    std::int64_t IdColaborador = 0;

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // BAIRRO, MUNICIPIO and UF from the chosen neighbourhood, MOTIVO from the end reason.
    void afterUpdateInfoRegistroFK() override;
};
