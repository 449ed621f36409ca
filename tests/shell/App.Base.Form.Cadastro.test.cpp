#include "App.Base.Form.Cadastro.h"

#include "App.Base.Adapter.Cadastro.h"
#include "App.Base.Presenter.SubCadastro.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Presenter.ListaSistema.h"
#include "AniIndicator.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Lib.Utils.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "ScrollBox.h"
#include "SpeedButton.h"
#include "TabControl.h"

#include "ShellWindows.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"
#include "support/WaitIdle.h"

#include "App.Lib.FormContainer.h"

#include <QApplication>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <vector>

#include <gtest/gtest.h>

#include <ostream>

// The two child lists of the test record: its phones and its e-mails.
class TTelefoneCadastroTesteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TTelefoneCadastroTesteEntity)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TTelefoneCadastroTesteEntity, (TBaseEntity), (Nome))
ZUNTA_DEFINE_CLASS(TTelefoneCadastroTesteEntity)

class TTelefoneCadastroTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TTelefoneCadastroTesteDto)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TTelefoneCadastroTesteDto, (TBaseDto), (Nome))
ZUNTA_DEFINE_CLASS(TTelefoneCadastroTesteDto)

namespace {

const QString kPermissionWarning
    = QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso.");
const QString kQuestionDiscard = QStringLiteral(
    "QUESTION:Após a confirmação, as informações preenchidas serão perdidas.\r\nDeseja continuar?");

class TFilhoCadastroTesteService final : public TBaseService
{
public:
    explicit TFilhoCadastroTesteService(const QString &AClassName)
        : TBaseService(AClassName)
    { }
};

// A child list read for the opened record: the record's id goes as the fixed filter, as the
// business child presenters send it. Both lists share the phone rows; only the resource differs.
class TFilhoCadastroTestePresenter final : public TBaseSubCadastroPresenter
{
public:
    explicit TFilhoCadastroTestePresenter(const QString &AServiceName)
        : TBaseSubCadastroPresenter(QStringLiteral("TFilhoCadastroTestePresenter"))
        , m_serviceName(AServiceName)
    { }

    void findByFilterToDataSet() override
    {
        TBasePresenter::findByFilterToDataSet();
        TBasePresenter::findByFilterToDataSet<TTelefoneCadastroTesteDto>();
    }

protected:
    void CreateFieldsDataSet() override
    {
        TBaseSubCadastroPresenter::CreateFieldsDataSet();
        DataSetInfo().AddField(QStringLiteral("NOME"), TFieldType::String, 100);
    }
    std::unique_ptr<TBaseEntity> CreateEntity() override
    {
        return std::make_unique<TTelefoneCadastroTesteEntity>();
    }
    std::unique_ptr<TBaseService> CreateService() override
    {
        return std::make_unique<TFilhoCadastroTesteService>(m_serviceName);
    }
    void beforeFindByFilter() override { ValueFixFilter = QString::number(IdPrincipal); }

private:
    QString m_serviceName;
};

// A child list of the window: its scroll box on the record tab, its presenter and row list.
struct ListaFilho
{
    ListaFilho(QWidget *AParent, const QString &AName, const QString &AServiceName)
        : scroll(new TVertScrollBox(AParent, AName))
        , presenter(TBasePresenter::Create<TFilhoCadastroTestePresenter>(AServiceName))
    {
        list.SetVertScroll(scroll);
        list.SetPresenter(presenter.get());
        list.SetProcFillFrameItem([this](TMemTable &, TFrameBaseAdapter *&AFrame) {
            AFrame = new TFrameBaseAdapterCadastro(scroll);
        });
    }
    int rows() const { return int(scroll->controls().size()); }

    TVertScrollBox *scroll;
    std::unique_ptr<TFilhoCadastroTestePresenter> presenter;
    TFrameList list;
};

// A small main registration window over the system lists, with two child lists and, when asked
// for, a filter bar with one filter edit.
class TFormCadastroPrincipalTeste final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroPrincipalTeste(bool AFiltro,
                                         bool ALookupOwner = false,
                                         QWidget *AParent = nullptr)
        : TFormBaseCadastro(QStringLiteral("TFormCadastroPrincipalTeste"), AParent)
        , m_filtro(AFiltro)
        , m_lookupOwner(ALookupOwner)
    {
        setWindowTitle(QStringLiteral("Lista Teste"));
        resize(800, 600);
        QWidget *content = VertScrollBoxControls->content();
        EditCodigo = new TEdit(content, QStringLiteral("EditCodigo"));
        EditDescricao = new TEdit(content, QStringLiteral("EditDescricao"));
        EditFiltroTipo = new TEdit(ToolBarFiltros, QStringLiteral("EditFiltroTipo"));
        EditOwner = new TEdit(content, QStringLiteral("EditOwner"));
        Telefones = std::make_unique<ListaFilho>(content,
                                                 QStringLiteral("VertScrollBoxTelefones"),
                                                 QStringLiteral("TTelefoneTesteService"));
        Emails = std::make_unique<ListaFilho>(
            content, QStringLiteral("VertScrollBoxEmails"), QStringLiteral("TEmailTesteService"));
    }

