#include "App.Form.SubCadastro.PeriodoContrato.h"
#include "App.Form.SubCadastro.PlanoPeriodoContrato.h"
#include "App.Form.SubCadastro.ServicoContrato.h"

#include "App.Adapter.Frame.PeriodoContrato.h"
#include "App.Adapter.Frame.PlanoPeriodoContrato.h"
#include "App.Base.Presenter.SubCadastro.h"
#include "App.Lib.ForcaSenha.h"
#include "App.Presenter.PeriodoContrato.h"
#include "App.Presenter.PlanoPeriodoContrato.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "support/ApplicationGuard.h"
#include "support/DemoBackend.h"
#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"
#include "support/WaitIdle.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

// Contract 9: period 701 sells plans 25 (811) and 26 (812); period 702 sells plan 26 again (813).
const char *const kPeriodosContrato9
    = R"({"total":2,"pages":1,"listHelper":[)"
      R"({"id":701,"idContrato":9,"dataContrato":"2024-03-15T00:00:00.000Z","fidelidade":180,)"
      R"("informacoes":"PERÍODO INICIAL"},)"
      R"({"id":702,"idContrato":9,"dataContrato":"2025-03-15T00:00:00.000Z","fidelidade":90,)"
      R"("informacoes":"RENOVAÇÃO"}]})";
const char *const kPlanosPeriodosContrato9
    = R"({"total":3,"pages":1,"listHelper":[)"
      R"({"id":811,"idPeriodoContrato":701,"idPlano":25,"plano":"PLANO 25",)"
      R"("primeiroVencimento":"2024-04-15T00:00:00.000Z","parcelaInicial":1},)"
      R"({"id":812,"idPeriodoContrato":701,"idPlano":26,"plano":"PLANO 26",)"
      R"("primeiroVencimento":"2024-04-15T00:00:00.000Z","parcelaInicial":1},)"
      R"({"id":813,"idPeriodoContrato":702,"idPlano":26,"plano":"PLANO 26",)"
      R"("primeiroVencimento":"2025-04-15T00:00:00.000Z","parcelaInicial":13}]})";
// Two services of plan 25, one of plan 26 and one entered by hand.
const char *const kServicosPeriodosContrato9
    = R"({"total":4,"pages":1,"listHelper":[)"
      R"({"id":501,"idServico":401,"servico":"KIT VELÓRIO","valor":450,"indice":1,"idPlano":25},)"
      R"({"id":502,"idServico":402,"servico":"TRANSLADO","valor":300,"indice":1,"idPlano":25},)"
      R"({"id":503,"idServico":403,"servico":"ORNAMENTAÇÃO","valor":100,"indice":1},)"
      R"({"id":504,"idServico":404,"servico":"URNA","valor":850,"indice":1,"idPlano":26}]})";

void grantPeriodoPermissions(TFormBase &AForm)
{
    for (bool TFormBase::*permission : { &TFormBase::FPermissionInserir,
                                         &TFormBase::FPermissionEditar,
                                         &TFormBase::FPermissionRemover,
                                         &TFormBase::FPermissionVisualizar })
        AForm.*permission = true;
}

