#include "FakeStore.h"
#include "RestRequest.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

// The generic store behind the stand-in back end, exercised through real HTTP.
TEST(FakeStoreTest, ListsPagesSavesFindsAndDeletes)
{
    FakeBackend backend;
    FakeStore store;
    store.install(backend, "/api");
    QJsonArray rows;
    for (int i = 1; i <= 5; ++i)
        rows.append(
            QJsonObject { { QStringLiteral("id"), i },
                          { QStringLiteral("descricao"), QStringLiteral("ITEM %1").arg(i) } });
    store.seed(QStringLiteral("/banco"), rows);

    TRestRequest request;
    request.SetBaseURL(QString::fromStdString(backend.origin() + "/api"));
    request.SetResource(QStringLiteral("banco"))
        .AddParameter(QStringLiteral("page"), QStringLiteral("2"))
        .AddParameter(QStringLiteral("limit"), QStringLiteral("2"));
    const QJsonObject page = QJsonDocument::fromJson(request.Get()->RawBytes).object();
    EXPECT_EQ(page.value(QStringLiteral("total")).toInt(), 5);
    EXPECT_EQ(page.value(QStringLiteral("pages")).toInt(), 3);
    EXPECT_EQ(page.value(QStringLiteral("listHelper"))
                  .toArray()
                  .at(0)
                  .toObject()
                  .value(QStringLiteral("id"))
                  .toInt(),
              3);

    request.ClearParameters().AddParameter(QStringLiteral("search"), QStringLiteral("nada"));
    EXPECT_EQ(request.Get()->StatusCode, 304);

    request.ClearParameters().AddBody(QStringLiteral(R"({"descricao":"NOVO","id":0})"));
    const QJsonObject saved = QJsonDocument::fromJson(request.Post()->RawBytes).object();
    const qint64 id = qint64(saved.value(QStringLiteral("id")).toDouble());
    EXPECT_GT(id, 5);

    request.ClearBody().SetResource(QStringLiteral("banco/pesquisa/%1").arg(id));
    EXPECT_EQ(QJsonDocument::fromJson(request.Get()->RawBytes)
                  .object()
                  .value(QStringLiteral("descricao"))
                  .toString(),
              QStringLiteral("NOVO"));

    request.SetResource(QStringLiteral("banco")).AddBody(QStringLiteral(R"({"listHelper":[1,2]})"));
    EXPECT_EQ(request.Delete()->StatusCode, 204);
    EXPECT_EQ(store.rows(QStringLiteral("/banco")).size(), 4);

    request.ClearBody().SetResource(QStringLiteral("banco/1"));
    EXPECT_EQ(request.Get()->StatusCode, 404);
}

} // namespace
