#include "App.Form.Cadastro.Plano.h"

#include "App.Adapter.Frame.AdicionalContratoPlano.h"
#include "App.Adapter.Frame.ConvenioPlano.h"
#include "App.Adapter.Frame.DependentePlano.h"
#include "App.Adapter.Frame.Plano.h"
#include "App.Adapter.Frame.ServicoPlano.h"
#include "App.Form.SubCadastro.AdicionalContratoPlano.h"
#include "App.Form.SubCadastro.CarenciaPlano.h"
#include "App.Form.SubCadastro.ConvenioPlano.h"
#include "App.Form.SubCadastro.DependentePlano.h"
#include "App.Form.SubCadastro.FaixaEtariaPlano.h"
#include "App.Form.SubCadastro.ServicoDependentePlano.h"
#include "App.Form.SubCadastro.ServicoPlano.h"
#include "App.Form.SubCadastro.ValorPlano.h"
#include "App.Form.SubCadastro.VendedorPlano.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Menu.Grupo.h"
#include "App.Presenter.AdicionalContratoPlano.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const QString kOfertaConvenios
    = QStringLiteral("QUESTION:Deseja realizar a inclusão de todos os convênios cadastrados?");

// The seed's plans: 700 (PLANO FAMILIAR OURO) with one row in every child list, the dependent
// FILHO(A) (701) holding the extra service 700; 701 (PLANO INDIVIDUAL PRATA) with only its price;
// 702 (PLANO FAMILIAR BRONZE) ended in 2024.
class FormCadastroPlanoTest
    : public RegistrationWindowFixture<TFormCadastroPlano, TPlanoFrameAdapter>
{
public:
    FormCadastroPlanoTest()
        : RegistrationWindowFixture("TFormCadastroPlano", "/plano")
    { }

    void openPlano(int AId)
    {
        form->SetIdRegistro(AId);
        form->executeEditar(nullptr);
        waitIdle();
        ASSERT_EQ(form->EditID->text(), QString::number(AId));
    }
    void showGroup(TFormBaseMetodoCadastro *AForm, const QString &ATitle)
    {
        for (const auto &button : AForm->ListMenuGrupo())
            if (button->Text() == ATitle) {
                button->Click();
                waitIdle();
                return;
            }
        FAIL() << "no group " << ATitle.toStdString();
    }
    static int allRows(TMemTable &ATable)
    {
        if (!ATable.Active())
            return 0;
        const bool filtered = ATable.Filtered();
        ATable.SetFiltered(false);
        const int count = ATable.RecordCount();
        ATable.SetFiltered(filtered);
        return count;
    }
    static void choose(TBasePresenter *APresenter, const char *AControl, const char *AId)
    {
        APresenter->FindItemControl(QLatin1String(AControl))->SetValueControl(QLatin1String(AId));
        waitIdle();
    }
    int questionsAsked() const { return int(dialogs.messageTexts().count(kOfertaConvenios)); }
    QList<TMemTable *> childTables() const
    {
        return { &form->FormServicoDependentePlano->DataSetSubCadastro(),
                 &form->FormCarenciaPlano->DataSetSubCadastro(),
                 &form->FormDependentePlano->DataSetSubCadastro(),
                 &form->FormServicoPlano->DataSetSubCadastro(),
                 &form->FormValorPlano->DataSetSubCadastro(),
                 &form->FormFaixaEtariaPlano->DataSetSubCadastro(),
                 &form->FormAdicionalContratoPlano->DataSetSubCadastro(),
                 &form->FormConvenioPlano->DataSetSubCadastro(),
                 &form->FormVendedorPlano->DataSetSubCadastro() };
    }
    void save()
    {
        dialogs.clearMessages();
        form->SpeedButtonSalvar->click();
        waitIdle();
    }
    QJsonObject complexBody()
    {
        const auto post = demo.backend().last("POST", "/plano/complex");
        return post ? QJsonDocument::fromJson(QByteArray::fromStdString(post->body)).object()
                    : QJsonObject();
    }
};

