#include "FakeStore.h"

#include <QJsonDocument>

#include <cmath>

namespace {

std::string toJson(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

bool matchesSearch(const QJsonObject &row, const QString &search)
{
    if (search.isEmpty())
        return true;
    for (auto it = row.begin(); it != row.end(); ++it) {
        const QJsonValue value = it.value();
        if (value.isString() && value.toString().contains(search, Qt::CaseInsensitive))
            return true;
        if (value.isDouble() && QString::number(qint64(value.toDouble())) == search)
            return true;
    }
    return false;
}

qint64 idOf(const QJsonObject &row)
{
    return qint64(row.value(QStringLiteral("id")).toDouble());
}

// "pessoa-integracao-api" -> "PessoaIntegracaoApi"
QString camelOf(const QString &resource)
{
    QString camel;
    for (const QString &word : resource.split(u'-', Qt::SkipEmptyParts))
        camel += word.at(0).toUpper() + word.mid(1);
    return camel;
}

// A child list member's resource: "enderecos" -> "/endereco", "pessoaIntegracaoApis" ->
// "/pessoa-integracao-api", "funcoes" -> "/funcao".
QString resourceOfMember(QString member)
{
    if (member.endsWith(QStringLiteral("oes")))
        member = member.chopped(3) + QStringLiteral("ao");
    else if (member.endsWith(u's'))
        member.chop(1);
    QString resource(u'/');
    for (const QChar c : member) {
        if (c.isUpper())
            resource += u'-' + c.toLower();
        else
            resource += c;
    }
    return resource;
}

// The rows of a list member, whether wrapped in the system's {"listHelper":[...]} or bare.
std::optional<QJsonArray> listOf(const QJsonValue &value)
{
    if (value.isArray())
        return value.toArray();
    if (value.isObject() && value.toObject().value(QStringLiteral("listHelper")).isArray())
        return value.toObject().value(QStringLiteral("listHelper")).toArray();
    return std::nullopt;
}

} // namespace

void FakeStore::seed(const QString &resource, const QJsonArray &rows)
{
    std::lock_guard lock(m_mutex);
    QJsonArray &target = m_resources[resource];
    for (const QJsonValue &row : rows) {
        target.append(row);
        m_nextId
            = std::max(m_nextId, qint64(row.toObject().value(QStringLiteral("id")).toDouble()) + 1);
    }
}

QJsonArray FakeStore::rows(const QString &resource) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_resources.find(resource);
    return it == m_resources.end() ? QJsonArray() : it->second;
}

std::optional<QJsonObject> FakeStore::find(const QString &resource, qint64 id) const
{
    for (const QJsonValue &row : rows(resource))
        if (qint64(row.toObject().value(QStringLiteral("id")).toDouble()) == id)
            return row.toObject();
    return std::nullopt;
}

std::optional<FakeReply> FakeStore::answer(const RecordedRequest &request,
                                           const std::string &baseUri)
{
    std::string path = request.path;
    std::string base = baseUri;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    if (!base.empty()) {
        if (path.rfind(base, 0) != 0)
            return std::nullopt;
        path = path.substr(base.size());
    }
    const QStringList segments = QString::fromStdString(path).split(u'/', Qt::SkipEmptyParts);
    if (segments.isEmpty())
        return std::nullopt;
    const QString resource = u'/' + segments.first();
    {
        std::lock_guard lock(m_mutex);
        if (!m_openResources && !m_resources.count(resource) && request.method == "GET")
            return std::nullopt;
    }
    bool numeric = false;
    if (request.method == "GET") {
        if (segments.size() == 1)
            return list(resource, request);
        if (segments.size() == 3 && segments.at(1) != QStringLiteral("pesquisa")) {
            const qint64 parentId = segments.at(2).toLongLong(&numeric);
            if (numeric)
                return listWhere(resource, QStringLiteral("id") + camelOf(segments.at(1)),
                                 parentId, request);
        }
        const QString idText = segments.size() == 3 && segments.at(1) == QStringLiteral("pesquisa")
            ? segments.at(2)
            : segments.size() == 2 ? segments.at(1)
                                   : QString();
        const qint64 id = idText.toLongLong(&numeric);
        if (!numeric)
            return std::nullopt;
        if (id == 0 && segments.size() == 3) {
            // A lookup by its text (a list item's code): the first row that matches it, of the
            // fixed filter's kind when there is one.
            const QString search = QString::fromStdString(request.param("search").value_or(""));
            const QString fixFilter
                = QString::fromStdString(request.param("fix-filter").value_or(""));
            for (const QJsonValue &value : rows(resource)) {
                const QJsonObject row = value.toObject();
                bool ofKind = fixFilter.isEmpty();
                for (auto it = row.begin(); it != row.end() && !ofKind; ++it)
                    ofKind = it.value().toString() == fixFilter;
                if (!search.isEmpty() && ofKind && matchesSearch(row, search))
                    return FakeReply::json(toJson(row));
            }
        }
        if (auto row = find(resource, id))
            return FakeReply::json(toJson(*row));
        return FakeReply::json(R"({"message":"WARNING:Informações não localizadas."})", 404);
    }
    if (request.method == "POST" && segments.size() == 1)
        return save(resource, request.body, false);
    if (request.method == "POST" && segments.size() == 2
        && segments.at(1) == QStringLiteral("complex"))
        return save(resource, request.body, true);
    if (request.method == "DELETE" && segments.size() == 1)
        return remove(resource, request.body);
    return std::nullopt;
}

