#include "App.Form.SubCadastro.AssinaturaContratoIntegracao.h"

#include "App.Adapter.Frame.AssinaturaContratoIntegracao.h"
#include "App.Base.Presenter.SubCadastro.h"
#include "App.Lib.ForcaSenha.h"
#include "App.Lib.ItemControl.h"
#include "Common.Dto.ListaSistema.h"

#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "support/ApplicationGuard.h"
#include "support/DemoBackend.h"
#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestMainWindow.h"
#include "support/TestTexts.h"
#include "support/WaitIdle.h"
#include "support/WidgetInput.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kAvisoDesativar
    = QStringLiteral("WARNING:Ao desativar ou suspender uma assinatura, as mensalidades aguardando "
                     "pagamento ou vencidas também são removidas.");
const QString kPerguntaRemover
    = QStringLiteral("QUESTION:Ao remover uma assinatura, as mensalidades aguardando pagamento "
                     "ou vencidas também são removidas.\r\nDeseja prosseguir?");

// Contract 9's subscriptions: SUB-1 with a token of blanks only, SUB-2 tokenised and inactive.
const char *const kAssinaturas
    = R"({"total":2,"pages":1,"listHelper":[)"
      R"({"id":601,"idPessoaIntegracaoApi":31,"listaStatusGeral":408,"statusGeral":"ATIVO",)"
      R"("codigoStatusGeral":"A","codigoAssinaturaIntegracao":"SUB-1","tokenCartaoCredito":"   ",)"
      R"("idContrato":9},)"
      R"({"id":602,"idPessoaIntegracaoApi":32,"listaStatusGeral":409,"statusGeral":"INATIVO",)"
      R"("codigoStatusGeral":"I","codigoAssinaturaIntegracao":"SUB-2","tokenCartaoCredito":"TK1",)"
      R"("idContrato":9}]})";

class AssinaturaContratoIntegracaoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fake.connection().Logar(QStringLiteral("demo"), DigestSenha(QStringLiteral("demo1234")));
        demo.backend().on(
            "GET", "/assinatura-contrato-integracao/contrato/9", FakeReply::json(kAssinaturas));
        form.reset(TFormBase::Create<TFormSubCadastroAssinaturaContratoIntegracao>());
        ASSERT_NE(form, nullptr);
        form->FPermissionInserir = form->FPermissionEditar = form->FPermissionRemover = true;
        form->FPermissionVisualizar = true;
        presenter = form->PresenterSubCadastro();
        presenter->SetListRemove(&removidos);
        form->show();
        presenter->IdPrincipal = 9;
        presenter->findByFilterToDataSet();
        form->executeFillDadosSubCadastro(true);
        waitIdle();
    }
    void TearDown() override
    {
        waitIdle();
        form.reset();
        FlushDeletes();
    }

    TAssinaturaContratoIntegracaoFrameAdapter *rowOf(const QString &ACodigo) const
    {
        FlushDeletes();
        for (auto *row : form->VertScrollBoxDados->content()
                             ->findChildren<TAssinaturaContratoIntegracaoFrameAdapter *>())
            if (!row->isHidden() && row->LabelCodigoAssinaturaIntegracao->text() == ACodigo)
                return row;
        ADD_FAILURE() << "no row " << ACodigo.toStdString();
        return nullptr;
    }
    void edit(const QString &ACodigo)
    {
        rowOf(ACodigo)->SpeedButtonEdit->click();
        waitIdle();
        ASSERT_FALSE(form->IsListTabActive());
    }
    QList<TEdit *> cardEdits() const
    {
        return { form->EditNomeImpressoCartao,
                 form->EditNumeroCartao,
                 form->EditMesExpiracaoCartao,
                 form->EditAnoExpiracaoCartao,
                 form->EditCodigoSegurancaCartao };
    }
    bool locate(std::int64_t AId) const
    {
        TMemTable &table = presenter->DataSetInfo();
        table.SetFiltered(false);
        return table.Locate(QStringLiteral("ID"), TFieldValue(AId));
    }
    QString text(const char *AColumn) const
    {
        return presenter->DataSetInfo().FieldByName(QLatin1String(AColumn))->AsString();
    }
    void save()
    {
        dialogs.clearMessages();
        form->SpeedButtonSalvar->click();
        waitIdle();
    }

    ApplicationGuard application;
    DemoBackend demo { QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json") };
    FakeConnection fake { demo.backend() };
    ScriptedDialogs dialogs;
    std::unique_ptr<TFormSubCadastroAssinaturaContratoIntegracao> form;
    TBaseSubCadastroPresenter *presenter = nullptr;
    QStringList removidos;
};

TEST_F(AssinaturaContratoIntegracaoTest, RowsShowStatusAndCode)
{
    auto *row = rowOf(QStringLiteral("SUB-2"));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->LabelStatusGeral->text(), QStringLiteral("INATIVO"));
    EXPECT_EQ(row->LabelTitleCodigoAssinaturaIntegracao->text(),
              QStringLiteral("Código do Cliente na API:"));
}