    TEdit *EditCodigo;
    TEdit *EditDescricao;
    TEdit *EditFiltroTipo;
    TEdit *EditOwner; // a system-list lookup bound to IdOwner, when asked for
    std::unique_ptr<ListaFilho> Telefones;
    std::unique_ptr<ListaFilho> Emails;
    // What afterFillForm saw: its thread and the code already in its control.
    int Fills = 0;
    bool FilledOnMainThread = false;
    QString CodigoWhenFilled;

    void afterFillForm() override
    {
        ++Fills;
        FilledOnMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        CodigoWhenFilled = EditCodigo->text();
        TFormBaseCadastro::afterFillForm();
    }
    void enablePanelFilter() override
    {
        TFormBaseCadastro::enablePanelFilter();
        FEnabledPanelFilter = m_filtro;
    }
    void fillListFilterControl() override
    {
        TItemControl &item = FPresenter->ManagerFilterControls().AddItemControl();
        item.TitleControl = QStringLiteral("Tipo");
        item.SetControl(EditFiltroTipo);
    }

protected:
    void FormCreate() override
    {
        TFormBaseCadastro::FormCreate();
        FListFillDados->AddFrameList(&Telefones->list).AddFrameList(&Emails->list);
        SpeedButtonNovoEdicao->setVisible(true);
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
        FPresenter->ManagerControls().AddItemControl().SetControl(EditDescricao);
        if (m_lookupOwner) {
            TItemControl &owner = FPresenter->ManagerControls().AddItemControl();
            owner.SetControl(EditOwner);
            owner.SetClassPesquisa(QStringLiteral("TPesquisaLista"));
        }
    }
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override
    {
        AFrame = new TFrameBaseAdapterCadastro(VertScrollBoxDados);
        TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
    }

private:
    bool m_filtro;
    bool m_lookupOwner;
};

const char *const kPage = R"({"total":1,"pages":1,"listHelper":[)"
                          R"({"id":5,"codigo":"C5","descricao":"CINCO","tipo":"T"}]})";
const char *const kRecord5 = R"({"id":5,"codigo":"C5","descricao":"CINCO","tipo":"T"})";
const QString kNotFound = QStringLiteral("WARNING:Informações não localizadas.");

FakeReply delayed(FakeReply AReply, std::chrono::milliseconds ADelay)
{
    AReply.delay = ADelay;
    return AReply;
}

// A wait overlay is on screen.
bool overlayShowing()
{
    for (QWidget *widget : QApplication::allWidgets()) {
        if (const auto *container = dynamic_cast<const TFormContainer *>(widget);
            container && container->IsShowing())
            return true;
    }
    return false;
}

// A zero-interval timer on the main thread: it counts its turns while the condition holds, and
// whether a wait overlay showed at one of them.
class TurnCounter
{
public:
    explicit TurnCounter(std::function<bool()> AWhile = [] { return true; })
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this, AWhile] {
            if (!AWhile())
                return;
            ++Turns;
            OverlaySeen = OverlaySeen || overlayShowing();
        });
        m_timer.start();
    }
    int Turns = 0;
    bool OverlaySeen = false;

private:
    QTimer m_timer;
};

