#include "App.Form.Cadastro.Colaborador.h"

#include "App.Adapter.Frame.Colaborador.h"
#include "App.Adapter.Frame.ColaboradorEmpresa.h"
#include "App.Adapter.Frame.EquipeColaboradorEmpresa.h"
#include "App.Adapter.Frame.FuncaoColaboradorEmpresa.h"
#include "App.Form.SubCadastro.ColaboradorEmpresa.h"
#include "App.Form.SubCadastro.EquipeColaboradorEmpresa.h"
#include "App.Form.SubCadastro.FuncaoColaboradorEmpresa.h"
#include "App.Lib.Menu.Grupo.h"
#include "App.Presenter.Colaborador.h"
#include "App.Presenter.ColaboradorEmpresa.h"
#include "App.Presenter.EquipeColaboradorEmpresa.h"
#include "App.Presenter.FuncaoColaboradorEmpresa.h"
#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Colaborador, PresenterContract, TColaboradorPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(ColaboradorEmpresa, PresenterContract, TColaboradorEmpresaPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(FuncaoColaboradorEmpresa,
                               PresenterContract,
                               TFuncaoColaboradorEmpresaPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(EquipeColaboradorEmpresa,
                               PresenterContract,
                               TEquipeColaboradorEmpresaPresenter);

// Staff member 7 (person 2 of the seed) with two employments: 71 at "MATRIZ" (function 711,
// team 712) and 72 at "FILIAL" (functions 721 and 722, team 723). The back end sends every row
// of every employment, in an order that is not the employments'.
const char *const kColaboradorSete = R"({"id":7,"idPessoa":2,"ctps":"998877"})";
const char *const kColaboradorEmpresas
    = R"({"total":2,"pages":1,"listHelper":[)"
      R"({"id":71,"idEmpresa":1,"idMotivo":0,"codigoRegistro":"R-71",)"
      R"("dataAdmissao":"2019-02-01T00:00:00.000Z","empresa":"MATRIZ"},)"
      R"({"id":72,"idEmpresa":2,"idMotivo":0,"codigoRegistro":"R-72",)"
      R"("dataAdmissao":"2021-05-03T00:00:00.000Z","empresa":"FILIAL"}]})";
const char *const kColaboradorFuncoes
    = R"({"total":3,"pages":1,"listHelper":[)"
      R"({"id":721,"idColaboradorEmpresa":72,"idFuncao":2,"idMotivo":502,"listaSalario":500,)"
      R"("data":"2021-05-03T00:00:00.000Z","salario":1800,"funcao":"VENDEDOR",)"
      R"("motivo":"ADMISSÃO","tipoSalario":"MENSALISTA","codigoTipoSalario":"01"},)"
      R"({"id":711,"idColaboradorEmpresa":71,"idFuncao":1,"idMotivo":502,"listaSalario":500,)"
      R"("data":"2019-02-01T00:00:00.000Z","salario":1500,"funcao":"COBRADOR",)"
      R"("motivo":"ADMISSÃO","tipoSalario":"MENSALISTA","codigoTipoSalario":"01"},)"
      R"({"id":722,"idColaboradorEmpresa":72,"idFuncao":3,"idMotivo":501,"listaSalario":501,)"
      R"("data":"2023-01-02T00:00:00.000Z","salario":2500,"funcao":"ATENDENTE",)"
      R"("motivo":"PROMOÇÃO","tipoSalario":"COMISSIONADO","codigoTipoSalario":"02"}]})";
const char *const kColaboradorEquipes
    = R"({"total":2,"pages":1,"listHelper":[)"
      R"({"id":723,"idColaboradorEmpresa":72,"idEquipe":501,"idMotivo":0,)"
      R"("dataInicial":"2021-05-03T00:00:00.000Z","equipe":"EQUIPE ZONA NORTE"},)"
      R"({"id":712,"idColaboradorEmpresa":71,"idEquipe":500,"idMotivo":0,)"
      R"("dataInicial":"2019-02-01T00:00:00.000Z","equipe":"EQUIPE CENTRO"}]})";

