#include "App.Presenter.PlanoPeriodoContrato.h"

#include "App.Adapter.Frame.PlanoPeriodoContrato.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "Common.Lib.PictureText.h"

#include "Edit.h"
#include "MemTable.h"
#include "RestRequest.h"
#include "SpeedButton.h"

#include "support/ApplicationGuard.h"
#include "support/FakeConnection.h"
#include "support/PresenterContract.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>

#include <gtest/gtest.h>

INSTANTIATE_TYPED_TEST_SUITE_P(PlanoPeriodoContrato,
                               PresenterContract,
                               TPlanoPeriodoContratoPresenter);

namespace {

class PlanoPeriodoContratoPresenterTest : public ::testing::Test
{
protected:
    QJsonObject lastBody(const char *AMethod, const char *APath) const
    {
        const auto request = backend.last(AMethod, APath);
        return request ? QJsonDocument::fromJson(QByteArray::fromStdString(request->body)).object()
                       : QJsonObject();
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    std::unique_ptr<TPlanoPeriodoContratoPresenter> presenter
        = TBasePresenter::Create<TPlanoPeriodoContratoPresenter>();
};

TEST_F(PlanoPeriodoContratoPresenterTest, SavedPlanTakesTheValuesTheLookupLeft)
{
    ApplicationGuard application;
    QWidget host;
    auto *plano = new TEdit(&host, QStringLiteral("EditPlano"));
    auto *vendedor = new TEdit(&host, QStringLiteral("EditColaborador"));
    TManagerControl &manager = presenter->ManagerControls();
    TItemControl &planoItem = manager.Bind(plano, QStringLiteral("Plano"))
                                  .Lookup(QStringLiteral("TPesquisaPlano"))
                                  .Item();
    TItemControl &vendedorItem = manager.Bind(vendedor, QStringLiteral("Vendedor"))
                                     .Lookup(QStringLiteral("TPesquisaColaborador"))
                                     .Item();
    presenter->Clear(false, false);
    plano->setText(QStringLiteral("PLANO OURO"));
    planoItem.Id = 25;
    planoItem.OtherInfo = QStringLiteral("1234,5;99,9");
    vendedor->setText(QStringLiteral("CARLOS"));
    vendedorItem.Id = 3;
    presenter->IsPlanoSeguradora = true;
    presenter->Post();

    TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 1);
    table.First();
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID_PLANO"))->AsLargeInt(), 25);
    EXPECT_EQ(table.FieldByName(QStringLiteral("PLANO"))->AsString(), QStringLiteral("PLANO OURO"));
    EXPECT_DOUBLE_EQ(table.FieldByName(QStringLiteral("VALOR_PLANO"))->AsFloat(), 1234.5);
    EXPECT_DOUBLE_EQ(table.FieldByName(QStringLiteral("VALOR_PARCELA"))->AsFloat(), 99.9);
    EXPECT_EQ(table.FieldByName(QStringLiteral("VENDEDOR"))->AsString(), QStringLiteral("CARLOS"));
    EXPECT_TRUE(table.FieldByName(QStringLiteral("IS_PLANO_SEGURADORA"))->AsBoolean());
}

TEST_F(PlanoPeriodoContratoPresenterTest, SignatureIsReadAsTheReplyHoldsItAndAnErrorRaises)
{
    const char *path = "/plano-periodo-contrato/assinatura/55";
    backend.on("GET", path, FakeReply::text("iVBORw0KGgo="));
    EXPECT_EQ(presenter->GetBase64Assinatura(55), QStringLiteral("iVBORw0KGgo="));
    EXPECT_EQ(presenter->service().Request().AppliedTimeout(), 30000);

    backend.on("GET", path, FakeReply::text("WARNING:Assinatura não localizada.", 404));
    try {
        presenter->GetBase64Assinatura(55);
        FAIL() << "a 404 must raise";
    } catch (const Exception &failure) {
        EXPECT_EQ(failure.Message(), QStringLiteral("WARNING:Assinatura não localizada."));
    }
}

TEST_F(PlanoPeriodoContratoPresenterTest, SignatureIsSentAloneAndTheReplyChoosesTheDialog)
{
    const char *path = "/plano-periodo-contrato/assinatura";
    const QString picture = QString(120, u'x');
    backend.on("POST", path, FakeReply::text(kSuccess.toStdString()));
    EXPECT_TRUE(presenter->PostAssinatura(55, picture));
    EXPECT_EQ(presenter->service().Request().AppliedTimeout(), 30000);
    const QJsonObject body = lastBody("POST", path);
    EXPECT_EQ(body.value(QStringLiteral("id")).toInteger(), 55);
    const QString assinatura = body.value(QStringLiteral("assinatura")).toString();
    EXPECT_EQ(assinatura, TPictureText::Encode(picture));
    EXPECT_EQ(assinatura.indexOf(QStringLiteral("\r\n")), 76);
    EXPECT_EQ(TPictureText::Decode(assinatura), picture);
    for (const QString &member : body.keys()) {
        if (member == QStringLiteral("id") || member == QStringLiteral("assinatura"))
            continue;
        const QJsonValue value = body.value(member);
        EXPECT_TRUE(value.isNull() || value.toDouble() == 0 || value.toString().isEmpty()
                    || value == QJsonValue(false))
            << member.toStdString() << " is not cleared";
    }
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });

    dialogs.clearMessages();
    backend.on("POST", path, FakeReply::text("ERROR:Plano sem período.", 400));
    EXPECT_FALSE(presenter->PostAssinatura(55, picture));
    EXPECT_EQ(dialogs.messageTexts(), QStringList { QStringLiteral("ERROR:Plano sem período.") });
}

