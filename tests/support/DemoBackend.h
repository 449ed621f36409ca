#pragma once

#include "FakeBackend.h"
#include "FakeStore.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>

// The stand-in back end a person runs the client against (and end-to-end tests start): a fake
// back end on 127.0.0.1 answering from a seed file. It logs users in (POST "/auth" with Basic
// credentials whose password is the digest of the seed's "senha", 422 with "ID<id>" on the third
// line for a user whose "trocarSenha" is true), answers "/acesso", the user's companies, the
// menus ("/menu-sistema", "/menu-sistema/menu-superior"), the window permissions
// ("/form-permission"), the companies ("/empresa", seeded from "empresas"; a save keeps the
// members its body lacks), the permission rows of a profile (every menu window with the
// profile's flags) and the password change ("/usuario/modify-password/<id>"), and keeps
// every other resource generically in memory (FakeStore), seeded from "recursos".
//
// It also plays the public postal-code service: GET "/ws/<code>/json/", without a token, answers
// the seed's reply for that code and {"erro":true} for any other. The geography records (states,
// cities, neighbourhoods, streets) are found by their natural keys ("/unidade-federativa/
// pesquisa-sigla/" and the others, the key in "search"; a miss is a plain-text warning with 404),
// a city by company or person ("/municipio/empresa/<id>", "/municipio/pessoa/<id>", through the
// person's billing or first address), and their rows carry, besides what was saved, the names
// their lists and lookups show (a city's "uf", a street's "bairro", "municipio" and "uf" ...).
// Service rows carry likewise their kind, current value and kit mark, kit members their
// member's description and base value.
//
// Seed file (JSON object): "usuarios" (id, nome, login, email, idConta, idColaborador, senha,
// trocarSenha, empresas: the company ids), "empresas" (TEmpresaDto rows), "menus" (menu rows in
// the order the client receives them), "permissoes" ("padrao": the permission object of every
// window, and per window class name an object that replaces it), "recursos" (resource path ->
// rows), "ceps" (postal code, digits only -> the public service's reply). Each seed user's
// companies are its company links ("/usuario-empresa"), listed with every company by
// "/usuario-empresa/usuario/<id>"; "/usuario/reset/<id>" gives a user DefaultPassword(), to be
// changed at the next login.
class DemoBackend
{
public:
    // Throws std::runtime_error when the file cannot be read or is not a JSON object.
    explicit DemoBackend(const QString &seedFile);
    DemoBackend(const DemoBackend &) = delete;
    DemoBackend &operator=(const DemoBackend &) = delete;

