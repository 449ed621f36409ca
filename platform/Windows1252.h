#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 code page both ways, for raw text sent to printers and for pictures held as
// text (one character per byte). Characters the page lacks become "?"; its five undefined bytes
// read as the control characters of the same codes and are written back as those bytes.
QByteArray ToWindows1252(const QString &text);
QString FromWindows1252(const QByteArray &bytes);
