#include "App.Base.Presenter.h"

#include "App.Base.Presenter.Cadastro.h"
#include "App.Base.Presenter.SubCadastro.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Utils.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "DateTime.h"
#include "Edit.h"
#include "SysUtils.h"
#include "WaitFor.h"

#include "support/FakeConnection.h"

#include <QThread>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <string>
#include <thread>

class TListaTesteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TListaTesteEntity)
    QString Codigo;
    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TListaTesteEntity, (TBaseEntity), (Codigo, Descricao))
ZUNTA_DEFINE_CLASS(TListaTesteEntity)

class TListaTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TListaTesteDto)
    QString Codigo;
    QString Descricao;
    double Valor = 0;
};
BOOST_DESCRIBE_STRUCT(TListaTesteDto, (TBaseDto), (Codigo, Descricao, Valor))
ZUNTA_DEFINE_CLASS(TListaTesteDto)

class TListaTesteFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TListaTesteFilterClass)
    QString Codigo;
};
BOOST_DESCRIBE_STRUCT(TListaTesteFilterClass, (TBaseFilterClass), (Codigo))
ZUNTA_DEFINE_CLASS(TListaTesteFilterClass)

class TListaTesteService final : public TBaseService
{
public:
    TListaTesteService()
        : TBaseService(QStringLiteral("TListaTesteService"))
    { }
};

// A main registration presenter as the business ones are written.
class TListaTestePresenter final : public TBaseCadastroPresenter
{
public:
    explicit TListaTestePresenter(bool AWithFilter = true)
        : TBaseCadastroPresenter(QStringLiteral("TListaTestePresenter"))
        , m_withFilter(AWithFilter)
    { }

    QStringList creationSteps;
    QString fieldsSearch;
    QString filterDefault;
    int afterFillCount = 0;

    void findByFilterToDataSet() override
    {
        TBasePresenter::findByFilterToDataSet();
        TBasePresenter::findByFilterToDataSet<TListaTesteDto>();
    }

protected:
    void CreateFieldsDataSet() override
    {
        TBaseCadastroPresenter::CreateFieldsDataSet();
        DataSetInfo().AddField(QStringLiteral("CODIGO"), TFieldType::String, 20);
        DataSetInfo().AddField(QStringLiteral("DESCRICAO"), TFieldType::String, 100);
        DataSetInfo().AddField(QStringLiteral("VALOR"), TFieldType::Float);
        DataSetInfo().AddField(QStringLiteral("QUANTIDADE"), TFieldType::Integer);
        DataSetInfo()
            .AddField(QStringLiteral("DATA_CADASTRO"), TFieldType::DateTime)
            ->SetDisplayFormat(QStringLiteral("dd/mm/yyyy hh:nn:ss"));
        creationSteps << QStringLiteral("columns");
    }
    std::unique_ptr<TBaseEntity> CreateEntity() override
    {
        creationSteps << QStringLiteral("entity %1").arg(DataSetInfo().FieldCount());
        return std::make_unique<TListaTesteEntity>();
    }
    std::unique_ptr<TBaseService> CreateService() override
    {
        creationSteps << QStringLiteral("service");
        return std::make_unique<TListaTesteService>();
    }
    std::unique_ptr<TBaseFilterClass> CreateFilterClass() override
    {
        creationSteps << QStringLiteral("filter");
        if (!m_withFilter)
            return nullptr;
        return std::make_unique<TListaTesteFilterClass>();
    }
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override
    {
        return Service()->findById<TListaTesteEntity>(AId);
    }
    std::unique_ptr<TSerializeObject> PostService() override
    {
        return Service()->post(*EntityAs<TListaTesteEntity>());
    }
    std::unique_ptr<TSerializeObject> PostComplexService() override
    {
        return Service()->postComplex(*EntityAs<TListaTesteEntity>());
    }
    QString GetFieldsSearch() override { return fieldsSearch; }
    void SetFilterDefault() override
    {
        DataSetInfo().SetFilter(filterDefault);
        DataSetInfo().SetFiltered(!filterDefault.isEmpty());
    }
    void afterFillDataSet() override { ++afterFillCount; }

private:
    bool m_withFilter;
};
ZUNTA_REGISTER_PRESENTER(TListaTestePresenter)

