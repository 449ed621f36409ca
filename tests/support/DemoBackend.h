#pragma once

#include "FakeBackend.h"
#include "FakeStore.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>

// The stand-in back end a person runs the client against (and end-to-end tests start): a fake
// back end on 127.0.0.1 answering from a seed file. It logs users in (POST "/auth" with Basic
// credentials whose password is the digest of the seed's "senha", 422 with "ID<id>" on the third
// line for a user whose "trocarSenha" is true), answers "/acesso", the user's companies, the
// menus ("/menu-sistema", "/menu-sistema/menu-superior"), the window permissions
// ("/form-permission") and the password change ("/usuario/modify-password/<id>"), and keeps
// every other resource generically in memory (FakeStore), seeded from "recursos".
//
// Seed file (JSON object): "usuarios" (id, nome, login, email, idConta, idColaborador, senha,
// trocarSenha, empresas: the company ids), "empresas" (TEmpresaDto rows), "menus" (menu rows in
// the order the client receives them), "permissoes" ("padrao": the permission object of every
// window, and per window class name an object that replaces it), "recursos" (resource path ->
// rows).
class DemoBackend
{
public:
    // Throws std::runtime_error when the file cannot be read or is not a JSON object.
    explicit DemoBackend(const QString &seedFile);
    DemoBackend(const DemoBackend &) = delete;
    DemoBackend &operator=(const DemoBackend &) = delete;

    FakeBackend &backend() { return m_backend; }
    FakeStore &store() { return m_store; }
    unsigned short port() const { return m_backend.port(); }

private:
    struct Usuario
    {
        QJsonObject row; // as "/acesso" answers it
        QString login;
        QString digest;
        bool trocarSenha = false;
        QList<qint64> empresas;
    };

    FakeReply authenticate(const RecordedRequest &request);
    std::optional<FakeReply> route(const RecordedRequest &request);
    // The user whose token the request carries.
    std::optional<Usuario> caller(const RecordedRequest &request) const;

    mutable std::mutex m_mutex;
    std::map<qint64, Usuario> m_usuarios;
    QJsonArray m_empresas;
    QJsonArray m_menus;
    QJsonObject m_permissoes;
    FakeStore m_store;
    // Last, so that its thread stops before the rest goes.
    FakeBackend m_backend;
};
