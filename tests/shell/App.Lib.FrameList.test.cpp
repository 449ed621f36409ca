#include "App.Lib.FrameList.h"

#include "App.Base.Adapter.Cadastro.h"
#include "App.Base.Adapter.Pesquisa.h"
#include "App.Base.Presenter.Cadastro.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Lib.Utils.h"
#include "Label.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "WaitFor.h"

#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"

#include <QElapsedTimer>
#include <QLayout>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <future>

class TFrameTesteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TFrameTesteEntity)
    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TFrameTesteEntity, (TBaseEntity), (Descricao))
ZUNTA_DEFINE_CLASS(TFrameTesteEntity)

class TFrameTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TFrameTesteDto)
    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TFrameTesteDto, (TBaseDto), (Descricao))
ZUNTA_DEFINE_CLASS(TFrameTesteDto)

class TFrameTesteService final : public TBaseService
{
public:
    TFrameTesteService()
        : TBaseService(QStringLiteral("TFrameTesteService"))
    { }
};

class TFrameTestePresenter final : public TBaseCadastroPresenter
{
public:
    TFrameTestePresenter()
        : TBaseCadastroPresenter(QStringLiteral("TFrameTestePresenter"))
    { }

    void findByFilterToDataSet() override
    {
        TBasePresenter::findByFilterToDataSet();
        TBasePresenter::findByFilterToDataSet<TFrameTesteDto>();
    }

protected:
    void CreateFieldsDataSet() override
    {
        TBaseCadastroPresenter::CreateFieldsDataSet();
        DataSetInfo().AddField(QStringLiteral("DESCRICAO"), TFieldType::String, 100);
    }
    std::unique_ptr<TBaseEntity> CreateEntity() override
    {
        return std::make_unique<TFrameTesteEntity>();
    }
    std::unique_ptr<TBaseService> CreateService() override
    {
        return std::make_unique<TFrameTesteService>();
    }
};

namespace {

const char *const threeRows = R"({"total":3,"pages":1,"listHelper":[)"
                              R"({"id":42,"descricao":"Alfa"},)"
                              R"({"id":43,"descricao":"Beta"},)"
                              R"({"id":44,"descricao":"Gama"}]})";

class FrameListTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    QWidget window;
    TVertScrollBox *scroll = new TVertScrollBox(&window, QStringLiteral("VertScrollBox"));
    std::unique_ptr<TFrameTestePresenter> presenter
        = TBasePresenter::Create<TFrameTestePresenter>();
    TFrameList list;
    int enabledCalls = 0;

    void SetUp() override
    {
        window.resize(900, 600);
        scroll->setAlign(TAlignLayout::Client);
        list.SetVertScroll(scroll);
        list.SetPresenter(presenter.get());
        list.SetProcFillFrameItem([this](TMemTable &table, TFrameBaseAdapter *&frame) {
            auto *row = new TFrameBaseAdapterCadastro(scroll);
            row->LabelID->setText(table.FieldByName(QStringLiteral("DESCRICAO"))->AsString());
            frame = row;
        });
        list.Paginate.Page = 1;
        list.Paginate.Limit = 100;
    }

    // Runs a fill and waits for its completion (the second call of the enabling procedure).
    void fill(bool AIsFillForm)
    {
        list.fillDados(
            AIsFillForm, TTypePosition::tpTop, [this] { ++enabledCalls; }, true, true, false, {});
        ASSERT_TRUE(waitFor([this] { return enabledCalls == 2; }));
    }

    QList<TFrameBaseAdapter *> rows() const
    {
        QList<TFrameBaseAdapter *> result;
        for (QWidget *control : scroll->controls())
            result << static_cast<TFrameBaseAdapter *>(control);
        return result;
    }

    void addChild(std::int64_t id, std::int64_t idRegistroFK)
    {
        TMemTable &table = presenter->DataSetInfo();
        table.Append();
        table.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(id);
        table.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->SetAsLargeInt(idRegistroFK);
        table.Post();
    }
};

} // namespace

