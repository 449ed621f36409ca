#include "FakeStore.h"

#include <QJsonDocument>

#include <cmath>
#include <map>

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

QString camelOfKebab(const QString &kebab)
{
    QString camel;
    for (const QString &word : kebab.split(u'-', Qt::SkipEmptyParts))
        camel += word.left(1).toUpper() + word.mid(1);
    return camel;
}

// "valorServicos" gives "/valor-servico".
QString childResource(QString member)
{
    if (member.endsWith(u's'))
        member.chop(1);
    QString kebab;
    for (const QChar c : member) {
        if (c.isUpper())
            kebab += u'-';
        kebab += c.toLower();
    }
    return u'/' + kebab;
}

FakeReply pageOf(const QJsonArray &matching, const RecordedRequest &request)
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
            const qint64 parent = segments.at(2).toLongLong(&numeric);
            if (numeric)
                return listWhere(
                    resource, QStringLiteral("id") + camelOfKebab(segments.at(1)), parent, request);
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
    if (request.method == "POST"
        && (segments.size() == 1
            || (segments.size() == 2 && segments.at(1) == QStringLiteral("complex"))))
        return save(resource, request.body, segments.size() == 2);
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
    return pageOf(matching, request);
}

FakeReply FakeStore::listWhere(const QString &resource,
                               const QString &member,
                               qint64 id,
                               const RecordedRequest &request)
{
    QJsonArray matching;
    for (const QJsonValue &row : rows(resource))
        if (qint64(row.toObject().value(member).toDouble()) == id)
            matching.append(row);
    return pageOf(matching, request);
}

FakeReply FakeStore::save(const QString &resource, const std::string &body, bool complex)
{
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(body));
    if (!document.isObject())
        return FakeReply::text("ERROR:Estrutura do JSON não obedece os requisitos.", 400);
    QJsonObject row = document.object();
    // The children of an aggregate, kept apart from the record.
    std::map<QString, QJsonArray> children;
    if (complex) {
        for (const QString &member : row.keys()) {
            const QJsonValue value = row.value(member);
            if (!value.isObject() || !value.toObject().contains(QStringLiteral("listHelper")))
                continue;
            children[member] = value.toObject().value(QStringLiteral("listHelper")).toArray();
            row.remove(member);
        }
    }
    std::lock_guard lock(m_mutex);
    row = store(resource, row);
    const qint64 id = qint64(row.value(QStringLiteral("id")).toDouble());
    const QString parentMember = QStringLiteral("id") + camelOfKebab(resource.mid(1));
    for (const auto &[member, list] : children) {
        if (member.startsWith(QStringLiteral("remove"))) {
            QJsonArray &rows
                = m_resources[childResource(member.mid(6).left(1).toLower() + member.mid(7))];
            for (const QJsonValue &removed : list)
                for (qsizetype i = rows.size() - 1; i >= 0; --i)
                    if (qint64(rows.at(i).toObject().value(QStringLiteral("id")).toDouble())
                        == qint64(removed.toDouble()))
                        rows.removeAt(i);
            continue;
        }
        for (const QJsonValue &child : list) {
            QJsonObject childRow = child.toObject();
            childRow.insert(parentMember, double(id));
            store(childResource(member), childRow);
        }
    }
    return FakeReply::json(toJson(row));
}

QJsonObject FakeStore::store(const QString &resource, QJsonObject row)
{
    QJsonArray &rows = m_resources[resource];
    qint64 id = qint64(row.value(QStringLiteral("id")).toDouble());
    if (id <= 0) {
        id = m_nextId++;
        row.insert(QStringLiteral("id"), double(id));
        rows.append(row);
        return row;
    }
    bool replaced = false;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (qint64(rows.at(i).toObject().value(QStringLiteral("id")).toDouble()) == id) {
            rows.replace(i, row);
            replaced = true;
        }
    }
    if (!replaced)
        rows.append(row);
    return row;
}

FakeReply FakeStore::remove(const QString &resource, const std::string &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(body));
    const QJsonArray ids = document.object().value(QStringLiteral("listHelper")).toArray();
    std::lock_guard lock(m_mutex);
    QJsonArray &rows = m_resources[resource];
    for (const QJsonValue &id : ids) {
        for (qsizetype i = rows.size() - 1; i >= 0; --i)
            if (qint64(rows.at(i).toObject().value(QStringLiteral("id")).toDouble())
                == qint64(id.toDouble()))
                rows.removeAt(i);
    }
    return FakeReply::empty(204);
}
