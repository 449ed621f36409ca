#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;

// "Carências do Plano": the waiting-period rules of the plan being edited, at most one per type.
class TFormSubCadastroCarenciaPlano final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroCarenciaPlano(QWidget *AParent = nullptr);

    TLabel *LabelCarencia;
    TEdit *EditCarencia;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
