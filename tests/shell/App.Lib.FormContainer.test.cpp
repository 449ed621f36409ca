#include "App.Lib.FormContainer.h"

#include "Common.Lib.Utils.h"
#include "Edit.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "ShellWindows.h"
#include "WaitFor.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace {

QRect workArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// A hosted view with the maximise button of the sub-registration windows.
class TFormJanelaSub final : public TJanelaTeste
{
public:
    TFormJanelaSub()
        : TJanelaTeste(QStringLiteral("TFormJanelaSub"), nullptr)
        , SpeedButtonMaximizar(
              new TSpeedButton(RectangleTitle, QStringLiteral("SpeedButtonMaximizar")))
    { }
    TSpeedButton *SpeedButtonMaximizar;
};

class FormContainerTest : public ShellWindowsTest
{
protected:
    void SetUp() override { login(1); }

    // Runs Execute; `inside` runs once the container is on screen and must close it. A container
    // left open fails the test and is closed.
    static void execute(TFormContainer &container, const std::function<void()> &inside)
    {
        QTimer::singleShot(0, &container, inside);
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, &container, [&container] {
            ADD_FAILURE() << "the container was left open";
            container.CloseForm();
        });
        safety.start(5000);
        container.Execute();
    }
};

TEST_F(FormContainerTest, CoversTheWorkAreaWithoutAMainWindow)
{
    auto container = TFormContainer::New();
    EXPECT_EQ(container->geometry(), workArea());
    EXPECT_EQ(container->windowTitle(), QString());
    EXPECT_FALSE(container->ProcCloseForm);
}

struct HostingCase
{
    const char *name;
    bool mainWindow;
    bool maximize;
};
void PrintTo(const HostingCase &row, std::ostream *os)
{
    *os << row.name;
}

class FormContainerHostingTest : public FormContainerTest,
                                 public ::testing::WithParamInterface<HostingCase>
{
};

TEST_P(FormContainerHostingTest, HostsTheViewContentAndGivesItBack)
{
    const HostingCase &row = GetParam();
    QWidget *apoio = nullptr;
    QWidget *apoioParent = nullptr;
    if (row.mainWindow) {
        apoio = principal().LayoutApoio;
        apoioParent = apoio->parentWidget();
    }
    std::unique_ptr<TFormJanelaSub> view(TFormBase::Create<TFormJanelaSub>());
    QWidget *backgroundParent = view->LayoutBackground->parentWidget();
    view->SpeedButtonClose->setVisible(false);

    auto container = TFormContainer::New();
    container->SetFormView(view.get(), row.maximize);
    bool inside = false;
    execute(*container, [&] {
        inside = true;
        const QRect expectedArea
            = row.mainWindow ? principal().rect() : QRect(QPoint(0, 0), workArea().size());
        EXPECT_EQ(container->rect(), expectedArea);
        EXPECT_EQ(container->isWindow(), !row.mainWindow);
        const QRect host = container->RectangleContainter->geometry();
        if (row.maximize) {
            EXPECT_EQ(host, expectedArea.adjusted(20, 50, -20, -40));
        } else {
            EXPECT_EQ(host.size(), QSize(400, 300));
            // Centred in the area its margins leave.
            EXPECT_EQ(host.center(), expectedArea.adjusted(20, 50, -20, -40).center());
        }
        EXPECT_EQ(view->LayoutBackground->parentWidget(), container->RectangleContainter);
        EXPECT_EQ(view->LayoutBackground->geometry(), QRect(QPoint(0, 0), host.size()));
        if (apoio) {
            EXPECT_EQ(apoio->parentWidget(), container.get());
        }
        EXPECT_TRUE(view->SpeedButtonClose->Visible());
        EXPECT_FALSE(view->SpeedButtonMaximizar->Visible());
        // The view's close button closes the container, not the view.
        view->SpeedButtonClose->click();
    });
    EXPECT_TRUE(inside);
    EXPECT_FALSE(container->IsShowing());
    EXPECT_EQ(view->Closed, 0);
    EXPECT_EQ(view->LayoutBackground->parentWidget(), backgroundParent);
    if (apoio) {
        EXPECT_EQ(apoio->parentWidget(), apoioParent);
    }
    EXPECT_FALSE(view->SpeedButtonClose->Visible());
    EXPECT_TRUE(view->SpeedButtonMaximizar->Visible());
    // The view's own close procedure is back.
    view->ExecuteProcCloseForm();
    EXPECT_EQ(view->Closed, 1);
}

