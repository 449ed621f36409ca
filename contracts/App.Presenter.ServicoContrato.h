#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ServicoContrato.h"
#include "Common.Dto.ServicoContrato.h"
#include "Common.Entity.ServicoContrato.h"

#include <cstdint>

// The contract's additional services, read per contract (IdPrincipal) and kept in the table until
// the contract is saved. VALOR holds the service's base price; a row's amount is VALOR × INDICE.
// Rows that came from a plan's add-ons carry ID_PLANO and ID_ADICIONAL_CONTRATO_PLANO.
class TServicoContratoPresenter final
    : public TSubCadastroPresenterOf<TServicoContratoEntity,
                                     TServicoContratoDto,
                                     TServicoContratoService>
{
public:
    TServicoContratoPresenter();

    // Appends the add-ons of the plan as new rows (today, first due date in 30 days), unless the
    // plan is 0 or already has a row. An add-on whose service is already in the table, or whose
    // end has passed, is skipped. A failure reading the add-ons propagates; rows appended before
    // it stay.
    void adicionarServicosContrato(std::int64_t AIdPlano);
    // Removes every row of the plan through Delete (a saved row's id goes to the remove list);
    // hand-entered rows and rows of other plans stay. Plan 0 changes nothing.
    void excluirServicosComPlanoVinculado(std::int64_t AIdPlano);

protected:
    void loadRows() override;
    QString GetFieldsSearch() override;
    void afterUpdateInfoRegistroFK() override;
};
