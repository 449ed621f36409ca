#include "App.Form.Cadastro.Servico.h"

#include "App.Adapter.Frame.ItemKitServico.h"
#include "App.Adapter.Frame.Servico.Estoque.h"
#include "App.Adapter.Frame.Servico.h"
#include "App.Base.Adapter.Cadastro.h"
#include "App.Form.SubCadastro.ItemKitServico.h"
#include "App.Form.SubCadastro.Servico.Estoque.h"
#include "App.Form.SubCadastro.ValorServico.h"
#include "App.Lib.Menu.Grupo.h"
#include "App.Presenter.Servico.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "support/RegistrationWindowFixture.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <ostream>

namespace {

const QString kSuccess = QStringLiteral("SUCCESSOperação realizada com sucesso.");
constexpr int kYes = 6;

// Service 401 of the seed, a kit: a value, no waiting-period rule, the members 402 (index 1 of
// 300,00) and 403 (index 1,5 of 100,00), and the stock of two companies.
const char *const kValores = R"({"total":1,"pages":1,"listHelper":[{"id":401,)"
                             R"("data":"2026-01-01T00:00:00.000Z","valor":450}]})";
const char *const kItensKit
    = R"({"total":2,"pages":1,"listHelper":[)"
      R"({"id":401,"idServico":401,"idServicoKit":402,"listaReligiao":407,"listaStatus":408,)"
      R"("indice":1,"servico":"TRANSLADO ATÉ 100 KM","religiao":"TODAS","status":"ATIVO",)"
      R"("valorBaseServico":300},)"
      R"({"id":402,"idServico":401,"idServicoKit":403,"listaReligiao":407,"listaStatus":408,)"
      R"("indice":1.5,"servico":"ORNAMENTAÇÃO DE URNA","religiao":"TODAS","status":"ATIVO",)"
      R"("valorBaseServico":100}]})";
const char *const kEstoque = R"({"total":2,"pages":1,"listHelper":[)"
                             R"({"id":1,"idEmpresa":1,"empresa":"MATRIZ","estoque":8},)"
                             R"({"id":2,"idEmpresa":2,"empresa":"FILIAL","estoque":4}]})";

class FormCadastroServicoTest
    : public RegistrationWindowFixture<TFormCadastroServico, TServicoFrameAdapter>
{
protected:
    FormCadastroServicoTest()
        : RegistrationWindowFixture("TFormCadastroServico", "/servico")
    { }

    void SetUp() override
    {
        RegistrationWindowFixture::SetUp();
        FakeBackend &backend = demo.backend();
        backend.on("GET", "/valor-servico/servico/401", FakeReply::json(kValores));
        backend.on("GET", "/carencia-servico/servico/401", FakeReply::empty(304));
        backend.on("GET", "/item-kit-servico/servico/401", FakeReply::json(kItensKit));
        backend.on("GET", "/servico-estoque/401", FakeReply::json(kEstoque));
        kit = form->FormItemKitServico;
    }

    void openKit()
    {
        form->SetIdRegistro(401);
        form->executeEditar(nullptr);
        waitIdle();
        ASSERT_EQ(form->EditID->text(), QStringLiteral("401"));
    }
    // The sub-form's group shown, as the person clicks it.
    void showGroup(const QString &ATitle)
    {
        for (const auto &button : form->ListMenuGrupo())
            if (button->Text() == ATitle) {
                button->Click();
                return;
            }
        FAIL() << "no group " << ATitle.toStdString();
    }
    template<class TRow>
    static QList<TRow *> rowsOf(const TFormBaseMetodoCadastro *AForm)
    {
        return AForm->VertScrollBoxDados->content()->findChildren<TRow *>();
    }
    TItemKitServicoFrameAdapter *kitRow(const QString &AServico) const
    {
        for (TItemKitServicoFrameAdapter *row : rowsOf<TItemKitServicoFrameAdapter>(kit))
            if (row->LabelServico->text() == AServico)
                return row;
        ADD_FAILURE() << "no kit row " << AServico.toStdString();
        return nullptr;
    }
    // Every row of a table, whatever its filter shows.
    static int allRows(TMemTable &ATable)
    {
        const bool filtered = ATable.Filtered();
        ATable.SetFiltered(false);
        const int count = ATable.RecordCount();
        ATable.SetFiltered(filtered);
        return count;
    }
    static void retype(TEdit *AEdit, const QString &AText)
    {
        AEdit->clear();
        typeText(AEdit, AText);
    }
    QJsonObject lastComplexPost()
    {
        const auto post = demo.backend().last("POST", "/servico/complex");
        return post ? QJsonDocument::fromJson(QByteArray::fromStdString(post->body)).object()
                    : QJsonObject();
    }
    static QJsonArray list(const QJsonObject &ABody, const char *AMember)
    {
        return ABody.value(QLatin1String(AMember)).toObject().value("listHelper").toArray();
    }

    TFormSubCadastroItemKitServico *kit = nullptr;
};

TEST_F(FormCadastroServicoTest, OpeningAServiceReadsValuesWaitingPeriodsKitAndStockInThatOrder)
{
    openKit();
    QStringList children;
    for (const RecordedRequest &request : demo.backend().requests()) {
        const QString path = QString::fromStdString(request.path);
        if (request.method == "GET" && path.endsWith(QStringLiteral("/401"))
            && !path.startsWith(QStringLiteral("/servico/")))
            children << path;
    }
    EXPECT_EQ(children,
              (QStringList { "/valor-servico/servico/401",
                             "/carencia-servico/servico/401",
                             "/item-kit-servico/servico/401",
                             "/servico-estoque/401" }));
    EXPECT_EQ(form->FormValorServico->DataSetSubCadastro().RecordCount(), 1);
    EXPECT_EQ(kit->DataSetSubCadastro().RecordCount(), 2);
    showGroup(QStringLiteral("Serviços do Kit"));
    EXPECT_EQ(form->LabelTopText->text(), QStringLiteral("KIT VELÓRIO COMPLETO"));
    // A kit line shows its value in the kit: base value × index.
    ASSERT_TRUE(kitRow(QStringLiteral("ORNAMENTAÇÃO DE URNA")));
    EXPECT_EQ(kitRow(QStringLiteral("ORNAMENTAÇÃO DE URNA"))->LabelValorServico->text(),
              QStringLiteral("150,00"));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty())
        << dialogs.messageTexts().join(u'\n').toStdString();
}

