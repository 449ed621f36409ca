#include "App.Service.FaixaComissao.h"

ZUNTA_REGISTER_SERVICE(TFaixaComissaoService)

TFaixaComissaoService::TFaixaComissaoService()
    : TBaseService(QStringLiteral("TFaixaComissaoService"))
{ }

std::optional<TObjectList<TFaixaComissaoDto>>
TFaixaComissaoService::fillFaixaComissao(std::int64_t AIdComissao)
{
    return findListByParent<TFaixaComissaoDto>(QStringLiteral("comissao"), AIdComissao);
}