// A token of blanks counts as none: the card can be typed; a real token locks the card, also
// after the row is saved again.
TEST_F(AssinaturaContratoIntegracaoTest, TokenLocksTheCardEdits)
{
    edit(QStringLiteral("SUB-1"));
    for (TEdit *card : cardEdits())
        EXPECT_TRUE(card->isEnabled()) << card->objectName().toStdString();
    EXPECT_FALSE(form->EditTokenCartaoCredito->isEnabled());
    EXPECT_FALSE(form->EditCodigoAssinaturaIntegracao->isEnabled());
    form->SpeedButtonRetornar->click();
    waitIdle();

    edit(QStringLiteral("SUB-2"));
    for (TEdit *card : cardEdits())
        EXPECT_FALSE(card->isEnabled()) << card->objectName().toStdString();
    save();
    ASSERT_EQ(dialogs.messageTexts().value(0), kSuccess);
    edit(QStringLiteral("SUB-2"));
    for (TEdit *card : cardEdits())
        EXPECT_FALSE(card->isEnabled()) << card->objectName().toStdString();
}

// A new subscription starts active, takes a card, and no diagnostic shows the card.
TEST_F(AssinaturaContratoIntegracaoTest, NewSubscriptionStartsActiveAndKeepsTheTypedCard)
{
    form->executeNovo(form->SpeedButtonNovo);
    waitIdle();
    EXPECT_EQ(form->EditListaStatusGeral->text(), QStringLiteral("ATIVO"));
    for (TEdit *card : cardEdits())
        EXPECT_TRUE(card->isEnabled()) << card->objectName().toStdString();
    form->EditNomeImpressoCartao->setFocus();
    typeText(form->EditNomeImpressoCartao, QStringLiteral("maria souza"));
    typeText(form->EditNumeroCartao, QStringLiteral("4111111111111111"));
    typeText(form->EditMesExpiracaoCartao, QStringLiteral("12"));
    typeText(form->EditAnoExpiracaoCartao, QStringLiteral("2030"));
    typeText(form->EditCodigoSegurancaCartao, QStringLiteral("123"));
    save();
    ASSERT_EQ(dialogs.messageTexts().value(0), kSuccess);
    ASSERT_TRUE(locate(0));
    EXPECT_EQ(text("NUMERO_CARTAO"), QStringLiteral("4111111111111111"));
    EXPECT_EQ(text("NOME_IMPRESSO_CARTAO"), QStringLiteral("MARIA SOUZA"));
    EXPECT_EQ(text("CODIGO_STATUS_GERAL"), QStringLiteral("A"));
    EXPECT_EQ(text("STATUS_GERAL"), QStringLiteral("ATIVO"));
    for (const QString &shown : dialogs.shownTexts())
        EXPECT_FALSE(shown.contains(QStringLiteral("4111"))) << shown.toStdString();
}

// The row's status code follows the status chosen, so the contract save judges the row as
// shown; the row keeps its link to the payment API across the edit.
TEST_F(AssinaturaContratoIntegracaoTest, ChosenStatusIsStoredWithItsCodeAndTheLinkStays)
{
    edit(QStringLiteral("SUB-1"));
    presenter->FindItemControl(QStringLiteral("EditListaStatusGeral"))
        ->SetValueControl(QStringLiteral("409"));
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kAvisoDesativar });
    save();
    ASSERT_EQ(dialogs.messageTexts().value(0), kSuccess);
    ASSERT_TRUE(locate(601));
    EXPECT_EQ(text("CODIGO_STATUS_GERAL"), QStringLiteral("I"));
    EXPECT_EQ(text("STATUS_GERAL"), QStringLiteral("INATIVO"));
    EXPECT_EQ(presenter->DataSetInfo().FieldByName(QStringLiteral("ID_PESSOA_INTEGRACAO_API"))
                  ->AsLargeInt(),
              31);
    EXPECT_EQ(text("CODIGO_ASSINATURA_INTEGRACAO"), QStringLiteral("SUB-1"));
}

TEST_F(AssinaturaContratoIntegracaoTest, OnlyAnInactiveStatusWarns)
{
    const std::pair<const char *, bool> cases[] = {
        { "A", false }, { "a", false }, { "", false }, { "c", true }, { "I", true }
    };
    for (const auto &[codigo, avisa] : cases) {
        dialogs.clearMessages();
        TListaSistemaDto status;
        status.Codigo = QString::fromLatin1(codigo);
        form->ProcPesquisaStatusGeral(&status, TTypeEventProc::epSearch);
        EXPECT_EQ(dialogs.messageTexts(), avisa ? QStringList { kAvisoDesativar } : QStringList())
            << "code " << codigo;
    }
    dialogs.clearMessages();
    form->ProcPesquisaStatusGeral(nullptr, TTypeEventProc::epClear);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(AssinaturaContratoIntegracaoTest, RemovalAsksTwiceAndStopsAtTheFirstNo)
{
    dialogs.answerQuestion(kNo);
    rowOf(QStringLiteral("SUB-2"))->SpeedButtonRemove->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kPerguntaRemover });
    EXPECT_EQ(presenter->AllRecordCount(), 2);

    dialogs.clearMessages();
    dialogs.answerQuestions({ kYes, kYes });
    rowOf(QStringLiteral("SUB-2"))->SpeedButtonRemove->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kPerguntaRemover, QStringLiteral("QUESTION:Remover registro?") }));
    EXPECT_EQ(presenter->AllRecordCount(), 1);
    EXPECT_EQ(removidos, QStringList { "602" });
}

} // namespace
