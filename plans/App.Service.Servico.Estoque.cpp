#include "App.Service.Servico.Estoque.h"

#include "Common.Dto.Servico.Estoque.h"

TServicoEstoqueService::TServicoEstoqueService()
    : TBaseService(QStringLiteral("TServicoEstoqueService"))
{ }

std::optional<TObjectList<TServicoEstoqueDto>>
TServicoEstoqueService::fillServicoEstoque(std::int64_t AIdServico, int APage, int ALimit)
{
    ClearRequest();
    ExecuteGet(ResourceName() + u'/' + QString::number(AIdServico),
               QString(),
               QString(),
               true,
               APage,
               ALimit,
               QString());
    if (StatusCode() == 304)
        return std::nullopt;
    const std::vector<TJsonValue> rows = readReply()[std::string_view("listHelper")].Elements();
    if (rows.size() == 1 && rows.front().IsNull())
        return std::nullopt;
    return readReplyPage<TServicoEstoqueDto>();
}
