#include "App.Form.SubCadastro.PeriodoContrato.h"
#include "App.Form.SubCadastro.PlanoPeriodoContrato.h"

#include "App.Adapter.Frame.PlanoPeriodoContrato.h"
#include "App.Lib.ForcaSenha.h"
#include "App.Lib.ItemControl.h"
#include "App.Presenter.Contrato.h"
#include "App.Presenter.DependenteContrato.h"
#include "App.Presenter.PeriodoContrato.h"
#include "App.Presenter.PlanoDependenteContrato.h"
#include "App.Adapter.Frame.PlanoDependenteContrato.h"
#include "App.View.Sub.PlanoPeriodoContrato.Assinatura.h"
#include "Image.h"
#include "Common.Lib.PictureText.h"
#include "CheckBox.h"
#include "App.Presenter.PlanoPeriodoContrato.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "support/ApplicationGuard.h"
#include "support/DemoBackend.h"
#include "support/FakeConnection.h"
#include "support/FakeStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"
#include "support/WaitIdle.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

const char *const kPlanoUnicoContrato9
    = R"({"total":1,"pages":1,"listHelper":[)"
      R"({"id":811,"idPeriodoContrato":701,"idPlano":700,"plano":"PLANO FAMILIAR OURO",)"
      R"("primeiroVencimento":"2024-04-15T00:00:00.000Z","parcelaInicial":1,"idColaborador":500}]})";

const QString kPerguntaDataFinal = QStringLiteral(
    "QUESTION:Verificamos que a data final do(s) dependente(s) está sem data final\r\n"
    "Deseja atualizar a data final do(s) dependente(s) com a data final do plano?");
const QString kPerguntaPlanoNovo
    = QStringLiteral("QUESTION:Verificamos que um novo plano foi inserido.\r\nDeseja atualizar a "
                     "data final dos dependentes com a data do plano inserida?");

