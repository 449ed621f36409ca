#include "App.Lib.FormContainer.h"

#include "App.Base.Form.View.h"
#include "App.Lib.Application.h"
#include "App.Lib.Utils.h"

#include "Align.h"
#include "Control.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>
#include <QWheelEvent>

namespace {

// The layers lying over a window, the last shown on top.
QList<QPointer<TFormContainer>> &layers()
{
    static QList<QPointer<TFormContainer>> list;
    return list;
}

// While a layer lies over a window, input to the controls beneath it goes nowhere: the pointer
// cannot reach them anyway, but the keyboard focus may still be there.
class TLayerInputBlocker final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            break;
        default:
            return false;
        }
        if (!watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        const TFormContainer *top = nullptr;
        const auto &list = layers();
        for (auto layer = list.crbegin(); layer != list.crend(); ++layer) {
            if (*layer && (*layer)->window() == widget->window()) {
                top = *layer;
                break;
            }
        }
        if (!top || top == widget || top->isAncestorOf(widget))
            return false;
        // Taken as handled, so that no shortcut of the window beneath fires either.
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();
        return true;
    }
};

std::unique_ptr<TLayerInputBlocker> &blocker()
{
    static std::unique_ptr<TLayerInputBlocker> instance;
    return instance;
}

void addLayer(TFormContainer *layer)
{
    layers().append(layer);
    if (!blocker() && QCoreApplication::instance()) {
        blocker() = std::make_unique<TLayerInputBlocker>();
        QCoreApplication::instance()->installEventFilter(blocker().get());
    }
}

void removeLayer(TFormContainer *layer)
{
    layers().removeAll(layer);
    layers().removeAll(nullptr);
    if (layers().isEmpty() && blocker()) {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeEventFilter(blocker().get());
        blocker().reset();
    }
}

QRect workArea()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return QRect(0, 0, 640, 480);
}

} // namespace

std::unique_ptr<TFormContainer> TFormContainer::New()
{
    std::unique_ptr<TFormContainer> container(new TFormContainer());
    container->FormCreate();
    return container;
}

TFormContainer::TFormContainer()
    : TFormBase(QStringLiteral("TFormContainer"))
{
    setWindowTitle(QString());
    setFocusPolicy(Qt::StrongFocus);
    InstallAlignLayout(this);

    RectanglePrincipal = new TRectangle(this, QStringLiteral("RectanglePrincipal"));
    RectanglePrincipal->setAlign(TAlignLayout::Contents);
    RectanglePrincipal->setFillColor(TAlphaColors::Black);
    RectanglePrincipal->setOpacity(0.7);
    RectanglePrincipal->setStrokeColor(TAlphaColors::Null);

    RectangleContainter = new TRectangle(this, QStringLiteral("RectangleContainter"));
    RectangleContainter->setAlign(TAlignLayout::Client);
    RectangleContainter->setMargins(20, 50, 20, 40);
    RectangleContainter->setRadius(5, 5);
    RectangleContainter->setCorners(TCorners(TCorner::TopLeft) | TCorner::TopRight);
    RectangleContainter->setStrokeColor(TAlphaColors::Null);
}

TFormContainer::~TFormContainer()
{
    if (m_hosting)
        giveViewBack();
    hideLayer();
}

void TFormContainer::FormCreate()
{
    // The work area is in device-independent units already: the screen scale only shifts the
    // window by one unit, as the main window is.
    const QRect area = workArea();
    const int left = TAppUtils::GetScreenScale() > 1.0 ? -1 : 0;
    setGeometry(area.x() + left, area.y(), area.width(), area.height());
    m_modifyBackgroundApoio = true;
}

TFormContainer &TFormContainer::SetFormView(TFormBaseView *Value, bool AIsMaximize)
{
    m_formView = Value;
    m_isMaximize = AIsMaximize;
    return *this;
}

TFormContainer &TFormContainer::SetModifyBackgroundApoio(bool Value)
{
    m_modifyBackgroundApoio = Value;
    return *this;
}

