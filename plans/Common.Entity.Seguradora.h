#pragma once

#include "Common.Base.Entity.h"
#include "DateTime.h"

#include <cstdint>

// The body of an insurer: the person taken on as insurer, its contract data, the client code it
// gave the company for capitalisation titles and the SFTP access the insurer files travel by.
// PasswordFtp holds the password in the system's credential encoding.
class TSeguradoraEntity : public TBaseEntity
{
    ZUNTA_CLASS(TSeguradoraEntity)

    std::int64_t IdPessoa = 0;
    QString CodigoContrato;
    int CodigoClienteCapitalizacao = 0;
    TDateTime DataContrato;
    int DiaBaseRepasse = 0;
    QString HostFtp;
    QString LoginFtp;
    QString PasswordFtp;
    int PortFtp = 0;
    TDateTime DataUltimaTroca;
};
BOOST_DESCRIBE_STRUCT(TSeguradoraEntity,
                      (TBaseEntity),
                      (IdPessoa,
                       CodigoContrato,
                       CodigoClienteCapitalizacao,
                       DataContrato,
                       DiaBaseRepasse,
                       HostFtp,
                       LoginFtp,
                       PasswordFtp,
                       PortFtp,
                       DataUltimaTroca))
