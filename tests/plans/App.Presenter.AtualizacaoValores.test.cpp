#include "App.Adapter.Frame.AtualizacaoValores.Planos.h"
#include "App.Adapter.Frame.AtualizacaoValores.Servicos.h"
#include "App.Lib.AtualizacaoValores.Calculo.h"
#include "App.Presenter.AtualizacaoValores.Planos.h"
#include "App.Presenter.AtualizacaoValores.Servicos.h"
#include "Common.Dto.AtualizacaoValores.Planos.h"
#include "Common.Dto.AtualizacaoValores.Servicos.h"

#include "Edit.h"
#include "CheckBox.h"
#include "Label.h"
#include "MemTable.h"
#include "RestRequest.h"
#include "DateTime.h"
#include "SysUtils.h"

#include "App.Lib.ForcaSenha.h"
#include "App.Lib.Service.Login.h"
#include "Common.Dto.Empresa.h"
#include "App.Lib.Service.Connection.h"

#include "support/DemoBackend.h"
#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <optional>

namespace {

// --- The percentage and value link of a row --------------------------------------------------

struct CalculoCase
{
    const char *name;
    bool porPercentual; // the percentage changed (else the new value changed)
    const char *atual;
    const char *digitado;
    std::optional<const char *> esperado; // none: the other edit keeps its text
};

class AtualizacaoValoresCalculoTest : public ::testing::TestWithParam<CalculoCase>
{
};

TEST_P(AtualizacaoValoresCalculoTest, TheOtherEditTakesTheComputedText)
{
    const CalculoCase &c = GetParam();
    const QString atual = QString::fromUtf8(c.atual);
    const QString digitado = QString::fromUtf8(c.digitado);
    const auto result = c.porPercentual ? TAtualizacaoValoresNovoValor(atual, digitado)
                                        : TAtualizacaoValoresPercentual(atual, digitado);
    if (c.esperado)
        EXPECT_EQ(result, std::optional<QString>(QString::fromUtf8(*c.esperado)));
    else
        EXPECT_EQ(result, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Casos,
    AtualizacaoValoresCalculoTest,
    ::testing::Values(
        CalculoCase { "TenPercentOfAHundred", true, "100,00", "10", "110,00" },
        CalculoCase { "ThousandsDotsAreDropped", true, "1.000,00", "2,5", "1025,00" },
        CalculoCase { "HigherNewValue", false, "100,00", "125,00", "25,00" },
        // A lower new value writes its negative percentage, never keeping an older one beside it.
        CalculoCase { "LowerNewValueIsNegative", false, "100,00", "90,00", "-10,00" },
        CalculoCase { "SameNewValueIsZero", false, "100,00", "100,00", "0,00" },
        CalculoCase { "ZeroCurrentGivesNoPercentage", false, "0,00", "50,00", std::nullopt },
        CalculoCase { "ComputedZeroIsNotWritten", true, "100,00", "-100", std::nullopt },
        CalculoCase { "ComputedNegativeIsNotWritten", true, "100,00", "-150", std::nullopt },
        CalculoCase { "EmptyNewValueGivesNothing", false, "100,00", "", std::nullopt },
        CalculoCase { "TextThatIsNoNumberStops", true, "100,00", "abc", std::nullopt }),
    [](const ::testing::TestParamInfo<CalculoCase> &info) { return std::string(info.param.name); });

// The two directions meet: what one writes, read back by the other, gives what was typed, so an
// echo through the re-entry guard could change nothing.
TEST(AtualizacaoValoresCalculo, EachDirectionGivesBackTheOthersInput)
{
    const auto novo = TAtualizacaoValoresNovoValor(QStringLiteral("80,00"), QStringLiteral("12,5"));
    ASSERT_EQ(novo, std::optional<QString>(QStringLiteral("90,00")));
    EXPECT_EQ(TAtualizacaoValoresPercentual(QStringLiteral("80,00"), *novo),
              std::optional<QString>(QStringLiteral("12,50")));
}

// --- The presenters against the fake back end -------------------------------------------------

QJsonObject bodyOf(const RecordedRequest &ARequest)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(ARequest.body)).object();
}

class AtualizacaoValoresPresenterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        planos = TBasePresenter::Create<TPlanosAtualizacaoValoresPresenter>();
        servicos = TBasePresenter::Create<TServicosAtualizacaoValoresPresenter>();
        planos->DataSetInfo().Open();
        servicos->DataSetInfo().Open();
    }

    static TPlanosAtualizacaoValoresDto plano(std::int64_t AId, const char *ADescricao)
    {
        TPlanosAtualizacaoValoresDto dto;
        dto.Id = AId;
        dto.Descricao = QString::fromUtf8(ADescricao);
        dto.ValorAtual = 100;
        dto.NovoValor = 110;
        dto.Percentual = 10;
        dto.ValorPlanoAtual = 1200;
        dto.NovoValorPlano = 1320;
        dto.PercentualValorPlano = 10;
        dto.AtualizarParcelasFuturas = true;
        return dto;
    }

    void salvarTodas(TAtualizacaoValoresPresenter &APresenter)
    {
        TMemTable &table = APresenter.DataSetInfo();
        for (table.First(); !table.Eof(); table.Next()) {
            table.Edit();
            table.FieldByName(QStringLiteral("EM_EDICAO"))->SetAsBoolean(false);
            table.Post();
        }
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    std::unique_ptr<TPlanosAtualizacaoValoresPresenter> planos;
    std::unique_ptr<TServicosAtualizacaoValoresPresenter> servicos;
};

TEST_F(AtualizacaoValoresPresenterTest, ReadsEveryRecordAndOneRecordOfItsKind)
{
    backend.on("GET",
               "/atualizacao-valores/planos",
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":7,)"
                               R"("descricao":"PLANO OURO","valorAtual":89.9,)"
                               R"("valorPlanoAtual":1078.8}]})"));
    const auto lista = planos->GetList();
    ASSERT_TRUE(lista);
    ASSERT_EQ(lista->size(), 1u);
    const auto *ouro = dynamic_cast<const TPlanosAtualizacaoValoresDto *>(lista->front().get());
    ASSERT_TRUE(ouro);
    EXPECT_DOUBLE_EQ(ouro->ValorPlanoAtual, 1078.8);
    const auto request = backend.last("GET", "/atualizacao-valores/planos");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_EQ(request->param("limit"), "100");

    backend.on("GET",
               "/atualizacao-valores/servicos/12345678901",
               FakeReply::json(R"({"id":12345678901,"descricao":"TRANSLADO","valorAtual":300})"));
    const auto translado = servicos->GetById(12345678901);
    ASSERT_TRUE(translado);
    EXPECT_TRUE(dynamic_cast<const TServicosAtualizacaoValoresDto *>(translado.get()));
    EXPECT_EQ(translado->Descricao, QStringLiteral("TRANSLADO"));

    // No list and no record: nothing to add, not a failure.
    backend.on("GET", "/atualizacao-valores/planos", FakeReply::empty(304));
    EXPECT_FALSE(planos->GetList());
    backend.on("GET", "/atualizacao-valores/servicos/5", FakeReply::empty(304));
    EXPECT_FALSE(servicos->GetById(5));
}

TEST_F(AtualizacaoValoresPresenterTest, ARecordIsListedOnceAndRemovedByItsId)
{
    ASSERT_TRUE(planos->addRegistro(plano(12345678901, "PLANO OURO")));
    EXPECT_FALSE(planos->addRegistro(plano(12345678901, "PLANO OURO")));
    TMemTable &table = planos->DataSetInfo();
    EXPECT_EQ(table.RecordCount(), 1);
    EXPECT_TRUE(table.FieldByName(QStringLiteral("EM_EDICAO"))->AsBoolean());
    EXPECT_DOUBLE_EQ(table.FieldByName(QStringLiteral("NOVO_VALOR_PLANO"))->AsFloat(), 1320);
    EXPECT_TRUE(table.FieldByName(QStringLiteral("ATUALIZAR_PARCELAS_FUTURAS"))->AsBoolean());

    int reloads = 0;
    planos->ProcReloadDados = [&reloads] { ++reloads; };
    EXPECT_THROW(
        {
            try {
                planos->RemoverAtualizacao(99);
            } catch (const Exception &e) {
                EXPECT_EQ(e.Message(), QStringLiteral("WARNING:Informações não localizadas."));
                throw;
            }
        },
        Exception);
    planos->RemoverAtualizacao(12345678901);
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_EQ(reloads, 1);
}