TFormContainer &TFormContainer::Execute()
{
    TFormBaseView *view = m_formView;
    if (!view || !view->LayoutBackground) {
        RectangleContainter->setVisible(false);
        showLayer();
        return *this;
    }
    ProcCloseForm = [this] { CloseForm(); };
    m_oldExecuteClose = view->ProcCloseForm;
    m_visibleButtonClose = view->SpeedButtonClose->Visible();
    view->ProcCloseForm = ProcCloseForm;
    // Only the sub-registration windows have it.
    m_buttonMaximizar = view->findChild<QWidget *>(QStringLiteral("SpeedButtonMaximizar"));
    if (m_buttonMaximizar)
        m_buttonMaximizar->setVisible(false);
    view->SpeedButtonClose->setVisible(true);
    view->SpeedButtonClose->setEnabled(true);
    if (!m_isMaximize && view->RectanglePrincipal) {
        Realign(view);
        RectangleContainter->setAlign(TAlignLayout::Center);
        RectangleContainter->setSize(view->RectanglePrincipal->width(),
                                     view->RectanglePrincipal->height());
    }
    TApplicationZunta &application = TApplicationZunta::GetInstance();
    if (m_modifyBackgroundApoio && application.LayoutApoio) {
        m_layoutApoio = application.LayoutApoio;
        m_parentApoio = m_layoutApoio->parentWidget();
        SetParentControl(m_layoutApoio, this);
    }
    m_oldBackground = view->LayoutBackground->parentWidget();
    SetParentControl(view->LayoutBackground, RectangleContainter);
    m_hosting = true;

    showLayer();
    QEventLoop loop;
    m_loop = &loop;
    if (m_hosting)
        loop.exec();
    m_loop = nullptr;
    return *this;
}

void TFormContainer::CloseForm()
{
    if (m_hosting)
        giveViewBack();
    hideLayer();
    if (m_loop)
        m_loop->quit();
}

void TFormContainer::giveViewBack()
{
    m_hosting = false;
    if (m_layoutApoio && m_parentApoio)
        SetParentControl(m_layoutApoio, m_parentApoio);
    m_layoutApoio = nullptr;
    if (TFormBaseView *view = m_formView) {
        view->ProcCloseForm = m_oldExecuteClose;
        if (view->LayoutBackground && m_oldBackground)
            SetParentControl(view->LayoutBackground, m_oldBackground);
        view->SpeedButtonClose->setVisible(m_visibleButtonClose);
        view->SpeedButtonClose->setEnabled(m_visibleButtonClose);
    }
    if (m_buttonMaximizar)
        m_buttonMaximizar->setVisible(true);
}

void TFormContainer::showLayer()
{
    TApplicationZunta &application = TApplicationZunta::GetInstance();
    QWidget *host = application.FormPrincipal;
    if (host && host->isVisible()) {
        // A layer over the main window: dimmed by painting, no translucent window needed.
        m_host = host;
        setParent(host);
        setGeometry(host->rect());
        host->installEventFilter(this);
        addLayer(this);
    } else {
        // No main window on screen: a window of its own over the work area, which keeps the
        // user off the other windows whether or not Execute waits.
        m_host = nullptr;
        setWindowModality(Qt::ApplicationModal);
    }
    RealignAll(this);
    m_showing = true;
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void TFormContainer::hideLayer()
{
    if (!m_showing)
        return;
    m_showing = false;
    hide();
    removeLayer(this);
    if (m_host) {
        m_host->removeEventFilter(this);
        // Off the main window again: the caller frees the container.
        setParent(nullptr);
        m_host = nullptr;
    }
}

bool TFormContainer::eventFilter(QObject *AWatched, QEvent *AEvent)
{
    if (AWatched == m_host && AEvent->type() == QEvent::Resize)
        setGeometry(m_host->rect());
    return TFormBase::eventFilter(AWatched, AEvent);
}

void TFormContainer::forwardToView(QEvent *AEvent)
{
    // The hosted view's own key, wheel and show handlers run as if the view were on screen.
    if (m_hosting && m_formView)
        QCoreApplication::sendEvent(m_formView.data(), AEvent);
}

void TFormContainer::keyPressEvent(QKeyEvent *AEvent)
{
    TFormBase::keyPressEvent(AEvent);
    forwardToView(AEvent);
}

void TFormContainer::keyReleaseEvent(QKeyEvent *AEvent)
{
    TFormBase::keyReleaseEvent(AEvent);
    forwardToView(AEvent);
}

void TFormContainer::wheelEvent(QWheelEvent *AEvent)
{
    TFormBase::wheelEvent(AEvent);
    forwardToView(AEvent);
}

void TFormContainer::showEvent(QShowEvent *AEvent)
{
    TFormBase::showEvent(AEvent);
    forwardToView(AEvent);
}
