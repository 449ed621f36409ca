#include "App.Service.TipoComissaoFuncao.h"

ZUNTA_REGISTER_SERVICE(TTipoComissaoFuncaoService)

TTipoComissaoFuncaoService::TTipoComissaoFuncaoService()
    : TBaseService(QStringLiteral("TTipoComissaoFuncaoService"))
{ }

std::optional<TObjectList<TTipoComissaoFuncaoDto>>
TTipoComissaoFuncaoService::fillTipoComissaoFuncao(std::int64_t AIdModeloComissao)
{
    return findListByParent<TTipoComissaoFuncaoDto>(QStringLiteral("modelo-comissao"),
                                                    AIdModeloComissao);
}