class FormCadastroTest : public ShellWindowsTest
{
protected:
    void SetUp() override
    {
        login(1); // the administrator: every permission
        backend.on("GET", "/telefone-teste", FakeReply::empty(304));
        backend.on("GET", "/email-teste", FakeReply::empty(304));
    }
    void TearDown() override
    {
        waitIdle();
        if (form)
            form->SetItemControlPesquisa(nullptr);
        form.reset();
        lookup.reset();
        lookupOwner.reset();
        ShellWindowsTest::TearDown();
    }
    void create(bool AFiltro = false, bool ALookupOwner = false)
    {
        form.reset(TFormBase::Create<TFormCadastroPrincipalTeste>(AFiltro, ALookupOwner));
        form->ProcCloseForm = [this] { ++closed; };
    }
    // Lists the page of kPage and returns its one row.
    TFrameBaseAdapterCadastro *listRows()
    {
        backend.on("GET", "/lista-sistema", FakeReply::json(kPage));
        form->EditPesquisar->setText(QStringLiteral("C"));
        form->SearchEditButtonPesquisar->click();
        waitIdle();
        const auto rows = form->VertScrollBoxDados->findChildren<TFrameBaseAdapterCadastro *>();
        return rows.size() == 1 ? rows.front() : nullptr;
    }
    // Opens the window as a lookup does for its edit holding AValue.
    void openFromLookup(const QString &AValue)
    {
        if (form)
            form->SetItemControlPesquisa(nullptr);
        lookup.reset();
        lookupOwner = std::make_unique<QWidget>();
        auto *edit = new TEdit(lookupOwner.get(), QStringLiteral("EditLista"));
        lookup = std::make_unique<TItemControl>();
        lookup->SetControl(edit);
        edit->setText(AValue);
        form->SetItemControlPesquisa(lookup.get());
    }
    void openRecord5()
    {
        backend.on("GET", "/lista-sistema/5", FakeReply::json(kRecord5));
        form->SetIdRegistro(5);
        form->executeEditar(nullptr);
        waitIdle();
    }
    bool recordTabActive() const
    {
        return form->TabControlCadastro->activeTab() == form->TabItemEdicao;
    }
    QStringList getPaths() const
    {
        QStringList paths;
        for (const RecordedRequest &request : backend.requests())
            if (request.method == "GET")
                paths << QString::fromStdString(request.path);
        return paths;
    }

    std::unique_ptr<TFormCadastroPrincipalTeste> form;
    int closed = 0;
    // The lookup that opened the window, and the window of its edit.
    std::unique_ptr<QWidget> lookupOwner;
    std::unique_ptr<TItemControl> lookup;
};

TEST_F(FormCadastroTest, RecordLoadFillsControlsOnTheMainThreadThenReadsEachChildListInOrder)
{
    create();
    backend.on("GET",
               "/lista-sistema/7",
               FakeReply::json(R"({"id":7,"codigo":"C7","descricao":"SETE","tipo":"T"})"));
    backend.on("GET",
               "/telefone-teste",
               FakeReply::json(R"({"total":2,"pages":1,"listHelper":[)"
                               R"({"id":70,"nome":"FIXO"},{"id":71,"nome":"CELULAR"}]})"));
    backend.on("GET",
               "/email-teste",
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":80,"nome":"A@B"}]})"));
    backend.clearRequests();

    form->SetIdRegistro(7);
    form->executeEditar(nullptr);
    EXPECT_TRUE(form->IsLoadingRegistro());
    waitIdle();

    EXPECT_EQ(getPaths(), (QStringList { "/lista-sistema/7", "/telefone-teste", "/email-teste" }));
    for (const char *path : { "/telefone-teste", "/email-teste" }) {
        const RecordedRequest read = *backend.last("GET", path);
        EXPECT_EQ(read.param("limit"), "5000") << path;
        EXPECT_EQ(read.param("fix-filter"), "7") << path;
    }
    EXPECT_EQ(form->Fills, 1);
    EXPECT_TRUE(form->FilledOnMainThread);
    EXPECT_EQ(form->CodigoWhenFilled, QStringLiteral("C7")) << "controls filled before the lists";
    EXPECT_EQ(form->Telefones->rows(), 2);
    EXPECT_EQ(form->Emails->rows(), 1);
    EXPECT_TRUE(recordTabActive());
    EXPECT_EQ(form->EditID->text(), QStringLiteral("7"));
    EXPECT_TRUE(form->EditCodigo->isEnabled());
    EXPECT_FALSE(form->IsLoadingRegistro());
    EXPECT_FALSE(form->AniIndicatorLoading->Visible());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

// A new record saved followed by a blank one is covered by the skeleton's
// ReturnWithUnsavedRecordAsksToSave; here the existing record's path.
TEST_F(FormCadastroTest, SavingAnExistingRecordReadsItBackFromTheBackEnd)
{
    create();
    openRecord5();
    ASSERT_TRUE(recordTabActive());
    form->EditDescricao->setText(QStringLiteral("NOVA"));
    backend.on("POST", "/lista-sistema", FakeReply::json(R"({"id":5,"codigo":"C5"})"));
    backend.on("GET",
               "/lista-sistema/5",
               FakeReply::json(R"({"id":5,"codigo":"C5","descricao":"NOVA GRAVADA","tipo":"T"})"));
    backend.clearRequests();

    form->SpeedButtonSalvar->click();
    waitIdle();

    ASSERT_EQ(backend.count("POST", "/lista-sistema"), 1u);
    const std::string body = backend.last("POST", "/lista-sistema")->body;
    EXPECT_NE(body.find(R"("descricao":"NOVA")"), std::string::npos) << body;
    EXPECT_NE(body.find(R"("id":5)"), std::string::npos) << body;
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    EXPECT_EQ(getPaths(), (QStringList { "/lista-sistema/5", "/telefone-teste", "/email-teste" }))
        << "the record and its child lists are read again";
    EXPECT_TRUE(recordTabActive());
    EXPECT_EQ(form->EditID->text(), QStringLiteral("5"));
    EXPECT_EQ(form->EditDescricao->text(), QStringLiteral("NOVA GRAVADA"));
}

