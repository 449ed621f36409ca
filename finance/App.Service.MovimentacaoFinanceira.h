#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.MovimentacaoFinanceira.Totalizador.h"

#include <cstdint>
#include <memory>

class TBaseFilterClass;
class TTransferenciaSaldoDto;

// The cash movements (/movimentacao-financeira). Movements are counted over long periods, so
// every call waits up to 600000 ms, the totals 300000 ms. The list is the base's paged list.
class TMovimentacaoFinanceiraService final : public TBaseService
{
public:
    static constexpr int MovimentacaoTimeOut = 600000;
    static constexpr int TotalizadoresTimeOut = 300000;

    TMovimentacaoFinanceiraService();

    // Whether other settlements share the payment lines of movement AId: the first line of the
    // reply, read as a Boolean. A refusal raises its text, an empty reply the problem text and a
    // first line that is no Boolean the conversion error.
    bool getExistsMessageCompl(std::int64_t AId);
    // The totals of the selection (search text, fixed filter and filter object as the last list
    // load used them), a new record. A status other than 200 raises the reply's text; a 200
    // without JSON the structure error.
    std::unique_ptr<TTotalizadorMovimentacaoFinanceiraDto> getTotalizadores(
        const QString &ATextSearch, const QString &AValueFixFilter, const TBaseFilterClass *AFilterClass);
    // Sends the transfer with a fresh token. A status other than 200 raises the reply's text;
    // on 200 the back end's text is shown as it stands (its prefix chooses the dialog). Any
    // thread: the message waits for the main thread.
    void postTransferenciaSaldo(const TTransferenciaSaldoDto &ADto);

protected:
    void BeforeRequest() override;
};
