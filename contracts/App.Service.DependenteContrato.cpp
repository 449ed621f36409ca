#include "App.Service.DependenteContrato.h"

#include "App.Lib.Service.Resultado.h"
#include "Common.ComplexPost.DependenteContrato.ValidadeCartao.h"
#include "Common.Dto.DependenteContrato.ValidadeCartao.h"
#include "Common.Dto.DependenteContrato.h"
#include "Common.Dto.FechamentoOrdemServico.h"
#include "Common.Lib.JSON.h"

#include "RestRequest.h"

ZUNTA_REGISTER_SERVICE(TDependenteContratoService)

TDependenteContratoService::TDependenteContratoService()
    : TBaseService(QStringLiteral("TDependenteContratoService"))
{ }

std::optional<TObjectList<TDependenteContratoDto>>
TDependenteContratoService::readDependentes(const QString &APath, const QString &ASearch)
{
    ExecuteGet(ResourceName() + APath, ASearch, QString(), true, 1, DependenteLimit, QString());
    return readReplyListIfAny<TDependenteContratoDto>();
}

std::optional<TObjectList<TDependenteContratoDto>> TDependenteContratoService::fillDependenteAtivo(
    std::int64_t AIdContrato, bool AIsFilterFaixaEtaria, const QString &ASearch)
{
    ClearRequest();
    Request().AddParameter(QStringLiteral("is-filter-faixa-etaria"),
                           AIsFilterFaixaEtaria ? QStringLiteral("-1") : QStringLiteral("0"));
    return readDependentes(QStringLiteral("/ativo/") + QString::number(AIdContrato), ASearch);
}

std::optional<TObjectList<TDependenteContratoDto>>
TDependenteContratoService::fillDependenteContrato(std::int64_t AIdContrato)
{
    ClearRequest();
    return readDependentes(QStringLiteral("/contrato/") + QString::number(AIdContrato), QString());
}

std::optional<TObjectList<TDependenteContratoDto>>
TDependenteContratoService::fillDependenteContratoByPlano(std::int64_t AIdContrato,
                                                          std::int64_t AIdPlano)
{
    ClearRequest();
    return readDependentes(QStringLiteral("/contrato/") + QString::number(AIdContrato)
                               + QStringLiteral("/plano/") + QString::number(AIdPlano),
                           QString());
}

std::unique_ptr<TFechamentoOrdemServicoDto>
TDependenteContratoService::findDependenteIsTitular(std::int64_t AIdPessoa)
{
    ClearRequest();
    SetTimeOut(ConsultaTimeOut);
    ExecuteGet(ResourceName() + QStringLiteral("/is-titular/") + QString::number(AIdPessoa),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    if (StatusCode() != 200)
        raiseReply();
    return readReplyObject<TFechamentoOrdemServicoDto>();
}

std::optional<TObjectList<TValidadeCartaoDependenteContratoDto>>
TDependenteContratoService::findValidadeCartao(const TListInt64 &AIdsDependenteContrato)
{
    if (AIdsDependenteContrato.empty())
        return std::nullopt;
    ClearRequest();
    SetTimeOut(ConsultaTimeOut);
    ExecuteGet(ResourceName() + QStringLiteral("/validade-cartao"),
               QString(),
               QString(),
               true,
               1,
               100,
               TDravikJson::ListInt64ToJson(AIdsDependenteContrato));
    return readReplyListIfAny<TValidadeCartaoDependenteContratoDto>();
}

void TDependenteContratoService::postValidadeCartao(
    const TValidadeCartaoDependenteContratoComplexPost &AValidade)
{
    ClearRequest();
    SetTimeOut(ValidadeCartaoTimeOut);
    Request().AddBody(TDravikJson::ObjectToJson(AValidade), QStringLiteral("application/json"));
    ExecutePost(ResourceName() + QStringLiteral("/validade-cartao"));
    TServiceResultado::RaiseUnless200(*this);
}

bool TDependenteContratoService::AtualizarNumerosSorteioFaltantes()
{
    ClearRequest();
    SetTimeOut(ConsultaTimeOut);
    ExecutePost(ResourceName() + QStringLiteral("/numero-sorteio"));
    return TServiceResultado::ShowResultado(*this, false);
}
