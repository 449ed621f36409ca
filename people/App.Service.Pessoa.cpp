#include "App.Service.Pessoa.h"

#include "Common.Entity.Pessoa.h"
#include "Common.Lib.JSON.h"

#include "SysUtils.h"

ZUNTA_REGISTER_SERVICE(TPessoaService)

TPessoaService::TPessoaService()
    : TBaseService(QStringLiteral("TPessoaService"))
{ }

void TPessoaService::BeforeRequest()
{
    TBaseService::BeforeRequest();
    SetTimeOut(PessoaTimeOut);
}

std::optional<TTitularAtual>
TPessoaService::findTitularAtualByDependente(std::int64_t AIdDependenteContrato)
{
    ClearRequest();
    SetTimeOut(TitularAtualTimeOut);
    ExecuteGet(ResourceName() + QStringLiteral("/titular-atual/")
                   + QString::number(AIdDependenteContrato),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    if (StatusCode() != 200)
        return std::nullopt;
    const TJsonValue &reply = ResponseJson();
    const QStringList flags = reply.Names();
    if (flags.size() != 1
        || (flags.first() != QLatin1String("true") && flags.first() != QLatin1String("false")))
        throw Exception(TDravikJson::StructureErrorText());
    TTitularAtual titular;
    titular.AtualizarParentesco = flags.first() == QLatin1String("true");
    titular.Pessoa
        = TDravikJson::JsonToObject<TPessoaEntity>(reply.Value(flags.first().toStdString()));
    return titular;
}