void FakeStore::install(FakeBackend &backend, const std::string &baseUri)
{
    backend.setFallback(
        [this, baseUri](const RecordedRequest &request) { return answer(request, baseUri); });
}

void FakeStore::setOpenResources(bool open)
{
    std::lock_guard lock(m_mutex);
    m_openResources = open;
}

FakeReply FakeStore::list(const QString &resource, const RecordedRequest &request)
{
    const QString search = QString::fromStdString(request.param("search").value_or(""));
    QJsonArray matching;
    for (const QJsonValue &row : rows(resource))
        if (matchesSearch(row.toObject(), search))
            matching.append(row);
    return page(matching, request);
}

FakeReply FakeStore::listWhere(const QString &resource, const QString &link, qint64 id,
                               const RecordedRequest &request)
{
    QJsonArray matching;
    for (const QJsonValue &row : rows(resource))
        if (qint64(row.toObject().value(link).toDouble()) == id)
            matching.append(row);
    return page(matching, request);
}

FakeReply FakeStore::page(const QJsonArray &matching, const RecordedRequest &request) const
{
    const int page = std::max(1, std::stoi(request.param("page").value_or("1")));
    const int limit = std::max(1, std::stoi(request.param("limit").value_or("100")));
    QJsonArray pageRows;
    for (qsizetype i = qsizetype(page - 1) * limit;
         i < matching.size() && i < qsizetype(page) * limit;
         ++i)
        pageRows.append(matching.at(i));
    if (pageRows.isEmpty())
        return FakeReply::empty(304);
    QJsonObject reply;
    reply.insert(QStringLiteral("total"), matching.size());
    reply.insert(QStringLiteral("pages"), int(std::ceil(double(matching.size()) / limit)));
    reply.insert(QStringLiteral("listHelper"), pageRows);
    return FakeReply::json(toJson(reply));
}

FakeReply FakeStore::save(const QString &resource, const std::string &body, bool aggregate)
{
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(body));
    if (!document.isObject())
        return FakeReply::text("ERROR:Estrutura do JSON não obedece os requisitos.", 400);
    QJsonObject row = document.object();
    std::lock_guard lock(m_mutex);
    if (!aggregate)
        return FakeReply::json(toJson(store(resource, row)));
    // The parent first: its children are stamped with its id, new or stored.
    QJsonObject parent = row;
    for (const QString &member : row.keys())
        if (listOf(row.value(member)))
            parent.remove(member);
    parent = store(resource, parent);
    storeChildren(row, { { QStringLiteral("id") + camelOf(resource.mid(1)),
                                     double(idOf(parent)) } });
    return FakeReply::json(toJson(parent));
}

QJsonObject FakeStore::store(const QString &resource, QJsonObject row)
{
    QJsonArray &rows = m_resources[resource];
    const qint64 id = idOf(row);
    if (id <= 0) {
        row.insert(QStringLiteral("id"), double(m_nextId++));
        rows.append(row);
        return row;
    }
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (idOf(rows.at(i).toObject()) == id) {
            rows.replace(i, row);
            return row;
        }
    }
    rows.append(row);
    return row;
}

void FakeStore::storeChildren(const QJsonObject &row, const QJsonObject &parentIds)
{
    for (const QString &member : row.keys()) {
        const std::optional<QJsonArray> list = listOf(row.value(member));
        if (!list)
            continue;
        if (member.startsWith(QStringLiteral("remove")) && member.size() > 6) {
            QString removed = member.mid(6);
            removed[0] = removed.at(0).toLower();
            removeIds(resourceOfMember(removed), *list);
            continue;
        }
        const QString childResource = resourceOfMember(member);
        for (const QJsonValue &value : *list) {
            QJsonObject child = value.toObject();
            for (auto it = parentIds.begin(); it != parentIds.end(); ++it)
                if (qint64(child.value(it.key()).toDouble()) <= 0)
                    child.insert(it.key(), it.value());
            QJsonObject flat = child;
            for (const QString &key : child.keys())
                if (listOf(child.value(key)))
                    flat.remove(key);
            flat = store(childResource, flat);
            QJsonObject below = parentIds;
            below.insert(QStringLiteral("id") + camelOf(childResource.mid(1)),
                         double(idOf(flat)));
            storeChildren(child, below);
        }
    }
}

void FakeStore::removeIds(const QString &resource, const QJsonArray &ids)
{
    QJsonArray &rows = m_resources[resource];
    for (const QJsonValue &id : ids) {
        for (qsizetype i = rows.size() - 1; i >= 0; --i)
            if (idOf(rows.at(i).toObject()) == qint64(id.toDouble()))
                rows.removeAt(i);
    }
}

FakeReply FakeStore::remove(const QString &resource, const std::string &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(body));
    const QJsonArray ids = document.object().value(QStringLiteral("listHelper")).toArray();
    std::lock_guard lock(m_mutex);
    removeIds(resource, ids);
    return FakeReply::empty(204);
}
