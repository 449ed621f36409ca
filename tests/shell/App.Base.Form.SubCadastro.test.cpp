#include "App.Base.Form.SubCadastro.h"

#include "App.Base.Adapter.Cadastro.h"
#include "App.Base.Form.Cadastro.h"
#include "App.Base.Presenter.Cadastro.h"
#include "App.Base.Presenter.SubCadastro.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Menu.Grupo.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Lib.Utils.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include "ChildListTestPresenter.h"
#include "ShellWindows.h"
#include "support/WaitFor.h"
#include "support/WaitIdle.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>

// A funeral plan's holder (the record), its dependants (the child rows) and, per dependant, its
// services (the grandchild rows): the smallest aggregate with two levels of children.
class TPaiSubTesteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TPaiSubTesteEntity)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TPaiSubTesteEntity, (TBaseEntity), (Nome))
ZUNTA_DEFINE_CLASS(TPaiSubTesteEntity)

class TFilhoSubTesteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TFilhoSubTesteEntity)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TFilhoSubTesteEntity, (TBaseEntity), (Nome))
ZUNTA_DEFINE_CLASS(TFilhoSubTesteEntity)

class TFilhoSubTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TFilhoSubTesteDto)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TFilhoSubTesteDto, (TBaseDto), (Nome))
ZUNTA_DEFINE_CLASS(TFilhoSubTesteDto)

class TNetoSubTesteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TNetoSubTesteEntity)
    std::int64_t IdFilhoSubTeste = 0;
    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TNetoSubTesteEntity, (TBaseEntity), (IdFilhoSubTeste, Descricao))
ZUNTA_DEFINE_CLASS(TNetoSubTesteEntity)

class TNetoSubTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TNetoSubTesteDto)
    std::int64_t IdFilhoSubTeste = 0;
    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TNetoSubTesteDto, (TBaseDto), (IdFilhoSubTeste, Descricao))
ZUNTA_DEFINE_CLASS(TNetoSubTesteDto)

// The aggregate body: the holder's fields, the dependants and the ids of removed dependants.
class TPaiSubTesteComplexPost final : public TBaseEntity
{
    ZUNTA_CLASS(TPaiSubTesteComplexPost)
    QString Nome;
    std::unique_ptr<TObjectList<TFilhoSubTesteEntity>> ListFilhoSubTeste
        = std::make_unique<TObjectList<TFilhoSubTesteEntity>>();
    std::unique_ptr<TListInt64> ListRemoveFilhoSubTeste = std::make_unique<TListInt64>();
};
BOOST_DESCRIBE_STRUCT(TPaiSubTesteComplexPost,
                      (TBaseEntity),
                      (Nome, ListFilhoSubTeste, ListRemoveFilhoSubTeste))
ZUNTA_DEFINE_CLASS(TPaiSubTesteComplexPost)

namespace {

constexpr int kSubCadastroYes = 6;
const QString kSubCadastroPermissionWarning
    = QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso.");
const QString kSubCadastroSuccess = QStringLiteral("SUCCESSOperação realizada com sucesso.");

using TFilhoSubTestePresenter = TChildListTestPresenter<TFilhoSubTesteEntity, TFilhoSubTesteDto>;
using TNetoSubTestePresenter = TChildListTestPresenter<TNetoSubTesteEntity, TNetoSubTesteDto>;

// The holder's presenter: owns the dependants' remove list and posts the aggregate built from
// the dependants' table, as the aggregate presenters of the business units do.
class TPaiSubTestePresenter final : public TBaseCadastroPresenter
{
public:
    TPaiSubTestePresenter()
        : TBaseCadastroPresenter(QStringLiteral("TPaiSubTestePresenter"))
    { }

