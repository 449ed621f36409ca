#include "App.Base.Form.Cadastro.h"

#include "App.Base.Adapter.Cadastro.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Menu.Grupo.h"
#include "App.Presenter.ListaSistema.h"
#include "Common.Lib.Utils.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"
#include "TabControl.h"

#include "ShellWindows.h"
#include "support/WaitFor.h"
#include "support/WaitIdle.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

const QString kMetodoCadastroPermissionWarning
    = QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso.");
const QString kQuestionSave
    = QStringLiteral("QUESTION:Você não salvou o cadastro. Confirma salvar?");
constexpr int kMetodoCadastroYes = 6;
constexpr int kMetodoCadastroNo = 7;

// A child registration window kept in memory by its parent: one required field.
class TFormFilhoTeste final : public TFormBaseMetodoCadastro
{
public:
    explicit TFormFilhoTeste(QWidget *AParent = nullptr)
        : TFormBaseMetodoCadastro(QStringLiteral("TFormFilhoTeste"), AParent)
    {
        setWindowTitle(QStringLiteral("Filho"));
        EditDescricao
            = new TEdit(VertScrollBoxControls->content(), QStringLiteral("EditDescricao"));
    }

    TEdit *EditDescricao;
    int Novos = 0;

    void executeNovo(QObject *) override
    {
        ++Novos;
        FIsViewForm = false;
        clearForm(true);
        changeTab(1);
    }
    void executeEditar(QObject *) override { }
    void executeRemover(QObject *) override { }
    void executeVisualizar(QObject *) override { }
    void fillCadastroOfBuscarRegistro(bool, QObject *) override { }
    void reloadDados() override { }

protected:
    void FormCreate() override
    {
        SetIsSubForm(true);
        TFormBaseMetodoCadastro::FormCreate();
    }
    void SetInfoPresenter() override
    {
        SetPresenter(TBasePresenter::Create<TListaSistemaPresenter>());
        TFormBaseMetodoCadastro::SetInfoPresenter();
    }
    void fillListControl() override
    {
        TFormBaseMetodoCadastro::fillListControl();
        TItemControl &item = FPresenter->ManagerControls().AddItemControl();
        item.TitleControl = QStringLiteral("Descrição");
        item.SetControl(EditDescricao);
        item.IsRequired = true;
    }
};

// A small main registration window over the system lists, with one child window as a group.
class TFormCadastroTeste final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroTeste(QWidget *AParent = nullptr)
        : TFormBaseCadastro(QStringLiteral("TFormCadastroTeste"), AParent)
    {
        setWindowTitle(QStringLiteral("Lista Teste"));
        EditCodigo = new TEdit(VertScrollBoxControls->content(), QStringLiteral("EditCodigo"));
        EditTipo = new TEdit(VertScrollBoxControls->content(), QStringLiteral("EditTipo"));
    }

    TEdit *EditCodigo;
    TEdit *EditTipo;
    TFormFilhoTeste *Filho = nullptr;
    int TopTexts = 0;

    using TFormBaseMetodoCadastro::AddMenuGrupo;

protected:
    void FormCreate() override
    {
        Filho = TFormBase::Create<TFormFilhoTeste>(this);
        RegisterSubCadastro(Filho);
        TFormBaseCadastro::FormCreate();
    }
    void SetInfoPresenter() override
    {
        SetPresenter(TBasePresenter::Create<TListaSistemaPresenter>());
        TFormBaseCadastro::SetInfoPresenter();
    }
    void fillListControl() override
    {
        TFormBaseCadastro::fillListControl();
        FPresenter->ManagerControls().AddItemControl().SetControl(EditCodigo);
        FPresenter->ManagerControls().AddItemControl().SetControl(EditTipo);
    }
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override
    {
        AFrame = new TFrameBaseAdapterCadastro(VertScrollBoxDados);
        TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
    }
    void changeListMenuGrupo() override
    {
        AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                     VertScrollBoxControls,
                     EditCodigo,
                     nullptr,
                     nullptr,
                     false);
        AddSubCadastro(QStringLiteral("Filhos"), Filho, nullptr, false, true);
    }
    void fillTopText() override { ++TopTexts; }
};