// A run is refused before anything is sent while a row is in edit or nothing is listed; the
// rows stay and the request list is empty again.
TEST_F(AtualizacaoValoresPresenterTest, RunIsRefusedWithARowInEditOrNothingToSend)
{
    const auto refusal = [this](std::unique_ptr<TAtualizacaoValoresDto> ANaoListados) {
        try {
            planos->ExecutaAtualizacaoValores(std::move(ANaoListados));
        } catch (const Exception &e) {
            return e.Message();
        }
        return QString();
    };
    EXPECT_EQ(refusal(nullptr), QStringLiteral("WARNING:Informações não localizadas."));

    planos->addRegistro(plano(7, "PLANO OURO"));
    auto naoListados = std::make_unique<TPlanosAtualizacaoValoresDto>();
    naoListados->Percentual = 5;
    EXPECT_EQ(
        refusal(std::move(naoListados)),
        QStringLiteral("WARNING:Para prosseguir é necessário que todos registros estejam salvos."));
    EXPECT_EQ(planos->DataSetInfo().RecordCount(), 1);
    EXPECT_TRUE(planos->ListDto().empty());
    EXPECT_EQ(backend.count("POST", "/atualizacao-valores/planos"), 0u);
}

TEST_F(AtualizacaoValoresPresenterTest, RunPostsTheRowsAndTheNotListedRowInOneList)
{
    backend.on("POST", "/atualizacao-valores/planos", FakeReply::json("{}"));
    planos->addRegistro(plano(7, "PLANO OURO"));
    salvarTodas(*planos);
    auto naoListados = std::make_unique<TPlanosAtualizacaoValoresDto>();
    naoListados->Id = 3; // whatever it held, it goes as the row of the records not listed
    naoListados->Percentual = 5;
    naoListados->NovaVigencia = EncodeDate(2027, 1, 1);
    naoListados->AtualizarParcelasVencidas = true;
    naoListados->AtualizarVinculacaoAPI = true;

    planos->ExecutaAtualizacaoValores(std::move(naoListados));

    const auto request = backend.last("POST", "/atualizacao-valores/planos");
    ASSERT_TRUE(request);
    EXPECT_EQ(planos->service().Request().AppliedTimeout(), 30000000);
    const QJsonArray rows = bodyOf(*request).value(QStringLiteral("listHelper")).toArray();
    ASSERT_EQ(rows.size(), 2);
    const QJsonObject ouro = rows.at(0).toObject();
    EXPECT_EQ(ouro.value(QStringLiteral("id")).toInteger(), 7);
    EXPECT_EQ(ouro.value(QStringLiteral("novoValorPlano")).toDouble(), 1320);
    EXPECT_TRUE(ouro.value(QStringLiteral("atualizarParcelasFuturas")).toBool());
    const QJsonObject resto = rows.at(1).toObject();
    EXPECT_EQ(resto.value(QStringLiteral("id")).toInteger(), 0);
    EXPECT_EQ(resto.value(QStringLiteral("percentual")).toDouble(), 5);
    EXPECT_TRUE(resto.value(QStringLiteral("atualizarParcelasVencidas")).toBool());
    EXPECT_TRUE(resto.value(QStringLiteral("atualizarVinculacaoAPI")).toBool());
    EXPECT_TRUE(resto.value(QStringLiteral("novaVigencia")).toString().startsWith(u"2027-01-01"));
    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_EQ(dialogs.messages().back().Message, kSuccess);
    EXPECT_TRUE(planos->ListDto().empty());
    // The table is the window's to empty; the run only sent it.
    EXPECT_EQ(planos->DataSetInfo().RecordCount(), 1);
}

// A refusal is a failure of the run: its text reaches the caller, no success is shown, and the
// rows the user prepared stay.
TEST_F(AtualizacaoValoresPresenterTest, RefusedRunRaisesTheServersTextAndKeepsTheRows)
{
    backend.on("POST",
               "/atualizacao-valores/servicos",
               FakeReply::text("WARNING:Vigência já utilizada.", 400));
    TServicosAtualizacaoValoresDto translado;
    translado.Id = 9;
    translado.Descricao = QStringLiteral("TRANSLADO");
    servicos->addRegistro(translado);
    salvarTodas(*servicos);
    try {
        servicos->ExecutaAtualizacaoValores();
        ADD_FAILURE() << "a refusal must fail the run";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("WARNING:Vigência já utilizada."));
    }
    for (const auto &m : dialogs.messages())
        EXPECT_NE(m.Message, kSuccess);
    EXPECT_EQ(servicos->DataSetInfo().RecordCount(), 1);
    EXPECT_TRUE(servicos->ListDto().empty());
}

} // namespace

// --- The editable rows ---------------------------------------------------------------------

