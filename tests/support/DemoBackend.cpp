#include "DemoBackend.h"

#include "Common.Lib.Crypt.h"

#include <QDate>
#include <QDir>
#include <QMap>
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

FakeReply naoLocalizado()
{
    return FakeReply::text("WARNING:Informações não localizadas.", 404);
}

qint64 idMember(const QJsonObject &row, const char *name)
{
    return qint64(row.value(QLatin1String(name)).toDouble());
}

QString text(const QJsonObject &row, const char *name)
{
    return row.value(QLatin1String(name)).toString();
}

const QString unidadeFederativa = QStringLiteral("/unidade-federativa");
const QString municipio = QStringLiteral("/municipio");
const QString bairro = QStringLiteral("/bairro");
const QString logradouro = QStringLiteral("/logradouro");
const QString servico = QStringLiteral("/servico");
const QString valorServico = QStringLiteral("/valor-servico");
const QString itemKitServico = QStringLiteral("/item-kit-servico");
const QString carenciaServico = QStringLiteral("/carencia-servico");
const QString servicoEstoque = QStringLiteral("/servico-estoque");
const QString listaSistema = QStringLiteral("/lista-sistema");
const QString empresa = QStringLiteral("/empresa");
const QString formularioPerfilPermissao = QStringLiteral("/formulario-perfil-permissao");

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
        for (const char *member :
             { "id", "nome", "login", "email", "idConta", "idColaborador", "idPessoa" })
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
    m_ceps = seed.value(QStringLiteral("ceps")).toObject();

    const QJsonObject recursos = seed.value(QStringLiteral("recursos")).toObject();
    for (auto it = recursos.begin(); it != recursos.end(); ++it)
        m_store.seed(it.key(), it.value().toArray());
    m_store.seed(QStringLiteral("/menu-sistema"), m_menus);
    m_store.seed(empresa, m_empresas);
    m_store.seed(QStringLiteral("/usuario"), usuarios);
    QJsonArray links;
    for (const auto &[id, usuario] : m_usuarios)
        for (const qint64 empresa : usuario.empresas)
            links.append(
                QJsonObject { { QStringLiteral("id"), double(100000 + id * 100 + empresa) },
                              { QStringLiteral("idUsuario"), double(id) },
                              { QStringLiteral("idEmpresa"), double(empresa) },
                              { QStringLiteral("ativo"), true } });
    m_store.seed(QStringLiteral("/usuario-empresa"), links);
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

void DemoBackend::writeConfig(const QString &folder) const
{
    m_backend.writeConfig(folder);
    QFile file(QDir(folder).filePath(QStringLiteral("zunta_conf.ini")));
    if (!file.open(QIODevice::Append))
        return;
    file.write(QStringLiteral("[API-CEP]\nHost=http://127.0.0.1\nPort=%1\nBase_URI=/\n\n"
                              "[USUARIO]\nSenha_Padrao=%2\n")
                   .arg(m_backend.port())
                   .arg(EncodeText(DefaultPassword()))
                   .toUtf8());
}

QString DemoBackend::DefaultPassword()
{
    return QStringLiteral("Acesso@Zunta123");
}

std::optional<FakeReply> DemoBackend::route(const RecordedRequest &request)
{
    const QStringList path = QString::fromStdString(request.path).split(u'/', Qt::SkipEmptyParts);
    // The public postal-code service asks for no token.
    if (request.method == "GET" && path.size() == 3 && path.at(0) == QLatin1String("ws")
        && path.at(2) == QLatin1String("json"))
        return cep(path.at(1));

    const std::optional<Usuario> usuario = caller(request);
    if (!usuario)
        return unauthorized();
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
        for (const QJsonValue &row : m_store.rows(empresa))
            if (usuario->empresas.contains(idOf(row)))
                empresas.append(row);
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
    // A batch cancellation changes instalments the stand-in does not keep: it is only accepted.
    if (request.method == "POST" && is({ "cancelamento-financeiro", "complex" }))
        return FakeReply::empty(200);
    // The payment API itself is out of reach: the stand-in answers for it.
    if (request.method == "GET" && is({ "integracao-api-financeira", "configuracao", "*" }))
        return FakeReply::json(toJson(
            { { QStringLiteral("email"), QStringLiteral("financeiro@example.invalid") },
              { QStringLiteral("habilitado"), true },
              { QStringLiteral("interrompido"), false },
              { QStringLiteral("url"), QStringLiteral("https://zunta.example.invalid/webhook") },
              { QStringLiteral("versaoApi"), QStringLiteral("v3") } }));
    if (request.method == "POST"
        && (is({ "integracao-api-financeira", "configuracao", "*", "*" })
            || is({ "integracao-api-financeira", "notificacao", "*", "*", "*" })))
        return FakeReply::text("SUCCESSOperação realizada com sucesso.");
    if (request.method == "POST"
        && (is({ "status-log-webhook", "cancelamento" })
            || is({ "status-log-webhook", "reprocessa-webhook" })))
        return FakeReply::text("SUCCESSOperação realizada com sucesso.");
    // The bulk linking is the back end's work: the stand-in only accepts it.
    if (request.method == "POST" && is({ "pessoa-integracao-api", "vinculacao" }))
        return FakeReply::empty(200);
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
    if (auto reply = geografia(request, path))
        return reply;
    if (auto reply = carencia(request, path))
        return reply;
    if (auto reply = filhosPessoa(request, path))
        return reply;
    if (auto reply = listaPorCodigo(request, path))
        return reply;
    if (auto reply = servicos(request, path))
        return reply;
    if (request.method == "POST" && is({ "empresa" }))
        return salvarEmpresa(request);
    if (request.method == "GET" && is({ "formulario-perfil-permissao", "perfil-permissao", "*" }))
        return formulariosDoPerfil(path.at(2).toLongLong(), request);
    if (auto reply = usuarios(request, path))
        return reply;
    if (auto reply = colaboradores(request, path))
        return reply;
    if (auto reply = convenios(request, path))
        return reply;
    // The contract's actions (closing reason, holder, collection order, last-billing date) are
    // accepted as they come.
    if (request.method == "POST" && path.size() == 2 && path.at(0) == QLatin1String("contrato")
        && path.at(1) != QLatin1String("complex"))
        return FakeReply::empty(200);
    // The active members of a contract (seed rows name their contract in "idContrato").
    if (request.method == "GET" && is({ "dependente-contrato", "ativo", "*" })) {
        const qint64 idContrato = path.at(2).toLongLong();
        QJsonArray ativos;
        for (const QJsonValue &row : m_store.rows(QStringLiteral("/dependente-contrato")))
            if (idMember(row.toObject(), "idContrato") == idContrato
                && idMember(row.toObject(), "listaBaixaContrato") == 0)
                ativos.append(row);
        if (ativos.isEmpty())
            return FakeReply::empty(304);
        return FakeReply::json(toJson({ { QStringLiteral("total"), ativos.size() },
                                        { QStringLiteral("pages"), 1 },
                                        { QStringLiteral("listHelper"), ativos } }));
    }
    if (auto reply = atualizacaoValores(request, path))
        return reply;
    if (auto reply = planos(request, path))
        return reply;
    if (auto reply = comissoes(request, path))
        return reply;
    if (auto reply = recibosAvulsos(request, path))
        return reply;
    if (auto reply = titulos(request, path))
        return reply;
    if (auto reply = movimentacoes(request, path))
        return reply;
    return m_store.answer(request);
}

