#include "App.Service.PlanoContasTitulo.h"

#include "Common.Dto.PlanoContasTitulo.h"

ZUNTA_REGISTER_SERVICE(TPlanoContasTituloService)

TPlanoContasTituloService::TPlanoContasTituloService()
    : TBaseService(QStringLiteral("TPlanoContasTituloService"))
{ }

std::optional<TObjectList<TPlanoContasTituloDto>>
TPlanoContasTituloService::fillPlanoContasTitulo(std::int64_t AIdTitulo)
{
    return findListByParent<TPlanoContasTituloDto>(QStringLiteral("titulo"), AIdTitulo);
}
