#include "App.Service.ColaboradorEquipe.h"

ZUNTA_REGISTER_SERVICE(TColaboradorEquipeService)

TColaboradorEquipeService::TColaboradorEquipeService()
    : TBaseService(QStringLiteral("TColaboradorEquipeService"))
{ }

std::optional<TObjectList<TColaboradorEquipeDto>>
TColaboradorEquipeService::fillColaboradorEquipe(std::int64_t AIdEquipe)
{
    return findListByParent<TColaboradorEquipeDto>(QStringLiteral("equipe"), AIdEquipe);
}
