#include "App.Service.FaixaHorarioComissao.h"

ZUNTA_REGISTER_SERVICE(TFaixaHorarioComissaoService)

TFaixaHorarioComissaoService::TFaixaHorarioComissaoService()
    : TBaseService(QStringLiteral("TFaixaHorarioComissaoService"))
{ }

std::optional<TObjectList<TFaixaHorarioComissaoDto>>
TFaixaHorarioComissaoService::fillFaixaHorarioComissao(std::int64_t AIdComissao)
{
    return findListByParent<TFaixaHorarioComissaoDto>(QStringLiteral("comissao"), AIdComissao);
}
