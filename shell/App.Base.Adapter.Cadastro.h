#pragma once

#include "App.Base.Adapter.h"

class TSpeedButton;

// The row of a registration list: view, remove and edit buttons at the right. A button whose
// procedure is unset does nothing; remove asks first.
class TFrameBaseAdapterCadastro : public TFrameBaseAdapter
{
    Q_OBJECT

public:
    explicit TFrameBaseAdapterCadastro(QWidget *AOwner = nullptr, const QString &name = {});

    TSpeedButton *SpeedButtonEdit;
    TSpeedButton *SpeedButtonRemove;
    TSpeedButton *SpeedButtonView;

    TProcFrame ProcRemove;
    TProcFrame ProcEdit;
    TProcFrame ProcView;

    void SpeedButtonEditClick();
    // Asks "QUESTION:Remover registro?" when ProcRemove is set and runs it unless the answer is no.
    // A row that asks more, or recomputes something afterwards, overrides it around this one.
    virtual void SpeedButtonRemoveClick();
    void SpeedButtonViewClick();
};