TEST_F(FormCadastroServicoTest, StockIsOnlyLookedAt)
{
    openKit();
    showGroup(QStringLiteral("Estoque"));
    TFormSubCadastroServicoEstoque *estoque = form->FormServicoEstoque;
    const auto rows = rowsOf<TServicoEstoqueFrameAdapter>(estoque);
    ASSERT_EQ(rows.size(), 2);
    for (TServicoEstoqueFrameAdapter *row : rows)
        EXPECT_FALSE(qobject_cast<TFrameBaseAdapterCadastro *>(row)) << "no edit or remove";
    for (TSpeedButton *button :
         { estoque->SpeedButtonNovo, estoque->SpeedButtonEditar, estoque->SpeedButtonSalvar })
        EXPECT_FALSE(button->isVisible() && button->isEnabled())
            << button->objectName().toStdString();
    estoque->executeNovo(estoque->SpeedButtonNovo);
    EXPECT_TRUE(estoque->IsListTabActive());
}

TEST_F(FormCadastroServicoTest, ListShowsTheStockOnlyOfProductsKeptInStock)
{
    search();
    TServicoFrameAdapter *produto
        = frameOf(&TServicoFrameAdapter::LabelDescricao, QStringLiteral("URNA SEXTAVADA PADRÃO"));
    TServicoFrameAdapter *kitRow
        = frameOf(&TServicoFrameAdapter::LabelDescricao, QStringLiteral("KIT VELÓRIO COMPLETO"));
    ASSERT_TRUE(produto && kitRow);
    EXPECT_EQ(produto->LabelTitleEstoque->text(), QStringLiteral("Estoque"));
    EXPECT_EQ(produto->LabelEstoque->text(), QStringLiteral("12,00"));
    EXPECT_EQ(kitRow->LabelTitleEstoque->text(), QString());
    EXPECT_EQ(kitRow->LabelEstoque->text(), QString());
    EXPECT_EQ(kitRow->LabelIsServicoKit->text(), QStringLiteral("Sim"));
    EXPECT_EQ(produto->LabelIsServicoKit->text(), QStringLiteral("Não"));
}

