#include "App.Lib.CEP.h"

#include "App.Lib.Service.Connection.h"

#include "JsonValue.h"
#include "RestRequest.h"
#include "SysUtils.h"

#include <QUrl>

#include <boost/describe/members.hpp>
#include <boost/mp11/algorithm.hpp>

static_assert(TCEP::DefaultTimeOut == TRestRequest::DefaultTimeout);

namespace {

using TCEPMembers = boost::describe::describe_members<TCEP, boost::describe::mod_public>;

[[noreturn]] void raiseNaoLocalizadas()
{
    throw Exception(QStringLiteral("WARNING:Informações não localizadas."));
}

// A member as text: strings as they are, other scalars as their JSON text, null as nothing.
QString textOf(const TJsonValue &value)
{
    if (value.IsString())
        return value.AsString();
    if (!value || value.IsNull())
        return QString();
    return value.ToJson();
}

} // namespace

std::unique_ptr<TCEP> TCEP::Search(const QString &ACep, int ATimeOut)
{
    const QString baseUrl = TServiceConnection::GetInstance().BaseUrlApiCep();
    if (baseUrl.isEmpty())
        raiseNaoLocalizadas();

    TRestRequest request;
    request.SetBaseURL(baseUrl);
    // The code is a path segment: anything but digits must not change the address asked.
    request.SetResource(QStringLiteral("/ws/") + QString::fromLatin1(QUrl::toPercentEncoding(ACep))
                        + QStringLiteral("/json/"));
    request.SetTimeout(ATimeOut);
    std::shared_ptr<TRestResponse> response;
    try {
        response = request.Get();
    } catch (...) {
        raiseNaoLocalizadas();
    }
    if (!response)
        throw Exception(QStringLiteral("ERROR:Servidor indisponível no momento."));

    const TJsonValue reply
        = response->StatusCode == 200 ? TJsonValue::Parse(response->RawBytes) : TJsonValue();
    if (!reply.IsObject() || reply.Contains("erro"))
        throw Exception(Format(QStringLiteral("WARNING:A informação de %s não foi localizada."),
                               { QStringLiteral("CEP") }));
    // Members are matched to fields without regard to case, as every reply is read.
    const QStringList names = reply.Names();
    auto cep = std::make_unique<TCEP>();
    boost::mp11::mp_for_each<TCEPMembers>([&](auto member) {
        const QString field = QString::fromLatin1(member.name);
        for (const QString &name : names) {
            if (name.compare(field, Qt::CaseInsensitive) == 0) {
                (*cep).*member.pointer = textOf(reply.Value(name.toStdString()));
                break;
            }
        }
    });
    return cep;
}

TCEP &TCEP::Clear()
{
    boost::mp11::mp_for_each<TCEPMembers>([this](auto member) { (this->*member.pointer).clear(); });
    return *this;
}
