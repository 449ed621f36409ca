#include "TabControl.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

TTabItem::TTabItem(TTabControl *tabControl, const QString &name)
    : TControl<QWidget>(nullptr)
    , m_tabControl(tabControl)
{
    setObjectName(name);
    InstallAlignLayout(this);
    tabControl->addTab(this);
}

void TTabItem::setText(const QString &text)
{
    m_text = text;
    m_tabControl->refreshHeader(this);
}

void TTabItem::setTabVisible(bool visible)
{
    m_tabVisible = visible;
    m_tabControl->refreshHeader(this);
}

TTabControl::TTabControl(QWidget *parent, const QString &name)
    : TControl<QWidget>(parent)
    , m_tabBar(new QTabBar(this))
    , m_pages(new QStackedWidget(this))
{
    setObjectName(name);
    resize(200, 200);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabBar);
    layout->addWidget(m_pages, 1);
    m_tabBar->setDrawBase(false);
    connect(m_tabBar, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0 && index != m_pages->currentIndex())
            setTabIndex(index);
    });
}

int TTabControl::tabCount() const
{
    return m_pages->count();
}

TTabItem *TTabControl::tab(int index) const
{
    return qobject_cast<TTabItem *>(m_pages->widget(index));
}

int TTabControl::tabIndex() const
{
    return m_pages->currentIndex();
}

void TTabControl::setTabIndex(int index)
{
    if (index < 0 || index >= m_pages->count() || index == m_pages->currentIndex())
        return;
    m_pages->setCurrentIndex(index);
    m_tabBar->setCurrentIndex(index);
    RunEvent(OnChange, this);
}

TTabItem *TTabControl::activeTab() const
{
    return tab(tabIndex());
}

void TTabControl::setActiveTab(TTabItem *item)
{
    setTabIndex(m_pages->indexOf(item));
}

void TTabControl::setTabPosition(TTabPosition position)
{
    m_tabPosition = position;
    m_tabBar->setVisible(position != TTabPosition::None);
}

void TTabControl::addTab(TTabItem *item)
{
    m_pages->addWidget(item);
    m_tabBar->addTab(item->text());
}

void TTabControl::refreshHeader(TTabItem *item)
{
    const int index = m_pages->indexOf(item);
    if (index < 0)
        return;
    m_tabBar->setTabText(index, item->text());
    m_tabBar->setTabVisible(index, item->tabVisible());
}
