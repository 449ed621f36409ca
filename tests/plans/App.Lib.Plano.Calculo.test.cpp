#include "App.Lib.Plano.Calculo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ValorCase
{
    const char *name;
    const char *indice;
    double preco;
    double valor;
};

class PlanoValorServicoTest : public ::testing::TestWithParam<ValorCase>
{ };

TEST_P(PlanoValorServicoTest, PriceTimesIndexInCentsHalfToEven)
{
    EXPECT_DOUBLE_EQ(PlanoCalculo::ValorServico(QString::fromUtf8(GetParam().indice),
                                                GetParam().preco),
                     GetParam().valor);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    PlanoValorServicoTest,
    ::testing::Values(ValorCase { "OneAndAHalf", "1,5", 100, 150 },
                      ValorCase { "HalfCentDown", "1", 0.125, 0.12 },
                      ValorCase { "HalfCentUp", "1", 0.375, 0.38 },
                      ValorCase { "ThousandsSeparator", "1.000,5", 2, 2001 },
                      ValorCase { "FourDecimals", "0,3333", 90, 30 },
                      ValorCase { "EmptyIndex", "", 100, 0 },
                      ValorCase { "UnreadableIndex", "1,2x", 100, 0 }),
    [](const auto &AInfo) { return std::string(AInfo.param.name); });

TEST(PlanoIndiceTest, TypedValueGivesTheIndexUnroundedAndNothingWithoutAPrice)
{
    EXPECT_DOUBLE_EQ(PlanoCalculo::IndiceFromValor(QStringLiteral("75"), 100).value(), 0.75);
    EXPECT_DOUBLE_EQ(PlanoCalculo::IndiceFromValor(QStringLiteral("1.000,00"), 3).value(),
                     1000.0 / 3);
    EXPECT_FALSE(PlanoCalculo::IndiceFromValor(QStringLiteral("75"), 0));
}

TEST(PlanoOtherInfoTest, MissingPartsGiveEmptyTextAndZero)
{
    EXPECT_EQ(PlanoCalculo::OtherInfoPart(QStringLiteral("2;150,5"), 1), QStringLiteral("150,5"));
    EXPECT_DOUBLE_EQ(PlanoCalculo::OtherInfoNumber(QStringLiteral("2;150,5"), 1), 150.5);
    EXPECT_EQ(PlanoCalculo::OtherInfoPart(QStringLiteral("2"), 1), QString());
    EXPECT_DOUBLE_EQ(PlanoCalculo::OtherInfoNumber(QStringLiteral("2"), 1), 0);
    EXPECT_DOUBLE_EQ(PlanoCalculo::OtherInfoNumber(QStringLiteral(";x"), 1), 0);
}

TEST(PlanoAdicionalTest, AnAddOnHasEndedOnlyWithAnEndDateNotLaterThanNow)
{
    const TDateTime now(46000.5);
    EXPECT_TRUE(PlanoCalculo::AdicionalDesativado(TDateTime(45999), now));
    EXPECT_TRUE(PlanoCalculo::AdicionalDesativado(now, now));
    EXPECT_FALSE(PlanoCalculo::AdicionalDesativado(TDateTime(46001), now));
    EXPECT_FALSE(PlanoCalculo::AdicionalDesativado(TDateTime(0), now));
}

} // namespace
