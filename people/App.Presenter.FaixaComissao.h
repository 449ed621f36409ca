#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.FaixaComissao.h"
#include "Common.Dto.FaixaComissao.h"
#include "Common.Entity.FaixaComissao.h"

// The commission bands of the time band open in the commission-table window, kept in the window
// until the table is saved.
class TFaixaComissaoPresenter final
    : public TSubCadastroPresenterOf<TFaixaComissaoEntity, TFaixaComissaoDto, TFaixaComissaoService>
{
public:
    TFaixaComissaoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // TIPO_COMISSAO and CODIGO_TIPO_COMISSAO: the chosen type's description and code.
    void afterUpdateInfoRegistroFK() override;
};
