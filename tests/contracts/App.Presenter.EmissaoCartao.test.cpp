#include "App.Presenter.EmissaoCartao.h"
#include "Common.Dto.DependenteContrato.ValidadeCartao.h"

#include "SysUtils.h"

#include "support/FakeConnection.h"

#include <gtest/gtest.h>

namespace {

TEST(EmissaoCartaoPresenterTest, ReadsTheValiditiesOfWholeNumberIdsAndRefusesAnyOtherText)
{
    FakeBackend backend;
    FakeConnection fake { backend };
    backend.on("GET",
               "/dependente-contrato/validade-cartao",
               FakeReply::json(R"({"listHelper":[{"dataValidadeCartao":"2027-03-31T00:00:00.000Z",)"
                               R"("idContrato":7}]})"));
    const auto presenter = TBasePresenter::Create<TEmissaoCartaoPresenter>();

    const auto rows = presenter->findValidadeCartao({ QStringLiteral("5000000001"),
                                                      QStringLiteral("12") });
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->size(), 1U);
    const auto request = backend.last("GET", "/dependente-contrato/validade-cartao");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->body, R"({"listHelper":[5000000001,12]})");

    EXPECT_THROW(presenter->findValidadeCartao({ QStringLiteral("12"), QStringLiteral("1,5") }),
                 EConvertError);
    EXPECT_EQ(backend.count("GET", "/dependente-contrato/validade-cartao"), 1U);
}

} // namespace