namespace {

// Both pairs of a plan's row follow each other through the row's own edits, and the edits open
// only while the row is in edit.
TEST(AtualizacaoValoresFrame, PlanRowLinksBothPairsAndOpensOnlyInEdit)
{
    TPlanosAtualizacaoValoresFrameAdapter frame;
    frame.EditValorAtual->setText(QStringLiteral("100,00"));
    frame.EditPercentual->setText(QStringLiteral("10"));
    EXPECT_EQ(frame.EditNovoValor->text(), QStringLiteral("110,00"));
    // The new value written above did not come back as a new percentage.
    EXPECT_EQ(frame.EditPercentual->text(), QStringLiteral("10"));
    frame.EditNovoValor->setText(QStringLiteral("90,00"));
    EXPECT_EQ(frame.EditPercentual->text(), QStringLiteral("-10,00"));

    frame.EditValorPlanoAtual->setText(QStringLiteral("1.200,00"));
    frame.EditPercentualValorPlano->setText(QStringLiteral("5"));
    EXPECT_EQ(frame.EditNovoValorPlano->text(), QStringLiteral("1260,00"));
    // The first pair is left alone by the second.
    EXPECT_EQ(frame.EditNovoValor->text(), QStringLiteral("90,00"));

    EXPECT_TRUE(frame.EditNovoValorPlano->isEnabled());
    EXPECT_FALSE(frame.EditValorAtual->isEnabled());
    frame.EmEdicao = false;
    frame.enabledControls();
    EXPECT_FALSE(frame.EditNovoValor->isEnabled());
    EXPECT_FALSE(frame.CheckBoxAtualizarVinculacaoAPI->isEnabled());
    EXPECT_EQ(frame.LabelValorAtual->text(), QStringLiteral("Valor Parcela Atual:"));
}

TEST(AtualizacaoValoresFrame, ButtonsRunTheWindowsProceduresAndSetTheEditState)
{
    TServicosAtualizacaoValoresFrameAdapter frame;
    TFrameBaseAdapter *salvo = nullptr;
    frame.ProcSalvar = [&salvo](TFrameBaseAdapter *AFrame) { salvo = AFrame; };
    frame.SpeedButtonGravarClick();
    EXPECT_EQ(salvo, &frame);
    EXPECT_FALSE(frame.EmEdicao);
    EXPECT_FALSE(frame.EditPercentual->isEnabled());
    // Without an edit procedure the row stays as it is.
    frame.SpeedButtonEditClick();
    EXPECT_FALSE(frame.EmEdicao);
    frame.ProcEditar = [](TFrameBaseAdapter *) {};
    frame.SpeedButtonEditClick();
    EXPECT_TRUE(frame.EmEdicao);
    EXPECT_TRUE(frame.EditPercentual->isEnabled());
}

} // namespace

namespace {

// The stand-in back end with the repository's seed: plans carry their latest price, services
// their own value, and a whole run is accepted.
class AtualizacaoValoresDemoTest : public ::testing::Test
{
protected:
    DemoBackend demo { QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json") };
    FakeConnection fake { demo.backend() };
    ScriptedDialogs dialogs;

    void SetUp() override
    {
        demo.writeConfig(fake.folder());
        TServiceConnection::ResetInstance();
        TLoginService().Logar(QStringLiteral("demo"), DigestSenha(QStringLiteral("demo1234")));
    }
};

TEST_F(AtualizacaoValoresDemoTest, AddsEverySeededPlanAndRunsTheUpdate)
{
    auto planos = TBasePresenter::Create<TPlanosAtualizacaoValoresPresenter>();
    planos->DataSetInfo().Open();
    const auto lista = planos->GetList();
    ASSERT_TRUE(lista);
    ASSERT_FALSE(lista->empty());
    const auto um = planos->GetById(700);
    ASSERT_TRUE(um);
    const auto &plano = static_cast<const TPlanosAtualizacaoValoresDto &>(*um);
    EXPECT_DOUBLE_EQ(plano.ValorAtual, 79.9);
    EXPECT_DOUBLE_EQ(plano.ValorPlanoAtual, 150.0);

    for (const auto &registro : *lista)
        planos->addRegistro(*registro);
    EXPECT_FALSE(planos->addRegistro(plano));
    TMemTable &table = planos->DataSetInfo();
    for (table.First(); !table.Eof(); table.Next()) {
        table.Edit();
        table.FieldByName(QStringLiteral("EM_EDICAO"))->SetAsBoolean(false);
        table.Post();
    }
    planos->ExecutaAtualizacaoValores();
    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_EQ(dialogs.messages().back().Message, kSuccess);
}

} // namespace
