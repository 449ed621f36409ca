#include "App.Service.UnidadeFederativa.h"

#include "App.Service.Geografia.h"
#include "Common.Dto.UnidadeFederativa.h"

ZUNTA_REGISTER_SERVICE(TUnidadeFederativaService)

TUnidadeFederativaService::TUnidadeFederativaService()
    : TBaseService(QStringLiteral("TUnidadeFederativaService"))
{ }

std::unique_ptr<TBaseDto> TUnidadeFederativaService::FindBySigla(const QString &ASigla)
{
    return findGeografia<TUnidadeFederativaDto>(
        *this, QStringLiteral("/pesquisa-sigla/"), ASigla.toUpper());
}
