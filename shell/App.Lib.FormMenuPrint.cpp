#include "App.Lib.FormMenuPrint.h"

#include "App.Lib.Application.h"
#include "App.Lib.Button.h"
#include "App.Lib.Exception.h"
#include "App.Lib.ImageList.h"
#include "App.Lib.Theme.h"
#include "Label.h"
#include "Layouts.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"

namespace {

// The title a window shows in its title strip: its caption in upper case.
QString viewTitle(const TFormBase &AForm)
{
    return AForm.windowTitle().toUpper();
}

} // namespace

TFormMenuPrint::TFormMenuPrint()
    : TFormBase(QStringLiteral("TFormMenuPrint"))
{
    resize(314, 480);

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
    RectangleTitle->setStrokeColor(TAlphaColors::Null);
    RectangleTitle->setRadius(5, 5);
    RectangleTitle->setCorners(TCorners(TCorner::TopLeft) | TCorner::TopRight);
    LabelTitleForm = new TLabel(RectangleTitle, QStringLiteral("LabelTitleForm"));
    LabelTitleForm->setAlign(TAlignLayout::Contents);
    LabelTitleForm->setHorzAlign(TTextAlign::Center);
    LabelTitleForm->setFontSize(20);
    LabelTitleForm->setFontColor(TAlphaColors::White);
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

    RectangleMenu = new TRectangle(LayoutControlsForm, QStringLiteral("RectangleMenu"));
    RectangleMenu->setAlign(TAlignLayout::Client);
    RectangleMenu->setFillColor(0xFFBEB9B9);
    RectangleMenu->setStrokeColor(TAlphaColors::Null);
    VertScrollBoxButton = new TVertScrollBox(RectangleMenu, QStringLiteral("VertScrollBoxButton"));
    VertScrollBoxButton->setAlign(TAlignLayout::Client);
    SetPadding(VertScrollBoxButton->content(), QMargins(2, 0, 2, 2));
}

TFormMenuPrint::~TFormMenuPrint()
{
    // The content comes home first, so that it and the buttons go with the popup.
    if (LayoutBackground && VertScrollBoxForm
        && LayoutBackground->parentWidget() != VertScrollBoxForm->content())
        SetParentControl(LayoutBackground, VertScrollBoxForm->content());
    if (RectanglePrincipal && RectanglePrincipal->parentWidget() != this)
        RectanglePrincipal->setParent(this);
    // A popup that never showed leaves the side area to whatever uses it.
    if (m_executed)
        TApplicationZunta::GetInstance().DesableLayoutApoio();
}

TFormMenuPrint &TFormMenuPrint::New()
{
    return *TFormBase::Create<TFormMenuPrint>();
}

TFormMenuPrint &TFormMenuPrint::TitleMenu(const QString &ATitle)
{
    if (LabelTitleForm)
        LabelTitleForm->setText(ATitle.toUpper());
    return *this;
}

TFormMenuPrint &TFormMenuPrint::AddButton(const QString &ACaption,
                                          TNotifyEvent AClick,
                                          bool AIsTitleButton,
                                          TFormBase *AForm)
{
    if (!VertScrollBoxButton)
        return *this;
    auto *button = new TSimpleButton(AIsTitleButton, VertScrollBoxButton->content());
    if (AForm) {
        button->SetFormClassName(AForm->ClassName());
        button->SetOnClick(
            [](QObject *Sender) { TApplicationZunta::GetInstance().OpenForm(Sender); });
    } else {
        button->SetOnClick(std::move(AClick));
    }
    button->SetText(ACaption);
    button->SetOnAfterClick([this](QObject *) {
        if (m_closeAfterClick)
            CloseForm();
    });
    return *this;
}

TFormMenuPrint &TFormMenuPrint::AddButton(const QString &ACaption, bool AIsTitleButton)
{
    return AddButton(ACaption, TNotifyEvent(), AIsTitleButton);
}

TFormMenuPrint &TFormMenuPrint::AddButton(TFormBase *AForm)
{
    if (!AForm)
        return *this;
    return AddButton(viewTitle(*AForm), TNotifyEvent(), false, AForm);
}

TFormMenuPrint &TFormMenuPrint::SetCloseAfterClick(bool Value)
{
    m_closeAfterClick = Value;
    return *this;
}

TFormMenuPrint &TFormMenuPrint::Execute()
{
    if (!RectanglePrincipal)
        return *this;
    m_executed = true;
    RectanglePrincipal->setVisible(true);
    TApplicationZunta::GetInstance().EnableLayoutApoio(RectanglePrincipal);
    return *this;
}

void TFormMenuPrint::CloseForm()
{
    TFormBase::CloseForm();
    if (m_closing)
        return;
    m_closing = true;
    close();
    // Later: this runs inside the click of one of the popup's own buttons.
    deleteLater();
}

void TFormMenuPrint::ApplyThemeApp()
{
    TFormBase::ApplyThemeApp();
    const TThemeApp &theme = TThemeApp::Instance();
    RectangleTitle->setFillColor(theme.ColorApp().PrimaryColor);
    RectanglePrincipal->setFillColor(theme.ColorApp().BackgroundColor2);
    RectanglePrincipal->setStrokeColor(theme.ColorApp().SecondaryColor);
    RectanglePrincipal->setStrokeThickness(1);
    LabelTitleForm->setTextFont(theme.FontApp().TitleWindow());
    LabelTitleForm->setFontColor(theme.ColorApp().SecondaryColor);
}

QList<TSimpleButton *> TFormMenuPrint::Buttons() const
{
    QList<TSimpleButton *> result;
    if (!VertScrollBoxButton)
        return result;
    for (QWidget *control : VertScrollBoxButton->controls()) {
        if (auto *button
            = control->findChild<TSimpleButton *>(QString(), Qt::FindDirectChildrenOnly))
            result.append(button);
    }
    return result;
}
