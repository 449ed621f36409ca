#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One row of the person list as the back end fills it: the person, a contract of theirs, their
// main address and main contact.
class TPessoaDto final : public TBaseDto
{
    ZUNTA_CLASS(TPessoaDto)

    QString Nome;
    QString CpfCnpj;
    QString Pesquisa;
    TDateTime DataNascimento;
    std::int32_t NumeroContrato = 0;
    std::int32_t QuantidadeParcelasAbertasAvulsas = 0;
    std::int32_t QuantidadeParcelasAbertasContrato = 0;
    std::int64_t IdCarteira = 0;
    bool DependenteAtivo = false;
    QString Plano;
    QString Parentesco;
    bool ExisteTitulosVinculados = false;
    QString TipoPessoa;
    std::int64_t ListaTipoPessoa = 0;
    QString CodigoTipoPessoa;
    QString Logradouro;
    QString Bairro;
    QString Numero;
    TSString Foto;
    QString Complemento;
    QString TipoContato;
    QString Internet;
    QString Telefone;
    double BaseCalculoCarencia = 0;
};
BOOST_DESCRIBE_STRUCT(TPessoaDto,
                      (TBaseDto),
                      (Nome,
                       CpfCnpj,
                       Pesquisa,
                       DataNascimento,
                       NumeroContrato,
                       QuantidadeParcelasAbertasAvulsas,
                       QuantidadeParcelasAbertasContrato,
                       IdCarteira,
                       DependenteAtivo,
                       Plano,
                       Parentesco,
                       ExisteTitulosVinculados,
                       TipoPessoa,
                       ListaTipoPessoa,
                       CodigoTipoPessoa,
                       Logradouro,
                       Bairro,
                       Numero,
                       Foto,
                       Complemento,
                       TipoContato,
                       Internet,
                       Telefone,
                       BaseCalculoCarencia))
