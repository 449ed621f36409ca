#pragma once

#include "App.Base.Adapter.h"

class TCheckBox;
class TLabel;

// A list row the user ticks: a selection check box at the right, a description and a line of
// additional information. The window keeps the row's key in the frame's tag text and reads the
// box's state from the frame its ProcCheckBoxClick receives.
class TFrameAdapterCheckBox : public TFrameBaseAdapter
{
    Q_OBJECT

public:
    explicit TFrameAdapterCheckBox(QWidget *AOwner = nullptr, const QString &name = {});

    TCheckBox *CheckBoxSelecionar;
    TLabel *LabelDescricao;
    TLabel *LabelTitleInformacaoAdicional;

    TProcFrame ProcCheckBoxClick;

    // Runs after the click has changed the box's state.
    void CheckBoxSelecionarClick();
};
