#pragma once

#include "Control.h"

#include <QScrollArea>

// A box that scrolls its content vertically. Controls go into content(), which aligns them
// (row frames top-aligned one under the other) and grows with them.
class TVertScrollBox : public TControl<QScrollArea>
{
    Q_OBJECT

public:
    explicit TVertScrollBox(QWidget *parent = nullptr, const QString &name = {});

    QWidget *content() const { return m_content; }
    // The controls in the content, in the order they were added.
    QList<QWidget *> controls() const;

    // Holds back repainting while many rows are added; calls nest.
    void beginUpdate();
    void endUpdate();
    bool isUpdating() const { return m_updating > 0; }

    int viewportPositionY() const;
    void scrollToTop();

private:
    QWidget *m_content;
    int m_updating = 0;
};
