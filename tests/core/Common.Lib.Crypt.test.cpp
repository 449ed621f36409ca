#include "Common.Lib.Crypt.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

namespace {

struct CodeCase
{
    const char *name;
    QString encoded;
    QString plain;
};

void PrintTo(const CodeCase &c, std::ostream *os)
{
    *os << c.name;
}

class DecodeTextTest : public ::testing::TestWithParam<CodeCase>
{
};

TEST_P(DecodeTextTest, DecodesUpToTheFirstForeignSymbol)
{
    EXPECT_EQ(DecodeText(GetParam().encoded), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    DecodeTextTest,
    ::testing::Values(CodeCase { "ThreeBytes", QStringLiteral("OM9Z"), QStringLiteral("abc") },
                      CodeCase { "PaddingStops", QStringLiteral("OM9Z="), QStringLiteral("abc") },
                      CodeCase { "LeadingBlankStops", QStringLiteral(" OM9Z"), QString() },
                      CodeCase { "OnlyBlanks", QStringLiteral("   "), QString() },
                      CodeCase { "SingleSymbol", QStringLiteral("G"), QString() },
                      CodeCase { "TwoBytes", QStringLiteral("OM8"), QStringLiteral("ab") }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CryptTest, EncodesTheBitStreamMostSignificantFirst)
{
    EXPECT_EQ(EncodeText(QStringLiteral("abc")), QStringLiteral("OM9Z"));
    EXPECT_EQ(EncodeText(QStringLiteral("ab")), QStringLiteral("OM8"));
    EXPECT_EQ(EncodeText(QStringLiteral("A")), QStringLiteral("GG"));
    EXPECT_EQ(EncodeText(QString()), QString());
    EXPECT_EQ(EncodeText(QStringLiteral("   ")), QString());
    EXPECT_EQ(EncodeText(QStringLiteral(" a")).size(), 3); // the blank is encoded too
    EXPECT_NE(DecodeText(QStringLiteral("om9z")), QStringLiteral("abc")); // case matters
}

TEST(CryptTest, RoundTripsEveryLatin1TextAndStaysInTheAlphabet)
{
    QString all;
    for (int code = 1; code < 256; ++code)
        all += QChar(char16_t(code));
    EXPECT_EQ(DecodeText(EncodeText(all)), all);
    const QString wide = EncodeText(QStringLiteral("senha€漢"));
    for (QChar c : wide)
        EXPECT_TRUE(c.isLetterOrNumber() || c == u'+' || c == u'/') << int(c.unicode());
}

TEST(CryptTest, HashesTheSaltAndThePasswordAsTyped)
{
    const auto expected = [](const QByteArray &text) {
        return QString::fromLatin1(
            QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex());
    };
    EXPECT_EQ(HashPassword(QString()), expected("QWDRMN"));
    EXPECT_EQ(HashPassword(QStringLiteral("ação")), expected(QByteArray("QWDRMN") + "ação"));
    EXPECT_NE(HashPassword(QStringLiteral("abc")), HashPassword(QStringLiteral("abc ")));
    EXPECT_EQ(HashPassword(QStringLiteral("x")).size(), 64);
}

} // namespace
