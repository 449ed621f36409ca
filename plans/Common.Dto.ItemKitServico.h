#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One member of a kit with the member's description, religion, status and base value.
class TItemKitServicoDto final : public TBaseDto
{
    ZUNTA_CLASS(TItemKitServicoDto)

    std::int64_t IdServico = 0;
    std::int64_t IdServicoKit = 0;
    std::int64_t ListaReligiao = 0;
    std::int64_t ListaStatus = 0;
    double Indice = 0;
    QString Servico;
    QString Religiao;
    QString Status;
    double ValorBaseServico = 0;
};
BOOST_DESCRIBE_STRUCT(TItemKitServicoDto,
                      (TBaseDto),
                      (IdServico,
                       IdServicoKit,
                       ListaReligiao,
                       ListaStatus,
                       Indice,
                       Servico,
                       Religiao,
                       Status,
                       ValorBaseServico))
