#include "App.Service.ListaSistema.h"

#include "Common.Dto.ListaSistema.h"

ZUNTA_REGISTER_SERVICE(TListaSistemaService)

TListaSistemaService::TListaSistemaService()
    : TBaseService(QStringLiteral("TListaSistemaService"))
{ }

std::int64_t TListaSistemaService::GetListaSistemaByCodigoTipo(const QString &ACodigo,
                                                               const QString &ATipo)
{
    ClearRequest();
    // The trailing "/" is the back end's list address for this resource.
    ExecuteGet(ResourceName() + u'/', ACodigo, ATipo, true, 1, 100, QString());
    const std::optional<TObjectList<TListaSistemaDto>> rows = readReplyPage<TListaSistemaDto>();
    if (!rows)
        return 0;
    // The back end's search may also match the code inside other texts (a description, a
    // longer code), so the row taken is the first whose code is the one asked.
    for (const auto &row : *rows)
        if (ACodigo.isEmpty() || row->Codigo == ACodigo)
            return row->Id;
    return 0;
}
