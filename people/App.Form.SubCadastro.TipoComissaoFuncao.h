#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TFormSubCadastroFaixaParcelaTipoComissao;
class TLabel;

// "Tipo de Comissão Função": the commission types of the function open in the commission-model
// window, each four classifications from their system lists, with its instalment bands in a
// sub-form of its own.
class TFormSubCadastroTipoComissaoFuncao final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroTipoComissaoFuncao(QWidget *AParent = nullptr);

    TLabel *LabelListaTipoComissao;
    TEdit *EditListaTipoComissao;
    TLabel *LabelListaCategoriaRealizacao;
    TEdit *EditListaCategoriaRealizacao;
    TLabel *LabelListaOrigemCalculoComissao;
    TEdit *EditListaOrigemCalculoComissao;
    TLabel *LabelListaBaseComissao;
    TEdit *EditListaBaseComissao;

    // The instalment bands of the open type, a child of this window.
    TFormSubCadastroFaixaParcelaTipoComissao *FormFaixaParcelaTipoComissao = nullptr;

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void changeListMenuGrupo() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void fillTopText() override;
    void afterFormCreate() override;
};