class FormCadastroColaboradorTest
    : public RegistrationWindowFixture<TFormCadastroColaborador, TColaboradorFrameAdapter>
{
protected:
    FormCadastroColaboradorTest()
        : RegistrationWindowFixture("TFormCadastroColaborador", "/colaborador/complex")
    { }

    void SetUp() override
    {
        RegistrationWindowFixture::SetUp();
        FakeBackend &backend = demo.backend();
        backend.on("GET", "/colaborador/7", FakeReply::json(kColaboradorSete));
        backend.on(
            "GET", "/colaborador-empresa/colaborador/7", FakeReply::json(kColaboradorEmpresas));
        backend.on("GET",
                   "/funcao-colaborador-empresa/colaborador/7",
                   FakeReply::json(kColaboradorFuncoes));
        backend.on("GET",
                   "/equipe-colaborador-empresa/colaborador/7",
                   FakeReply::json(kColaboradorEquipes));
        backend.on("POST", "/colaborador/complex", FakeReply::json(R"({"id":7,"idPessoa":2})"));
        empresa = form->FormColaboradorEmpresa;
        funcao = form->FormFuncaoColaboradorEmpresa();
        equipe = form->FormEquipeColaboradorEmpresa();
    }

    void openColaborador()
    {
        form->SetIdRegistro(7);
        form->executeEditar(nullptr);
        waitIdle();
        ASSERT_EQ(form->EditID->text(), QStringLiteral("7"));
    }
    template<class TRow>
    static QStringList headlines(const TFormBaseMetodoCadastro *AForm, TLabel *TRow::*ALabel)
    {
        QStringList texts;
        for (TRow *row : rowsOf<TRow>(AForm))
            texts << (row->*ALabel)->text();
        texts.sort();
        return texts;
    }
    template<class TRow>
    static TRow *
    rowOf(const TFormBaseMetodoCadastro *AForm, TLabel *TRow::*ALabel, const QString &AText)
    {
        for (TRow *row : rowsOf<TRow>(AForm))
            if ((row->*ALabel)->text() == AText)
                return row;
        ADD_FAILURE() << "no row " << AText.toStdString();
        return nullptr;
    }
    // The employment of that company opened from its row, as the person does.
    void editEmpresa(const QString &AEmpresa)
    {
        showGroup(form, QStringLiteral("Empresas"));
        auto *row = rowOf(empresa, &TColaboradorEmpresaFrameAdapter::LabelEmpresa, AEmpresa);
        ASSERT_TRUE(row);
        row->SpeedButtonEdit->click();
        waitIdle();
        ASSERT_FALSE(empresa->IsListTabActive());
    }
    void removeEmpresa(const QString &AEmpresa)
    {
        showGroup(form, QStringLiteral("Empresas"));
        if (!empresa->IsListTabActive())
            empresa->SpeedButtonRetornar->click();
        auto *row = rowOf(empresa, &TColaboradorEmpresaFrameAdapter::LabelEmpresa, AEmpresa);
        ASSERT_TRUE(row);
        dialogs.answerQuestion(kYes);
        row->SpeedButtonRemove->click();
        waitIdle();
    }
    template<class TRow>
    void removeRow(TFormBaseMetodoCadastro *AForm, TLabel *TRow::*ALabel, const QString &AText)
    {
        TRow *row = rowOf(AForm, ALabel, AText);
        ASSERT_TRUE(row);
        dialogs.answerQuestion(kYes);
        row->SpeedButtonRemove->click();
        waitIdle();
    }
    QJsonObject save()
    {
        dialogs.clearMessages();
        form->SpeedButtonSalvar->click();
        waitIdle();
        EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
        return lastPost();
    }
    // A lookup edit given an id as the person types it.
    static void choose(TEdit *AEdit, const QString &AId)
    {
        AEdit->clear();
        typeText(AEdit, AId);
        pressKey(AEdit, Qt::Key_Return);
        waitIdle();
    }
    // Every row of a table, whatever its filter shows.
    static int allRows(TMemTable &ATable)
    {
        const bool filtered = ATable.Filtered();
        ATable.SetFiltered(false);
        const int count = ATable.Active() ? ATable.RecordCount() : 0;
        ATable.SetFiltered(filtered);
        return count;
    }

    TFormSubCadastroColaboradorEmpresa *empresa = nullptr;
    TFormSubCadastroFuncaoColaboradorEmpresa *funcao = nullptr;
    TFormSubCadastroEquipeColaboradorEmpresa *equipe = nullptr;
};

