#include "App.Adapter.Frame.Contrato.h"
#include "App.Lib.Theme.h"
#include "App.Presenter.Contrato.h"

#include "Label.h"
#include "MemTable.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

using TCorContrato = TAlphaColor TColorFinanceiroApp::*;

struct ContratoStatusCase
{
    const char *name;
    TContratoSituacao situacao;
    const char *texto;
    TCorContrato cor; // null: the row's own stripe
};

void PrintTo(const ContratoStatusCase &ARow, std::ostream *AOut)
{
    *AOut << ARow.name;
}

class ContratoStatusTest : public ::testing::TestWithParam<ContratoStatusCase>
{
};

TEST_P(ContratoStatusTest, TheLastStatusThatAppliesWins)
{
    const ContratoStatusCase &row = GetParam();
    const TContratoStatus status = contratoStatus(row.situacao);
    EXPECT_EQ(status.Texto, QString::fromLatin1(row.texto));
    EXPECT_EQ(status.Cor, row.cor);
}

// Fields: IsEmCarencia, DiasParcelasEmAberto, IsCancelado, IsTitularFalecido, IsSuspenso,
// IsQuitado.
const ContratoStatusCase contratoStatusCases[] = {
    { "NothingPending", {}, "ATIVO", nullptr },
    { "WaitingPeriodOutranksOpenDays",
      { true, 120 },
      "ATIVO",
      &TColorFinanceiroApp::CadastroEmCarencia },
    { "FiftyNineDaysNoBand", { false, 59 }, "ATIVO", nullptr },
    { "SixtyDays", { false, 60 }, "ATIVO", &TColorFinanceiroApp::QuarentaCincoDiasParcelasAbertas },
    { "EightyNineDays",
      { false, 89 },
      "ATIVO",
      &TColorFinanceiroApp::QuarentaCincoDiasParcelasAbertas },
    { "NinetyDays", { false, 90 }, "ATIVO", &TColorFinanceiroApp::SessentaDiasParcelasAbertas },
    { "CancelledWithDeceasedHolder",
      { false, 0, true, true },
      "DESATIVADO",
      &TColorFinanceiroApp::TitularFalecido },
    { "SuspendedAndPaidOff",
      { false, 0, false, false, true, true },
      "QUITADO",
      &TColorFinanceiroApp::CadastroQuitado },
    { "SuspendedAndCancelled",
      { false, 200, true, false, true },
      "INATIVO",
      &TColorFinanceiroApp::CadastroSuspenso },
};
INSTANTIATE_TEST_SUITE_P(Contrato,
                         ContratoStatusTest,
                         ::testing::ValuesIn(contratoStatusCases),
                         [](const auto &info) { return std::string(info.param.name); });

// A row built from the contract list table as the window builds it.
class ContratoFrameAdapterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TMemTable &table = presenter->DataSetInfo();
        table.CreateDataSet();
        table.Append();
        set("ID", 5000000001LL);
        set("ID_TITULAR", 12345678901LL);
        set("TITULAR", QStringLiteral("JOSÉ DA SILVA"));
        set("CODIGO", 1234LL);
        set("DIA_VENCIMENTO", 5LL);
        set("PLANO", QStringLiteral("PLANO OURO"));
        set("TELEFONE", QStringLiteral("31988887777"));
        set("LOGRADOURO", QStringLiteral("RUA A"));
        set("MUNICIPIO", QStringLiteral("BELO HORIZONTE"));
        set("UF", QStringLiteral("MG"));
        set("DIAS_PARCELAS_EM_ABERTO", 75LL);
        table.Post();
    }

    void set(const char *AColumn, const TFieldValue &AValue)
    {
        presenter->DataSetInfo().FieldByName(QLatin1String(AColumn))->SetValue(AValue);
    }
    TContratoFrameAdapter *row()
    {
        return TFrameBaseAdapter::New<TContratoFrameAdapter>(&owner, presenter->DataSetInfo());
    }

    std::unique_ptr<TContratoPresenter> presenter = TBasePresenter::Create<TContratoPresenter>();
    QWidget owner;
};