// A new kit row: "Valor do Serviço" and "Índice" follow each other through the member's value.
struct KitValueCase
{
    const char *name;
    const char *indexBefore; // typed before the member is chosen; null types nothing
    const char *member; // id of the member chosen; null chooses none
    const char *field; // "valor" or "indice": the edit then typed into; null types nothing
    const char *typed;
    const char *valor; // expected texts
    const char *indice;
};

void PrintTo(const KitValueCase &row, std::ostream *out)
{
    *out << row.name;
}

class KitValueTest : public FormCadastroServicoTest,
                     public ::testing::WithParamInterface<KitValueCase>
{
};

TEST_P(KitValueTest, ValueAndIndexFollowTheMembersValue)
{
    const KitValueCase &c = GetParam();
    openKit();
    showGroup(QStringLiteral("Serviços do Kit"));
    kit->SpeedButtonNovo->click();
    ASSERT_FALSE(kit->IsListTabActive());
    if (c.indexBefore)
        retype(kit->EditIndice, QString::fromUtf8(c.indexBefore));
    if (c.member) {
        // The member chosen as the lookup does it: its id found by the service lookup.
        kit->Presenter()
            ->FindItemControl(QStringLiteral("EditServicoKit"))
            ->SetValueControl(QString::fromUtf8(c.member));
        waitIdle();
    }
    if (c.field)
        retype(QString::fromUtf8(c.field) == QStringLiteral("valor") ? kit->EditValor
                                                                     : kit->EditIndice,
               QString::fromUtf8(c.typed));
    EXPECT_EQ(kit->EditValor->text(), QString::fromUtf8(c.valor));
    EXPECT_EQ(kit->EditIndice->text(), QString::fromUtf8(c.indice));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty())
        << dialogs.messageTexts().join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    NewKitRow,
    KitValueTest,
    ::testing::Values(
        KitValueCase { "MemberChosenGivesItsValueWhateverTheIndex",
                       "2",
                       "403",
                       nullptr,
                       nullptr,
                       "100,00",
                       "2" },
        KitValueCase {
            "IndexTypedGivesBaseTimesIndex", nullptr, "403", "indice", "1,5", "150,00", "1,5" },
        KitValueCase {
            "ValueTypedGivesValueOverBase", nullptr, "403", "valor", "120,00", "120,00", "1,2000" },
        KitValueCase {
            "IndexWithoutMemberChangesNoValue", nullptr, nullptr, "indice", "3", "", "3" },
        KitValueCase {
            "ValueWithoutMemberChangesNoIndex", nullptr, nullptr, "valor", "50", "50", "1,0000" }),
    [](const ::testing::TestParamInfo<KitValueCase> &info) { return info.param.name; });