    QStringList ListRemoveFilhoSubTeste;
    TMemTable *DataSetFilho = nullptr;

protected:
    void CreateFieldsDataSet() override
    {
        TBaseCadastroPresenter::CreateFieldsDataSet();
        DataSetInfo().AddField(QStringLiteral("NOME"), TFieldType::String, 100);
    }
    std::unique_ptr<TBaseEntity> CreateEntity() override
    {
        return std::make_unique<TPaiSubTesteEntity>();
    }
    std::unique_ptr<TBaseService> CreateService() override
    {
        return std::make_unique<TChildListTestService>(QStringLiteral("TPaiSubTesteService"));
    }
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override
    {
        return Service()->findById<TPaiSubTesteEntity>(AId);
    }
    std::unique_ptr<TSerializeObject> PostComplexService() override
    {
        TPaiSubTesteComplexPost body;
        TUtils::CopyInfoObject(Entity(), &body);
        TMemTable &rows = *DataSetFilho;
        const bool filtered = rows.Filtered();
        rows.SetFiltered(false);
        for (rows.First(); rows.Active() && !rows.Eof(); rows.Next()) {
            auto row = std::make_unique<TFilhoSubTesteEntity>();
            TUtils::fillDataSetToObject(rows, *row);
            body.ListFilhoSubTeste->push_back(std::move(row));
        }
        rows.SetFiltered(filtered);
        for (const QString &id : ListRemoveFilhoSubTeste)
            body.ListRemoveFilhoSubTeste->push_back(TUtils::StrEmptyToInt64(id));
        return Service()->postComplex(body);
    }
    void afterClear() override { ListRemoveFilhoSubTeste.clear(); }
};

// Row frames of the test windows.
void newRow(TFormBaseMetodoCadastro &AForm, TFrameBaseAdapter *&AFrame)
{
    AFrame = new TFrameBaseAdapterCadastro(AForm.VertScrollBoxDados);
}

// A dependant's services: the grandchild window.
class TFormNetoSubTeste final : public TFormBaseSubCadastro
{
public:
    explicit TFormNetoSubTeste(QWidget *AParent = nullptr)
        : TFormBaseSubCadastro(QStringLiteral("TFormNetoSubTeste"), AParent)
    {
        setWindowTitle(QStringLiteral("Serviços"));
        EditDescricao
            = new TEdit(VertScrollBoxControls->content(), QStringLiteral("EditDescricao"));
    }

    TEdit *EditDescricao;

protected:
    void SetInfoPresenter() override
    {
        SetPresenter(TBasePresenter::Create<TNetoSubTestePresenter>(
            QStringLiteral("TNetoSubTestePresenter"),
            QStringLiteral("TNetoSubTesteService"),
            QStringList { QStringLiteral("ID_FILHO_SUB_TESTE"), QStringLiteral("DESCRICAO") }));
        TFormBaseSubCadastro::SetInfoPresenter();
    }
    void fillListControl() override
    {
        TFormBaseSubCadastro::fillListControl();
        TItemControl &item = FPresenter->ManagerControls().AddItemControl();
        item.TitleControl = QStringLiteral("Descrição");
        item.SetControl(EditDescricao);
        item.IsRequired = true;
    }
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override
    {
        newRow(*this, AFrame);
        TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
    }
};

// The dependants: a child window with a grandchild window of its own.
class TFormFilhoSubTeste final : public TFormBaseSubCadastro
{
public:
    explicit TFormFilhoSubTeste(QWidget *AParent = nullptr)
        : TFormBaseSubCadastro(QStringLiteral("TFormFilhoSubTeste"), AParent)
    {
        setWindowTitle(QStringLiteral("Dependentes"));
        EditNome = new TEdit(VertScrollBoxControls->content(), QStringLiteral("EditNome"));
    }

