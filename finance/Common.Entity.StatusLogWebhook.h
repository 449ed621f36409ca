#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A webhook log's status as the client sends it: only as the body of the cancellation of one
// log's reprocessing (its id and the reason in Mensagem).
class TStatusLogWebhookEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TStatusLogWebhookEntity)

    std::int64_t IdLogWebhook = 0;
    std::int64_t ListaStatus = 0;
    QString Mensagem;
};
BOOST_DESCRIBE_STRUCT(TStatusLogWebhookEntity, (TBaseEntity), (IdLogWebhook, ListaStatus, Mensagem))
