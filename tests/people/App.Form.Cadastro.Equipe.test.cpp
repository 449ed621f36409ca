#include "App.Form.Cadastro.Equipe.h"

#include "App.Adapter.Frame.ColaboradorEquipe.h"
#include "App.Adapter.Frame.Equipe.h"
#include "App.Form.SubCadastro.ColaboradorEquipe.h"
#include "App.Lib.Menu.Grupo.h"
#include "App.Presenter.ColaboradorEquipe.h"
#include "App.Presenter.Equipe.h"
#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Equipe, PresenterContract, TEquipePresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(ColaboradorEquipe, PresenterContract, TColaboradorEquipePresenter);

// Team 9 with two stored members, 91 and 92.
const char *const kMembrosEquipe
    = R"({"total":2,"pages":1,"listHelper":[)"
      R"({"id":91,"idEquipe":9,"idColaborador":500,"idMotivo":0,)"
      R"("dataInicial":"2020-03-02T00:00:00.000Z","colaborador":"CARLOS EDUARDO LIMA"},)"
      R"({"id":92,"idEquipe":9,"idColaborador":501,"idMotivo":503,)"
      R"("dataInicial":"2019-01-07T00:00:00.000Z","dataFinal":"2020-03-01T00:00:00.000Z",)"
      R"("colaborador":"ANDREIA SOUZA PRADO","motivo":"TRANSFERÊNCIA PARA OUTRA EQUIPE"}]})";

class FormCadastroEquipeTest
    : public RegistrationWindowFixture<TFormCadastroEquipe, TEquipeFrameAdapter>
{
protected:
    FormCadastroEquipeTest()
        : RegistrationWindowFixture("TFormCadastroEquipe", "/equipe/complex")
    { }

    void SetUp() override
    {
        RegistrationWindowFixture::SetUp();
        demo.backend().on(
            "GET", "/equipe/9", FakeReply::json(R"({"id":9,"descricao":"EQUIPE SUL"})"));
        demo.backend().on("GET", "/colaborador-equipe/equipe/9", FakeReply::json(kMembrosEquipe));
        demo.backend().on("POST", "/equipe/complex", FakeReply::json(R"({"id":9})"));
        membros = form->FormColaboradorEquipe;
    }

    void showMembros()
    {
        for (const auto &button : form->ListMenuGrupo())
            if (button->Text() == QStringLiteral("Colaboradores")) {
                button->Click();
                waitIdle();
                return;
            }
        FAIL() << "no group Colaboradores";
    }
    TColaboradorEquipeFrameAdapter *membro(const QString &AColaborador) const
    {
        FlushDeletes();
        for (auto *row : membros->VertScrollBoxDados->content()
                             ->findChildren<TColaboradorEquipeFrameAdapter *>())
            if (!row->isHidden() && row->LabelColaborador->text() == AColaborador)
                return row;
        ADD_FAILURE() << "no member " << AColaborador.toStdString();
        return nullptr;
    }
    static void choose(TEdit *AEdit, const QString &AId)
    {
        AEdit->clear();
        typeText(AEdit, AId);
        pressKey(AEdit, Qt::Key_Return);
        waitIdle();
    }

    TFormSubCadastroColaboradorEquipe *membros = nullptr;
};

TEST_F(FormCadastroEquipeTest, TeamIsSavedWithItsMembersAndTheRemovedOnes)
{
    form->SetIdRegistro(9);
    form->executeEditar(nullptr);
    waitIdle();
    ASSERT_EQ(form->EditDescricao->text(), QStringLiteral("EQUIPE SUL"));
    const auto leitura = demo.backend().last("GET", "/colaborador-equipe/equipe/9");
    ASSERT_TRUE(leitura);
    EXPECT_EQ(leitura->param("limit"), "100");
    showMembros();
    auto *andreia = membro(QStringLiteral("ANDREIA SOUZA PRADO"));
    ASSERT_TRUE(andreia);
    EXPECT_EQ(andreia->LabelDataFinal->text(), QStringLiteral("01/03/2020"));
    EXPECT_EQ(andreia->LabelMotivo->text(), QStringLiteral("TRANSFERÊNCIA PARA OUTRA EQUIPE"));

    // A stored member removed, a new one added: the new row shows its names at once.
    dialogs.answerQuestion(kYes);
    membro(QStringLiteral("CARLOS EDUARDO LIMA"))->SpeedButtonRemove->click();
    waitIdle();
    membros->SpeedButtonNovo->click();
    choose(membros->EditColaborador, QStringLiteral("500"));
    EXPECT_EQ(membros->EditColaborador->text(), QStringLiteral("CARLOS EDUARDO LIMA"));
    membros->DateEditDataInicial->setDate(QDateToDateTime(QDate(2025, 1, 6)));
    choose(membros->EditMotivo, QStringLiteral("503"));
    const auto motivo = demo.backend().last("GET", "/motivo/pesquisa/503");
    ASSERT_TRUE(motivo);
    EXPECT_EQ(motivo->param("fix-filter"), "04");
    dialogs.clearMessages();
    membros->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    auto *novo = membro(QStringLiteral("CARLOS EDUARDO LIMA"));
    ASSERT_TRUE(novo);
    EXPECT_EQ(novo->LabelMotivo->text(), QStringLiteral("TRANSFERÊNCIA PARA OUTRA EQUIPE"));
    EXPECT_EQ(novo->LabelDataInicial->text(), QStringLiteral("06/01/2025"));

    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value("descricao").toString(), QStringLiteral("EQUIPE SUL"));
    EXPECT_EQ(listOf(body, "removeColaboradorEquipes"), QJsonArray { 91 });
    const QJsonArray enviados = listOf(body, "colaboradorEquipes");
    ASSERT_EQ(enviados.size(), 2);
    QList<qint64> ids;
    for (const QJsonValue &value : enviados) {
        const QJsonObject row = value.toObject();
        EXPECT_EQ(row.value("idEquipe").toInteger(), 0) << "the team is the parent in the body";
        ids << row.value("id").toInteger();
    }
    EXPECT_EQ(ids, (QList<qint64> { 92, 0 }));
    EXPECT_EQ(enviados[1].toObject().value("idColaborador").toInteger(), 500);
    EXPECT_EQ(enviados[1].toObject().value("idMotivo").toInteger(), 503);
}

TEST_F(FormCadastroEquipeTest, NewMemberRemovedBeforeSavingSendsNothing)
{
    form->SpeedButtonNovo->click();
    typeText(form->EditDescricao, QStringLiteral("equipe leste"));
    showMembros();
    membros->SpeedButtonNovo->click();
    choose(membros->EditColaborador, QStringLiteral("500"));
    membros->DateEditDataInicial->setDate(QDateToDateTime(QDate(2025, 1, 6)));
    membros->SpeedButtonSalvar->click();
    waitIdle();
    dialogs.answerQuestion(kYes);
    membro(QStringLiteral("CARLOS EDUARDO LIMA"))->SpeedButtonRemove->click();
    waitIdle();

    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value("descricao").toString(), QStringLiteral("EQUIPE LESTE"));
    EXPECT_TRUE(listOf(body, "colaboradorEquipes").isEmpty());
    EXPECT_TRUE(listOf(body, "removeColaboradorEquipes").isEmpty());
}

} // namespace