// The plan window inside a new period of contract 9, with the contract's three members: 31
// without end date, 32 ended on 10/10/2024 and 33 deceased without end date.
class PlanoPeriodoContratoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fake.connection().Logar(QStringLiteral("demo"), DigestSenha(QStringLiteral("demo1234")));
        demo.backend().on(
            "GET", "/plano-periodo-contrato/contrato/9", FakeReply::json(kPlanoUnicoContrato9));
        form.reset(TFormBase::Create<TFormSubCadastroPlanoPeriodoContrato>());
        periodo.reset(TFormBase::Create<TFormSubCadastroPeriodoContrato>(form.get()));
        for (TFormBase *each :
             { static_cast<TFormBase *>(form.get()), static_cast<TFormBase *>(periodo.get()) })
            for (bool TFormBase::*permission : { &TFormBase::FPermissionInserir,
                                                 &TFormBase::FPermissionEditar,
                                                 &TFormBase::FPermissionRemover,
                                                 &TFormBase::FPermissionVisualizar })
                each->*permission = true;
        planos = form->PresenterPlano();
        planos->SetListRemove(&removidos);
        planos->PeriodoContratoPresenter = periodo->PresenterSubCadastro();
        planos->DependenteContratoPresenter = dependentes.get();
        form->SetContratoPresenter(contrato.get());
        form->SetListPlanoDependenteContratoRemove(&removidosLinks);
        contrato->SetDataSetDependenteContrato(&dependentes->DataSetInfo());
        contrato->SetDataSetPlanoDependenteContrato(&links->DataSetInfo());
        form->SetProcTotalizadorContrato([this] { ++totais; });
        form->SetProcAdicionarServicosContrato([this] { adicionados << form->IdPlano(); });
        form->SetProcExcluirServicosContrato([this] { excluidos << form->IdPlano(); });
        seedPlanoSeguradora();
        fillDependentes();
        periodo->show();
        periodo->executeNovo(periodo->SpeedButtonNovo);
        waitIdle();
    }
    void TearDown() override
    {
        waitIdle();
        periodo.reset();
        form.reset();
        FlushDeletes();
    }

    // Plan 1150, an insurer's plan, beside the demo plans.
    void seedPlanoSeguradora()
    {
        FakeStore &store = demo.store();
        for (const char *resource : { "/plano", "/valor-plano" }) {
            QJsonArray rows = store.rows(QLatin1String(resource));
            rows.append(QString::fromLatin1(resource) == QLatin1String("/plano")
                            ? QJsonObject { { "id", 1150 },
                                            { "descricao", "PLANO SEGURADORA VIDA" },
                                            { "isPlanoSeguradora", true } }
                            : QJsonObject { { "id", 1150 },
                                            { "idPlano", 1150 },
                                            { "data", "2026-01-01T00:00:00.000Z" },
                                            { "valor", 1200.0 },
                                            { "valorParcela", 100.0 } });
            store.seed(QLatin1String(resource), rows);
        }
    }
    void fillDependentes()
    {
        TMemTable &table = dependentes->DataSetInfo();
        if (!table.Active())
            table.Open();
        const auto add = [&table](std::int64_t AId, TDateTime ABaixa, bool AFalecido) {
            table.Append();
            table.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(AId);
            table.FieldByName(QStringLiteral("ID_PESSOA"))->SetAsLargeInt(AId + 10);
            table.FieldByName(QStringLiteral("PESSOA"))
                ->SetAsString(QStringLiteral("MEMBRO %1").arg(AId + 10));
            table.FieldByName(QStringLiteral("DATA_BAIXA"))->SetAsDateTime(ABaixa);
            table.FieldByName(QStringLiteral("IS_FALECIDO"))->SetAsBoolean(AFalecido);
            table.Post();
        };
        add(31, TDateTime(0), false);
        add(32, EncodeDate(2024, 10, 10), false);
        add(33, TDateTime(0), true);
    }
    TDateTime dataBaixa(std::int64_t AId, std::int64_t *ABaixa = nullptr) const
    {
        TMemTable &table = dependentes->DataSetInfo();
        table.SetFiltered(false);
        EXPECT_TRUE(table.Locate(QStringLiteral("ID"), TFieldValue(AId)));
        if (ABaixa)
            *ABaixa = table.FieldByName(QStringLiteral("LISTA_BAIXA_CONTRATO"))->AsLargeInt();
        return table.FieldByName(QStringLiteral("DATA_BAIXA"))->AsDateTime();
    }
    void setPeriodoData(const QString &AData)
    {
        periodo->DateEditDataContrato->setText(AData);
        waitIdle();
    }
    void novoPlano()
    {
        form->executeNovo(form->SpeedButtonNovo);
        waitIdle();
        ASSERT_FALSE(form->IsListTabActive());
    }
    void choose(const char *AControl, const QString &AId)
    {
        planos->FindItemControl(QLatin1String(AControl))->SetValueControl(AId);
        waitIdle();
    }
    void salvar()
    {
        dialogs.clearMessages();
        form->SpeedButtonSalvar->click();
        waitIdle();
    }
    void loadContrato()
    {
        planos->IdPrincipal = 9;
        planos->findByFilterToDataSet();
        form->executeFillDadosSubCadastro(true);
        waitIdle();
    }

    ApplicationGuard application;
    DemoBackend demo { QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json") };
    FakeConnection fake { demo.backend() };
    ScriptedDialogs dialogs;
    std::unique_ptr<TContratoPresenter> contrato = TBasePresenter::Create<TContratoPresenter>();
    std::unique_ptr<TDependenteContratoPresenter> dependentes
        = TBasePresenter::Create<TDependenteContratoPresenter>();
    std::unique_ptr<TPlanoDependenteContratoPresenter> links
        = TBasePresenter::Create<TPlanoDependenteContratoPresenter>();
    std::unique_ptr<TFormSubCadastroPlanoPeriodoContrato> form;
    std::unique_ptr<TFormSubCadastroPeriodoContrato> periodo;
    QStringList removidosLinks;
    TPlanoPeriodoContratoPresenter *planos = nullptr;
    QStringList removidos;
    QList<std::int64_t> adicionados;
    QList<std::int64_t> excluidos;
    int totais = 0;
};

// Choosing an insurer's plan proposes the end one year after the period's contract date and
// the end-of-contract reason; another plan leaves both.
struct SeguradoraCase
{
    const char *name;
    const char *plano;
    const char *dataContrato;
    const char *dataFinal;
    const char *motivo;
};

void PrintTo(const SeguradoraCase &row, std::ostream *out)
{
    *out << row.name;
}

const SeguradoraCase kSeguradoraCases[] = {
    { "InsurerPlanEndsAYearOn", "1150", "15/03/2024", "15/03/2025", "FINAL DE CONTRATO" },
    { "LeapDayEndsOnTheLastOfFebruary", "1150", "29/02/2024", "28/02/2025", "FINAL DE CONTRATO" },
    { "OtherPlanLeavesBoth", "700", "15/03/2024", "", "" },
};

