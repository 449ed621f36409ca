#include "App.Service.Endereco.h"

#include "Common.Dto.Endereco.h"

ZUNTA_REGISTER_SERVICE(TEnderecoService)

TEnderecoService::TEnderecoService()
    : TBaseService(QStringLiteral("TEnderecoService"))
{ }

std::optional<TObjectList<TEnderecoDto>> TEnderecoService::fillEndereco(std::int64_t AIdPessoa)
{
    return findListByParent<TEnderecoDto>(QStringLiteral("pessoa"), AIdPessoa);
}
