#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A funeral-assistance contract: its number, due day, way of receipt, portfolio, company and
// place in the collection orders. Its children travel in TContratoComplexPost.
class TContratoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TContratoEntity)

    std::int64_t IdCarteira = 0;
    int Codigo = 0;
    int DiaVencimento = 0;
    std::int64_t ListaFormaRecebimento = 0;
    QString Aviso;
    QString Observacao;
    std::int64_t IdEmpresa = 0;
    int OrdemCobranca = 0;
    int OrdemColaborador = 0;
    TDateTime HorarioCobranca;
};
BOOST_DESCRIBE_STRUCT(TContratoEntity,
                      (TBaseEntity),
                      (IdCarteira,
                       Codigo,
                       DiaVencimento,
                       ListaFormaRecebimento,
                       Aviso,
                       Observacao,
                       IdEmpresa,
                       OrdemCobranca,
                       OrdemColaborador,
                       HorarioCobranca))