// A child presenter: rows stay in its table.
class TListaTesteItemPresenter final : public TBaseSubCadastroPresenter
{
public:
    TListaTesteItemPresenter()
        : TBaseSubCadastroPresenter(QStringLiteral("TListaTesteItemPresenter"))
    { }

protected:
    void CreateFieldsDataSet() override
    {
        TBaseSubCadastroPresenter::CreateFieldsDataSet();
        DataSetInfo().AddField(QStringLiteral("CODIGO"), TFieldType::String, 20);
        DataSetInfo().AddField(QStringLiteral("DESCRICAO"), TFieldType::String, 100);
    }
    std::unique_ptr<TBaseEntity> CreateEntity() override
    {
        return std::make_unique<TListaTesteEntity>();
    }
    std::unique_ptr<TBaseService> CreateService() override
    {
        return std::make_unique<TListaTesteService>();
    }
};

namespace {

const char *const listPage = R"({"total":2,"pages":1,"listHelper":[)"
                             R"({"id":7,"codigo":"A","descricao":"Alfa","valor":1.5},)"
                             R"({"id":8,"codigo":"B","descricao":"Beta","valor":2}]})";

class BasePresenterTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    QWidget window;
    TEdit *editCodigo = new TEdit(&window, QStringLiteral("EditCodigo"));
    TEdit *editDescricao = new TEdit(&window, QStringLiteral("EditDescricao"));
    TEdit *editFilterCodigo = new TEdit(&window, QStringLiteral("EditFilterCodigo"));
    std::unique_ptr<TListaTestePresenter> presenter
        = TBasePresenter::Create<TListaTestePresenter>();

    void bindEditControls()
    {
        presenter->SetProcFillListControl([this] {
            presenter->ManagerControls().AddItemControl().SetControl(editCodigo);
            presenter->ManagerControls().AddItemControl().SetControl(editDescricao);
        });
    }
    // The list request as the row list makes it: on a worker, the main thread serving it.
    void loadListOnWorker()
    {
        std::atomic<bool> done = false;
        std::exception_ptr failure;
        std::thread worker([&] {
            try {
                presenter->findByFilterToDataSet();
            } catch (...) {
                failure = std::current_exception();
            }
            done = true;
        });
        const bool finished = waitFor([&] { return done.load(); });
        worker.join();
        ASSERT_TRUE(finished);
        if (failure)
            std::rethrow_exception(failure);
    }
    QStringList codes()
    {
        QStringList result;
        TMemTable &table = presenter->DataSetInfo();
        for (table.First(); !table.Eof(); table.Next())
            result << table.FieldByName(QStringLiteral("CODIGO"))->AsString();
        return result;
    }
};

TEST_F(BasePresenterTest, CreationNamesTheTableDeclaresBaseColumnsFirstThenCreatesInOrder)
{
    TMemTable &table = presenter->DataSetInfo();
    EXPECT_EQ(table.Name(), QStringLiteral("lista_teste"));
    ASSERT_EQ(table.FieldCount(), 8);
    EXPECT_EQ(table.Fields(0)->FieldName(), QStringLiteral("ID"));
    EXPECT_EQ(table.Fields(1)->FieldName(), QStringLiteral("ID_REGISTRO"));
    EXPECT_FALSE(table.Fields(1)->Visible());
    EXPECT_EQ(table.Fields(2)->FieldName(), QStringLiteral("ID_REGISTRO_FK"));
    EXPECT_EQ(table.Fields(3)->FieldName(), QStringLiteral("CODIGO"));
    EXPECT_EQ(presenter->creationSteps,
              (QStringList { "columns", "entity 8", "service", "filter" }));
    EXPECT_EQ(presenter->Service()->ResourceName(), QStringLiteral("/lista-teste"));

    auto byName = TBasePresenter::CreatePresenter(QStringLiteral("TListaTestePresenter"));
    ASSERT_NE(byName, nullptr);
    EXPECT_NE(byName->Entity(), nullptr);
    EXPECT_EQ(TBasePresenter::CreatePresenter(QStringLiteral("TNenhumPresenter")), nullptr);
}

