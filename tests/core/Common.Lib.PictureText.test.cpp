#include "Common.Lib.PictureText.h"

#include <gtest/gtest.h>

namespace {

struct EncodeCase
{
    const char *name;
    QString text;
    QString wire;
};

class PictureTextEncodeTest : public ::testing::TestWithParam<EncodeCase>
{
};

// "aaa" is "YWFh": 57 bytes fill one line of 76 characters exactly.
const QString fullLine = QStringLiteral("YWFh").repeated(19);

INSTANTIATE_TEST_SUITE_P(
    Cases,
    PictureTextEncodeTest,
    ::testing::Values(
        EncodeCase { "Empty", QString(), QString() },
        EncodeCase { "ShortTextHasNoBreak", QStringLiteral("abc"), QStringLiteral("YWJj") },
        // The break follows every 76th character, the last one included.
        EncodeCase {
            "FiftySevenBytesEndWithABreak", QString(57, u'a'), fullLine + QStringLiteral("\r\n") },
        EncodeCase { "FiftyEightBytesGoOnAfterTheBreak",
                     QString(58, u'a'),
                     fullLine + QStringLiteral("\r\nYQ==") },
        // The text is sent as UTF-8: "€" (Windows-1252 byte 0x80 as the window holds it) is
        // three bytes on the wire.
        EncodeCase { "CharactersTravelAsUtf8", QStringLiteral("€"), QStringLiteral("4oKs") }),
    [](const auto &info) { return std::string(info.param.name); });

TEST_P(PictureTextEncodeTest, EncodesAndReadsBack)
{
    const EncodeCase &c = GetParam();
    EXPECT_EQ(TPictureText::Encode(c.text), c.wire);
    EXPECT_EQ(TPictureText::Decode(c.wire), c.text);
}

// A PNG may hold any byte; the five bytes Windows-1252 leaves undefined included.
TEST(PictureTextTest, EveryByteComesBackUnchanged)
{
    QByteArray picture("\x89PNG\r\n\x1a\n", 8);
    for (int round = 0; round < 4; ++round)
        for (int byte = 0; byte < 256; ++byte)
            picture += char(byte);

    const QString held = TPictureText::FromBytes(picture);
    EXPECT_EQ(held.size(), picture.size());
    const QString wire = TPictureText::Encode(held);
    for (const QString &line : wire.split(QStringLiteral("\r\n")))
        EXPECT_LE(line.size(), 76);
    EXPECT_EQ(TPictureText::ToBytes(TPictureText::Decode(wire)), picture);
}

TEST(PictureTextTest, HeldTextReadsBytesThroughWindows1252)
{
    EXPECT_EQ(TPictureText::FromBytes(QByteArray("\x80\xE7", 2)), QStringLiteral("€ç"));
    EXPECT_EQ(TPictureText::ToBytes(QStringLiteral("€ç")), QByteArray("\x80\xE7", 2));
}

} // namespace
