#include "App.Form.Cadastro.Convenio.h"

#include "App.Adapter.Frame.Convenio.h"
#include "App.Adapter.Frame.EspecialidadeProfissionalConvenio.h"
#include "App.Adapter.Frame.ProfissionalConvenio.h"
#include "App.Adapter.Frame.ServicoConvenio.h"
#include "App.Form.SubCadastro.EspecialidadeProfissionalConvenio.h"
#include "App.Form.SubCadastro.ProfissionalConvenio.h"
#include "App.Form.SubCadastro.ServicoConvenio.h"
#include "App.Lib.Menu.Grupo.h"
#include "App.Lib.ManagerControls.h"
#include "App.Presenter.Convenio.h"
#include "Edit.h"
#include "Label.h"
#include "Memo.h"
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

#include <ostream>

namespace {

// The seed's agreement 600 (CLÍNICA VIDA PLENA LTDA, 2 units): professional 600 (ANA PAULA
// FERREIRA) with the specialty rows 600 (CARDIOLOGIA) and 601 (CLÍNICA GERAL), professional 601
// (RICARDO MENDES ALVES) with the row 602 (ORTOPEDIA), and the service row 600 (TRANSLADO ATÉ
// 100 KM, 300,00).
class FormCadastroConvenioTest
    : public RegistrationWindowFixture<TFormCadastroConvenio, TConvenioFrameAdapter>
{
public:
    FormCadastroConvenioTest()
        : RegistrationWindowFixture("TFormCadastroConvenio", "/convenio")
    { }

    void openConvenio()
    {
        form->SetIdRegistro(600);
        form->executeEditar(nullptr);
        waitIdle();
        ASSERT_EQ(form->EditID->text(), QStringLiteral("600"));
    }
    // The group of the window (or of a sub-form) shown, as the person clicks it.
    void showGroup(TFormBaseMetodoCadastro *AForm, const QString &ATitle)
    {
        for (const auto &button : AForm->ListMenuGrupo())
            if (button->Text() == ATitle) {
                button->Click();
                return;
            }
        FAIL() << "no group " << ATitle.toStdString();
    }
    QStringList especialidadesListed() const
    {
        QStringList names;
        for (auto *row :
             rowsOf<TEspecialidadeProfissionalConvenioFrameAdapter>(form->FormEspecialidade))
            names << row->LabelEspecialidade->text();
        names.sort();
        return names;
    }
    TProfissionalConvenioFrameAdapter *profissionalRow(const QString &ANome) const
    {
        for (auto *row : rowsOf<TProfissionalConvenioFrameAdapter>(form->FormProfissional))
            if (row->LabelProfissional->text() == ANome)
                return row;
        ADD_FAILURE() << "no professional " << ANome.toStdString();
        return nullptr;
    }
    // The professional's record tab, with its specialties shown.
    void openProfissional(const QString &ANome)
    {
        showGroup(form, QStringLiteral("Profissionais"));
        if (auto *row = profissionalRow(ANome))
            row->SpeedButtonEdit->click();
        waitIdle();
        showGroup(form->FormProfissional, QStringLiteral("Especialidades"));
    }
    void removeRow(TFrameBaseAdapterCadastro *ARow)
    {
        ASSERT_TRUE(ARow);
        dialogs.answerQuestion(kYes);
        ARow->SpeedButtonRemove->click();
        waitIdle();
    }
    void removeProfissional(const QString &ANome)
    {
        showGroup(form, QStringLiteral("Profissionais"));
        removeRow(profissionalRow(ANome));
    }
    void removeEspecialidade(const QString &ANome)
    {
        for (auto *row :
             rowsOf<TEspecialidadeProfissionalConvenioFrameAdapter>(form->FormEspecialidade))
            if (row->LabelEspecialidade->text() == ANome)
                return removeRow(row);
        ADD_FAILURE() << "no specialty " << ANome.toStdString();
    }
    // A lookup chosen by its id, as the person's choice in the lookup leaves it.
    static void choose(TBasePresenter *APresenter, const char *AControl, const char *AId)
    {
        APresenter->FindItemControl(QLatin1String(AControl))->SetValueControl(QLatin1String(AId));
        waitIdle();
    }
    // A new professional of that person with those specialties, saved into the window's rows.
    void addProfissional(const char *AIdPessoa, std::initializer_list<const char *> AEspecialidades)
    {
        TFormSubCadastroProfissionalConvenio *profissional = form->FormProfissional;
        showGroup(form, QStringLiteral("Profissionais"));
        profissional->SpeedButtonNovo->click();
        choose(profissional->Presenter(), "EditPessoa", AIdPessoa);
        TFormSubCadastroEspecialidadeProfissionalConvenio *especialidade = form->FormEspecialidade;
        if (AEspecialidades.size() > 0)
            showGroup(profissional, QStringLiteral("Especialidades"));
        for (const char *id : AEspecialidades) {
            especialidade->SpeedButtonNovo->click();
            choose(especialidade->Presenter(), "EditEspecialidade", id);
            especialidade->SpeedButtonSalvar->click();
            waitIdle();
        }
        showGroup(profissional, QStringLiteral("Informações Iniciais"));
        profissional->SpeedButtonSalvar->click();
        waitIdle();
    }
    void save()
    {
        dialogs.clearMessages();
        form->SpeedButtonSalvar->click();
        waitIdle();
    }
    QJsonObject complexBody()
    {
        const auto post = demo.backend().last("POST", "/convenio/complex");
        return post ? QJsonDocument::fromJson(QByteArray::fromStdString(post->body)).object()
                    : QJsonObject();
    }
    static QJsonArray ids(const QJsonArray &ARows)
    {
        QJsonArray result;
        for (const QJsonValue &row : ARows)
            result.append(row.toObject().value("id"));
        return result;
    }
    static int allRows(TMemTable &ATable)
    {
        const bool filtered = ATable.Filtered();
        ATable.SetFiltered(false);
        const int count = ATable.RecordCount();
        ATable.SetFiltered(filtered);
        return count;
    }
};

TEST_F(FormCadastroConvenioTest, OpeningReadsProfessionalsServicesThenSpecialtiesOfEachProfessional)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE CONVÊNIOS"));
    openConvenio();
    QStringList children;
    for (const RecordedRequest &request : demo.backend().requests())
        if (request.method == "GET" && request.path.find("/convenio/600") != std::string::npos
            && request.path != "/convenio/600")
            children << QString::fromStdString(request.path);
    EXPECT_EQ(children,
              (QStringList { "/profissional-convenio/convenio/600",
                             "/servico-convenio/convenio/600",
                             "/especialidade-profissional-convenio/convenio/600" }));
    EXPECT_EQ(form->EditListaSegmento->text(), QStringLiteral("SAÚDE"));