// The body as one line: "remove=[..] <employment id>{f=[..] rf=[..] t=[..] rt=[..]} ...",
// the function and team rows by id.
QString resumoColaborador(const QJsonObject &ABody)
{
    const auto ids = [](const QJsonArray &AList) {
        QStringList texts;
        for (const QJsonValue &value : AList)
            texts << QString::number(value.isObject() ? value.toObject().value("id").toInteger()
                                                      : value.toInteger());
        return u'[' + texts.join(u',') + u']';
    };
    QString text = QStringLiteral("remove=") + ids(listOf(ABody, "removeColaboradorEmpresas"));
    for (const QJsonValue &value : listOf(ABody, "colaboradorEmpresas")) {
        const QJsonObject item = value.toObject();
        text += QStringLiteral(" %1{f=%2 rf=%3 t=%4 rt=%5}")
                    .arg(item.value("id").toInteger())
                    .arg(ids(listOf(item, "funcaoColaboradorEmpresas")),
                         ids(listOf(item, "removeFuncaoColaboradorEmpresas")),
                         ids(listOf(item, "equipeColaboradorEmpresas")),
                         ids(listOf(item, "removeEquipeColaboradorEmpresas")));
    }
    return text;
}

TEST_F(FormCadastroColaboradorTest, OpeningReadsTheStaffMemberThenEachChildListTiedToItsEmployment)
{
    openColaborador();
    QStringList reads;
    for (const RecordedRequest &request : demo.backend().requests())
        if (request.method == "GET" && QString::fromStdString(request.path).endsWith(u"/7"))
            reads << QString::fromStdString(request.path);
    EXPECT_EQ(reads,
              (QStringList { "/colaborador/7",
                             "/colaborador-empresa/colaborador/7",
                             "/funcao-colaborador-empresa/colaborador/7",
                             "/equipe-colaborador-empresa/colaborador/7" }));
    const auto children = demo.backend().last("GET", "/funcao-colaborador-empresa/colaborador/7");
    ASSERT_TRUE(children);
    EXPECT_EQ(children->param("page"), "1");
    EXPECT_EQ(children->param("limit"), "100");
    EXPECT_EQ(children->header("X-Paginate"), "true");

    // The person lookup filled the two shown-only edits.
    EXPECT_EQ(form->EditPessoa->text(), QStringLiteral("MARIA APARECIDA DOS SANTOS"));
    EXPECT_EQ(form->EditCpf->text(), QStringLiteral("529.982.247-25"));
    EXPECT_EQ(form->EditDataNascimento->text(), QStringLiteral("14/09/1961"));
    EXPECT_EQ(form->EditCtps->text(), QStringLiteral("998877"));

    // Each employment shows only its own rows, with the texts the back end sent.
    editEmpresa(QStringLiteral("FILIAL"));
    showGroup(empresa, QStringLiteral("Funções/Salários"));
    EXPECT_EQ(empresa->LabelTopText->text(),
              QStringLiteral("PLANO FAMILIAR BOA ESPERANÇA - 03/05/2021"));
    EXPECT_EQ(headlines(funcao, &TFuncaoColaboradorEmpresaFrameAdapter::LabelFuncao),
              (QStringList { "ATENDENTE", "VENDEDOR" }));
    auto *atendente
        = rowOf(funcao, &TFuncaoColaboradorEmpresaFrameAdapter::LabelFuncao, "ATENDENTE");
    ASSERT_TRUE(atendente);
    EXPECT_EQ(atendente->LabelMotivo->text(), QStringLiteral("PROMOÇÃO"));
    EXPECT_EQ(atendente->LabelSalario->text(), QStringLiteral("2.500,00"));
    EXPECT_EQ(atendente->LabelTipoSalario->text(), QStringLiteral("COMISSIONADO"));
    showGroup(empresa, QStringLiteral("Equipes"));
    EXPECT_EQ(headlines(equipe, &TEquipeColaboradorEmpresaFrameAdapter::LabelEquipe),
              QStringList { "EQUIPE ZONA NORTE" });

    empresa->SpeedButtonRetornar->click();
    waitIdle();
    editEmpresa(QStringLiteral("MATRIZ"));
    showGroup(empresa, QStringLiteral("Funções/Salários"));
    EXPECT_EQ(headlines(funcao, &TFuncaoColaboradorEmpresaFrameAdapter::LabelFuncao),
              QStringList { "COBRADOR" });
    showGroup(empresa, QStringLiteral("Equipes"));
    EXPECT_EQ(headlines(equipe, &TEquipeColaboradorEmpresaFrameAdapter::LabelEquipe),
              QStringList { "EQUIPE CENTRO" });
    EXPECT_TRUE(dialogs.messageTexts().isEmpty())
        << dialogs.messageTexts().join(u'\n').toStdString();
}

