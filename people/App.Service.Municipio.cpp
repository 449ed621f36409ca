#include "App.Service.Municipio.h"

#include "App.Service.Geografia.h"
#include "Common.Dto.Municipio.h"
#include "Common.Entity.Municipio.h"

ZUNTA_REGISTER_SERVICE(TMunicipioService)

TMunicipioService::TMunicipioService()
    : TBaseService(QStringLiteral("TMunicipioService"))
{ }

std::unique_ptr<TBaseDto> TMunicipioService::FindByMunicipioUF(const QString &AMunicipio,
                                                               const QString &AUF)
{
    return findGeografia<TMunicipioDto>(
        *this, QStringLiteral("/pesquisa-municipio/"), (AMunicipio + u',' + AUF).toUpper());
}

std::unique_ptr<TMunicipioEntity> TMunicipioService::FindByIdEmpresa(std::int64_t AIdEmpresa)
{
    return findGeografia<TMunicipioEntity>(
        *this, QStringLiteral("/empresa/") + QString::number(AIdEmpresa), QString());
}

std::unique_ptr<TMunicipioEntity> TMunicipioService::FindByIdPessoa(std::int64_t AIdPessoa)
{
    return findGeografia<TMunicipioEntity>(
        *this, QStringLiteral("/pessoa/") + QString::number(AIdPessoa), QString());
}