TEST_F(FormCadastroPlanoTest, ListSendsOnlyActiveByDefaultAndRemovalNamesTheAggregate)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE PLANOS"));
    search();
    const auto list = demo.backend().last("GET", "/plano");
    ASSERT_TRUE(list);
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(list->body))
                  .object()
                  .value(QStringLiteral("somenteAtivos")),
              QJsonValue(QStringLiteral("-1#SIM")));
    QStringList listed;
    for (TPlanoFrameAdapter *row : frames())
        listed << row->LabelDescricao->text() + u'|' + row->LabelValor->text() + u'|'
                + row->LabelCancelado->text();
    EXPECT_EQ(listed,
              (QStringList { QStringLiteral("PLANO FAMILIAR OURO|150,00|Não"),
                             QStringLiteral("PLANO INDIVIDUAL PRATA|90,00|Não") }));

    TPlanoFrameAdapter *row
        = frameOf(&TPlanoFrameAdapter::LabelDescricao, QStringLiteral("PLANO INDIVIDUAL PRATA"));
    ASSERT_NE(row, nullptr);
    dialogs.answerQuestion(kYes);
    row->SpeedButtonRemove->click();
    waitIdle();
    const auto removal = demo.backend().last("DELETE", "/plano");
    ASSERT_TRUE(removal);
    EXPECT_EQ(removal->header("name_class"), "TPlanoComplexPost");
}

TEST_F(FormCadastroPlanoTest, OpeningReadsTheNineListsInOrderAndClearingEmptiesThem)
{
    openPlano(700);
    QStringList children;
    for (const RecordedRequest &request : demo.backend().requests())
        if (request.method == "GET" && request.path.find("/plano/700") != std::string::npos
            && request.path != "/plano/700")
            children << QString::fromStdString(request.path);
    EXPECT_EQ(children,
              (QStringList { "/carencia-plano/plano/700",
                             "/dependente-plano/plano/700",
                             "/servico-plano/plano/700",
                             "/valor-plano/plano/700",
                             "/faixa-etaria-plano/plano/700",
                             "/adicional-contrato-plano/plano/700",
                             "/convenio-plano/plano/700",
                             "/vendedor-plano/plano/700",
                             "/servico-dependente-plano/plano/700" }));
    for (TMemTable *table : childTables())
        EXPECT_GE(allRows(*table), 1);

    // The extra service hangs under FILHO(A), not under CÔNJUGE.
    showGroup(form, QStringLiteral("Dependentes"));
    EXPECT_EQ(form->LabelTopText->text(), QStringLiteral("PLANO FAMILIAR OURO"));
    QStringList dependentes;
    for (auto *row : rowsOf<TDependentePlanoFrameAdapter>(form->FormDependentePlano))
        dependentes << row->LabelParentesco->text() + u'|' + row->LabelFaixaEtaria->text();
    EXPECT_EQ(dependentes,
              (QStringList { QStringLiteral("CÔNJUGE|099 ano(s)"),
                             QStringLiteral("FILHO(A)|021 ano(s)") }));
    TMemTable &servicos = form->FormServicoDependentePlano->DataSetSubCadastro();
    TMemTable &deps = form->FormDependentePlano->DataSetSubCadastro();
    ASSERT_TRUE(deps.Locate(QStringLiteral("ID"), TFieldValue(std::int64_t(701))));
    const std::int64_t filho = deps.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt();
    servicos.SetFiltered(false);
    ASSERT_TRUE(servicos.Locate(QStringLiteral("ID"), TFieldValue(std::int64_t(700))));
    EXPECT_EQ(servicos.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->AsLargeInt(), filho);

    form->SpeedButtonNovoEdicao->click();
    waitIdle();
    for (TMemTable *table : childTables())
        EXPECT_EQ(allRows(*table), 0);
    EXPECT_TRUE(rowsOf<TDependentePlanoFrameAdapter>(form->FormDependentePlano).isEmpty());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty())
        << dialogs.messageTexts().join(u'\n').toStdString();
}

