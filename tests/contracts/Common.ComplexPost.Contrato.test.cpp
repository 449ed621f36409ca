#include "Common.ComplexPost.Contrato.h"
#include "Common.Lib.JSON.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "support/TestTexts.h"

#include <gtest/gtest.h>

namespace {

QJsonObject contratoJsonOf(const TSerializeObject &AObject)
{
    return QJsonDocument::fromJson(AObject.AsJson().toUtf8()).object();
}

std::unique_ptr<TDependenteContratoComplexPost> dependenteWithChildren(std::int64_t AId)
{
    auto dependente = std::make_unique<TDependenteContratoComplexPost>();
    dependente->Id = AId;
    auto servico = std::make_unique<TServicoDependenteEntity>();
    servico->IdServico = AId * 10;
    dependente->ServicoDependentes->push_back(std::move(servico));
    auto beneficiario = std::make_unique<TBeneficiarioDependenteContratoEntity>();
    beneficiario->IdPessoa = AId * 100;
    dependente->BeneficiarioDependenteContratos->push_back(std::move(beneficiario));
    dependente->RemoveServicoDependentes->push_back(AId + 1);
    return dependente;
}

// Every list exists from the start and goes out as the list wrapper, in declaration order; the
// payment-API pair is the one whose removed ids come first.
TEST(ContratoComplexPostTest, FreshBodyWritesEveryListEmptyInOrder)
{
    const TContratoComplexPost contrato;
    const QString empty = QStringLiteral(R"({"listHelper":[]})");
    const QString zeroDate = QStringLiteral(R"("1899-12-30T00:00:00.000Z")");
    const QString expected
        = QStringLiteral(
              R"({"isAtualizaValoresContrato":false,"isAtualizaDataFinalDependentes":false,)")
        + QStringLiteral(R"("dataFinalAtualizada":)") + zeroDate
        + QStringLiteral(R"(,"ocorrenciaManual":"","isAlteracaoFinanceiroCarteira":false,)")
        + QStringLiteral(R"("dependenteContratos":%1,"removeDependenteContratos":%1,)"
                         R"("periodoContratos":%1,"removePeriodoContratos":%1,)"
                         R"("servicoContratos":%1,"removeServicoContratos":%1,)"
                         R"("enderecos":%1,"removeEnderecos":%1,"contatos":%1,"removeContatos":%1,)"
                         R"("removePessoaIntegracaoApis":%1,"pessoaIntegracaoApis":%1,)"
                         R"("assinaturaContratoIntegracaos":%1,)"
                         R"("removeAssinaturaContratoIntegracaos":%1,)"
                         R"("planoDependenteContratos":%1,"removePlanoDependenteContratos":%1,)"
                         R"("resetarSenhaWebContatos":%1,)")
              .arg(empty)
        + QStringLiteral(R"("idCarteira":0,"codigo":0,"diaVencimento":0,"listaFormaRecebimento":0,)"
                         R"("aviso":"","observacao":"","idEmpresa":0,"ordemCobranca":0,)"
                         R"("ordemColaborador":0,"horarioCobranca":)")
        + zeroDate + QStringLiteral(R"(,"id":0,"idOwner":0,"dataCadastro":)") + zeroDate
        + QStringLiteral(R"(,"nameClass":"TContratoComplexPost"})");
    EXPECT_EQ(contrato.AsJson(), expected);

    const TDependenteContratoComplexPost dependente;
    const QJsonObject member = contratoJsonOf(dependente);
    const QStringList memberLists { "servicoDependentes",
                                    "removeServicoDependentes",
                                    "removeBeneficiarioDependenteContratos",
                                    "beneficiarioDependenteContratos" };
    for (const QString &name : memberLists)
        EXPECT_TRUE(listOf(member, name.toLatin1().constData()).isEmpty()
                    && member.value(name).isObject())
            << name.toStdString();
    const QString periodo = TPeriodoContratoComplexPost().AsJson();
    EXPECT_TRUE(periodo.startsWith(
        QStringLiteral(R"({"planoPeriodoContratos":%1,"removePlanoPeriodoContratos":%1,)")
            .arg(empty)))
        << periodo.toStdString();
}

// Clearing frees the nested members with their own children (the sanitizer build reports a
// leak otherwise); a body filled again writes only what it holds now.
TEST(ContratoComplexPostTest, ClearedBodyFilledAgainWritesOnlyTheNewChildren)
{
    TContratoComplexPost contrato;
    contrato.Codigo = 55;
    contrato.DependenteContratos->push_back(dependenteWithChildren(1));
    contrato.DependenteContratos->push_back(dependenteWithChildren(2));
    auto periodo = std::make_unique<TPeriodoContratoComplexPost>();
    periodo->PlanoPeriodoContratos->push_back(std::make_unique<TPlanoPeriodoContratoEntity>());
    contrato.PeriodoContratos->push_back(std::move(periodo));
    contrato.Enderecos->push_back(std::make_unique<TEnderecoEntity>());
    contrato.RemoveContatos->push_back(4);
    contrato.ResetarSenhaWebContatos->push_back(6);
    contrato.RemovePessoaIntegracaoApis->push_back(8);

    contrato.Clear();
    EXPECT_EQ(contrato.Codigo, 0);
    const QJsonObject cleared = contratoJsonOf(contrato);
    for (auto it = cleared.begin(); it != cleared.end(); ++it) {
        if (it.value().isObject()) {
            EXPECT_TRUE(listOf(cleared, it.key().toLatin1().constData()).isEmpty())
                << it.key().toStdString();
        }
    }

    contrato.DependenteContratos->push_back(dependenteWithChildren(3));
    const QJsonObject body = contratoJsonOf(contrato);
    const QJsonArray members = listOf(body, "dependenteContratos");
    ASSERT_EQ(members.size(), 1);
    const QJsonObject member = members.first().toObject();
    EXPECT_EQ(member.value("id").toInteger(), 3);
    EXPECT_EQ(listOf(member, "servicoDependentes").size(), 1);
    EXPECT_EQ(listOf(member, "beneficiarioDependenteContratos").size(), 1);
    EXPECT_EQ(listOf(member, "removeServicoDependentes"), QJsonArray { 4 });
    EXPECT_TRUE(listOf(body, "periodoContratos").isEmpty());
    EXPECT_TRUE(listOf(body, "enderecos").isEmpty());
    EXPECT_TRUE(listOf(body, "resetarSenhaWebContatos").isEmpty());

    // A member cleared on its own empties its lists too.
    TDependenteContratoComplexPost &first = *contrato.DependenteContratos->front();
    first.Clear();
    EXPECT_TRUE(first.ServicoDependentes->empty());
    EXPECT_TRUE(first.BeneficiarioDependenteContratos->empty());
    EXPECT_TRUE(first.RemoveServicoDependentes->empty());
}

// Every id is 64-bit: the add-on of a contract service and the system-list ids of members and
// beneficiaries too.
TEST(ContratoComplexPostTest, IdsAbove32BitsRoundTrip)
{
    constexpr std::int64_t big = 3000000000;
    TContratoComplexPost contrato;
    contrato.Id = big;
    contrato.ListaFormaRecebimento = big + 1;
    auto dependente = dependenteWithChildren(big + 2);
    dependente->ListaParentesco = big + 3;
    dependente->ListaBaixaContrato = big + 4;
    dependente->ListaMotivoBaixa = big + 5;
    dependente->BeneficiarioDependenteContratos->front()->ListaParentesco = big + 6;
    dependente->BeneficiarioDependenteContratos->front()->ListaMotivo = big + 7;
    contrato.DependenteContratos->push_back(std::move(dependente));
    auto servico = std::make_unique<TServicoContratoEntity>();
    servico->IdAdicionalContratoPlano = big + 8;
    contrato.ServicoContratos->push_back(std::move(servico));
    auto vinculo = std::make_unique<TPlanoDependenteContratoComplexPost>();
    vinculo->IdPessoa = big + 9;
    contrato.PlanoDependenteContratos->push_back(std::move(vinculo));
    contrato.RemovePlanoDependenteContratos->push_back(big + 10);

    const auto read = TDravikJson::JsonToObject<TContratoComplexPost>(contrato.AsJson());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Id, big);
    EXPECT_EQ(read->ListaFormaRecebimento, big + 1);
    ASSERT_EQ(read->DependenteContratos->size(), 1u);
    const TDependenteContratoComplexPost &member = *read->DependenteContratos->front();
    EXPECT_EQ(member.Id, big + 2);
    EXPECT_EQ(member.ListaParentesco, big + 3);
    EXPECT_EQ(member.ListaBaixaContrato, big + 4);
    EXPECT_EQ(member.ListaMotivoBaixa, big + 5);
    EXPECT_EQ(member.ServicoDependentes->front()->IdServico, (big + 2) * 10);
    EXPECT_EQ(member.BeneficiarioDependenteContratos->front()->ListaParentesco, big + 6);
    EXPECT_EQ(member.BeneficiarioDependenteContratos->front()->ListaMotivo, big + 7);
    EXPECT_EQ(read->ServicoContratos->front()->IdAdicionalContratoPlano, big + 8);
    EXPECT_EQ(read->PlanoDependenteContratos->front()->IdPessoa, big + 9);
    EXPECT_EQ(*read->RemovePlanoDependenteContratos, TListInt64 { big + 10 });
    EXPECT_EQ(read->AsJson(), contrato.AsJson());
}

} // namespace
