#pragma once

#include "App.Base.Adapter.h"

class TLabel;
class TSpeedButton;

// The row of a search window: the row's text and a select button.
class TFrameBaseAdapterPesquisa : public TFrameBaseAdapter
{
    Q_OBJECT

public:
    explicit TFrameBaseAdapterPesquisa(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
    TSpeedButton *SpeedButtonSelect;

    TProcFrame ProcSelect;

    void SpeedButtonSelectClick();
};
