#pragma once

#include <QFont>

class TThemeApp;

// The fonts of the interface. Windows copy one (family, size and style) into a control and then
// set a size of their own; nothing changes them after the theme has set them. Sizes are in
// logical pixels (TextSettings.h).
class TFontApp
{
public:
    const QFont &TertiaryFont() const { return m_tertiaryFont; }
    const QFont &SecondaryFont() const { return m_secondaryFont; }
    const QFont &QuartenaryFont() const { return m_quartenaryFont; }
    const QFont &PrimaryFont() const { return m_primaryFont; }
    const QFont &TitleWindow() const { return m_titleWindow; }
    const QFont &UserLogged() const { return m_userLogged; }
    const QFont &Menu() const { return m_menu; }

private:
    friend class TThemeApp;

    QFont m_tertiaryFont;
    QFont m_secondaryFont;
    QFont m_quartenaryFont;
    QFont m_primaryFont;
    QFont m_titleWindow;
    QFont m_userLogged;
    QFont m_menu;
};
