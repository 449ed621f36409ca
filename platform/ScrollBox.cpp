#include "ScrollBox.h"

#include <QScrollBar>

#include <utility>

TVertScrollBox::TVertScrollBox(QWidget *parent, const QString &name)
    : TControl<QScrollArea>(parent)
{
    setObjectName(name);
    resize(200, 200);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    viewport()->setAutoFillBackground(false);
    m_content = new QWidget;
    m_content->setObjectName(name.isEmpty() ? QStringLiteral("Content")
                                            : name + QStringLiteral("Content"));
    m_content->setAutoFillBackground(false);
    InstallAlignLayout(m_content, TAlignedLayout::Mode::ScrollContent);
    setWidget(m_content);
}

QList<QWidget *> TVertScrollBox::controls() const
{
    if (m_pendingControls)
        std::exchange(m_pendingControls, nullptr)();
    QList<QWidget *> result;
    for (QObject *child : m_content->children()) {
        if (child->isWidgetType() && !static_cast<QWidget *>(child)->isWindow())
            result.append(static_cast<QWidget *>(child));
    }
    return result;
}

void TVertScrollBox::beginUpdate()
{
    if (m_updating++ == 0)
        m_content->setUpdatesEnabled(false);
}

void TVertScrollBox::endUpdate()
{
    if (m_updating == 0)
        return;
    if (--m_updating == 0) {
        m_content->setUpdatesEnabled(true);
        Realign(m_content);
        m_content->update();
    }
}

int TVertScrollBox::viewportPositionY() const
{
    return verticalScrollBar()->value();
}

void TVertScrollBox::scrollToTop()
{
    verticalScrollBar()->setValue(0);
}
