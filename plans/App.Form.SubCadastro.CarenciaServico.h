#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;

// "Carências": the waiting-period rules of the service being edited, one per waiting-period
// type.
class TFormSubCadastroCarenciaServico final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroCarenciaServico(QWidget *AParent = nullptr);

    TLabel *LabelCarencia;
    TEdit *EditCarencia;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