    TEdit *EditNome;
    TFormNetoSubTeste *Neto = nullptr;
    // After saving a new row: another blank row instead of the list.
    bool NovoAposSalvar = false;

protected:
    void FormCreate() override
    {
        Neto = TFormBase::Create<TFormNetoSubTeste>(this);
        RegisterSubCadastro(Neto);
        TFormBaseSubCadastro::FormCreate();
    }
    void SetInfoPresenter() override
    {
        SetPresenter(TBasePresenter::Create<TFilhoSubTestePresenter>(
            QStringLiteral("TFilhoSubTestePresenter"),
            QStringLiteral("TFilhoSubTesteService"),
            QStringList { QStringLiteral("NOME") }));
        TFormBaseSubCadastro::SetInfoPresenter();
    }
    void fillListControl() override
    {
        TFormBaseSubCadastro::fillListControl();
        TItemControl &item = FPresenter->ManagerControls().AddItemControl();
        item.TitleControl = QStringLiteral("Nome");
        item.SetControl(EditNome);
        item.IsRequired = true;
    }
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override
    {
        newRow(*this, AFrame);
        TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
    }
    void changeListMenuGrupo() override
    {
        AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                     VertScrollBoxControls,
                     EditNome,
                     nullptr,
                     nullptr,
                     false);
        AddSubCadastro(QStringLiteral("Serviços"), Neto, nullptr, false, false);
    }
    void afterClearForm() override
    {
        TFormBaseSubCadastro::afterClearForm();
        if (NovoAposSalvar)
            SetIsReturn(false);
    }
};

// The holder: a main registration window saving the aggregate.
class TFormPaiSubTeste final : public TFormBaseCadastro
{
public:
    explicit TFormPaiSubTeste(QWidget *AParent = nullptr)
        : TFormBaseCadastro(QStringLiteral("TFormPaiSubTeste"), AParent)
    {
        setWindowTitle(QStringLiteral("Titular"));
        EditNome = new TEdit(VertScrollBoxControls->content(), QStringLiteral("EditNome"));
    }

    TEdit *EditNome;
    TFormFilhoSubTeste *Filho = nullptr;

    TPaiSubTestePresenter &PresenterPai() const
    {
        return *static_cast<TPaiSubTestePresenter *>(FPresenter.get());
    }

protected:
    void FormCreate() override
    {
        Filho = TFormBase::Create<TFormFilhoSubTeste>(this);
        RegisterSubCadastro(Filho);
        TFormBaseCadastro::FormCreate();
        FListFillDados->AddFrameList(Filho->FrameList())
            .AddFrameList(Filho->Neto->FrameList(), &Filho->DataSetSubCadastro());
    }
    void SetInfoPresenter() override
    {
        auto presenter = TBasePresenter::Create<TPaiSubTestePresenter>();
        // What the aggregate's connector does.
        presenter->DataSetFilho = &Filho->DataSetSubCadastro();
        Filho->PresenterSubCadastro()->SetListRemove(&presenter->ListRemoveFilhoSubTeste);
        SetPresenter(std::move(presenter));
        SetIsComplexPost(true);
        TFormBaseCadastro::SetInfoPresenter();
    }
    void fillListControl() override
    {
        TFormBaseCadastro::fillListControl();
        FPresenter->ManagerControls().AddItemControl().SetControl(EditNome);
    }
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override
    {
        newRow(*this, AFrame);
        TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
    }
    void changeListMenuGrupo() override
    {
        AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                     VertScrollBoxControls,
                     EditNome,
                     nullptr,
                     nullptr,
                     false);
        AddSubCadastro(QStringLiteral("Dependentes"), Filho, nullptr, false, false);
    }
    void afterClearForm() override
    {
        TFormBaseCadastro::afterClearForm();
        Filho->ClearSubForm(true, true);
        Filho->Neto->ClearSubForm(true, true);
    }
};

// Holder 5 with dependants 57 (services 301, 302) and 58 (service 300).
const char *const kHolder = R"({"id":5,"nome":"JOANA"})";
const char *const kDependants = R"({"total":2,"pages":1,"listHelper":[)"
                                R"({"id":57,"nome":"ANA"},{"id":58,"nome":"BRUNO"}]})";
const char *const kServices = R"({"total":3,"pages":1,"listHelper":[)"
                              R"({"id":300,"idFilhoSubTeste":58,"descricao":"TRASLADO"},)"
                              R"({"id":301,"idFilhoSubTeste":57,"descricao":"COROA"},)"
                              R"({"id":302,"idFilhoSubTeste":57,"descricao":"VELORIO"}]})";

