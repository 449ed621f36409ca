#include "App.Form.Login.h"

#include <gtest/gtest.h>

namespace {

struct LoginRefusalCase
{
    const char *Name;
    QString Message;
    std::int64_t Id;
    QString Shown;
};

void PrintTo(const LoginRefusalCase &row, std::ostream *os)
{
    *os << row.Name;
}

class PasswordRefusalTest : public ::testing::TestWithParam<LoginRefusalCase>
{
};

// The user and the text of a 422 refusal; the window's paths run in the main window's tests.
TEST_P(PasswordRefusalTest, NamesTheUserOnTheThirdLineAndShowsTheRest)
{
    EXPECT_EQ(IdUsuarioTrocaSenha(GetParam().Message), GetParam().Id);
    EXPECT_EQ(MensagemTrocaSenha(GetParam().Message), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Replies,
    PasswordRefusalTest,
    ::testing::Values(
        LoginRefusalCase { "Id57",
                           "WARNING:Senha expirada.\r\nTroque a senha.\r\nID57",
                           57,
                           "WARNING:Senha expirada.\r\nTroque a senha." },
        LoginRefusalCase {
            "LineFeedsAndMoreLines", "WARNING:A\nB\nID9\nC", 9, "WARNING:A\r\nB\r\nC" },
        LoginRefusalCase { "NotANumber", "WARNING:A\r\nB\r\nIDX", 0, "WARNING:A\r\nB" },
        LoginRefusalCase { "LowerCaseIdIsNoId", "WARNING:A\r\nB\r\nid57", 0, "WARNING:A\r\nB" },
        LoginRefusalCase {
            "NoThirdLine", "WARNING:Senha expirada.", 0, "WARNING:Senha expirada." }),
    [](const ::testing::TestParamInfo<LoginRefusalCase> &info) {
        return std::string(info.param.Name);
    });

} // namespace
