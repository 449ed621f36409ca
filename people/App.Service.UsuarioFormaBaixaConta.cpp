#include "App.Service.UsuarioFormaBaixaConta.h"

TUsuarioFormaBaixaContaService::TUsuarioFormaBaixaContaService()
    : TBaseService(QStringLiteral("TUsuarioFormaBaixaContaService"))
{ }

std::optional<TObjectList<TUsuarioFormaBaixaContaDto>>
TUsuarioFormaBaixaContaService::fillUsuarioFormaBaixaConta(std::int64_t AIdUsuario)
{
    return findListByParent<TUsuarioFormaBaixaContaDto>(QStringLiteral("usuario"), AIdUsuario);
}

std::unique_ptr<TUsuarioFormaBaixaContaDto>
TUsuarioFormaBaixaContaService::findFormaBaixaByIdConta(std::int64_t AIdConta)
{
    return findOne(QStringLiteral("/forma-baixa/"), AIdConta);
}

std::unique_ptr<TUsuarioFormaBaixaContaDto>
TUsuarioFormaBaixaContaService::findIdContaByFormaBaixa(std::int64_t AListaFormaPagamento)
{
    return findOne(QStringLiteral("/conta/"), AListaFormaPagamento);
}

std::unique_ptr<TUsuarioFormaBaixaContaDto>
TUsuarioFormaBaixaContaService::findOne(const QString &APath, std::int64_t AId)
{
    ClearRequest();
    ExecuteGet(ResourceName() + APath + QString::number(AId),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    if (StatusCode() == 304)
        return nullptr;
    return readReplyObject<TUsuarioFormaBaixaContaDto>();
}
