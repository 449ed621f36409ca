#pragma once

#include "App.Base.Form.View.h"

#include <QPointer>

class TMemo;

// Shows a long warning text under the title "AVISOS". The caller creates it, puts the text into
// MemoAviso, hosts its content modally and frees it afterwards. Asks for no permission. Created
// through TFormBase::Create<TFormAlert>().
class TFormAlert final : public TFormBaseView
{
public:
    explicit TFormAlert(QWidget *AParent = nullptr);

    bool IgnorePermission() override { return true; }
    // The view's theme, then the title strip in the theme's information colour.
    void ApplyThemeApp() override;

    // The text.
    QPointer<TMemo> MemoAviso;
};