class FormSubCadastroTest : public ShellWindowsTest
{
protected:
    void SetUp() override
    {
        login(1); // the administrator: every permission
        form.reset(TFormBase::Create<TFormPaiSubTeste>());
        filho = form->Filho;
        neto = filho->Neto;
    }
    void TearDown() override
    {
        waitIdle();
        form.reset();
        ShellWindowsTest::TearDown();
    }
    // Opens holder 5 with its dependants and their services, and shows the dependants' group.
    void openHolder()
    {
        backend.on("GET", "/pai-sub-teste/5", FakeReply::json(kHolder));
        backend.on("GET", "/filho-sub-teste", FakeReply::json(kDependants));
        backend.on("GET", "/neto-sub-teste", FakeReply::json(kServices));
        form->SetIdRegistro(5);
        form->executeEditar(nullptr);
        waitIdle();
        ASSERT_EQ(form->EditID->text(), QStringLiteral("5"));
        showDependants();
    }
    // A blank holder with the dependants' group shown.
    void newHolder()
    {
        form->SpeedButtonNovo->click();
        form->EditNome->setText(QStringLiteral("JOANA"));
        showDependants();
    }
    void showDependants() { form->ListMenuGrupo()[1]->Click(); }

    static QList<TFrameBaseAdapterCadastro *> rows(const TFormBaseMetodoCadastro *AForm)
    {
        return AForm->VertScrollBoxDados->content()->findChildren<TFrameBaseAdapterCadastro *>(
            QString(), Qt::FindDirectChildrenOnly);
    }
    // The back-end ids the listed rows carry.
    static QStringList listedIds(const TFormBaseMetodoCadastro *AForm)
    {
        QStringList ids;
        for (const TFrameBaseAdapterCadastro *row : rows(AForm))
            ids << row->TagString;
        ids.sort();
        return ids;
    }
    static TFrameBaseAdapterCadastro *rowOf(const TFormBaseMetodoCadastro *AForm, int AId)
    {
        for (TFrameBaseAdapterCadastro *row : rows(AForm)) {
            if (row->TagString == QString::number(AId))
                return row;
        }
        ADD_FAILURE() << "no listed row " << AId;
        return nullptr;
    }
    // Every row of the table, whatever its filter shows.
    static int allRows(TMemTable &ATable)
    {
        const bool filtered = ATable.Filtered();
        ATable.SetFiltered(false);
        const int count = ATable.RecordCount();
        ATable.SetFiltered(filtered);
        return count;
    }
    // Saves sent to the back end (the login aside).
    std::size_t posts() const
    {
        std::size_t count = 0;
        for (const RecordedRequest &request : backend.requests())
            count += request.method == "POST" && request.path != "/auth";
        return count;
    }

    std::unique_ptr<TFormPaiSubTeste> form;
    TFormFilhoSubTeste *filho = nullptr;
    TFormNetoSubTeste *neto = nullptr;
};

TEST_F(FormSubCadastroTest, ChildSavedWithItsParentSendsTheRowsAndTheRemovedIds)
{
    openHolder();
    ASSERT_EQ(listedIds(filho), (QStringList { "57", "58" }));

    dialogs.answerQuestion(kSubCadastroYes);
    rowOf(filho, 58)->SpeedButtonRemove->click();
    EXPECT_EQ(listedIds(filho), QStringList { "57" }) << "the list is rebuilt at once";
    rowOf(filho, 57)->SpeedButtonEdit->click();
    ASSERT_FALSE(filho->IsListTabActive());
    EXPECT_EQ(filho->EditNome->text(), QStringLiteral("ANA"));
    filho->EditNome->setText(QStringLiteral("ANA MARIA"));
    EXPECT_EQ(posts(), 0u) << "nothing goes to the back end before the holder is saved";

    backend.on("POST", "/pai-sub-teste/complex", FakeReply::json(R"({"id":5,"nome":"JOANA"})"));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    ASSERT_EQ(posts(), 1u);
    const QJsonObject body
        = QJsonDocument::fromJson(
              QByteArray::fromStdString(backend.last("POST", "/pai-sub-teste/complex")->body))
              .object();
    EXPECT_EQ(body.value("nome").toString(), QStringLiteral("JOANA"));
    // Every list travels wrapped in "listHelper".
    const QJsonArray dependants
        = body.value("listFilhoSubTeste").toObject().value("listHelper").toArray();
    ASSERT_EQ(dependants.size(), 1);
    EXPECT_EQ(dependants[0].toObject().value("id").toInteger(), 57);
    EXPECT_EQ(dependants[0].toObject().value("nome").toString(), QStringLiteral("ANA MARIA"));
    EXPECT_EQ(body.value("listRemoveFilhoSubTeste").toObject().value("listHelper").toArray(),
              QJsonArray { 58 });
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSubCadastroSuccess })
        << "the child saved with its parent shows no message of its own";
}

