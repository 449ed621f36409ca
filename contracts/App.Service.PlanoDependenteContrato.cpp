#include "App.Service.PlanoDependenteContrato.h"

#include "Common.Dto.PlanoDependenteContrato.h"

ZUNTA_REGISTER_SERVICE(TPlanoDependenteContratoService)

TPlanoDependenteContratoService::TPlanoDependenteContratoService()
    : TBaseService(QStringLiteral("TPlanoDependenteContratoService"))
{ }

std::optional<TObjectList<TPlanoDependenteContratoDto>>
TPlanoDependenteContratoService::fillPlanoDependenteContrato(std::int64_t AId,
                                                             bool AByContrato,
                                                             bool AByPlanoPeriodo)
{
    const QString route = AByContrato ? QStringLiteral("/contrato/")
        : AByPlanoPeriodo             ? QStringLiteral("/plano-periodo-contrato/")
                                      : QStringLiteral("/dependente-contrato/");
    const QString path = ResourceName() + route + QString::number(AId);
    const auto readPage = [&](int APage) {
        ClearRequest();
        ExecuteGet(path, QString(), QString(), true, APage, LinkLimit, QString());
        return readReplyListIfAny<TPlanoDependenteContratoDto>();
    };
    std::optional<TObjectList<TPlanoDependenteContratoDto>> links = readPage(1);
    if (!links)
        return links;
    const int pages = TotalPages();
    for (int page = 2; page <= pages; ++page) {
        std::optional<TObjectList<TPlanoDependenteContratoDto>> more = readPage(page);
        if (!more || more->empty())
            break;
        for (auto &link : *more)
            links->push_back(std::move(link));
    }
    return links;
}
