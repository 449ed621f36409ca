#pragma once

#include "App.Base.Form.View.h"
#include "Events.h"

#include <QPointer>
#include <QString>

class TRectangle;
class TSimpleButton;
class TVertScrollBox;

// A popup list of buttons shown in the main window's side area: the list of open windows and the
// "Ações" / "Impressões" choices of the registration and view windows. Built with a fluent chain,
// in this order:
//
//     TFormMenuPrint::New()
//         .TitleMenu(QStringLiteral("Ações"))
//         .AddButton(QStringLiteral("Parcelas Selecionadas"), true)
//         .AddButton(QStringLiteral("Bonificação"), onChoice)
//         .SetCloseAfterClick(true)
//         .Execute();
//
// The popup frees itself when it closes (a button's click with SetCloseAfterClick, or its close
// button), once that click has been handled; the docking area and the top panel stay disabled
// while it shows.
class TFormMenuPrint final : public TFormBaseView
{
public:
    // Asks for no permission.
    static TFormMenuPrint &New();
    ~TFormMenuPrint() override;

    // Shown in upper case.
    TFormMenuPrint &TitleMenu(const QString &ATitle);
    // Appends a button under the others: a heading that ignores clicks when AIsTitleButton; given
    // AForm, one that brings that window forward; otherwise one whose click runs AClick with the
    // button as sender (one procedure serves all buttons, which it tells apart by their text).
    TFormMenuPrint &AddButton(const QString &ACaption,
                              TNotifyEvent AClick,
                              bool AIsTitleButton = false,
                              TFormBaseView *AForm = nullptr);
    TFormMenuPrint &AddButton(const QString &ACaption, bool AIsTitleButton);
    // Captioned with the window's title (its LabelTitleForm).
    TFormMenuPrint &AddButton(TFormBaseView *AForm);
    TFormMenuPrint &SetCloseAfterClick(bool Value);
    // Shows the popup in the main window's side area and returns at once.
    TFormMenuPrint &Execute();

    bool IgnorePermission() override { return true; }
    void CloseForm() override;

    // The popup's own parts, inside the view's LayoutControlsForm.
    QPointer<TRectangle> RectangleMenu;
    QPointer<TVertScrollBox> VertScrollBoxButton;

    // The buttons, in the order added.
    QList<TSimpleButton *> Buttons() const;

private:
    friend class TFormBase;
    TFormMenuPrint();

    bool m_closeAfterClick = false;
    bool m_executed = false;
    bool m_closing = false;
};