// Removing the dependent holding a stored extra service: its id travels in the dependents'
// removals, the service's in the first remaining dependent.
TEST_F(FormCadastroPlanoTest, RemovedDependentsStoredServiceTravelsInTheFirstDependent)
{
    openPlano(700);
    showGroup(form, QStringLiteral("Dependentes"));
    TDependentePlanoFrameAdapter *filho = nullptr;
    for (auto *row : rowsOf<TDependentePlanoFrameAdapter>(form->FormDependentePlano))
        if (row->LabelParentesco->text() == QStringLiteral("FILHO(A)"))
            filho = row;
    ASSERT_NE(filho, nullptr);
    dialogs.answerQuestion(kYes);
    filho->SpeedButtonRemove->click();
    waitIdle();
    save();
    const QJsonObject body = complexBody();
    EXPECT_EQ(listOf(body, "removeDependentePlanos"), QJsonArray { 701 });
    const QJsonArray dependentes = listOf(body, "dependentePlanos");
    ASSERT_EQ(dependentes.size(), 1);
    EXPECT_EQ(listOf(dependentes.at(0).toObject(), "removeServicoDependentePlanos"),
              QJsonArray { 700 });
    EXPECT_EQ(listOf(body, "convenioPlanos").size(), 1);
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
}

TEST_F(FormCadastroPlanoTest, EveryAgreementIsOfferedToAPlanWithoutOne)
{
    openPlano(701);
    dialogs.answerQuestion(kNo);
    showGroup(form, QStringLiteral("Convênios"));
    EXPECT_EQ(questionsAsked(), 1);
    EXPECT_EQ(allRows(form->FormConvenioPlano->DataSetSubCadastro()), 0);

    // Asked again at the next showing; yes links every agreement of the first page.
    showGroup(form, QStringLiteral("Valores"));
    dialogs.answerQuestion(kYes);
    showGroup(form, QStringLiteral("Convênios"));
    EXPECT_EQ(questionsAsked(), 2);
    QStringList listed;
    for (auto *row : rowsOf<TConvenioPlanoFrameAdapter>(form->FormConvenioPlano))
        listed << row->LabelConvenio->text() + u'|' + row->LabelSegmento->text() + u'|'
                + row->LabelDesconto->text();
    EXPECT_EQ(listed, QStringList { QStringLiteral("CLÍNICA VIDA PLENA LTDA|SAÚDE|15,00") });

    // With a row, no question.
    showGroup(form, QStringLiteral("Valores"));
    showGroup(form, QStringLiteral("Convênios"));
    EXPECT_EQ(questionsAsked(), 2);

    save();
    const QJsonArray convenios = listOf(complexBody(), "convenioPlanos");
    ASSERT_EQ(convenios.size(), 1);
    EXPECT_EQ(convenios.at(0)[QStringLiteral("idConvenio")].toInt(), 600);
}

TEST_F(FormCadastroPlanoTest, NoOfferWhileAnAgreementRowIsBeingEdited)
{
    openPlano(701);
    dialogs.answerQuestion(kNo);
    showGroup(form, QStringLiteral("Convênios"));
    form->FormConvenioPlano->SpeedButtonNovo->click();
    waitIdle();
    showGroup(form, QStringLiteral("Valores"));
    showGroup(form, QStringLiteral("Convênios"));
    EXPECT_EQ(questionsAsked(), 1);
}

