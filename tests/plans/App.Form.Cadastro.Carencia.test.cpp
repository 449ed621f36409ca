#include "App.Form.Cadastro.Carencia.h"

#include "App.Adapter.Frame.Carencia.h"
#include "App.Adapter.Frame.ItemCarencia.h"
#include "App.Form.SubCadastro.ItemCarencia.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.Menu.Grupo.h"
#include "App.Presenter.Carencia.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"
#include "TabControl.h"

#include "support/TestTexts.h"
#include "support/RegistrationWindowFixture.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {


// The stand-in back end's seed: rule 1 "CARÊNCIA PADRÃO" with items 1 (CÔNJUGE, 0 years, 90 days,
// 100 %) and 2 (FILHO(A), 18 years, 180 days, 50 %); rule 2 without items.
class FormCadastroCarenciaTest
    : public RegistrationWindowFixture<TFormCadastroCarencia, TCarenciaFrameAdapter>
{
protected:
    FormCadastroCarenciaTest()
        : RegistrationWindowFixture("TFormCadastroCarencia", "/carencia/complex")
    { }

    void SetUp() override
    {
        RegistrationWindowFixture::SetUp();
        if (form)
            itens = form->FormSubCadastroItemCarencia();
    }

    // Opens the listed rule and shows its items.
    void openRule(const QString &ADescricao)
    {
        search();
        TCarenciaFrameAdapter *row = frameOf(&TCarenciaFrameAdapter::LabelDescricao, ADescricao);
        ASSERT_NE(row, nullptr) << ADescricao.toStdString();
        row->SpeedButtonEdit->click();
        waitIdle();
        ASSERT_TRUE(recordTabActive());
        form->ListMenuGrupo()[1]->Click();
    }
    // The listed items as "kinship|age|days|percentage".
    QStringList items() const
    {
        FlushDeletes();
        QStringList texts;
        for (TItemCarenciaFrameAdapter *row :
             itens->VertScrollBoxDados->findChildren<TItemCarenciaFrameAdapter *>()) {
            if (!row->isHidden())
                texts << row->LabelDescricao->text() + u'|' + row->LabelFaixaEtaria->text() + u'|'
                        + row->LabelDiasCarencia->text() + u'|' + row->LabelPercentual->text();
        }
        texts.sort();
        return texts;
    }
    TItemCarenciaFrameAdapter *itemOf(const QString &AParentesco) const
    {
        FlushDeletes();
        for (TItemCarenciaFrameAdapter *row :
             itens->VertScrollBoxDados->findChildren<TItemCarenciaFrameAdapter *>())
            if (!row->isHidden() && row->LabelDescricao->text() == AParentesco)
                return row;
        ADD_FAILURE() << "no listed item " << AParentesco.toStdString();
        return nullptr;
    }
    void removeItem(const QString &AParentesco)
    {
        dialogs.answerQuestion(kYes);
        if (TItemCarenciaFrameAdapter *row = itemOf(AParentesco))
            row->SpeedButtonRemove->click();
    }
    // Types a new item as a clerk does and stores it in the item list.
    void addItem(std::int64_t AParentesco,
                 const QString &AIdade,
                 const QString &ADias,
                 const QString &APercentual)
    {
        itens->SpeedButtonNovo->click();
        itens->Presenter()
            ->FindItemControl(QStringLiteral("EditListaParentesco"))
            ->SetValueControl(QString::number(AParentesco));
        waitIdle();
        typeText(itens->EditFaixaEtaria, AIdade);
        typeText(itens->EditDiasCarencia, ADias);
        typeText(itens->EditPercentual, APercentual);
        itens->SpeedButtonSalvar->click();
    }
    void save()
    {
        dialogs.clearMessages();
        form->SpeedButtonSalvar->click();
        waitIdle();
    }
    static QJsonArray listOf(const QJsonObject &ABody, const char *AName)
    {
        return ABody.value(QLatin1String(AName)).toObject().value("listHelper").toArray();
    }
    TCarenciaPresenter &presenter() const
    {
        return *static_cast<TCarenciaPresenter *>(form->Presenter());
    }
    int allItemRows() const
    {
        TMemTable &table = itens->DataSetSubCadastro();
        const bool filtered = table.Filtered();
        table.SetFiltered(false);
        const int count = table.Active() ? table.RecordCount() : 0;
        table.SetFiltered(filtered);
        return count;
    }

    TFormSubCadastroItemCarencia *itens = nullptr;
};

