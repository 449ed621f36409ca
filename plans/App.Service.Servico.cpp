#include "App.Service.Servico.h"

#include "Common.Dto.Servico.h"

ZUNTA_REGISTER_SERVICE(TServicoService)

TServicoService::TServicoService()
    : TBaseService(QStringLiteral("TServicoService"))
{ }

std::optional<TObjectList<TServicoDto>> TServicoService::findAllByServicoKit(std::int64_t AId)
{
    return findFirstPageOf<TServicoDto>(QStringLiteral("/servico-kit/") + QString::number(AId));
}