INSTANTIATE_TEST_SUITE_P(Hosts,
                         FormContainerHostingTest,
                         ::testing::Values(HostingCase { "OverTheMainWindow", true, false },
                                           HostingCase { "OverTheMainWindowMaximized", true, true },
                                           HostingCase { "OwnWindow", false, false },
                                           HostingCase { "OwnWindowMaximized", false, true }),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FormContainerTest, SideAreaStaysInTheMainWindowWhenAsked)
{
    QWidget *apoio = principal().LayoutApoio;
    std::unique_ptr<TFormJanelaSub> view(TFormBase::Create<TFormJanelaSub>());
    auto container = TFormContainer::New();
    container->SetModifyBackgroundApoio(false).SetFormView(view.get(), false);
    execute(*container, [&] {
        EXPECT_EQ(apoio->parentWidget(), &principal());
        container->CloseForm();
    });
    EXPECT_EQ(apoio->parentWidget(), &principal());
}

TEST_F(FormContainerTest, RefusedViewClosesTheContainerByItself)
{
    login(7);
    backend.on("GET", "/form-permission", FakeReply::empty(304));
    std::unique_ptr<TFormJanelaSub> view(TFormBase::Create<TFormJanelaSub>());
    ASSERT_FALSE(view->IsFormPermission());
    auto container = TFormContainer::New();
    container->SetFormView(view.get(), false);
    execute(*container, [] {});
    EXPECT_FALSE(container->IsShowing());
    EXPECT_EQ(view->LayoutBackground->parentWidget(), view->VertScrollBoxForm->content());
    EXPECT_EQ(view->Closed, 0);
}

TEST_F(FormContainerTest, WaitOverlayKeepsInputFromTheMainWindowUntilClosed)
{
    TFormPrincipalTeste &main = principal();
    auto *edit = new TEdit(main.LayoutPrincipal);
    int keys = 0;
    edit->OnKeyDown = [&](QObject *, int &, QChar &, Qt::KeyboardModifiers) { ++keys; };

    auto overlay = TFormContainer::New();
    overlay->Execute();
    EXPECT_TRUE(overlay->IsShowing());
    EXPECT_EQ(overlay->parentWidget(), &main);
    EXPECT_EQ(overlay->geometry(), main.rect());
    EXPECT_FALSE(overlay->RectangleContainter->Visible());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(edit, &key);
    EXPECT_EQ(keys, 0);

    overlay->CloseForm();
    EXPECT_FALSE(overlay->isVisible());
    QCoreApplication::sendEvent(edit, &key);
    EXPECT_EQ(keys, 1);
}

TEST_F(FormContainerTest, OverlappingActionsEachCloseTheirOwnOverlay)
{
    principal();
    // Two worker actions, each with the overlay it showed; the first ends while the second runs.
    struct TAction
    {
        // The worker step waits, without polling, until the test releases it.
        std::mutex Mutex;
        std::condition_variable Released;
        bool Release = false;
        void release()
        {
            {
                const std::lock_guard lock(Mutex);
                Release = true;
            }
            Released.notify_all();
        }
        std::unique_ptr<TFormContainer> Overlay;
        QPointer<TFormContainer> Shown;
        bool Done = false;
    };
    auto first = std::make_shared<TAction>();
    auto second = std::make_shared<TAction>();
    const auto start = [](const std::shared_ptr<TAction> &action) {
        TUtils::CustomThread(
            [action] {
                action->Overlay = TFormContainer::New();
                action->Overlay->Execute();
                action->Shown = action->Overlay.get();
            },
            [action] {
                std::unique_lock lock(action->Mutex);
                action->Released.wait(lock, [&] { return action->Release; });
            },
            [action](bool) {
                action->Overlay.reset();
                action->Done = true;
            },
            {},
            [](const QString &) {});
    };
    start(first);
    start(second);
    const auto finish = [&] {
        first->release();
        second->release();
        return waitFor([&] { return first->Done && second->Done; });
    };
    if (!waitFor([&] { return first->Shown && second->Shown; })) {
        finish();
        FAIL() << "the overlays were not shown";
    }
    EXPECT_NE(first->Shown, second->Shown);

    first->release();
    EXPECT_TRUE(waitFor([&] { return first->Done; }));
    EXPECT_TRUE(first->Shown.isNull());
    EXPECT_FALSE(second->Shown.isNull());
    if (second->Shown) {
        EXPECT_TRUE(second->Shown->IsShowing());
    }

    EXPECT_TRUE(finish());
    EXPECT_TRUE(second->Shown.isNull());
}

} // namespace
