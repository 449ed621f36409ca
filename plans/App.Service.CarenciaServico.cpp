#include "App.Service.CarenciaServico.h"

#include "Common.Dto.CarenciaServico.h"

TCarenciaServicoService::TCarenciaServicoService()
    : TBaseService(QStringLiteral("TCarenciaServicoService"))
{ }

std::optional<TObjectList<TCarenciaServicoDto>>
TCarenciaServicoService::fillCarenciaServico(std::int64_t AIdServico)
{
    return findFirstPageOf<TCarenciaServicoDto>(QStringLiteral("/servico/")
                                                + QString::number(AIdServico));
}
