#include "App.Lib.Application.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Utils.h"
#include "App.View.AtualizacaoTitular.h"
#include "App.View.Sub.AtualizarParentescoTitular.h"
#include "Common.Dto.CancelamentoOrdemServico.h"
#include "Common.Entity.Pessoa.h"
#include "Common.Dto.FechamentoOrdemServico.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "Label.h"
#include "Memo.h"
#include "Shapes.h"

#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestMainWindow.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"
#include "support/WaitIdle.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <memory>

namespace {

const char *const kAtualizarPath = "/contrato/atualizar-titular";
const QString kAviso = QStringLiteral(
    "WARNING:Caso haja cobranças em aberto do titular atual, será gerado novas cobranças para o "
    "novo titular, cancelaremos as cobranças do titular atual.\r\nATENÇÃO: Serão atualizadas as "
    "cobranças eletrônicas que tenham vencimento maior que a data atual, não sendo possível "
    "atualizar as atrasadas. Caso o contrato tenha assinatura de cartão é necessário a alteração "
    "manualmente.");
const QString kPergunta = QStringLiteral("QUESTION:Confirma gerar a atualização do titular?");

// The change-of-holder view, unhosted, for a logged-in user, with two contracts, their members
// and the leave reasons; its closing is counted.
class AtualizacaoTitularTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        waitIdle();
        backend.on("GET", "/acesso", FakeReply::json(R"({"id":1})"));
        backend.on("GET",
                   "/contrato/pesquisa/77",
                   FakeReply::json(R"({"id":77,"codigo":1234,"titular":"JOSÉ DA SILVA",)"
                                   R"("idTitular":5})"));
        backend.on(
            "GET",
            "/contrato/pesquisa/78",
            FakeReply::json(R"({"id":78,"codigo":1235,"titular":"ANA LIMA","idTitular":6})"));
        backend.on("GET",
                   "/dependente-contrato/pesquisa/39",
                   FakeReply::json(R"({"id":39,"idPessoa":9,"pessoa":"MARIA DA SILVA",)"
                                   R"("cpfCnpj":"12345678909"})"));
        backend.on("GET",
                   "/dependente-contrato/pesquisa/41",
                   FakeReply::json(R"({"id":41,"idPessoa":11,"pessoa":"SILVA COMERCIO LTDA",)"
                                   R"("cpfCnpj":"11222333000181"})"));
        backend.on("GET",
                   "/lista-sistema/pesquisa/801",
                   FakeReply::json(R"({"id":801,"codigo":"04","descricao":"ÓBITO",)"
                                   R"("tipo":"BAIXA_CONTRATO"})"));
        backend.on("GET",
                   "/lista-sistema/",
                   FakeReply::json(R"({"listHelper":[{"id":801,"codigo":"04",)"
                                   R"("descricao":"ÓBITO"}]})"));
        fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("x"));
        view.reset(TFormBase::Create<TFormViewAtualizacaoTitular>());
        view->ProcCloseForm = [this] { ++closed; };
    }
    void TearDown() override
    {
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        view.reset();
        TApplicationZunta::ResetInstance();
        FlushDeletes();
    }

    TItemControl &item(const char *AControl) const
    {
        return *view->Presenter().FindItemControl(QLatin1String(AControl));
    }
    // Contract 77 (holder person 5), its member 39 as new holder, death as the reason.
    void preencher()
    {
        item("EditContrato").SetValueControl(QStringLiteral("77"));
        item("EditNovoTitular").SetValueControl(QStringLiteral("39"));
        item("EditListaBaixaContrato").SetValueControl(QStringLiteral("801"));
        view->DateEditDataBaixa->setDate(EncodeDate(2026, 12, 1));
        view->MemoJustificativa->setText(QStringLiteral("FALECEU"));
    }
    void gravar()
    {
        view->RectangleGravar->click();
        waitIdle();
    }
    void expectFilled() const
    {
        EXPECT_EQ(item("EditContrato").Id, 77);
        EXPECT_EQ(item("EditNovoTitular").Id, 39);
        EXPECT_EQ(view->AtualizacaoTitular().IdPessoaNovo, 9);
        EXPECT_EQ(view->EditCpfCnpjNovo->text(), QStringLiteral("123.456.789-09"));
        EXPECT_EQ(view->AtualizacaoTitular().ListaBaixaContrato, 801);
        EXPECT_EQ(view->DateEditDataBaixa->date(), EncodeDate(2026, 12, 1));
        EXPECT_EQ(view->MemoJustificativa->text(), QStringLiteral("FALECEU"));
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    std::unique_ptr<TFormViewAtualizacaoTitular> view;
    int closed = 0;
};

