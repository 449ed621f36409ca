#include "App.Service.ComissaoFuncao.h"

ZUNTA_REGISTER_SERVICE(TComissaoFuncaoService)

TComissaoFuncaoService::TComissaoFuncaoService()
    : TBaseService(QStringLiteral("TComissaoFuncaoService"))
{ }

std::optional<TObjectList<TComissaoFuncaoDto>>
TComissaoFuncaoService::fillComissaoFuncao(std::int64_t AIdModeloComissao)
{
    return findListByParent<TComissaoFuncaoDto>(QStringLiteral("modelo-comissao"),
                                                AIdModeloComissao);
}
