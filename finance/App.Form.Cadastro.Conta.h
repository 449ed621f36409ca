#pragma once

#include "App.Base.Form.Cadastro.h"

#include <optional>

class TEdit;
class TLabel;

// "Cadastro de Contas": lists, creates, edits and removes the bank and cash accounts of the
// companies. The account type decides which bank data the account needs (ApplyTipoConta).
// Opened from a menu by class name.
class TFormCadastroConta final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroConta(QWidget *AParent = nullptr);

    TLabel *LabelListaTipoConta;
    TEdit *EditListaTipoConta;
    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelAgencia;
    TEdit *EditAgencia;
    TLabel *LabelNumero;
    TEdit *EditNumero;
    TLabel *LabelDigito;
    TEdit *EditDigito;
    TLabel *LabelOperacao;
    TEdit *EditOperacao;
    TLabel *LabelPessoa;
    TEdit *EditPessoa;
    TLabel *LabelIntegracaoApiFinanceira;
    TEdit *EditIntegracaoApiFinanceira;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;

public:
    // The account-type rule, run after each lookup of the type with the chosen row's code, or
    // with none when the lookup was cleared. The cash type "X" needs no bank data: branch,
    // number, digit and operation stop being required and, with the payment-API integration,
    // are disabled and emptied. Any other type makes the four required and enables the five,
    // keeping their contents. A cleared type enables and empties the five and leaves the
    // required marks as they were.
    void ApplyTipoConta(const std::optional<QString> &ACodigo);
};