// A child row only viewed is not saved again: a user who may view but not edit the child
// records still saves the holder.
TEST_F(FormSubCadastroTest, ViewedChildRowDoesNotStopTheParentsSave)
{
    openHolder();
    filho->FPermissionEditar = false;
    rowOf(filho, 57)->SpeedButtonView->click();
    ASSERT_FALSE(filho->IsListTabActive());
    ASSERT_TRUE(filho->IsViewForm());

    backend.on("POST", "/pai-sub-teste/complex", FakeReply::json(R"({"id":5,"nome":"JOANA"})"));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(posts(), 1u);
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSubCadastroSuccess });
}

TEST_F(FormSubCadastroTest, ChildValidationFailureCarriesTheChildTitleAndSendsNothing)
{
    newHolder();
    filho->SpeedButtonNovo->click();
    ASSERT_FALSE(filho->IsListTabActive());
    form->SpeedButtonSalvar->click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.lastMessage().TitleForm, QStringLiteral("DEPENDENTES"));
    EXPECT_EQ(dialogs.lastMessage().Text,
              QStringLiteral("O campo Nome não possui um valor válido."));
    EXPECT_EQ(posts(), 0u);
    EXPECT_FALSE(filho->IsListTabActive()) << "the typed child record stays open";
}

// Saving a new child row stores it in the table only; then the list or another blank row.
struct NewRowCase
{
    const char *name;
    bool novoAposSalvar;
};

void PrintTo(const NewRowCase &row, std::ostream *out)
{
    *out << row.name;
}

class SaveNewRowTest : public FormSubCadastroTest, public ::testing::WithParamInterface<NewRowCase>
{
};

TEST_P(SaveNewRowTest, SavingANewChildRowSendsNoRequest)
{
    newHolder();
    filho->NovoAposSalvar = GetParam().novoAposSalvar;
    filho->SpeedButtonNovo->click();
    filho->EditNome->setText(QStringLiteral("CARLA"));
    const std::size_t requests = backend.requests().size();
    filho->SpeedButtonSalvar->click();
    EXPECT_EQ(backend.requests().size(), requests);
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSubCadastroSuccess });
    EXPECT_EQ(allRows(filho->DataSetSubCadastro()), 1);
    if (GetParam().novoAposSalvar) {
        EXPECT_FALSE(filho->IsListTabActive());
        EXPECT_TRUE(filho->EditNome->text().isEmpty());
    } else {
        EXPECT_TRUE(filho->IsListTabActive());
        EXPECT_EQ(rows(filho).size(), 1);
        EXPECT_EQ(filho->LabelRegistrosListados->text(), QStringLiteral("0000000001"));
    }
}

const NewRowCase kNewRowCases[] = {
    { "ReturnsToTheRebuiltList", false },
    { "StartsAnotherBlankRow", true },
};

INSTANTIATE_TEST_SUITE_P(Cases,
                         SaveNewRowTest,
                         ::testing::ValuesIn(kNewRowCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FormSubCadastroTest, SavingAnEditedRowReturnsToTheListWithoutAsking)
{
    openHolder();
    rowOf(filho, 58)->SpeedButtonEdit->click();
    filho->EditNome->setText(QStringLiteral("BRUNO LIMA"));
    const std::size_t requests = backend.requests().size();
    dialogs.clearMessages();
    filho->SpeedButtonSalvar->click();
    // No question scripted: any question fails the test.
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSubCadastroSuccess });
    EXPECT_EQ(backend.requests().size(), requests);
    EXPECT_TRUE(filho->IsListTabActive()) << "a row the back end knows goes back to the list";
    TMemTable &table = filho->DataSetSubCadastro();
    ASSERT_TRUE(table.Locate(QStringLiteral("ID"), TFieldValue(std::int64_t(58))));
    EXPECT_EQ(table.FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("BRUNO LIMA"));
    EXPECT_EQ(allRows(table), 2);
}