std::optional<FakeReply> DemoBackend::carencia(const RecordedRequest &request,
                                               const QStringList &path)
{
    const QString itens = QStringLiteral("/item-carencia");
    if (request.method == "GET" && path.size() == 3 && path.at(0) == QLatin1String("item-carencia")
        && path.at(1) == QLatin1String("carencia")) {
        QJsonArray rows;
        for (const QJsonValue &item : m_store.rows(itens))
            if (idMember(item.toObject(), "idCarencia") == path.at(2).toLongLong())
                rows.append(item);
        if (rows.isEmpty())
            return FakeReply::empty(304);
        return FakeReply::json(toJson({ { QStringLiteral("total"), rows.size() },
                                        { QStringLiteral("pages"), 1 },
                                        { QStringLiteral("listHelper"), rows } }));
    }
    if (request.method != "POST" || path.size() != 2 || path.at(0) != QLatin1String("carencia")
        || path.at(1) != QLatin1String("complex"))
        return std::nullopt;

    // The rule keeps its type's code and description, as its list shows them; each item its
    // kinship's and the rule's name.
    const QJsonDocument body = QJsonDocument::fromJson(QByteArray::fromStdString(request.body));
    if (!body.isObject())
        return std::nullopt;
    QJsonObject regra = body.object();
    const auto list = [&regra](const char *name) {
        return regra.take(QLatin1String(name))
            .toObject()
            .value(QStringLiteral("listHelper"))
            .toArray();
    };
    const QJsonArray novos = list("itemCarencias");
    const QJsonArray removidos = list("removeItemCarencias");
    const QString listaSistema = QStringLiteral("/lista-sistema");
    if (const auto tipo = row(listaSistema, idMember(regra, "listaCarencia"))) {
        regra.insert(QStringLiteral("codigoTipo"), text(*tipo, "codigo"));
        regra.insert(QStringLiteral("tipo"), text(*tipo, "descricao"));
    }
    RecordedRequest step;
    step.method = "POST";
    step.path = "/carencia";
    step.body = toJson(regra);
    std::optional<FakeReply> reply = m_store.answer(step);
    if (!reply || reply->status != 200)
        return reply;
    const QJsonObject salva
        = QJsonDocument::fromJson(QByteArray::fromStdString(reply->body)).object();

    step.method = "DELETE";
    step.path = itens.toStdString();
    step.body = toJson({ { QStringLiteral("listHelper"), removidos } });
    m_store.answer(step);
    step.method = "POST";
    for (const QJsonValue &value : novos) {
        QJsonObject item = value.toObject();
        item.insert(QStringLiteral("idCarencia"), salva.value(QStringLiteral("id")));
        item.insert(QStringLiteral("nomeCarencia"), salva.value(QStringLiteral("descricao")));
        if (const auto parentesco = row(listaSistema, idMember(item, "listaParentesco"))) {
            item.insert(QStringLiteral("descricao"), text(*parentesco, "descricao"));
            item.insert(QStringLiteral("codigo"), text(*parentesco, "codigo"));
        }
        step.body = toJson(item);
        m_store.answer(step);
    }
    return reply;
}

std::optional<FakeReply> DemoBackend::filhosPessoa(const RecordedRequest &request,
                                                   const QStringList &path)
{
    if (request.method != "GET" || path.size() != 3 || path.at(1) != QLatin1String("pessoa")
        || (path.at(0) != QLatin1String("endereco") && path.at(0) != QLatin1String("contato")))
        return std::nullopt;
    std::optional<FakeReply> reply = m_store.answer(request);
    if (!reply || reply->status != 200)
        return reply;
    // The names of the street and of the list entries, as the back end joins them.
    const QString listaSistema = QStringLiteral("/lista-sistema");
    const bool endereco = path.at(0) == QLatin1String("endereco");
    QJsonObject body = QJsonDocument::fromJson(QByteArray::fromStdString(reply->body)).object();
    QJsonArray rows;
    for (const QJsonValue &value : body.value(QStringLiteral("listHelper")).toArray()) {
        QJsonObject row = value.toObject();
        const auto tipo = this->row(listaSistema,
                                    idMember(row, endereco ? "listaEndereco" : "listaTipoContato"));
        const QString prefixo = endereco ? QStringLiteral("Endereco") : QStringLiteral("Contato");
        if (tipo) {
            row.insert(QStringLiteral("codigoTipo") + prefixo, text(*tipo, "codigo"));
            row.insert(QStringLiteral("tipo") + prefixo, text(*tipo, "descricao"));
        }
        if (endereco) {
            row.insert(QStringLiteral("codigoEndereco"), tipo ? text(*tipo, "codigo") : QString());
            row.remove(QStringLiteral("codigoTipoEndereco"));
            if (const auto rua = this->row(logradouro, idMember(row, "idLogradouro"))) {
                const QJsonObject named = comNomes(logradouro, *rua);
                row.insert(QStringLiteral("endereco"), text(named, "logradouro"));
                for (const char *member : { "bairro", "cep", "municipio", "uf" })
                    row.insert(QLatin1String(member), named.value(QLatin1String(member)));
            }
        }
        rows.append(row);
    }
    body.insert(QStringLiteral("listHelper"), rows);
    reply->body = toJson(body);
    return reply;
}

std::optional<FakeReply> DemoBackend::listaPorCodigo(const RecordedRequest &request,
                                                     const QStringList &path) const
{
    if (request.method != "GET" || path.size() != 3 || path.at(0) != QLatin1String("lista-sistema")
        || path.at(1) != QLatin1String("pesquisa") || path.at(2) != QLatin1String("0"))
        return std::nullopt;
    const QString codigo = QString::fromStdString(request.param("search").value_or(""));
    const QString tipo = QString::fromStdString(request.param("fix-filter").value_or(""));
    for (const QJsonValue &value : m_store.rows(QStringLiteral("/lista-sistema"))) {
        const QJsonObject row = value.toObject();
        if (!codigo.isEmpty() && text(row, "codigo") == codigo
            && (tipo.isEmpty() || text(row, "tipo") == tipo))
            return FakeReply::json(toJson(row));
    }
    return naoLocalizado();
}

FakeReply DemoBackend::cep(const QString &code) const
{
    if (m_ceps.contains(code))
        return FakeReply::json(toJson(m_ceps.value(code).toObject()));
    return FakeReply::json(R"({"erro":true})");
}

std::optional<QJsonObject> DemoBackend::row(const QString &resource, qint64 id) const
{
    return m_store.find(resource, id);
}