// The period window with its embedded plan window and the contract services window, wired as
// the contract window wires them.
class PeriodoContratoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fake.connection().Logar(QStringLiteral("demo"), DigestSenha(QStringLiteral("demo1234")));
        demo.backend().on(
            "GET", "/periodo-contrato/contrato/9", FakeReply::json(kPeriodosContrato9));
        demo.backend().on(
            "GET", "/plano-periodo-contrato/contrato/9", FakeReply::json(kPlanosPeriodosContrato9));
        demo.backend().on(
            "GET", "/servico-contrato/contrato/9", FakeReply::json(kServicosPeriodosContrato9));
        servicos.reset(TFormBase::Create<TFormSubCadastroServicoContrato>());
        planos.reset(TFormBase::Create<TFormSubCadastroPlanoPeriodoContrato>());
        form.reset(TFormBase::Create<TFormSubCadastroPeriodoContrato>(planos.get()));
        for (TFormBase *each : { static_cast<TFormBase *>(servicos.get()),
                                 static_cast<TFormBase *>(planos.get()),
                                 static_cast<TFormBase *>(form.get()) })
            grantPeriodoPermissions(*each);
        periodos = static_cast<TPeriodoContratoPresenter *>(form->PresenterSubCadastro());
        periodos->SetListRemove(&removidosPeriodos);
        periodos->SetDataSetPlanoPeriodoContrato(&planos->DataSetSubCadastro());
        periodos->SetListRemovePlanoPeriodoContrato(&removidosPlanos);
        planos->PresenterSubCadastro()->SetListRemove(&removidosPlanos);
        planos->PresenterPlano()->PeriodoContratoPresenter = periodos;
        servicos->PresenterSubCadastro()->SetListRemove(&removidosServicos);
        form->SetProcExcluirServicosContrato([this] {
            for (const std::int64_t plano : form->ListIdsPlanos())
                servicos->excluirServicosComPlanoVinculado(plano);
        });
        form->show();
    }
    void TearDown() override
    {
        waitIdle();
        form.reset();
        planos.reset();
        servicos.reset();
        FlushDeletes();
    }

    void loadContrato()
    {
        periodos->IdPrincipal = 9;
        periodos->findByFilterToDataSet();
        TBaseSubCadastroPresenter *plano = planos->PresenterSubCadastro();
        plano->IdPrincipal = 9;
        plano->findByFilterToDataSet();
        plano->SetInfoIdRegistroFK(&periodos->DataSetInfo(), QStringLiteral("ID_PERIODO_CONTRATO"));
        servicos->PresenterSubCadastro()->IdPrincipal = 9;
        servicos->PresenterSubCadastro()->findByFilterToDataSet();
        form->executeFillDadosSubCadastro(true);
        waitIdle();
    }
    template<class TRow>
    QList<TRow *> rowsIn(TVertScrollBox *ABox) const
    {
        FlushDeletes();
        QList<TRow *> found;
        for (TRow *row : ABox->content()->template findChildren<TRow *>())
            if (!row->isHidden())
                found << row;
        return found;
    }
    TPeriodoContratoFrameAdapter *periodo(const QString &AData) const
    {
        for (auto *row : rowsIn<TPeriodoContratoFrameAdapter>(form->VertScrollBoxDados))
            if (row->LabelDataContrato->text() == AData)
                return row;
        ADD_FAILURE() << "no period " << AData.toStdString();
        return nullptr;
    }
    static QList<std::int64_t> ids(TMemTable &ATable, const char *AColumn = "ID")
    {
        QList<std::int64_t> found;
        ATable.SetFiltered(false);
        for (ATable.First(); !ATable.Eof(); ATable.Next())
            found << ATable.FieldByName(QLatin1String(AColumn))->AsLargeInt();
        std::sort(found.begin(), found.end());
        return found;
    }

    ApplicationGuard application;
    DemoBackend demo { QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json") };
    FakeConnection fake { demo.backend() };
    ScriptedDialogs dialogs;
    std::unique_ptr<TFormSubCadastroServicoContrato> servicos;
    std::unique_ptr<TFormSubCadastroPlanoPeriodoContrato> planos;
    std::unique_ptr<TFormSubCadastroPeriodoContrato> form;
    TPeriodoContratoPresenter *periodos = nullptr;
    QStringList removidosPeriodos;
    QStringList removidosPlanos;
    QStringList removidosServicos;
};

TEST_F(PeriodoContratoTest, OpenedPeriodShowsItsOwnPlansInsideItsRecord)
{
    loadContrato();
    ASSERT_EQ(rowsIn<TPeriodoContratoFrameAdapter>(form->VertScrollBoxDados).size(), 2);
    TPeriodoContratoFrameAdapter *inicial = periodo(QStringLiteral("15/03/2024"));
    ASSERT_TRUE(inicial);
    EXPECT_EQ(inicial->LabelFidelidade->text(), QStringLiteral("180"));
    EXPECT_EQ(inicial->LabelInformacoes->text(), QStringLiteral("PERÍODO INICIAL"));

    inicial->SpeedButtonEdit->click();
    waitIdle();
    ASSERT_FALSE(form->IsListTabActive());
    EXPECT_TRUE(form->VertScrollBoxPlano->isAncestorOf(planos->RectanglePrincipal));
    QStringList planosDoPeriodo;
    for (auto *row : rowsIn<TPlanoPeriodoContratoFrameAdapter>(planos->VertScrollBoxDados))
        planosDoPeriodo << QString::number(row->IdPlano);
    planosDoPeriodo.sort();
    EXPECT_EQ(planosDoPeriodo, (QStringList { "25", "26" }));
}

