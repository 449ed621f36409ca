#pragma once

#include "App.Base.Form.h"

class TLabel;
class TImage;

// The small window shown while the program looks for, and applies, a new build of itself. It
// runs neither the permission check nor the theme of the other windows, and its events leave
// the inactivity timer alone.
class TFormViewUpdateApp final : public TFormBase
{
public:
    explicit TFormViewUpdateApp(QWidget *AParent = nullptr);

    TLabel *LabelInformativo;
    TImage *Image1;

private:
    void FormCreate();
};
