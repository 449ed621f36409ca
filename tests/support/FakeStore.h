#pragma once

#include "FakeBackend.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <map>
#include <mutex>
#include <optional>

// A back end that keeps any resource in memory, generically: list pages with "total", "pages"
// and "listHelper" (filtered by the "search" text over every text member), find by id, POST (a new
// id for id 0), DELETE by a "listHelper" list of ids. Status 304 answers a page with no rows.
// POST ".../complex" saves an aggregate: each child list of the body ("enderecos":
// {"listHelper":[...]}) is kept in its own resource ("/endereco"), every row stamped with the ids
// of the parents above it ("idPessoa"), nested lists alike, and each "remove..." list deletes its
// ids there; GET "/<child>/<parent>/<id>" lists the rows of that parent. Install it as a fake back
// end's fallback; tests and the stand-in back end seed it with rows.
class FakeStore
{
public:
    // The resource is the path without the base URI ("/lista-sistema").
    void seed(const QString &resource, const QJsonArray &rows);
    QJsonArray rows(const QString &resource) const;
    std::optional<QJsonObject> find(const QString &resource, qint64 id) const;

    // Answers the request when its path (after stripping `baseUri`) names a resource operation.
    std::optional<FakeReply> answer(const RecordedRequest &request,
                                    const std::string &baseUri = "/");
    void install(FakeBackend &backend, const std::string &baseUri = "/");
    // A page of the rows of the resource whose member holds the id (the children of a record),
    // by the request's "page" and "limit"; 304 when there is none.
    FakeReply listWhere(const QString &resource, const QString &member, qint64 id,
                        const RecordedRequest &request);
    // Every resource exists, empty until something is saved to it (the stand-in back end, where
    // any registration window may be tried); otherwise GET on an unseeded resource is left to
    // the caller (the 404).
    void setOpenResources(bool open);

private:
    FakeReply list(const QString &resource, const RecordedRequest &request);
    FakeReply page(const QJsonArray &rows, const RecordedRequest &request) const;
    FakeReply save(const QString &resource, const std::string &body, bool aggregate);
    // Under the lock: stores one row (a new id for id 0) and returns it as stored.
    QJsonObject store(const QString &resource, QJsonObject row);
    // Under the lock: moves the child lists of `row` into their resources.
    void storeChildren(const QJsonObject &row, const QJsonObject &parentIds);
    void removeIds(const QString &resource, const QJsonArray &ids);
    FakeReply remove(const QString &resource, const std::string &body);

    mutable std::mutex m_mutex;
    std::map<QString, QJsonArray> m_resources;
    qint64 m_nextId = 1000;
    bool m_openResources = false;
};
