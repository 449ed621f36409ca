#include "App.Service.Contato.h"

#include "Common.Dto.Contato.h"

ZUNTA_REGISTER_SERVICE(TContatoService)

TContatoService::TContatoService()
    : TBaseService(QStringLiteral("TContatoService"))
{ }

std::optional<TObjectList<TContatoDto>> TContatoService::fillContato(std::int64_t AIdPessoa)
{
    return findListByParent<TContatoDto>(QStringLiteral("pessoa"), AIdPessoa);
}