QJsonObject DemoBackend::comNomes(const QString &resource, QJsonObject row) const
{
    // Each level takes its parent's names, so a street reaches its state in three steps.
    if (resource == municipio) {
        if (const auto uf = this->row(unidadeFederativa, idMember(row, "idUnidadeFederativa")))
            row.insert(QStringLiteral("uf"), text(*uf, "sigla"));
    } else if (resource == bairro) {
        row.insert(QStringLiteral("bairro"), text(row, "descricao"));
        if (const auto cidade = this->row(municipio, idMember(row, "idMunicipio"))) {
            const QJsonObject named = comNomes(municipio, *cidade);
            row.insert(QStringLiteral("municipio"), text(named, "nome"));
            row.insert(QStringLiteral("uf"), text(named, "uf"));
        }
    } else if (resource == logradouro) {
        row.insert(QStringLiteral("logradouro"), text(row, "descricao"));
        if (const auto vizinhanca = this->row(bairro, idMember(row, "idBairro"))) {
            const QJsonObject named = comNomes(bairro, *vizinhanca);
            for (const char *member : { "bairro", "municipio", "uf" })
                row.insert(QLatin1String(member), named.value(QLatin1String(member)));
        }
    } else if (resource == servico) {
        const auto lista
            = [this, &row](const char *AMember, const char *ACodigo, const char *ANome) {
                  if (const auto item = this->row(listaSistema, idMember(row, AMember))) {
                      row.insert(QLatin1String(ACodigo), text(*item, "codigo"));
                      row.insert(QLatin1String(ANome), text(*item, "descricao"));
                  }
              };
        lista("listaServico", "codigoTipo", "tipo");
        lista("listaTipoUtilizacao", "codigoTipoUtilizacao", "tipoUtilizacao");
        const qint64 id = idMember(row, "id");
        QString data;
        for (const QJsonValue &value : m_store.rows(valorServico)) {
            const QJsonObject valor = value.toObject();
            if (idMember(valor, "idServico") == id && text(valor, "data") >= data) {
                data = text(valor, "data");
                row.insert(QStringLiteral("valor"), valor.value(QStringLiteral("valor")));
                row.insert(QStringLiteral("dataAtualizacao"), data);
            }
        }
        bool kit = false;
        for (const QJsonValue &value : m_store.rows(itemKitServico))
            kit = kit || idMember(value.toObject(), "idServico") == id;
        row.insert(QStringLiteral("isServicoKit"), kit);
    } else if (resource == itemKitServico) {
        if (const auto membro = this->row(servico, idMember(row, "idServicoKit"))) {
            const QJsonObject named = comNomes(servico, *membro);
            row.insert(QStringLiteral("servico"), text(named, "descricao"));
            row.insert(QStringLiteral("valorBaseServico"), named.value(QStringLiteral("valor")));
        }
        if (const auto religiao = this->row(listaSistema, idMember(row, "listaReligiao")))
            row.insert(QStringLiteral("religiao"), text(*religiao, "descricao"));
        if (const auto status = this->row(listaSistema, idMember(row, "listaStatus")))
            row.insert(QStringLiteral("status"), text(*status, "descricao"));
    } else if (resource == carenciaServico) {
        if (const auto carencia
            = this->row(QStringLiteral("/carencia"), idMember(row, "idCarencia"))) {
            row.insert(QStringLiteral("carencia"), text(*carencia, "descricao"));
            row.insert(QStringLiteral("tipo"), text(*carencia, "tipo"));
        }
    } else if (resource == valorServico) {
        if (const auto tipo = this->row(listaSistema, idMember(row, "listaTipoFranquia")))
            row.insert(QStringLiteral("tipoFranquia"), text(*tipo, "descricao"));
    }
    return row;
}

std::optional<FakeReply> DemoBackend::servicos(const RecordedRequest &request,
                                               const QStringList &path)
{
    if (request.method != "GET" || path.isEmpty())
        return std::nullopt;
    const QString resource = u'/' + path.first();
    if (resource == servicoEstoque && path.size() == 2)
        return m_store.listWhere(
            resource, QStringLiteral("idServico"), path.at(1).toLongLong(), request);
    if (resource != servico && resource != valorServico && resource != itemKitServico
        && resource != carenciaServico)
        return std::nullopt;
    if (auto reply = m_store.answer(request))
        return comNomes(resource, *reply);
    return std::nullopt;
}

FakeReply DemoBackend::comNomes(const QString &resource, FakeReply reply) const
{
    return nomeados(std::move(reply),
                    [this, &resource](QJsonObject row) { return comNomes(resource, std::move(row)); });
}

FakeReply DemoBackend::nomeados(FakeReply reply,
                                const std::function<QJsonObject(QJsonObject)> &nomear)
{
    QJsonObject body = QJsonDocument::fromJson(QByteArray::fromStdString(reply.body)).object();
    if (body.contains(QStringLiteral("listHelper"))) {
        QJsonArray rows;
        for (const QJsonValue &value : body.value(QStringLiteral("listHelper")).toArray())
            rows.append(nomear(value.toObject()));
        body.insert(QStringLiteral("listHelper"), rows);
    } else if (body.contains(QStringLiteral("id"))) {
        body = nomear(body);
    } else {
        return reply;
    }
    reply.body = toJson(body);
    return reply;
}

std::optional<FakeReply> DemoBackend::geografia(const RecordedRequest &request,
                                                const QStringList &path)
{
    if (request.method != "GET" || path.isEmpty())
        return std::nullopt;
    const QString resource = u'/' + path.first();
    if (resource != unidadeFederativa && resource != municipio && resource != bairro
        && resource != logradouro)
        return std::nullopt;

    // The natural keys: "/unidade-federativa/pesquisa-sigla/" and the others.
    if (path.size() == 2 && path.at(1).startsWith(QLatin1String("pesquisa-"))) {
        const QString search
            = QString::fromStdString(request.param("search").value_or("")).toUpper();
        for (const QJsonValue &value : m_store.rows(resource)) {
            const QJsonObject named = comNomes(resource, value.toObject());
            QString key;
            if (resource == unidadeFederativa)
                key = text(named, "sigla");
            else if (resource == municipio)
                key = text(named, "nome") + u',' + text(named, "uf");
            else if (resource == bairro)
                key = text(named, "bairro") + u',' + text(named, "municipio") + u','
                    + text(named, "uf");
            else
                key = text(named, "cep");
            if (!search.isEmpty() && key.toUpper() == search)
                return FakeReply::json(toJson(named));
        }
        return naoLocalizado();
    }

    // The city of a company (through the company's person) or of a person: the city of the
    // person's billing address, or of the first one.
    if (resource == municipio && path.size() == 3
        && (path.at(1) == QLatin1String("empresa") || path.at(1) == QLatin1String("pessoa"))) {
        qint64 idPessoa = path.at(2).toLongLong();
        if (path.at(1) == QLatin1String("empresa")) {
            idPessoa = 0;
            for (const QJsonValue &empresa : m_empresas)
                if (idOf(empresa) == path.at(2).toLongLong())
                    idPessoa = idMember(empresa.toObject(), "idPessoa");
        }
        std::optional<QJsonObject> endereco;
        for (const QJsonValue &value : m_store.rows(QStringLiteral("/endereco"))) {
            const QJsonObject row = value.toObject();
            if (idPessoa <= 0 || idMember(row, "idPessoa") != idPessoa)
                continue;
            if (!endereco
                || (row.value(QStringLiteral("isCobranca")).toBool()
                    && !endereco->value(QStringLiteral("isCobranca")).toBool()))
                endereco = row;
        }
        const auto rua
            = endereco ? row(logradouro, idMember(*endereco, "idLogradouro")) : std::nullopt;
        const auto vizinhanca = rua ? row(bairro, idMember(*rua, "idBairro")) : std::nullopt;
        const auto cidade
            = vizinhanca ? row(municipio, idMember(*vizinhanca, "idMunicipio")) : std::nullopt;
        if (!cidade)
            return naoLocalizado();
        return FakeReply::json(toJson(*cidade));
    }

    if (auto reply = m_store.answer(request))
        return comNomes(resource, std::move(*reply));
    return std::nullopt;
}

FakeReply DemoBackend::salvarEmpresa(const RecordedRequest &request)
{
    // The body carries the company's settings only: its name and tax id come from its person.
    const QJsonObject body
        = QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object();
    QJsonObject merged = row(empresa, idMember(body, "id")).value_or(QJsonObject());
    for (auto it = body.begin(); it != body.end(); ++it)
        merged.insert(it.key(), it.value());
    RecordedRequest save = request;
    save.body = toJson(merged);
    return m_store.answer(save).value_or(FakeReply::empty(404));
}