const char *const kMetodoCadastroPage = R"({"total":250,"pages":3,"listHelper":[)"
                                        R"({"id":1,"codigo":"A","descricao":"UM","tipo":"T"}]})";

class FormMetodoCadastroTest : public ShellWindowsTest
{
protected:
    void SetUp() override
    {
        login(1); // the administrator: every permission
        form.reset(TFormBase::Create<TFormCadastroTeste>());
        form->ProcCloseForm = [this] { ++closed; };
    }
    void TearDown() override
    {
        waitIdle();
        form.reset();
        ShellWindowsTest::TearDown();
    }
    // Opens record 5 for editing and waits for it.
    void openExisting()
    {
        backend.on(
            "GET", "/lista-sistema/5", FakeReply::json(R"({"id":5,"codigo":"C","tipo":"T"})"));
        form->SetIdRegistro(5);
        form->executeEditar(nullptr);
        waitIdle();
        ASSERT_FALSE(form->IsListTabActive());
        ASSERT_EQ(form->EditID->text(), QStringLiteral("5"));
    }
    bool recordTabActive() const
    {
        return form->TabControlCadastro->activeTab() == form->TabItemEdicao;
    }

    std::unique_ptr<TFormCadastroTeste> form;
    int closed = 0;
};

TEST_F(FormMetodoCadastroTest, SearchAsksPageOneOfAHundredAndPagingStopsAtTheEnds)
{
    backend.on("GET", "/lista-sistema", FakeReply::json(kMetodoCadastroPage));
    form->Paginate.Page = 7;
    form->EditPesquisar->setText(QStringLiteral("UM"));
    form->SearchEditButtonPesquisar->click();
    waitIdle();
    auto request = *backend.last("GET", "/lista-sistema");
    EXPECT_EQ(request.param("page"), "1");
    EXPECT_EQ(request.param("limit"), "100");
    EXPECT_EQ(request.param("search"), "UM");
    EXPECT_EQ(form->LabelPaginacao->text(), QStringLiteral("0001/0003"));
    EXPECT_EQ(form->LabelQuantidadeRegistros->text(), QStringLiteral("0000000250"));
    EXPECT_TRUE(form->RectangleControlPage->isVisibleTo(form.get()));
    EXPECT_FALSE(form->SpeedButtonPrior->isEnabled());
    EXPECT_TRUE(form->SpeedButtonNext->isEnabled());
    EXPECT_EQ(form->VertScrollBoxDados->findChildren<TFrameBaseAdapterCadastro *>().size(), 1);

    form->SpeedButtonPriorClick(nullptr);
    waitIdle();
    EXPECT_EQ(backend.last("GET", "/lista-sistema")->param("page"), "1") << "not below page 1";

    form->SpeedButtonLast->click();
    waitIdle();
    EXPECT_EQ(backend.last("GET", "/lista-sistema")->param("page"), "3");
    form->SpeedButtonNextClick(nullptr);
    waitIdle();
    EXPECT_EQ(backend.last("GET", "/lista-sistema")->param("page"), "3")
        << "stays on the last page";
    EXPECT_EQ(form->LabelPaginacao->text(), QStringLiteral("0003/0003"));
    EXPECT_FALSE(form->SpeedButtonNext->isEnabled());
    EXPECT_FALSE(form->SpeedButtonLast->isEnabled());

    // Typing removes the listed rows and does not search.
    const std::size_t searches = backend.count("GET", "/lista-sistema");
    form->EditPesquisar->setText(QStringLiteral("U"));
    EXPECT_TRUE(form->VertScrollBoxDados->findChildren<TFrameBaseAdapterCadastro *>().isEmpty());
    EXPECT_EQ(backend.count("GET", "/lista-sistema"), searches);
}

TEST_F(FormMetodoCadastroTest, UserWithoutInsertAndEditPermissionCannotSave)
{
    form->SpeedButtonNovo->click();
    ASSERT_TRUE(recordTabActive());
    form->FPermissionInserir = false;
    form->FPermissionEditar = false;
    form->EditCodigo->setText(QStringLiteral("X"));
    form->SpeedButtonSalvar->click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kMetodoCadastroPermissionWarning });
    EXPECT_EQ(backend.count("POST", "/lista-sistema"), 0u);
}