    openProfissional(QStringLiteral("ANA PAULA FERREIRA"));
    EXPECT_EQ(form->LabelTopText->text(), QStringLiteral("CLÍNICA VIDA PLENA LTDA"));
    EXPECT_EQ(form->FormProfissional->LabelTopText->text(), QStringLiteral("ANA PAULA FERREIRA"));
    EXPECT_EQ(especialidadesListed(),
              (QStringList { QStringLiteral("CARDIOLOGIA"), QStringLiteral("CLÍNICA GERAL") }));
    form->FormProfissional->SpeedButtonRetornar->click();
    waitIdle();
    openProfissional(QStringLiteral("RICARDO MENDES ALVES"));
    EXPECT_EQ(especialidadesListed(), QStringList { QStringLiteral("ORTOPEDIA") });
    EXPECT_TRUE(dialogs.messageTexts().isEmpty())
        << dialogs.messageTexts().join(u'\n').toStdString();
}

// What the person does to the opened agreement 600 before saving, and what the body must say.
struct BodyCase
{
    const char *name;
    void (*act)(FormCadastroConvenioTest &);
    void (*check)(const QJsonObject &);
};

void PrintTo(const BodyCase &row, std::ostream *out)
{
    *out << row.name;
}

QJsonArray listIn(const QJsonValue &AObject, const char *AMember)
{
    return listOf(AObject.toObject(), AMember);
}

