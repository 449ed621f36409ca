#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.FuncaoColaboradorEmpresa.h"
#include "Common.Dto.FuncaoColaboradorEmpresa.h"
#include "Common.Entity.FuncaoColaboradorEmpresa.h"

// The function and salary history of the employment open in the staff window, kept in the
// window until the staff member is saved.
class TFuncaoColaboradorEmpresaPresenter final
    : public TSubCadastroPresenterOf<TFuncaoColaboradorEmpresaEntity,
                                     TFuncaoColaboradorEmpresaDto,
                                     TFuncaoColaboradorEmpresaService>
{
public:
    TFuncaoColaboradorEmpresaPresenter();

protected:
    QString GetFieldsSearch() override;
    // The rows of every employment of the staff member IdPrincipal.
    void loadRows() override;
    // FUNCAO, MOTIVO and TIPO_SALARIO: the texts of the lookups; CODIGO_TIPO_SALARIO: the
    // chosen salary type's code.
    void afterUpdateInfoRegistroFK() override;
};
