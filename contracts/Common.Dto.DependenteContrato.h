#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One member of a contract as the member list and lookup show it. CodigoParentesco "01" is the
// holder; a DataBaixa of 0 means the member has not left.
class TDependenteContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TDependenteContratoDto)

    std::int64_t IdPessoa = 0;
    std::int64_t IdNumeroSorteio = 0;
    std::int64_t ListaParentesco = 0;
    std::int64_t ListaBaixaContrato = 0;
    TDateTime DataFiliacao;
    TDateTime DataBaixa;
    QString Pessoa;
    QString Parentesco;
    QString BaixaContrato;
    QString NumeroSorteio;
    bool IsEnviaEmail = false;
    QString CodigoParentesco;
    bool IsPoliticamenteExposto = false;
    TDateTime DataNascimento;
    int NumeroContrato = 0;
    int QuantidadeDependenteContrato = 0;
    bool IsJaCobrado = false;
    QString CpfCnpj;
    TDateTime DataInclusaoTitular;
    TDateTime DataValidadeCartao;
    bool IsEmCarencia = false;
    bool IsFalecido = false;
    bool ContemServicosAdicionais = false;
};
BOOST_DESCRIBE_STRUCT(TDependenteContratoDto,
                      (TBaseDto),
                      (IdPessoa,
                       IdNumeroSorteio,
                       ListaParentesco,
                       ListaBaixaContrato,
                       DataFiliacao,
                       DataBaixa,
                       Pessoa,
                       Parentesco,
                       BaixaContrato,
                       NumeroSorteio,
                       IsEnviaEmail,
                       CodigoParentesco,
                       IsPoliticamenteExposto,
                       DataNascimento,
                       NumeroContrato,
                       QuantidadeDependenteContrato,
                       IsJaCobrado,
                       CpfCnpj,
                       DataInclusaoTitular,
                       DataValidadeCartao,
                       IsEmCarencia,
                       IsFalecido,
                       ContemServicosAdicionais))
