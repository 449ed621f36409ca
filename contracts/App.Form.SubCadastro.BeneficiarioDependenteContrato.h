#pragma once

#include "App.Base.Form.SubCadastro.h"

class TDateEdit;
class TEdit;
class TLabel;

// "Beneficiários do Segurado": the beneficiaries of the member open in the contract window, each
// with a kinship, a share in percent (four decimals, not checked against the other shares) and
// a period; saved with the contract.
class TFormSubCadastroBeneficiarioDependenteContrato final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroBeneficiarioDependenteContrato(QWidget *AParent = nullptr);

    TLabel *LabelPessoa;
    TEdit *EditPessoa;
    TLabel *LabelListaParentesco;
    TEdit *EditListaParentesco;
    TLabel *LabelPercentualParticipacao;
    TEdit *EditPercentualParticipacao;
    TLabel *LabelDataInicial;
    TDateEdit *DateEditDataInicial;
    TLabel *LabelDataFinal;
    TDateEdit *DateEditDataFinal;
    TLabel *LabelListaMotivo;
    TEdit *EditListaMotivo;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