TEST_F(PlanoPeriodoContratoPresenterTest, SignatureRemovalSendsNoBody)
{
    const char *path = "/plano-periodo-contrato/assinatura/55";
    backend.on("DELETE", path, FakeReply::text(kSuccess.toStdString()));
    EXPECT_TRUE(presenter->DeleteAssinatura(55));
    EXPECT_TRUE(backend.last("DELETE", path)->body.empty());
    backend.on("DELETE", path, FakeReply::text("ERROR:Sem assinatura.", 400));
    EXPECT_FALSE(presenter->DeleteAssinatura(55));
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kSuccess, QStringLiteral("ERROR:Sem assinatura.") }));
}

// An unrelated fixed id must never stand in for the reason: no reason found is no reason.
TEST_F(PlanoPeriodoContratoPresenterTest, EndOfContractReasonIsTheFirstFoundOrNone)
{
    backend.on("GET",
               "/motivo",
               FakeReply::json(R"({"total":2,"pages":1,"listHelper":[{"id":4000000001,)"
                               R"("descricao":"FINAL DE CONTRATO"},{"id":8}]})"));
    EXPECT_EQ(presenter->findIdMotivoFinalContrato(), 4000000001);
    EXPECT_EQ(backend.last("GET", "/motivo")->param("search"), "FINAL DE CONTRATO");

    for (const FakeReply &none : { FakeReply::empty(304),
                                   FakeReply::json(R"({"total":0,"pages":0,"listHelper":[]})"),
                                   FakeReply::json(R"({"message":"ERROR:Falhou."})", 500) }) {
        backend.on("GET", "/motivo", none);
        EXPECT_EQ(presenter->findIdMotivoFinalContrato(), 0) << none.status << " " << none.body;
    }
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST(PlanoPeriodoContratoNoServerTest, EndOfContractReasonWithoutAServerIsNone)
{
    ScriptedDialogs dialogs;
    std::unique_ptr<FakeBackend> backend = std::make_unique<FakeBackend>();
    FakeConnection fake { *backend };
    backend.reset();
    auto presenter = TBasePresenter::Create<TPlanoPeriodoContratoPresenter>();
    EXPECT_EQ(presenter->findIdMotivoFinalContrato(), 0);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST(PlanoPeriodoContratoFrameTest, RemoveRecomputesTheTotalWhateverTheAnswer)
{
    ApplicationGuard application;
    ScriptedDialogs dialogs;
    QWidget host;
    auto *row = new TPlanoPeriodoContratoFrameAdapter(&host);
    int removed = 0;
    int totals = 0;
    row->ProcRemove = [&](TFrameBaseAdapter *) { ++removed; };
    row->SetProcTotalizadorContrato([&] { ++totals; });
    row->SetProcTotalizadorContrato({});

    dialogs.answerQuestions({ kNo, kYes });
    row->SpeedButtonRemove->click();
    EXPECT_EQ(removed, 0);
    EXPECT_EQ(totals, 1);
    row->SpeedButtonRemove->click();
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(totals, 2);
}

} // namespace
