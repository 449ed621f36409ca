#pragma once

#include "App.Base.Form.SubCadastro.h"
#include "App.Lib.ItemControl.h"

class TEdit;
class TLabel;

// "Serviços do Kit": the members of the kit being edited. "Valor do Serviço" is the member's
// value in the kit and is never saved: it follows the index (base value × index) and typing it
// sets the index (value ÷ base value); only the index is kept in the row.
class TFormSubCadastroItemKitServico final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroItemKitServico(QWidget *AParent = nullptr);

    TLabel *LabelServicoKit;
    TEdit *EditServicoKit;
    TLabel *LabelValor;
    TEdit *EditValor;
    TLabel *LabelIndice;
    TEdit *EditIndice;
    TLabel *LabelListaReligiao;
    TEdit *EditListaReligiao;
    TLabel *LabelListaStatus;
    TEdit *EditListaStatus;

    // The base value of the member chosen now; 0 when none.
    double ValorServico() const { return FValorServico; }

    // A stored row opens with "Valor do Serviço" at its base value × index, so it can be saved
    // again as it is.
    void afterFillForm() override;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;

private:
    // The member lookup found a service (also when a row is opened) or was cleared.
    void ProcPesquisaServico(TBaseDto *ARecord, TTypeEventProc AEvent);
    // The person typed an index: the value follows. Nothing without a member's base value.
    void EditIndiceChangeTracking();
    // The person typed a value: the index follows. Nothing without a member's base value.
    void EditValorChangeTracking();
    // The row open has no id yet.
    bool isNewRow() const;
    void setValueOf(const QString &AControl, double AValue);

    double FValorServico = 0;
};