// Removing a period takes its plans and the contract services of the plans it alone sells; a
// plan another period still sells keeps its services.
TEST_F(PeriodoContratoTest, RemovingAPeriodTakesItsPlansAndTheirServices)
{
    loadContrato();
    dialogs.answerQuestion(kYes);
    periodo(QStringLiteral("15/03/2024"))->SpeedButtonRemove->click();
    waitIdle();
    EXPECT_TRUE(dialogs.messageTexts().contains(QStringLiteral("QUESTION:Remover registro?")));
    EXPECT_EQ(removidosPeriodos, QStringList { "701" });
    removidosPlanos.sort();
    EXPECT_EQ(removidosPlanos, (QStringList { "811", "812" }));
    EXPECT_EQ(ids(periodos->DataSetInfo()), QList<std::int64_t> { 702 });
    EXPECT_EQ(ids(planos->DataSetSubCadastro()), QList<std::int64_t> { 813 });
    removidosServicos.sort();
    EXPECT_EQ(removidosServicos, (QStringList { "501", "502" }));
    EXPECT_EQ(ids(servicos->DataSetSubCadastro()), (QList<std::int64_t> { 503, 504 }));
}

TEST_F(PeriodoContratoTest, RemovalWithoutPermissionChangesNothing)
{
    loadContrato();
    form->FPermissionRemover = false;
    dialogs.answerQuestion(kYes);
    periodo(QStringLiteral("15/03/2024"))->SpeedButtonRemove->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts().last(),
              QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso."));
    EXPECT_TRUE(removidosPeriodos.isEmpty());
    EXPECT_TRUE(removidosPlanos.isEmpty());
    EXPECT_TRUE(removidosServicos.isEmpty());
    EXPECT_EQ(ids(periodos->DataSetInfo()), (QList<std::int64_t> { 701, 702 }));
    EXPECT_EQ(ids(planos->DataSetSubCadastro()), (QList<std::int64_t> { 811, 812, 813 }));
    EXPECT_EQ(ids(servicos->DataSetSubCadastro()), (QList<std::int64_t> { 501, 502, 503, 504 }));
}

// "Qtde. Parcelas Pagas" counts the months between the transfer and the contract dates, only
// when it holds nothing and both dates are given.
struct ParcelasPagasCase
{
    const char *name;
    const char *transferencia; // "" leaves the date empty
    const char *contrato;
    const char *parcelas; // typed before the dates
    const char *esperado;
};

void PrintTo(const ParcelasPagasCase &row, std::ostream *out)
{
    *out << row.name;
}

const ParcelasPagasCase kParcelasPagasCases[] = {
    { "BothDatesFillTheMonths", "10/01/2020", "15/03/2021", "", "14" },
    { "ZeroIsReplaced", "10/01/2020", "15/03/2021", "0", "14" },
    { "AValueThereStays", "10/01/2020", "15/03/2021", "3", "3" },
    { "TransferDateOnlyLeavesIt", "10/01/2020", "", "", "" },
    { "ContractDateOnlyLeavesIt", "", "15/03/2021", "", "" },
};

class ParcelasPagasTest : public PeriodoContratoTest,
                          public ::testing::WithParamInterface<ParcelasPagasCase>
{
};

TEST_P(ParcelasPagasTest, PaidInstalmentsFollowTheDates)
{
    const ParcelasPagasCase &c = GetParam();
    form->executeNovo(form->SpeedButtonNovo);
    ASSERT_FALSE(form->IsListTabActive());
    form->DateEditDataContrato->setText(QString());
    form->EditParcelasPagas->setText(QString::fromUtf8(c.parcelas));
    form->DateEditDataContratoTransferencia->setText(QString::fromUtf8(c.transferencia));
    form->DateEditDataContrato->setText(QString::fromUtf8(c.contrato));
    form->calcularParcelasPagas();
    EXPECT_EQ(form->EditParcelasPagas->text(), QString::fromUtf8(c.esperado));
}

INSTANTIATE_TEST_SUITE_P(Periodo,
                         ParcelasPagasTest,
                         ::testing::ValuesIn(kParcelasPagasCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
