#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One contract of the contract list and lookup, as the back end fills it: the holder, plan,
// portfolio, address and state of the contract; also the element of the collection-order body.
class TContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TContratoDto)

    int Codigo = 0;
    int DiaVencimento = 0;
    QString Titular;
    std::int64_t IdTitular = 0;
    std::int64_t IdPlanoSeguradora = 0;
    QString TipoPlanoSeguradora;
    TDateTime DataContrato;
    QString Plano;
    QString Carteira;
    QString Telefone;
    QString FormaRecebimento;
    std::int64_t ListaFormaRecebimento = 0;
    QString Aviso;
    int QuantidadeDependenteAtivo = 0;
    TDateTime DataFinalContrato;
    std::int64_t IdPlanoPeriodoContrato = 0;
    QString Vendedor;
    TDateTime UltimaDataRecebida;
    int OrdemCobranca = 0;
    int OrdemColaborador = 0;
    QString Logradouro;
    QString Bairro;
    QString Uf;
    QString Numero;
    QString Municipio;
    std::int64_t IdEmpresa = 0;
    QString Observacao;
    std::int64_t IdCarteira = 0;
    TDateTime HorarioCobranca;
    bool IsQuitado = false;
    bool IsCancelado = false;
    int DiasParcelasEmAberto = 0;
    bool IsEmCarencia = false;
    bool IsTitularFalecido = false;
    bool IsSuspenso = false;
    bool ContemIntegracao = false;
};
BOOST_DESCRIBE_STRUCT(TContratoDto,
                      (TBaseDto),
                      (Codigo,
                       DiaVencimento,
                       Titular,
                       IdTitular,
                       IdPlanoSeguradora,
                       TipoPlanoSeguradora,
                       DataContrato,
                       Plano,
                       Carteira,
                       Telefone,
                       FormaRecebimento,
                       ListaFormaRecebimento,
                       Aviso,
                       QuantidadeDependenteAtivo,
                       DataFinalContrato,
                       IdPlanoPeriodoContrato,
                       Vendedor,
                       UltimaDataRecebida,
                       OrdemCobranca,
                       OrdemColaborador,
                       Logradouro,
                       Bairro,
                       Uf,
                       Numero,
                       Municipio,
                       IdEmpresa,
                       Observacao,
                       IdCarteira,
                       HorarioCobranca,
                       IsQuitado,
                       IsCancelado,
                       DiasParcelasEmAberto,
                       IsEmCarencia,
                       IsTitularFalecido,
                       IsSuspenso,
                       ContemIntegracao))