TEST_F(FormCadastroCarenciaTest, ListsRulesAndOpensOneWithItsItemsAndUnits)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE CARÊNCIAS"));
    search();
    TCarenciaFrameAdapter *row
        = frameOf(&TCarenciaFrameAdapter::LabelDescricao, QStringLiteral("CARÊNCIA PADRÃO"));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->LabelTitleCodigoTipo->text(), QStringLiteral("Tipo:"));
    EXPECT_EQ(row->LabelCodigoTipo->text(), QStringLiteral("01"));
    EXPECT_EQ(row->LabelTipo->text(), QStringLiteral("PLANO FUNERAL"));
    EXPECT_GT(row->LabelTipo->x(), row->LabelCodigoTipo->x() + row->LabelCodigoTipo->width())
        << "the type's description follows its code";

    openRule(QStringLiteral("CARÊNCIA PADRÃO"));
    EXPECT_EQ(form->EditDescricao->text(), QStringLiteral("CARÊNCIA PADRÃO"));
    EXPECT_EQ(form->EditListaCarencia->text(), QStringLiteral("PLANO FUNERAL"));
    EXPECT_EQ(form->LabelTopText->text(), QStringLiteral("CARÊNCIA PADRÃO"));
    EXPECT_EQ(itens->LabelTitleForm->text(), QStringLiteral("PARENTESCOS"));
    EXPECT_EQ(items(),
              (QStringList { QStringLiteral("CÔNJUGE|0 ano(s)|90 dias|100,0000 %"),
                             QStringLiteral("FILHO(A)|18 ano(s)|180 dias|50,0000 %") }));

    // Another rule shows only its own items, none of the rule read before.
    dialogs.answerAllQuestions(kYes);
    form->SpeedButtonRetornar->click();
    waitIdle();
    openRule(QStringLiteral("CARÊNCIA DE CONVÊNIO"));
    EXPECT_EQ(form->EditDescricao->text(), QStringLiteral("CARÊNCIA DE CONVÊNIO"));
    EXPECT_TRUE(items().isEmpty()) << items().join(u'\n').toStdString();
    EXPECT_EQ(allItemRows(), 0);
}

TEST_F(FormCadastroCarenciaTest, ItemWithoutValuesNamesEveryMissingField)
{
    openRule(QStringLiteral("CARÊNCIA PADRÃO"));
    itens->SpeedButtonNovo->click();
    itens->SpeedButtonSalvar->click();
    ASSERT_FALSE(dialogs.messages().empty());
    const QString text = dialogs.lastMessage().Text;
    for (const char *title : { "Parentesco", "Faixa Etária", "Dias Carência", "(%) Contrato" })
        EXPECT_TRUE(text.contains(
            QStringLiteral("O campo %1 não possui um valor válido.").arg(QString::fromUtf8(title))))
            << text.toStdString();
    EXPECT_EQ(allItemRows(), 2);
}

