#include "App.Lib.Service.Resultado.h"

#include "App.Base.Service.h"
#include "App.Lib.Utils.h"

#include "SysUtils.h"

namespace {

// A reply with nothing but blanks says nothing either.
bool resultadoReplyIsEmpty(const TBaseService &service)
{
    return service.ResponseContent().trimmed().isEmpty();
}

} // namespace

const QString &TServiceResultado::ProblemaText()
{
    static const QString text = QStringLiteral(
        "ERROR:Houve um problema e não foi possível retornar a requisição solicitada.");
    return text;
}

bool TServiceResultado::ShowResultado(const TBaseService &AService, bool AShowReply)
{
    if (AService.StatusCode() == 200) {
        TAppUtils::MessageSystem(QStringLiteral("SUCCESSOperação realizada com sucesso."));
        return true;
    }
    TAppUtils::MessageSystem(AShowReply && !resultadoReplyIsEmpty(AService) ? AService.replyMessage()
                                                                           : ProblemaText());
    return false;
}

void TServiceResultado::RaiseUnless200(const TBaseService &AService)
{
    if (AService.StatusCode() == 200)
        return;
    throw Exception(resultadoReplyIsEmpty(AService) ? ProblemaText() : AService.replyMessage());
}
