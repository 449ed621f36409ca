#pragma once

#include "AlphaColor.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

// Code points of the bundled icon font (Material Icons) that the buttons and image lists use.
namespace TGlyph {
constexpr char16_t Add = 0xe145;
constexpr char16_t AddBox = 0xe146;
constexpr char16_t ArrowBack = 0xe5c4;
constexpr char16_t ArrowDownward = 0xe5db;
constexpr char16_t ArrowUpward = 0xe5d8;
constexpr char16_t Bookmarks = 0xe98b;
constexpr char16_t CalendarToday = 0xe935;
constexpr char16_t Cancel = 0xe5c9;
constexpr char16_t CheckBox = 0xe834;
constexpr char16_t CheckBoxOutlineBlank = 0xe835;
constexpr char16_t CheckCircle = 0xe86c;
constexpr char16_t ChevronLeft = 0xe5cb;
constexpr char16_t ChevronRight = 0xe5cc;
constexpr char16_t Clear = 0xe14c;
constexpr char16_t Close = 0xe5cd;
constexpr char16_t Delete = 0xe872;
constexpr char16_t Description = 0xe873;
constexpr char16_t DisabledByDefault = 0xf230;
constexpr char16_t Done = 0xe876;
constexpr char16_t Edit = 0xe3c9;
constexpr char16_t Error = 0xe000;
constexpr char16_t ExpandLess = 0xe5ce;
constexpr char16_t ExpandMore = 0xe5cf;
constexpr char16_t Help = 0xe887;
constexpr char16_t Info = 0xe88e;
constexpr char16_t Inventory = 0xe1a1;
constexpr char16_t Label = 0xe892;
constexpr char16_t Menu = 0xe5d2;
constexpr char16_t ModeEdit = 0xe254;
constexpr char16_t MoreHoriz = 0xe5d3;
constexpr char16_t NavigateBefore = 0xe408;
constexpr char16_t NavigateNext = 0xe409;
constexpr char16_t Refresh = 0xe5d5;
constexpr char16_t Remove = 0xe15b;
constexpr char16_t RemoveCircle = 0xe15c;
constexpr char16_t Reply = 0xe15e;
constexpr char16_t Save = 0xe161;
constexpr char16_t Search = 0xe8b6;
constexpr char16_t Sms = 0xe625;
constexpr char16_t Visibility = 0xe8f4;
constexpr char16_t Webhook = 0xeb92;
} // namespace TGlyph

// The icon font's family, registered from the program's resources on first use (needs the
// application object).
QString GlyphFontFamily();

// One glyph drawn at any size in one colour; disabled buttons get it faded.
QIcon GlyphIcon(char16_t glyph, TAlphaColor color);
QPixmap GlyphPixmap(char16_t glyph, int size, TAlphaColor color);

// The picture a button style stands for ("addtoolbutton" a plus, "trashtoolbutton" a bin ...);
// the plain styles ("toolbutton") and names it does not know have none.
QIcon StyleIcon(const QString &styleName, TAlphaColor color = 0xFF313842);
bool IsKnownStyle(const QString &styleName);
// The "...bordered" styles draw a frame around the button.
bool IsBorderedStyle(const QString &styleName);