TEST_F(FrameListTest, PageOfThreeRowsIsStripedNumberedAndStacked)
{
    backend.on("GET", "/frame-teste", FakeReply::json(threeRows));
    list.SetIsFillIds(true);
    fill(false);

    const QList<TFrameBaseAdapter *> frames = rows();
    ASSERT_EQ(frames.size(), 3);
    const QList<int> tops { 2, 69, 136 };
    const QList<TAlphaColor> colors { TAlphaColors::White, 0xFFE3E3E3, TAlphaColors::White };
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        TFrameBaseAdapter *frame = frames[row];
        EXPECT_EQ(frame->y(), tops[row]);
        EXPECT_EQ(frame->RectangleBackground->fillColor(), colors[row]);
        EXPECT_EQ(frame->LabelRegistro->text(), QStringLiteral("000%1").arg(row + 1));
        EXPECT_EQ(frame->objectName(), QStringLiteral("TFrameBaseAdapterCadastro%1").arg(row));
        EXPECT_EQ(frame->TagString, QString::number(42 + row));
        EXPECT_EQ(frame->LabelID->text(), QStringLiteral("00000000%1").arg(42 + row));
    }
    EXPECT_TRUE(scroll->Visible());
    EXPECT_FALSE(scroll->isUpdating());
    EXPECT_EQ(presenter->Paginate.CountList, 3);
    EXPECT_EQ(presenter->Paginate.TotalRegistros, 3);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(FrameListTest, EmptyResultWarnsUnlessFillingTheForm)
{
    backend.on("GET", "/frame-teste", FakeReply::json(R"({"total":0,"pages":0,"listHelper":[]})"));
    fill(true);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());

    enabledCalls = 0;
    presenter->TextSearch = QStringLiteral("outra");
    fill(false);
    ASSERT_TRUE(waitFor([this] { return !dialogs.messageTexts().isEmpty(); }));
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Informações não localizadas.") });
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(scroll->Visible());
    EXPECT_FALSE(scroll->isUpdating());
}

TEST_F(FrameListTest, ChildListShowsOnlyTheChildrenOfItsParent)
{
    presenter->DataSetInfo().SetActive(true);
    addChild(1, 7);
    addChild(2, 8);
    addChild(3, 7);
    presenter->IdRegistroFK = 7;
    int enabled = 0;
    list.fillDadosSubCadastro(false, false, nullptr, {}, 0, [&] { ++enabled; });

    EXPECT_EQ(presenter->DataSetInfo().Filter(), QStringLiteral("ID_REGISTRO_FK = 7"));
    EXPECT_TRUE(presenter->DataSetInfo().Filtered());
    EXPECT_EQ(rows().size(), 2);
    EXPECT_EQ(enabled, 1);

    presenter->IdRegistroFK = 9;
    EXPECT_THROW(list.fillDadosSubCadastro(false, false, nullptr, {}, 0, [&] { ++enabled; }),
                 Exception);
    EXPECT_EQ(enabled, 2);
    EXPECT_TRUE(scroll->Visible());
    EXPECT_NO_THROW(list.fillDadosSubCadastro(true, false, nullptr, {}, 0, {}));
}

TEST_F(FrameListTest, ClearListKeepsOrEmptiesTheTable)
{
    presenter->DataSetInfo().SetActive(true);
    addChild(1, 0);
    list.ClearList();
    EXPECT_EQ(presenter->DataSetInfo().RecordCount(), 1);
    list.ClearList(nullptr, false);
    EXPECT_EQ(presenter->DataSetInfo().RecordCount(), 0);
}

// A list freed, or whose window was freed, while its page is read: the rest of the fill touches
// neither (the sanitizer sees any touch), builds no row and runs no window procedure.
struct FreedDuringFillCase
{
    const char *Name;
    bool FreeList;
};