// What the person removes before saving staff member 7, and the body's removals.
struct RemocaoColaboradorCase
{
    const char *name;
    std::vector<const char *> empresas; // employments removed from the list, by company
    std::vector<const char *> funcoesFilial; // function rows removed under "FILIAL"
    std::vector<const char *> equipesFilial; // team rows removed under "FILIAL"
    const char *body; // resumoColaborador() of the body sent
};

void PrintTo(const RemocaoColaboradorCase &row, std::ostream *out)
{
    *out << row.name;
}

class RemocaoColaboradorTest : public FormCadastroColaboradorTest,
                               public ::testing::WithParamInterface<RemocaoColaboradorCase>
{
};

TEST_P(RemocaoColaboradorTest, BodyCarriesEachRemovedStoredRowOnce)
{
    const RemocaoColaboradorCase &c = GetParam();
    openColaborador();
    if (!c.funcoesFilial.empty() || !c.equipesFilial.empty()) {
        editEmpresa(QStringLiteral("FILIAL"));
        showGroup(empresa, QStringLiteral("Funções/Salários"));
        for (const char *nome : c.funcoesFilial)
            removeRow(funcao, &TFuncaoColaboradorEmpresaFrameAdapter::LabelFuncao, nome);
        showGroup(empresa, QStringLiteral("Equipes"));
        for (const char *nome : c.equipesFilial)
            removeRow(equipe, &TEquipeColaboradorEmpresaFrameAdapter::LabelEquipe, nome);
    }
    for (const char *nome : c.empresas)
        removeEmpresa(QString::fromUtf8(nome));
    EXPECT_EQ(resumoColaborador(save()), QString::fromUtf8(c.body));
}

INSTANTIATE_TEST_SUITE_P(
    Colaborador,
    RemocaoColaboradorTest,
    ::testing::Values(
        RemocaoColaboradorCase { "NothingRemovedSendsEveryRowUnderItsEmployment",
                                 {},
                                 {},
                                 {},
                                 "remove=[] 71{f=[711] rf=[] t=[712] rt=[]} "
                                 "72{f=[721,722] rf=[] t=[723] rt=[]}" },
        RemocaoColaboradorCase { "RemovedEmploymentTakesItsStoredRowsIntoAllThreeLists",
                                 { "MATRIZ" },
                                 {},
                                 {},
                                 "remove=[71] 72{f=[721,722] rf=[711] t=[723] rt=[712]}" },
        RemocaoColaboradorCase { "RowsRemovedUnderTheSecondEmploymentTravelInTheFirst",
                                 {},
                                 { "VENDEDOR" },
                                 { "EQUIPE ZONA NORTE" },
                                 "remove=[] 71{f=[711] rf=[721] t=[712] rt=[723]} "
                                 "72{f=[722] rf=[] t=[] rt=[]}" },
        RemocaoColaboradorCase { "AllEmploymentsRemovedSendOnlyTheirIds",
                                 { "MATRIZ", "FILIAL" },
                                 {},
                                 {},
                                 "remove=[71,72]" }),
    [](const ::testing::TestParamInfo<RemocaoColaboradorCase> &info) { return info.param.name; });

