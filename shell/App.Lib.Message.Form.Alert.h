#pragma once

#include "App.Base.Form.h"

#include <QPointer>

class TLabel;
class TLayout;
class TMemo;
class TRectangle;
class TSpeedButton;
class TVertScrollBox;

// Shows a long warning text under the title "AVISOS". The caller creates it, puts the text into
// MemoAviso, hosts its content modally and frees it afterwards. Asks for no permission. Created
// through TFormBase::Create<TFormAlert>().
class TFormAlert final : public TFormBase
{
public:
    explicit TFormAlert(QWidget *AParent = nullptr);
    ~TFormAlert() override;

    bool IgnorePermission() override { return true; }
    void ApplyThemeApp() override;

    // The view skeleton.
    QPointer<TRectangle> RectanglePrincipal;
    QPointer<TVertScrollBox> VertScrollBoxForm;
    QPointer<TLayout> LayoutBackground;
    QPointer<TRectangle> RectangleTitle;
    QPointer<TLabel> LabelTitleForm;
    QPointer<TSpeedButton> SpeedButtonClose;
    QPointer<TLayout> LayoutControlsForm;
    // The text.
    QPointer<TMemo> MemoAviso;
};