void PrintTo(const FreedDuringFillCase &item, std::ostream *os)
{
    *os << item.Name;
}

class FrameListFreedDuringFillTest : public ::testing::TestWithParam<FreedDuringFillCase>
{
};

TEST_P(FrameListFreedDuringFillTest, RestOfTheFillLeavesThemAlone)
{
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    backend.on("GET", "/frame-teste", [released](const RecordedRequest &) {
        released.wait();
        return FakeReply::json(threeRows);
    });
    auto presenter = TBasePresenter::Create<TFrameTestePresenter>();
    auto window = std::make_unique<QWidget>();
    auto *scroll = new TVertScrollBox(window.get(), QStringLiteral("VertScrollBox"));
    auto list = std::make_unique<TFrameList>();
    list->SetVertScroll(scroll);
    list->SetPresenter(presenter.get());
    int rowsBuilt = 0;
    int paginateCalls = 0;
    int enabledCalls = 0;
    list->SetProcFillFrameItem([&](TMemTable &, TFrameBaseAdapter *&frame) {
        ++rowsBuilt;
        frame = new TFrameBaseAdapterCadastro(scroll);
    });
    list->SetProcFillPaginate([&] { ++paginateCalls; });
    list->Paginate.Page = 1;
    list->Paginate.Limit = 100;

    list->fillDados(false, TTypePosition::tpTop, [&] { ++enabledCalls; }, true, true, false, {});
    ASSERT_TRUE(waitFor([&] { return backend.count("GET", "/frame-teste") == 1; }));
    if (GetParam().FreeList)
        list.reset();
    window.reset();
    release.set_value();
    ASSERT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));

    EXPECT_EQ(rowsBuilt, 0);
    EXPECT_EQ(paginateCalls, 0);
    EXPECT_EQ(enabledCalls, 1);
    // The worker's read itself went on: the presenter holds the page.
    EXPECT_EQ(presenter->DataSetInfo().RecordCount(), 3);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         FrameListFreedDuringFillTest,
                         ::testing::Values(FreedDuringFillCase { "ListAndWindow", true },
                                           FreedDuringFillCase { "WindowOnly", false }),
                         [](const auto &info) { return std::string(info.param.Name); });

// A row that takes longer than a slice lets the event loop run before the next one.
void slowRow()
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20) { }
}

TEST_F(FrameListTest, RowsBuiltAcrossSlicesKeepTheirOrderWhenTheCursorMovesMeanwhile)
{
    presenter->DataSetInfo().SetActive(true);
    for (int id = 1; id <= 4; ++id)
        addChild(id, 7);
    presenter->IdRegistroFK = 7;
    list.SetIsFillIds(true);
    list.SetProcFillFrameItem([this](TMemTable &, TFrameBaseAdapter *&frame) {
        frame = new TFrameBaseAdapterCadastro(scroll);
        if (rows().isEmpty()) {
            slowRow();
            QTimer::singleShot(0, [this] { presenter->DataSetInfo().Last(); });
        }
    });
    list.fillDadosSubCadastro(false, false, nullptr, {}, 0, {});

    const QList<TFrameBaseAdapter *> frames = rows();
    ASSERT_EQ(frames.size(), 4);
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(frames[row]->TagString, QString::number(row + 1));
        EXPECT_EQ(frames[row]->LabelRegistro->text(), QStringLiteral("000%1").arg(row + 1));
        EXPECT_EQ(frames[row]->RectangleBackground->fillColor(),
                  row % 2 ? 0xFFE3E3E3 : TAlphaColors::White);
        EXPECT_EQ(frames[row]->y(), 2 + row * 67);
    }
    EXPECT_TRUE(scroll->Visible());
    EXPECT_FALSE(scroll->isUpdating());
}

// A child list longer than its window: the rows beyond the sight are built later, and every
// row, whenever built, is the row one pass would have built.
class FrameListLongTest : public FrameListTest
{
protected:
    static constexpr int total = 60;
    int rowsBuilt = 0;

