#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TLabel;

// "Plano de Contas": lists, creates, edits and removes the chart-of-accounts entries, each typed
// from the system list "TIPO_PLANO_CONTAS". Opened from a menu by class name.
class TFormCadastroPlanoContas final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroPlanoContas(QWidget *AParent = nullptr);

    TLabel *LabelCodigo;
    TEdit *EditCodigo;
    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelListaTipoPlanoContas;
    TEdit *EditListaTipoPlanoContas;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
