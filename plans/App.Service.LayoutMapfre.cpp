#include "App.Service.LayoutMapfre.h"

#include "FormatSettings.h"
#include "SysUtils.h"

ZUNTA_REGISTER_SERVICE(TLayoutMapfreService)

TLayoutMapfreService::TLayoutMapfreService()
    : TBaseService(QStringLiteral("TLayoutMapfreService"))
{ }

template<class T>
std::optional<TObjectList<T>> TLayoutMapfreService::readRowsAt(const QString &APath)
{
    ClearRequest();
    ExecuteGet(ResourceName() + APath, QString(), QString(), false, 1, 100, QString());
    return readReplyPage<T>();
}

std::optional<TObjectList<TLayoutMapfreNewDto>>
TLayoutMapfreService::fillLayoutMapfreNew(std::int64_t AIdLoteEnvioSeguradora)
{
    return readRowsAt<TLayoutMapfreNewDto>(QStringLiteral("/new/")
                                           + QString::number(AIdLoteEnvioSeguradora));
}

std::optional<TObjectList<TLayoutMapfrePagDto>>
TLayoutMapfreService::fillLayoutMapfrePag(std::int64_t AIdLoteEnvioSeguradora)
{
    return readRowsAt<TLayoutMapfrePagDto>(QStringLiteral("/pag/")
                                           + QString::number(AIdLoteEnvioSeguradora));
}

std::optional<TObjectList<TLayoutMapfreSitDto>>
TLayoutMapfreService::fillLayoutMapfreSit(std::int64_t AIdLoteEnvioSeguradora)
{
    return readRowsAt<TLayoutMapfreSitDto>(QStringLiteral("/sit/")
                                           + QString::number(AIdLoteEnvioSeguradora));
}

std::optional<TObjectList<TLayoutMapfreExcelDto>>
TLayoutMapfreService::fillLayoutMapfreExcel(TDateTime AData)
{
    return readRowsAt<TLayoutMapfreExcelDto>(QStringLiteral("/excel/") + DateToStr(AData));
}

int TLayoutMapfreService::findQuantidadeNumerosSorteio()
{
    ClearRequest();
    ExecuteGet(ResourceName() + QStringLiteral("/quantidade-numeros-sorteio"),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    if (StatusCode() >= 400)
        raiseReply();
    const QString body = ResponseContent().trimmed();
    bool ok = false;
    const int quantidade = body.toInt(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(body));
    return quantidade;
}
