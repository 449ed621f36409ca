#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TAlterarDataUltimaCobrancaImportacaoContratoDto;
class TAlterarMotivoEncerramentoContratoDto;
class TAtualizacaoTitularContratoDto;
class TContratoDto;
class TInformacoesObitoContratoDto;
class TServicoDto;

// The contracts (/contrato): the generic calls with the contract's records (the aggregate is
// TContratoComplexPost, also the class name of a removal) and the contract's named actions.
// Every call runs with 600000 ms unless an action sets its own time-out.
class TContratoService final : public TBaseService
{
public:
    static constexpr int ContratoTimeOut = 600000;
    static constexpr int OperacaoTimeOut = 30000;
    static constexpr int AtualizarTitularTimeOut = 3000000;

    TContratoService();

    // POST /contrato/alterar-data-ultima-cobranca-importacao (30000 ms). Shows nothing: the
    // caller reports success; any status but 200 raises the reply's text (the problem text for
    // an empty reply).
    void AlterarDataUltimaCobrancaImportacao(
        const TAlterarDataUltimaCobrancaImportacaoContratoDto &ADto);

    // The three actions below show their outcome themselves (success, the reply's text or the
    // problem text), never raise for a refusal and return whether the back end answered 200.
    // POST /contrato/alterar-motivo-encerramento (30000 ms).
    bool AlterarMotivoEncerramento(const TAlterarMotivoEncerramentoContratoDto &ADto);
    // POST /contrato/atualizar-ordem-cobranca with the rows in the list wrapper (30000 ms); an
    // empty list goes without a body.
    bool AtualizarOrdemContratos(const TObjectList<TContratoDto> &AList);
    // POST /contrato/atualizar-titular (3000000 ms).
    bool AtualizarTitular(const TAtualizacaoTitularContratoDto &AAtualizacao);

    // GET /contrato/plano_periodo_contrato/<id>: the id of the contract's current plan of a
    // period; 0 for status 304, an empty reply or a reply that is no number. An error status
    // raises the reply's text.
    std::int64_t findIdPlanoPeriodoContratoVigenteByContrato(std::int64_t AIdContrato);
    // GET /contrato/informacoes-obito/<id>: the deceased members of the contract's open service
    // orders; no list for any status but 200, for a reply without JSON or without "listHelper".
    std::optional<TObjectList<TInformacoesObitoContratoDto>>
    findInformacoesObito(std::int64_t AIdContrato);
    // GET /contrato/servicos/<number>: the services of a contract number; no list for status
    // 304, for a reply without JSON or without "listHelper"; an error status raises its text.
    std::optional<TObjectList<TServicoDto>> findServicosByNumeroContrato(int ANumeroContrato);

protected:
    void BeforeRequest() override;

private:
    // ClearRequest, the time-out, the body and the POST of one named action.
    void postAction(const QString &AAction, int ATimeOut, const QString &ABody);
    // ClearRequest and the paged GET (page 1 of 100) of one named read.
    void getAction(const QString &AAction, std::int64_t AId);
};
