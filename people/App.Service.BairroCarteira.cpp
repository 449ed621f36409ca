#include "App.Service.BairroCarteira.h"

ZUNTA_REGISTER_SERVICE(TBairroCarteiraService)

TBairroCarteiraService::TBairroCarteiraService()
    : TBaseService(QStringLiteral("TBairroCarteiraService"))
{ }

std::optional<TObjectList<TBairroCarteiraDto>>
TBairroCarteiraService::fillBairroCarteira(std::int64_t AIdCarteira)
{
    return findListByParent<TBairroCarteiraDto>(QStringLiteral("carteira"), AIdCarteira);
}

std::optional<TObjectList<TBairroCarteiraDto>>
TBairroCarteiraService::fillBairroCarteiraByColaborador(std::int64_t AIdColaborador)
{
    return findListByParent<TBairroCarteiraDto>(QStringLiteral("colaborador"), AIdColaborador);
}
