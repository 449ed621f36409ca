#include "Common.Lib.Formatter.Edit.h"

#include "DateEdit.h"
#include "Edit.h"
#include "Memo.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

namespace {

struct FormatRow
{
    const char *Name;
    TFormatterEdit Type;
    QString Text;
    int Decimals;
    QString Mask;
    QString Expected;
};

void PrintTo(const FormatRow &row, std::ostream *out)
{
    *out << row.Name;
}

const FormatRow formatRows[] = {
    { "CpfFull", TFormatterEdit::CPF, "12345678909", 2, {}, "123.456.789-09" },
    { "CpfThreeDigitsNoSeparatorYet", TFormatterEdit::CPF, "123", 2, {}, "123" },
    { "CpfFourthDigitBringsThePoint", TFormatterEdit::CPF, "1234", 2, {}, "123.4" },
    { "CpfTwelfthDigitDropped", TFormatterEdit::CPF, "123456789091", 2, {}, "123.456.789-09" },
    { "CpfRetypedOverItsMask", TFormatterEdit::CPF, "123.456.7", 2, {}, "123.456.7" },
    { "CnpjFull", TFormatterEdit::CNPJ, "12345678000195", 2, {}, "12.345.678/0001-95" },
    { "CnpjOrCpfElevenDigits", TFormatterEdit::CNPJorCPF, "12345678909", 2, {}, "123.456.789-09" },
    { "CnpjOrCpfTwelveDigits",
      TFormatterEdit::CNPJorCPF,
      "123456789012",
      2,
      {},
      "12.345.678/9012" },
    { "CnpjOrCpfFourteenDigits",
      TFormatterEdit::CNPJorCPF,
      "12345678000195",
      2,
      {},
      "12.345.678/0001-95" },
    { "Celular", TFormatterEdit::Celular, "11987654321", 2, {}, "(11) 98765-4321" },
    { "TelefoneFixo", TFormatterEdit::TelefoneFixo, "11987654321", 2, {}, "(11) 9876-54321" },
    { "TelefoneFixoTwentyDigits",
      TFormatterEdit::TelefoneFixo,
      "123456789012345678901",
      2,
      {},
      "(12) 3456-78901234567890" },
    { "PhoneOneDigitShowsTheOpeningBracket", TFormatterEdit::Celular, "1", 2, {}, "(1" },
    { "Cep", TFormatterEdit::CEP, "12345678", 2, {}, "12.345-678" },
    { "Competencia", TFormatterEdit::Competencia, "032024", 2, {}, "03/2024" },
    { "DataNascimento", TFormatterEdit::DataNascimento, "3112", 2, {}, "31/12" },
    { "PersonalizadoWithMask", TFormatterEdit::Personalizado, "a12b3", 2, "#-#.#", "1-2.3" },
    { "PersonalizadoWithoutMaskDigitsAlone", TFormatterEdit::Personalizado, "1-2.3", 2, {}, "123" },
    { "ValorEmptyIsZero", TFormatterEdit::Valor, "", 2, {}, "0,00" },
    { "ValorThousands", TFormatterEdit::Valor, "1234,5", 2, {}, "1.234,50" },
    { "ValorShownRetyped", TFormatterEdit::Valor, "1.234,50", 2, {}, "1.234,50" },
    { "ValorNegative", TFormatterEdit::Valor, "-12", 2, {}, "-12,00" },
    { "ValorMinusNotFirstDropped", TFormatterEdit::Valor, "12-3", 2, {}, "123,00" },
    { "ValorNoDecimals", TFormatterEdit::Valor, "1234,56", 0, {}, "1.235" },
    { "ValorLettersDropped", TFormatterEdit::Valor, "R$ 10", 2, {}, "10,00" },
    { "PesoThreeDecimalsNoSign", TFormatterEdit::Peso, "-2,5", 3, {}, "2,500" },
    { "DatePartial", TFormatterEdit::Date, "0102", 2, {}, "01/02" },
    { "DateComplete", TFormatterEdit::Date, "01022020", 2, {}, "01/02/2020" },
    { "DateOnlyFirstEightDigits", TFormatterEdit::Date, "010220209", 2, {}, "01/02/2020" },
    { "DateInvalidIsEmpty", TFormatterEdit::Date, "31022020", 2, {}, "" },
    { "TimeFourDigits", TFormatterEdit::Time, "1230", 2, {}, "12:30" },
    { "TimeFifthDigitDropped", TFormatterEdit::Time, "12305", 2, {}, "12:30" },
    { "TimeSixDigits", TFormatterEdit::Time, "123045", 2, {}, "12:30:45" },
    { "TimeInvalidIsEmpty", TFormatterEdit::Time, "250000", 2, {}, "" },
    { "InscricaoEstadualSP",
      TFormatterEdit::InscricaoEstadual,
      "110042490114",
      2,
      "SP",
      "110.042.490.114" },
    { "InscricaoEstadualPE",
      TFormatterEdit::InscricaoEstadual,
      "18100100000049",
      2,
      "PE",
      "18.1.001.0000004-9" },
    { "InscricaoEstadualLowerCaseState",
      TFormatterEdit::InscricaoEstadual,
      "110042490114",
      2,
      "sp",
      "110042490114" },
    { "InscricaoEstadualNoState", TFormatterEdit::InscricaoEstadual, "110.042", 2, {}, "110042" },
    { "NonLatinDigitsDropped",
      TFormatterEdit::CPF,
      QStringLiteral(u"1\u0662\u06F33"),
      2,
      {},
      "13" },
    { "NullUnchanged", TFormatterEdit::Null, "abc-1.2", 2, {}, "abc-1.2" },
};

class FormatTextByTypeTest : public ::testing::TestWithParam<FormatRow>
{
};

TEST_P(FormatTextByTypeTest, GivesTheDisplayForm)
{
    const FormatRow &row = GetParam();
    EXPECT_EQ(FormatTextByType(row.Text, row.Type, row.Decimals, row.Mask), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(Masks,
                         FormatTextByTypeTest,
                         ::testing::ValuesIn(formatRows),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST(FormatTextByTypeFailureTest, AmountThatIsNoNumberRaisesConversionError)
{
    for (const QString &text :
         { QStringLiteral("-"), QStringLiteral(","), QStringLiteral("1,2,3") })
        EXPECT_THROW(FormatTextByType(text, TFormatterEdit::Valor, 2), EConvertError)
            << text.toStdString();
    EXPECT_THROW(FormatTextByType(QStringLiteral(","), TFormatterEdit::Peso, 3), EConvertError);
}

TEST(ApplyMaskTest, EmptyMaskOrNoDigitsGiveTheDigits)
{
    EXPECT_EQ(ApplyMask(QString(), QStringLiteral("123")), QStringLiteral("123"));
    EXPECT_EQ(ApplyMask(QStringLiteral("(##)"), QString()), QString());
    EXPECT_EQ(ApplyMask(QStringLiteral("##"), QStringLiteral("1234")), QStringLiteral("12"));
}

struct RemoveRow
{
    const char *Name;
    TFormatterEdit Type;
    QString Text;
    QString Expected;
};

void PrintTo(const RemoveRow &row, std::ostream *out)
{
    *out << row.Name;
}

const RemoveRow removeRows[] = {
    { "ValorDropsThousandPoints", TFormatterEdit::Valor, "1.234,50", "1234,50" },
    { "PesoDropsPoints", TFormatterEdit::Peso, "1.000,250", "1000,250" },
    { "Cpf", TFormatterEdit::CPF, "123.456.789-09", "12345678909" },
    { "Phone", TFormatterEdit::Celular, "(11) 98765-4321", "11987654321" },
    { "CnpjSlash", TFormatterEdit::CNPJ, "12.345.678/0001-95", "12345678000195" },
    { "TimeKeepsColon", TFormatterEdit::Time, "12:30", "12:30" },
    { "DateUnchanged", TFormatterEdit::Date, "01/02/2020", "01/02/2020" },
    { "NullUnchanged", TFormatterEdit::Null, "a.b-c (d)", "a.b-c (d)" },
};

class RemoveMaskByTypeTest : public ::testing::TestWithParam<RemoveRow>
{
};

TEST_P(RemoveMaskByTypeTest, GivesTheStoredForm)
{
    const RemoveRow &row = GetParam();
    EXPECT_EQ(RemoveMaskByType(row.Text, row.Type), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(Masks,
                         RemoveMaskByTypeTest,
                         ::testing::ValuesIn(removeRows),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST(FormatEditByTypeTest, FormatsAnEditAndSetsTheLengthOfFixedKinds)
{
    TEdit edit;
    edit.setText(QStringLiteral("12345678"));
    FormatEditByType(&edit, TFormatterEdit::CEP);
    EXPECT_EQ(edit.text(), QStringLiteral("12.345-678"));
    EXPECT_EQ(edit.maxLength(), 10);

    struct
    {
        TFormatterEdit Type;
        int Length;
    } const lengths[] = { { TFormatterEdit::Time, 5 },
                          { TFormatterEdit::DataNascimento, 5 },
                          { TFormatterEdit::Competencia, 7 } };
    for (const auto &row : lengths) {
        TEdit other;
        FormatEditByType(&other, row.Type);
        EXPECT_EQ(other.maxLength(), row.Length);
    }

    TEdit amount;
    amount.setMaxLength(15);
    amount.setText(QStringLiteral("1234,5"));
    FormatEditByType(&amount, TFormatterEdit::Valor);
    EXPECT_EQ(amount.text(), QStringLiteral("1.234,50")) << "two decimals when none are given";
    EXPECT_EQ(amount.maxLength(), 15);
}

TEST(FormatEditByTypeTest, LeavesOtherControlsAlone)
{
    TMemo memo;
    memo.setText(QStringLiteral("12345678"));
    FormatEditByType(&memo, TFormatterEdit::CEP);
    EXPECT_EQ(memo.text(), QStringLiteral("12345678"));

    TDateEdit dateEdit;
    dateEdit.setDate(EncodeDate(2024, 5, 31));
    FormatEditByType(&dateEdit, TFormatterEdit::CPF);
    EXPECT_EQ(dateEdit.text(), QStringLiteral("31/05/2024"));

    FormatEditByType(nullptr, TFormatterEdit::CPF);
}

} // namespace