TEST_F(FormCadastroServicoTest, StoredKitRowOpensWithBaseTimesIndexAndSavesAgainAsItIs)
{
    openKit();
    showGroup(QStringLiteral("Serviços do Kit"));
    kitRow(QStringLiteral("ORNAMENTAÇÃO DE URNA"))->SpeedButtonEdit->click();
    waitIdle();
    ASSERT_FALSE(kit->IsListTabActive());
    EXPECT_EQ(kit->EditValor->text(), QStringLiteral("150,00"));
    EXPECT_EQ(kit->EditIndice->text(), QStringLiteral("1,5000"));

    dialogs.clearMessages();
    kit->SpeedButtonSalvar->click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    TMemTable &rows = kit->DataSetSubCadastro();
    ASSERT_TRUE(rows.Locate(QStringLiteral("ID"), TFieldValue(std::int64_t(402))));
    EXPECT_DOUBLE_EQ(rows.FieldByName(QStringLiteral("INDICE"))->AsFloat(), 1.5);
    EXPECT_EQ(allRows(rows), 2);
}

TEST_F(FormCadastroServicoTest, SaveSendsTheChildListsAndTheRemovedIds)
{
    openKit();
    showGroup(QStringLiteral("Serviços do Kit"));
    dialogs.answerQuestion(kYes);
    kitRow(QStringLiteral("TRANSLADO ATÉ 100 KM"))->SpeedButtonRemove->click();
    demo.backend().on("POST", "/servico/complex", FakeReply::json(R"({"id":401})"));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });

    const QJsonObject body = lastComplexPost();
    EXPECT_EQ(body.value("descricao").toString(), QStringLiteral("KIT VELÓRIO COMPLETO"));
    EXPECT_EQ(body.value("id").toInteger(), 401);
    const QJsonArray valores = list(body, "valorServicos");
    ASSERT_EQ(valores.size(), 1);
    EXPECT_EQ(valores[0].toObject().value("id").toInteger(), 401);
    EXPECT_EQ(valores[0].toObject().value("valor").toDouble(), 450);
    EXPECT_TRUE(body.value("carenciaServicos").toObject().contains("listHelper"))
        << "an empty child list still travels";
    EXPECT_TRUE(list(body, "carenciaServicos").isEmpty());
    const QJsonArray itens = list(body, "itemKitServicos");
    ASSERT_EQ(itens.size(), 1);
    EXPECT_EQ(itens[0].toObject().value("idServicoKit").toInteger(), 403);
    EXPECT_EQ(itens[0].toObject().value("indice").toDouble(), 1.5);
    EXPECT_EQ(list(body, "removeItemKitServicos"), QJsonArray { 401 });
    EXPECT_TRUE(list(body, "removeValorServicos").isEmpty());
    EXPECT_TRUE(list(body, "removeCarenciaServicos").isEmpty());
}

TEST_F(FormCadastroServicoTest, RefusedSaveKeepsTheRowsAndTheRemovedIds)
{
    openKit();
    showGroup(QStringLiteral("Serviços do Kit"));
    dialogs.answerQuestion(kYes);
    kitRow(QStringLiteral("TRANSLADO ATÉ 100 KM"))->SpeedButtonRemove->click();

    // A reply that is no JSON (a proxy's error page) is reported, not taken for a save.
    demo.backend().on(
        "POST", "/servico/complex", FakeReply::text("<html><body>Bad Gateway</body></html>", 502));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    ASSERT_EQ(dialogs.messageTexts().size(), 1);
    EXPECT_NE(dialogs.messageTexts().front(), kSuccess);
    EXPECT_TRUE(dialogs.messageTexts().front().contains(QStringLiteral("502")))
        << dialogs.messageTexts().front().toStdString();
    EXPECT_EQ(allRows(kit->DataSetSubCadastro()), 1);
    EXPECT_EQ(allRows(form->FormValorServico->DataSetSubCadastro()), 1);

    demo.backend().on("POST", "/servico/complex", FakeReply::json(R"({"id":401})"));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    EXPECT_EQ(list(lastComplexPost(), "removeItemKitServicos"), QJsonArray { 401 })
        << "the removed row is still sent";
    EXPECT_EQ(list(lastComplexPost(), "itemKitServicos").size(), 1);
}

} // namespace
