#pragma once

#include "App.Base.Form.SubCadastro.h"
#include "App.Lib.ItemControl.h"

class QGroupBox;
class TEdit;
class TLabel;

// The contract's credit-card subscriptions at the payment API. The subscription's code and the
// card token come from the back end and are never typed; the office chooses the status and,
// while the API holds no token for the card, types the card. A card the API tokenised cannot be
// typed again.
class TFormSubCadastroAssinaturaContratoIntegracao final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroAssinaturaContratoIntegracao(QWidget *AParent = nullptr);

    TLabel *LabelListaStatusGeral;
    TEdit *EditListaStatusGeral;
    TLabel *LabelCodigoAssinaturaIntegracao;
    TEdit *EditCodigoAssinaturaIntegracao;
    TLabel *LabelTokenCartaoCredito;
    TEdit *EditTokenCartaoCredito;
    QGroupBox *GroupBoxCartaoCredito;
    TLabel *LabelNumeroCartao;
    TEdit *EditNumeroCartao;
    TLabel *LabelNomeImpressoCartao;
    TEdit *EditNomeImpressoCartao;
    TLabel *LabelCodigoSegurancaCartao;
    TEdit *EditCodigoSegurancaCartao;
    TLabel *LabelMesExpiracaoCartao;
    TEdit *EditMesExpiracaoCartao;
    TLabel *LabelAnoExpiracaoCartao;
    TEdit *EditAnoExpiracaoCartao;

    // A status other than the active one ("A", in any case) warns that the open instalments go.
    void ProcPesquisaStatusGeral(TBaseDto *ARecord, TTypeEventProc AEvent);

    void afterFillForm() override;
    void afterSave() override;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;

private:
    // The card edits are disabled, and stay so, while the token holds more than blanks.
    void bloquearCartao();
};