const BodyCase kBodyCases[] = {
    { "UnchangedAgreementSendsEveryChildAndItsUnitsAsRead",
      [](FormCadastroConvenioTest &) {},
      [](const QJsonObject &body) {
          EXPECT_EQ(body.value("quantidadeUnidades").toInt(), 2);
          const QJsonArray profissionais = listOf(body, "profissionalConvenios");
          ASSERT_EQ(FormCadastroConvenioTest::ids(profissionais), (QJsonArray { 600, 601 }));
          EXPECT_EQ(FormCadastroConvenioTest::ids(
                        listIn(profissionais[0], "especialidadeProfissionalConvenios")),
                    (QJsonArray { 600, 601 }));
          const QJsonArray deRicardo
              = listIn(profissionais[1], "especialidadeProfissionalConvenios");
          ASSERT_EQ(deRicardo.size(), 1);
          EXPECT_EQ(deRicardo[0].toObject().value("idEspecialidade").toInteger(), 602);
          EXPECT_EQ(deRicardo[0].toObject().value("idProfissionalConvenio").toInteger(), 601);
          EXPECT_EQ(FormCadastroConvenioTest::ids(listOf(body, "servicoConvenios")),
                    QJsonArray { 600 });
          EXPECT_TRUE(listOf(body, "removeProfissionalConvenios").isEmpty());
          EXPECT_TRUE(listOf(body, "removeServicoConvenios").isEmpty());
      } },
    { "RemovedSpecialtyOfTheSecondProfessionalTravelsInTheFirst",
      [](FormCadastroConvenioTest &t) {
          t.openProfissional(QStringLiteral("RICARDO MENDES ALVES"));
          t.removeEspecialidade(QStringLiteral("ORTOPEDIA"));
      },
      [](const QJsonObject &body) {
          const QJsonArray profissionais = listOf(body, "profissionalConvenios");
          ASSERT_EQ(profissionais.size(), 2);
          EXPECT_EQ(listIn(profissionais[0], "removeEspecialidadeProfissionalConvenios"),
                    QJsonArray { 602 });
          EXPECT_TRUE(
              listIn(profissionais[1], "removeEspecialidadeProfissionalConvenios").isEmpty());
          EXPECT_TRUE(listIn(profissionais[1], "especialidadeProfissionalConvenios").isEmpty());
      } },
    { "RemovedProfessionalTakesItsStoredSpecialtiesWithIt",
      [](FormCadastroConvenioTest &t) {
          t.removeProfissional(QStringLiteral("ANA PAULA FERREIRA"));
      },
      [](const QJsonObject &body) {
          EXPECT_EQ(listOf(body, "removeProfissionalConvenios"), QJsonArray { 600 });
          const QJsonArray profissionais = listOf(body, "profissionalConvenios");
          ASSERT_EQ(FormCadastroConvenioTest::ids(profissionais), QJsonArray { 601 });
          QJsonArray removidas
              = listIn(profissionais[0], "removeEspecialidadeProfissionalConvenios");
          EXPECT_EQ(removidas, (QJsonArray { 600, 601 }));
          EXPECT_EQ(FormCadastroConvenioTest::ids(
                        listIn(profissionais[0], "especialidadeProfissionalConvenios")),
                    QJsonArray { 602 });
      } },
    { "NewProfessionalCarriesItsNewSpecialtiesAndOneWithoutAnyAnEmptyList",
      [](FormCadastroConvenioTest &t) {
          t.addProfissional("2", { "601", "602" });
          t.addProfissional("3", {});
      },
      [](const QJsonObject &body) {
          const QJsonArray profissionais = listOf(body, "profissionalConvenios");
          ASSERT_EQ(FormCadastroConvenioTest::ids(profissionais), (QJsonArray { 600, 601, 0, 0 }));
          EXPECT_EQ(profissionais[2].toObject().value("idPessoa").toInteger(), 2);
          const QJsonArray novas = listIn(profissionais[2], "especialidadeProfissionalConvenios");
          ASSERT_EQ(novas.size(), 2);
          for (int i = 0; i < 2; ++i) {
              EXPECT_EQ(novas[i].toObject().value("id").toInteger(), 0);
              EXPECT_EQ(novas[i].toObject().value("idEspecialidade").toInteger(), 601 + i);
          }
          EXPECT_EQ(profissionais[3].toObject().value("idPessoa").toInteger(), 3);
          EXPECT_TRUE(profissionais[3]
                          .toObject()
                          .value("especialidadeProfissionalConvenios")
                          .toObject()
                          .contains("listHelper"));
          EXPECT_TRUE(listIn(profissionais[3], "especialidadeProfissionalConvenios").isEmpty());
      } },
};

class ConvenioBodyTest : public FormCadastroConvenioTest,
                         public ::testing::WithParamInterface<BodyCase>
{
};

