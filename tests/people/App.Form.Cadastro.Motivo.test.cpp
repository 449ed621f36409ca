#include "App.Form.Cadastro.Motivo.h"

#include "App.Adapter.Frame.Motivo.h"
#include "App.Presenter.Motivo.h"
#include "Edit.h"
#include "Label.h"
#include "SpeedButton.h"

#include "support/TestTexts.h"
#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Motivo, PresenterContract, TMotivoPresenter);


class FormCadastroMotivoTest
    : public RegistrationWindowFixture<TFormCadastroMotivo, TMotivoFrameAdapter>
{
protected:
    FormCadastroMotivoTest()
        : RegistrationWindowFixture("TFormCadastroMotivo", "/motivo")
    { }

    // The listed rows as "description|type code|type".
    QStringList rows() const
    {
        QStringList texts;
        for (TMotivoFrameAdapter *frame : frames())
            texts << frame->LabelDescricao->text() + u'|' + frame->LabelCodigoTipoMotivo->text()
                    + u'|' + frame->LabelTipoMotivo->text();
        return texts;
    }
};

TEST_F(FormCadastroMotivoTest, ListsReasonsWithTheirTypeCodeAndDescription)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE MOTIVOS NO SISTEMA"));
    search(QStringLiteral("FINAL"));
    EXPECT_EQ(
        rows(),
        QStringList { QStringLiteral("FINAL DE CONTRATO|09|ENCERRAMENTO DE PLANO DO CONTRATO") });
}

// A reason needs its type: the save names the field, and the type is then looked up in the
// "TIPO_MOTIVO" list by its id. The description keeps 150 characters.
TEST_F(FormCadastroMotivoTest, ReasonIsSavedWithItsTypeAndRemovedByItsEntityClass)
{
    form->SpeedButtonNovo->click();
    EXPECT_EQ(form->LabelListaTipoMotivo->text(), QStringLiteral("Tipo do Motivo"));
    typeText(form->EditDescricao, QString(151, u'x'));
    form->SpeedButtonSalvar->click();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral(
                  "WARNING:O campo Tipo do Motivo não possui um valor válido.\r\n") });
    EXPECT_EQ(demo.backend().count("POST", "/motivo"), 0u);

    // The type is typed by its code in the list, as the clerk knows it; the back end looks the
    // code up among the rows of the lookup's list.
    demo.backend().on("GET", "/lista-sistema/pesquisa/0", [](const RecordedRequest &request) {
        if (request.param("search") == "07" && request.param("fix-filter") == "TIPO_MOTIVO")
            return FakeReply::json(R"({"id":14,"codigo":"07","tipo":"TIPO_MOTIVO",)"
                                   R"("descricao":"ESTORNO DE MOVIMENTAÇÃO DE CAIXA"})");
        return FakeReply::json(R"({"message":"WARNING:Informações não localizadas."})", 404);
    });
    typeText(form->EditListaTipoMotivo, QStringLiteral("07"));
    pressKey(form->EditListaTipoMotivo, Qt::Key_Return);
    waitIdle();
    EXPECT_EQ(form->EditListaTipoMotivo->text(),
              QStringLiteral("ESTORNO DE MOVIMENTAÇÃO DE CAIXA"));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("listaTipoMotivo")).toInteger(), 14);
    EXPECT_EQ(body.value(QStringLiteral("descricao")).toString(), QString(150, u'X'));

    // Back to the list and a stored reason removed.
    dialogs.clearMessages();
    dialogs.answerQuestion(kYes);
    form->SpeedButtonRetornar->click();
    waitIdle();
    search(QStringLiteral("PEDIDO"));
    TMotivoFrameAdapter *row
        = frameOf(&TMotivoFrameAdapter::LabelDescricao, QStringLiteral("PEDIDO DE DEMISSÃO"));
    ASSERT_NE(row, nullptr) << rows().join(u'\n').toStdString();
    dialogs.answerQuestion(kYes);
    row->SpeedButtonRemove->click();
    waitIdle();
    const auto removal = demo.backend().last("DELETE", "/motivo");
    ASSERT_TRUE(removal);
    EXPECT_EQ(removal->header("name_class"), "TMotivoEntity");
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(removal->body))
                  .object()
                  .value(QStringLiteral("listHelper"))
                  .toArray(),
              QJsonArray { 1 });
}

} // namespace
