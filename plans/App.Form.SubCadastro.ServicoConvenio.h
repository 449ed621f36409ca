#pragma once

#include "App.Base.Form.SubCadastro.h"
#include "App.Lib.ItemControl.h"

class TEdit;
class TLabel;

// "Serviços": the services of the agreement being edited. "Valor" only shows the chosen
// service's current value and is never saved.
class TFormSubCadastroServicoConvenio final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroServicoConvenio(QWidget *AParent = nullptr);

    TLabel *LabelServico;
    TEdit *EditServico;
    TLabel *LabelValorServico;
    TEdit *EditValorServico;

    void afterSave() override;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;

private:
    // The service lookup found a service (its value shows) or was cleared (0,00 shows).
    void ProcPesquisaServico(TBaseDto *ARecord, TTypeEventProc AEvent);
    void showValorServico(double AValue);
};
