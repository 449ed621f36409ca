#pragma once

#include "AlphaColor.h"

#include <QFont>
#include <QString>

class QWidget;

// Where a text stands in its box, as the forms say it: at the leading edge, in the centre or at
// the trailing edge (left, centre, right; top, centre, bottom).
enum class TTextAlign { Center, Leading, Trailing };

Qt::Alignment ToQtAlignment(TTextAlign horizontal, TTextAlign vertical);

// Font sizes as the forms give them: in logical pixels (1/96 inch), so a size 12 text is 12
// pixels high on a screen of normal density, whatever the fractional sizes (7.5, 9.5).
void SetFontSize(QFont &font, double size);
double FontSize(const QFont &font);
QFont MakeFont(const QString &family, double size, bool bold = false, bool italic = false);

// The text colour of a control (labels, edits, buttons, check boxes), kept for the disabled look.
void SetFontColor(QWidget *control, TAlphaColor color);
TAlphaColor FontColor(const QWidget *control);