TEST_F(FormCadastroTest, UserWhoMayViewButNotEditOpensTheRecordReadOnly)
{
    create();
    TFrameBaseAdapterCadastro *row = listRows();
    ASSERT_NE(row, nullptr);
    form->FPermissionEditar = false;
    backend.on("GET", "/lista-sistema/5", FakeReply::json(kRecord5));

    row->SpeedButtonEdit->click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kPermissionWarning });
    EXPECT_TRUE(form->IsListTabActive());

    dialogs.clearMessages();
    row->SpeedButtonView->click();
    waitIdle();
    ASSERT_TRUE(recordTabActive());
    EXPECT_TRUE(form->IsViewForm());
    EXPECT_EQ(form->EditCodigo->text(), QStringLiteral("C5"));
    EXPECT_FALSE(form->EditCodigo->isEnabled());
    EXPECT_FALSE(form->SpeedButtonSalvar->isVisibleTo(form.get()));
    EXPECT_TRUE(form->SpeedButtonEditar->isVisibleTo(form.get()));

    form->SpeedButtonEditar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kPermissionWarning });
    EXPECT_TRUE(form->IsViewForm());
    EXPECT_EQ(backend.count("GET", "/lista-sistema/5"), 1u);
}

// "Novo" on the record tab: a record not saved yet is only thrown away after confirmation.
struct NovoCase
{
    const char *name;
    bool saved; // the record on the tab has an id
    int answer; // when asked
    bool asks;
    bool keepsValues;
};

void PrintTo(const NovoCase &row, std::ostream *out)
{
    *out << row.name;
}

class NovoEdicaoTest : public FormCadastroTest, public ::testing::WithParamInterface<NovoCase>
{
};

TEST_P(NovoEdicaoTest, NovoOnTheRecordTab)
{
    const NovoCase &row = GetParam();
    create();
    if (row.saved) {
        openRecord5();
    } else {
        form->SpeedButtonNovo->click();
        form->EditCodigo->setText(QStringLiteral("DIGITADO"));
    }
    ASSERT_TRUE(recordTabActive());
    if (row.asks)
        dialogs.answerQuestion(row.answer);

    form->SpeedButtonNovoEdicao->click();

    EXPECT_EQ(dialogs.messageTexts(), row.asks ? QStringList { kQuestionDiscard } : QStringList());
    EXPECT_TRUE(recordTabActive());
    EXPECT_EQ(form->EditCodigo->text().isEmpty(), !row.keepsValues)
        << form->EditCodigo->text().toStdString();
    EXPECT_TRUE(form->EditID->text().isEmpty());
}

const NovoCase kNovoCases[] = {
    { "UnsavedAnsweredNo", false, kNo, true, true },
    { "UnsavedAnsweredYes", false, kYes, true, false },
    { "SavedAsksNothing", true, kNo, false, false },
};

