#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a single person: clients, suppliers and partners alike. The list ids name rows of
// the system lists "ESTADO_CIVIL", "SEXO", "NACIONALIDADE" and "TIPO_PESSOA"; Foto is the
// photo in its wire form (Base64 lines), empty when there is none.
class TPessoaEntity : public TBaseEntity
{
    ZUNTA_CLASS(TPessoaEntity)

    QString Nome;
    QString CpfCnpj;
    QString Pesquisa;
    std::int64_t ListaEstadoCivil = 0;
    TDateTime DataNascimento;
    QString Rg;
    std::int64_t ListaSexo = 0;
    std::int64_t ListaNacionalidade = 0;
    std::int64_t ListaTipoPessoa = 0;
    TSString Foto;
};
BOOST_DESCRIBE_STRUCT(TPessoaEntity,
                      (TBaseEntity),
                      (Nome,
                       CpfCnpj,
                       Pesquisa,
                       ListaEstadoCivil,
                       DataNascimento,
                       Rg,
                       ListaSexo,
                       ListaNacionalidade,
                       ListaTipoPessoa,
                       Foto))
