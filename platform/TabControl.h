#pragma once

#include "Control.h"

#include <QWidget>

class QStackedWidget;
class QTabBar;
class TTabControl;

// One page of a tab control; a container that aligns its children.
class TTabItem : public TControl<QWidget>
{
    Q_OBJECT

public:
    // The page joins the tab control at the end.
    explicit TTabItem(TTabControl *tabControl, const QString &name = {});

    QString text() const { return m_text; }
    void setText(const QString &text);
    TTabControl *tabControl() const { return m_tabControl; }
    // Hides or shows the page's tab header (the page itself is shown by making it active).
    bool tabVisible() const { return m_tabVisible; }
    void setTabVisible(bool visible);

private:
    TTabControl *m_tabControl;
    QString m_text;
    bool m_tabVisible = true;
};

enum class TTabPosition { Top, None };

// Pages of which one is shown; the headers may be hidden (the registration windows switch pages
// by code).
class TTabControl : public TControl<QWidget>
{
    Q_OBJECT

public:
    explicit TTabControl(QWidget *parent = nullptr, const QString &name = {});

    TNotifyEvent OnChange; // the active page changed

    int tabCount() const;
    TTabItem *tab(int index) const;
    int tabIndex() const;
    void setTabIndex(int index);
    TTabItem *activeTab() const;
    void setActiveTab(TTabItem *item);
    TTabPosition tabPosition() const { return m_tabPosition; }
    void setTabPosition(TTabPosition position);

private:
    friend class TTabItem;
    void addTab(TTabItem *item);
    void refreshHeader(TTabItem *item);

    QTabBar *m_tabBar;
    QStackedWidget *m_pages;
    TTabPosition m_tabPosition = TTabPosition::Top;
};