// The search of the item list hides rows; the save still sends every one of them.
TEST_F(FormCadastroCarenciaTest, SavedRuleSendsEveryItemAndTheRemovedStoredIds)
{
    openRule(QStringLiteral("CARÊNCIA PADRÃO"));
    removeItem(QStringLiteral("CÔNJUGE"));
    addItem(1, QStringLiteral("21"), QStringLiteral("60"), QStringLiteral("25"));
    EXPECT_EQ(items(),
              (QStringList { QStringLiteral("CÔNJUGE|21 ano(s)|60 dias|25,0000 %"),
                             QStringLiteral("FILHO(A)|18 ano(s)|180 dias|50,0000 %") }))
        << "the new row shows the kinship the lookup found";
    itens->EditPesquisar->setText(QStringLiteral("FILHO"));
    itens->SearchEditButtonPesquisar->click();
    ASSERT_EQ(items().size(), 1);

    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value("id").toInteger(), 1);
    EXPECT_EQ(body.value("descricao").toString(), QStringLiteral("CARÊNCIA PADRÃO"));
    EXPECT_EQ(body.value("listaCarencia").toInteger(), 40);
    const QJsonArray sent = listOf(body, "itemCarencias");
    ASSERT_EQ(sent.size(), 2);
    QJsonObject stored = sent[0].toObject();
    QJsonObject typed = sent[1].toObject();
    if (stored.value("id").toInteger() == 0)
        std::swap(stored, typed);
    EXPECT_EQ(stored.value("id").toInteger(), 2);
    EXPECT_EQ(stored.value("diasCarencia").toInt(), 180);
    EXPECT_EQ(typed.value("id").toInteger(), 0);
    EXPECT_EQ(typed.value("listaParentesco").toInteger(), 1);
    EXPECT_EQ(typed.value("faixaEtaria").toDouble(), 21);
    EXPECT_EQ(typed.value("diasCarencia").toInt(), 60);
    EXPECT_EQ(typed.value("percentual").toDouble(), 25);
    EXPECT_EQ(listOf(body, "removeItemCarencias"), QJsonArray { 1 });

    // The rule is read back with the items as the back end now keeps them.
    itens->ClearEditButtonPesquisar->click();
    itens->SearchEditButtonPesquisar->click();
    waitIdle();
    EXPECT_EQ(items(),
              (QStringList { QStringLiteral("CÔNJUGE|21 ano(s)|60 dias|25,0000 %"),
                             QStringLiteral("FILHO(A)|18 ano(s)|180 dias|50,0000 %") }));
    EXPECT_TRUE(presenter().ListRemoveItemCarencia.isEmpty());
}

TEST_F(FormCadastroCarenciaTest, RuleWhoseItemsWereAllRemovedSendsAnEmptyListAndTheIds)
{
    openRule(QStringLiteral("CARÊNCIA PADRÃO"));
    removeItem(QStringLiteral("CÔNJUGE"));
    removeItem(QStringLiteral("FILHO(A)"));
    EXPECT_TRUE(items().isEmpty());

    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    ASSERT_TRUE(body.value("itemCarencias").isObject());
    EXPECT_TRUE(listOf(body, "itemCarencias").isEmpty());
    QJsonArray removed = listOf(body, "removeItemCarencias");
    EXPECT_EQ(removed, (QJsonArray { 1, 2 }));
}

TEST_F(FormCadastroCarenciaTest, RefusedSaveKeepsTheItemRowsAndTheRemovedIds)
{
    openRule(QStringLiteral("CARÊNCIA PADRÃO"));
    removeItem(QStringLiteral("CÔNJUGE"));
    addItem(1, QStringLiteral("30"), QStringLiteral("45"), QStringLiteral("10"));
    demo.backend().on(
        "POST",
        "/carencia/complex",
        FakeReply::json(R"({"message":"WARNING:Já existe uma carência deste tipo."})", 400));
    save();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Já existe uma carência deste tipo.") });
    EXPECT_TRUE(recordTabActive());
    EXPECT_EQ(form->EditDescricao->text(), QStringLiteral("CARÊNCIA PADRÃO"));
    EXPECT_EQ(items(),
              (QStringList { QStringLiteral("CÔNJUGE|30 ano(s)|45 dias|10,0000 %"),
                             QStringLiteral("FILHO(A)|18 ano(s)|180 dias|50,0000 %") }));
    EXPECT_EQ(presenter().ListRemoveItemCarencia, QStringList { QStringLiteral("1") });

    // Saved again once the back end accepts it, nothing was lost on the way.
    demo.backend().on("POST", "/carencia/complex", FakeReply::json(R"({"id":1})"));
    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(listOf(body, "itemCarencias").size(), 2);
    EXPECT_EQ(listOf(body, "removeItemCarencias"), QJsonArray { 1 });
}

} // namespace
