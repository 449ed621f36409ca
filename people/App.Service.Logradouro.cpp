#include "App.Service.Logradouro.h"

#include "App.Service.Geografia.h"
#include "Common.Dto.Logradouro.h"

ZUNTA_REGISTER_SERVICE(TLogradouroService)

TLogradouroService::TLogradouroService()
    : TBaseService(QStringLiteral("TLogradouroService"))
{ }

std::unique_ptr<TBaseDto> TLogradouroService::FindByCep(const QString &ACep)
{
    return findGeografia<TLogradouroDto>(*this, QStringLiteral("/pesquisa-logradouro/"), ACep);
}
