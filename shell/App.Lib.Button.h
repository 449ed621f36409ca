#pragma once

#include "AlphaColor.h"
#include "Events.h"
#include "Label.h"
#include "Layouts.h"
#include "Shapes.h"

#include <QObject>
#include <QPointer>
#include <QString>

// A button of a popup list or a list of choices: a coloured strip with a text, a checked state
// and three click events. A title button only shows a caption: it takes no clicks, has no pointer
// effect and is never checked.
//
// Not a control itself: it builds its controls and places them under the parent it is given. The
// button object belongs to its outer layout, so it goes with the control it was placed in (a list
// that frees its controls frees its buttons). Freeing the object alone leaves the controls.
class TSimpleButton final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString FormClassName READ FormClassName WRITE SetFormClassName)

public:
    // Placed under AParent at once when one is given.
    explicit TSimpleButton(bool AIsTitleButton = false, QWidget *AParent = nullptr);
    ~TSimpleButton() override;

    int Order = 0;

    QWidget *Parent() const;
    void SetParent(QWidget *AParent);
    QString Text() const;
    void SetText(const QString &AText);
    const QString &FormClassName() const { return m_formClassName; }
    void SetFormClassName(const QString &AValue) { m_formClassName = AValue; }
    bool IsTitleButton() const { return m_isTitleButton; }

    bool IsChecked() const { return m_isChecked; }
    // Nothing on a title button.
    void SetIsChecked(bool AValue);

    // A click runs OnBeforeClick, checks the button exactly when OnBeforeClick is set, then runs
    // OnClick and OnAfterClick, each with the button as sender. A list of choices gives all its
    // buttons one OnBeforeClick that unchecks the chosen one. On a title button the setters of
    // OnClick and OnBeforeClick do nothing.
    const TNotifyEvent &OnClick() const { return m_onClick; }
    void SetOnClick(TNotifyEvent AValue);
    const TNotifyEvent &OnBeforeClick() const { return m_onBeforeClick; }
    void SetOnBeforeClick(TNotifyEvent AValue);
    const TNotifyEvent &OnAfterClick() const { return m_onAfterClick; }
    void SetOnAfterClick(TNotifyEvent AValue) { m_onAfterClick = std::move(AValue); }

    // The parts, for tests.
    TLayout *Layout() const { return m_layout.data(); }
    TRectangle *Rectangle() const { return m_rectangle.data(); }
    TLabel *Label() const { return m_label.data(); }

private:
    void click();
    void pointerEnter();
    void pointerLeave();

    TNotifyEvent m_onClick;
    TNotifyEvent m_onBeforeClick;
    TNotifyEvent m_onAfterClick;
    QPointer<TLayout> m_layout;
    QPointer<TRectangle> m_rectangle;
    QPointer<TLayout> m_layoutLeftRectangleSelect;
    QPointer<TLabel> m_label;
    QString m_formClassName;
    bool m_isChecked = false;
    TAlphaColor m_currentColor;
    TAlphaColor m_colorChecked;
    TAlphaColor m_colorSelect;
    TAlphaColor m_colorBackground;
    bool m_isTitleButton;
};
