#include "App.Service.ValorServico.h"

#include "Common.Dto.ValorServico.h"

TValorServicoService::TValorServicoService()
    : TBaseService(QStringLiteral("TValorServicoService"))
{ }

std::optional<TObjectList<TValorServicoDto>>
TValorServicoService::fillValorServico(std::int64_t AIdServico)
{
    return findFirstPageOf<TValorServicoDto>(QStringLiteral("/servico/")
                                             + QString::number(AIdServico));
}
