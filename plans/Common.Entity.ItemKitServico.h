#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A member of a kit: the member service, the religion (system list "RELIGIAO") and status
// ("STATUS_GERAL") it applies to, and the index that scales the member's base value.
class TItemKitServicoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TItemKitServicoEntity)

    std::int64_t IdServico = 0; // the kit
    std::int64_t IdServicoKit = 0; // the member
    std::int64_t ListaReligiao = 0;
    std::int64_t ListaStatus = 0;
    double Indice = 0;
};
BOOST_DESCRIBE_STRUCT(TItemKitServicoEntity,
                      (TBaseEntity),
                      (IdServico, IdServicoKit, ListaReligiao, ListaStatus, Indice))