TEST_F(AtualizacaoTitularTest, AnAcceptedChangeIsSentAfterBothWarningsAndTheViewIsCleared)
{
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kAviso });
    EXPECT_FALSE(view->EditCpfCnpjNovo->isEnabled());
    EXPECT_EQ(view->DateEditDataBaixa->date(), Date());
    preencher();
    EXPECT_EQ(view->AtualizacaoTitular().IdPessoaAtual, 5);
    EXPECT_EQ(item("EditNovoTitular").ValueFixFilter, QStringLiteral("77"));
    backend.on("POST", kAtualizarPath, FakeReply::empty(200));
    dialogs.answerQuestion(kYes);

    gravar();

    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kAviso, kAviso, kPergunta, kSuccess }));
    const auto request = backend.last("POST", kAtualizarPath);
    ASSERT_TRUE(request);
    const QJsonObject body
        = QJsonDocument::fromJson(QByteArray::fromStdString(request->body)).object();
    EXPECT_EQ(body.value("idPessoaAtual").toInteger(), 5);
    EXPECT_EQ(body.value("idPessoaNovo").toInteger(), 9);
    EXPECT_EQ(body.value("listaBaixaContrato").toInteger(), 801);
    EXPECT_EQ(body.value("justificativa").toString(), QStringLiteral("FALECEU\r\n"));
    EXPECT_TRUE(body.value("dataBaixa").toString().startsWith(QStringLiteral("2026-12-01")))
        << request->body;
    EXPECT_EQ(item("EditContrato").Id, 0);
    EXPECT_EQ(item("EditNovoTitular").Id, 0);
    EXPECT_EQ(view->AtualizacaoTitular().IdPessoaNovo, 0);
    EXPECT_EQ(view->AtualizacaoTitular().ListaBaixaContrato, 0);
    EXPECT_EQ(view->EditCpfCnpjNovo->text(), QString());
    EXPECT_EQ(view->DateEditDataBaixa->date(), Date());
    EXPECT_EQ(view->MemoJustificativa->text(), QString());
    EXPECT_EQ(closed, 0);
}

// A refused change (or one that got no reply) keeps what the user typed, to correct and send
// again; "Não" and an empty justification send nothing.
TEST_F(AtualizacaoTitularTest, NothingSentOrARefusalKeepsEveryValue)
{
    preencher();
    backend.on("POST", kAtualizarPath, FakeReply::text("WARNING:Titular já alterado.", 400));

    dialogs.answerQuestion(kNo);
    gravar();
    EXPECT_EQ(backend.count("POST", kAtualizarPath), 0U);
    expectFilled();

    dialogs.clearMessages();
    dialogs.answerQuestion(kYes);
    gravar();
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kAviso, kPergunta, QStringLiteral("WARNING:Titular já alterado.") }));
    expectFilled();

    dialogs.clearMessages();
    view->MemoJustificativa->clear();
    dialogs.answerQuestion(kYes);
    gravar();
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kAviso,
                             kPergunta,
                             QStringLiteral("WARNING:É necessário preencher o campo "
                                            "justificativa para prosseguir.") }));
    EXPECT_EQ(backend.count("POST", kAtualizarPath), 1U);
    EXPECT_EQ(item("EditNovoTitular").Id, 39);
}