// The included-services sub-form of a new plan: the chosen service fills the row, and index and
// value follow each other as the person types.
TEST_F(FormCadastroPlanoTest, ServiceChosenOnANewRowFillsItAndIndexAndValueFollowEachOther)
{
    form->SpeedButtonNovo->click();
    waitIdle();
    showGroup(form, QStringLiteral("Serviços"));
    TFormSubCadastroServicoPlano *sub = form->FormServicoPlano;
    sub->SpeedButtonNovo->click();
    waitIdle();
    choose(sub->Presenter(), "EditServico", "402");
    EXPECT_EQ(sub->EditServico->text(), QStringLiteral("TRANSLADO ATÉ 100 KM"));
    EXPECT_EQ(sub->EditUtilizacao->text(), QStringLiteral("1"));
    EXPECT_EQ(sub->EditListaTipoUtilizacao->text(), QStringLiteral("POR EVENTO"));
    EXPECT_EQ(sub->EditValor->text(), QStringLiteral("300,00"));
    EXPECT_DOUBLE_EQ(sub->ValorServico(), 300);

    sub->EditIndice->setFocus();
    sub->EditIndice->clear();
    typeText(sub->EditIndice, QStringLiteral("1,5"));
    EXPECT_EQ(sub->EditValor->text(), QStringLiteral("450,00"));
    sub->EditValor->setFocus();
    sub->EditValor->clear();
    typeText(sub->EditValor, QStringLiteral("75"));
    EXPECT_EQ(sub->EditIndice->text(), QStringLiteral("0,2500"));

    // Cleared: the three edits the service filled are emptied; a typed value leaves the index.
    sub->EditServico->setFocus();
    sub->EditServico->clear();
    typeText(sub->EditServico, QString());
    sub->Presenter()
        ->FindItemControl(QStringLiteral("EditServico"))
        ->SetValueControl(QStringLiteral("0"));
    waitIdle();
    EXPECT_DOUBLE_EQ(sub->ValorServico(), 0);
    EXPECT_TRUE(sub->EditUtilizacao->text().isEmpty());
    EXPECT_TRUE(sub->EditListaTipoUtilizacao->text().isEmpty());
    EXPECT_TRUE(sub->EditValor->text().isEmpty());
    typeText(sub->EditValor, QStringLiteral("80"));
    EXPECT_EQ(sub->EditIndice->text(), QStringLiteral("0,2500"));
}

// On a stored row a new service changes only the price the next index change uses.
TEST_F(FormCadastroPlanoTest, ServiceChosenOnAStoredRowOnlyChangesThePriceUsed)
{
    openPlano(700);
    showGroup(form, QStringLiteral("Serviços"));
    TFormSubCadastroServicoPlano *sub = form->FormServicoPlano;
    const auto rows = rowsOf<TServicoPlanoFrameAdapter>(sub);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.front()->LabelValorServico->text(), QStringLiteral("300,00"));
    rows.front()->SpeedButtonEdit->click();
    waitIdle();
    EXPECT_EQ(sub->EditValor->text(), QStringLiteral("300,00"));
    choose(sub->Presenter(), "EditServico", "403");
    EXPECT_EQ(sub->EditServico->text(), QStringLiteral("ORNAMENTAÇÃO DE URNA"));
    EXPECT_EQ(sub->EditValor->text(), QStringLiteral("300,00"));
    EXPECT_EQ(sub->EditUtilizacao->text(), QStringLiteral("1"));
    sub->EditIndice->setFocus();
    sub->EditIndice->clear();
    typeText(sub->EditIndice, QStringLiteral("2"));
    EXPECT_EQ(sub->EditValor->text(), QStringLiteral("200,00"));
}

// "Desativado?" of an add-on row against today.
struct DesativadoCase
{
    const char *name;
    double diasDeHoje; // the end date from today; NAN for none
    const char *texto;
};

class AdicionalDesativadoTest : public ::testing::TestWithParam<DesativadoCase>
{
};

TEST_P(AdicionalDesativadoTest, RowSaysWhetherTheAddOnHasEnded)
{
    const auto presenter = TBasePresenter::Create<TAdicionalContratoPlanoPresenter>();
    presenter->Clear(true, false);
    TMemTable &table = presenter->DataSetInfo();
    table.Append();
    table.FieldByName(QStringLiteral("SERVICO"))->SetAsString(QStringLiteral("TELEMEDICINA"));
    if (!std::isnan(GetParam().diasDeHoje))
        table.FieldByName(QStringLiteral("DATA_FINAL"))
            ->SetAsDateTime(TDateTime(Now().Value() + GetParam().diasDeHoje));
    table.Post();
    std::unique_ptr<TAdicionalContratoPlanoFrameAdapter> row(
        TFrameBaseAdapter::New<TAdicionalContratoPlanoFrameAdapter>(nullptr, table));
    EXPECT_EQ(row->LabelDesativado->text(), QString::fromUtf8(GetParam().texto));
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         AdicionalDesativadoTest,
                         ::testing::Values(DesativadoCase { "Past", -1, "Sim" },
                                           DesativadoCase { "Future", 1, "Não" },
                                           DesativadoCase { "None", NAN, "Não" }),
                         [](const auto &AInfo) { return std::string(AInfo.param.name); });

} // namespace