class SeguradoraTest : public PlanoPeriodoContratoTest,
                       public ::testing::WithParamInterface<SeguradoraCase>
{
};

TEST_P(SeguradoraTest, ChosenPlanFillsValuesAndInsurerDefaults)
{
    const SeguradoraCase &c = GetParam();
    setPeriodoData(QString::fromUtf8(c.dataContrato));
    novoPlano();
    choose("EditPlano", QString::fromUtf8(c.plano));
    EXPECT_EQ(form->IdPlano(), QString::fromUtf8(c.plano).toLongLong());
    EXPECT_FALSE(form->EditValorPlano->text().isEmpty());
    EXPECT_EQ(form->DateEditDataFinal->text(), QString::fromUtf8(c.dataFinal));
    EXPECT_EQ(form->EditMotivo->text(), QString::fromUtf8(c.motivo));

    form->EditPlano->clear();
    choose("EditPlano", QStringLiteral("0"));
    EXPECT_EQ(form->IdPlano(), 0);
    EXPECT_EQ(form->EditValorPlano->text(), QString());
}

INSTANTIATE_TEST_SUITE_P(Plano,
                         SeguradoraTest,
                         ::testing::ValuesIn(kSeguradoraCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Opening a stored insurer's plan shows its own end date and reason: an open plan stays open.
TEST_F(PlanoPeriodoContratoTest, StoredInsurerPlanKeepsItsOwnEmptyEnd)
{
    demo.backend().on(
        "GET",
        "/plano-periodo-contrato/contrato/9",
        FakeReply::json(R"({"total":1,"pages":1,"listHelper":[)"
                        R"({"id":811,"idPeriodoContrato":701,"idPlano":1150,)"
                        R"("plano":"PLANO SEGURADORA VIDA","isPlanoSeguradora":true,)"
                        R"("primeiroVencimento":"2024-04-15T00:00:00.000Z","parcelaInicial":1,)"
                        R"("idColaborador":500}]})"));
    setPeriodoData(QStringLiteral("15/03/2024"));
    loadContrato();
    const auto rows
        = form->VertScrollBoxDados->content()->findChildren<TPlanoPeriodoContratoFrameAdapter *>();
    ASSERT_EQ(rows.size(), 1);
    rows.first()->SpeedButtonEdit->click();
    waitIdle();
    EXPECT_EQ(form->IdPlano(), 1150);
    EXPECT_EQ(form->DateEditDataFinal->text(), QString());
    EXPECT_EQ(form->EditMotivo->text(), QString());
}

// The reason text of a plan save marks the occurrence the contract save must register.
struct MotivoCase
{
    const char *name;
    const char *inicial; // the reason shown when the row was loaded
    const char *motivo; // the reason at the save
    bool cancelamento;
    bool suspensao;
};

void PrintTo(const MotivoCase &row, std::ostream *out)
{
    *out << row.name;
}

// Before each case a first save with "CANCELAMENTO A PEDIDO" left cancellation set.
const MotivoCase kMotivoCases[] = {
    { "CancellationOnly", "", "CANCELAMENTO POR INADIMPLÊNCIA", true, false },
    { "SuspensionOnly", "", "PARALISAÇÃO TEMPORÁRIA", false, true },
    { "Both", "", "CANCELAMENTO APÓS PARALISAÇÃO", true, true },
    { "FinalChangesNeither", "", "FINAL DE CONTRATO SEM CANCELAMENTO", true, false },
    { "UnchangedKeepsThem", "PARALISAÇÃO TEMPORÁRIA", "PARALISAÇÃO TEMPORÁRIA", true, false },
    { "EmptiedKeepsThem", "PARALISAÇÃO TEMPORÁRIA", "", true, false },
};

class MotivoTest : public PlanoPeriodoContratoTest, public ::testing::WithParamInterface<MotivoCase>
{
};

TEST_P(MotivoTest, ReasonTextSetsTheOccurrenceMarks)
{
    const MotivoCase &c = GetParam();
    novoPlano();
    form->EditMotivo->setText(QStringLiteral("CANCELAMENTO A PEDIDO"));
    form->beforeSave();
    ASSERT_TRUE(form->IsMotivoCancelamento());
    ASSERT_FALSE(form->IsMotivoSuspensao());

    form->EditMotivo->setText(QString::fromUtf8(c.inicial));
    form->afterFillForm();
    form->EditMotivo->setText(QString::fromUtf8(c.motivo));
    form->beforeSave();
    EXPECT_EQ(form->IsMotivoCancelamento(), c.cancelamento);
    EXPECT_EQ(form->IsMotivoSuspensao(), c.suspensao);
}

INSTANTIATE_TEST_SUITE_P(Plano,
                         MotivoTest,
                         ::testing::ValuesIn(kMotivoCases),
                         [](const auto &info) { return std::string(info.param.name); });

// A contract opened or started in the same window, or a contract save, starts without the
// last contract's marks and end date.
TEST_F(PlanoPeriodoContratoTest, NextContractStartsWithoutTheMarks)
{
    for (const auto &limpar :
         std::vector<std::function<void()>> { [this] { form->ClearSubForm(true, true); },
                                              [this] { form->SetIsDataFinalDiferente(false); } }) {
        novoPlano();
        form->EditMotivo->setText(QStringLiteral("CANCELAMENTO APÓS PARALISAÇÃO"));
        form->DateEditDataFinal->setText(QStringLiteral("31/12/2025"));
        form->beforeSave();
        ASSERT_TRUE(form->IsMotivoCancelamento() && form->IsMotivoSuspensao());
        ASSERT_TRUE(form->IsDataFinalDiferente());
        limpar();
        EXPECT_FALSE(form->IsMotivoCancelamento());
        EXPECT_FALSE(form->IsMotivoSuspensao());
        EXPECT_FALSE(form->IsDataFinalDiferente());
        EXPECT_EQ(form->DataFinalAtualizada(), 0);
        form->SpeedButtonRetornar->click();
        waitIdle();
    }
}

TEST_F(PlanoPeriodoContratoTest, ChangedEndDateIsOfferedToMembersWithoutOne)
{
    loadContrato();
    auto rows
        = form->VertScrollBoxDados->content()->findChildren<TPlanoPeriodoContratoFrameAdapter *>();
    ASSERT_EQ(rows.size(), 1);
    rows.first()->SpeedButtonEdit->click();
    waitIdle();
    ASSERT_FALSE(form->IsListTabActive());
    form->DateEditDataFinal->setText(QStringLiteral("31/12/2025"));
    dialogs.answerQuestion(kYes);
    salvar();
    ASSERT_TRUE(dialogs.messageTexts().contains(kPerguntaDataFinal))
        << dialogs.messageTexts().join(u'|').toStdString();
    EXPECT_FALSE(dialogs.messageTexts().contains(kPerguntaPlanoNovo));
    std::int64_t baixa = 0;
    EXPECT_EQ(dataBaixa(31, &baixa), EncodeDate(2025, 12, 31));
    EXPECT_EQ(baixa, dependentes->findIdBaixaFinalizacaoContrato());
    EXPECT_NE(baixa, 0);
    EXPECT_EQ(dataBaixa(32), EncodeDate(2024, 10, 10));
    EXPECT_EQ(dataBaixa(33), 0) << "a deceased member is left alone";
    EXPECT_GE(totais, 1);
    EXPECT_EQ(periodo->EditFidelidade->text(), QStringLiteral("180"));
}

// A new plan without end date on a saved contract reopens every living member; on a contract
// never saved nothing is asked.
TEST_F(PlanoPeriodoContratoTest, NewPlanOnSavedContractReopensTheMembers)
{
    for (const std::int64_t idContrato : { 0, 9 }) {
        contrato->IdRegistro = idContrato;
        novoPlano();
        choose("EditPlano", QStringLiteral("700"));
        choose("EditColaborador", QStringLiteral("500"));
        dialogs.answerQuestion(kYes);
        salvar();
        EXPECT_EQ(dialogs.messageTexts().contains(kPerguntaPlanoNovo), idContrato == 9)
            << dialogs.messageTexts().join(u'|').toStdString();
        EXPECT_FALSE(dialogs.messageTexts().contains(kPerguntaDataFinal));
    }
    EXPECT_EQ(dataBaixa(31), 0);
    std::int64_t baixa = -1;
    EXPECT_EQ(dataBaixa(32, &baixa), 0);
    EXPECT_EQ(baixa, 0);
    EXPECT_EQ(dataBaixa(33), 0);
}

TEST_F(PlanoPeriodoContratoTest, FidelityDefaultsOnlyWhenEmpty)
{
    periodo->EditFidelidade->setText(QStringLiteral("90"));
    novoPlano();
    choose("EditPlano", QStringLiteral("700"));
    choose("EditColaborador", QStringLiteral("500"));
    salvar();
    EXPECT_TRUE(dialogs.messageTexts().contains(kSuccess))
        << dialogs.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(periodo->EditFidelidade->text(), QStringLiteral("90"));
}

TEST_F(PlanoPeriodoContratoTest, RemovingAPlanTakesItsContractServices)
{
    loadContrato();
    auto row = [this] {
        FlushDeletes();
        const auto rows = form->VertScrollBoxDados->content()
                              ->findChildren<TPlanoPeriodoContratoFrameAdapter *>();
        return rows.isEmpty() ? nullptr : rows.first();
    };
    form->FPermissionRemover = false;
    dialogs.answerQuestion(kYes);
    row()->SpeedButtonRemove->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts().last(),
              QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso."));
    EXPECT_TRUE(excluidos.isEmpty());
    EXPECT_TRUE(removidos.isEmpty());

    form->FPermissionRemover = true;
    dialogs.answerQuestion(kYes);
    row()->SpeedButtonRemove->click();
    waitIdle();
    EXPECT_EQ(excluidos, QList<std::int64_t> { 700 });
    EXPECT_EQ(removidos, QStringList { "811" });
    EXPECT_EQ(row(), nullptr);
}

// --- Member check-list ------------------------------------------------------------------------

// Links of plan 811 read from the back end: members 41 (link 801) and 42 (link 802).
const char *const kLinksPlano811
    = R"({"total":2,"pages":1,"listHelper":[)"
      R"({"id":801,"idPlanoPeriodoContrato":811,"idPessoa":41,"dependente":"MEMBRO 41",)"
      R"("idPlano":700,"primeiroVencimento":"2024-04-15T00:00:00.000Z",)"
      R"("dataInicial":"2024-03-15T00:00:00.000Z"},)"
      R"({"id":802,"idPlanoPeriodoContrato":811,"idPessoa":42,"dependente":"MEMBRO 42",)"
      R"("idPlano":700,"primeiroVencimento":"2024-04-15T00:00:00.000Z",)"
      R"("dataInicial":"2024-03-15T00:00:00.000Z"}]})";

class PlanoDependenteChecklistTest : public PlanoPeriodoContratoTest
{
protected:
    QList<TPlanoDependenteContratoFrameAdapter *> linhas() const
    {
        QList<TPlanoDependenteContratoFrameAdapter *> found;
        for (QWidget *control : form->VertScrollBoxPlanoDependenteContrato->controls())
            if (auto *row = qobject_cast<TPlanoDependenteContratoFrameAdapter *>(control))
                found << row;
        return found;
    }
    TPlanoDependenteContratoFrameAdapter *linha(std::int64_t AIdPessoa) const
    {
        for (auto *row : linhas())
            if (row->IdPessoa == AIdPessoa)
                return row;
        ADD_FAILURE() << "no row for " << AIdPessoa;
        return nullptr;
    }
    // The contract's links of the plan: "<person>:<id>:<off>" sorted.
    QStringList linksContrato() const
    {
        QStringList found;
        TMemTable &table = links->DataSetInfo();
        table.SetFiltered(false);
        for (table.First(); !table.Eof(); table.Next())
            found << QStringLiteral("%1:%2:%3")
                         .arg(table.FieldByName(QStringLiteral("ID_PESSOA"))->AsLargeInt())
                         .arg(table.FieldByName(QStringLiteral("ID"))->AsLargeInt())
                         .arg(table.FieldByName(QStringLiteral("IS_DESATIVADO"))->AsBoolean());
        found.sort();
        return found;
    }
    void salvarDuasVezes()
    {
        salvar();
        ASSERT_TRUE(dialogs.messageTexts().contains(kSuccess))
            << dialogs.messageTexts().join(u'|').toStdString();
        const auto rows = form->VertScrollBoxDados->content()
                              ->findChildren<TPlanoPeriodoContratoFrameAdapter *>();
        ASSERT_FALSE(rows.isEmpty());
        rows.first()->SpeedButtonEdit->click();
        waitIdle();
        salvar();
        ASSERT_TRUE(dialogs.messageTexts().contains(kSuccess))
            << dialogs.messageTexts().join(u'|').toStdString();
    }
};

TEST_F(PlanoDependenteChecklistTest, NewPlanCoversEveryMemberFromToday)
{
    novoPlano();
    choose("EditPlano", QStringLiteral("700"));
    choose("EditColaborador", QStringLiteral("500"));
    form->prepararPlanoDependenteContrato();
    const auto rows = linhas();
    ASSERT_EQ(rows.size(), 3);
    for (auto *row : rows) {
        EXPECT_TRUE(row->CheckBoxIsAtivo->isChecked());
        EXPECT_EQ(row->DateEditDataInicial->date(), Date());
    }
    salvarDuasVezes();
    EXPECT_EQ(linksContrato(), (QStringList { "41:0:0", "42:0:0", "43:0:0" }));
}

TEST_F(PlanoDependenteChecklistTest, SavedPlanOffersTheUncoveredMemberSwitchedOff)
{
    demo.backend().on("GET",
                      "/plano-dependente-contrato/plano-periodo-contrato/811",
                      FakeReply::json(kLinksPlano811));
    loadContrato();
    const auto rows
        = form->VertScrollBoxDados->content()->findChildren<TPlanoPeriodoContratoFrameAdapter *>();
    ASSERT_EQ(rows.size(), 1);
    rows.first()->SpeedButtonEdit->click();
    waitIdle();
    form->prepararPlanoDependenteContrato();
    ASSERT_EQ(linhas().size(), 3);
    EXPECT_TRUE(linha(41)->CheckBoxIsAtivo->isChecked());
    EXPECT_TRUE(linha(42)->CheckBoxIsAtivo->isChecked());
    EXPECT_FALSE(linha(43)->CheckBoxIsAtivo->isChecked());

    linha(41)->CheckBoxIsAtivo->setChecked(false);
    EXPECT_EQ(removidosLinks, QStringList { "801" });
    linha(41)->CheckBoxIsAtivo->setChecked(true);
    EXPECT_TRUE(removidosLinks.isEmpty());
    form->ButtonDesmarcarClick();
    form->ButtonDesmarcarClick();
    removidosLinks.sort();
    EXPECT_EQ(removidosLinks, (QStringList { "801", "802" })) << "each saved link once";
    form->ButtonMarcarClick();
    EXPECT_TRUE(removidosLinks.isEmpty());

    linha(43)->CheckBoxIsAtivo->setChecked(false);
    salvarDuasVezes();
    EXPECT_EQ(linksContrato(), (QStringList { "41:801:0", "42:802:0", "43:0:1" }));
}

// --- Signature picture ------------------------------------------------------------------------

class AssinaturaPlanoTest : public PlanoPeriodoContratoTest
{
protected:
    void SetUp() override
    {
        PlanoPeriodoContratoTest::SetUp();
        view.reset(TFormBase::Create<TFormSubViewPlanoPeriodoContratoAssinatura>());
        view->SetPresenter(planos).SetIdPlanoPeriodoContrato(811);
        // Unhosted, the view's closing is only counted.
        view->ProcCloseForm = [this] { ++fechado; };
    }
    void TearDown() override
    {
        view.reset();
        PlanoPeriodoContratoTest::TearDown();
    }
    QString arquivo(const QString &ANome, bool AImagem)
    {
        const QString caminho = pasta.filePath(ANome);
        if (AImagem) {
            QImage picture(8, 4, QImage::Format_RGB32);
            picture.fill(Qt::blue);
            picture.save(caminho, "PNG");
        } else {
            QFile file(caminho);
            file.open(QIODevice::WriteOnly);
            file.write("não é imagem");
        }
        return caminho;
    }
    int posts()
    {
        int count = 0;
        for (const RecordedRequest &request : demo.backend().requests())
            count
                += request.method == "POST" && request.path == "/plano-periodo-contrato/assinatura";
        return count;
    }

    QTemporaryDir pasta;
    std::unique_ptr<TFormSubViewPlanoPeriodoContratoAssinatura> view;
    int fechado = 0;
};

TEST_F(AssinaturaPlanoTest, UnreadableSignatureOpensTheViewEmptyWithoutAMessage)
{
    demo.backend().on("GET",
                      "/plano-periodo-contrato/assinatura/811",
                      FakeReply::text("WARNING:Assinatura não localizada.", 404));
    form->SetIdPlanoPeriodoContrato(811);
    // The view shows once the read is over: look for it until it does.
    bool vista = false;
    QTimer procura;
    QObject::connect(&procura, &QTimer::timeout, form.get(), [&vista, &procura] {
        for (QWidget *widget : QApplication::allWidgets()) {
            auto *shown = dynamic_cast<TFormSubViewPlanoPeriodoContratoAssinatura *>(widget);
            if (shown && shown->LayoutBackground && shown->LayoutBackground->isVisible()
                && shown->LayoutBackground->window() != shown) {
                procura.stop();
                vista = true;
                EXPECT_TRUE(shown->ImageAssinatura->bitmap().isNull());
                shown->SpeedButtonClose->OnClick(shown->SpeedButtonClose);
                return;
            }
        }
    });
    procura.start(10);
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, form.get(), [] {
        ADD_FAILURE() << "the signature view was left open";
        for (QWidget *widget : QApplication::allWidgets())
            if (auto *shown = dynamic_cast<TFormSubViewPlanoPeriodoContratoAssinatura *>(widget))
                shown->SpeedButtonClose->OnClick(shown->SpeedButtonClose);
    });
    safety.start(5000);
    form->abrirAssinatura();
    EXPECT_TRUE(vista);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty())
        << dialogs.messageTexts().join(u'|').toStdString();
}

