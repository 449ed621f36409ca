#include "App.Presenter.Convenio.h"
#include "App.Presenter.Especialidade.h"
#include "App.Presenter.EspecialidadeProfissionalConvenio.h"
#include "App.Presenter.ProfissionalConvenio.h"
#include "App.Presenter.ServicoConvenio.h"
#include "App.Service.EspecialidadeProfissionalConvenio.h"
#include "App.Service.ProfissionalConvenio.h"
#include "App.Service.ServicoConvenio.h"
#include "Common.Dto.EspecialidadeProfissionalConvenio.h"
#include "Common.Dto.ProfissionalConvenio.h"
#include "Common.Dto.ServicoConvenio.h"

#include "support/FakeConnection.h"
#include "support/PresenterContract.h"

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Convenio, PresenterContract, TConvenioPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(Especialidade, PresenterContract, TEspecialidadePresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(ProfissionalConvenio,
                               PresenterContract,
                               TProfissionalConvenioPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(EspecialidadeProfissionalConvenio,
                               PresenterContract,
                               TEspecialidadeProfissionalConvenioPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(ServicoConvenio, PresenterContract, TServicoConvenioPresenter);

class ConvenioReadTest : public ::testing::Test
{
protected:
    // A first-page read: paged, page 1 of 100, nothing else.
    void expectFirstPage(const char *APath)
    {
        const auto request = backend.last("GET", APath);
        ASSERT_TRUE(request) << APath;
        EXPECT_EQ(request->header("X-Paginate"), "true") << APath;
        EXPECT_EQ(request->param("page"), "1") << APath;
        EXPECT_EQ(request->param("limit"), "100") << APath;
        EXPECT_FALSE(request->param("search")) << APath;
        EXPECT_FALSE(request->param("fix-filter")) << APath;
        EXPECT_TRUE(request->body.empty()) << APath;
    }

    FakeBackend backend;
    FakeConnection fake { backend };
};

// The plan window links every agreement at once through this read: whatever the agreement
// window's filter bar or search holds, it asks for the first page plainly.
TEST_F(ConvenioReadTest, FirstPageOfAgreementsIgnoresSearchAndFilterAndA304IsNoList)
{
    const auto presenter = TBasePresenter::Create<TConvenioPresenter>();
    presenter->TextSearch = QStringLiteral("VIDA");
    presenter->ValueFixFilter = QStringLiteral("X");
    presenter->filter()->IdEspecialidade = QStringLiteral("7#CARDIOLOGIA");
    backend.on("GET",
               "/convenio",
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":600,"idPessoa":9,)"
                               R"("desconto":15,"pessoa":"CLÍNICA VIDA","segmento":"SAÚDE",)"
                               R"("quantidadeUnidades":2}]})"));
    const auto rows = presenter->findAllFirstPage();
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ(rows->front()->Pessoa, QStringLiteral("CLÍNICA VIDA"));
    EXPECT_DOUBLE_EQ(rows->front()->Desconto, 15);
    EXPECT_EQ(rows->front()->QuantidadeUnidades, 2);
    expectFirstPage("/convenio");

    backend.on("GET", "/convenio", FakeReply::empty(304));
    EXPECT_FALSE(presenter->findAllFirstPage());
}

// The three child reads of an opened agreement: the first page under the agreement, nothing for
// a 304 or for a reply that is no JSON.
TEST_F(ConvenioReadTest, ChildListsAreReadByTheAgreementsIdAndNoJsonIsNoList)
{
    backend.on("GET",
               "/profissional-convenio/convenio/5",
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":1,"idPessoa":9,)"
                               R"("profissional":"ANA","especialidades":"CARDIOLOGIA"}]})"));
    backend.on("GET",
               "/especialidade-profissional-convenio/convenio/5",
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":2,)"
                               R"("idProfissionalConvenio":1,"idEspecialidade":7,)"
                               R"("especialidade":"CARDIOLOGIA"}]})"));
    backend.on("GET",
               "/servico-convenio/convenio/5",
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":3,"idConvenio":5,)"
                               R"("idServico":4,"servico":"TRANSLADO","valorServico":300.5}]})"));
    const auto profissionais = TProfissionalConvenioService().fillProfissionalConvenio(5);
    const auto especialidades
        = TEspecialidadeProfissionalConvenioService().fillEspecialidadeProfissionalConvenio(5);
    const auto servicos = TServicoConvenioService().fillServicoConvenio(5);
    ASSERT_TRUE(profissionais && especialidades && servicos);
    EXPECT_EQ(profissionais->front()->Especialidades, QStringLiteral("CARDIOLOGIA"));
    EXPECT_EQ(especialidades->front()->IdProfissionalConvenio, 1);
    EXPECT_DOUBLE_EQ(servicos->front()->ValorServico, 300.5);
    expectFirstPage("/profissional-convenio/convenio/5");
    expectFirstPage("/especialidade-profissional-convenio/convenio/5");
    expectFirstPage("/servico-convenio/convenio/5");

    backend.on("GET", "/servico-convenio/convenio/5", FakeReply::empty(304));
    EXPECT_FALSE(TServicoConvenioService().fillServicoConvenio(5));
    backend.on("GET",
               "/profissional-convenio/convenio/5",
               FakeReply::text("<html>Bad Gateway</html>", 200));
    EXPECT_FALSE(TProfissionalConvenioService().fillProfissionalConvenio(5));
}

} // namespace
