#include "App.Lib.ImageList.h"
#include "App.Lib.Theme.h"
#include "SysUtils.h"
#include "TextSettings.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

struct ColorRow
{
    const char *Name;
    TAlphaColor (*Value)(const TThemeApp &);
    TAlphaColor Expected;
};

void PrintTo(const ColorRow &row, std::ostream *out)
{
    *out << row.Name;
}

const ColorRow colorRows[] = {
    { "PrimaryColor", [](const TThemeApp &t) { return t.ColorApp().PrimaryColor; }, 0xFF313842 },
    { "SecondaryColor",
      [](const TThemeApp &t) { return t.ColorApp().SecondaryColor; },
      0xFF7AC7D1 },
    { "TertiaryColor", [](const TThemeApp &t) { return t.ColorApp().TertiaryColor; }, 0xFF000000 },
    { "QuartenaryColor",
      [](const TThemeApp &t) { return t.ColorApp().QuartenaryColor; },
      0xFFFFFFFF },
    { "BackgroundColor",
      [](const TThemeApp &t) { return t.ColorApp().BackgroundColor; },
      0xFFE0E0E0 },
    { "BackgroundColor2",
      [](const TThemeApp &t) { return t.ColorApp().BackgroundColor2; },
      0xFFFFFFFF },
    { "TextPrimaryColor",
      [](const TThemeApp &t) { return t.ColorApp().TextPrimaryColor; },
      0xFF000000 },
    { "TextSecondaryColor",
      [](const TThemeApp &t) { return t.ColorApp().TextSecondaryColor; },
      0xFFFFFFFF },
    { "ZebraPrimaryColor",
      [](const TThemeApp &t) { return t.ColorApp().ZebraPrimaryColor; },
      0xFFFFFFFF },
    { "ZebraSecondaryColor",
      [](const TThemeApp &t) { return t.ColorApp().ZebraSecondaryColor; },
      0xFFC0C0C0 },
    { "StatusBarColor",
      [](const TThemeApp &t) { return t.ColorApp().StatusBarColor; },
      0xFFB1ACAE },
    { "MessageInformationColor",
      [](const TThemeApp &t) { return t.ColorApp().MessageInformationColor; },
      0xFFFF863F },
    { "MessageWarningColor",
      [](const TThemeApp &t) { return t.ColorApp().MessageWarningColor; },
      0xFF808000 },
    { "MessageQuestionColor",
      [](const TThemeApp &t) { return t.ColorApp().MessageQuestionColor; },
      0xFF313842 },
    { "MessageErrorColor",
      [](const TThemeApp &t) { return t.ColorApp().MessageErrorColor; },
      0xFFB22222 },
    { "MessageAlertColor",
      [](const TThemeApp &t) { return t.ColorApp().MessageAlertColor; },
      0xFFB22222 },
    { "MessageSuccessColor",
      [](const TThemeApp &t) { return t.ColorApp().MessageSuccessColor; },
      0xFF7AC7D1 },
    { "EmAtraso", [](const TThemeApp &t) { return t.ColorFinanceiro().EmAtraso; }, 0xFFB22222 },
    { "EmAberto", [](const TThemeApp &t) { return t.ColorFinanceiro().EmAberto; }, 0xFF7AC7D1 },
    { "CancelamentoParcela",
      [](const TThemeApp &t) { return t.ColorFinanceiro().CancelamentoParcela; },
      0xFFFF863F },
    { "CobrancaEletronica",
      [](const TThemeApp &t) { return t.ColorFinanceiro().CobrancaEletronica; },
      0xFF0000FF },
    { "BonificacaoParcela",
      [](const TThemeApp &t) { return t.ColorFinanceiro().BonificacaoParcela; },
      0xFF808000 },
    { "RenegociadaParcela",
      [](const TThemeApp &t) { return t.ColorFinanceiro().RenegociadaParcela; },
      0xFFFFFF00 },
    { "TitularFalecido",
      [](const TThemeApp &t) { return t.ColorFinanceiro().TitularFalecido; },
      0xFF000000 },
    { "CadastroQuitado",
      [](const TThemeApp &t) { return t.ColorFinanceiro().CadastroQuitado; },
      0xFF008000 },
    { "CadastroDesativado",
      [](const TThemeApp &t) { return t.ColorFinanceiro().CadastroDesativado; },
      0xFFFF0000 },
    { "CadastroSemPendencias",
      [](const TThemeApp &t) { return t.ColorFinanceiro().CadastroSemPendencias; },
      0xFF708090 },
    { "CadastroEmCarencia",
      [](const TThemeApp &t) { return t.ColorFinanceiro().CadastroEmCarencia; },
      0xFFFFFF00 },
    { "TipoReceita",
      [](const TThemeApp &t) { return t.ColorFinanceiro().TipoReceita; },
      0xFF0000FF },
    { "TipoDespesa",
      [](const TThemeApp &t) { return t.ColorFinanceiro().TipoDespesa; },
      0xFFFF0000 },
    { "CadastroSuspenso",
      [](const TThemeApp &t) { return t.ColorFinanceiro().CadastroSuspenso; },
      0xFF0000FF },
    { "QuarentaCincoDiasParcelasAbertas",
      [](const TThemeApp &t) { return t.ColorFinanceiro().QuarentaCincoDiasParcelasAbertas; },
      0xFFFFA500 },
    { "SessentaDiasParcelasAbertas",
      [](const TThemeApp &t) { return t.ColorFinanceiro().SessentaDiasParcelasAbertas; },
      0xFF800080 },
};

