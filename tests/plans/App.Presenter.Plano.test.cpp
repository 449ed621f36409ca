#include "App.Connector.Plano.h"
#include "App.Presenter.AdicionalContratoPlano.h"
#include "App.Presenter.CarenciaPlano.h"
#include "App.Presenter.ConvenioPlano.h"
#include "App.Presenter.DependentePlano.h"
#include "App.Presenter.FaixaEtariaPlano.h"
#include "App.Presenter.Plano.h"
#include "App.Presenter.ServicoDependentePlano.h"
#include "App.Presenter.ServicoPlano.h"
#include "App.Presenter.ValorPlano.h"
#include "App.Presenter.VendedorPlano.h"
#include "App.Service.AdicionalContratoPlano.h"
#include "App.Service.ServicoDependentePlano.h"
#include "Common.Dto.AdicionalContratoPlano.h"
#include "Common.Dto.ServicoDependentePlano.h"

#include "App.Lib.ManagerControls.h"
#include "Edit.h"
#include "MemTable.h"
#include "SysUtils.h"

#include "ServicoChildPresenterTest.h"
#include "support/FakeConnection.h"
#include "support/PresenterContract.h"
#include "support/TestTexts.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

#include <functional>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Plano, PresenterContract, TPlanoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(ValorPlano, PresenterContract, TValorPlanoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(DependentePlano, PresenterContract, TDependentePlanoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(ServicoDependentePlano,
                               PresenterContract,
                               TServicoDependentePlanoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(CarenciaPlano, PresenterContract, TCarenciaPlanoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(ServicoPlano, PresenterContract, TServicoPlanoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(FaixaEtariaPlano, PresenterContract, TFaixaEtariaPlanoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(AdicionalContratoPlano,
                               PresenterContract,
                               TAdicionalContratoPlanoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(ConvenioPlano, PresenterContract, TConvenioPlanoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(VendedorPlano, PresenterContract, TVendedorPlanoPresenter);

void addPlanoRow(TMemTable &ATable,
                 std::initializer_list<std::pair<const char *, TFieldValue>> AValues)
{
    ATable.Append();
    for (const auto &[column, value] : AValues)
        ATable.FieldByName(QLatin1String(column))->SetValue(value);
    ATable.Post();
}

const char *const kChildLists[]
    = { "valorPlanos",       "servicoPlanos",           "dependentePlanos", "carenciaPlanos",
        "faixaEtariaPlanos", "adicionalContratoPlanos", "convenioPlanos",   "vendedorPlanos" };
const char *const kRemoveLists[]
    = { "removeValorPlanos",    "removeServicoPlanos",     "removeDependentePlanos",
        "removeCarenciaPlanos", "removeFaixaEtariaPlanos", "removeAdicionalContratoPlanos",
        "removeConvenioPlanos", "removeVendedorPlanos" };

// The plan presenter wired to the nine child presenters as the plan window wires them.
class PlanoSaveTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    std::unique_ptr<TPlanoPresenter> presenter = TBasePresenter::Create<TPlanoPresenter>();
    std::unique_ptr<TServicoDependentePlanoPresenter> servicosDependente
        = TBasePresenter::Create<TServicoDependentePlanoPresenter>();
    std::unique_ptr<TDependentePlanoPresenter> dependentes
        = TBasePresenter::Create<TDependentePlanoPresenter>();
    std::unique_ptr<TCarenciaPlanoPresenter> carencias
        = TBasePresenter::Create<TCarenciaPlanoPresenter>();
    std::unique_ptr<TServicoPlanoPresenter> servicos
        = TBasePresenter::Create<TServicoPlanoPresenter>();
    std::unique_ptr<TValorPlanoPresenter> valores = TBasePresenter::Create<TValorPlanoPresenter>();
    std::unique_ptr<TFaixaEtariaPlanoPresenter> faixas
        = TBasePresenter::Create<TFaixaEtariaPlanoPresenter>();
    std::unique_ptr<TAdicionalContratoPlanoPresenter> adicionais
        = TBasePresenter::Create<TAdicionalContratoPlanoPresenter>();
    std::unique_ptr<TConvenioPlanoPresenter> convenios
        = TBasePresenter::Create<TConvenioPlanoPresenter>();
    std::unique_ptr<TVendedorPlanoPresenter> vendedores
        = TBasePresenter::Create<TVendedorPlanoPresenter>();
    std::unique_ptr<TEdit> editDescricao
        = std::make_unique<TEdit>(nullptr, QStringLiteral("EditDescricao"));

    void SetUp() override
    {
        TPlanoConnector::New({ servicosDependente.get(),
                               dependentes.get(),
                               carencias.get(),
                               servicos.get(),
                               valores.get(),
                               faixas.get(),
                               adicionais.get(),
                               convenios.get(),
                               vendedores.get() })
            .SetPresenterPlano(presenter.get())
            .SetDataSetServicoDependentePlano(&servicosDependente->DataSetInfo())
            .SetDataSetDependentePlano(&dependentes->DataSetInfo())
            .SetDataSetCarenciaPlano(&carencias->DataSetInfo())
            .SetDataSetServicoPlano(&servicos->DataSetInfo())
            .SetDataSetValorPlano(&valores->DataSetInfo())
            .SetDataSetFaixaEtariaPlano(&faixas->DataSetInfo())
            .SetDataSetAdicionalContratoPlano(&adicionais->DataSetInfo())
            .SetDataSetConvenioPlano(&convenios->DataSetInfo())
            .SetDataSetVendedorPlano(&vendedores->DataSetInfo());
        presenter->ManagerControls().Bind(editDescricao.get(), QStringLiteral("Descrição"));
        presenter->ManagerControls().setPropertiesControls();
        backend.on(
            "POST", "/plano/complex", FakeReply::json(R"({"id":90,"descricao":"PLANO OURO"})"));
    }

    // Opens the tables of the given child presenters, as a sub-form does when it is shown.
    static void open(std::initializer_list<TBasePresenter *> APresenters)
    {
        for (TBasePresenter *child : APresenters)
            child->Clear(true, false);
    }

    QJsonObject save()
    {
        editDescricao->setText(QStringLiteral("PLANO OURO"));
        presenter->PostComplex();
        const auto request = backend.last("POST", "/plano/complex");
        return request ? QJsonDocument::fromJson(QByteArray::fromStdString(request->body)).object()
                       : QJsonObject();
    }
};

TEST_F(PlanoSaveTest, WithNoChildTableOpenedEveryListTravelsEmpty)
{
    const QJsonObject body = save();
    EXPECT_EQ(body.value(QStringLiteral("descricao")), QJsonValue(QStringLiteral("PLANO OURO")));
    for (const char *member : kChildLists) {
        ASSERT_TRUE(body.value(QLatin1String(member)).isObject()) << member;
        EXPECT_TRUE(listOf(body, member).isEmpty()) << member;
    }
    for (const char *member : kRemoveLists) {
        ASSERT_TRUE(body.value(QLatin1String(member)).isObject()) << member;
        EXPECT_TRUE(listOf(body, member).isEmpty()) << member;
    }
    EXPECT_EQ(presenter->entity()->Id, 90);
}

// A table never shown sends no rows, but the ids of removed children always travel, an
// unreadable line as 0; the removed extra services have no dependent to travel in.
TEST_F(PlanoSaveTest, ClosedTablesSendNoRowsButTheirRemovedIds)
{
    presenter->ListRemoveValorPlano << QStringLiteral("11") << QStringLiteral("abc");
    presenter->ListRemoveCarenciaPlano << QStringLiteral("12");
    presenter->ListRemoveDependentePlano << QStringLiteral("13");
    presenter->ListRemoveServicoPlano << QStringLiteral("14");
    presenter->ListRemoveFaixaEtariaPlano << QStringLiteral("15");
    presenter->ListRemoveAdicionalContratoPlano << QStringLiteral("16");
    presenter->ListRemoveConvenioPlano << QString();
    presenter->ListRemoveVendedorPlano << QStringLiteral("18");
    presenter->ListRemoveServicoDependentePlano << QStringLiteral("19");
    const QJsonObject body = save();
    EXPECT_EQ(listOf(body, "removeValorPlanos"), (QJsonArray { 11, 0 }));
    EXPECT_EQ(listOf(body, "removeCarenciaPlanos"), (QJsonArray { 12 }));
    EXPECT_EQ(listOf(body, "removeDependentePlanos"), (QJsonArray { 13 }));
    EXPECT_EQ(listOf(body, "removeServicoPlanos"), (QJsonArray { 14 }));
    EXPECT_EQ(listOf(body, "removeFaixaEtariaPlanos"), (QJsonArray { 15 }));
    EXPECT_EQ(listOf(body, "removeAdicionalContratoPlanos"), (QJsonArray { 16 }));
    EXPECT_EQ(listOf(body, "removeConvenioPlanos"), (QJsonArray { 0 }));
    EXPECT_EQ(listOf(body, "removeVendedorPlanos"), (QJsonArray { 18 }));
    for (const char *member : kChildLists)
        EXPECT_TRUE(listOf(body, member).isEmpty()) << member;
    EXPECT_FALSE(QJsonDocument(body).toJson().contains("19"));
}

TEST_F(PlanoSaveTest, EachDependentCarriesItsOwnServicesAndTheFirstAllRemovedServices)
{
    open({ dependentes.get(), servicosDependente.get(), carencias.get(), convenios.get() });
    TMemTable &dependente = dependentes->DataSetInfo();
    addPlanoRow(
        dependente,
        { { "ID", 0 }, { "ID_REGISTRO", 1 }, { "LISTA_PARENTESCO", 3 }, { "FAIXA_ETARIA", 21 } });
    addPlanoRow(
        dependente,
        { { "ID", 44 }, { "ID_REGISTRO", 2 }, { "LISTA_PARENTESCO", 4 }, { "FAIXA_ETARIA", 99 } });
    TMemTable &servico = servicosDependente->DataSetInfo();
    addPlanoRow(
        servico,
        { { "ID_REGISTRO", 10 }, { "ID_REGISTRO_FK", 2 }, { "ID_SERVICO", 7 }, { "INDICE", 1.5 } });
    addPlanoRow(servico, { { "ID_REGISTRO", 11 }, { "ID_REGISTRO_FK", 1 }, { "ID_SERVICO", 8 } });
    addPlanoRow(servico, { { "ID_REGISTRO", 12 }, { "ID_REGISTRO_FK", 2 }, { "ID_SERVICO", 9 } });
    // The list shows the first dependent's services when the plan is saved.
    servico.SetFilter(QStringLiteral("ID_REGISTRO_FK = 1"));
    servico.SetFiltered(true);
    presenter->ListRemoveServicoDependentePlano << QStringLiteral("61") << QStringLiteral("62");
    addPlanoRow(carencias->DataSetInfo(), { { "ID", 5 }, { "ID_CARENCIA", 3 } });
    addPlanoRow(convenios->DataSetInfo(), { { "ID_CONVENIO", 600 } });

    const QJsonObject body = save();

    const QJsonArray sent = listOf(body, "dependentePlanos");
    ASSERT_EQ(sent.size(), 2);
    const QJsonObject primeiro = sent.at(0).toObject();
    EXPECT_EQ(primeiro.value(QStringLiteral("listaParentesco")).toInt(), 3);
    EXPECT_EQ(primeiro.value(QStringLiteral("faixaEtaria")).toInt(), 21);
    EXPECT_EQ(listOf(primeiro, "removeServicoDependentePlanos"), (QJsonArray { 61, 62 }));
    const QJsonArray servicosPrimeiro = listOf(primeiro, "servicoDependentePlanos");
    ASSERT_EQ(servicosPrimeiro.size(), 1);
    EXPECT_EQ(servicosPrimeiro.at(0)[QStringLiteral("idServico")].toInt(), 8);

    const QJsonObject segundo = sent.at(1).toObject();
    EXPECT_EQ(segundo.value(QStringLiteral("id")).toInt(), 44);
    EXPECT_TRUE(listOf(segundo, "removeServicoDependentePlanos").isEmpty());
    const QJsonArray servicosSegundo = listOf(segundo, "servicoDependentePlanos");
    ASSERT_EQ(servicosSegundo.size(), 2);
    EXPECT_EQ(servicosSegundo.at(0)[QStringLiteral("idServico")].toInt(), 7);
    EXPECT_DOUBLE_EQ(servicosSegundo.at(0)[QStringLiteral("indice")].toDouble(), 1.5);
    EXPECT_EQ(servicosSegundo.at(1)[QStringLiteral("idServico")].toInt(), 9);

    EXPECT_EQ(listOf(body, "carenciaPlanos").at(0)[QStringLiteral("idCarencia")].toInt(), 3);
    EXPECT_EQ(listOf(body, "convenioPlanos").at(0)[QStringLiteral("idConvenio")].toInt(), 600);
    // The list the window shows is as it was.
    EXPECT_EQ(servico.Filter(), QStringLiteral("ID_REGISTRO_FK = 1"));
    EXPECT_EQ(servico.RecordCount(), 1);
}

// A refused save raises the reply and keeps every table and removed id for the next try.
TEST_F(PlanoSaveTest, RefusedSaveKeepsTheTablesAndRemovedIds)
{
    open({ valores.get() });
    addPlanoRow(valores->DataSetInfo(), { { "VALOR", 100.0 }, { "VALOR_PARCELA", 50.0 } });
    presenter->ListRemoveVendedorPlano << QStringLiteral("18");
    backend.on("POST",
               "/plano/complex",
               FakeReply::text("WARNING:A informação não pode ser duplicada.", 400));
    try {
        save();
        ADD_FAILURE() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("WARNING:A informação não pode ser duplicada."));
    }
    EXPECT_EQ(valores->DataSetInfo().RecordCount(), 1);
    backend.on("POST", "/plano/complex", FakeReply::json(R"({"id":90})"));
    const QJsonObject body = save();
    EXPECT_EQ(listOf(body, "valorPlanos").size(), 1);
    EXPECT_EQ(listOf(body, "removeVendedorPlanos"), (QJsonArray { 18 }));

    // Clearing the plan empties every remove list.
    presenter->Clear(false, false);
    EXPECT_TRUE(listOf(save(), "removeVendedorPlanos").isEmpty());
}

// Removing a dependent row takes its extra services with it; the stored ones' ids go to the plan
// presenter's list.
TEST_F(PlanoSaveTest, RemovingADependentRemovesItsServices)
{
    open({ dependentes.get(), servicosDependente.get() });
    addPlanoRow(dependentes->DataSetInfo(), { { "ID", 44 }, { "ID_REGISTRO", 2 } });
    TMemTable &servico = servicosDependente->DataSetInfo();
    addPlanoRow(servico, { { "ID", 70 }, { "ID_REGISTRO", 10 }, { "ID_REGISTRO_FK", 2 } });
    addPlanoRow(servico, { { "ID", 0 }, { "ID_REGISTRO", 11 }, { "ID_REGISTRO_FK", 2 } });
    addPlanoRow(servico, { { "ID", 71 }, { "ID_REGISTRO", 12 }, { "ID_REGISTRO_FK", 3 } });
    ASSERT_TRUE(dependentes->Delete(2));
    EXPECT_EQ(presenter->ListRemoveDependentePlano, QStringList { QStringLiteral("44") });
    EXPECT_EQ(presenter->ListRemoveServicoDependentePlano, QStringList { QStringLiteral("70") });
    servico.SetFiltered(false);
    EXPECT_EQ(servico.RecordCount(), 1);
}

// The nine child reads of an opened plan and the add-on read contracts rely on.
struct PlanoChildRead
{
    const char *name;
    const char *path;
    std::function<bool()> read;
};

class PlanoChildReadTest : public ::testing::TestWithParam<PlanoChildRead>
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
};

TEST_P(PlanoChildReadTest, ReadsTheFirstPageOfThePlanAndNoListFor304)
{
    backend.on("GET",
               GetParam().path,
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":1}]})"));
    EXPECT_TRUE(GetParam().read());
    const auto request = backend.last("GET", GetParam().path);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");
    backend.on("GET", GetParam().path, FakeReply::empty(304));
    EXPECT_FALSE(GetParam().read());
}

template<class TService, auto Fill>
std::function<bool()> reads()
{
    return [] { return (TService().*Fill)(5).has_value(); };
}

INSTANTIATE_TEST_SUITE_P(
    Children,
    PlanoChildReadTest,
    ::testing::Values(
        PlanoChildRead { "Valor",
                         "/valor-plano/plano/5",
                         reads<TValorPlanoService, &TValorPlanoService::fillValorPlano>() },
        PlanoChildRead {
            "Dependente",
            "/dependente-plano/plano/5",
            reads<TDependentePlanoService, &TDependentePlanoService::fillDependentePlano>() },
        PlanoChildRead { "ServicoDependente",
                         "/servico-dependente-plano/plano/5",
                         reads<TServicoDependentePlanoService,
                               &TServicoDependentePlanoService::fillServicoDependentePlano>() },
        PlanoChildRead {
            "Carencia",
            "/carencia-plano/plano/5",
            reads<TCarenciaPlanoService, &TCarenciaPlanoService::fillCarenciaPlano>() },
        PlanoChildRead { "Servico",
                         "/servico-plano/plano/5",
                         reads<TServicoPlanoService, &TServicoPlanoService::fillServicoPlano>() },
        PlanoChildRead {
            "FaixaEtaria",
            "/faixa-etaria-plano/plano/5",
            reads<TFaixaEtariaPlanoService, &TFaixaEtariaPlanoService::fillFaixaEtariaPlano>() },
        PlanoChildRead { "AdicionalContrato",
                         "/adicional-contrato-plano/plano/5",
                         reads<TAdicionalContratoPlanoService,
                               &TAdicionalContratoPlanoService::fillAdicionalContratoPlano>() },
        PlanoChildRead {
            "Convenio",
            "/convenio-plano/plano/5",
            reads<TConvenioPlanoService, &TConvenioPlanoService::fillConvenioPlano>() },
        PlanoChildRead {
            "Vendedor",
            "/vendedor-plano/plano/5",
            reads<TVendedorPlanoService, &TVendedorPlanoService::fillVendedorPlano>() }),
    [](const auto &AInfo) { return std::string(AInfo.param.name); });

// The display columns a saved row takes from its lookups (set here as a lookup leaves them); a
// lookup that left a part of its other information out gives 0 or an empty text, not a failure.
struct ConvenioOtherInfo
{
    const char *name;
    const char *otherInfo;
    double desconto;
    const char *segmento;
};

class ConvenioPlanoColumnsTest : public ServicoChildPresenterTest<TConvenioPlanoPresenter>,
                                 public ::testing::WithParamInterface<ConvenioOtherInfo>
{
};

TEST_P(ConvenioPlanoColumnsTest, SavedRowTakesNameDiscountAndSegment)
{
    prepare(5,
            "/convenio-plano/plano/5",
            R"({"total":0,"pages":0,"listHelper":[]})",
            QStringLiteral("EditConvenio"),
            QStringLiteral("Convênio"),
            QStringLiteral("TPesquisaConvenio"));
    presenter->Clear(false, false);
    choose(600, QStringLiteral("CLÍNICA VIDA"), QString::fromUtf8(GetParam().otherInfo));
    presenter->Post();
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 1);
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID_CONVENIO"))->AsLargeInt(), 600);
    EXPECT_EQ(table.FieldByName(QStringLiteral("CONVENIO"))->AsString(),
              QStringLiteral("CLÍNICA VIDA"));
    EXPECT_DOUBLE_EQ(table.FieldByName(QStringLiteral("DESCONTO_CONVENIO"))->AsFloat(),
                     GetParam().desconto);
    EXPECT_EQ(table.FieldByName(QStringLiteral("SEGMENTO"))->AsString(),
              QString::fromUtf8(GetParam().segmento));
}

