#include "App.Presenter.BeneficiarioDependenteContrato.h"
#include "App.Presenter.DependenteContrato.h"
#include "App.Presenter.PlanoDependenteContrato.h"
#include "App.Presenter.PlanoPeriodoContrato.h"

#include "App.Adapter.Frame.BeneficiarioDependenteContrato.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"

#include "DateTime.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"

#include "support/ApplicationGuard.h"
#include "support/FakeConnection.h"
#include "support/PresenterContract.h"

#include <QWidget>

#include <gtest/gtest.h>

INSTANTIATE_TYPED_TEST_SUITE_P(DependenteContrato, PresenterContract, TDependenteContratoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(BeneficiarioDependenteContrato,
                               PresenterContract,
                               TBeneficiarioDependenteContratoPresenter);

namespace {

const char *const kMembros = R"({"total":1,"pages":1,"listHelper":[{"id":3,"idPessoa":40,)"
                             R"("pessoa":"ANA","codigoParentesco":"02"}]})";

struct MemberRoute
{
    const char *name;
    bool byPlano;
    bool ativo;
    bool faixaEtaria;
    const char *path;
    const char *faixaParam; // nullptr: not sent
};

class DependenteContratoRouteTest : public ::testing::TestWithParam<MemberRoute>
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    std::unique_ptr<TDependenteContratoPresenter> presenter
        = TBasePresenter::Create<TDependenteContratoPresenter>();
};

// The first flag that holds chooses the read; the search text is used by one read only, also
// when that read fails.
TEST_P(DependenteContratoRouteTest, ChoosesTheReadAndUsesTheSearchTextOnce)
{
    const MemberRoute &route = GetParam();
    backend.on("GET", route.path, FakeReply::json(kMembros));
    presenter->IdPrincipal = 7;
    presenter->IdPlano = 25;
    presenter->IsFilterByPlano = route.byPlano;
    presenter->IsFilterDependenteAtivo = route.ativo;
    presenter->IsFilterFaixaEtaria = route.faixaEtaria;
    presenter->SetTextSearch(QStringLiteral("ANA"));
    presenter->findByFilterToDataSet();

    std::vector<RecordedRequest> reads;
    for (const RecordedRequest &request : backend.requests())
        if (request.method == "GET")
            reads.push_back(request);
    ASSERT_EQ(reads.size(), 1u);
    const RecordedRequest &request = reads.front();
    EXPECT_EQ(request.path, route.path);
    EXPECT_EQ(request.param("limit"), "200");
    if (route.faixaParam)
        EXPECT_EQ(request.param("is-filter-faixa-etaria"), route.faixaParam);
    else
        EXPECT_FALSE(request.hasParam("is-filter-faixa-etaria"));
    EXPECT_EQ(presenter->DataSetInfo().RecordCount(), 1);
    EXPECT_TRUE(presenter->TextSearchDependente().isEmpty());

    presenter->SetTextSearch(QStringLiteral("ANA"));
    backend.on("GET", route.path, FakeReply::json(R"({"message":"ERROR:Falhou."})", 500));
    EXPECT_THROW(presenter->findByFilterToDataSet(), Exception);
    EXPECT_TRUE(presenter->TextSearchDependente().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Routes,
    DependenteContratoRouteTest,
    ::testing::Values(MemberRoute { "ByPlanoWinsOverTheOtherFlags",
                                    true,
                                    true,
                                    true,
                                    "/dependente-contrato/contrato/7/plano/25",
                                    nullptr },
                      MemberRoute { "AgeBandAloneReadsActiveMembers",
                                    false,
                                    false,
                                    true,
                                    "/dependente-contrato/ativo/7",
                                    "-1" },
                      MemberRoute {
                          "ActiveOnly", false, true, false, "/dependente-contrato/ativo/7", "0" },
                      MemberRoute { "NeitherReadsTheContract",
                                    false,
                                    false,
                                    false,
                                    "/dependente-contrato/contrato/7",
                                    nullptr }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DependenteContratoSearchTest, ActiveReadSendsTheSearchTextOnlyTheFirstTime)
{
    FakeBackend backend;
    FakeConnection fake { backend };
    auto presenter = TBasePresenter::Create<TDependenteContratoPresenter>();
    backend.on("GET", "/dependente-contrato/ativo/7", FakeReply::json(kMembros));
    presenter->IdPrincipal = 7;
    presenter->IsFilterDependenteAtivo = true;
    presenter->SetTextSearch(QStringLiteral("ANA MARIA"));
    presenter->findByFilterToDataSet();
    presenter->findByFilterToDataSet();
    const auto reads = backend.requests("GET", "/dependente-contrato/ativo/7");
    ASSERT_EQ(reads.size(), 2u);
    EXPECT_EQ(reads[0].param("search"), "ANA MARIA");
    EXPECT_FALSE(reads[1].hasParam("search"));
}

class DependenteContratoPresenterTest : public ::testing::Test
{
protected:
    // A row in a sub-registration table: its ID_REGISTRO.
    static std::int64_t appendRow(TMemTable &ATable, std::int64_t AId, std::int64_t AIdRegistroFK)
    {
        if (!ATable.Active())
            ATable.Open();
        ATable.Append();
        ATable.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(AId);
        ATable.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->SetAsLargeInt(AIdRegistroFK);
        ATable.Post();
        return ATable.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt();
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    std::unique_ptr<TDependenteContratoPresenter> presenter
        = TBasePresenter::Create<TDependenteContratoPresenter>();
};

TEST_F(DependenteContratoPresenterTest, RemovedMemberTakesItsServicesAndBeneficiariesAlong)
{
    // Stand-ins of the member services' and beneficiaries' tables: only the keys matter.
    auto servicos = TBasePresenter::Create<TBeneficiarioDependenteContratoPresenter>();
    auto beneficiarios = TBasePresenter::Create<TBeneficiarioDependenteContratoPresenter>();
    QStringList removedMembers, removedServicos, removedBeneficiarios;
    presenter->SetListRemove(&removedMembers);
    presenter->DataSetServicoDependente = &servicos->DataSetInfo();
    presenter->ListRemoveServicoDependente = &removedServicos;
    presenter->DataSetBeneficiarioDependenteContrato = &beneficiarios->DataSetInfo();
    presenter->ListRemoveBeneficiarioDependenteContrato = &removedBeneficiarios;

    const std::int64_t member = appendRow(presenter->DataSetInfo(), 5, 1);
    const std::int64_t other = appendRow(presenter->DataSetInfo(), 6, 1);
    appendRow(servicos->DataSetInfo(), 31, member);
    appendRow(servicos->DataSetInfo(), 32, member);
    appendRow(servicos->DataSetInfo(), 33, other);
    appendRow(beneficiarios->DataSetInfo(), 0, member);

    EXPECT_TRUE(presenter->Delete(member));
    EXPECT_EQ(removedMembers, QStringList { QStringLiteral("5") });
    EXPECT_EQ(removedServicos, (QStringList { QStringLiteral("31"), QStringLiteral("32") }));
    EXPECT_TRUE(removedBeneficiarios.isEmpty());
    EXPECT_EQ(servicos->AllRecordCount(), 1) << "the other member's service stays";
    EXPECT_EQ(beneficiarios->AllRecordCount(), 0);
    EXPECT_EQ(presenter->AllRecordCount(), 1);
}

TEST_F(DependenteContratoPresenterTest, LeaveReasonsAreFoundByCodeInTheSystemList)
{
    backend.on("GET", "/lista-sistema/", [](const RecordedRequest &request) {
        return FakeReply::json(
            request.param("search") == "04"
                ? R"({"listHelper":[{"id":5000000004,"codigo":"04","descricao":"ÓBITO"}]})"
                : R"({"listHelper":[{"id":77,"codigo":"01","descricao":"FINAL"}]})");
    });
    EXPECT_EQ(presenter->findIdBaixaFalecimento(), 5000000004);
    auto request = backend.last("GET", "/lista-sistema/");
    EXPECT_EQ(request->param("search"), "04");
    EXPECT_EQ(request->param("fix-filter"), "BAIXA_CONTRATO");
    EXPECT_EQ(presenter->findIdBaixaFinalizacaoContrato(), 77);
    EXPECT_EQ(backend.last("GET", "/lista-sistema/")->param("search"), "01");

    backend.on("GET", "/lista-sistema/", FakeReply::empty(304));
    EXPECT_EQ(presenter->findIdBaixaFalecimento(), 0);
}

TEST_F(DependenteContratoPresenterTest, SavedMemberKeepsTheLookupsTextsAndKinshipCode)
{
    ApplicationGuard application;
    QWidget host;
    TManagerControl &manager = presenter->ManagerControls();
    auto *pessoa = new TEdit(&host, QStringLiteral("EditPessoa"));
    auto *parentesco = new TEdit(&host, QStringLiteral("EditListaParentesco"));
    TItemControl &pessoaItem = manager.Bind(pessoa, QStringLiteral("Segurado"))
                                   .Lookup(QStringLiteral("TPesquisaPessoa"))
                                   .Item();
    TItemControl &parentescoItem = manager.Bind(parentesco, QStringLiteral("Parentesco"))
                                       .Lookup(QStringLiteral("TPesquisaLista"))
                                       .Item();
    presenter->Clear(false, false);
    pessoa->setText(QStringLiteral("MARIA DA SILVA"));
    pessoaItem.Id = 40;
    pessoaItem.OtherInfo = QStringLiteral("15/03/1980");
    parentesco->setText(QStringLiteral("TITULAR"));
    parentescoItem.Id = 1;
    parentescoItem.OtherInfo = QStringLiteral("01");
    presenter->Post();

    TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 1);
    table.First();
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID_PESSOA"))->AsLargeInt(), 40);
    EXPECT_EQ(table.FieldByName(QStringLiteral("PESSOA"))->AsString(),
              QStringLiteral("MARIA DA SILVA"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("PARENTESCO"))->AsString(),
              QStringLiteral("TITULAR"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("CODIGO_PARENTESCO"))->AsString(),
              QStringLiteral("01"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("DATA_NASCIMENTO"))->AsDateTime(),
              EncodeDate(1980, 3, 15));

    // A person without a birth date is still a member: the row holds no date.
    presenter->Clear(false, false);
    presenter->IdRegistro = 0;
    pessoa->setText(QStringLiteral("JOÃO SEM DATA"));
    pessoaItem.Id = 41;
    pessoaItem.OtherInfo.clear();
    parentesco->setText(QStringLiteral("FILHO(A)"));
    parentescoItem.Id = 2;
    parentescoItem.OtherInfo = QStringLiteral("02");
    presenter->Post();
    ASSERT_TRUE(table.Locate(QStringLiteral("ID_PESSOA"), TFieldValue(std::int64_t(41))));
    EXPECT_EQ(table.FieldByName(QStringLiteral("DATA_NASCIMENTO"))->AsDateTime(), TDateTime());
}

TEST(BeneficiarioDependenteContratoTest, ReadsByContractAndShowsTheShareWithFourDecimals)
{
    ApplicationGuard application;
    FakeBackend backend;
    FakeConnection fake { backend };
    backend.on("GET",
               "/beneficiario-dependente-contrato/contrato/7",
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":9,)"
                               R"("idDependenteContrato":3000000000,"pessoa":"JOSÉ",)"
                               R"("percentualParticipacao":12.5,"parentesco":"FILHO"}]})"));
    auto presenter = TBasePresenter::Create<TBeneficiarioDependenteContratoPresenter>();
    presenter->IdPrincipal = 7;
    presenter->findByFilterToDataSet();
    EXPECT_EQ(backend.last("GET", "/beneficiario-dependente-contrato/contrato/7")->param("limit"),
              "100");
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 1);
    table.First();
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID_DEPENDENTE_CONTRATO"))->AsLargeInt(),
              3000000000);

    QWidget host;
    auto *row = TFrameBaseAdapter::New<TBeneficiarioDependenteContratoFrameAdapter>(&host, table);
    EXPECT_EQ(row->LabelPercentualParticipacao->text(), QStringLiteral("12,5000"));
    EXPECT_EQ(row->LabelPessoa->text(), QStringLiteral("JOSÉ"));
    EXPECT_EQ(row->LabelParentesco->text(), QStringLiteral("FILHO"));
}