INSTANTIATE_TEST_SUITE_P(Cases,
                         NovoEdicaoTest,
                         ::testing::ValuesIn(kNovoCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FormCadastroTest, FilterButtonTogglesTheFilterBarAboveTheSearchBar)
{
    create(false);
    EXPECT_FALSE(form->SpeedButtonFiltro->Visible()) << "a window without filter bar";
    form->SpeedButtonFiltroClick(nullptr);
    EXPECT_FALSE(form->ToolBarFiltros->Visible());

    create(true);
    EXPECT_TRUE(form->SpeedButtonFiltro->Visible());
    EXPECT_FALSE(form->ToolBarFiltros->Visible()) << "hidden at creation";
    EXPECT_EQ(form->SpeedButtonFiltro->styleLookup(), QStringLiteral("arrowdowntoolbutton"));

    form->SpeedButtonFiltro->click();
    RealignAll(form.get());
    EXPECT_TRUE(form->ToolBarFiltros->Visible());
    EXPECT_EQ(form->SpeedButtonFiltro->styleLookup(), QStringLiteral("arrowuptoolbutton"));
    EXPECT_LT(form->ToolBarFiltros->y(), form->ToolBarPesquisa->y());
    EXPECT_LT(form->SpeedButtonFiltro->x(), form->EditPesquisar->x());

    form->SpeedButtonFiltro->click();
    form->SpeedButtonFiltro->click();
    RealignAll(form.get());
    EXPECT_LT(form->ToolBarFiltros->y(), form->ToolBarPesquisa->y()) << "shown again, still first";

    form->SpeedButtonFiltro->click();
    EXPECT_FALSE(form->ToolBarFiltros->Visible());
    EXPECT_EQ(form->SpeedButtonFiltro->styleLookup(), QStringLiteral("arrowdowntoolbutton"));
}

TEST_F(FormCadastroTest, ChangingAFilterControlEmptiesTheListAndTheSearchText)
{
    create(true);
    ASSERT_EQ(form->Presenter()->ListFilterControlsFill().size(), 1u);
    ASSERT_NE(listRows(), nullptr);
    ASSERT_FALSE(form->EditPesquisar->text().isEmpty());
    const std::size_t searches = backend.count("GET", "/lista-sistema");

    form->EditFiltroTipo->setText(QStringLiteral("T"));

    EXPECT_TRUE(form->VertScrollBoxDados->findChildren<TFrameBaseAdapterCadastro *>().isEmpty());
    EXPECT_TRUE(form->EditPesquisar->text().isEmpty());
    EXPECT_EQ(backend.count("GET", "/lista-sistema"), searches) << "the user searches again";
}

// A failed read never leaves the cleared record tab behind, whose save would post a blank record.
TEST_F(FormCadastroTest, FailedRecordLoadReturnsToTheList)
{
    create();
    TFrameBaseAdapterCadastro *row = listRows();
    ASSERT_NE(row, nullptr);
    backend.on("GET", "/lista-sistema/5", FakeReply::text("ERROR:Falha ao ler o registro.", 500));

    row->SpeedButtonEdit->click();
    waitIdle();

    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("ERROR:Falha ao ler o registro.") });
    EXPECT_TRUE(form->IsListTabActive());
    EXPECT_TRUE(form->EditID->text().isEmpty());
    EXPECT_FALSE(form->IsLoadingRegistro());
    EXPECT_FALSE(form->AniIndicatorLoading->Visible());
    EXPECT_EQ(form->Fills, 0);
    EXPECT_EQ(backend.count("GET", "/telefone-teste"), 0u);

    // The same record read well afterwards opens as usual.
    backend.on("GET", "/lista-sistema/5", FakeReply::json(kRecord5));
    row = form->VertScrollBoxDados->findChildren<TFrameBaseAdapterCadastro *>().value(0);
    ASSERT_NE(row, nullptr) << "the list is kept";
    row->SpeedButtonEdit->click();
    waitIdle();
    EXPECT_TRUE(recordTabActive());
    EXPECT_EQ(form->EditCodigo->text(), QStringLiteral("C5"));
}

// A record whose child list could not be read is not opened: its save would send the missing
// children as removed.
TEST_F(FormCadastroTest, FailedChildListReadReturnsToTheList)
{
    create();
    TFrameBaseAdapterCadastro *row = listRows();
    ASSERT_NE(row, nullptr);
    backend.on("GET", "/lista-sistema/5", FakeReply::json(kRecord5));
    backend.on("GET", "/telefone-teste", FakeReply::text("ERROR:Falha ao ler os telefones.", 500));

    row->SpeedButtonEdit->click();
    waitIdle();

    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("ERROR:Falha ao ler os telefones.") });
    EXPECT_TRUE(form->IsListTabActive());
    EXPECT_FALSE(form->IsLoadingRegistro());
    EXPECT_FALSE(form->AniIndicatorLoading->Visible());
}

TEST_F(FormCadastroTest, FailedRecordLoadInLookupModeClosesTheWindow)
{
    create();
    backend.on("GET", "/lista-sistema/5", FakeReply::text("ERROR:Falha ao ler o registro.", 500));

    openFromLookup(QStringLiteral("5"));
    waitIdle();

    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("ERROR:Falha ao ler o registro.") });
    EXPECT_EQ(closed, 1) << "no list to go back to";
    EXPECT_EQ(backend.count("POST", "/lista-sistema"), 0u);
}

