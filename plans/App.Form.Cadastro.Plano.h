#pragma once

#include "App.Base.Form.Cadastro.h"

class TCheckBox;
class TDateEdit;
class TEdit;
class TLabel;
class TFormSubCadastroAdicionalContratoPlano;
class TFormSubCadastroCarenciaPlano;
class TFormSubCadastroConvenioPlano;
class TFormSubCadastroDependentePlano;
class TFormSubCadastroFaixaEtariaPlano;
class TFormSubCadastroServicoDependentePlano;
class TFormSubCadastroServicoPlano;
class TFormSubCadastroValorPlano;
class TFormSubCadastroVendedorPlano;

// "Cadastro de Planos": lists (optionally only the active plans), creates, edits and removes the
// plans. The record tab holds the plan's own fields and eight child lists: values, dependents
// (each with its extra services), waiting periods, included services, covered age bands,
// contract add-ons, agreements and sellers. Opening a plan loads the child lists in that order,
// the dependents' services last, linked to their dependent rows; saving posts the plan with every
// child as one aggregate.
class TFormCadastroPlano final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroPlano(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelListaTipoPlano;
    TEdit *EditListaTipoPlano;
    TLabel *LabelQuantidadeDependentes;
    TEdit *EditQuantidadeDependentes;
    TLabel *LabelParcelas;
    TEdit *EditParcelas;
    TLabel *LabelPesoClassificacao;
    TEdit *EditPesoClassificacao;
    TLabel *LabelListaFormaCobranca;
    TEdit *EditListaFormaCobranca;
    TLabel *LabelRelatorio;
    TEdit *EditRelatorio;
    TLabel *LabelDataFinal;
    TDateEdit *DateEditDataFinal;
    TLabel *LabelMotivo;
    TEdit *EditMotivo;
    TLabel *LabelListaTipoSequenciaParcelas;
    TEdit *EditListaTipoSequenciaParcelas;

    // The filter bar.
    TCheckBox *CheckBoxFilterSomenteAtivos;

    // The sub-forms, children of the window, in creation order.
    TFormSubCadastroServicoDependentePlano *FormServicoDependentePlano = nullptr;
    TFormSubCadastroCarenciaPlano *FormCarenciaPlano = nullptr;
    TFormSubCadastroDependentePlano *FormDependentePlano = nullptr;
    TFormSubCadastroServicoPlano *FormServicoPlano = nullptr;
    TFormSubCadastroValorPlano *FormValorPlano = nullptr;
    TFormSubCadastroFaixaEtariaPlano *FormFaixaEtariaPlano = nullptr;
    TFormSubCadastroAdicionalContratoPlano *FormAdicionalContratoPlano = nullptr;
    TFormSubCadastroConvenioPlano *FormConvenioPlano = nullptr;
    TFormSubCadastroVendedorPlano *FormVendedorPlano = nullptr;

    void enablePanelFilter() override;
    void fillListFilterControl() override;
    // Shown with the "Convênios" group: a plan without agreements is offered every registered
    // agreement (the first 100) at once, unless a row is being edited there.
    void offerTodosConvenios();

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void changeListMenuGrupo() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void fillTopText() override;
    void afterClearForm() override;
};
