#include "MultiView.h"

#include <QEvent>
#include <QPainter>

namespace {

// Covers the rest of the parent while the menu is open, so that a click beside the menu hides it.
class TMultiViewOverlay final : public QWidget
{
public:
    TMultiViewOverlay(QWidget *parent, TMultiView *menu)
        : QWidget(parent)
        , m_menu(menu)
    {
        setObjectName(QStringLiteral("qt_multiview_overlay"));
    }

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        RunGuarded([this] { m_menu->hideMaster(); });
    }

private:
    TMultiView *m_menu;
};

} // namespace

TMultiView::TMultiView(QWidget *parent, const QString &name)
    : TControl<QWidget>(parent)
    , m_overlay(new TMultiViewOverlay(parent, this))
{
    setObjectName(name);
    InstallAlignLayout(this);
    m_overlay->hide();
    hide();
    if (parent)
        parent->installEventFilter(this);
}

TMultiView::~TMultiView()
{
    delete m_overlay.data();
}

void TMultiView::showMaster()
{
    placeOverParent();
    m_showed = true;
    if (m_overlay) {
        m_overlay->show();
        m_overlay->raise();
    }
    show();
    raise();
    Realign(this);
}

void TMultiView::hideMaster()
{
    if (!m_showed)
        return;
    m_showed = false;
    hide();
    if (m_overlay)
        m_overlay->hide();
    RunEvent(OnHidden, this);
}

void TMultiView::setMasterWidth(int width)
{
    m_masterWidth = width;
    placeOverParent();
}

void TMultiView::setFillColor(TAlphaColor color)
{
    m_fillColor = color;
    update();
}

void TMultiView::placeOverParent()
{
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    setGeometry(0, 0, m_masterWidth, parent->height());
    if (m_overlay)
        m_overlay->setGeometry(parent->rect());
}

bool TMultiView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        placeOverParent();
    return false;
}

void TMultiView::paintEvent(QPaintEvent *)
{
    if (m_fillColor == TAlphaColors::Null)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_fillColor));
}