TEST_F(BasePresenterTest, AppendedRowsGetNegativeKeysAndZeroDatesShowEmpty)
{
    TMemTable &table = presenter->DataSetInfo();
    presenter->Clear(true, false);
    for (int row = 0; row < 3; ++row) {
        table.Append();
        table.FieldByName(QStringLiteral("CODIGO"))->SetAsString(QString::number(row));
        table.Post();
    }
    std::vector<std::int64_t> keys;
    for (table.First(); !table.Eof(); table.Next())
        keys.push_back(table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt());
    EXPECT_EQ(keys, (std::vector<std::int64_t> { -1, -2, -3 }));

    TField *date = table.FieldByName(QStringLiteral("DATA_CADASTRO"));
    table.Edit();
    date->SetAsDateTime(TDateTime());
    table.Post();
    EXPECT_EQ(date->DisplayText(), QString());
    table.Edit();
    date->SetAsDateTime(EncodeDateTime(2024, 3, 15, 9, 5, 7, 0));
    table.Post();
    EXPECT_EQ(date->DisplayText(), QStringLiteral("15/03/2024 09:05:07"));
}

TEST_F(BasePresenterTest, ListRequestSendsPagingSearchAndFilterControlTextsAndFillsOnMainThread)
{
    backend.on("GET", "/lista-teste", FakeReply::json(listPage));
    presenter->ManagerFilterControls().AddItemControl().SetControl(editFilterCodigo);
    editFilterCodigo->setText(QStringLiteral("ABC"));
    int callbacks = 0;
    Qt::HANDLE callbackThread = nullptr;
    presenter->ProcAfterFindByFilter = [&] {
        ++callbacks;
        callbackThread = QThread::currentThreadId();
    };
    presenter->TextSearch = QStringLiteral("alf");
    presenter->ValueFixFilter = QStringLiteral("TIPO");
    presenter->Paginate.Page = 3;
    presenter->Paginate.Limit = 100;

    loadListOnWorker();

    const RecordedRequest get = *backend.last("GET", "/lista-teste");
    EXPECT_EQ(get.header("X-Paginate"), "true");
    EXPECT_EQ(get.param("page"), "3");
    EXPECT_EQ(get.param("limit"), "100");
    EXPECT_EQ(get.param("search"), "alf");
    EXPECT_EQ(get.param("fix-filter"), "TIPO");
    EXPECT_NE(get.body.find(R"("codigo":"ABC#ABC")"), std::string::npos) << get.body;
    EXPECT_EQ(codes(), (QStringList { "A", "B" }));
    EXPECT_EQ(presenter->afterFillCount, 1);
    ASSERT_TRUE(waitFor([&] { return callbacks == 1; }));
    EXPECT_EQ(callbackThread, QThread::currentThreadId());
    EXPECT_EQ(presenter->Service()->TotalRecords(), 2);
}

TEST_F(BasePresenterTest, WithoutFilterObjectNoBodyIsSentAndFilterControlsAreNotRead)
{
    presenter = TBasePresenter::Create<TListaTestePresenter>(false);
    backend.on("GET", "/lista-teste", FakeReply::json(listPage));
    presenter->ManagerFilterControls().AddItemControl().SetControl(editFilterCodigo);
    editFilterCodigo->setText(QStringLiteral("ABC"));
    presenter->Paginate = { 0, 0, 0, 1, 100 };
    presenter->findByFilterToDataSet();
    const RecordedRequest get = *backend.last("GET", "/lista-teste");
    EXPECT_EQ(get.body, "");
    EXPECT_FALSE(get.hasParam("search"));
    EXPECT_FALSE(get.hasParam("fix-filter"));
}

TEST_F(BasePresenterTest, NotModifiedKeepsRowsOfTheSameRequestButANewSearchGetsAnEmptyTable)
{
    int callbacks = 0;
    presenter->ProcAfterFindByFilter = [&] { ++callbacks; };
    presenter->Paginate = { 0, 0, 0, 1, 100 };
    backend.on("GET", "/lista-teste", FakeReply::json(listPage));
    loadListOnWorker();
    ASSERT_TRUE(waitFor([&] { return callbacks == 1; }));

    backend.on("GET", "/lista-teste", FakeReply::empty(304));
    loadListOnWorker();
    EXPECT_EQ(codes(), (QStringList { "A", "B" })) << "the same request: the rows still hold";
    // A callback of that load would have been queued before this one, and so would have run first.
    bool later = false;
    TAppUtils::DelayedCurrentThreadExecute([&] { later = true; });
    ASSERT_TRUE(waitFor([&] { return later; }));
    EXPECT_EQ(callbacks, 1);
    EXPECT_EQ(presenter->afterFillCount, 2);

    presenter->TextSearch = QStringLiteral("zzz");
    loadListOnWorker();
    EXPECT_TRUE(codes().isEmpty()) << "another search's rows are no answer to this one";
    EXPECT_TRUE(waitFor([&] { return callbacks == 2; }));
}

TEST_F(BasePresenterTest, FailedRequestLeavesTheTableAndRaisesTheReply)
{
    presenter->Paginate = { 0, 0, 0, 1, 100 };
    backend.on("GET", "/lista-teste", FakeReply::json(listPage));
    presenter->findByFilterToDataSet();
    backend.on("GET", "/lista-teste", FakeReply::text("ERROR:Falha interna.", 500));
    try {
        loadListOnWorker();
        FAIL() << "no failure";
    } catch (const Exception &failure) {
        EXPECT_EQ(failure.Message(), QStringLiteral("ERROR:Falha interna."));
    }
    EXPECT_EQ(codes(), (QStringList { "A", "B" }));
}

TEST_F(BasePresenterTest, FirstPageAsksPageOneOfAHundredWithoutFilters)
{
    backend.on("GET", "/lista-teste", FakeReply::json(listPage));
    presenter->TextSearch = QStringLiteral("x");
    presenter->ValueFixFilter = QStringLiteral("y");
    auto rows = presenter->findAllFirstPage<TListaTesteDto>();
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[1]->Descricao, QStringLiteral("Beta"));
    const RecordedRequest get = *backend.last("GET", "/lista-teste");
    EXPECT_EQ(get.param("page"), "1");
    EXPECT_EQ(get.param("limit"), "100");
    EXPECT_FALSE(get.hasParam("search"));
    EXPECT_FALSE(get.hasParam("fix-filter"));
    EXPECT_EQ(get.body, "");
    EXPECT_TRUE(presenter->DataSetInfo().IsEmpty());
}

struct SearchFilterCase
{
    const char *name;
    const char *fieldsSearch;
    const char *text;
    const char *expected;
};

void PrintTo(const SearchFilterCase &row, std::ostream *out)
{
    *out << row.name;
}

class SearchFilterTest : public BasePresenterTest,
                         public ::testing::WithParamInterface<SearchFilterCase>
{
};

TEST_P(SearchFilterTest, BuildsTheLocalFilter)
{
    const SearchFilterCase &row = GetParam();
    presenter->Clear(true, false);
    presenter->fieldsSearch = QString::fromUtf8(row.fieldsSearch);
    presenter->filterDefault = QStringLiteral("ID > 0");
    presenter->TextSearch = QString::fromUtf8(row.text);
    const QString filter = presenter->SearchFilter();
    EXPECT_EQ(filter, QString::fromUtf8(row.expected));
    // Every text it builds is one the table can read.
    EXPECT_NO_THROW(presenter->DataSetInfo().SetFilter(filter));
}

const SearchFilterCase searchFilterCases[] = {
    { "TextOverTextAndFloat", "CODIGO;VALOR", "  abc ", "CODIGO like '%abc%'" },
    { "NumberOverTextAndFloat", "CODIGO;VALOR", "1.5", "CODIGO like '%1.5%' or VALOR = 1.5" },
    { "CommaNumber", "VALOR", "2,25", "VALOR = 2.25" },
    { "IntegerColumn",
      "QUANTIDADE;DESCRICAO",
      "12",
      "QUANTIDADE like '%12%' or DESCRICAO like '%12%'" },
    { "IntegerColumnSkipsText", "QUANTIDADE", "doze", "1 = 0" },
    { "LargeIntColumnAddsNothing", "ID", "12", "1 = 0" },
    { "NoSearchColumns", "", "abc", "1 = 0" },
    { "UnknownColumnSkipped", "NADA;CODIGO", "x", "CODIGO like '%x%'" },
    { "Apostrophe", "DESCRICAO", "d'agua", "DESCRICAO like '%d''agua%'" },
    { "DateColumn", "DATA_CADASTRO", "15/03/2024", "DATA_CADASTRO = '15/03/2024 00:00:00'" },
    { "EmptyTextGivesDefault", "CODIGO", "", "ID > 0" },
};
INSTANTIATE_TEST_SUITE_P(Presenter,
                         SearchFilterTest,
                         ::testing::ValuesIn(searchFilterCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(BasePresenterTest, SearchFilterIsEmptyWhileTheTableIsClosed)
{
    presenter->fieldsSearch = QStringLiteral("CODIGO");
    presenter->TextSearch = QStringLiteral("abc");
    EXPECT_EQ(presenter->SearchFilter(), QString());
}

TEST_F(BasePresenterTest, DeleteOfIdZeroRaisesAndSendsNothing)
{
    backend.clearRequests();
    try {
        presenter->Delete(0);
        FAIL() << "no failure";
    } catch (const Exception &failure) {
        EXPECT_EQ(failure.Message(),
                  QStringLiteral("WARNING:Campo ID não está preenchido corretamente."));
    }
    EXPECT_TRUE(backend.requests("DELETE", "/lista-teste").empty());
}

TEST_F(BasePresenterTest, DeleteRemovesOnTheBackEndThenReloadsAndWrapsARefusal)
{
    int reloads = 0;
    presenter->ProcReloadDados = [&] { ++reloads; };
    backend.on("DELETE", "/lista-teste", FakeReply::empty(204));
    EXPECT_TRUE(presenter->Delete(41));
    const RecordedRequest removal = *backend.last("DELETE", "/lista-teste");
    EXPECT_NE(removal.body.find(R"("listHelper":[41])"), std::string::npos) << removal.body;
    EXPECT_EQ(removal.header("name_class"), "TListaTesteEntity");
    EXPECT_EQ(reloads, 1);

    backend.on("DELETE", "/lista-teste", FakeReply::text("Registro em uso", 400));
    try {
        presenter->Delete(41);
        FAIL() << "no failure";
    } catch (const Exception &failure) {
        EXPECT_EQ(failure.Message(),
                  QStringLiteral("WARNING:Não foi possível remover os itens.\r\nRegistro em uso."));
    }
    EXPECT_EQ(reloads, 1);
}

TEST_F(BasePresenterTest, PostPutsTheSavedIdIntoTheSameEntity)
{
    bindEditControls();
    backend.on(
        "POST", "/lista-teste", FakeReply::json(R"({"id":55,"codigo":"C1","descricao":"Um"})"));
    editCodigo->setText(QStringLiteral("C1"));
    editDescricao->setText(QStringLiteral("Um"));
    presenter->Post();
    ASSERT_NE(presenter->EntityAs<TListaTesteEntity>(), nullptr);
    EXPECT_EQ(presenter->Entity()->Id, 55);
    EXPECT_EQ(presenter->EntityAs<TListaTesteEntity>()->Descricao, QStringLiteral("Um"));
    const RecordedRequest post = *backend.last("POST", "/lista-teste");
    EXPECT_NE(post.body.find(R"("codigo":"C1")"), std::string::npos) << post.body;
}

TEST_F(BasePresenterTest, RefusedPostRaisesTheReplyAndKeepsTheTypedValues)
{
    bindEditControls();
    backend.on("POST", "/lista-teste", FakeReply::text("WARNING:Código já cadastrado.", 400));
    editCodigo->setText(QStringLiteral("C1"));
    try {
        presenter->Post();
        FAIL() << "no failure";
    } catch (const Exception &failure) {
        EXPECT_EQ(failure.Message(), QStringLiteral("WARNING:Código já cadastrado."));
    }
    EXPECT_EQ(presenter->EntityAs<TListaTesteEntity>()->Codigo, QStringLiteral("C1"));
    EXPECT_EQ(presenter->Entity()->Id, 0);
}

TEST_F(BasePresenterTest, PostComplexLeavesANewEntityWithTheSavedValues)
{
    bindEditControls();
    backend.on("POST", "/lista-teste/complex", FakeReply::json(R"({"id":77,"codigo":"AG"})"));
    editCodigo->setText(QStringLiteral("AG"));
    presenter->SetInfoControlsToEntity();
    presenter->PostComplex();
    // The saved record (not the one filled from the controls, which had no id) is the entity now;
    // its address says nothing, as the allocator may hand the freed one out again.
    EXPECT_EQ(presenter->Entity()->Id, 77);
    EXPECT_EQ(presenter->EntityAs<TListaTesteEntity>()->Codigo, QStringLiteral("AG"));
    const RecordedRequest post = *backend.last("POST", "/lista-teste/complex");
    EXPECT_NE(post.body.find(R"("codigo":"AG")"), std::string::npos) << post.body;
}

TEST_F(BasePresenterTest, CurrentRowFillsAnObjectWithTrimmedTexts)
{
    TMemTable &table = presenter->DataSetInfo();
    presenter->Clear(true, false);
    table.Append();
    table.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(12);
    table.FieldByName(QStringLiteral("DESCRICAO"))->SetAsString(QStringLiteral("  Doze  "));
    table.Post();
    TListaTesteEntity entity;
    presenter->SetObjectFromDataSet(&entity, &table);
    EXPECT_EQ(entity.Id, 12);
    EXPECT_EQ(entity.Descricao, QStringLiteral("Doze"));
    presenter->SetObjectFromDataSet(nullptr, &table);
    presenter->SetObjectFromDataSet(&entity, nullptr);
}

TEST_F(BasePresenterTest, EditLoadsTheRecordIntoTheControlsFromAWorker)
{
    bindEditControls();
    int filled = 0;
    presenter->ProcAfterFillForm = [&] { ++filled; };
    backend.on(
        "GET", "/lista-teste/9", FakeReply::json(R"({"id":9,"codigo":"N","descricao":"Nove"})"));
    std::atomic<bool> done = false;
    std::thread worker([&] {
        presenter->Edit(9);
        done = true;
    });
    ASSERT_TRUE(waitFor([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(presenter->IdRegistro, 9);
    EXPECT_FALSE(presenter->IsViewForm);
    EXPECT_EQ(editDescricao->text(), QStringLiteral("Nove"));
    EXPECT_EQ(filled, 1);
}

// The back end answers an id it does not know with a JSON error object: no record comes of it,
// and the controls keep what they held.
TEST_F(BasePresenterTest, RecordReadWithoutAnIdRaisesItsMessageAndFillsNothing)
{
    bindEditControls();
    int filled = 0;
    presenter->ProcAfterFillForm = [&] { ++filled; };
    struct Case
    {
        FakeReply reply;
        QString message;
    };
    const Case cases[] = {
        { FakeReply::json(R"({"message":"WARNING:Informações não localizadas."})", 404),
          QStringLiteral("WARNING:Informações não localizadas.") },
        { FakeReply::json(R"({"codigo":"N","descricao":"Sem id"})"),
          QStringLiteral("WARNING:Informações não localizadas.") },
        { FakeReply::json(R"({"id":0,"message":"ERROR:Registro bloqueado."})"),
          QStringLiteral("ERROR:Registro bloqueado.") },
    };
    for (const Case &row : cases) {
        editDescricao->setText(QStringLiteral("antes"));
        backend.on("GET", "/lista-teste/9", row.reply);
        try {
            presenter->Edit(9);
            ADD_FAILURE() << "no failure for " << row.reply.body;
        } catch (const Exception &failure) {
            EXPECT_EQ(failure.Message(), row.message);
        }
        EXPECT_EQ(editDescricao->text(), QStringLiteral("antes")) << row.reply.body;
    }
    EXPECT_EQ(filled, 0);
}

// A server that ignores the limit: read on a worker, its rows go into the table a slice at a
// time, and the main thread serves its event loop between the slices.
TEST_F(BasePresenterTest, AVeryLargePageGoesIntoTheTableInSlices)
{
    constexpr int rows = 50000;
    std::string page = R"({"total":50000,"pages":1,"listHelper":[)";
    for (int index = 1; index <= rows; ++index) {
        page += index > 1 ? "," : "";
        page += R"({"id":)" + std::to_string(index) + R"(,"codigo":"C)" + std::to_string(index)
            + R"(","descricao":"Linha"})";
    }
    page += "]}";
    backend.on("GET", "/lista-teste", FakeReply::json(page));
    presenter->Paginate = { 0, 0, 0, 1, 100 };
    int callbacks = 0;
    presenter->ProcAfterFindByFilter = [&] { ++callbacks; };
    int partlyFilled = 0;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const TMemTable &table = presenter->DataSetInfo();
        if (table.Active() && table.RecordCount() > 0 && table.RecordCount() < rows)
            ++partlyFilled;
    });
    timer.start();

    loadListOnWorker();
    timer.stop();

    EXPECT_GT(partlyFilled, 0) << "the event loop turned between slices";
    EXPECT_EQ(presenter->DataSetInfo().RecordCount(), rows);
    presenter->DataSetInfo().Last();
    EXPECT_EQ(presenter->DataSetInfo().FieldByName(QStringLiteral("CODIGO"))->AsString(),
              QStringLiteral("C50000"));
    EXPECT_TRUE(waitFor([&] { return callbacks == 1; }));
    EXPECT_EQ(presenter->afterFillCount, 1);
}

TEST_F(BasePresenterTest, LinksChildRowsToTheirParentRows)
{
    TMemTable parent;
    parent.AddField(QStringLiteral("ID"), TFieldType::LargeInt);
    parent.AddField(QStringLiteral("ID_REGISTRO"), TFieldType::AutoInc);
    parent.Open();
    for (std::int64_t id : { 100, 200 }) {
        parent.Append();
        parent.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(id);
        parent.Post();
    }
    TMemTable &table = presenter->DataSetInfo();
    presenter->Clear(true, false);
    for (int quantity : { 200, 100, 300 }) {
        table.Append();
        table.FieldByName(QStringLiteral("QUANTIDADE"))->SetAsInteger(quantity);
        table.Post();
    }
    table.SetFilter(QStringLiteral("QUANTIDADE > 150"));
    table.SetFiltered(true);
    presenter->SetInfoIdRegistroFK(&parent, QStringLiteral("QUANTIDADE"));
    EXPECT_TRUE(table.Filtered());
    table.SetFiltered(false);
    QList<std::int64_t> links;
    for (table.First(); !table.Eof(); table.Next())
        links << table.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->AsLargeInt();
    EXPECT_EQ(links, (QList<std::int64_t> { -2, -1, 0 }));
}

// --- Child rows ---------------------------------------------------------------------------

class SubCadastroPresenterTest : public ::testing::Test
{
protected:
    QWidget window;
    TEdit *editCodigo = new TEdit(&window, QStringLiteral("EditCodigo"));
    std::unique_ptr<TListaTesteItemPresenter> presenter
        = TBasePresenter::Create<TListaTesteItemPresenter>();
    QStringList listRemove;

    void SetUp() override
    {
        presenter->SetListRemove(&listRemove);
        presenter->SetProcFillListControl(
            [this] { presenter->ManagerControls().AddItemControl().SetControl(editCodigo); });
    }
    void saveRow(const QString &codigo)
    {
        presenter->Clear(false, true);
        editCodigo->setText(codigo);
        presenter->Post();
    }
    int rowsOf(std::int64_t parent)
    {
        int count = 0;
        TMemTable &table = presenter->DataSetInfo();
        table.SetFiltered(false);
        for (table.First(); !table.Eof(); table.Next())
            count += table.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->AsLargeInt() == parent;
        return count;
    }
};

TEST_F(SubCadastroPresenterTest, SavesRowsInTheTableAndLinksThemToTheParentRow)
{
    int saves = 0;
    presenter->ProcUpdateAfterSave = [&] { ++saves; };
    saveRow(QStringLiteral("A"));
    EXPECT_EQ(presenter->IdRegistro, -1);
    saveRow(QStringLiteral("B"));
    EXPECT_EQ(presenter->IdRegistro, -2);
    EXPECT_EQ(saves, 2);

    presenter->updateInfoRegistroFK(0);
    EXPECT_EQ(rowsOf(0), 2) << "no parent row: nothing is linked, and the walk ends";
    presenter->updateInfoRegistroFK(-7);
    TMemTable &table = presenter->DataSetInfo();
    EXPECT_EQ(table.Filter(), QStringLiteral("ID_REGISTRO_FK = -7"));
    EXPECT_EQ(table.RecordCount(), 2);

    // Editing a row in place keeps the table's filter.
    presenter->Edit(-1);
    EXPECT_EQ(editCodigo->text(), QStringLiteral("A"));
    editCodigo->setText(QStringLiteral("A2"));
    presenter->Post();
    EXPECT_TRUE(table.Filtered());
    EXPECT_EQ(table.RecordCount(), 2);
    ASSERT_TRUE(table.Locate(QStringLiteral("ID_REGISTRO"), TFieldValue(std::int64_t(-1))));
    EXPECT_EQ(table.FieldByName(QStringLiteral("CODIGO"))->AsString(), QStringLiteral("A2"));
}

// The entity of a save is made afresh from the controls: a stored row takes only what a control
// carries, and keeps its id and the values only the row holds.
TEST_F(SubCadastroPresenterTest, EditingAStoredRowKeepsWhatNoControlCarries)
{
    TMemTable &table = presenter->DataSetInfo();
    presenter->Clear(true, false);
    table.Append();
    table.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(57);
    table.FieldByName(QStringLiteral("CODIGO"))->SetAsString(QStringLiteral("A"));
    table.FieldByName(QStringLiteral("DESCRICAO"))->SetAsString(QStringLiteral("Só na linha"));
    table.Post();
    int afterLinks = 0;
    presenter->ProcUpdateAfterSave = [&] { ++afterLinks; };

    presenter->Edit(-1);
    EXPECT_EQ(editCodigo->text(), QStringLiteral("A"));
    editCodigo->setText(QStringLiteral("A2"));
    presenter->IdRegistro = -1;
    presenter->Post();

    ASSERT_EQ(table.RecordCount(), 1);
    table.First();
    EXPECT_EQ(table.FieldByName(QStringLiteral("CODIGO"))->AsString(), QStringLiteral("A2"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID"))->AsLargeInt(), 57);
    EXPECT_EQ(table.FieldByName(QStringLiteral("DESCRICAO"))->AsString(),
              QStringLiteral("Só na linha"));
    EXPECT_EQ(afterLinks, 1);

    // A new row is written from the whole entity, as before.
    saveRow(QStringLiteral("B"));
    ASSERT_TRUE(table.Locate(QStringLiteral("ID_REGISTRO"), TFieldValue(std::int64_t(-2))));
    EXPECT_EQ(table.FieldByName(QStringLiteral("CODIGO"))->AsString(), QStringLiteral("B"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID"))->AsLargeInt(), 0);
    EXPECT_FALSE(table.FieldByName(QStringLiteral("DESCRICAO"))->IsNull());
}

TEST_F(SubCadastroPresenterTest, DeleteRecordsSavedIdsOnlyAndAlwaysReloads)
{
    int reloads = 0;
    presenter->ProcReloadDados = [&] { ++reloads; };
    saveRow(QStringLiteral("NEW"));
    TMemTable &table = presenter->DataSetInfo();
    table.Append();
    table.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(57);
    table.Post();

    EXPECT_TRUE(presenter->Delete(-2));
    EXPECT_TRUE(presenter->Delete(-1));
    EXPECT_EQ(listRemove, (QStringList { "57" }));
    EXPECT_FALSE(presenter->Delete(-9));
    EXPECT_EQ(reloads, 3);
    EXPECT_TRUE(table.IsEmpty());
}

TEST_F(SubCadastroPresenterTest, AbandonedRowsGoAndGrandchildrenLeaveTheirSavedIds)
{
    saveRow(QStringLiteral("LOOSE"));
    presenter->IdRegistroFK = -5;
    saveRow(QStringLiteral("LINKED"));
    TMemTable &table = presenter->DataSetInfo();
    table.Append();
    table.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(90);
    table.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->SetAsLargeInt(-5);
    table.Post();

    presenter->removeRecnoNotRgistroFK();
    EXPECT_EQ(rowsOf(0), 0);
    EXPECT_EQ(rowsOf(-5), 2);

    QStringList removed;
    presenter->deleteRecordsRegistroFK(-5, table, &removed);
    EXPECT_EQ(removed, (QStringList { "90" }));
    EXPECT_TRUE(table.IsEmpty());
}

} // namespace
