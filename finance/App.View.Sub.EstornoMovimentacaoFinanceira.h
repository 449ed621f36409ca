#pragma once

#include "App.Base.Form.View.h"

#include <cstdint>

class TDateEdit;
class TEdit;
class TEstornoMovimentacaoFinanceiraPresenter;
class TLabel;
class TMemo;
class TRectangle;

// "Informações para Estorno de Movimentações Financeiras": the date, reason and observation of
// the reversal of one movement. The list window hands it the movement's id and its reversal
// presenter, hosts it in a container and reads IsEstornar once it closed: true only after a
// confirmed Estornar, when the presenter's entity holds the reversal to send. The dialog sends
// nothing itself.
class TFormSubViewEstornoMovimentacaoFinanceira final : public TFormBaseView
{
public:
    explicit TFormSubViewEstornoMovimentacaoFinanceira(QWidget *AParent = nullptr);
    ~TFormSubViewEstornoMovimentacaoFinanceira() override;

    TLabel *LabelData;
    TDateEdit *DateEditData;
    TLabel *LabelMotivo;
    TEdit *EditMotivo;
    TLabel *LabelObservacao;
    TMemo *MemoObservacao;
    TLabel *LabelTitleInformacao;
    TLabel *LabelInformacao;
    TRectangle *RectangleEstornar;
    TLabel *LabelEstornar;

    bool IsEstornar() const { return FIsEstornar; }
    TEstornoMovimentacaoFinanceiraPresenter *Presenter() const { return FPresenter; }
    // Stores the movement and resets IsEstornar.
    void SetIdMovimentacaoFinanceira(std::int64_t AValue);
    // Binds the controls to the presenter (not owned) and clears them to their defaults; the date
    // stays disabled without the first extra permission.
    void SetPresenter(TEstornoMovimentacaoFinanceiraPresenter *AValue);
    void SetInformacao(const QString &AValue);

    void ApplyThemeApp() override;
    void SetFocusedPrincipalComponent() override;
    // Checks the fields, asks, then fills the presenter's entity and closes.
    void RectangleEstornarClick();

private:
    void fillListControl();

    bool FIsEstornar = false;
    std::int64_t FIdMovimentacaoFinanceira = 0;
    TEstornoMovimentacaoFinanceiraPresenter *FPresenter = nullptr;
};