FakeReply DemoBackend::formulariosDoPerfil(qint64 idPerfil, const RecordedRequest &request)
{
    // Every window of the menus, under the top menu of its first row (the id the top-menu list
    // gives it), with the profile's stored row for it, when there is one.
    QMap<QString, qint64> superiores;
    for (const QJsonValue &value : m_menus) {
        const QString nome = text(value.toObject(), "menuSuperior");
        if (!superiores.contains(nome))
            superiores.insert(nome, idOf(value));
    }
    const QJsonArray salvos = m_store.rows(formularioPerfilPermissao);
    static const char *const flags[]
        = { "inserir",    "editar",          "remover",         "movimentar",
            "visualizar", "permissaoExtra1", "permissaoExtra2", "permissaoExtra3" };
    QJsonArray linhas;
    for (const QJsonValue &value : m_menus) {
        const QJsonObject menu = value.toObject();
        if (text(menu, "classeFormulario").isEmpty())
            continue;
        QJsonObject linha { { QStringLiteral("id"), 0 },
                            { QStringLiteral("idFormulario"), double(idOf(menu)) },
                            { QStringLiteral("formulario"), text(menu, "itemMenu") },
                            { QStringLiteral("idMenuSuperior"),
                              double(superiores.value(text(menu, "menuSuperior"))) },
                            { QStringLiteral("menuSuperior"), text(menu, "menuSuperior") } };
        for (const char *flag : flags)
            linha.insert(QLatin1String(flag), false);
        for (const QJsonValue &salvo : salvos) {
            const QJsonObject permissao = salvo.toObject();
            if (idPerfil <= 0 || idMember(permissao, "idPerfilPermissao") != idPerfil
                || idMember(permissao, "idFormulario") != idOf(menu))
                continue;
            linha.insert(QStringLiteral("id"), double(idOf(permissao)));
            for (const char *flag : flags)
                linha.insert(QLatin1String(flag), permissao.value(QLatin1String(flag)).toBool());
        }
        linhas.append(linha);
    }
    const int limit = std::max(1, std::atoi(request.param("limit").value_or("100").c_str()));
    QJsonArray pagina;
    for (qsizetype i = 0; i < linhas.size() && i < limit; ++i)
        pagina.append(linhas.at(i));
    if (pagina.isEmpty())
        return FakeReply::empty(304);
    return FakeReply::json(toJson({ { QStringLiteral("total"), linhas.size() },
                                    { QStringLiteral("pages"), 1 },
                                    { QStringLiteral("listHelper"), pagina } }));
}

std::optional<FakeReply> DemoBackend::usuarios(const RecordedRequest &request,
                                               const QStringList &path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QString resource = u'/' + path.first();
    if (request.method == "POST" && path.size() == 3 && resource == QLatin1String("/usuario")
        && path.at(1) == QLatin1String("reset")) {
        const qint64 id = path.at(2).toLongLong();
        std::lock_guard lock(m_mutex);
        if (const auto it = m_usuarios.find(id); it != m_usuarios.end()) {
            it->second.digest = HashPassword(DefaultPassword());
            it->second.trocarSenha = true;
        } else if (!m_store.find(resource, id)) {
            return FakeReply::text("WARNING:Usuário não localizado.", 404);
        }
        return FakeReply::text("SUCCESSOperação realizada com sucesso.");
    }
    if (request.method != "GET")
        return std::nullopt;
    if (resource == QLatin1String("/usuario-empresa") && path.size() == 3
        && path.at(1) == QLatin1String("usuario"))
        return usuarioEmpresas(path.at(2).toLongLong());
    if (resource != QLatin1String("/usuario")
        && resource != QLatin1String("/usuario-empresa-perfil-permissao")
        && resource != QLatin1String("/usuario-conta")
        && resource != QLatin1String("/usuario-forma-baixa-conta"))
        return std::nullopt;
    std::optional<FakeReply> reply = m_store.answer(request);
    if (!reply)
        return std::nullopt;
    return nomeados(std::move(*reply), [this, &resource](QJsonObject row) {
        return usuarioComNomes(resource, std::move(row));
    });
}

FakeReply DemoBackend::usuarioEmpresas(qint64 idUsuario) const
{
    QJsonArray empresas = m_empresas;
    for (const QJsonValue &registered : m_store.rows(QStringLiteral("/empresa"))) {
        bool known = false;
        for (const QJsonValue &empresa : m_empresas)
            known = known || idOf(empresa) == idOf(registered);
        if (!known)
            empresas.append(registered);
    }
    const QJsonArray links = m_store.rows(QStringLiteral("/usuario-empresa"));
    QJsonArray rows;
    for (const QJsonValue &empresa : empresas) {
        QJsonObject row { { QStringLiteral("id"), 0 },
                          { QStringLiteral("idEmpresa"), double(idOf(empresa)) },
                          { QStringLiteral("empresa"), text(empresa.toObject(), "empresa") },
                          { QStringLiteral("ativo"), false } };
        for (const QJsonValue &value : links) {
            const QJsonObject link = value.toObject();
            if (idUsuario > 0 && idMember(link, "idUsuario") == idUsuario
                && idMember(link, "idEmpresa") == idOf(empresa)) {
                row.insert(QStringLiteral("id"), double(idOf(link)));
                row.insert(QStringLiteral("ativo"), link.value(QStringLiteral("ativo")).toBool());
            }
        }
        rows.append(row);
    }
    if (rows.isEmpty())
        return FakeReply::empty(304);
    return FakeReply::json(toJson({ { QStringLiteral("total"), rows.size() },
                                    { QStringLiteral("pages"), 1 },
                                    { QStringLiteral("listHelper"), rows } }));
}

QJsonObject DemoBackend::usuarioComNomes(const QString &resource, QJsonObject row) const
{
    const auto descricao = [this](const char *AResource, qint64 id) {
        const auto found = this->row(QLatin1String(AResource), id);
        return found ? text(*found, "descricao") : QString();
    };
    const auto empresa = [this](qint64 id) {
        for (const QJsonValue &value : m_empresas)
            if (idOf(value) == id)
                return text(value.toObject(), "empresa");
        const auto found = this->row(QStringLiteral("/empresa"), id);
        return found ? text(*found, "empresa") : QString();
    };
    if (resource == QLatin1String("/usuario")) {
        // A user saved from the window carries its person, not its name.
        if (text(row, "nome").isEmpty())
            if (const auto pessoa = this->row(QStringLiteral("/pessoa"), idMember(row, "idPessoa")))
                row.insert(QStringLiteral("nome"), text(*pessoa, "nome"));
        row.remove(QStringLiteral("senha"));
    } else if (resource == QLatin1String("/usuario-empresa-perfil-permissao")) {
        if (const auto link
            = this->row(QStringLiteral("/usuario-empresa"), idMember(row, "idUsuarioEmpresa"))) {
            row.insert(QStringLiteral("idEmpresa"), double(idMember(*link, "idEmpresa")));
            row.insert(QStringLiteral("empresa"), empresa(idMember(*link, "idEmpresa")));
        }
        row.insert(QStringLiteral("perfilPermissao"),
                   descricao("/perfil-permissao", idMember(row, "idPerfilPermissao")));
    } else if (resource == QLatin1String("/usuario-conta")) {
        row.insert(QStringLiteral("conta"), descricao("/conta", idMember(row, "idConta")));
    } else if (resource == QLatin1String("/usuario-forma-baixa-conta")) {
        row.insert(QStringLiteral("conta"), descricao("/conta", idMember(row, "idConta")));
        row.insert(QStringLiteral("formaPagamento"),
                   descricao("/lista-sistema", idMember(row, "listaFormaPagamento")));
        if (const auto usuario = this->row(QStringLiteral("/usuario"), idMember(row, "idUsuario")))
            row.insert(QStringLiteral("usuario"),
                       usuarioComNomes(QStringLiteral("/usuario"), *usuario)
                           .value(QStringLiteral("nome")));
    }
    return row;
}

std::optional<FakeReply> DemoBackend::colaboradores(const RecordedRequest &request,
                                                    const QStringList &path)
{
    if (request.method != "GET" || path.isEmpty())
        return std::nullopt;
    const QString resource = u'/' + path.first();
    if (resource != QLatin1String("/colaborador")
        && resource != QLatin1String("/colaborador-empresa")
        && resource != QLatin1String("/funcao-colaborador-empresa")
        && resource != QLatin1String("/equipe-colaborador-empresa")
        && resource != QLatin1String("/colaborador-equipe")
        && resource != QLatin1String("/motivo") && resource != QLatin1String("/carteira")
        && resource != QLatin1String("/colaborador-carteira")
        && resource != QLatin1String("/bairro-carteira"))
        return std::nullopt;
    std::optional<FakeReply> reply = m_store.answer(request);
    if (!reply || reply->status != 200)
        return reply;
    return nomeados(std::move(*reply), [this, &resource](QJsonObject row) {
        return colaboradorComNomes(resource, std::move(row));
    });
}

