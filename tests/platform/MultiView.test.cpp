#include "MultiView.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(MultiViewTest, GoesWithItsParentAfterItWasShown)
{
    auto parent = std::make_unique<QWidget>();
    parent->resize(400, 300);
    QPointer<TMultiView> menu = new TMultiView(parent.get(), QStringLiteral("MultiViewMenu"));
    int hidden = 0;
    menu->OnHidden = [&hidden](QObject *) { ++hidden; };
    parent->show();
    menu->showMaster();
    menu->hideMaster();
    menu->showMaster();
    EXPECT_EQ(hidden, 1);
    // Showing raised the menu above its overlay; the parent now frees the overlay first.
    parent.reset();
    EXPECT_TRUE(menu.isNull());
}

} // namespace
