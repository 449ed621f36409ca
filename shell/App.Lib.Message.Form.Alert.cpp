#include "App.Lib.Message.Form.Alert.h"

#include "App.Lib.Theme.h"
#include "Layouts.h"
#include "Memo.h"
#include "Shapes.h"

TFormAlert::TFormAlert(QWidget *AParent)
    : TFormBaseView(QStringLiteral("TFormAlert"), AParent)
{
    setWindowTitle(QStringLiteral("AVISOS"));
    resize(764, 432);
    RectangleTitle->setFillColor(TAlphaColors::Gold);

    MemoAviso = new TMemo(LayoutControlsForm, QStringLiteral("MemoAviso"));
    MemoAviso->setAlign(TAlignLayout::Client);
    MemoAviso->setMargins(5, 5, 5, 5);
}

void TFormAlert::ApplyThemeApp()
{
    TFormBaseView::ApplyThemeApp();
    RectangleTitle->setFillColor(TThemeApp::Instance().ColorApp().MessageInformationColor);
}
