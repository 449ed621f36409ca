#pragma once

#include "App.Base.View.OperacaoContrato.h"

#include <cstdint>

class TDateEdit;
class TEdit;
class TLabel;
class TMemo;

// Changes a closed contract's closing reason and date with a manual occurrence the user must
// write. Opened by the contract window for the contract it shows, hosted in a TFormContainer; it
// closes once the back end accepted the change and stays open with the typed values after a
// refusal, so the user can correct them.
class TFormSubViewContratoAlterarMotivoEncerramento final : public TFormBaseViewOperacaoContrato
{
public:
    explicit TFormSubViewContratoAlterarMotivoEncerramento(QWidget *AParent = nullptr);

    TLabel *LabelMotivo;
    TEdit *EditMotivo;
    TLabel *LabelDataFinal;
    TDateEdit *DateEditDataFinal;
    TLabel *LabelOcorrenciaManual;
    TMemo *MemoOcorrencia;

    void SetIdContrato(std::int64_t AValue) { FIdContrato = AValue; }

    void RectangleGravarClick() override;

protected:
    std::unique_ptr<TBasePresenter> createPresenter() override;
    void fillListControl() override;

private:
    std::int64_t FIdContrato = 0;
};
