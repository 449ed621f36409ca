#include "App.Presenter.PlanoDependenteContrato.h"

#include "App.Adapter.Frame.PlanoDependenteContrato.h"
#include "App.Lib.Application.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.Theme.h"

#include "CheckBox.h"
#include "DateEdit.h"
#include "Edit.h"
#include "MemTable.h"
#include "Shapes.h"

#include "support/ApplicationGuard.h"
#include "support/FakeConnection.h"
#include "support/PresenterContract.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <string>

INSTANTIATE_TYPED_TEST_SUITE_P(PlanoDependenteContrato,
                               PresenterContract,
                               TPlanoDependenteContratoPresenter);

namespace {

// A page of links with ids from AFirst, announcing APages pages of 450 links in all.
std::string linkPage(int AFirst, int ACount, int APages)
{
    std::string rows;
    for (int id = AFirst; id < AFirst + ACount; ++id) {
        if (!rows.empty())
            rows += ',';
        rows += R"({"id":)" + std::to_string(id) + R"(,"idPlano":25,"idPessoa":40})";
    }
    return R"({"total":450,"pages":)" + std::to_string(APages) + R"(,"listHelper":[)" + rows + "]}";
}

struct LinkRoute
{
    const char *name;
    bool byContrato;
    bool byPlanoPeriodo;
    const char *path;
};

class PlanoDependenteContratoRouteTest : public ::testing::TestWithParam<LinkRoute>
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    std::unique_ptr<TPlanoDependenteContratoPresenter> presenter
        = TBasePresenter::Create<TPlanoDependenteContratoPresenter>();
};

// The flags choose the route once: after the read, also a failed one, both are false again.
TEST_P(PlanoDependenteContratoRouteTest, FlagsChooseTheRouteForOneReadOnly)
{
    const LinkRoute &route = GetParam();
    backend.on("GET", route.path, FakeReply::json(linkPage(1, 2, 1)));
    presenter->IdPrincipal = 7;
    presenter->FilterIdContrato = route.byContrato;
    presenter->FilterIdPlanoPeriodo = route.byPlanoPeriodo;
    presenter->findByFilterToDataSet();
    const auto request = backend.last("GET", route.path);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->param("limit"), "400");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(presenter->DataSetInfo().RecordCount(), 2);
    EXPECT_FALSE(presenter->FilterIdContrato);
    EXPECT_FALSE(presenter->FilterIdPlanoPeriodo);

    presenter->FilterIdContrato = route.byContrato;
    presenter->FilterIdPlanoPeriodo = route.byPlanoPeriodo;
    backend.on("GET", route.path, FakeReply::json(R"({"message":"ERROR:Falhou."})", 500));
    EXPECT_THROW(presenter->findByFilterToDataSet(), Exception);
    EXPECT_FALSE(presenter->FilterIdContrato);
    EXPECT_FALSE(presenter->FilterIdPlanoPeriodo);
}