    FakeBackend &backend() { return m_backend; }
    // Writes "zunta_conf.ini" into the folder: every base address, the postal-code service's
    // ("API-CEP") included, pointing here, and the default access password of new users
    // (DefaultPassword, encoded, under "USUARIO" "Senha_Padrao").
    void writeConfig(const QString &folder) const;
    // What a new user is told to log in with, and what a password reset gives back.
    static QString DefaultPassword();
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
    // The public postal-code service's answer for "/ws/<code>/json/".
    FakeReply cep(const QString &code) const;
    // The geography calls: the natural-key searches and the city of a company or person.
    std::optional<FakeReply> geografia(const RecordedRequest &request, const QStringList &path);
    // The waiting-period rules: the aggregate save split into the rule and its items, and the
    // items of a rule.
    std::optional<FakeReply> carencia(const RecordedRequest &request, const QStringList &path);
    // The addresses and contacts of a person ("/endereco/pessoa/<id>", "/contato/pessoa/<id>")
    // with the names of their street and list entries.
    std::optional<FakeReply> filhosPessoa(const RecordedRequest &request, const QStringList &path);
    // A system-list entry by its code ("/lista-sistema/pesquisa/0", the code in "search", the
    // list in "fix-filter"), as the list lookups find the code typed or a default.
    std::optional<FakeReply> listaPorCodigo(const RecordedRequest &request,
                                            const QStringList &path) const;
    // The services with their values, kit members and waiting-period rules, with the names and
    // values the back end adds to their rows, and a service's stock ("/servico-estoque/<id>").
    std::optional<FakeReply> servicos(const RecordedRequest &request, const QStringList &path);
    // The agreements' list (filtered by the filter bar's body: segment, specialty, professional)
    // and record, and their professionals, specialties and services, with the names the back end
    // adds to their rows.
    std::optional<FakeReply> convenios(const RecordedRequest &request, const QStringList &path);
    QJsonObject convenioComNomes(const QString &resource, QJsonObject row) const;
    // The plans' list (only the active ones when the filter body asks) and record, and their
    // child lists, with the names and current prices the back end adds to their rows.
    std::optional<FakeReply> planos(const RecordedRequest &request, const QStringList &path);
    // The current values of plans and services for a bulk price update, and its run.
    std::optional<FakeReply> atualizacaoValores(const RecordedRequest &request,
                                                const QStringList &path);
    QJsonObject planoComNomes(const QString &resource, QJsonObject row) const;
    // The users' calls: the password reset, the user's companies with their links and the names
    // the other child lists of a user (profiles, accounts, settlement methods) show.
    std::optional<FakeReply> usuarios(const RecordedRequest &request, const QStringList &path);
    // The staff members, their employments with the function and team histories, and the
    // members of the teams, and the reasons, with the names the back end joins to their rows.
    std::optional<FakeReply> colaboradores(const RecordedRequest &request, const QStringList &path);
    QJsonObject colaboradorComNomes(const QString &resource, QJsonObject row) const;
    // The rows of the commission tables' and commission models' child lists, with the names of
    // their system-list rows, functions and commission tables.
    std::optional<FakeReply> comissoes(const RecordedRequest &request, const QStringList &path);
    QJsonObject comissaoComNomes(const QString &resource, QJsonObject row) const;
    // The stand-alone receipts, named with their person, town, type and company.
    std::optional<FakeReply> recibosAvulsos(const RecordedRequest &request,
                                            const QStringList &path);
    // The financial titles: the list one row per instalment with the title's names, and the
    // boleto of an instalment (issued at once; its link an https address).
    std::optional<FakeReply> titulos(const RecordedRequest &request, const QStringList &path);
    // The cash movements: the selection totals summed from the stored movements, the
    // payment-line check (always "false"), the balance transfer (an exit and an entry stored)
    // and the reversal (the movement leaves both movement lists).
    std::optional<FakeReply> movimentacoes(const RecordedRequest &request, const QStringList &path);
    // Every company (the seed's and those registered since), each with the user's link or none.
    FakeReply usuarioEmpresas(qint64 idUsuario) const;
    QJsonObject usuarioComNomes(const QString &resource, QJsonObject row) const;
    // The store's reply for a geography resource with the display names added to its rows.
    FakeReply comNomes(const QString &resource, FakeReply reply) const;
    // A list or record reply with each row (or the record) passed through nomear; any other
    // reply as it came.
    static FakeReply nomeados(FakeReply reply, const std::function<QJsonObject(QJsonObject)> &nomear);
    QJsonObject comNomes(const QString &resource, QJsonObject row) const;
    std::optional<QJsonObject> row(const QString &resource, qint64 id) const;
    // POST "/empresa": the settings saved over the stored company, whose other members stay.
    FakeReply salvarEmpresa(const RecordedRequest &request);
    // GET "/formulario-perfil-permissao/perfil-permissao/<id>": one row per menu window with the
    // profile's flags (id 0 and no flag where it has no stored row).
    FakeReply formulariosDoPerfil(qint64 idPerfil, const RecordedRequest &request);
    // The user whose token the request carries.
    std::optional<Usuario> caller(const RecordedRequest &request) const;

    mutable std::mutex m_mutex;
    std::map<qint64, Usuario> m_usuarios;
    QJsonArray m_empresas;
    QJsonArray m_menus;
    QJsonObject m_permissoes;
    QJsonObject m_ceps;
    FakeStore m_store;
    // Last, so that its thread stops before the rest goes.
    FakeBackend m_backend;
};
