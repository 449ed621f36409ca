#include "Windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Windows1252Test, MapsBothWays)
{
    const QString text = QStringLiteral("Ação € “x” — ñ");
    const QByteArray bytes = ToWindows1252(text);
    EXPECT_EQ(bytes, QByteArray("A\xE7\xE3o \x80 \x93x\x94 \x97 \xF1"));
    EXPECT_EQ(FromWindows1252(bytes), text);
    EXPECT_EQ(ToWindows1252(QStringLiteral("漢")), QByteArray("?"));
}

} // namespace