TEST_F(FormSubCadastroTest, OpeningASecondChildRowListsOnlyItsOwnGrandchildren)
{
    openHolder();
    rowOf(filho, 57)->SpeedButtonEdit->click();
    EXPECT_EQ(listedIds(neto), (QStringList { "301", "302" }));

    filho->SpeedButtonRetornar->click();
    ASSERT_TRUE(filho->IsListTabActive());
    rowOf(filho, 58)->SpeedButtonView->click();
    EXPECT_TRUE(filho->IsViewForm());
    EXPECT_EQ(filho->EditNome->text(), QStringLiteral("BRUNO"));
    EXPECT_EQ(listedIds(neto), QStringList { "300" });
    EXPECT_EQ(allRows(neto->DataSetSubCadastro()), 3) << "returning drops no linked row";
}

// A new child row left unsaved takes the grandchild rows typed for it along.
struct AbandonCase
{
    const char *name;
    bool byNewRow; // another new row from the title strip instead of going back to the list
};

void PrintTo(const AbandonCase &row, std::ostream *out)
{
    *out << row.name;
}

class AbandonNewRowTest : public FormSubCadastroTest,
                          public ::testing::WithParamInterface<AbandonCase>
{
};

TEST_P(AbandonNewRowTest, GrandchildrenOfAnAbandonedNewChildRowAreDropped)
{
    newHolder();
    const auto typeService = [this](const QString &ADescricao) {
        neto->SpeedButtonNovo->click();
        neto->EditDescricao->setText(ADescricao);
        neto->SpeedButtonSalvar->click();
    };
    filho->SpeedButtonNovo->click();
    typeService(QStringLiteral("COROA"));
    EXPECT_EQ(rows(neto).size(), 1);
    if (GetParam().byNewRow) {
        filho->SpeedButtonNovo->click();
        EXPECT_FALSE(filho->IsListTabActive());
    } else {
        filho->SpeedButtonRetornar->click();
        EXPECT_TRUE(filho->IsListTabActive());
        filho->SpeedButtonNovo->click();
    }
    EXPECT_EQ(allRows(neto->DataSetSubCadastro()), 0);
    EXPECT_TRUE(rows(neto).isEmpty());

    // Stored, the child row keeps the service typed for it, and only that one.
    typeService(QStringLiteral("VELA"));
    filho->EditNome->setText(QStringLiteral("DIEGO"));
    filho->SpeedButtonSalvar->click();
    ASSERT_TRUE(filho->IsListTabActive());
    TMemTable &services = neto->DataSetSubCadastro();
    ASSERT_EQ(allRows(services), 1);
    services.SetFiltered(false);
    services.First();
    TMemTable &dependants = filho->DataSetSubCadastro();
    dependants.SetFiltered(false);
    dependants.First();
    EXPECT_EQ(services.FieldByName(QStringLiteral("DESCRICAO"))->AsString(),
              QStringLiteral("VELA"));
    EXPECT_EQ(services.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->AsLargeInt(),
              dependants.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt());
}

const AbandonCase kAbandonCases[] = {
    { "ByReturningToTheList", false },
    { "ByAnotherNewRow", true },
};