// Ids past 2,147,483,647 must survive the tables: every id and system-list column is 64-bit.
TEST(ContractChildTablesTest, EveryIdColumnIsSixtyFourBit)
{
    std::vector<std::unique_ptr<TBasePresenter>> presenters;
    presenters.push_back(TBasePresenter::Create<TDependenteContratoPresenter>());
    presenters.push_back(TBasePresenter::Create<TBeneficiarioDependenteContratoPresenter>());
    presenters.push_back(TBasePresenter::Create<TPlanoDependenteContratoPresenter>());
    presenters.push_back(TBasePresenter::Create<TPlanoPeriodoContratoPresenter>());
    for (const auto &presenter : presenters) {
        const TMemTable &table = presenter->DataSetInfo();
        int ids = 0;
        for (int index = 0; index < table.FieldCount(); ++index) {
            const TField *field = table.Fields(index);
            const QString name = field->FieldName();
            if (name == QStringLiteral("ID_REGISTRO")
                || !(name.startsWith(QStringLiteral("ID_"))
                     || name.startsWith(QStringLiteral("LISTA_"))))
                continue;
            ++ids;
            EXPECT_EQ(field->DataType(), TFieldType::LargeInt)
                << presenter->ClassName().toStdString() << " " << name.toStdString();
        }
        EXPECT_GE(ids, 4) << presenter->ClassName().toStdString();
    }
}

} // namespace