INSTANTIATE_TEST_SUITE_P(
    Lookup,
    ConvenioPlanoColumnsTest,
    ::testing::Values(ConvenioOtherInfo { "Both", "1.234,50;SAÚDE", 1234.5, "SAÚDE" },
                      ConvenioOtherInfo { "NoSegment", "15,00", 15, "" },
                      ConvenioOtherInfo { "Nothing", "", 0, "" }),
    [](const auto &AInfo) { return std::string(AInfo.param.name); });

struct ServicoOtherInfo
{
    const char *name;
    const char *otherInfo;
    double valor;
};

class ServicoPlanoColumnsTest : public ServicoChildPresenterTest<TServicoPlanoPresenter>,
                                public ::testing::WithParamInterface<ServicoOtherInfo>
{
};

TEST_P(ServicoPlanoColumnsTest, SavedRowTakesTheServicesNameAndPrice)
{
    prepare(5,
            "/servico-plano/plano/5",
            R"({"total":0,"pages":0,"listHelper":[]})",
            QStringLiteral("EditServico"),
            QStringLiteral("Serviço"),
            QStringLiteral("TPesquisaServico"));
    presenter->Clear(false, false);
    choose(7, QStringLiteral("CONSULTA"), QString::fromUtf8(GetParam().otherInfo));
    presenter->Post();
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 1);
    EXPECT_EQ(table.FieldByName(QStringLiteral("SERVICO"))->AsString(), QStringLiteral("CONSULTA"));
    EXPECT_DOUBLE_EQ(table.FieldByName(QStringLiteral("VALOR"))->AsFloat(), GetParam().valor);
}