// The save's request runs off the main thread behind the wait overlay: the window keeps
// painting while a slow back end answers, and the saved record is read back once.
TEST_F(FormCadastroTest, SaveAgainstASlowBackEndKeepsTheEventLoopTurning)
{
    create();
    openRecord5();
    ASSERT_TRUE(recordTabActive());
    form->EditDescricao->setText(QStringLiteral("NOVA"));
    backend.on("POST",
               "/lista-sistema",
               delayed(FakeReply::json(R"({"id":5,"codigo":"C5"})"), std::chrono::seconds(3)));
    backend.on("GET",
               "/lista-sistema/5",
               FakeReply::json(R"({"id":5,"codigo":"C5","descricao":"GRAVADA","tipo":"T"})"));
    backend.clearRequests();
    std::atomic<bool> posting = false;
    TurnCounter turns([&] { return backend.count("POST", "/lista-sistema") == 1 && posting; });

    posting = true;
    form->SpeedButtonSalvar->click();
    posting = false;
    waitIdle();

    EXPECT_GT(turns.Turns, 1) << "the main thread served its event loop during the request";
    EXPECT_TRUE(turns.OverlaySeen);
    EXPECT_FALSE(overlayShowing());
    EXPECT_EQ(backend.count("POST", "/lista-sistema"), 1u);
    EXPECT_EQ(backend.count("GET", "/lista-sistema/5"), 1u) << "read back once";
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    EXPECT_TRUE(recordTabActive());
    EXPECT_EQ(form->EditDescricao->text(), QStringLiteral("GRAVADA"));
    EXPECT_FALSE(form->AniIndicatorLoading->Visible());
}

// Ids are 64-bit: one past ten digits is shown, sent and read back whole.
TEST_F(FormCadastroTest, ALongIdIsShownSavedAndReadBackWhole)
{
    create();
    const char *const record = R"({"id":12345678901,"codigo":"G","descricao":"GRANDE","tipo":"T"})";
    backend.on("GET", "/lista-sistema/12345678901", FakeReply::json(record));
    form->SetIdRegistro(12345678901);
    form->executeEditar(nullptr);
    waitIdle();
    ASSERT_TRUE(recordTabActive());
    EXPECT_EQ(form->EditID->text(), QStringLiteral("12345678901"));

    backend.on("POST", "/lista-sistema", FakeReply::json(record));
    backend.clearRequests();
    form->SpeedButtonSalvar->click();
    waitIdle();

    ASSERT_EQ(backend.count("POST", "/lista-sistema"), 1u);
    const std::string body = backend.last("POST", "/lista-sistema")->body;
    EXPECT_NE(body.find(R"("id":12345678901,)"), std::string::npos) << body;
    EXPECT_EQ(backend.count("GET", "/lista-sistema/12345678901"), 1u);
    EXPECT_EQ(form->EditID->text(), QStringLiteral("12345678901"));
    EXPECT_EQ(form->IdRegistro(), 12345678901);
}

// The back end answers a record it does not know with a JSON error object, which reads as a
// record without id: that is a failed load, never a blank record the save would post as new.
struct RegistroSemIdCase
{
    const char *name;
    FakeReply reply;
    QString message;
};

void PrintTo(const RegistroSemIdCase &row, std::ostream *out)
{
    *out << row.name;
}

class RegistroSemIdTest : public FormCadastroTest,
                          public ::testing::WithParamInterface<RegistroSemIdCase>
{
};

TEST_P(RegistroSemIdTest, ARecordReadWithoutAnIdIsAFailedLoad)
{
    const RegistroSemIdCase &row = GetParam();
    create();
    TFrameBaseAdapterCadastro *frame = listRows();
    ASSERT_NE(frame, nullptr);
    backend.on("GET", "/lista-sistema/5", row.reply);

    frame->SpeedButtonEdit->click();
    waitIdle();

    EXPECT_EQ(dialogs.messageTexts(), QStringList { row.message });
    EXPECT_TRUE(form->IsListTabActive());
    EXPECT_TRUE(form->EditID->text().isEmpty());
    EXPECT_EQ(form->Fills, 0);
    EXPECT_EQ(backend.count("GET", "/telefone-teste"), 0u);

    // In lookup mode there is no list to go back to: the window closes, posting nothing.
    dialogs.clearMessages();
    create();
    openFromLookup(QStringLiteral("5"));
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { row.message });
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(backend.count("POST", "/lista-sistema"), 0u);
}

const RegistroSemIdCase kRegistroSemIdCases[] = {
    { "NotFoundJsonMessage",
      FakeReply::json(R"({"message":"WARNING:Informações não localizadas."})", 404),
      kNotFound },
    { "MessageWithoutStatus",
      FakeReply::json(R"({"message":"ERROR:Registro bloqueado."})"),
      QStringLiteral("ERROR:Registro bloqueado.") },
    { "RecordWithoutId", FakeReply::json(R"({"codigo":"C5","descricao":"CINCO"})"), kNotFound },
};

INSTANTIATE_TEST_SUITE_P(Cases,
                         RegistroSemIdTest,
                         ::testing::ValuesIn(kRegistroSemIdCases),
                         [](const auto &info) { return std::string(info.param.name); });

