#pragma once

#include "App.Base.Form.View.h"

#include <memory>

class TCheckBox;
class TDateEdit;
class TEdit;
class TLabel;
class TRectangle;
class TVinculacaoApiFinanceiraPresenter;

// "VINCULAÇÃO DA API FINANCEIRA NO CONTRATO": links the contracts of one collection portfolio to
// a payment-API integration from a start date, with a reason, optionally also every customer the
// API knows without a link. The back end does the work; the view gathers the values, asks and
// sends one request. Opened from a menu by class name.
class TFormViewVinculacaoApiFinanceira final : public TFormBaseView
{
public:
    explicit TFormViewVinculacaoApiFinanceira(QWidget *AParent = nullptr);
    ~TFormViewVinculacaoApiFinanceira() override;

    TRectangle *RectangleDados;
    TLabel *LabelCarteira;
    TEdit *EditCarteira;
    TLabel *LabelIntegracaoApiFinanceira;
    TEdit *EditIntegracaoApiFinanceira;
    TLabel *LabelDataInicial;
    TDateEdit *DateEditDataInicial;
    TCheckBox *CheckBoxVincularClientesCadastrados;
    TLabel *LabelMotivo;
    TEdit *EditMotivo;
    TRectangle *RectangleGravar;
    TLabel *LabelGravar;

    // The save button: the warnings and the question, then the linking as a long action; on
    // success the controls are cleared for the next portfolio, on a refusal they keep their
    // values. No value is required here: the back end refuses what it lacks.
    void RectangleGravarClick();

    void ApplyThemeApp() override;
    void SetFocusedPrincipalComponent() override;

protected:
    void FormCreate() override;

private:
    void fillListControl();

    std::unique_ptr<TVinculacaoApiFinanceiraPresenter> FPresenter;
};