QJsonObject DemoBackend::colaboradorComNomes(const QString &resource, QJsonObject row) const
{
    const auto descricao = [this](const char *AResource, qint64 id) {
        const auto found = this->row(QLatin1String(AResource), id);
        return found ? text(*found, "descricao") : QString();
    };
    const auto nomeEmpresa = [this](qint64 id) {
        for (const QJsonValue &value : m_empresas)
            if (idOf(value) == id)
                return text(value.toObject(), "empresa");
        const auto found = this->row(empresa, id);
        return found ? text(*found, "empresa") : QString();
    };
    const auto nomeColaborador = [this](qint64 idColaborador) {
        const auto colaborador = this->row(QStringLiteral("/colaborador"), idColaborador);
        if (!colaborador)
            return QString();
        if (!text(*colaborador, "colaborador").isEmpty())
            return text(*colaborador, "colaborador");
        const auto pessoa
            = this->row(QStringLiteral("/pessoa"), idMember(*colaborador, "idPessoa"));
        return pessoa ? text(*pessoa, "nome") : QString();
    };
    // A row keeps the names it was seeded with; a row saved from a window gets them here.
    const auto fill = [&row](const char *member, const QString &value) {
        if (text(row, member).isEmpty())
            row.insert(QLatin1String(member), value);
    };
    if (resource == QLatin1String("/colaborador")) {
        fill("colaborador", nomeColaborador(idOf(row)));
        // The list shows the first employment and the latest function of the staff member.
        for (const QJsonValue &value : m_store.rows(QStringLiteral("/colaborador-empresa"))) {
            const QJsonObject vinculo = value.toObject();
            if (idMember(vinculo, "idColaborador") != idOf(row))
                continue;
            fill("empresa", nomeEmpresa(idMember(vinculo, "idEmpresa")));
            if (!row.contains(QStringLiteral("dataAdmissao")))
                row.insert(QStringLiteral("dataAdmissao"), vinculo.value("dataAdmissao"));
            if (!row.contains(QStringLiteral("dataDemissao")))
                row.insert(QStringLiteral("dataDemissao"), vinculo.value("dataDemissao"));
            break;
        }
        for (const QJsonValue &value : m_store.rows(QStringLiteral("/funcao-colaborador-empresa")))
            if (idMember(value.toObject(), "idColaborador") == idOf(row))
                row.insert(QStringLiteral("funcao"),
                           descricao("/funcao", idMember(value.toObject(), "idFuncao")));
    } else if (resource == QLatin1String("/colaborador-empresa")) {
        fill("empresa", nomeEmpresa(idMember(row, "idEmpresa")));
        fill("motivo", descricao("/motivo", idMember(row, "idMotivo")));
    } else if (resource == QLatin1String("/funcao-colaborador-empresa")) {
        fill("funcao", descricao("/funcao", idMember(row, "idFuncao")));
        fill("motivo", descricao("/motivo", idMember(row, "idMotivo")));
        if (const auto tipo = this->row(listaSistema, idMember(row, "listaSalario"))) {
            fill("tipoSalario", text(*tipo, "descricao"));
            fill("codigoTipoSalario", text(*tipo, "codigo"));
        }
    } else if (resource == QLatin1String("/equipe-colaborador-empresa")) {
        fill("equipe", descricao("/equipe", idMember(row, "idEquipe")));
        fill("motivo", descricao("/motivo", idMember(row, "idMotivo")));
    } else if (resource == QLatin1String("/motivo")) {
        // Reasons seeded with their type's id only (their type's words would match searches
        // meant for other reasons) take its code and description from the system list.
        if (const auto tipo = this->row(listaSistema, idMember(row, "listaTipoMotivo"))) {
            fill("tipoMotivo", text(*tipo, "descricao"));
            fill("codigoTipoMotivo", text(*tipo, "codigo"));
        }
    } else if (resource == QLatin1String("/colaborador-equipe")
               || resource == QLatin1String("/colaborador-carteira")) {
        fill("colaborador", nomeColaborador(idMember(row, "idColaborador")));
        fill("motivo", descricao("/motivo", idMember(row, "idMotivo")));
    } else if (resource == QLatin1String("/carteira")) {
        // The responsible collector is the one whose period has not ended.
        for (const QJsonValue &value : m_store.rows(QStringLiteral("/colaborador-carteira"))) {
            const QJsonObject cobrador = value.toObject();
            if (idMember(cobrador, "idCarteira") == idOf(row)
                && text(cobrador, "dataFinal").isEmpty())
                fill("colaborador", nomeColaborador(idMember(cobrador, "idColaborador")));
        }
    } else if (resource == QLatin1String("/bairro-carteira")) {
        if (const auto vizinhanca = this->row(bairro, idMember(row, "idBairro"))) {
            const QJsonObject named = comNomes(bairro, *vizinhanca);
            for (const char *member : { "bairro", "municipio", "uf" })
                fill(member, text(named, member));
        }
        fill("motivo", descricao("/motivo", idMember(row, "idMotivo")));
    }
    return row;
}

std::optional<FakeReply> DemoBackend::convenios(const RecordedRequest &request,
                                                const QStringList &path)
{
    if (request.method != "GET" || path.isEmpty())
        return std::nullopt;
    const QString resource = u'/' + path.first();
    if (resource != QLatin1String("/convenio")
        && resource != QLatin1String("/profissional-convenio")
        && resource != QLatin1String("/especialidade-profissional-convenio")
        && resource != QLatin1String("/servico-convenio"))
        return std::nullopt;
    if (resource != QLatin1String("/convenio") || path.size() > 1) {
        std::optional<FakeReply> reply = m_store.answer(request);
        if (!reply || reply->status != 200)
            return reply;
        return nomeados(std::move(*reply), [this, &resource](QJsonObject row) {
            return convenioComNomes(resource, std::move(row));
        });
    }
    // The list: the filter bar's texts are "<id>#<text>"; only the id counts.
    const QJsonObject filtro
        = QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object();
    const auto idFiltro = [&filtro](const char *AName) {
        return text(filtro, AName).section(u'#', 0, 0).toLongLong();
    };
    const qint64 segmento = idFiltro("listaSegmento");
    const qint64 especialidade = idFiltro("idEspecialidade");
    const qint64 profissional = idFiltro("idProfissional");
    const QString search = QString::fromStdString(request.param("search").value_or(""));
    QJsonArray rows;
    for (const QJsonValue &value : m_store.rows(resource)) {
        const QJsonObject row = convenioComNomes(resource, value.toObject());
        const qint64 id = idOf(row);
        bool atende = profissional == 0, oferece = especialidade == 0;
        for (const QJsonValue &item : m_store.rows(QStringLiteral("/profissional-convenio")))
            atende = atende
                || (idMember(item.toObject(), "idConvenio") == id
                    && idMember(item.toObject(), "idPessoa") == profissional);
        for (const QJsonValue &item :
             m_store.rows(QStringLiteral("/especialidade-profissional-convenio")))
            oferece = oferece
                || (idMember(item.toObject(), "idConvenio") == id
                    && idMember(item.toObject(), "idEspecialidade") == especialidade);
        if ((segmento == 0 || idMember(row, "listaSegmento") == segmento) && atende && oferece
            && (search.isEmpty() || text(row, "pessoa").contains(search, Qt::CaseInsensitive)))
            rows.append(row);
    }
    if (rows.isEmpty())
        return FakeReply::empty(304);
    return FakeReply::json(toJson({ { QStringLiteral("total"), rows.size() },
                                    { QStringLiteral("pages"), 1 },
                                    { QStringLiteral("listHelper"), rows } }));
}

