#include "App.Lib.Utils.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "MemTable.h"
#include "WaitFor.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

class TFillRowDto : public TBaseDto
{
    ZUNTA_CLASS(TFillRowDto)
    QString Nome;
    double ValorParcela = 0;
};
BOOST_DESCRIBE_STRUCT(TFillRowDto, (TBaseDto), (Nome, ValorParcela))
ZUNTA_DEFINE_CLASS(TFillRowDto)

class TFillRowExtraDto final : public TFillRowDto
{
    ZUNTA_CLASS(TFillRowExtraDto)
    QString Extra;
};
BOOST_DESCRIBE_STRUCT(TFillRowExtraDto, (TFillRowDto), (Extra))
ZUNTA_DEFINE_CLASS(TFillRowExtraDto)

namespace {

class FillListToDataSetTest : public ::testing::Test
{
protected:
    TMemTable table { QStringLiteral("fill_row") };
    int calls = 0;
    Qt::HANDLE callbackThread = nullptr;

    void SetUp() override
    {
        table.AddField(QStringLiteral("ID"), TFieldType::LargeInt);
        table.AddField(QStringLiteral("NOME"), TFieldType::String, 100);
        table.AddField(QStringLiteral("VALOR_PARCELA"), TFieldType::Float);
        table.AddField(QStringLiteral("EXTRA"), TFieldType::String, 100);
    }

    std::function<void()> callback()
    {
        return [this] {
            ++calls;
            callbackThread = QThread::currentThreadId();
        };
    }
};

TEST_F(FillListToDataSetTest, NoListLeavesTheTableAndNeverCallsBack)
{
    table.Open();
    table.Append();
    table.FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("KEPT"));
    table.Post();
    TAppUtils::fillListToDataSet<TFillRowDto>(nullptr, table, callback());
    EXPECT_EQ(table.RecordCount(), 1);
    // A callback would have been queued before this one, and so would have run first.
    bool later = false;
    TAppUtils::DelayedCurrentThreadExecute([&] { later = true; });
    ASSERT_TRUE(waitFor([&] { return later; }));
    EXPECT_EQ(calls, 0);
}

TEST_F(FillListToDataSetTest, EmptyListEmptiesTheTableAndCallsBackOnceLaterOnTheMainThread)
{
    table.Open();
    table.Append();
    table.Post();
    TObjectList<TFillRowDto> rows;
    TAppUtils::fillListToDataSet(&rows, table, callback());
    EXPECT_EQ(calls, 0) << "the callback runs after the call has returned";
    EXPECT_EQ(table.RecordCount(), 0);
    ASSERT_TRUE(waitFor([&] { return calls == 1; }));
    EXPECT_EQ(callbackThread, QThread::currentThreadId());
}

TEST_F(FillListToDataSetTest, CopiesPropertiesIncludingThoseOfSubclassesFromAWorker)
{
    TObjectList<TFillRowDto> rows;
    auto first = std::make_unique<TFillRowDto>();
    first->Id = 7;
    first->Nome = QStringLiteral("ANA");
    first->ValorParcela = 89.9;
    rows.push_back(std::move(first));
    auto second = std::make_unique<TFillRowExtraDto>();
    second->Id = 8;
    second->Extra = QStringLiteral("MAIS");
    rows.push_back(std::move(second));

    Qt::HANDLE mainThread = QThread::currentThreadId();
    std::thread worker([&] { TAppUtils::fillListToDataSet(&rows, table, callback()); });
    worker.join();
    ASSERT_TRUE(waitFor([&] { return calls == 1; }));
    EXPECT_EQ(callbackThread, mainThread);

    ASSERT_EQ(table.RecordCount(), 2);
    table.First();
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID"))->AsLargeInt(), 7);
    EXPECT_EQ(table.FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("ANA"));
    EXPECT_DOUBLE_EQ(table.FieldByName(QStringLiteral("VALOR_PARCELA"))->AsFloat(), 89.9);
    table.Next();
    EXPECT_EQ(table.FieldByName(QStringLiteral("EXTRA"))->AsString(), QStringLiteral("MAIS"));
}

TEST_F(FillListToDataSetTest, AFailingRowIsCancelledAndEarlierRowsStay)
{
    TMemTable narrow(QStringLiteral("narrow"));
    narrow.AddField(QStringLiteral("ID"), TFieldType::Integer); // too small for the second id
    TObjectList<TFillRowDto> rows;
    rows.push_back(std::make_unique<TFillRowDto>());
    rows.back()->Id = 1;
    rows.push_back(std::make_unique<TFillRowDto>());
    rows.back()->Id = 5000000000;
    EXPECT_ANY_THROW(TAppUtils::fillListToDataSet(&rows, narrow, callback()));
    EXPECT_EQ(narrow.State(), TDataSetState::Browse);
    EXPECT_EQ(narrow.RecordCount(), 1);
}

} // namespace
