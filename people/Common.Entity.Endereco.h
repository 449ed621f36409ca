#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// One address of a person (or of a contract's holder): the street record carries postal code,
// neighbourhood, city and state; the address adds number, complement, type (system list
// "ENDERECO"), billing mark, coordinates and landmark.
class TEnderecoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TEnderecoEntity)

    std::int64_t IdPessoa = 0;
    std::int64_t IdLogradouro = 0;
    std::int64_t ListaEndereco = 0;
    QString Complemento;
    QString Numero;
    bool IsCobranca = false;
    double Latitude = 0;
    double Longitude = 0;
    QString PontoReferencia;
};
BOOST_DESCRIBE_STRUCT(TEnderecoEntity,
                      (TBaseEntity),
                      (IdPessoa,
                       IdLogradouro,
                       ListaEndereco,
                       Complemento,
                       Numero,
                       IsCobranca,
                       Latitude,
                       Longitude,
                       PontoReferencia))