QJsonObject DemoBackend::convenioComNomes(const QString &resource, QJsonObject row) const
{
    const auto nome = [this](qint64 idPessoa) {
        const auto pessoa = this->row(QStringLiteral("/pessoa"), idPessoa);
        return pessoa ? text(*pessoa, "nome") : QString();
    };
    const auto descricao = [this](const char *AResource, qint64 id) {
        const auto found = this->row(QLatin1String(AResource), id);
        return found ? text(*found, "descricao") : QString();
    };
    // The specialties of the rows whose member holds the id, joined.
    const auto especialidades = [this, &descricao](const char *AMember, qint64 id) {
        QStringList nomes;
        for (const QJsonValue &value :
             m_store.rows(QStringLiteral("/especialidade-profissional-convenio"))) {
            const QJsonObject item = value.toObject();
            const QString especialidade
                = descricao("/especialidade", idMember(item, "idEspecialidade"));
            if (idMember(item, AMember) == id && !nomes.contains(especialidade))
                nomes << especialidade;
        }
        return nomes.join(QStringLiteral(", "));
    };
    if (resource == QLatin1String("/convenio")) {
        row.insert(QStringLiteral("pessoa"), nome(idMember(row, "idPessoa")));
        row.insert(QStringLiteral("segmento"),
                   descricao("/lista-sistema", idMember(row, "listaSegmento")));
        row.insert(QStringLiteral("especialidades"), especialidades("idConvenio", idOf(row)));
    } else if (resource == QLatin1String("/profissional-convenio")) {
        row.insert(QStringLiteral("profissional"), nome(idMember(row, "idPessoa")));
        row.insert(QStringLiteral("especialidades"),
                   especialidades("idProfissionalConvenio", idOf(row)));
    } else if (resource == QLatin1String("/especialidade-profissional-convenio")) {
        if (const auto profissional = this->row(QStringLiteral("/profissional-convenio"),
                                                idMember(row, "idProfissionalConvenio")))
            row.insert(QStringLiteral("profissional"), nome(idMember(*profissional, "idPessoa")));
        row.insert(QStringLiteral("especialidade"),
                   descricao("/especialidade", idMember(row, "idEspecialidade")));
    } else if (resource == QLatin1String("/servico-convenio")) {
        if (const auto found = this->row(servico, idMember(row, "idServico"))) {
            const QJsonObject named = comNomes(servico, *found);
            row.insert(QStringLiteral("servico"), text(named, "descricao"));
            row.insert(QStringLiteral("valorServico"), named.value(QStringLiteral("valor")));
        }
    }
    return row;
}

std::optional<FakeReply> DemoBackend::planos(const RecordedRequest &request,
                                             const QStringList &path)
{
    static const QStringList recursos
        = { QStringLiteral("/plano"),           QStringLiteral("/valor-plano"),
            QStringLiteral("/dependente-plano"), QStringLiteral("/servico-dependente-plano"),
            QStringLiteral("/carencia-plano"),   QStringLiteral("/servico-plano"),
            QStringLiteral("/faixa-etaria-plano"), QStringLiteral("/adicional-contrato-plano"),
            QStringLiteral("/convenio-plano"),   QStringLiteral("/vendedor-plano") };
    if (request.method != "GET" || path.isEmpty() || !recursos.contains(u'/' + path.first()))
        return std::nullopt;
    const QString resource = u'/' + path.first();
    if (resource != QLatin1String("/plano") || path.size() > 1) {
        std::optional<FakeReply> reply = m_store.answer(request);
        if (!reply || reply->status != 200)
            return reply;
        return nomeados(std::move(*reply), [this, &resource](QJsonObject row) {
            return planoComNomes(resource, std::move(row));
        });
    }
    // The list: "Somente Ativos" ticked ("-1#SIM") leaves out the plans that have ended.
    const QJsonObject filtro
        = QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object();
    const bool somenteAtivos = text(filtro, "somenteAtivos").startsWith(QStringLiteral("-1"));
    const QString search = QString::fromStdString(request.param("search").value_or(""));
    QJsonArray rows;
    for (const QJsonValue &value : m_store.rows(resource)) {
        const QJsonObject row = planoComNomes(resource, value.toObject());
        if ((!somenteAtivos || !row.value(QStringLiteral("isCancelado")).toBool())
            && (search.isEmpty() || text(row, "descricao").contains(search, Qt::CaseInsensitive)))
            rows.append(row);
    }
    if (rows.isEmpty())
        return FakeReply::empty(304);
    return FakeReply::json(toJson({ { QStringLiteral("total"), rows.size() },
                                    { QStringLiteral("pages"), 1 },
                                    { QStringLiteral("listHelper"), rows } }));
}

std::optional<FakeReply> DemoBackend::atualizacaoValores(const RecordedRequest &request,
                                                         const QStringList &path)
{
    if (path.size() < 2 || path.size() > 3 || path.at(0) != QLatin1String("atualizacao-valores"))
        return std::nullopt;
    const bool dePlanos = path.at(1) == QLatin1String("planos");
    if (!dePlanos && path.at(1) != QLatin1String("servicos"))
        return std::nullopt;
    // The run is applied by the real back end; the stand-in only accepts a list.
    if (request.method == "POST" && path.size() == 2) {
        const QJsonObject body
            = QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object();
        if (body.value(QStringLiteral("listHelper")).toArray().isEmpty())
            return FakeReply::text("WARNING:Informações não localizadas.", 400);
        return FakeReply::json("{}");
    }
    if (request.method != "GET")
        return std::nullopt;
    // A plan's current values are its latest price; a service's its own value and update date.
    const auto linha = [this, dePlanos](const QJsonObject &registro) {
        QJsonObject row {
            { QStringLiteral("id"), registro.value(QStringLiteral("id")) },
            { QStringLiteral("descricao"), registro.value(QStringLiteral("descricao")) }
        };
        if (!dePlanos) {
            row.insert(QStringLiteral("valorAtual"), registro.value(QStringLiteral("valor")));
            row.insert(QStringLiteral("vigenciaAtual"),
                       registro.value(QStringLiteral("dataAtualizacao")));
            return row;
        }
        QString ultima;
        for (const QJsonValue &value : m_store.rows(QStringLiteral("/valor-plano"))) {
            const QJsonObject valor = value.toObject();
            if (idMember(valor, "idPlano") == idOf(registro) && text(valor, "data") >= ultima) {
                ultima = text(valor, "data");
                row.insert(QStringLiteral("vigenciaAtual"), valor.value(QStringLiteral("data")));
                row.insert(QStringLiteral("valorAtual"),
                           valor.value(QStringLiteral("valorParcela")));
                row.insert(QStringLiteral("valorPlanoAtual"), valor.value(QStringLiteral("valor")));
            }
        }
        return row;
    };
    const QString recurso = dePlanos ? QStringLiteral("/plano") : servico;
    if (path.size() == 3) {
        const auto registro = row(recurso, path.at(2).toLongLong());
        if (!registro)
            return FakeReply::text("WARNING:Informações não localizadas.", 404);
        return FakeReply::json(toJson(linha(*registro)));
    }
    QJsonArray rows;
    for (const QJsonValue &value : m_store.rows(recurso))
        rows.append(linha(value.toObject()));
    if (rows.isEmpty())
        return FakeReply::empty(304);
    return FakeReply::json(toJson({ { QStringLiteral("total"), rows.size() },
                                    { QStringLiteral("pages"), 1 },
                                    { QStringLiteral("listHelper"), rows } }));
}

