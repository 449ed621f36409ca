#include "App.Service.ParcelaTitulo.h"

#include "Common.Dto.ParcelaTitulo.h"
#include "Common.Lib.JSON.h"

#include "RestRequest.h"
#include "SysUtils.h"

ZUNTA_REGISTER_SERVICE(TParcelaTituloService)

const QString &TParcelaTituloService::ParcelaBaixaClassName()
{
    static const QString name = QStringLiteral("TParcelaBaixaDto");
    return name;
}

TParcelaTituloService::TParcelaTituloService()
    : TBaseService(QStringLiteral("TParcelaTituloService"))
{ }

std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
TParcelaTituloService::readParcelasBaixa(const QString &APath, const QString &ABody)
{
    const TClassInfo *row = TClassRegistry::FindClass(ParcelaBaixaClassName());
    if (!row) {
        throw Exception(Format(QStringLiteral("WARNING:A leitura das parcelas em aberto não está "
                                              "disponível: a classe %s não está registrada."),
                               { ParcelaBaixaClassName() }));
    }
    ExecuteGet(ResourceName() + APath, QString(), QString(), true, 1, ParcelasBaixaLimit, ABody);
    return readReplyListIfAny(*row);
}

std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
TParcelaTituloService::fillParcelasBaixa(const TListInt64 &AList)
{
    ClearRequest();
    return readParcelasBaixa(QStringLiteral("/parcela-baixa"), TDravikJson::ListInt64ToJson(AList));
}

std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
TParcelaTituloService::fillParcelasBaixa(std::int64_t AIdContrato, bool ASomenteAteMesVigente)
{
    ClearRequest();
    Request().AddParameter(QStringLiteral("somente-ate-o-mes-vigente"),
                           ASomenteAteMesVigente ? QStringLiteral("-1") : QStringLiteral("0"));
    return readParcelasBaixa(QStringLiteral("/parcela-baixa/") + QString::number(AIdContrato),
                             QString());
}

std::optional<TObjectList<TParcelaTituloDto>>
TParcelaTituloService::fillParcelaTitulo(std::int64_t AIdTitulo)
{
    return findListByParent<TParcelaTituloDto>(QStringLiteral("titulo"), AIdTitulo);
}
