#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// One contact of a person: a phone number (digits only) or an e-mail address or URL, its type
// (system list "TIPO_CONTATO") and marks.
class TContatoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TContatoEntity)

    std::int64_t IdPessoa = 0;
    std::int64_t ListaTipoContato = 0;
    QString Telefone;
    QString Internet;
    bool IsMensageiro = false;
    bool IsCobranca = false;
    QString Descricao;
    QString SenhaWeb;
};
BOOST_DESCRIBE_STRUCT(
    TContatoEntity,
    (TBaseEntity),
    (IdPessoa, ListaTipoContato, Telefone, Internet, IsMensageiro, IsCobranca, Descricao, SenhaWeb))
