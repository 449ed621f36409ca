#include "App.Service.MovimentacaoFinanceira.h"

#include "App.Lib.Service.Resultado.h"
#include "App.Lib.Utils.h"
#include "Common.Base.FilterClass.h"
#include "Common.Dto.TransferenciaSaldo.h"
#include "Common.Lib.JSON.h"
#include "RestRequest.h"

#include "FormatSettings.h"
#include "SysUtils.h"

ZUNTA_REGISTER_SERVICE(TMovimentacaoFinanceiraService)

TMovimentacaoFinanceiraService::TMovimentacaoFinanceiraService()
    : TBaseService(QStringLiteral("TMovimentacaoFinanceiraService"))
{ }

void TMovimentacaoFinanceiraService::BeforeRequest()
{
    TBaseService::BeforeRequest();
    SetTimeOut(MovimentacaoTimeOut);
}

bool TMovimentacaoFinanceiraService::getExistsMessageCompl(std::int64_t AId)
{
    ClearRequest();
    ExecuteGet(ResourceName() + QStringLiteral("/movimentacao-forma-baixa/") + QString::number(AId),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    // An error page must never answer the question with its first line.
    if (StatusCode() != 200 && !ResponseContent().isEmpty())
        raiseReply();
    const QString reply = ResponseContent();
    if (reply.isEmpty())
        throw Exception(TServiceResultado::ProblemaText());
    return StrToBool(reply.section(u'\n', 0, 0).trimmed());
}

std::unique_ptr<TTotalizadorMovimentacaoFinanceiraDto>
TMovimentacaoFinanceiraService::getTotalizadores(const QString &ATextSearch,
                                                 const QString &AValueFixFilter,
                                                 const TBaseFilterClass *AFilterClass)
{
    ClearRequest();
    SetTimeOut(TotalizadoresTimeOut);
    ExecuteGet(ResourceName() + QStringLiteral("/totalizadores"),
               ATextSearch,
               AValueFixFilter,
               false,
               0,
               0,
               GetFilterBody(AFilterClass));
    if (StatusCode() != 200)
        raiseReply();
    return TDravikJson::JsonToObject<TTotalizadorMovimentacaoFinanceiraDto>(ResponseJson());
}

void TMovimentacaoFinanceiraService::postTransferenciaSaldo(const TTransferenciaSaldoDto &ADto)
{
    RenewToken();
    ClearRequest();
    Request().AddBody(TDravikJson::ObjectToJson(ADto), QStringLiteral("application/json"));
    ExecutePost(ResourceName() + QStringLiteral("/transferencia-saldo"));
    if (StatusCode() != 200)
        raiseReply();
    TAppUtils::MessageSystem(ResponseContent());
}
