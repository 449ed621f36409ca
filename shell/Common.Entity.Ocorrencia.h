#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a manual occurrence: a user's text about one record. The back end writes every
// other occurrence itself.
class TOcorrenciaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TOcorrenciaEntity)

    std::int64_t IdObjeto = 0;
    QString NomeClasse;
    QString Operacao;
    std::int32_t StatusCode = 0;
    QString BodyRequisicao;
    QString ContentResposta;
    QString OcorrenciaManual;
    bool IsOcorrenciaManual = false;
};
BOOST_DESCRIBE_STRUCT(TOcorrenciaEntity,
                      (TBaseEntity),
                      (IdObjeto,
                       NomeClasse,
                       Operacao,
                       StatusCode,
                       BodyRequisicao,
                       ContentResposta,
                       OcorrenciaManual,
                       IsOcorrenciaManual))
