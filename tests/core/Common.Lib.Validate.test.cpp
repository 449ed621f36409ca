#include "Common.Lib.Validate.h"

#include <gtest/gtest.h>

namespace {

struct ValidationCase
{
    const char *name;
    const char *value;
    bool expected;
};

void PrintTo(const ValidationCase &c, std::ostream *os)
{
    *os << c.name;
}

class TaxIdTest : public ::testing::TestWithParam<ValidationCase>
{
};

TEST_P(TaxIdTest, ChecksTheCheckDigits)
{
    EXPECT_EQ(TValidade::isCPForCNPJ(QString::fromUtf8(GetParam().value)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    TaxIdTest,
    ::testing::Values(ValidationCase { "Empty", "", true },
                      ValidationCase { "ValidCpf", "52998224725", true },
                      ValidationCase { "CpfWrongFirstDigit", "52998224715", false },
                      ValidationCase { "CpfWrongSecondDigit", "52998224726", false },
                      ValidationCase { "CpfRemaindersBelowTwoExpectZero", "10000003700", true },
                      ValidationCase { "CpfEqualDigits", "11111111111", false },
                      ValidationCase { "TooShort", "123", false },
                      ValidationCase { "ValidCnpj", "11222333000181", true },
                      ValidationCase { "CnpjWrongDigit", "11222333000182", false },
                      ValidationCase { "CnpjEqualDigits", "00000000000000", false },
                      // Punctuated texts are refused instead of failing with a conversion error.
                      ValidationCase { "PunctuatedCpfOf14", "529.982.247-25", false },
                      ValidationCase { "LetterInCpf", "5299822472A", false },
                      ValidationCase { "LetterInCnpj", "1122233300018X", false }),
    [](const auto &info) { return std::string(info.param.name); });

class CardTest : public ::testing::TestWithParam<ValidationCase>
{
};

TEST_P(CardTest, ChecksLuhnFromTheRight)
{
    EXPECT_EQ(TValidade::isCartao(QString::fromUtf8(GetParam().value)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    CardTest,
    ::testing::Values(ValidationCase { "Visa16", "4111111111111111", true },
                      ValidationCase { "Visa16WrongDigit", "4111111111111112", false },
                      // Odd lengths double from the right too.
                      ValidationCase { "Amex15", "378282246310005", true },
                      ValidationCase { "Odd11", "79927398713", true },
                      ValidationCase { "Odd11WrongDigit", "79927398714", false },
                      ValidationCase { "SurroundingBlanks", "  4111111111111111 ", true },
                      ValidationCase { "Empty", "", false },
                      ValidationCase { "SingleZero", "0", true },
                      ValidationCase { "DashCountsZeroAndMovesTheWeight", "4111-1116", true },
                      ValidationCase { "NonDigitCheckCharacter", "411111111111111X", false }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