TEST_P(ConvenioBodyTest, SaveSendsTheAggregate)
{
    openConvenio();
    GetParam().act(*this);
    save();
    ASSERT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = complexBody();
    EXPECT_EQ(body.value("id").toInteger(), 600);
    GetParam().check(body);
}

INSTANTIATE_TEST_SUITE_P(OpenedAgreement,
                         ConvenioBodyTest,
                         ::testing::ValuesIn(kBodyCases),
                         [](const ::testing::TestParamInfo<BodyCase> &info) {
                             return info.param.name;
                         });

TEST_F(FormCadastroConvenioTest, RefusedSaveKeepsEveryRowAndTheRemovedIds)
{
    openConvenio();
    openProfissional(QStringLiteral("RICARDO MENDES ALVES"));
    removeEspecialidade(QStringLiteral("ORTOPEDIA"));
    form->FormProfissional->SpeedButtonRetornar->click();
    waitIdle();
    showGroup(form, QStringLiteral("Serviços"));
    removeRow(rowsOf<TServicoConvenioFrameAdapter>(form->FormServico).value(0));

    demo.backend().on("POST",
                      "/convenio/complex",
                      FakeReply::json(R"({"message":"ERROR:Falha ao gravar o convênio."})", 400));
    save();
    ASSERT_EQ(dialogs.messageTexts().size(), 1);
    EXPECT_NE(dialogs.messageTexts().front(), kSuccess);
    EXPECT_EQ(allRows(form->FormProfissional->DataSetSubCadastro()), 2);
    EXPECT_EQ(allRows(form->FormEspecialidade->DataSetSubCadastro()), 2);
    EXPECT_EQ(allRows(form->FormServico->DataSetSubCadastro()), 0);

    demo.backend().on("POST", "/convenio/complex", FakeReply::json(R"({"id":600})"));
    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = complexBody();
    EXPECT_EQ(listOf(body, "removeServicoConvenios"), QJsonArray { 600 });
    const QJsonArray profissionais = listOf(body, "profissionalConvenios");
    ASSERT_EQ(profissionais.size(), 2);
    EXPECT_EQ(listIn(profissionais[0], "removeEspecialidadeProfissionalConvenios"),
              QJsonArray { 602 });
    EXPECT_EQ(ids(listIn(profissionais[0], "especialidadeProfissionalConvenios")),
              (QJsonArray { 600, 601 }));
}

TEST_F(FormCadastroConvenioTest, NewAgreementIsSavedWithNoUnitsAndTheWindowTurnsBlank)
{
    form->SpeedButtonNovo->click();
    save();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:O campo Nome não possui um valor válido.\r\n"
                                           "WARNING:O campo Desconto (%) não possui um valor "
                                           "válido.\r\n"
                                           "WARNING:O campo Segmento não possui um valor "
                                           "válido.\r\n") });

    choose(form->Presenter(), "EditPessoa", "603");
    typeText(form->EditDesconto, QStringLiteral("1000"));
    choose(form->Presenter(), "EditListaSegmento", "601");
    typeText(form->MemoAnotacoes, QStringLiteral("só odontologia"));
    EXPECT_EQ(form->EditDesconto->text(), QStringLiteral("100"));
    EXPECT_EQ(form->EditListaSegmento->text(), QStringLiteral("ODONTOLOGIA"));
    showGroup(form, QStringLiteral("Serviços"));
    ASSERT_EQ(form->LabelTopText->text(), QStringLiteral("ODONTO SORRISO LTDA"));
    save();
    ASSERT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = complexBody();
    EXPECT_EQ(body.value("id").toInteger(), 0);
    EXPECT_EQ(body.value("idPessoa").toInteger(), 603);
    EXPECT_EQ(body.value("desconto").toDouble(), 100);
    EXPECT_EQ(body.value("listaSegmento").toInteger(), 601);
    EXPECT_EQ(body.value("anotacoes").toString(), QStringLiteral("SÓ ODONTOLOGIA"));
    EXPECT_EQ(body.value("quantidadeUnidades").toInt(), 0);
    EXPECT_TRUE(listOf(body, "profissionalConvenios").isEmpty());

    EXPECT_TRUE(recordTabActive());
    EXPECT_EQ(form->EditPessoa->text(), QString());
    EXPECT_EQ(form->EditID->text(), QString());
    EXPECT_EQ(form->LabelTopText->text(), QString());
}

