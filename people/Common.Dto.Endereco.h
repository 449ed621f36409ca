#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One address of a person as the back end lists it: the address with the names of its street,
// neighbourhood, city, state and type.
class TEnderecoDto final : public TBaseDto
{
    ZUNTA_CLASS(TEnderecoDto)

    std::int64_t IdLogradouro = 0;
    std::int64_t ListaEndereco = 0;
    QString Complemento;
    QString Numero;
    QString Bairro;
    QString CodigoEndereco;
    QString Uf;
    QString Cep;
    QString Municipio;
    QString TipoEndereco;
    QString Endereco;
    bool IsCobranca = false;
    std::int64_t IdCarteira = 0;
    double Latitude = 0;
    double Longitude = 0;
    QString PontoReferencia;
};
BOOST_DESCRIBE_STRUCT(TEnderecoDto,
                      (TBaseDto),
                      (IdLogradouro,
                       ListaEndereco,
                       Complemento,
                       Numero,
                       Bairro,
                       CodigoEndereco,
                       Uf,
                       Cep,
                       Municipio,
                       TipoEndereco,
                       Endereco,
                       IsCobranca,
                       IdCarteira,
                       Latitude,
                       Longitude,
                       PontoReferencia))
