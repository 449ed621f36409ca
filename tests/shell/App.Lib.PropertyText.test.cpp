#include "App.Lib.PropertyText.h"

#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "DateTime.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

enum class TSituacaoTextoTeste { Ativo, Inativo };
BOOST_DESCRIBE_ENUM(TSituacaoTextoTeste, Ativo, Inativo)

class TTextoTesteItem final : public TBaseDto
{
    ZUNTA_CLASS(TTextoTesteItem)
};
BOOST_DESCRIBE_STRUCT(TTextoTesteItem, (TBaseDto), ())
ZUNTA_DEFINE_CLASS(TTextoTesteItem)

// One member of every kind a bound control can hold, and an object a control cannot.
class TTextoTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TTextoTesteDto)

    std::int32_t Quantidade = 5;
    std::int64_t IdPessoa = 5;
    double Valor = 5;
    bool Ativo = false;
    QString Nome = QStringLiteral("antes");
    TSString Foto = QStringLiteral("antes");
    TDateTime DataCadastro = 1.0;
    TSituacaoTextoTeste Situacao = TSituacaoTextoTeste::Ativo;
    std::unique_ptr<TTextoTesteItem> Item;
};
BOOST_DESCRIBE_STRUCT(
    TTextoTesteDto,
    (TBaseDto),
    (Quantidade, IdPessoa, Valor, Ativo, Nome, Foto, DataCadastro, Situacao, Item))
ZUNTA_DEFINE_CLASS(TTextoTesteDto)

struct SetTextCase
{
    const char *Name;
    const char *Property;
    QString Text;
    std::function<bool(const TTextoTesteDto &)> Stored;
};

std::ostream &operator<<(std::ostream &out, const SetTextCase &row)
{
    return out << row.Name;
}

class PropertyTextSetTest : public ::testing::TestWithParam<SetTextCase>
{
};

TEST_P(PropertyTextSetTest, StoresTheTextByTheMembersKind)
{
    TTextoTesteDto dto;
    const TMemberInfo *property
        = dto.ClassInfo().FindProperty(QString::fromUtf8(GetParam().Property));
    ASSERT_NE(property, nullptr);
    TPropertyText::SetText(dto, *property, GetParam().Text);
    EXPECT_TRUE(GetParam().Stored(dto))
        << "as text: " << TPropertyText::GetText(dto, *property).toStdString();
}

const TDateTime marco15 = EncodeDateTime(2024, 3, 15, 10, 30, 0, 0);

INSTANTIATE_TEST_SUITE_P(
    Kinds,
    PropertyTextSetTest,
    ::testing::Values(
        SetTextCase {
            "WholeNumber", "Quantidade", "42", [](auto &d) { return d.Quantidade == 42; } },
        SetTextCase { "WholeNumberUnreadableIsZero",
                      "Quantidade",
                      "4x",
                      [](auto &d) { return d.Quantidade == 0; } },
        SetTextCase { "LargeId",
                      "IdPessoa",
                      " 9000000000 ",
                      [](auto &d) { return d.IdPessoa == 9000000000; } },
        SetTextCase { "EmptyIdIsZero", "IdPessoa", "", [](auto &d) { return d.IdPessoa == 0; } },
        SetTextCase { "AmountWithThousandsPoint",
                      "Valor",
                      "1.234,5",
                      [](auto &d) { return d.Valor == 1234.5; } },
        SetTextCase { "EmptyAmountIsZero", "Valor", "", [](auto &d) { return d.Valor == 0; } },
        SetTextCase { "BooleanTrue", "Ativo", "True", [](auto &d) { return d.Ativo; } },
        SetTextCase { "BooleanMinusOne", "Ativo", "-1", [](auto &d) { return d.Ativo; } },
        SetTextCase { "TextTrimmedOfBlanksAndControls",
                      "Nome",
                      " \tANA MARIA \r\n",
                      [](auto &d) { return d.Nome == u"ANA MARIA"; } },
        SetTextCase {
            "PictureTrimmed", "Foto", " aGVsbG8= ", [](auto &d) { return d.Foto == u"aGVsbG8="; } },
        SetTextCase { "DateTimeRegional",
                      "DataCadastro",
                      "15/03/2024 10:30:00",
                      [](auto &d) { return d.DataCadastro.Value() == marco15.Value(); } },
        SetTextCase { "ZeroIsTheEmptyDate",
                      "DataCadastro",
                      "0",
                      [](auto &d) { return d.DataCadastro.Value() == 0.0; } },
        SetTextCase { "EmptyLeavesTheDate",
                      "DataCadastro",
                      "",
                      [](auto &d) { return d.DataCadastro.Value() == 1.0; } },
        SetTextCase { "EnumerationByIdentifier",
                      "Situacao",
                      " Inativo ",
                      [](auto &d) { return d.Situacao == TSituacaoTextoTeste::Inativo; } }),
    [](const auto &info) { return std::string(info.param.Name); });

TEST(PropertyTextTest, UnreadableDateOrBooleanAndAnyTextForAnObjectRaise)
{
    TTextoTesteDto dto;
    const TClassInfo &info = dto.ClassInfo();
    EXPECT_THROW(TPropertyText::SetText(dto, *info.FindProperty(u"DataCadastro"), "32/13/2024"),
                 EConvertError);
    EXPECT_THROW(TPropertyText::SetText(dto, *info.FindProperty(u"Ativo"), "talvez"),
                 EConvertError);
    EXPECT_THROW(TPropertyText::SetText(dto, *info.FindProperty(u"Item"), "x"), EInvalidCast);
    EXPECT_EQ(dto.DataCadastro.Value(), 1.0);
    EXPECT_FALSE(dto.Ativo);
    EXPECT_EQ(dto.Item, nullptr);
}

} // namespace
