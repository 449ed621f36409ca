#include "App.Service.EmpresaTitulo.h"

#include "Common.Dto.EmpresaTitulo.h"

ZUNTA_REGISTER_SERVICE(TEmpresaTituloService)

TEmpresaTituloService::TEmpresaTituloService()
    : TBaseService(QStringLiteral("TEmpresaTituloService"))
{ }

std::optional<TObjectList<TEmpresaTituloDto>>
TEmpresaTituloService::fillEmpresaTitulo(std::int64_t AIdTitulo)
{
    return findListByParent<TEmpresaTituloDto>(QStringLiteral("titulo"), AIdTitulo);
}