INSTANTIATE_TEST_SUITE_P(
    Routes,
    PlanoDependenteContratoRouteTest,
    ::testing::Values(
        LinkRoute { "ByContractWinsOverPlan", true, true, "/plano-dependente-contrato/contrato/7" },
        LinkRoute {
            "ByPlanOfPeriod", false, true, "/plano-dependente-contrato/plano-periodo-contrato/7" },
        LinkRoute { "ByMember", false, false, "/plano-dependente-contrato/dependente-contrato/7" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlanoDependenteContratoServiceTest, ContractOfMoreLinksThanAPageReadsEveryPage)
{
    FakeBackend backend;
    FakeConnection fake { backend };
    backend.on("GET", "/plano-dependente-contrato/contrato/7", [](const RecordedRequest &request) {
        return FakeReply::json(request.param("page") == "1" ? linkPage(1, 400, 2)
                                                            : linkPage(401, 50, 2));
    });
    auto presenter = TBasePresenter::Create<TPlanoDependenteContratoPresenter>();
    presenter->IdPrincipal = 7;
    presenter->FilterIdContrato = true;
    presenter->findByFilterToDataSet();
    const auto reads = backend.requests("GET", "/plano-dependente-contrato/contrato/7");
    ASSERT_EQ(reads.size(), 2u);
    EXPECT_EQ(reads[1].param("page"), "2");
    EXPECT_EQ(reads[1].param("limit"), "400");
    TMemTable &table = presenter->DataSetInfo();
    EXPECT_EQ(table.RecordCount(), 450);
    EXPECT_TRUE(table.Locate(QStringLiteral("ID"), TFieldValue(std::int64_t(450))));
}

class PlanoDependenteContratoFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        row = new TPlanoDependenteContratoFrameAdapter(&host);
        row->ProcSelectParcela = [this](TFrameBaseAdapter *AFrame) {
            EXPECT_EQ(AFrame, row);
            ++selections;
        };
    }
    TAlphaColor despesa() const
    {
        return TApplicationZunta::GetInstance().ThemeApp().ColorFinanceiro().TipoDespesa;
    }

    ApplicationGuard application;
    QWidget host;
    TPlanoDependenteContratoFrameAdapter *row = nullptr;
    int selections = 0;
};

TEST_F(PlanoDependenteContratoFrameTest, StartsTickedWithoutButtons)
{
    EXPECT_TRUE(row->CheckBoxIsAtivo->isChecked());
    EXPECT_TRUE(row->LayoutButtons->isHidden());
    EXPECT_EQ(row->RectangleColorStatus->fillColor(), TAlphaColor(0xFF708090));
    ASSERT_NE(row->FindItemControl(QStringLiteral("EditMotivo")), nullptr);
    EXPECT_EQ(row->FindItemControl(QStringLiteral("EditMotivo"))->ValueFixFilter,
              QStringLiteral("09"));
}

TEST_F(PlanoDependenteContratoFrameTest, UntickingClearsAndDisablesDatesAndReason)
{
    row->DateEditDataInicial->setText(QStringLiteral("01/02/2026"));
    row->DateEditDataFinal->setText(QStringLiteral("01/03/2026"));
    row->EditMotivo->setText(QStringLiteral("FINAL DE CONTRATO"));
    row->CheckBoxIsAtivo->setChecked(false);
    EXPECT_EQ(selections, 1);
    EXPECT_TRUE(row->DateEditDataInicial->isEmpty());
    EXPECT_TRUE(row->DateEditDataFinal->isEmpty());
    EXPECT_TRUE(row->EditMotivo->text().isEmpty());
    EXPECT_FALSE(row->DateEditDataInicial->isEnabled());
    EXPECT_FALSE(row->DateEditDataFinal->isEnabled());
    EXPECT_FALSE(row->EditMotivo->isEnabled());
    EXPECT_EQ(row->RectangleColorStatus->fillColor(), despesa());

    row->CheckBoxIsAtivo->setChecked(true);
    EXPECT_EQ(selections, 2);
    EXPECT_EQ(row->RectangleColorStatus->fillColor(), TAlphaColor(0xFF708090));
    EXPECT_TRUE(row->DateEditDataInicial->isEnabled());
    EXPECT_TRUE(row->EditMotivo->isEnabled());
    EXPECT_TRUE(row->DateEditDataInicial->isEmpty()) << "ticking again brings no dates back";
}

TEST_F(PlanoDependenteContratoFrameTest, NaoVerificarSelecaoSilencesOneChangeOnly)
{
    row->NaoVerificarSelecao = true;
    row->CheckBoxIsAtivo->setChecked(false);
    EXPECT_EQ(selections, 0);
    EXPECT_FALSE(row->NaoVerificarSelecao);
    row->CheckBoxIsAtivo->setChecked(true);
    EXPECT_EQ(selections, 1);
}

} // namespace
