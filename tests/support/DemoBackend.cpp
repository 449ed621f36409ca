#include "DemoBackend.h"

#include "Common.Lib.Crypt.h"

#include <QFile>
#include <QJsonDocument>
#include <QSet>
#include <QStringList>

#include <chrono>
#include <cstdlib>

namespace {

std::string toJson(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

qint64 idOf(const QJsonValue &row)
{
    return qint64(row.toObject().value(QStringLiteral("id")).toDouble());
}

FakeReply unauthorized()
{
    return FakeReply::text("ERROR:Não foi possível autorizar a requisição.", 401);
}

} // namespace

DemoBackend::DemoBackend(const QString &seedFile)
{
    QFile file(seedFile);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the seed file " + seedFile.toStdString());
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject())
        throw std::runtime_error("the seed file is not a JSON object: "
                                 + error.errorString().toStdString());
    const QJsonObject seed = document.object();

    // The users are listed and looked up like any other resource, without their passwords.
    QJsonArray usuarios;
    for (const QJsonValue &value : seed.value(QStringLiteral("usuarios")).toArray()) {
        const QJsonObject row = value.toObject();
        Usuario usuario;
        for (const char *member : { "id", "nome", "login", "email", "idConta", "idColaborador" })
            if (row.contains(QLatin1String(member)))
                usuario.row.insert(QLatin1String(member), row.value(QLatin1String(member)));
        usuario.login = row.value(QStringLiteral("login")).toString();
        usuario.digest = HashPassword(row.value(QStringLiteral("senha")).toString());
        usuario.trocarSenha = row.value(QStringLiteral("trocarSenha")).toBool();
        for (const QJsonValue &empresa : row.value(QStringLiteral("empresas")).toArray())
            usuario.empresas << qint64(empresa.toDouble());
        usuarios.append(usuario.row);
        m_usuarios[idOf(row)] = usuario;
    }
    m_empresas = seed.value(QStringLiteral("empresas")).toArray();
    m_menus = seed.value(QStringLiteral("menus")).toArray();
    m_permissoes = seed.value(QStringLiteral("permissoes")).toObject();

    const QJsonObject recursos = seed.value(QStringLiteral("recursos")).toObject();
    for (auto it = recursos.begin(); it != recursos.end(); ++it)
        m_store.seed(it.key(), it.value().toArray());
    m_store.seed(QStringLiteral("/menu-sistema"), m_menus);
    m_store.seed(QStringLiteral("/usuario"), usuarios);
    m_store.setOpenResources(true);

    m_backend.on(
        "POST", "/auth", [this](const RecordedRequest &request) { return authenticate(request); });
    m_backend.setFallback([this](const RecordedRequest &request) { return route(request); });
}

FakeReply DemoBackend::authenticate(const RecordedRequest &request)
{
    const std::string authorization = request.header("Authorization").value_or("");
    if (authorization.rfind("Basic ", 0) != 0)
        return FakeReply::text("ERROR:Autenticação requerida.", 401);
    const QString credentials = QString::fromUtf8(
        QByteArray::fromBase64(QByteArray::fromStdString(authorization.substr(6))));
    const qsizetype colon = credentials.indexOf(u':');
    const QString login = credentials.left(colon);
    const QString digest = colon < 0 ? QString() : credentials.mid(colon + 1);
    const bool newPassword = request.header("new-password").value_or("") == "True";
    const qint64 idEmpresa = std::atoll(request.header("id-empresa").value_or("0").c_str());

    std::lock_guard lock(m_mutex);
    for (const auto &[id, usuario] : m_usuarios) {
        if (usuario.login.compare(login, Qt::CaseInsensitive) != 0 || usuario.digest != digest)
            continue;
        if (usuario.trocarSenha && !newPassword)
            return FakeReply::text(QStringLiteral("WARNING:Sua senha expirou.\r\nCadastre uma nova "
                                                  "senha para acessar o sistema.\r\nID%1")
                                       .arg(id)
                                       .toStdString(),
                                   422);
        if (idEmpresa > 0 && !usuario.empresas.contains(idEmpresa))
            return FakeReply::text("WARNING:Usuário sem acesso à empresa informada.", 401);
        const auto exp = std::chrono::duration_cast<std::chrono::seconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count()
            + 3600;
        return FakeReply::text(FakeBackend::makeToken(exp, QString::number(id).toStdString()));
    }
    return FakeReply::text("WARNING:Usuário ou senha inválidos.", 401);
}