TEST_F(FormCadastroColaboradorTest, NewFunctionRowShowsItsLookupTextsAtOnce)
{
    openColaborador();
    editEmpresa(QStringLiteral("MATRIZ"));
    showGroup(empresa, QStringLiteral("Funções/Salários"));
    funcao->SpeedButtonNovo->click();
    ASSERT_FALSE(funcao->IsListTabActive());

    // Every missing title in one message.
    dialogs.clearMessages();
    funcao->SpeedButtonSalvar->click();
    ASSERT_EQ(dialogs.messageTexts().size(), 1) << dialogs.messageTexts().join(u'\n').toStdString();
    for (const char *title : { "Função",
                               "Data Inicial Vigência",
                               "Salário",
                               "Tipo de Salário",
                               "Motivo da Função/Salário" })
        EXPECT_TRUE(dialogs.messageTexts().front().contains(
            QStringLiteral("WARNING:O campo %1 não possui um valor válido.")
                .arg(QString::fromUtf8(title))))
            << title;

    choose(funcao->EditFuncao, QStringLiteral("2"));
    funcao->DateEditData->setDate(QDateToDateTime(QDate(2024, 7, 1)));
    typeText(funcao->EditSalario, QStringLiteral("3100,5"));
    choose(funcao->EditListaSalario, QStringLiteral("501"));
    choose(funcao->EditMotivo, QStringLiteral("501"));
    dialogs.clearMessages();
    funcao->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });

    auto *novo = rowOf(funcao, &TFuncaoColaboradorEmpresaFrameAdapter::LabelFuncao, "VENDEDOR");
    ASSERT_TRUE(novo);
    EXPECT_EQ(novo->LabelMotivo->text(), QStringLiteral("PROMOÇÃO"));
    EXPECT_EQ(novo->LabelTipoSalario->text(), QStringLiteral("COMISSIONADO"));
    EXPECT_EQ(novo->LabelSalario->text(), QStringLiteral("3.100,50"));
    TMemTable &funcoes = funcao->DataSetSubCadastro();
    ASSERT_TRUE(funcoes.Locate(QStringLiteral("ID_FUNCAO"), TFieldValue(std::int64_t(2))));
    EXPECT_EQ(funcoes.FieldByName(QStringLiteral("CODIGO_TIPO_SALARIO"))->AsString(),
              QStringLiteral("02"));

    // Saved with the staff member: new, under the first employment, without its parent's id.
    const QJsonArray enviadas
        = listOf(listOf(save(), "colaboradorEmpresas")[0].toObject(), "funcaoColaboradorEmpresas");
    ASSERT_EQ(enviadas.size(), 2);
    const QJsonObject nova = enviadas[1].toObject();
    EXPECT_EQ(nova.value("id").toInteger(), 0);
    EXPECT_EQ(nova.value("idColaboradorEmpresa").toInteger(), 0);
    EXPECT_EQ(nova.value("idFuncao").toInteger(), 2);
    EXPECT_EQ(nova.value("listaSalario").toInteger(), 501);
    EXPECT_EQ(nova.value("idMotivo").toInteger(), 501);
    EXPECT_DOUBLE_EQ(nova.value("salario").toDouble(), 3100.5);
}

// The lookups of the staff window pass their fixed filter on with the id typed.
struct FiltroColaboradorCase
{
    const char *name;
    int janela; // 0 staff, 1 employment, 2 function, 3 team of the employment
    const char *resource;
    const char *id;
    const char *fixFilter;
};

void PrintTo(const FiltroColaboradorCase &row, std::ostream *out)
{
    *out << row.name;
}

class FiltroColaboradorTest : public FormCadastroColaboradorTest,
                              public ::testing::WithParamInterface<FiltroColaboradorCase>
{
};

TEST_P(FiltroColaboradorTest, LookupSendsItsFixedFilter)
{
    const FiltroColaboradorCase &c = GetParam();
    form->SpeedButtonNovo->click();
    TEdit *edit = form->EditPessoa;
    if (c.janela > 0) {
        showGroup(form, QStringLiteral("Empresas"));
        empresa->SpeedButtonNovo->click();
        edit = empresa->EditMotivo;
    }
    if (c.janela == 2) {
        showGroup(empresa, QStringLiteral("Funções/Salários"));
        funcao->SpeedButtonNovo->click();
        edit = funcao->EditMotivo;
    } else if (c.janela == 3) {
        showGroup(empresa, QStringLiteral("Equipes"));
        equipe->SpeedButtonNovo->click();
        edit = equipe->EditMotivo;
    }
    choose(edit, QString::fromUtf8(c.id));
    const auto request = demo.backend().last("GET", std::string(c.resource) + "/pesquisa/" + c.id);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->param("fix-filter"), c.fixFilter);
    EXPECT_FALSE(edit->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Colaborador,
    FiltroColaboradorTest,
    ::testing::Values(FiltroColaboradorCase { "PersonOfStaff", 0, "/pessoa", "500", "NEP" },
                      FiltroColaboradorCase { "DismissalReason", 1, "/motivo", "500", "01" },
                      FiltroColaboradorCase { "FunctionChangeReason", 2, "/motivo", "501", "03" },
                      FiltroColaboradorCase {
                          "EmploymentTeamEndReason", 3, "/motivo", "504", "06" }),
    [](const ::testing::TestParamInfo<FiltroColaboradorCase> &info) { return info.param.name; });