INSTANTIATE_TEST_SUITE_P(Cases,
                         AbandonNewRowTest,
                         ::testing::ValuesIn(kAbandonCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FormSubCadastroTest, NewChildRowListsOnlyTheGrandchildrenTypedForIt)
{
    openHolder();
    filho->SpeedButtonNovo->click();
    EXPECT_TRUE(rows(neto).isEmpty());
    neto->SpeedButtonNovo->click();
    neto->EditDescricao->setText(QStringLiteral("VELA"));
    neto->SpeedButtonSalvar->click();
    ASSERT_TRUE(neto->IsListTabActive());
    EXPECT_EQ(listedIds(neto), QStringList { "0" })
        << "the services of the other dependants are not listed under the new one";
    EXPECT_EQ(allRows(neto->DataSetSubCadastro()), 4);
}

TEST_F(FormSubCadastroTest, MaximiseHostsTheWindowInTheContainerAndGivesItBack)
{
    QWidget *background = filho->LayoutBackground->parentWidget();
    QPointer<QWidget> host;
    bool inside = false;
    QTimer::singleShot(0, filho, [&] {
        inside = true;
        host = filho->LayoutBackground->parentWidget();
        EXPECT_EQ(host->objectName(), QStringLiteral("RectangleContainter"));
        EXPECT_NE(dynamic_cast<TFormContainer *>(host->parentWidget()), nullptr);
        EXPECT_FALSE(filho->SpeedButtonMaximizar->Visible());
        EXPECT_TRUE(filho->SpeedButtonClose->Visible());
        filho->SpeedButtonClose->click();
    });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, filho, [&host] {
        ADD_FAILURE() << "the container was left open";
        if (host)
            static_cast<TFormContainer *>(host->parentWidget())->CloseForm();
    });
    safety.start(5000);
    filho->SpeedButtonMaximizar->click();
    EXPECT_TRUE(inside);
    EXPECT_TRUE(host.isNull()) << "the container is freed when it closes";
    EXPECT_EQ(filho->LayoutBackground->parentWidget(), background);
    EXPECT_TRUE(filho->SpeedButtonMaximizar->Visible());
    EXPECT_FALSE(filho->SpeedButtonClose->Visible());
}

// Each record operation of a child window needs its own permission of that window.
struct SubCadastroPermissionCase
{
    const char *name;
    bool TFormBase::*permission;
    void (*act)(FormSubCadastroTest &, TFormFilhoSubTeste &);
};

void PrintTo(const SubCadastroPermissionCase &row, std::ostream *out)
{
    *out << row.name;
}

class ChildPermissionTest : public FormSubCadastroTest,
                            public ::testing::WithParamInterface<SubCadastroPermissionCase>
{
public:
    using FormSubCadastroTest::rowOf;
    ScriptedDialogs &scripted() { return dialogs; }
};

TEST_P(ChildPermissionTest, OperationWithoutItsPermissionIsRefused)
{
    openHolder();
    filho->*GetParam().permission = false;
    dialogs.clearMessages();
    GetParam().act(*this, *filho);
    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_EQ(dialogs.messageTexts().last(), kSubCadastroPermissionWarning);
    EXPECT_TRUE(filho->IsListTabActive());
    EXPECT_EQ(allRows(filho->DataSetSubCadastro()), 2);
    EXPECT_TRUE(form->PresenterPai().ListRemoveFilhoSubTeste.isEmpty());
}

const SubCadastroPermissionCase kSubCadastroPermissionCases[] = {
    { "Novo",
      &TFormBase::FPermissionInserir,
      [](FormSubCadastroTest &, TFormFilhoSubTeste &AForm) { AForm.SpeedButtonNovo->click(); } },
    { "Editar",
      &TFormBase::FPermissionEditar,
      [](FormSubCadastroTest &, TFormFilhoSubTeste &AForm) {
          ChildPermissionTest::rowOf(&AForm, 57)->SpeedButtonEdit->click();
      } },
    { "Remover",
      &TFormBase::FPermissionRemover,
      [](FormSubCadastroTest &ATest, TFormFilhoSubTeste &AForm) {
          static_cast<ChildPermissionTest &>(ATest).scripted().answerQuestion(kSubCadastroYes);
          ChildPermissionTest::rowOf(&AForm, 57)->SpeedButtonRemove->click();
      } },
    { "Visualizar",
      &TFormBase::FPermissionVisualizar,
      [](FormSubCadastroTest &, TFormFilhoSubTeste &AForm) {
          ChildPermissionTest::rowOf(&AForm, 57)->SpeedButtonView->click();
      } },
};

INSTANTIATE_TEST_SUITE_P(Cases,
                         ChildPermissionTest,
                         ::testing::ValuesIn(kSubCadastroPermissionCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