TEST_F(FormCadastroConvenioTest, ServiceValueShowsTheChosenServicesValueUntilTheRowIsSaved)
{
    openConvenio();
    showGroup(form, QStringLiteral("Serviços"));
    TFormSubCadastroServicoConvenio *servico = form->FormServico;
    servico->SpeedButtonNovo->click();
    EXPECT_FALSE(servico->EditValorServico->isEnabled());
    choose(servico->Presenter(), "EditServico", "403");
    EXPECT_EQ(servico->EditServico->text(), QStringLiteral("ORNAMENTAÇÃO DE URNA"));
    EXPECT_EQ(servico->EditValorServico->text(), QStringLiteral("100,00"));
    typeText(servico->EditServico, QStringLiteral("X"));
    EXPECT_EQ(servico->EditValorServico->text(), QStringLiteral("0,00"));

    choose(servico->Presenter(), "EditServico", "401");
    EXPECT_EQ(servico->EditValorServico->text(), QStringLiteral("450,00"));
    dialogs.clearMessages();
    servico->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    EXPECT_EQ(servico->EditValorServico->text(), QStringLiteral("0,00"));
    QStringList listed;
    for (auto *row : rowsOf<TServicoConvenioFrameAdapter>(servico))
        listed << row->LabelServico->text() + u'|' + row->LabelValorServico->text();
    listed.sort();
    EXPECT_EQ(listed,
              (QStringList { QStringLiteral("KIT VELÓRIO COMPLETO|450,00"),
                             QStringLiteral("TRANSLADO ATÉ 100 KM|300,00") }));
}

// The back end removes the agreement with its children: the removal names the aggregate.
TEST_F(FormCadastroConvenioTest, ListedAgreementIsRemovedByItsAggregateClass)
{
    search();
    TConvenioFrameAdapter *row
        = frameOf(&TConvenioFrameAdapter::LabelConvenio, QStringLiteral("CLÍNICA VIDA PLENA LTDA"));
    ASSERT_NE(row, nullptr);
    dialogs.answerQuestion(kYes);
    row->SpeedButtonRemove->click();
    waitIdle();
    const auto removal = demo.backend().last("DELETE", "/convenio");
    ASSERT_TRUE(removal);
    EXPECT_EQ(removal->header("name_class"), "TConvenioComplexPost");
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(removal->body))
                  .object()
                  .value(QStringLiteral("listHelper"))
                  .toArray(),
              QJsonArray { 600 });
}

TEST_F(FormCadastroConvenioTest, FilterBarSendsTheChosenSpecialtyAndAsksForProfessionalsOnly)
{
    form->SpeedButtonFiltro->click();
    TManagerControl &filters = form->Presenter()->ManagerFilterControls();
    filters.FindItemControl(QStringLiteral("EditFilterEspecialidade"))
        ->SetValueControl(QStringLiteral("600"));
    waitIdle();
    EXPECT_EQ(form->EditFilterEspecialidade->text(), QStringLiteral("CARDIOLOGIA"));
    search();
    const auto list = demo.backend().last("GET", "/convenio");
    ASSERT_TRUE(list);
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(list->body))
                  .object()
                  .value("idEspecialidade")
                  .toString(),
              QStringLiteral("600#CARDIOLOGIA"));
    ASSERT_EQ(frames().size(), 1);
    EXPECT_EQ(frames().front()->LabelConvenio->text(), QStringLiteral("CLÍNICA VIDA PLENA LTDA"));
    EXPECT_EQ(frames().front()->LabelSegmento->text(), QStringLiteral("SAÚDE"));
    EXPECT_EQ(frames().front()->LabelEspecialidades->text(),
              QStringLiteral("CARDIOLOGIA, CLÍNICA GERAL, ORTOPEDIA"));

    typeText(form->EditFilterProfissional, QStringLiteral("ANA"));
    pressKey(form->EditFilterProfissional, Qt::Key_Return);
    waitIdle();
    bool askedForProfessionals = false;
    for (const RecordedRequest &request : demo.backend().requests())
        if (request.path.rfind("/pessoa", 0) == 0)
            askedForProfessionals = askedForProfessionals || request.param("fix-filter") == "NEP";
    EXPECT_TRUE(askedForProfessionals);
}

} // namespace
