#include "App.Service.Contrato.h"

#include "App.Lib.Service.Resultado.h"
#include "Common.Dto.AlterarDataUltimaCobrancaImportacaoContrato.h"
#include "Common.Dto.AlterarMotivoEncerramentoContrato.h"
#include "Common.Dto.AtualizacaoTitularContrato.h"
#include "Common.Dto.Contrato.h"
#include "Common.Dto.InformacoesObitoContrato.h"
#include "Common.Dto.Servico.h"
#include "Common.Lib.JSON.h"

#include "RestRequest.h"

ZUNTA_REGISTER_SERVICE(TContratoService)

TContratoService::TContratoService()
    : TBaseService(QStringLiteral("TContratoService"))
{ }

void TContratoService::BeforeRequest()
{
    TBaseService::BeforeRequest();
    SetTimeOut(ContratoTimeOut);
}

void TContratoService::postAction(const QString &AAction, int ATimeOut, const QString &ABody)
{
    ClearRequest();
    SetTimeOut(ATimeOut);
    if (!ABody.isEmpty())
        Request().AddBody(ABody, QStringLiteral("application/json"));
    ExecutePost(ResourceName() + AAction);
}

void TContratoService::getAction(const QString &AAction, std::int64_t AId)
{
    ClearRequest();
    ExecuteGet(ResourceName() + AAction + QString::number(AId),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
}

void TContratoService::AlterarDataUltimaCobrancaImportacao(
    const TAlterarDataUltimaCobrancaImportacaoContratoDto &ADto)
{
    postAction(QStringLiteral("/alterar-data-ultima-cobranca-importacao"),
               OperacaoTimeOut,
               TDravikJson::ObjectToJson(ADto));
    TServiceResultado::RaiseUnless200(*this);
}

bool TContratoService::AlterarMotivoEncerramento(const TAlterarMotivoEncerramentoContratoDto &ADto)
{
    postAction(QStringLiteral("/alterar-motivo-encerramento"),
               OperacaoTimeOut,
               TDravikJson::ObjectToJson(ADto));
    return TServiceResultado::ShowResultado(*this, true);
}

bool TContratoService::AtualizarOrdemContratos(const TObjectList<TContratoDto> &AList)
{
    postAction(QStringLiteral("/atualizar-ordem-cobranca"),
               OperacaoTimeOut,
               TDravikJson::ListToJson(AList));
    return TServiceResultado::ShowResultado(*this, true);
}

bool TContratoService::AtualizarTitular(const TAtualizacaoTitularContratoDto &AAtualizacao)
{
    postAction(QStringLiteral("/atualizar-titular"),
               AtualizarTitularTimeOut,
               TDravikJson::ObjectToJson(AAtualizacao));
    return TServiceResultado::ShowResultado(*this, true);
}

std::int64_t TContratoService::findIdPlanoPeriodoContratoVigenteByContrato(std::int64_t AIdContrato)
{
    getAction(QStringLiteral("/plano_periodo_contrato/"), AIdContrato);
    if (StatusCode() >= 400)
        raiseReply();
    if (StatusCode() == 304)
        return 0;
    bool ok = false;
    const std::int64_t id = ResponseContent().trimmed().toLongLong(&ok);
    return ok ? id : 0;
}

std::optional<TObjectList<TInformacoesObitoContratoDto>>
TContratoService::findInformacoesObito(std::int64_t AIdContrato)
{
    getAction(QStringLiteral("/informacoes-obito/"), AIdContrato);
    if (StatusCode() != 200)
        return std::nullopt;
    return readReplyListIfAny<TInformacoesObitoContratoDto>();
}

std::optional<TObjectList<TServicoDto>>
TContratoService::findServicosByNumeroContrato(int ANumeroContrato)
{
    getAction(QStringLiteral("/servicos/"), ANumeroContrato);
    return readReplyListIfAny<TServicoDto>();
}