// The back-end reads of a record load (its child lists, its bound lookups) run off the main
// thread: the event loop keeps turning while each one waits on a slow back end.
TEST_F(FormCadastroTest, RecordLoadWithSlowChildListsAndLookupKeepsTheEventLoopTurning)
{
    create(false, true);
    backend.on(
        "GET",
        "/lista-sistema/7",
        FakeReply::json(R"({"id":7,"codigo":"C7","descricao":"SETE","tipo":"T","idOwner":3})"));
    // The turns of a zero-interval timer on the main thread, and how many had passed when each
    // slow request came in.
    std::atomic<int> turns = 0;
    std::mutex arrivalsMutex;
    std::vector<int> arrivals;
    const auto slow = [&](const char *ABody) {
        return [&, ABody](const RecordedRequest &) {
            const std::lock_guard<std::mutex> lock(arrivalsMutex);
            arrivals.push_back(turns.load());
            return delayed(FakeReply::json(ABody), std::chrono::milliseconds(700));
        };
    };
    backend.on("GET",
               "/lista-sistema/pesquisa/3",
               slow(R"({"id":3,"codigo":"D","descricao":"DONO","tipo":"T"})"));
    backend.on("GET",
               "/telefone-teste",
               slow(R"({"total":1,"pages":1,"listHelper":[{"id":70,"nome":"FIXO"}]})"));
    backend.on("GET",
               "/email-teste",
               slow(R"({"total":1,"pages":1,"listHelper":[{"id":80,"nome":"A@B"}]})"));
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++turns; });
    timer.start();
    backend.clearRequests();

    form->SetIdRegistro(7);
    form->executeEditar(nullptr);
    ASSERT_TRUE(waitFor([&] { return !form->IsLoadingRegistro(); }));
    const int ended = turns.load();
    waitIdle();

    EXPECT_EQ(
        getPaths(),
        (QStringList {
            "/lista-sistema/7", "/lista-sistema/pesquisa/3", "/telefone-teste", "/email-teste" }))
        << "the order of the load stays";
    ASSERT_EQ(arrivals.size(), 3u);
    // Each slow request waited for its answer before the next one went out: the turns between
    // one request and the next were taken while it waited.
    const int least
        = std::min({ arrivals[1] - arrivals[0], arrivals[2] - arrivals[1], ended - arrivals[2] });
    EXPECT_GT(least, 1) << "each slow read let the event loop turn";
    EXPECT_TRUE(recordTabActive());
    EXPECT_EQ(form->EditOwner->text(), QStringLiteral("DONO"));
    EXPECT_EQ(form->Telefones->rows(), 1);
    EXPECT_EQ(form->Emails->rows(), 1);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

// --- Hostile replies ------------------------------------------------------------------------

// The system lists' service with a short time-out, so that a back end that does not answer in
// time fails within the test.
class TListaSistemaPrazoCurtoService final : public TBaseService
{
public:
    TListaSistemaPrazoCurtoService()
        : TBaseService(QStringLiteral("TListaSistemaService"))
    { }

protected:
    void BeforeRequest() override
    {
        TBaseService::BeforeRequest();
        SetTimeOut(1500);
    }
};

// A page of that many system-list rows, as a server that ignores "limit" sends it.
std::string largePage(int ARows)
{
    std::string page = R"({"total":)" + std::to_string(ARows) + R"(,"pages":1,"listHelper":[)";
    for (int index = 1; index <= ARows; ++index) {
        page += index > 1 ? "," : "";
        page += R"({"id":)" + std::to_string(index) + R"(,"codigo":"C)" + std::to_string(index)
            + R"(","descricao":"LINHA","tipo":"T"})";
    }
    return page + "]}";
}

FakeReply htmlReply(std::string ABody, int AStatus)
{
    FakeReply reply = FakeReply::text(std::move(ABody), AStatus);
    reply.contentType = "text/html;charset=UTF-8";
    return reply;
}

struct HostileCase
{
    const char *name;
    FakeReply reply;
    // What the person is shown for the list search and for the record read; a text ending in
    // "…" is a beginning (the rest is the transport's own detail). Empty: nothing is shown.
    QString listMessage;
    QString recordMessage;
    int listedRows = 0; // rows the list search shows
};

void PrintTo(const HostileCase &row, std::ostream *out)
{
    *out << row.name;
}

