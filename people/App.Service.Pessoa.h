#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <memory>
#include <optional>

class TPessoaEntity;

// The current holder of the contract of a contract member, as the back end answers it.
struct TTitularAtual
{
    // True asks the caller to update the member's kinship to the current holder.
    bool AtualizarParentesco = false;
    std::unique_ptr<TPessoaEntity> Pessoa;
};

// The persons (/pessoa). Every call of this service, the inherited ones included, runs with a
// time-out of 600000 ms.
class TPessoaService final : public TBaseService
{
public:
    static constexpr int PessoaTimeOut = 600000;
    static constexpr int TitularAtualTimeOut = 30000;

    TPessoaService();

    // GET /pessoa/titular-atual/<id> (paged, page 1 of 100), with 30000 ms. The reply is an
    // object whose one member, "true" or "false", holds the current holder's record. Any status
    // but 200 gives nothing, without an exception; a 200 reply of another shape raises the
    // structure error ("ERROR:Estrutura do JSON não obedece os requisitos.").
    std::optional<TTitularAtual> findTitularAtualByDependente(std::int64_t AIdDependenteContrato);

protected:
    void BeforeRequest() override;
};