QJsonObject DemoBackend::planoComNomes(const QString &resource, QJsonObject row) const
{
    const QString listaSistema = QStringLiteral("/lista-sistema");
    // A system-list entry's description (and code, under codigoMember) into member.
    const auto lista = [this, &row, &listaSistema](
                           const char *idMemberName, const char *member, const char *codigoMember) {
        const auto found = this->row(listaSistema, idMember(row, idMemberName));
        row.insert(QLatin1String(member), found ? text(*found, "descricao") : QString());
        if (codigoMember)
            row.insert(QLatin1String(codigoMember), found ? text(*found, "codigo") : QString());
    };
    const auto servicoDe = [this, &row](const char *nome, const char *valor) {
        if (const auto found = this->row(servico, idMember(row, "idServico"))) {
            row.insert(QLatin1String(nome), text(*found, "descricao"));
            row.insert(QLatin1String(valor), found->value(QStringLiteral("valor")));
        }
    };
    if (resource == QLatin1String("/plano")) {
        lista("listaFormaCobranca", "formaCobranca", nullptr);
        lista("listaTipoSequenciaParcelas", "tipoSequenciaParcelas", nullptr);
        if (const auto motivo = this->row(QStringLiteral("/motivo"), idMember(row, "idMotivo")))
            row.insert(QStringLiteral("motivo"), text(*motivo, "descricao"));
        // The price of the latest date.
        QString ultima;
        for (const QJsonValue &value : m_store.rows(QStringLiteral("/valor-plano"))) {
            const QJsonObject valor = value.toObject();
            if (idMember(valor, "idPlano") == idOf(row) && text(valor, "data") >= ultima) {
                ultima = text(valor, "data");
                row.insert(QStringLiteral("valor"), valor.value(QStringLiteral("valor")));
                row.insert(QStringLiteral("valorParcela"),
                           valor.value(QStringLiteral("valorParcela")));
            }
        }
        const QString fim = text(row, "dataFinal");
        row.insert(QStringLiteral("isCancelado"),
                   !fim.isEmpty() && !fim.startsWith(QStringLiteral("1899"))
                       && fim <= QDate::currentDate().toString(Qt::ISODate));
    } else if (resource == QLatin1String("/dependente-plano")
               || resource == QLatin1String("/faixa-etaria-plano")) {
        lista("listaParentesco", "parentesco", "codigoParentesco");
    } else if (resource == QLatin1String("/carencia-plano")) {
        if (const auto carencia = this->row(QStringLiteral("/carencia"), idMember(row, "idCarencia"))) {
            row.insert(QStringLiteral("carencia"), text(*carencia, "descricao"));
            row.insert(QStringLiteral("tipo"), text(*carencia, "tipo"));
        }
    } else if (resource == QLatin1String("/servico-plano")
               || resource == QLatin1String("/servico-dependente-plano")) {
        servicoDe("servico", "valor");
        lista("listaTipoUtilizacao", "tipoUtilizacao", "codigoTipoUtilizacao");
    } else if (resource == QLatin1String("/adicional-contrato-plano")) {
        servicoDe("servico", "valorServico");
        lista("listaTipoUtilizacao", "tipoUtilizacao", nullptr);
        lista("listaCobrancaServico", "cobrancaServico", nullptr);
        lista("listaTipoCobranca", "tipoCobranca", nullptr);
        lista("listaBaixaAdicional", "baixaAdicional", nullptr);
    } else if (resource == QLatin1String("/convenio-plano")) {
        if (const auto convenio
            = this->row(QStringLiteral("/convenio"), idMember(row, "idConvenio"))) {
            const QJsonObject named = convenioComNomes(QStringLiteral("/convenio"), *convenio);
            row.insert(QStringLiteral("convenio"), text(named, "pessoa"));
            row.insert(QStringLiteral("descontoConvenio"), named.value(QStringLiteral("desconto")));
            row.insert(QStringLiteral("segmento"), text(named, "segmento"));
        }
    } else if (resource == QLatin1String("/vendedor-plano")) {
        if (const auto colaborador
            = this->row(QStringLiteral("/colaborador"), idMember(row, "idColaborador")))
            row.insert(QStringLiteral("vendedor"), text(*colaborador, "colaborador"));
    }
    return row;
}

std::optional<FakeReply> DemoBackend::comissoes(const RecordedRequest &request,
                                                const QStringList &path)
{
    if (request.method != "GET" || path.isEmpty())
        return std::nullopt;
    const QString resource = u'/' + path.first();
    if (resource != QLatin1String("/faixa-comissao")
        && resource != QLatin1String("/comissao-funcao")
        && resource != QLatin1String("/tipo-comissao-funcao")
        && resource != QLatin1String("/faixa-parcela-tipo-comissao"))
        return std::nullopt;
    auto reply = m_store.answer(request);
    if (!reply)
        return std::nullopt;
    return nomeados(std::move(*reply), [this, &resource](QJsonObject row) {
        return comissaoComNomes(resource, std::move(row));
    });
}

QJsonObject DemoBackend::comissaoComNomes(const QString &resource, QJsonObject row) const
{
    // "listaTipoComissao" gives "tipoComissao" and "codigoTipoComissao".
    const auto lista = [this, &row](const char *AMember) {
        const QString member = QLatin1String(AMember);
        QString nome = member.mid(5);
        if (const auto item = this->row(QStringLiteral("/lista-sistema"), idMember(row, AMember))) {
            row.insert(QStringLiteral("codigo") + nome, text(*item, "codigo"));
            nome[0] = nome.at(0).toLower();
            row.insert(nome, text(*item, "descricao"));
        }
    };
    const auto descricao
        = [this, &row](const char *AResource, const char *AMember, const char *ANome) {
              if (const auto found = this->row(QLatin1String(AResource), idMember(row, AMember)))
                  row.insert(QLatin1String(ANome), text(*found, "descricao"));
          };
    if (resource == QLatin1String("/faixa-comissao")) {
        lista("listaTipoComissao");
    } else if (resource == QLatin1String("/comissao-funcao")) {
        descricao("/funcao", "idFuncao", "funcao");
    } else if (resource == QLatin1String("/tipo-comissao-funcao")) {
        for (const char *member : { "listaTipoComissao",
                                    "listaCategoriaRealizacao",
                                    "listaOrigemCalculoComissao",
                                    "listaBaseComissao" })
            lista(member);
    } else {
        lista("listaFormaRecebimento");
        descricao("/comissao", "idComissao", "comissao");
    }
    return row;
}

std::optional<FakeReply> DemoBackend::recibosAvulsos(const RecordedRequest &request,
                                                     const QStringList &path)
{
    if (request.method != "GET" || path.isEmpty() || path.first() != QLatin1String("recibo-avulso"))
        return std::nullopt;
    auto reply = m_store.answer(request);
    if (!reply || reply->status != 200)
        return reply;
    return nomeados(std::move(*reply), [this](QJsonObject row) {
        const auto nome = [this, &row](const char *AResource, const char *AMember, const char *ANome,
                                       const char *AColumn) {
            if (const auto found = this->row(QLatin1String(AResource), idMember(row, AMember)))
                row.insert(QLatin1String(ANome), text(*found, AColumn));
        };
        nome("/pessoa", "idPessoa", "pessoa", "nome");
        nome("/municipio", "idMunicipio", "municipio", "nome");
        nome("/lista-sistema", "listaTipoRecibo", "tipoRecibo", "descricao");
        for (const QJsonValue &empresa : m_empresas)
            if (idOf(empresa) == idMember(row, "idEmpresa"))
                row.insert(QStringLiteral("empresa"), text(empresa.toObject(), "empresa"));
        return row;
    });
}

