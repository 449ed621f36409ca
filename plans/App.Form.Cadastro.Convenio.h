#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TLabel;
class TMemo;
class TFormSubCadastroEspecialidadeProfissionalConvenio;
class TFormSubCadastroProfissionalConvenio;
class TFormSubCadastroServicoConvenio;

// "Cadastro de Convênios": lists, filters (segment, specialty, professional), creates, edits and
// removes the agreements. The record tab holds the agreement's own fields, its professionals
// (each with a sub-form of his or her specialties) and its services. Opening an agreement loads
// its professionals, services and specialties in that order and links each specialty to its
// professional; saving posts the agreement with every child as one aggregate.
class TFormCadastroConvenio final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroConvenio(QWidget *AParent = nullptr);

    TLabel *LabelPessoa;
    TEdit *EditPessoa;
    TLabel *LabelDesconto;
    TEdit *EditDesconto;
    TLabel *LabelListaSegmento;
    TEdit *EditListaSegmento;
    TLabel *LabelAnotacoes;
    TMemo *MemoAnotacoes;

    // The filter bar.
    TLabel *LabelFilterListaSegmento;
    TEdit *EditFilterListaSegmento;
    TLabel *LabelFilterEspecialidade;
    TEdit *EditFilterEspecialidade;
    TLabel *LabelFilterProfissional;
    TEdit *EditFilterProfissional;

    // The sub-forms, children of the window.
    TFormSubCadastroEspecialidadeProfissionalConvenio *FormEspecialidade = nullptr;
    TFormSubCadastroProfissionalConvenio *FormProfissional = nullptr;
    TFormSubCadastroServicoConvenio *FormServico = nullptr;

    void afterSave() override;
    void enablePanelFilter() override;
    void fillListFilterControl() override;

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
