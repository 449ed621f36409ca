#include "App.Service.ColaboradorCarteira.h"

ZUNTA_REGISTER_SERVICE(TColaboradorCarteiraService)

TColaboradorCarteiraService::TColaboradorCarteiraService()
    : TBaseService(QStringLiteral("TColaboradorCarteiraService"))
{ }

std::optional<TObjectList<TColaboradorCarteiraDto>>
TColaboradorCarteiraService::fillColaboradorCarteira(std::int64_t AIdCarteira)
{
    return findListByParent<TColaboradorCarteiraDto>(QStringLiteral("carteira"), AIdCarteira);
}