    void SetUp() override
    {
        FrameListTest::SetUp();
        presenter->DataSetInfo().SetActive(true);
        for (int id = 1; id <= total; ++id)
            addChild(id, 7);
        presenter->IdRegistroFK = 7;
        list.SetIsFillIds(true);
        list.SetProcFillFrameItem([this](TMemTable &, TFrameBaseAdapter *&frame) {
            ++rowsBuilt;
            frame = new TFrameBaseAdapterCadastro(scroll);
        });
    }

    // The rows now in the scroll box, without building those still to come.
    QList<TFrameBaseAdapter *> builtRows() const
    {
        return scroll->content()->findChildren<TFrameBaseAdapter *>(QString(),
                                                                    Qt::FindDirectChildrenOnly);
    }

    static void expectOnePassRows(QList<TFrameBaseAdapter *> frames)
    {
        ASSERT_EQ(frames.size(), total);
        std::sort(frames.begin(), frames.end(), [](const auto *a, const auto *b) {
            return a->y() < b->y();
        });
        for (int row = 0; row < total; ++row) {
            SCOPED_TRACE(row);
            EXPECT_EQ(frames[row]->y(), 2 + row * 67);
            EXPECT_EQ(frames[row]->TagString, QString::number(row + 1));
            EXPECT_EQ(frames[row]->IdRegistro(), -(row + 1));
            EXPECT_EQ(frames[row]->LabelRegistro->text(),
                      QStringLiteral("%1").arg(row + 1, 4, 10, QLatin1Char('0')));
            EXPECT_EQ(frames[row]->objectName(),
                      QStringLiteral("TFrameBaseAdapterCadastro%1").arg(row));
            EXPECT_EQ(frames[row]->RectangleBackground->fillColor(),
                      row % 2 ? 0xFFE3E3E3 : TAlphaColors::White);
        }
    }
};

TEST_F(FrameListLongTest, RowsOutOfSightAppearAsTheViewScrollsToThem)
{
    window.show();
    list.fillDadosSubCadastro(false, false, nullptr, {}, 0, {});
    EXPECT_GT(rowsBuilt, 0);
    EXPECT_LT(rowsBuilt, total);
    EXPECT_EQ(builtRows().size(), rowsBuilt);
    // The content scrolls as far as it would with every row in it.
    ASSERT_TRUE(waitFor([this] { return scroll->content()->height() == total * 67; }));

    QScrollBar *bar = scroll->verticalScrollBar();
    bar->setValue(bar->maximum());
    ASSERT_TRUE(waitFor([this] { return !scroll->hasPendingControls(); }));
    EXPECT_EQ(rowsBuilt, total);
    ASSERT_TRUE(waitFor([this] {
        Realign(scroll->content());
        return scroll->content()->height() == total * 67;
    }));
    expectOnePassRows(builtRows());
}

TEST_F(FrameListLongTest, RowWalkGetsEveryRowAndLeavesTheCursorAlone)
{
    list.fillDadosSubCadastro(false, false, nullptr, {}, 0, {});
    ASSERT_LT(rowsBuilt, total);
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_TRUE(table.Locate(QStringLiteral("ID"), TFieldValue(std::int64_t(5))));

    const QList<TFrameBaseAdapter *> frames = rows();
    Realign(scroll->content());
    expectOnePassRows(frames);
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID"))->AsLargeInt(), 5);

    // Clearing drops the rows still to come: none is built just to be freed.
    list.fillDadosSubCadastro(false, false, nullptr, {}, 0, {});
    const int built = rowsBuilt;
    ASSERT_LT(built, 2 * total);
    list.ClearList();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(rowsBuilt, built);
    EXPECT_EQ(scroll->content()->layout()->minimumSize().height(), 0);
}