class HostileReplyTest : public FormCadastroTest, public ::testing::WithParamInterface<HostileCase>
{
protected:
    void SetUp() override
    {
        FormCadastroTest::SetUp();
        create();
        form->Presenter()->SetService(std::make_unique<TListaSistemaPrazoCurtoService>());
    }
    static void expectShown(const QStringList &AShown, const QString &AExpected)
    {
        if (AExpected.isEmpty()) {
            EXPECT_TRUE(AShown.isEmpty()) << AShown.join(u'|').toStdString();
        } else if (AExpected.endsWith(u'…')) {
            ASSERT_EQ(AShown.size(), 1);
            EXPECT_TRUE(AShown.front().startsWith(AExpected.chopped(1)))
                << AShown.front().toStdString();
        } else {
            EXPECT_EQ(AShown, QStringList { AExpected });
        }
    }
    // The window is back on its list, enabled, with nothing over it, and searches as usual.
    void expectUsable()
    {
        EXPECT_TRUE(form->IsListTabActive());
        EXPECT_TRUE(form->LayoutControlsForm->isEnabled());
        EXPECT_TRUE(form->SpeedButtonClose->isEnabled());
        EXPECT_FALSE(form->IsLoadingRegistro());
        EXPECT_FALSE(form->AniIndicatorLoading->Visible());
        EXPECT_FALSE(overlayShowing());
        dialogs.clearMessages();
        EXPECT_NE(listRows(), nullptr) << "a search with a sound reply lists its row";
        EXPECT_TRUE(dialogs.messageTexts().isEmpty());
    }
};

TEST_P(HostileReplyTest, ListSearchAndRecordReadShowTheMessageAndLeaveTheWindowUsable)
{
    const HostileCase &row = GetParam();

    backend.on("GET", "/lista-sistema", row.reply);
    form->EditPesquisar->setText(QStringLiteral("C"));
    form->SearchEditButtonPesquisar->click();
    waitIdle();
    expectShown(dialogs.messageTexts(), row.listMessage);
    EXPECT_EQ(form->VertScrollBoxDados->content()
                  ->findChildren<TFrameBaseAdapterCadastro *>(QString(), Qt::FindDirectChildrenOnly)
                  .isEmpty(),
              row.listedRows == 0);
    EXPECT_EQ(form->LabelRegistrosListados->text().toInt(), row.listedRows);
    expectUsable();

    dialogs.clearMessages();
    backend.on("GET", "/lista-sistema/5", row.reply);
    form->SetIdRegistro(5);
    form->executeEditar(nullptr);
    waitIdle();
    expectShown(dialogs.messageTexts(), row.recordMessage);
    EXPECT_TRUE(form->EditID->text().isEmpty());
    EXPECT_EQ(form->Fills, 0);
    EXPECT_EQ(backend.count("GET", "/telefone-teste"), 0u);
    expectUsable();

    EXPECT_EQ(backend.count("POST", "/lista-sistema"), 0u);
}

const QString kInvalid = QStringLiteral("ERROR:Resposta inválida do servidor (status %1).");
const QString kNoReply = QStringLiteral("ERROR:Sem resposta do servidor.");

const HostileCase kHostileCases[] = {
    { "NotJson200",
      FakeReply::text("Servidor em manutenção"),
      QStringLiteral("Servidor em manutenção"),
      QStringLiteral("Servidor em manutenção") },
    { "TruncatedJson",
      FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":5,"codigo":"C)"),
      kInvalid.arg(200),
      kInvalid.arg(200) },
    { "Html500",
      htmlReply("<html><body><h1>Internal Server Error</h1></body></html>", 500),
      kInvalid.arg(500),
      kInvalid.arg(500) },
    { "JsonMessage500",
      FakeReply::json(R"({"message":"ERROR:Falha ao consultar o banco."})", 500),
      QStringLiteral("ERROR:Falha ao consultar o banco."),
      QStringLiteral("ERROR:Falha ao consultar o banco.") },
    { "PageWith401", FakeReply::json(kPage, 401), kInvalid.arg(401), kInvalid.arg(401) },
    { "Empty200", FakeReply::json(""), kNoReply, kNoReply },
    { "NoContent204", FakeReply::empty(204), kNoReply, kNoReply },
    { "JsonMessage404",
      FakeReply::json(R"({"message":"WARNING:Informações não localizadas."})", 404),
      kNotFound,
      kNotFound },
    { "TimeOut",
      delayed(FakeReply::json(kPage), std::chrono::seconds(3)),
      QStringLiteral("ERROR:Servidor indisponível no momento.…"),
      QStringLiteral("ERROR:Servidor indisponível no momento.…") },
    { "PageOf50000Rows", FakeReply::json(largePage(50000)), QString(), kNotFound, 50000 },
};

INSTANTIATE_TEST_SUITE_P(Cases,
                         HostileReplyTest,
                         ::testing::ValuesIn(kHostileCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