class ThemeColorTest : public ::testing::TestWithParam<ColorRow>
{
};

TEST_P(ThemeColorTest, HasItsDefault)
{
    const TThemeApp theme;
    EXPECT_EQ(GetParam().Value(theme), GetParam().Expected) << std::hex << GetParam().Value(theme);
}

INSTANTIATE_TEST_SUITE_P(Defaults,
                         ThemeColorTest,
                         ::testing::ValuesIn(colorRows),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST(ThemeTest, FontsHaveTheirDefaultsAndResolveToTheBundledFiles)
{
    const TThemeApp theme;
    const TFontApp &f = theme.FontApp();
    struct Row
    {
        const QFont &Font;
        const char *Family;
        double Size;
        bool Bold;
        bool Italic;
    };
    const Row rows[] = {
        { f.PrimaryFont(), "Segoe UI", 12, false, false },
        { f.SecondaryFont(), "Segoe UI", 12, false, false },
        { f.TertiaryFont(), "Segoe UI", 12, true, false },
        { f.QuartenaryFont(), "Segoe UI", 12, false, true },
        { f.TitleWindow(), "Montserrat Light", 16, false, false },
        { f.UserLogged(), "Montserrat Light", 12, false, false },
        { f.Menu(), "Segoe UI", 12, false, false },
    };
    for (const Row &row : rows) {
        EXPECT_EQ(row.Font.family(), QString::fromLatin1(row.Family));
        EXPECT_DOUBLE_EQ(FontSize(row.Font), row.Size);
        EXPECT_EQ(row.Font.bold(), row.Bold);
        EXPECT_EQ(row.Font.italic(), row.Italic);
    }
    // Served by the program's own files, not by whatever the machine has.
    EXPECT_EQ(QFontInfo(f.PrimaryFont()).family(), QStringLiteral("Open Sans"));
    EXPECT_TRUE(QFontInfo(f.TitleWindow()).family().startsWith(QStringLiteral("Manrope")))
        << QFontInfo(f.TitleWindow()).family().toStdString();
}

TEST(ThemeTest, ConvertsColourTexts)
{
    EXPECT_EQ(TThemeApp::HexToAlphaColor(QStringLiteral("313842")), 0xFF313842u);
    EXPECT_EQ(TThemeApp::HexToAlphaColor(QStringLiteral("7ac7d1")), 0xFF7AC7D1u);
    EXPECT_EQ(TThemeApp::HexToAlphaColor(QString()), 0x000000FFu);
    EXPECT_THROW(TThemeApp::HexToAlphaColor(QStringLiteral("12345G")), EConvertError);
    EXPECT_THROW(TThemeApp::HexToAlphaColor(QStringLiteral("-1")), EConvertError);
    EXPECT_THROW(TThemeApp::HexToAlphaColor(QStringLiteral("1234567")), EConvertError);
    EXPECT_EQ(TThemeApp::AlphaColorToHex(0x80FF863F), QStringLiteral("FF863F"));
    EXPECT_EQ(TThemeApp::AlphaColorToHex(0xFF0A0B0C), QStringLiteral("0A0B0C"));
    EXPECT_EQ(TThemeApp::RGBToAlphaColor(257, 2, 3), 0xFF010203u);
}

TEST(ThemeTest, FinancialColoursAreCopiesNotLinks)
{
    TThemeApp theme;
    theme.ColorApp().MessageErrorColor = 0xFF123456;
    EXPECT_EQ(theme.ColorFinanceiro().EmAtraso, 0xFFB22222u);
}

TEST(ImageListTest, HoldsTheFourListsByIndex)
{
    TDataModuleImageList &lists = TDataModuleImageList::Instance();
    EXPECT_EQ(lists.ImageListCadastro.Count(), 5);
    EXPECT_EQ(lists.ImageListPrincipal.Count(), 19);
    EXPECT_EQ(lists.ImageListMessage.Count(), 3);
    EXPECT_EQ(lists.ImageListListaParc.Count(), 3);
    EXPECT_EQ(lists.ImageListCadastro.Name(1), QStringLiteral("Gravar"));
    EXPECT_EQ(lists.ImageListPrincipal.Name(0), QStringLiteral("ic_clear_white_36dp_1x"));
    EXPECT_EQ(lists.ImageListPrincipal.Name(15), QStringLiteral("menu-white"));
    EXPECT_EQ(lists.ImageListMessage.Name(2), QStringLiteral("iconErro"));
    EXPECT_EQ(lists.ImageListListaParc.Name(2), QStringLiteral("Nao Selecionado"));
    EXPECT_EQ(lists.ImageListPrincipal.Bitmap(0).size(), QSize(36, 36));
    EXPECT_EQ(lists.ImageListCadastro.Bitmap(1).size(), QSize(48, 48));
    TDataModuleImageList::ResetInstance();
}

} // namespace