TEST(FrameListFreedWhileBuildingTest, StopsAtTheNextSlice)
{
    auto presenter = TBasePresenter::Create<TFrameTestePresenter>();
    TMemTable &table = presenter->DataSetInfo();
    table.SetActive(true);
    for (int id = 1; id <= 3; ++id) {
        table.Append();
        table.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(id);
        table.Post();
    }
    auto window = std::make_unique<QWidget>();
    auto *scroll = new TVertScrollBox(window.get(), QStringLiteral("VertScrollBox"));
    auto list = std::make_unique<TFrameList>();
    list->SetVertScroll(scroll);
    list->SetPresenter(presenter.get());
    int rowsBuilt = 0;
    list->SetProcFillFrameItem([&](TMemTable &, TFrameBaseAdapter *&frame) {
        ++rowsBuilt;
        frame = new TFrameBaseAdapterCadastro(scroll);
        slowRow();
        QTimer::singleShot(0, [&] {
            list.reset();
            window.reset();
        });
    });
    int enabledCalls = 0;
    list->fillDadosSubCadastro(false, false, nullptr, {}, 0, [&] { ++enabledCalls; });
    EXPECT_FALSE(list);
    EXPECT_EQ(rowsBuilt, 1);
    EXPECT_EQ(enabledCalls, 0);
}

TEST(FrameBaseAdapterCadastroTest, RemoveAsksAndNoCallsNothing)
{
    ScriptedDialogs dialogs;
    TFrameBaseAdapterCadastro frame;
    frame.SpeedButtonRemoveClick();
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());

    int removed = 0;
    frame.ProcRemove = [&](TFrameBaseAdapter *AFrame) {
        EXPECT_EQ(AFrame, &frame);
        ++removed;
    };
    dialogs.answerQuestions({ 7, 6 });
    frame.SpeedButtonRemoveClick();
    EXPECT_EQ(removed, 0);
    frame.SpeedButtonRemoveClick();
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(dialogs.messageTexts(), QStringList(2, QStringLiteral("QUESTION:Remover registro?")));
}

TEST(FrameBaseAdapterTest, FreshRowHidesRegistroAndHoverRestoresColour)
{
    TFrameBaseAdapter frame;
    EXPECT_FALSE(frame.LabelRegistro->Visible());
    EXPECT_FALSE(frame.LabelTitleRegistro->Visible());
    EXPECT_EQ(frame.LabelID->fontSize(), 9);
    EXPECT_EQ(frame.LabelRegistro->fontSize(), 9);

    frame.RectangleBackground->setFillColor(0xFFE3E3E3);
    frame.RectangleBackground->OnMouseEnter(frame.RectangleBackground);
    EXPECT_NE(frame.RectangleBackground->fillColor(), 0xFFE3E3E3u);
    frame.RectangleBackground->OnMouseLeave(frame.RectangleBackground);
    EXPECT_EQ(frame.RectangleBackground->fillColor(), 0xFFE3E3E3u);
}

TEST(FrameBaseAdapterTest, LabelsScaleByWorkArea)
{
    struct Case
    {
        int Width;
        double Title;
        double Normal;
        int X;
    };
    const Case cases[] = { { 640, 7, 9, 20 },
                           { 800, 7.5, 9.5, 21 },
                           { 1024, 8, 11, 24 },
                           { 1365, 8, 11, 27 },
                           { 1366, 9, 12, 30 } };
    for (const Case &item : cases) {
        SCOPED_TRACE(item.Width);
        TLabel title;
        title.setFontSize(9);
        title.setPositionX(30);
        TLabel normal;
        normal.setFontSize(12);
        normal.setPositionX(30);
        TFrameBaseAdapter::AdjustLabelToScreen(&title, true, item.Width);
        TFrameBaseAdapter::AdjustLabelToScreen(&normal, false, item.Width);
        EXPECT_EQ(title.fontSize(), item.Title);
        EXPECT_EQ(normal.fontSize(), item.Normal);
        EXPECT_EQ(normal.x(), item.X);
    }
}
