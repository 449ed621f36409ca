#include "App.Service.Contato.h"

#include "Common.Dto.Contato.h"

ZUNTA_REGISTER_SERVICE(TContatoService)

TContatoService::TContatoService()
    : TBaseService(QStringLiteral("TContatoService"))
{ }

std::optional<TObjectList<TContatoDto>> TContatoService::fillContato(std::int64_t AIdPessoa)
{
    ClearRequest();
    ExecuteGet(ResourceName() + QStringLiteral("/pessoa/") + QString::number(AIdPessoa),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    return readReplyPage<TContatoDto>();
}
