#include "JsonValue.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(JsonValueTest, ParsesAndTellsKinds)
{
    const TJsonValue root = TJsonValue::Parse(QByteArray(
        R"({"s":"a/b","i":-5,"u":18446744073709551615,"f":1.5,"b":true,"n":null,"a":[1,2],"o":{}})"));
    ASSERT_TRUE(root.IsObject());
    EXPECT_EQ(root["s"].Kind(), TJsonValue::TKind::String);
    EXPECT_EQ(root["i"].Kind(), TJsonValue::TKind::Integer);
    EXPECT_EQ(root["u"].Kind(), TJsonValue::TKind::Integer);
    EXPECT_EQ(root["f"].Kind(), TJsonValue::TKind::Float);
    EXPECT_TRUE(root["b"].IsBoolean());
    EXPECT_TRUE(root["n"].IsNull());
    EXPECT_FALSE(root["n"].IsMissing());
    EXPECT_TRUE(root["a"].IsArray());
    EXPECT_TRUE(root["o"].IsObject());
    // Members are found by their exact name, as the original's JSON objects find them.
    EXPECT_TRUE(root["S"].IsMissing());
    EXPECT_TRUE(root["s"]["x"].IsMissing());
    EXPECT_EQ(root.Names(), QStringList({ "s", "i", "u", "f", "b", "n", "a", "o" }));
    EXPECT_EQ(root.Count(), 8u);
    EXPECT_EQ(root["a"].Count(), 2u);
    EXPECT_TRUE(TJsonValue::Parse(QByteArray("{")).IsMissing());
    EXPECT_TRUE(TJsonValue::Parse(QString()).IsMissing());
    EXPECT_TRUE(TJsonValue().IsMissing());
}

TEST(JsonValueTest, ScalarsOfTheWrongKindRaiseTheConversionError)
{
    const TJsonValue root
        = TJsonValue::Parse(QStringLiteral(R"({"s":"ção","i":3000000000,"f":2.5,"b":false})"));
    EXPECT_EQ(root["s"].AsString(), QStringLiteral("ção"));
    EXPECT_EQ(root["i"].AsInt64(), 3000000000);
    EXPECT_EQ(root["f"].AsDouble(), 2.5);
    EXPECT_EQ(root["i"].AsDouble(), 3e9);
    EXPECT_FALSE(root["b"].AsBoolean());
    EXPECT_THROW(root["i"].AsInt32(), EConvertError);
    EXPECT_THROW(root["f"].AsInt64(), EConvertError);
    EXPECT_THROW(root["s"].AsInt64(), EConvertError);
    EXPECT_THROW(root["i"].AsString(), EConvertError);
    EXPECT_THROW(root["missing"].AsBoolean(), EConvertError);
}

TEST(JsonValueTest, WholeNumbersAreIntegersHoweverTheyAreWritten)
{
    const TJsonValue root = TJsonValue::Parse(QByteArray(
        R"({"a":5.0,"b":1e3,"c":-0.0,"d":-9.2233720368547758e18,"e":9.2233720368547758e18,)"
        R"("f":1e-3,"g":3e9,"h":"5","i":9223372036854775807,"j":9223372036854775808})"));
    EXPECT_EQ(root["a"].AsInt64(), 5);
    EXPECT_EQ(root["b"].AsInt32(), 1000);
    EXPECT_EQ(root["c"].AsInt64(), 0);
    EXPECT_EQ(root["d"].AsInt64(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(root["i"].AsInt64(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(root["g"].AsInt64(), 3000000000);
    EXPECT_THROW(root["e"].AsInt64(), EConvertError);
    EXPECT_THROW(root["j"].AsInt64(), EConvertError);
    EXPECT_THROW(root["f"].AsInt64(), EConvertError);
    EXPECT_THROW(root["g"].AsInt32(), EConvertError);
    EXPECT_THROW(root["h"].AsInt64(), EConvertError);
}

TEST(JsonValueTest, AMemberKeepsItsDocumentAlive)
{
    TJsonValue items;
    {
        const TJsonValue root
            = TJsonValue::Parse(QByteArray(R"({"listHelper":[{"id":1},{"id":2}]})"));
        items = root["listHelper"];
    }
    const std::vector<TJsonValue> elements = items.Elements();
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[1]["id"].AsInt64(), 2);
}

TEST(JsonValueTest, WritesCompactTextWithTheSolidusEscaped)
{
    const TJsonValue root
        = TJsonValue::Parse(QByteArray(R"( { "a" : [ 1 , 2.5 , "x/y" ], "b" : null } )"));
    EXPECT_EQ(root.ToJson(), QStringLiteral(R"({"a":[1,2.5,"x\/y"],"b":null})"));
    EXPECT_EQ(root["a"].ToJson(), QStringLiteral(R"([1,2.5,"x\/y"])"));
    EXPECT_TRUE(TJsonValue().ToJson().isEmpty());
}

} // namespace
