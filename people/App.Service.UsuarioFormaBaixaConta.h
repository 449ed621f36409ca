#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.UsuarioFormaBaixaConta.h"

#include <cstdint>
#include <memory>
#include <optional>

// The settlement methods of users and the account each settles into (/usuario-forma-baixa-conta).
class TUsuarioFormaBaixaContaService final : public TBaseService
{
public:
    TUsuarioFormaBaixaContaService();

    // The rows of one user (GET /usuario-forma-baixa-conta/usuario/<id>); no list for 304 or a
    // reply without JSON.
    std::optional<TObjectList<TUsuarioFormaBaixaContaDto>>
    fillUsuarioFormaBaixaConta(std::int64_t AIdUsuario);
    // The settlement method of an account (GET /usuario-forma-baixa-conta/forma-baixa/<id>) and
    // the account of a settlement method, by its system-list row id (.../conta/<id>): the
    // settlement windows pre-fill one from the other. None for 304; a reply that is no record
    // raises its message.
    std::unique_ptr<TUsuarioFormaBaixaContaDto> findFormaBaixaByIdConta(std::int64_t AIdConta);
    std::unique_ptr<TUsuarioFormaBaixaContaDto>
    findIdContaByFormaBaixa(std::int64_t AListaFormaPagamento);

private:
    std::unique_ptr<TUsuarioFormaBaixaContaDto> findOne(const QString &APath, std::int64_t AId);
};