TEST_F(FormCadastroColaboradorTest, PersonFillsCpfAndBirthDateAndClearingItEmptiesThem)
{
    form->SpeedButtonNovo->click();
    choose(form->EditPessoa, QStringLiteral("500"));
    EXPECT_EQ(form->EditPessoa->text(), QStringLiteral("CARLOS EDUARDO LIMA"));
    EXPECT_EQ(form->EditCpf->text(), QStringLiteral("390.533.447-05"));
    EXPECT_EQ(form->EditDataNascimento->text(), QStringLiteral("20/06/1985"));
    EXPECT_FALSE(form->EditCpf->isEnabled());
    EXPECT_FALSE(form->EditDataNascimento->isEnabled());

    form->EditPessoa->clear();
    EXPECT_EQ(form->EditCpf->text(), QString());
    EXPECT_EQ(form->EditDataNascimento->text(), QString());
}

TEST_F(FormCadastroColaboradorTest, RefusedSaveKeepsTheRowsAndTheRemovedIds)
{
    openColaborador();
    removeEmpresa(QStringLiteral("MATRIZ"));
    demo.backend().on(
        "POST", "/colaborador/complex", FakeReply::text("WARNING:Colaborador já cadastrado.", 400));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { "WARNING:Colaborador já cadastrado." });
    EXPECT_EQ(allRows(empresa->DataSetSubCadastro()), 1);
    EXPECT_EQ(allRows(funcao->DataSetSubCadastro()), 2);
    EXPECT_EQ(allRows(equipe->DataSetSubCadastro()), 1);

    demo.backend().on("POST", "/colaborador/complex", FakeReply::json(R"({"id":7})"));
    EXPECT_EQ(resumoColaborador(save()),
              QStringLiteral("remove=[71] 72{f=[721,722] rf=[711] t=[723] rt=[712]}"));
}

TEST_F(FormCadastroColaboradorTest, ChildListWithoutListHelperStopsTheLoad)
{
    demo.backend().on(
        "GET", "/funcao-colaborador-empresa/colaborador/7", FakeReply::json(R"({"total":3})"));
    form->SetIdRegistro(7);
    form->executeEditar(nullptr);
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { "ERROR:Estrutura do JSON não obedece os requisitos." });
    EXPECT_FALSE(demo.backend().last("GET", "/equipe-colaborador-empresa/colaborador/7"));
}

TEST_F(FormCadastroColaboradorTest, NewStaffMemberIsSavedWithANewEmploymentAndItsRows)
{
    form->SpeedButtonNovo->click();
    choose(form->EditPessoa, QStringLiteral("501"));
    typeText(form->EditCtps, QStringLiteral("ab-1"));
    showGroup(form, QStringLiteral("Empresas"));
    empresa->SpeedButtonNovo->click();
    choose(empresa->EditEmpresa, QStringLiteral("1"));
    showGroup(empresa, QStringLiteral("Equipes"));
    // No admission date yet: the heading shows no date rather than the empty date's day.
    EXPECT_EQ(empresa->LabelTopText->text(), QStringLiteral("FUNERÁRIA SÃO JOSÉ"));
    empresa->DateEditDataAdmissao->setDate(QDateToDateTime(QDate(2025, 2, 3)));
    equipe->SpeedButtonNovo->click();
    choose(equipe->EditEquipe, QStringLiteral("501"));
    equipe->DateEditDataInicial->setDate(QDateToDateTime(QDate(2025, 2, 3)));
    dialogs.clearMessages();
    equipe->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    EXPECT_EQ(headlines(equipe, &TEquipeColaboradorEmpresaFrameAdapter::LabelEquipe),
              QStringList { "EQUIPE ZONA NORTE" });

    const QJsonObject body = save();
    EXPECT_EQ(body.value("idPessoa").toInteger(), 501);
    EXPECT_EQ(body.value("ctps").toString(), QStringLiteral("AB-1"));
    const QJsonArray empresas = listOf(body, "colaboradorEmpresas");
    ASSERT_EQ(empresas.size(), 1);
    const QJsonObject vinculo = empresas[0].toObject();
    EXPECT_EQ(vinculo.value("id").toInteger(), 0);
    EXPECT_EQ(vinculo.value("idColaborador").toInteger(), 0);
    EXPECT_EQ(vinculo.value("idEmpresa").toInteger(), 1);
    const QJsonArray equipes = listOf(vinculo, "equipeColaboradorEmpresas");
    ASSERT_EQ(equipes.size(), 1);
    EXPECT_EQ(equipes[0].toObject().value("idEquipe").toInteger(), 501);
    EXPECT_EQ(equipes[0].toObject().value("idColaboradorEmpresa").toInteger(), 0);
    EXPECT_TRUE(listOf(vinculo, "funcaoColaboradorEmpresas").isEmpty());
}

} // namespace
