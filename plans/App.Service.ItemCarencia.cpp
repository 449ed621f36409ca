#include "App.Service.ItemCarencia.h"

#include "Common.Dto.ItemCarencia.h"

ZUNTA_REGISTER_SERVICE(TItemCarenciaService)

TItemCarenciaService::TItemCarenciaService()
    : TBaseService(QStringLiteral("TItemCarenciaService"))
{ }

std::optional<TObjectList<TItemCarenciaDto>>
TItemCarenciaService::fillItemCarencia(std::int64_t AIdCarencia)
{
    ClearRequest();
    ExecuteGet(ResourceName() + QStringLiteral("/carencia/") + QString::number(AIdCarencia),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    return readReplyPage<TItemCarenciaDto>();
}
