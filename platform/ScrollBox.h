#pragma once

#include "Control.h"

#include <QScrollArea>

#include <functional>

// A box that scrolls its content vertically. Controls go into content(), which aligns them
// (row frames top-aligned one under the other) and grows with them.
class TVertScrollBox : public TControl<QScrollArea>
{
    Q_OBJECT

public:
    explicit TVertScrollBox(QWidget *parent = nullptr, const QString &name = {});

    QWidget *content() const { return m_content; }
    // The controls in the content, in the order they were added. Controls still pending are
    // built first.
    QList<QWidget *> controls() const;
    // Controls not built yet (the rows of a long list out of sight): whoever asks for all the
    // controls gets them built first. The builder runs once; an empty one drops it.
    void setPendingControls(std::function<void()> build) { m_pendingControls = std::move(build); }
    bool hasPendingControls() const { return bool(m_pendingControls); }

    // Holds back repainting while many rows are added; calls nest.
    void beginUpdate();
    void endUpdate();
    bool isUpdating() const { return m_updating > 0; }

    int viewportPositionY() const;
    void scrollToTop();

private:
    QWidget *m_content;
    mutable std::function<void()> m_pendingControls;
    int m_updating = 0;
};
