#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One contact of a person as the back end lists it, with the code and description of its type.
class TContatoDto final : public TBaseDto
{
    ZUNTA_CLASS(TContatoDto)

    std::int64_t ListaTipoContato = 0;
    QString Telefone;
    QString Internet;
    QString CodigoTipoContato;
    QString TipoContato;
    bool IsMensageiro = false;
    bool IsCobranca = false;
    QString Descricao;
    QString SenhaWeb;
};
BOOST_DESCRIBE_STRUCT(TContatoDto,
                      (TBaseDto),
                      (ListaTipoContato,
                       Telefone,
                       Internet,
                       CodigoTipoContato,
                       TipoContato,
                       IsMensageiro,
                       IsCobranca,
                       Descricao,
                       SenhaWeb))
