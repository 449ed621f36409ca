#include "App.Service.FaixaParcelaTipoComissao.h"

ZUNTA_REGISTER_SERVICE(TFaixaParcelaTipoComissaoService)

TFaixaParcelaTipoComissaoService::TFaixaParcelaTipoComissaoService()
    : TBaseService(QStringLiteral("TFaixaParcelaTipoComissaoService"))
{ }

std::optional<TObjectList<TFaixaParcelaTipoComissaoDto>>
TFaixaParcelaTipoComissaoService::fillFaixaParcelaTipoComissao(std::int64_t AIdModeloComissao)
{
    return findListByParent<TFaixaParcelaTipoComissaoDto>(QStringLiteral("modelo-comissao"),
                                                          AIdModeloComissao);
}