std::optional<FakeReply> DemoBackend::titulos(const RecordedRequest &request,
                                              const QStringList &path)
{
    if (path.isEmpty() || path.first() != QLatin1String("titulo"))
        return std::nullopt;
    if (request.method == "POST" && path.size() == 3 && path.at(1) == QLatin1String("gerar-boleto"))
        return FakeReply::text("SUCCESSOperação realizada com sucesso.");
    if (request.method == "GET" && path.size() == 3 && path.at(1) == QLatin1String("link-boleto"))
        return FakeReply::text("https://boletos.zunta.example/parcela/" + path.at(2).toStdString()
                               + ".pdf");
    if (request.method != "GET" || path.size() != 1)
        return std::nullopt;
    if (request.param("page").value_or("1") != "1")
        return FakeReply::empty(304);
    const QString search = QString::fromStdString(request.param("search").value_or("")).toUpper();
    QJsonArray linhas;
    for (const QJsonValue &value : m_store.rows(QStringLiteral("/titulo"))) {
        const QJsonObject titulo = value.toObject();
        const qint64 id = idOf(titulo);
        QJsonObject base = titulo;
        if (const auto pessoa = row(QStringLiteral("/pessoa"), idMember(titulo, "idPessoa")))
            base.insert(QStringLiteral("favorecido"), text(*pessoa, "nome"));
        if (const auto tipo
            = row(QStringLiteral("/lista-sistema"), idMember(titulo, "listaTipoTitulo"))) {
            base.insert(QStringLiteral("tipoTitulo"), text(*tipo, "descricao"));
            base.insert(QStringLiteral("codigoTipoTitulo"), text(*tipo, "codigo"));
        }
        if (const auto documento
            = row(QStringLiteral("/tipo-documento"), idMember(titulo, "idTipoDocumento")))
            base.insert(QStringLiteral("tipoDocumento"), text(*documento, "descricao"));
        for (const QJsonValue &share : m_store.rows(QStringLiteral("/empresa-titulo")))
            if (idMember(share.toObject(), "idTitulo") == id)
                for (const QJsonValue &empresa : m_empresas)
                    if (idOf(empresa) == idMember(share.toObject(), "idEmpresa"))
                        base.insert(QStringLiteral("empresa"), text(empresa.toObject(), "empresa"));
        if (!search.isEmpty() && !text(base, "favorecido").toUpper().contains(search)
            && !text(base, "numeroDocumento").toUpper().contains(search))
            continue;
        QJsonArray parcelas;
        for (const QJsonValue &parcela : m_store.rows(QStringLiteral("/parcela-titulo")))
            if (idMember(parcela.toObject(), "idTitulo") == id)
                parcelas.append(parcela);
        bool baixaTotal = !parcelas.isEmpty();
        for (const QJsonValue &parcela : parcelas)
            baixaTotal = baixaTotal
                && parcela.toObject().value(QStringLiteral("possuiBaixa")).toInt() == 1;
        int numero = 0;
        for (const QJsonValue &value : parcelas) {
            const QJsonObject parcela = value.toObject();
            QJsonObject linha = base;
            linha.insert(QStringLiteral("idParcelaTitulo"), idOf(parcela));
            linha.insert(QStringLiteral("valorParcela"), parcela.value(QStringLiteral("valor")));
            linha.insert(QStringLiteral("vencimento"), parcela.value(QStringLiteral("vencimento")));
            linha.insert(QStringLiteral("parcelaTitulo"), ++numero);
            for (const char *member : { "dataBaixa", "valorBaixa" })
                if (parcela.contains(QLatin1String(member)))
                    linha.insert(QLatin1String(member), parcela.value(QLatin1String(member)));
            linha.insert(QStringLiteral("possuiBaixaTotal"), baixaTotal ? 1 : 0);
            linhas.append(linha);
        }
        if (parcelas.isEmpty())
            linhas.append(base);
    }
    if (linhas.isEmpty())
        return FakeReply::empty(304);
    return FakeReply::json(toJson({ { QStringLiteral("total"), linhas.size() },
                                    { QStringLiteral("pages"), 1 },
                                    { QStringLiteral("listHelper"), linhas } }));
}

std::optional<FakeReply> DemoBackend::movimentacoes(const RecordedRequest &request,
                                                    const QStringList &path)
{
    const QString movimentacao = QStringLiteral("/movimentacao-financeira");
    const bool naMovimentacao = !path.isEmpty() && path.first() == QLatin1String("movimentacao-financeira");
    if (request.method == "GET" && naMovimentacao && path.size() == 2
        && path.at(1) == QLatin1String("totalizadores")) {
        double baixados = 0, entradas = 0, saidas = 0;
        for (const QJsonValue &value : m_store.rows(movimentacao)) {
            const QJsonObject row = value.toObject();
            const bool despesa = text(row, "codigoTipoTitulo").toUpper().contains(u'D');
            const double valor = row.value(QStringLiteral("valorBaixa")).toDouble();
            if (row.value(QStringLiteral("isTransferenciaSaldo")).toBool())
                (despesa ? saidas : entradas) += valor;
            else
                baixados += despesa ? -valor : valor;
        }
        return FakeReply::json(toJson({ { QStringLiteral("totalBaixados"), baixados },
                                        { QStringLiteral("totalEntradas"), entradas },
                                        { QStringLiteral("totalSaidas"), saidas } }));
    }
    if (request.method == "GET" && naMovimentacao && path.size() == 3
        && path.at(1) == QLatin1String("movimentacao-forma-baixa"))
        return FakeReply::text("false");
    if (request.method == "POST" && naMovimentacao && path.size() == 2
        && path.at(1) == QLatin1String("transferencia-saldo")) {
        const QJsonObject corpo
            = QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object();
        const auto descricao = [this, &corpo](const char *AMember) {
            const auto conta = row(QStringLiteral("/conta"), idMember(corpo, AMember));
            return conta ? text(*conta, "descricao") : QString();
        };
        qint64 id = 1250;
        for (const QJsonValue &value : m_store.rows(movimentacao))
            id = std::max(id, idOf(value) + 1);
        const QJsonObject comum { { QStringLiteral("data"), corpo.value(QStringLiteral("data")) },
                                  { QStringLiteral("dataCadastro"), corpo.value(QStringLiteral("data")) },
                                  { QStringLiteral("valorBaixa"), corpo.value(QStringLiteral("valor")) },
                                  { QStringLiteral("isTransferenciaSaldo"), true },
                                  { QStringLiteral("siglaTipoDocumento"), QStringLiteral("TRF") },
                                  { QStringLiteral("descricaoTitulo"), QStringLiteral("TRANSFERÊNCIA DE SALDO") },
                                  { QStringLiteral("observacao"), corpo.value(QStringLiteral("observacao")) },
                                  { QStringLiteral("usuario"), QStringLiteral("DEMO") } };
        QJsonObject saida = comum;
        saida.insert(QStringLiteral("id"), id);
        saida.insert(QStringLiteral("codigoTipoTitulo"), QStringLiteral("D"));
        saida.insert(QStringLiteral("contaSaida"), descricao("contaOrigem"));
        QJsonObject entrada = comum;
        entrada.insert(QStringLiteral("id"), id + 1);
        entrada.insert(QStringLiteral("codigoTipoTitulo"), QStringLiteral("R"));
        entrada.insert(QStringLiteral("contaEntrada"), descricao("contaDestino"));
        m_store.seed(movimentacao, QJsonArray { saida, entrada });
        return FakeReply::text("SUCCESSTransferência realizada com sucesso.");
    }
    if (request.method == "POST" && path.size() == 2
        && path.at(0) == QLatin1String("estorno-movimentacao-financeira")
        && path.at(1) == QLatin1String("complex")) {
        auto reply = m_store.answer(request);
        if (!reply || reply->status != 200)
            return reply;
        const qint64 id = idMember(QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object(),
                                   "idMovimentacaoFinanceira");
        // The reversed movement leaves the lists it was in.
        for (const char *resource : { "movimentacao-financeira", "estorno-sem-financeiro" }) {
            RecordedRequest remover;
            remover.method = "DELETE";
            remover.path = std::string("/") + resource;
            remover.body = toJson({ { QStringLiteral("listHelper"), QJsonArray { id } } });
            m_store.answer(remover);
        }
        return reply;
    }
    return std::nullopt;
}