// Saving asks the permission of the operation itself: insert to create, edit to change.
struct PermissionCase
{
    const char *name;
    bool inserir;
    bool editar;
    bool existing;
    bool posts;
};

void PrintTo(const PermissionCase &row, std::ostream *out)
{
    *out << row.name;
}

class SavePermissionTest : public FormMetodoCadastroTest,
                           public ::testing::WithParamInterface<PermissionCase>
{
};

TEST_P(SavePermissionTest, SaveNeedsThePermissionOfItsOperation)
{
    const PermissionCase &row = GetParam();
    if (row.existing)
        openExisting();
    else
        form->SpeedButtonNovo->click();
    form->FPermissionInserir = row.inserir;
    form->FPermissionEditar = row.editar;
    form->EditCodigo->setText(QStringLiteral("X"));
    backend.on("POST", "/lista-sistema", FakeReply::json(R"({"id":5,"codigo":"X"})"));
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(backend.count("POST", "/lista-sistema"), row.posts ? 1u : 0u);
    EXPECT_EQ(dialogs.messageTexts().contains(kMetodoCadastroPermissionWarning), !row.posts);
}

const PermissionCase kPermissionCases[] = {
    { "NewWithInsertOnly", true, false, false, true },
    { "NewWithEditOnly", false, true, false, false },
    { "ExistingWithEditOnly", false, true, true, true },
    { "ExistingWithInsertOnly", true, false, true, false },
    { "ExistingWithNeither", false, false, true, false },
};

INSTANTIATE_TEST_SUITE_P(Cases,
                         SavePermissionTest,
                         ::testing::ValuesIn(kPermissionCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FormMetodoCadastroTest, ReturnWithUnsavedRecordAsksToSave)
{
    form->SpeedButtonNovo->click();
    form->EditCodigo->setText(QStringLiteral("X"));
    dialogs.answerQuestion(kMetodoCadastroNo);
    form->SpeedButtonRetornar->click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kQuestionSave });
    EXPECT_TRUE(form->IsListTabActive());
    EXPECT_EQ(backend.count("POST", "/lista-sistema"), 0u);

    form->SpeedButtonNovo->click();
    form->EditCodigo->setText(QStringLiteral("Y"));
    backend.on("POST", "/lista-sistema", FakeReply::json(R"({"id":8,"codigo":"Y"})"));
    dialogs.clearMessages();
    dialogs.answerQuestion(kMetodoCadastroYes);
    form->SpeedButtonRetornar->click();
    EXPECT_EQ(
        dialogs.messageTexts(),
        (QStringList { kQuestionSave, QStringLiteral("SUCCESSOperação realizada com sucesso.") }));
    EXPECT_EQ(backend.count("POST", "/lista-sistema"), 1u);
    EXPECT_TRUE(recordTabActive()) << "a blank new record follows the save";
    EXPECT_TRUE(form->EditCodigo->text().isEmpty());
}

TEST_F(FormMetodoCadastroTest, LookupModeHandsTheNewIdToTheLookupAndCloses)
{
    QWidget owner;
    auto *editLookup = new TEdit(&owner, QStringLiteral("EditLista"));
    TItemControl lookup;
    lookup.SetControl(editLookup);

    form->SetItemControlPesquisa(&lookup);
    ASSERT_TRUE(recordTabActive()) << "a lookup without id opens a blank record";
    EXPECT_FALSE(form->SpeedButtonRetornar->isVisibleTo(form.get()));
    form->EditCodigo->setText(QStringLiteral("N"));
    backend.on("POST", "/lista-sistema", FakeReply::json(R"({"id":91,"codigo":"N"})"));
    form->SpeedButtonSalvar->click();
    EXPECT_EQ(backend.count("POST", "/lista-sistema"), 1u);
    EXPECT_EQ(editLookup->text(), QStringLiteral("91"));
    EXPECT_EQ(closed, 1);
    form->SetItemControlPesquisa(nullptr);
}

