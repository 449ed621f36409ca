#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 code page both ways, for raw text sent to printers. Characters the page lacks
// become "?".
QByteArray ToWindows1252(const QString &text);
QString FromWindows1252(const QByteArray &bytes);