TEST_F(ContratoFrameAdapterTest, ShowsTheContractWithItsStatusAndHidesAnEmptyWarning)
{
    TContratoFrameAdapter *frame = row();

    EXPECT_EQ(frame->IdPessoaTitular, 12345678901);
    EXPECT_EQ(frame->LabelTitular->text(), QStringLiteral("JOSÉ DA SILVA"));
    EXPECT_EQ(frame->LabelCodigo->text(), QStringLiteral("0000001234"));
    EXPECT_EQ(frame->LabelDiaVencimento->text(), QStringLiteral("05"));
    EXPECT_EQ(frame->LabelPlano->text(), QStringLiteral("PLANO OURO"));
    EXPECT_EQ(frame->LabelTelefone->text(), QStringLiteral("(31) 98888-7777"));
    // Empty parts keep their separators.
    EXPECT_EQ(frame->LabelEndereco->text(), QStringLiteral("RUA A,  - BELO HORIZONTE, MG"));
    EXPECT_EQ(frame->LabelStatusPlano->text(), QStringLiteral("ATIVO"));
    EXPECT_EQ(frame->RectangleColorStatus->fillColor(),
              TThemeApp::Instance().ColorFinanceiro().QuarentaCincoDiasParcelasAbertas);
    EXPECT_TRUE(frame->SpeedButtonAviso->isHidden());
    EXPECT_FALSE(frame->SpeedButtonMenuLateral->isHidden());
}

TEST_F(ContratoFrameAdapterTest, AWarningShowsItsButtonWhichHandsTheRowToTheWindow)
{
    TMemTable &table = presenter->DataSetInfo();
    table.Edit();
    set("AVISO", QStringLiteral("COBRAR TAXA DE ADESÃO"));
    table.Post();
    TContratoFrameAdapter *frame = row();
    TFrameBaseAdapter *aviso = nullptr;
    TFrameBaseAdapter *menu = nullptr;
    frame->ProcAviso = [&aviso](TFrameBaseAdapter *AFrame) { aviso = AFrame; };
    frame->ProcMenuLateral = [&menu](TFrameBaseAdapter *AFrame) { menu = AFrame; };

    EXPECT_FALSE(frame->SpeedButtonAviso->isHidden());
    EXPECT_EQ(frame->Aviso(), QStringLiteral("COBRAR TAXA DE ADESÃO"));
    frame->SpeedButtonAviso->click();
    frame->SpeedButtonMenuLateral->click();
    EXPECT_EQ(aviso, frame);
    EXPECT_EQ(menu, frame);
    frame->SetAviso(QString());
    EXPECT_TRUE(frame->SpeedButtonAviso->isHidden());
}

TEST(ContratoLegendaTest, TheBoxShowsWhileThePointerIsOverTheLegend)
{
    QWidget host;
    host.resize(900, 600);
    auto *footer = new QWidget(&host);
    const TContratoLegenda legenda(footer, &host);
    const TColorFinanceiroApp &cores = TThemeApp::Instance().ColorFinanceiro();

    EXPECT_TRUE(legenda.RectangleHelpLegenda->isHidden());
    EXPECT_EQ(legenda.RectangleCadastroAtivo->fillColor(), cores.CadastroSemPendencias);
    EXPECT_EQ(legenda.RectangleCadastroParcelasAbertasSessentaDias->fillColor(),
              cores.SessentaDiasParcelasAbertas);
    EXPECT_EQ(legenda.RectangleCadastroQuitado->fillColor(), cores.CadastroQuitado);
    legenda.RectangleAbreLegenda->OnMouseEnter(legenda.RectangleAbreLegenda);
    EXPECT_FALSE(legenda.RectangleHelpLegenda->isHidden());
    legenda.RectangleAbreLegenda->OnMouseLeave(legenda.RectangleAbreLegenda);
    EXPECT_TRUE(legenda.RectangleHelpLegenda->isHidden());
}

} // namespace
