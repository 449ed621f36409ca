#include "App.Service.Endereco.h"

#include "Common.Dto.Endereco.h"

ZUNTA_REGISTER_SERVICE(TEnderecoService)

TEnderecoService::TEnderecoService()
    : TBaseService(QStringLiteral("TEnderecoService"))
{ }

std::optional<TObjectList<TEnderecoDto>> TEnderecoService::fillEndereco(std::int64_t AIdPessoa)
{
    ClearRequest();
    ExecuteGet(ResourceName() + QStringLiteral("/pessoa/") + QString::number(AIdPessoa),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    return readReplyPage<TEnderecoDto>();
}
