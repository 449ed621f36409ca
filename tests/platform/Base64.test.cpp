#include "Base64.h"

#include <gtest/gtest.h>

namespace {

TEST(Base64Test, BreaksLinesAfterSeventySixCharacters)
{
    const QByteArray data(120, 'a');
    const QByteArray encoded = EncodeBase64(data);
    const QList<QByteArray> lines = encoded.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.at(0).size(), 77); // 76 and the CR
    EXPECT_TRUE(lines.at(0).endsWith('\r'));
    EXPECT_FALSE(encoded.endsWith("\r\n"));
    EXPECT_EQ(DecodeBase64(encoded), data);
    EXPECT_EQ(EncodeBase64Plain(data), data.toBase64());
    EXPECT_EQ(EncodeBase64(QByteArray(57, 'x')).count('\n'), 0); // exactly one full line
}

TEST(Base64Test, DecodesTokenPartsWithoutPadding)
{
    const QByteArray json = R"({"exp":1700000000,"sub":"ÿ?"})";
    const QByteArray url
        = json.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    EXPECT_EQ(DecodeBase64Url(url), json);
}

} // namespace
