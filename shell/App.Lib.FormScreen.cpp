#include "App.Lib.FormScreen.h"

#include "App.Lib.Utils.h"

#include <QFont>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QScreen>

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace {

TModalRunner &modalRunner()
{
    static TModalRunner runner;
    return runner;
}

// Ends the local loop once the window is hidden, closed or freed.
class TModalWatcher final : public QObject
{
public:
    TModalWatcher(QWidget *AForm, QEventLoop *ALoop)
        : m_loop(ALoop)
    {
        AForm->installEventFilter(this);
        connect(AForm, &QObject::destroyed, ALoop, &QEventLoop::quit);
    }

protected:
    bool eventFilter(QObject *, QEvent *AEvent) override
    {
        if (AEvent->type() == QEvent::Hide)
            m_loop->quit();
        return false;
    }

private:
    QEventLoop *m_loop;
};

void runModal(QWidget *AForm)
{
    QPointer<QWidget> form = AForm;
    const Qt::WindowModality modality = AForm->windowModality();
    AForm->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    TModalWatcher watcher(AForm, &loop);
    AForm->show();
    AForm->raise();
    AForm->activateWindow();
    if (AForm->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (form) {
        form->removeEventFilter(&watcher);
        form->setWindowModality(modality);
    }
}

} // namespace

QRect WorkAreaBounds(const QRect &AWorkArea, double AScale)
{
    if (AScale <= 0)
        AScale = 1.0;
    const int left = AScale > 1.0 ? -1 : 0;
    return QRect(left, 0, int(AWorkArea.width() / AScale), int(AWorkArea.height() / AScale));
}

QRect WorkAreaBounds()
{
    return WorkAreaBounds(WorkArea(), TAppUtils::GetScreenScale());
}

QRect WorkArea()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return QRect(0, 0, 1020, 500);
}

QImage LogoImage(const QSize &ASize, TAlphaColor AColor)
{
    QImage image(ASize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Open Sans"));
    font.setBold(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 110);
    font.setPixelSize(std::max(8, ASize.height() * 7 / 10));
    // The name as wide as the picture allows.
    const QString name = QStringLiteral("ZUNTA");
    while (font.pixelSize() > 8
           && QFontMetrics(font).horizontalAdvance(name) > ASize.width() * 9 / 10)
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    painter.setPen(QColor::fromRgba(AColor));
    painter.drawText(image.rect(), Qt::AlignCenter, name);
    return image;
}

void ExecuteModal(QWidget *AForm)
{
    if (!AForm)
        return;
    const TModalRunner runner = modalRunner();
    if (runner)
        runner(AForm);
    else
        runModal(AForm);
}

TModalRunner SetModalRunner(TModalRunner ARunner)
{
    TModalRunner previous = std::move(modalRunner());
    modalRunner() = std::move(ARunner);
    return previous;
}