TEST_F(AtualizacaoTitularTest, TheNewHoldersTaxIdShowsByItsLengthAndAnotherContractClearsIt)
{
    item("EditContrato").SetValueControl(QStringLiteral("77"));
    item("EditNovoTitular").SetValueControl(QStringLiteral("41"));
    EXPECT_EQ(view->EditCpfCnpjNovo->text(), QStringLiteral("11.222.333/0001-81"));
    item("EditNovoTitular").SetValueControl(QStringLiteral("39"));
    EXPECT_EQ(view->EditCpfCnpjNovo->text(), QStringLiteral("123.456.789-09"));

    item("EditContrato").SetValueControl(QStringLiteral("78"));
    EXPECT_EQ(view->AtualizacaoTitular().IdPessoaAtual, 6);
    EXPECT_EQ(item("EditNovoTitular").Id, 0);
    EXPECT_EQ(view->EditNovoTitular->text(), QString());
    EXPECT_EQ(view->EditCpfCnpjNovo->text(), QString());
    EXPECT_EQ(view->AtualizacaoTitular().IdPessoaNovo, 0);
    EXPECT_EQ(item("EditNovoTitular").ValueFixFilter, QStringLiteral("78"));

    // Without a contract no member is offered; the last holder stays in the body.
    item("EditContrato").Clear();
    EXPECT_EQ(item("EditNovoTitular").ValueFixFilter, QStringLiteral("0"));
    EXPECT_EQ(view->AtualizacaoTitular().IdPessoaAtual, 6);
}

TEST_F(AtualizacaoTitularTest, DeathOfTheHolderOnlyChoosesTheNewHolderAndSendsNothing)
{
    TFechamentoOrdemServicoDto fechamento;
    fechamento.IdContratoTitular = 77;
    view->SetFechamentoOrdemServico(&fechamento);

    EXPECT_EQ(item("EditContrato").Id, 77);
    EXPECT_EQ(view->AtualizacaoTitular().IdPessoaAtual, 5);
    EXPECT_EQ(item("EditListaBaixaContrato").Id, 801);
    EXPECT_EQ(view->MemoJustificativa->text(), QStringLiteral("FALECIMENTO DO TITULAR"));
    for (QWidget *control : { static_cast<QWidget *>(view->EditContrato),
                              static_cast<QWidget *>(view->EditListaBaixaContrato),
                              static_cast<QWidget *>(view->DateEditDataBaixa),
                              static_cast<QWidget *>(view->MemoJustificativa) })
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_TRUE(view->EditNovoTitular->isEnabled());
    EXPECT_EQ(view->LabelTrocaTitular->text(),
              QStringLiteral("PARA PROFESSEGUIR É NECESSÁRIO INFORMAR UM NOVO TITULAR NO LUGAR "
                             "DO FALECIDO"));

    dialogs.clearMessages();
    gravar();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kAviso });
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(fechamento.IdPessoaNovoTitular, 0);

    item("EditNovoTitular").SetValueControl(QStringLiteral("39"));
    gravar();
    EXPECT_EQ(fechamento.IdPessoaNovoTitular, 9);
    EXPECT_EQ(backend.count("POST", kAtualizarPath), 0U);
}

TEST_F(AtualizacaoTitularTest, TheKinshipWindowWritesTheChosenKinshipIntoTheCancellation)
{
    backend.on(
        "GET",
        "/lista-sistema/pesquisa/3",
        FakeReply::json(R"({"id":3,"codigo":"03","descricao":"FILHO","tipo":"PARENTESCO"})"));
    const std::unique_ptr<TFormSubViewAtualizarParentescoTitular> parentesco(
        TFormBase::Create<TFormSubViewAtualizarParentescoTitular>());
    int fechada = 0;
    parentesco->ProcCloseForm = [&fechada] { ++fechada; };
    TPessoaEntity pessoa;
    pessoa.Nome = QStringLiteral("MARIA DA SILVA");
    pessoa.CpfCnpj = QStringLiteral("12345678909");
    TCancelamentoOrdemServicoDto cancelamento;
    parentesco->SetPessoa(pessoa);
    parentesco->SetCancelamentoDto(&cancelamento);
    EXPECT_EQ(parentesco->LabelNomePessoa->text(),
              QStringLiteral("MARIA DA SILVA - CPF: 12345678909"));

    parentesco->Presenter()
        .FindItemControl(QStringLiteral("EditListaParentesco"))
        ->SetValueControl(QStringLiteral("3"));
    parentesco->RectangleGravar->click();
    EXPECT_EQ(cancelamento.ListaParentesco, 3);
    EXPECT_EQ(fechada, 1);

    parentesco->Presenter().FindItemControl(QStringLiteral("EditListaParentesco"))->Clear();
    parentesco->RectangleGravar->click();
    EXPECT_EQ(cancelamento.ListaParentesco, 0);
}

} // namespace
