#pragma once

#include "AlphaColor.h"
#include "Control.h"

#include <QPointer>
#include <QWidget>

// The side menu in drawer mode: a panel that slides over the left of its parent when shown
// (showMaster) and hides again when asked or when the user clicks beside it. Controls placed in
// it are aligned like in any container.
class TMultiView : public TControl<QWidget>
{
    Q_OBJECT

public:
    explicit TMultiView(QWidget *parent, const QString &name = {});
    ~TMultiView() override;

    // Runs after the menu was hidden.
    TNotifyEvent OnHidden;
    // What opened the menu; the opener sets and clears it.
    QPointer<QObject> TagObject;

    void showMaster();
    void hideMaster();
    bool isShowed() const { return m_showed; }
    int masterWidth() const { return m_masterWidth; }
    void setMasterWidth(int width);
    TAlphaColor fillColor() const { return m_fillColor; }
    void setFillColor(TAlphaColor color);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void placeOverParent();

    // A sibling, not a child: raising the menu may put it before the menu among the parent's
    // children, and then the parent frees it first.
    QPointer<QWidget> m_overlay;
    int m_masterWidth = 250;
    TAlphaColor m_fillColor = 0xFFF0F0F0;
    bool m_showed = false;
};
