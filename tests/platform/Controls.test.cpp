#include "CheckBox.h"
#include "DateEdit.h"
#include "Edit.h"
#include "Image.h"
#include "ImageList.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "MultiView.h"
#include "SpeedButton.h"
#include "StyleIcons.h"
#include "SysUtils.h"
#include "TabControl.h"
#include "TextSettings.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "WidgetInput.h"

#include <gtest/gtest.h>

namespace {

TEST(EditTest, TypesInUpperCaseWithinItsMaximumLength)
{
    TEdit edit(nullptr, QStringLiteral("EditCodigo"));
    edit.setCharCase(TEditCharCase::UpperCase);
    edit.setMaxLength(5);
    typeText(&edit, QStringLiteral("ação12"));
    EXPECT_EQ(edit.text(), QStringLiteral("AÇÃO1"));
    EXPECT_EQ(edit.maxLength(), 5);
    edit.setMaxLength(0);
    EXPECT_EQ(edit.maxLength(), 0);
}

TEST(EditTest, RaisesChangeTrackingOnEveryChangeAndChangeForCodeOrWhenLeft)
{
    TEdit edit;
    int tracking = 0, changes = 0, typing = 0;
    edit.OnChangeTracking = [&](QObject *) { ++tracking; };
    edit.OnChange = [&](QObject *sender) {
        EXPECT_EQ(sender, &edit);
        ++changes;
    };
    edit.OnTyping = [&](QObject *) { ++typing; };

    edit.setText(QStringLiteral("12"));
    EXPECT_EQ(tracking, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(typing, 0);

    typeText(&edit, QStringLiteral("3"));
    EXPECT_EQ(tracking, 2);
    EXPECT_EQ(typing, 1);
    EXPECT_EQ(changes, 1);
    pressKey(&edit, Qt::Key_Return);
    EXPECT_EQ(changes, 2);
    pressKey(&edit, Qt::Key_Return);
    EXPECT_EQ(changes, 2);
}

// A window opened with the focus in an edit gives it with its activation: that is the edit's
// enter. Switching to another window and back moves no focus between the form's controls.
TEST(EditTest, FocusGivenWithItsWindowIsAnEnterButNotWhenItComesBackWithIt)
{
    TEdit edit;
    int enters = 0;
    int exits = 0;
    edit.OnEnter = [&](QObject *) { ++enters; };
    edit.OnExit = [&](QObject *) { ++exits; };
    auto focus = [&](QEvent::Type type, Qt::FocusReason reason) {
        QFocusEvent event(type, reason);
        QApplication::sendEvent(&edit, &event);
    };

    focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    EXPECT_EQ(enters, 1) << "opened with the focus there";
    focus(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    EXPECT_EQ(enters, 1) << "back from another window";
    EXPECT_EQ(exits, 0);
    focus(QEvent::FocusOut, Qt::TabFocusReason);
    focus(QEvent::FocusIn, Qt::MouseFocusReason);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(enters, 2);
}

TEST(EditTest, KeyDownHandlerCanSwallowOrReplaceKeys)
{
    TEdit edit;
    QList<int> keys;
    edit.OnKeyDown = [&](QObject *, int &key, QChar &keyChar, Qt::KeyboardModifiers) {
        keys.append(key);
        if (keyChar == u'x')
            keyChar = QChar();
        if (keyChar == u'.')
            keyChar = u',';
        if (key == vkReturn)
            key = 0;
    };
    typeText(&edit, QStringLiteral("1x.2"));
    pressKey(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.text(), QStringLiteral("1,2"));
    EXPECT_EQ(keys.last(), vkReturn);
}

TEST(EditTest, FailingHandlerReachesTheApplicationNetNotQt)
{
    QString caught;
    const TApplicationExceptionHandler previous
        = SetApplicationExceptionHandler([&](std::exception_ptr failure) {
              try {
                  std::rethrow_exception(failure);
              } catch (const Exception &error) {
                  caught = error.Message();
              }
          });
    TEdit edit;
    edit.OnChange = [](QObject *) { throw Exception(QStringLiteral("WARNING:falhou")); };
    edit.setText(QStringLiteral("a"));
    SetApplicationExceptionHandler(previous);
    EXPECT_EQ(caught, QStringLiteral("WARNING:falhou"));
}

TEST(EditTest, ButtonsInsideTheEditKeepTheirNames)
{
    TEdit edit(nullptr, QStringLiteral("EditPesquisar"));
    edit.setText(QStringLiteral("ANA"));
    int searches = 0, clears = 0;
    edit.addButton(TEditButtonKind::Search, QStringLiteral("SearchEditButtonPesquisar"))->OnClick
        = [&](QObject *) { ++searches; };
    edit.addButton(TEditButtonKind::Clear, QStringLiteral("ClearEditButtonPesquisar"))->OnClick
        = [&](QObject *) {
              EXPECT_TRUE(edit.text().isEmpty());
              ++clears;
          };
    edit.findChild<TEditButton *>(QStringLiteral("SearchEditButtonPesquisar"))->trigger();
    EXPECT_EQ(searches, 1);
    EXPECT_EQ(edit.text(), QStringLiteral("ANA"));
    edit.findChild<TEditButton *>(QStringLiteral("ClearEditButtonPesquisar"))->trigger();
    EXPECT_EQ(clears, 1);
    EXPECT_TRUE(edit.text().isEmpty());
}

TEST(DateEditTest, HasAnEmptyStateAndReportsDateChanges)
{
    TDateEdit edit(nullptr, QStringLiteral("DateEditDataNascimento"));
    int changes = 0;
    edit.OnChange = [&](QObject *) { ++changes; };
    EXPECT_TRUE(edit.isEmpty());
    EXPECT_EQ(edit.text(), QString());
    EXPECT_EQ(edit.date(), 0.0);

    edit.setDate(EncodeDate(2024, 3, 15));
    EXPECT_FALSE(edit.isEmpty());
    EXPECT_EQ(edit.text(), QStringLiteral("15/03/2024"));
    EXPECT_EQ(edit.date(), EncodeDate(2024, 3, 15));
    EXPECT_EQ(changes, 1);

    edit.setIsEmpty(true);
    EXPECT_TRUE(edit.isEmpty());
    EXPECT_EQ(edit.date(), 0.0);
    EXPECT_EQ(changes, 2);

    edit.setFocus();
    edit.setCursorPosition(0);
    typeText(&edit, QStringLiteral("0102"));
    EXPECT_EQ(changes, 2); // incomplete
    typeText(&edit, QStringLiteral("2020"));
    EXPECT_EQ(edit.date(), EncodeDate(2020, 2, 1));
    EXPECT_EQ(changes, 3);
}

TEST(DateEditTest, ClearButtonEmptiesTheEdit)
{
    TDateEdit edit(nullptr, QStringLiteral("DateEditDataNascimento"));
    EXPECT_FALSE(edit.clearButtonVisible());
    edit.setClearButtonVisible(true);
    edit.setClearButtonVisible(true);
    EXPECT_TRUE(edit.clearButtonVisible());
    QList<QAction *> clearButtons;
    for (QAction *action : edit.actions()) {
        if (action->objectName() == QStringLiteral("ClearButtonDateEditDataNascimento"))
            clearButtons << action;
    }
    ASSERT_EQ(clearButtons.size(), 1);
    edit.setDate(EncodeDate(2024, 3, 15));
    clearButtons.first()->trigger();
    EXPECT_TRUE(edit.isEmpty());
}

// Shortcuts reach the edit even when a key-down handler is set (every bound edit has one).
TEST(EditTest, KeyDownHandlerLeavesShortcutsAlone)
{
    TEdit edit;
    TMemo memo;
    TDateEdit dateEdit;
    int calls = 0;
    const TKeyEvent handler = [&](QObject *, int &, QChar &, Qt::KeyboardModifiers) { ++calls; };
    edit.OnKeyDown = handler;
    memo.OnKeyDown = handler;
    dateEdit.OnKeyDown = handler;
    edit.setText(QStringLiteral("abc"));
    memo.setText(QStringLiteral("abc"));
    dateEdit.setDate(EncodeDate(2024, 3, 15));
    for (QWidget *widget : { static_cast<QWidget *>(&edit),
                             static_cast<QWidget *>(&memo),
                             static_cast<QWidget *>(&dateEdit) }) {
        QKeyEvent selectAll(
            QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
        QApplication::sendEvent(widget, &selectAll);
    }
    EXPECT_EQ(edit.selectedText(), QStringLiteral("abc"));
    EXPECT_EQ(memo.textCursor().selectedText(), QStringLiteral("abc"));
    EXPECT_EQ(dateEdit.selectedText(), QStringLiteral("15/03/2024"));
    EXPECT_EQ(calls, 3);
}

TEST(MemoTest, KeepsLinesLimitAndCase)
{
    TMemo memo(nullptr, QStringLiteral("MemoOcorrencia"));
    memo.setLines({ QStringLiteral("um"), QStringLiteral("dois") });
    EXPECT_EQ(memo.text(), QStringLiteral("um\ndois"));
    EXPECT_EQ(memo.lines().size(), 2);
    // A memo's value in a request: every line ended by CR LF, nothing for an empty memo.
    EXPECT_EQ(memo.linesText(), QStringLiteral("um\r\ndois\r\n"));

    memo.setText(QString());
    EXPECT_EQ(memo.linesText(), QString());
    memo.setUpperCase(true);
    memo.setMaxLength(4);
    typeText(&memo, QStringLiteral("abcdef"));
    EXPECT_EQ(memo.text(), QStringLiteral("ABCD"));
}

TEST(CheckBoxTest, ClickHandlerSeesTheNewState)
{
    TCheckBox box(nullptr, QStringLiteral("CheckBoxIsGeral"));
    bool seen = false;
    box.OnClick = [&](QObject *) { seen = box.isChecked(); };
    box.click();
    EXPECT_TRUE(seen);
}

TEST(ShapeTest, RectangleTakesClicksThroughItsLabelAndReportsThePointer)
{
    TRectangle rectangle(nullptr, QStringLiteral("RectangleGravar"));
    rectangle.resize(100, 40);
    auto *label = new TLabel(&rectangle, QStringLiteral("LabelGravar"));
    label->setAlign(TAlignLayout::Client);
    rectangle.show();
    Realign(&rectangle);
    int clicks = 0;
    rectangle.OnClick = [&](QObject *sender) {
        EXPECT_EQ(sender, &rectangle);
        ++clicks;
    };
    EXPECT_FALSE(label->hitTest());
    EXPECT_EQ(rectangle.childAt(QPoint(50, 20)), nullptr);
    clickAt(&rectangle, QPoint(50, 20));
    EXPECT_EQ(clicks, 1);

    int enters = 0;
    rectangle.OnMouseEnter = [&](QObject *) { ++enters; };
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&rectangle, &enter);
    EXPECT_EQ(enters, 1);
}

TEST(SpeedButtonTest, StyleNamesGivePicturesAndModalResultClosesTheDialog)
{
    for (const char *style : { "addtoolbutton",
                               "stoptoolbutton",
                               "composetoolbutton",
                               "trashtoolbutton",
                               "searchtoolbutton",
                               "refreshtoolbutton",
                               "arrowuptoolbutton",
                               "arrowdowntoolbutton",
                               "donetoolbutton",
                               "infotoolbutton",
                               "arrowdowntoolbuttonbordered" }) {
        EXPECT_FALSE(StyleIcon(QString::fromLatin1(style)).isNull()) << style;
    }
    EXPECT_TRUE(StyleIcon(QStringLiteral("toolbutton")).isNull());
    EXPECT_TRUE(IsKnownStyle(QStringLiteral("toolbutton")));
    EXPECT_TRUE(IsBorderedStyle(QStringLiteral("arrowdowntoolbuttonbordered")));

    // The glyph font draws something, not an empty picture.
    const QImage glyph = GlyphPixmap(TGlyph::Add, 32, TAlphaColors::Black).toImage();
    int inked = 0;
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            inked += qAlpha(glyph.pixel(x, y)) > 128;
    EXPECT_GT(inked, 20);

    QDialog dialog;
    auto *button = new TSpeedButton(&dialog, QStringLiteral("SpeedButtonSim"));
    button->setStyleLookup(QStringLiteral("toolbutton"));
    button->setText(QStringLiteral("SIM"));
    button->setModalResult(6);
    bool clicked = false;
    button->OnClick = [&](QObject *) { clicked = true; };
    int result = 0;
    QObject::connect(&dialog, &QDialog::finished, [&](int value) { result = value; });
    dialog.show();
    button->click();
    EXPECT_TRUE(clicked);
    EXPECT_EQ(result, 6);
}

TEST(SpeedButtonTest, ImageListPictureWinsOverTheStyle)
{
    TImageList list(QSize(36, 36));
    list.Add(QStringLiteral("close"), GlyphIcon(TGlyph::Clear, TAlphaColors::White));
    TSpeedButton button(nullptr, QStringLiteral("SpeedButtonClose"));
    button.setStyleLookup(QStringLiteral("stoptoolbutton"));
    button.setImages(&list);
    button.setImageIndex(0);
    EXPECT_EQ(button.icon().cacheKey(), list.Icon(0).cacheKey());
    EXPECT_TRUE(list.Icon(5).isNull());
}

TEST(TabControlTest, SwitchesPagesWithHiddenHeaders)
{
    TTabControl tabs(nullptr, QStringLiteral("TabControlCadastro"));
    auto *list = new TTabItem(&tabs, QStringLiteral("TabItemPesquisa"));
    auto *record = new TTabItem(&tabs, QStringLiteral("TabItemEdicao"));
    list->setText(QStringLiteral("Pesquisa"));
    record->setText(QStringLiteral("Edição"));
    tabs.setTabPosition(TTabPosition::None);
    int changes = 0;
    tabs.OnChange = [&](QObject *) { ++changes; };
    EXPECT_EQ(tabs.activeTab(), list);
    tabs.setActiveTab(record);
    EXPECT_EQ(tabs.tabIndex(), 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(tabs.findChild<TTabItem *>(QStringLiteral("TabItemEdicao")), record);
}

TEST(MultiViewTest, ShowsAndHidesAsADrawer)
{
    TLayout window;
    window.resize(600, 400);
    window.show();
    TMultiView menu(&window, QStringLiteral("MultiViewMenu"));
    int hidden = 0;
    menu.OnHidden = [&](QObject *) { ++hidden; };
    menu.showMaster();
    EXPECT_TRUE(menu.isShowed());
    EXPECT_EQ(menu.geometry(), QRect(0, 0, 250, 400));
    menu.hideMaster();
    EXPECT_FALSE(menu.isShowed());
    EXPECT_EQ(hidden, 1);
}

TEST(ImageTest, LoadsPicturesFromBytes)
{
    TImage image(nullptr, QStringLiteral("ImageItem"));
    EXPECT_FALSE(image.loadFromData(QByteArray("no picture")));
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    EXPECT_TRUE(image.loadFromData(png));
    EXPECT_EQ(image.bitmap().size(), QSize(4, 4));
}

TEST(TextSettingsTest, FontSizesAreLogicalPixels)
{
    QFont font = MakeFont(QStringLiteral("Segoe UI"), 7.5, true);
    EXPECT_DOUBLE_EQ(FontSize(font), 7.5);
    EXPECT_TRUE(font.bold());
    TLabel label;
    label.setFontColor(0xFF7AC7D1);
    EXPECT_EQ(label.fontColor(), 0xFF7AC7D1u);
}

} // namespace
