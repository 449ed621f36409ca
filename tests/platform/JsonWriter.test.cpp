#include "DateTime.h"
#include "FormatSettings.h"
#include "JsonWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

TEST(JsonWriterTest, PlacesCommasAndWritesEachKind)
{
    TJsonWriter writer;
    writer.BeginObject();
    writer.Name(u"a/b");
    writer.BeginArray();
    writer.Integer(-1);
    writer.Double(0.5);
    writer.Double(std::numeric_limits<double>::quiet_NaN());
    writer.Boolean(true);
    writer.Null();
    writer.BeginObject();
    writer.EndObject();
    writer.EndArray();
    writer.Name(u"d");
    writer.DateTime(EncodeDateTime(2024, 3, 5, 14, 7, 9, 250));
    writer.Name(u"s");
    writer.String(QString(QChar(0xD800)) + QChar(0x1F));
    writer.EndObject();
    EXPECT_EQ(writer.Text(),
              "{\"a\\/b\":[-1,0.5,null,true,null,{}],\"d\":\"2024-03-05T14:07:09.250Z\","
              "\"s\":\"\xEF\xBF\xBD\\u001f\"}");
    EXPECT_EQ(TJsonWriter::FormatDateTime(TDateTime()), "1899-12-30T00:00:00.000Z");
}

TEST(JsonWriterTest, WritesNumbersExactlyAsFloatToStrInvariant)
{
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::vector<double> values = { 0.1 + 0.2,
                                   1.0 / 3.0,
                                   1e15,
                                   1e14 + 0.5,
                                   123456789012345678.0,
                                   0.0001,
                                   0.00001,
                                   9.999999999999999e14,
                                   -2.5e-300,
                                   1.7e308 };
    for (int i = 0; i < 20000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    for (const double value : values) {
        TJsonWriter writer;
        writer.Double(value);
        ASSERT_EQ(QString::fromStdString(writer.Text()), FloatToStrInvariant(value)) << value;
    }
}

} // namespace
