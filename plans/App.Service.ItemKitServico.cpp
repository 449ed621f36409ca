#include "App.Service.ItemKitServico.h"

#include "Common.Dto.ItemKitServico.h"

TItemKitServicoService::TItemKitServicoService()
    : TBaseService(QStringLiteral("TItemKitServicoService"))
{ }

std::optional<TObjectList<TItemKitServicoDto>>
TItemKitServicoService::fillItemKitServico(std::int64_t AIdServico)
{
    return findFirstPageOf<TItemKitServicoDto>(QStringLiteral("/servico/")
                                               + QString::number(AIdServico));
}
