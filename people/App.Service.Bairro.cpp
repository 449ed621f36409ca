#include "App.Service.Bairro.h"

#include "App.Service.Geografia.h"
#include "Common.Dto.Bairro.h"

ZUNTA_REGISTER_SERVICE(TBairroService)

TBairroService::TBairroService()
    : TBaseService(QStringLiteral("TBairroService"))
{ }

std::unique_ptr<TBaseDto> TBairroService::FindByBairroMunicipioUF(const QString &ABairro,
                                                                  const QString &AMunicipio,
                                                                  const QString &AUF)
{
    return findGeografia<TBairroDto>(*this,
                                     QStringLiteral("/pesquisa-bairro/"),
                                     (ABairro + u',' + AMunicipio + u',' + AUF).toUpper());
}