TEST_F(FormMetodoCadastroTest, LookupFromDisabledControlOpensTheRecordReadOnly)
{
    QWidget owner;
    auto *editLookup = new TEdit(&owner, QStringLiteral("EditLista"));
    TItemControl lookup;
    lookup.SetControl(editLookup);
    editLookup->setText(QStringLiteral("5"));
    editLookup->setEnabled(false);
    backend.on("GET", "/lista-sistema/5", FakeReply::json(R"({"id":5,"codigo":"C"})"));
    form->SetItemControlPesquisa(&lookup);
    waitIdle();
    EXPECT_TRUE(recordTabActive());
    EXPECT_TRUE(form->IsViewForm());
    EXPECT_EQ(form->EditCodigo->text(), QStringLiteral("C"));
    EXPECT_FALSE(form->EditCodigo->isEnabled());
    EXPECT_TRUE(form->SpeedButtonEditar->isVisibleTo(form.get()));
    EXPECT_FALSE(form->SpeedButtonSalvar->isVisibleTo(form.get()));
    form->SetItemControlPesquisa(nullptr);
}

TEST_F(FormMetodoCadastroTest, RegisteringTheSameChildTwiceShowsAnErrorAndKeepsTheList)
{
    form->RegisterSubCadastro(form->Filho);
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("ERROR:Já existe o formulário TFormFilhoTeste inserido "
                                           "na lista. Reveja a implementação.") });
    EXPECT_EQ(form->ListSubCadastros().size(), 1u);
    EXPECT_TRUE(form->Filho->IsRegisteredSubForm());
}

TEST_F(FormMetodoCadastroTest, ChildOnItsRecordTabIsSavedFirstAndItsFailureCarriesItsTitle)
{
    form->SpeedButtonNovo->click();
    form->EditCodigo->setText(QStringLiteral("X"));
    // A child left on its list tab is not saved: the parent posts.
    backend.on("POST", "/lista-sistema", FakeReply::json(R"({"id":9,"codigo":"X"})"));
    form->SpeedButtonSalvar->click();
    EXPECT_EQ(backend.count("POST", "/lista-sistema"), 1u);

    dialogs.clearMessages();
    form->SpeedButtonNovo->click();
    form->Filho->executeNovo(nullptr);
    form->SpeedButtonSalvar->click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.lastMessage().TitleForm, QStringLiteral("FILHOS"));
    EXPECT_TRUE(dialogs.messageTexts().front().contains(QStringLiteral("Descrição")));
    EXPECT_EQ(backend.count("POST", "/lista-sistema"), 1u) << "the parent's save stopped";
}

TEST_F(FormMetodoCadastroTest, GroupsStepThroughEnabledGroupsAndOpenAnEmptyChildAtOnce)
{
    const auto &groups = form->ListMenuGrupo();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(form->ActiveMenuGrupo(), groups[0].get());
    EXPECT_EQ(form->Filho->LabelTitleForm->text(), QStringLiteral("FILHOS"));
    form->SpeedButtonNovo->click();
    EXPECT_FALSE(form->SpeedButtonPriorPageEdicao->isVisibleTo(form.get()));
    EXPECT_TRUE(form->SpeedButtonNextPageEdicao->isVisibleTo(form.get()));
    EXPECT_EQ(form->TopTexts, 0) << "the initial-information group has no summary";

    form->Filho->Presenter()->DataSetInfo().CreateDataSet();
    form->SpeedButtonNextPageEdicao->click();
    EXPECT_EQ(form->ActiveMenuGrupo(), groups[1].get());
    EXPECT_EQ(form->TopTexts, 1);
    EXPECT_EQ(form->Filho->Novos, 1) << "an empty child list opens a blank child record";
    EXPECT_FALSE(form->Filho->IsListTabActive());
    EXPECT_TRUE(form->SpeedButtonPriorPageEdicao->isVisibleTo(form.get()));

    groups[0]->SetEnabled(false);
    form->SpeedButtonPriorPageEdicaoClick(nullptr);
    EXPECT_EQ(form->ActiveMenuGrupo(), groups[1].get()) << "a disabled group is skipped";
}

} // namespace
