#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;

// "CONVÊNIOS": the agreements linked to the plan being edited.
class TFormSubCadastroConvenioPlano final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroConvenioPlano(QWidget *AParent = nullptr);

    TLabel *LabelConvenio;
    TEdit *EditConvenio;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
