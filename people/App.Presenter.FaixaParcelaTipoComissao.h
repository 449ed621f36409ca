#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.FaixaParcelaTipoComissao.h"
#include "Common.Dto.FaixaParcelaTipoComissao.h"
#include "Common.Entity.FaixaParcelaTipoComissao.h"

// The instalment bands of the commission type open in the commission-model window, kept in the
// window until the model is saved.
class TFaixaParcelaTipoComissaoPresenter final
    : public TSubCadastroPresenterOf<TFaixaParcelaTipoComissaoEntity,
                                     TFaixaParcelaTipoComissaoDto,
                                     TFaixaParcelaTipoComissaoService>
{
public:
    TFaixaParcelaTipoComissaoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // COMISSAO: the commission table's description; FORMA_RECEBIMENTO and
    // CODIGO_FORMA_RECEBIMENTO: the receipt method's description and code.
    void afterUpdateInfoRegistroFK() override;
};