INSTANTIATE_TEST_SUITE_P(Lookup,
                         ServicoPlanoColumnsTest,
                         ::testing::Values(ServicoOtherInfo { "BaseAndPrice", "2;150,5", 150.5 },
                                           ServicoOtherInfo { "NoPrice", "2", 0 }),
                         [](const auto &AInfo) { return std::string(AInfo.param.name); });

// A plan holds at most one waiting-period rule of each type; the row holding it may be saved
// again.
class CarenciaPlanoPresenterTest : public ServicoChildPresenterTest<TCarenciaPlanoPresenter>
{
};

TEST_F(CarenciaPlanoPresenterTest, SecondRuleOfATypeIsRefusedAndItsOwnRowIsAccepted)
{
    prepare(5,
            "/carencia-plano/plano/5",
            R"({"total":1,"pages":1,"listHelper":[{"id":9,"idCarencia":3,)"
            R"("carencia":"CARÊNCIA CONSULTAS","tipo":"CONSULTAS","codigoTipo":1}]})",
            QStringLiteral("EditCarencia"),
            QStringLiteral("Carência"),
            QStringLiteral("TPesquisaCarencia"));
    presenter->Clear(false, false);
    choose(4, QStringLiteral("OUTRA"), QStringLiteral("CONSULTAS"));
    EXPECT_EQ(validationFailure(),
              QStringLiteral("WARNING:Já existe um item de carência do tipo\r\nCONSULTAS e outro "
                             "não pode ser inserido."));
    choose(4, QStringLiteral("OUTRA"), QStringLiteral("EXAMES"));
    EXPECT_EQ(validationFailure(), QString());

    TMemTable &table = presenter->DataSetInfo();
    ASSERT_TRUE(table.Locate(QStringLiteral("ID"), TFieldValue(std::int64_t(9))));
    presenter->IdRegistro = table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt();
    choose(3, QStringLiteral("CARÊNCIA CONSULTAS"), QStringLiteral("CONSULTAS"));
    EXPECT_EQ(validationFailure(), QString());
    EXPECT_FALSE(table.Filtered());
}

} // namespace
