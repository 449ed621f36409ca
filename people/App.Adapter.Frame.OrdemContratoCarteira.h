#pragma once

#include "App.Base.Adapter.h"

#include <memory>

class TEdit;
class TItemControl;
class TManagerControl;
class TSpeedButton;

// A contract row of the contract-order view: the holder, the order (typed and confirmed with
// Enter, or moved one step with the arrows), the contract number and the address. The view fills
// the texts and hands the row the order presenter's procedures.
class TOrdemContratoCarteiraFrameAdapter final : public TFrameBaseAdapter
{
    Q_OBJECT

public:
    explicit TOrdemContratoCarteiraFrameAdapter(QWidget *AOwner = nullptr,
                                                const QString &name = {});
    ~TOrdemContratoCarteiraFrameAdapter() override;

    TLabel *LabelTitular;
    TLabel *LabelTitleOrdem;
    TEdit *EditOrdem;
    TLabel *LabelTitleNumeroContrato;
    TLabel *LabelNumeroContrato;
    TLabel *LabelTitleEndereco;
    TLabel *LabelEndereco;
    TSpeedButton *SpeedButtonMoveUp;
    TSpeedButton *SpeedButtonMoveDown;

    // The binding of EditOrdem (a whole number) in the row's own control manager; null for any
    // other name.
    TItemControl *FindItemControl(const QString &AComponentName) const;

    // Each setter ignores an empty procedure.
    void SetProcAlterarOrdem(TProcFrame AValue);
    void SetProcMoveUp(TProcFrame AValue);
    void SetProcMoveDown(TProcFrame AValue);
    void SetProcResetOrdem(TProcFrame AValue);

private:
    std::unique_ptr<TManagerControl> m_managerControl;
    TProcFrame FProcAlterarOrdem;
    TProcFrame FProcMoveUp;
    TProcFrame FProcMoveDown;
    TProcFrame FProcResetOrdem;
};
