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

QJsonObject getObject(TRestRequest &request, const QString &resource)
{
    request.ClearBody().SetResource(resource);
    return QJsonDocument::fromJson(request.Get()->RawBytes).object();
}

QList<qint64> idsOf(const QJsonObject &page, const char *member = "id")
{
    QList<qint64> ids;
    for (const QJsonValue &row : page.value(QStringLiteral("listHelper")).toArray())
        ids.append(qint64(row.toObject().value(QLatin1String(member)).toDouble()));
    return ids;
}

// An aggregate's child lists land in their own resources, nested ones stamped with every parent
// above them, and its remove lists delete there; the parent is stored without its lists.
TEST(FakeStoreTest, AggregateSaveKeepsChildListsInTheirOwnResources)
{
    FakeBackend backend;
    FakeStore store;
    store.install(backend);
    store.seed(QStringLiteral("/endereco"),
               QJsonArray { QJsonObject { { QStringLiteral("id"), 41 },
                                          { QStringLiteral("idPessoa"), 7 } } });
    TRestRequest request;
    request.SetBaseURL(QString::fromStdString(backend.origin()));
    request.SetResource(QStringLiteral("convenio/complex"))
        .AddBody(QStringLiteral(R"({"id":0,"nome":"X",
            "profissionalConvenios":{"listHelper":[{"id":0,"nome":"P",
                "especialidadeProfissionalConvenios":{"listHelper":[{"id":0},{"id":0}]}}]},
            "removeEnderecos":{"listHelper":[41,0]},
            "pessoaIntegracaoApis":{"listHelper":[{"id":0,"idPessoa":3}]},
            "funcoes":[{"id":0}]})"));
    const QJsonObject saved = QJsonDocument::fromJson(request.Post()->RawBytes).object();
    const qint64 id = qint64(saved.value(QStringLiteral("id")).toDouble());
    ASSERT_GT(id, 0);
    EXPECT_FALSE(saved.contains(QStringLiteral("profissionalConvenios")));

    const QJsonObject professionals
        = getObject(request, QStringLiteral("profissional-convenio/convenio/%1").arg(id));
    ASSERT_EQ(idsOf(professionals).size(), 1);
    const qint64 professional = idsOf(professionals).first();
    const QJsonObject specialties = getObject(
        request,
        QStringLiteral("especialidade-profissional-convenio/profissional-convenio/%1")
            .arg(professional));
    EXPECT_EQ(idsOf(specialties, "idConvenio"), (QList<qint64> { id, id }));

    // A link already set is kept; "funcoes" is "/funcao"; the removed address is gone.
    EXPECT_EQ(store.rows(QStringLiteral("/pessoa-integracao-api"))
                  .at(0)
                  .toObject()
                  .value(QStringLiteral("idPessoa"))
                  .toInt(),
              3);
    EXPECT_EQ(store.rows(QStringLiteral("/funcao")).size(), 1);
    EXPECT_TRUE(store.rows(QStringLiteral("/endereco")).isEmpty());
}

} // namespace
