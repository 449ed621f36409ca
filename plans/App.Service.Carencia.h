#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <memory>

class TTextoCarenciaDto;

// The waiting-period rules (/carencia): the base calls serve the rules themselves, and the back
// end evaluates the rules for a person or a contract into a ready text.
class TCarenciaService final : public TBaseService
{
public:
    static constexpr int TextoCarenciaTimeOut = 30000;

    TCarenciaService();

    // GET /carencia/texto-carencia/<id> (paged, page 1 of 100), with 30000 ms: the person's id
    // when AIdPessoa is above 0 (query "is-by-pessoa" "-1"), else the contract's ("0"). Only
    // status 200 is an answer: any other raises the reply's text, so an error body is never
    // shown as the text; a 200 reply that is no JSON object raises the structure error.
    std::unique_ptr<TTextoCarenciaDto> GetTextoCarencia(std::int64_t AIdPessoa,
                                                        std::int64_t AIdContrato);
};
