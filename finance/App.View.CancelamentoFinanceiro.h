#pragma once

#include "App.Base.Form.View.h"
#include "App.Interf.View.Contrato.h"

#include <cstdint>
#include <memory>

class TCancelamentoFinanceiroPresenter;
class TEdit;
class TLabel;
class TMemo;
class TRectangle;

// "CANCELAMENTO DE FINANCEIRO": cancels in one batch the instalments of a competence period,
// optionally of one contract or one portfolio, with an observation. Opened from the menu by class
// name (docked), or modally for one contract by the contract window and by the receipt screen
// (which restricts it to open instalments); hosted modally, it closes itself after a successful
// batch. "Gerar" needs the Movimentar permission.
class TFormViewCancelamentoFinanceiro final : public TFormBaseView, public IViewContrato
{
public:
    explicit TFormViewCancelamentoFinanceiro(QWidget *AParent = nullptr);
    ~TFormViewCancelamentoFinanceiro() override;

    TRectangle *Rectangle1;
    TLabel *LabelCompetenciaInicial;
    TEdit *EditCompetenciaInicial;
    TLabel *LabelCompetenciaFinal;
    TEdit *EditCompetenciaFinal;
    TLabel *LabelContrato;
    TEdit *EditContrato;
    TLabel *LabelCarteira;
    TEdit *EditCarteira;
    TLabel *LabelObservacao;
    TMemo *MemoObservacao;
    TRectangle *RectangleGerar;
    TLabel *LabelGerar;

    void ExecuteAndDisableControl(std::int64_t AIdContrato) override;
    void SetIsViewModal(bool AValue) override { FIsViewModal = AValue; }
    // The batch touches only open instalments (the receipt screen's removal by period).
    void SetIsSomenteParcelasAbertas(bool AValue) { FIsSomenteParcelasAbertas = AValue; }

    // Checks the competences, warns about what the batch does, asks, then posts the batch on a
    // worker behind the wait overlay.
    void RectangleGerarClick();

    void ApplyThemeApp() override;
    void SetFocusedPrincipalComponent() override;

    TCancelamentoFinanceiroPresenter &Presenter() const { return *FPresenter; }

protected:
    void FormCreate() override;

private:
    void fillListControl();

    std::unique_ptr<TCancelamentoFinanceiroPresenter> FPresenter;
    bool FCloseForm = false;
    bool FIsViewModal = false;
    bool FIsSomenteParcelasAbertas = false;
};
