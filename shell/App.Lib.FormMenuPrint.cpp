#include "App.Lib.FormMenuPrint.h"

#include "App.Lib.Application.h"
#include "App.Lib.Button.h"
#include "Label.h"
#include "Layouts.h"
#include "ScrollBox.h"
#include "Shapes.h"

TFormMenuPrint::TFormMenuPrint()
    : TFormBaseView(QStringLiteral("TFormMenuPrint"))
{
    resize(314, 480);

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
    // A popup that never showed leaves the side area to whatever uses it. The view's destruction
    // takes RectanglePrincipal back, with the buttons in it.
    if (m_executed) {
        ReleasePrincipal();
        TApplicationZunta::GetInstance().DesableLayoutApoio();
    }
}

TFormMenuPrint &TFormMenuPrint::New()
{
    return *TFormBase::Create<TFormMenuPrint>();
}

TFormMenuPrint &TFormMenuPrint::TitleMenu(const QString &ATitle)
{
    LabelTitleForm->setText(ATitle.toUpper());
    return *this;
}

TFormMenuPrint &TFormMenuPrint::AddButton(const QString &ACaption,
                                          TNotifyEvent AClick,
                                          bool AIsTitleButton,
                                          TFormBaseView *AForm)
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

TFormMenuPrint &TFormMenuPrint::AddButton(TFormBaseView *AForm)
{
    if (!AForm)
        return *this;
    return AddButton(AForm->LabelTitleForm->text(), TNotifyEvent(), false, AForm);
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
    TFormBaseView::CloseForm();
    if (m_closing)
        return;
    m_closing = true;
    close();
    // Later: this runs inside the click of one of the popup's own buttons.
    deleteLater();
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
