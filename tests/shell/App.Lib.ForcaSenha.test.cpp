#include "App.Lib.ForcaSenha.h"
#include "Common.Lib.Crypt.h"

#include <gtest/gtest.h>

namespace {

struct ForcaCase
{
    const char *name;
    QString senha;
    int pontos;
    const char *nivel;
    TAlphaColor cor;
};

void PrintTo(const ForcaCase &c, std::ostream *os)
{
    *os << c.name;
}

class ForcaSenhaTest : public ::testing::TestWithParam<ForcaCase>
{
};

TEST_P(ForcaSenhaTest, ScoresAndRatesThePassword)
{
    const ForcaCase &c = GetParam();
    const int pontos = CalcularForcaSenha(c.senha);
    EXPECT_EQ(pontos, c.pontos);
    const TNivelForcaSenha nivel = NivelForcaSenha(pontos);
    EXPECT_EQ(nivel.Texto, QString::fromUtf8(c.nivel));
    EXPECT_EQ(nivel.Cor, c.cor);
}

INSTANTIATE_TEST_SUITE_P(
    Senhas,
    ForcaSenhaTest,
    ::testing::Values(
        ForcaCase { "Empty", QString(), 0, "", TAlphaColors::Null },
        ForcaCase { "OneLetter", QStringLiteral("a"), 41, "Inaceitável", TAlphaColors::Red },
        ForcaCase { "ThreeLowerLetters", QStringLiteral("abc"), 58, "Fraca", TAlphaColors::Orange },
        ForcaCase { "RepeatedPairAndDigits",
                    QStringLiteral("abab1234"),
                    68,
                    "Aceitável",
                    TAlphaColors::Olive },
        ForcaCase { "LettersAndDigits", QStringLiteral("abc12"), 80, "Forte", TAlphaColors::Blue },
        ForcaCase { "AllClassesNoRepetition",
                    QStringLiteral("Abcdef12!"),
                    114,
                    "Segura",
                    TAlphaColors::Green },
        ForcaCase {
            "TenLowerLetters", QStringLiteral("abcdefghij"), 100, "Segura", TAlphaColors::Green },
        ForcaCase { "LengthCountsAtMostTen",
                    QStringLiteral("abcdefghijklmnop"),
                    100,
                    "Segura",
                    TAlphaColors::Green },
        ForcaCase {
            "RepeatedLetterRun", QStringLiteral("aaaa"), 34, "Inaceitável", TAlphaColors::Red },
        ForcaCase { "BlankIsAnOtherCharacter",
                    QStringLiteral("ab cd"),
                    75,
                    "Aceitável",
                    TAlphaColors::Olive },
        // Accented letters are other characters, and not word characters of the repetition.
        ForcaCase { "AccentedLettersRepeated",
                    QStringLiteral("çaçaçaça"),
                    98,
                    "Forte",
                    TAlphaColors::Blue }),
    [](const auto &info) { return std::string(info.param.name); });

struct TrocaCase
{
    const char *name;
    QString senha;
    QString confirmacao;
    const char *recusa;
};

void PrintTo(const TrocaCase &c, std::ostream *os)
{
    *os << c.name;
}

class ValidarTrocaSenhaTest : public ::testing::TestWithParam<TrocaCase>
{
};

TEST_P(ValidarTrocaSenhaTest, RefusesInOrderOrAccepts)
{
    EXPECT_EQ(ValidarTrocaSenha(GetParam().senha, GetParam().confirmacao),
              QString::fromUtf8(GetParam().recusa));
}

INSTANTIATE_TEST_SUITE_P(
    Trocas,
    ValidarTrocaSenhaTest,
    ::testing::Values(TrocaCase { "EmptyGetsTheLevelRefusal",
                                  QString(),
                                  QString(),
                                  "WARNING:A senha precisa estar num nível mínimo de aceitável." },
                      TrocaCase { "WeakPassword",
                                  QStringLiteral("abc"),
                                  QStringLiteral("abc"),
                                  "WARNING:A senha precisa estar num nível mínimo de aceitável." },
                      TrocaCase { "NoConfirmation",
                                  QStringLiteral("abab1234"),
                                  QString(),
                                  "WARNING:Preencha a senha e a confirmação de senha." },
                      TrocaCase { "DifferentConfirmation",
                                  QStringLiteral("abab1234"),
                                  QStringLiteral("abab1235"),
                                  "WARNING:A confirmação de senha está diferente da senha." },
                      TrocaCase { "TrailingBlankInOneEdit",
                                  QStringLiteral("abab1234 "),
                                  QStringLiteral("abab1234"),
                                  "" },
                      TrocaCase { "OuterBlanksAndControlCharacters",
                                  QStringLiteral(" \tabab1234"),
                                  QStringLiteral("abab1234\x01"),
                                  "" },
                      TrocaCase { "InnerBlankCounts",
                                  QStringLiteral("abab 1234"),
                                  QStringLiteral("abab1234"),
                                  "WARNING:A confirmação de senha está diferente da senha." }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DigestSenhaTest, LoginAndChangeSendTheDigestOfTheTrimmedText)
{
    EXPECT_EQ(DigestSenha(QStringLiteral(" abab1234\t")), HashPassword(QStringLiteral("abab1234")));
    EXPECT_EQ(TrimSenha(QStringLiteral("\x01 a b \r\n")), QStringLiteral("a b"));
}

} // namespace
