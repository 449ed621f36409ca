#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <memory>
#include <optional>

class TDependenteContratoDto;
class TFechamentoOrdemServicoDto;
class TValidadeCartaoDependenteContratoComplexPost;
class TValidadeCartaoDependenteContratoDto;

// The members of contracts (/dependente-contrato): the member lists of a contract, whether a
// person is a holder, the card validity of members and the missing draw numbers. Every call
// starts from the default time-out.
//
// A member list is the first page of at most 200 rows. It gives no list for status 304, for a
// reply without JSON and for a JSON reply without "listHelper"; an error status raises its text.
class TDependenteContratoService final : public TBaseService
{
public:
    static constexpr int DependenteLimit = 200;
    static constexpr int ConsultaTimeOut = 30000;
    static constexpr int ValidadeCartaoTimeOut = 60000;

    TDependenteContratoService();

    // GET /dependente-contrato/ativo/<contract> with "is-filter-faixa-etaria" ("-1" or "0") and
    // "search" only when the text is not empty.
    std::optional<TObjectList<TDependenteContratoDto>> fillDependenteAtivo(
        std::int64_t AIdContrato, bool AIsFilterFaixaEtaria, const QString &ASearch);
    // GET /dependente-contrato/contrato/<contract>.
    std::optional<TObjectList<TDependenteContratoDto>>
    fillDependenteContrato(std::int64_t AIdContrato);
    // GET /dependente-contrato/contrato/<contract>/plano/<plan>.
    std::optional<TObjectList<TDependenteContratoDto>>
    fillDependenteContratoByPlano(std::int64_t AIdContrato, std::int64_t AIdPlano);

    // GET /dependente-contrato/is-titular/<person> (30000 ms): the closing record the back end
    // fills for the person (IdContratoTitular, the death flags, the active members). Any status
    // but 200 raises the reply's text, so an error never reads as "not a holder"; a reply that
    // is not an object raises the structure error.
    std::unique_ptr<TFechamentoOrdemServicoDto> findDependenteIsTitular(std::int64_t AIdPessoa);

    // GET /dependente-contrato/validade-cartao (30000 ms, first 100) with the member ids as
    // {"listHelper":[ids]} in the GET body. No ids: no request and no list.
    std::optional<TObjectList<TValidadeCartaoDependenteContratoDto>>
    findValidadeCartao(const TListInt64 &AIdsDependenteContrato);
    // POST /dependente-contrato/validade-cartao (60000 ms); any status but 200 raises the
    // reply's text, or the problem text for an empty reply.
    void postValidadeCartao(const TValidadeCartaoDependenteContratoComplexPost &AValidade);

    // POST /dependente-contrato/numero-sorteio without a body (30000 ms): the back end gives the
    // members without a draw number one. Shows success for 200 and the problem text otherwise,
    // without raising; returns whether it was 200. Callable from a worker thread.
    bool AtualizarNumerosSorteioFaltantes();

private:
    std::optional<TObjectList<TDependenteContratoDto>> readDependentes(const QString &APath,
                                                                       const QString &ASearch);
};