std::optional<DemoBackend::Usuario> DemoBackend::caller(const RecordedRequest &request) const
{
    const std::string authorization = request.header("Authorization").value_or("");
    if (authorization.rfind("Bearer ", 0) != 0)
        return std::nullopt;
    const QStringList parts = QString::fromStdString(authorization.substr(7)).split(u'.');
    if (parts.size() != 3)
        return std::nullopt;
    const QJsonObject payload
        = QJsonDocument::fromJson(
              QByteArray::fromBase64(parts.at(1).toLatin1(), QByteArray::Base64UrlEncoding))
              .object();
    std::lock_guard lock(m_mutex);
    const auto it = m_usuarios.find(payload.value(QStringLiteral("sub")).toString().toLongLong());
    if (it == m_usuarios.end())
        return std::nullopt;
    return it->second;
}

std::optional<FakeReply> DemoBackend::route(const RecordedRequest &request)
{
    const std::optional<Usuario> usuario = caller(request);
    if (!usuario)
        return unauthorized();
    const QStringList path = QString::fromStdString(request.path).split(u'/', Qt::SkipEmptyParts);
    const auto is = [&](std::initializer_list<const char *> segments) {
        if (path.size() != qsizetype(segments.size()))
            return false;
        qsizetype i = 0;
        for (const char *segment : segments) {
            if (*segment != '*' && path.at(i) != QLatin1String(segment))
                return false;
            ++i;
        }
        return true;
    };

    if (request.method == "GET" && is({ "acesso" }))
        return FakeReply::json(toJson(usuario->row));
    if (request.method == "GET" && is({ "acesso", "*", "empresa" })) {
        QJsonArray empresas;
        for (const QJsonValue &empresa : m_empresas)
            if (usuario->empresas.contains(idOf(empresa)))
                empresas.append(empresa);
        return FakeReply::json(toJson({ { QStringLiteral("listHelper"), empresas } }));
    }
    if (request.method == "GET" && is({ "menu-sistema", "menu-superior" })) {
        QJsonArray superiores;
        QSet<QString> seen;
        for (const QJsonValue &menu : m_menus) {
            const QString nome = menu.toObject().value(QStringLiteral("menuSuperior")).toString();
            if (seen.contains(nome))
                continue;
            seen.insert(nome);
            superiores.append(
                QJsonObject { { QStringLiteral("id"), menu.toObject().value(QStringLiteral("id")) },
                              { QStringLiteral("menuSuperior"), nome } });
        }
        if (superiores.isEmpty())
            return FakeReply::empty(304);
        return FakeReply::json(toJson({ { QStringLiteral("total"), superiores.size() },
                                        { QStringLiteral("pages"), 1 },
                                        { QStringLiteral("listHelper"), superiores } }));
    }
    if (request.method == "GET" && is({ "form-permission" })) {
        const QString formClass = QString::fromStdString(request.param("form-class").value_or(""));
        QJsonObject permissao = m_permissoes.value(QStringLiteral("padrao")).toObject();
        if (m_permissoes.contains(formClass))
            permissao = m_permissoes.value(formClass).toObject();
        return FakeReply::json(toJson(permissao));
    }
    if (request.method == "POST" && is({ "usuario", "modify-password", "*" })) {
        const qint64 id = path.at(2).toLongLong();
        const QString senha = QString::fromStdString(request.param("senha").value_or(""));
        std::lock_guard lock(m_mutex);
        const auto it = m_usuarios.find(id);
        if (it == m_usuarios.end())
            return FakeReply::text("WARNING:Usuário não localizado.", 404);
        if (senha.isEmpty())
            return FakeReply::text("WARNING:Senha não informada.", 400);
        it->second.digest = senha;
        it->second.trocarSenha = false;
        return FakeReply::text("SUCCESSOperação realizada com sucesso.");
    }
    return m_store.answer(request);
}