TEST_F(AssinaturaPlanoTest, GravarSendsThePictureAndClosesOnlyWhenAccepted)
{
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    view->ImageAssinatura->setBitmap(picture);

    dialogs.answerQuestion(kNo);
    view->RectangleGravarClick();
    EXPECT_EQ(posts(), 0) << "a no sends nothing";

    demo.backend().on("POST",
                      "/plano-periodo-contrato/assinatura",
                      FakeReply::text("WARNING:Plano não localizado.", 400));
    dialogs.answerQuestion(kYes);
    view->RectangleGravarClick();
    EXPECT_EQ(posts(), 1);
    EXPECT_EQ(fechado, 0) << "a refusal leaves the view open";
    EXPECT_EQ(dialogs.messageTexts().last(), QStringLiteral("WARNING:Plano não localizado."));

    demo.backend().on("POST",
                      "/plano-periodo-contrato/assinatura",
                      FakeReply::text("SUCCESSAssinatura gravada.", 200));
    dialogs.answerQuestion(kYes);
    view->RectangleGravarClick();
    EXPECT_EQ(posts(), 2);
    EXPECT_EQ(fechado, 1);
    const auto request = demo.backend().last("POST", "/plano-periodo-contrato/assinatura");
    ASSERT_TRUE(request);
    const QJsonObject body
        = QJsonDocument::fromJson(QByteArray::fromStdString(request->body)).object();
    EXPECT_EQ(body.value(QStringLiteral("id")).toInteger(), 811);
    // The picture comes back whole from what was sent.
    QImage sent;
    ASSERT_TRUE(sent.loadFromData(TPictureText::ToBytes(
        TPictureText::Decode(body.value(QStringLiteral("assinatura")).toString()))));
    EXPECT_EQ(sent.size(), picture.size());
}

