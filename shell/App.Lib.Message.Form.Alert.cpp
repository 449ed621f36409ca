#include "App.Lib.Message.Form.Alert.h"

#include "App.Lib.Exception.h"
#include "App.Lib.ImageList.h"
#include "App.Lib.Theme.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"

TFormAlert::TFormAlert(QWidget *AParent)
    : TFormBase(QStringLiteral("TFormAlert"), AParent)
{
    setWindowTitle(QStringLiteral("AVISOS"));
    resize(764, 432);

    // The view skeleton: everything the user sees lies in RectanglePrincipal.
    RectanglePrincipal = new TRectangle(this, QStringLiteral("RectanglePrincipal"));
    RectanglePrincipal->setAlign(TAlignLayout::Client);
    RectanglePrincipal->setRadius(5, 5);
    RectanglePrincipal->setCorners(TCorners(TCorner::TopLeft) | TCorner::TopRight);
    SetPadding(RectanglePrincipal, QMargins(1, 1, 1, 1));
    VertScrollBoxForm = new TVertScrollBox(RectanglePrincipal, QStringLiteral("VertScrollBoxForm"));
    VertScrollBoxForm->setAlign(TAlignLayout::Client);
    LayoutBackground
        = new TLayout(VertScrollBoxForm->content(), QStringLiteral("LayoutBackground"));
    LayoutBackground->setAlign(TAlignLayout::Client);
    RectangleTitle = new TRectangle(LayoutBackground, QStringLiteral("RectangleTitle"));
    RectangleTitle->setAlign(TAlignLayout::Top);
    RectangleTitle->setHeight(35);
    RectangleTitle->setFillColor(TAlphaColors::Gold);
    RectangleTitle->setStrokeColor(TAlphaColors::Null);
    RectangleTitle->setRadius(5, 5);
    RectangleTitle->setCorners(TCorners(TCorner::TopLeft) | TCorner::TopRight);
    LabelTitleForm = new TLabel(RectangleTitle, QStringLiteral("LabelTitleForm"));
    LabelTitleForm->setAlign(TAlignLayout::Contents);
    LabelTitleForm->setHorzAlign(TTextAlign::Center);
    LabelTitleForm->setFontSize(20);
    LabelTitleForm->setFontColor(TAlphaColors::White);
    LabelTitleForm->setText(windowTitle().toUpper());
    SpeedButtonClose = new TSpeedButton(RectangleTitle, QStringLiteral("SpeedButtonClose"));
    SpeedButtonClose->setAlign(TAlignLayout::Right);
    SpeedButtonClose->setSize(44, 35);
    SpeedButtonClose->setStyleLookup(QStringLiteral("stoptoolbutton"));
    SpeedButtonClose->setImages(&TDataModuleImageList::Instance().ImageListPrincipal);
    SpeedButtonClose->setImageIndex(0);
    SpeedButtonClose->OnClick
        = [this](QObject *) { TDravikHandleException::Guard([this] { ExecuteProcCloseForm(); }); };
    LayoutControlsForm = new TLayout(LayoutBackground, QStringLiteral("LayoutControlsForm"));
    LayoutControlsForm->setAlign(TAlignLayout::Client);

    MemoAviso = new TMemo(LayoutControlsForm, QStringLiteral("MemoAviso"));
    MemoAviso->setAlign(TAlignLayout::Client);
    MemoAviso->setMargins(5, 5, 5, 5);
}

TFormAlert::~TFormAlert()
{
    // Content lent to a host comes home first, so that it goes with the window.
    if (LayoutBackground && VertScrollBoxForm
        && LayoutBackground->parentWidget() != VertScrollBoxForm->content())
        SetParentControl(LayoutBackground, VertScrollBoxForm->content());
}

void TFormAlert::ApplyThemeApp()
{
    TFormBase::ApplyThemeApp();
    const TThemeApp &theme = TThemeApp::Instance();
    RectangleTitle->setFillColor(theme.ColorApp().PrimaryColor);
    RectanglePrincipal->setFillColor(theme.ColorApp().BackgroundColor2);
    RectanglePrincipal->setStrokeColor(theme.ColorApp().SecondaryColor);
    RectanglePrincipal->setStrokeThickness(1);
    LabelTitleForm->setTextFont(theme.FontApp().TitleWindow());
    LabelTitleForm->setFontColor(theme.ColorApp().SecondaryColor);
    // The alert's own title colour, over the view's.
    RectangleTitle->setFillColor(theme.ColorApp().MessageInformationColor);
}
