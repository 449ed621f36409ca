#include "App.Service.EquipeColaboradorEmpresa.h"

ZUNTA_REGISTER_SERVICE(TEquipeColaboradorEmpresaService)

TEquipeColaboradorEmpresaService::TEquipeColaboradorEmpresaService()
    : TBaseService(QStringLiteral("TEquipeColaboradorEmpresaService"))
{ }

std::optional<TObjectList<TEquipeColaboradorEmpresaDto>>
TEquipeColaboradorEmpresaService::fillEquipeColaboradorEmpresa(std::int64_t AIdColaborador)
{
    return findListByParent<TEquipeColaboradorEmpresaDto>(QStringLiteral("colaborador"),
                                                          AIdColaborador);
}