// A file is taken as a signature by its suffix in any case, and only when it is a picture.
TEST_F(AssinaturaPlanoTest, ChosenFileMustBeAJpegOrPngPicture)
{
    const QString aviso = QStringLiteral(
        "WARNING:Extensão de arquivo inválido.\r\nFormatos aceitos: .jpg, .jpeg e .png");
    struct Caso
    {
        const char *nome;
        bool imagem;
        bool aceito;
    };
    for (const Caso &c : { Caso { "contrato.txt", true, false },
                           Caso { "a.png.txt", true, false },
                           Caso { "falsa.png", false, false },
                           Caso { "FOTO.PNG", true, true } }) {
        SCOPED_TRACE(c.nome);
        view->ImageAssinatura->setBitmap(QImage());
        dialogs.clearMessages();
        dialogs.chooseOpenFile(arquivo(QString::fromLatin1(c.nome), c.imagem));
        view->ImageAssinaturaClick();
        EXPECT_EQ(!view->ImageAssinatura->bitmap().isNull(), c.aceito);
        EXPECT_EQ(dialogs.messageTexts(), c.aceito ? QStringList() : QStringList { aviso });
    }
    dialogs.chooseOpenFile(QString());
    view->ImageAssinaturaClick();
    EXPECT_TRUE(dialogs.messageTexts().isEmpty()) << "a cancelled dialog says nothing";
    EXPECT_EQ(posts(), 0);
}

} // namespace
