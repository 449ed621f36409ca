#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// A row of the title list: one instalment together with its title's data. Id is the title's id,
// IdParcelaTitulo the instalment's; DataBaixa is 0 for an instalment without settlement.
class TTituloDto final : public TBaseDto
{
    ZUNTA_CLASS(TTituloDto)

    std::int32_t ParcelaTitulo = 0;
    double ValorParcela = 0;
    double Valor = 0;
    QString Descricao;
    QString TipoDocumento;
    TDateTime Vencimento;
    QString Empresa;
    QString Favorecido;
    QString NumeroDocumentoParcela;
    TDateTime Data;
    QString NumeroDocumento;
    std::int64_t ListaTipoTitulo = 0;
    QString CodigoTipoTitulo;
    QString TipoTitulo;
    std::int64_t IdParcelaTitulo = 0;
    TDateTime DataBaixa;
    double ValorBaixa = 0;
    std::int32_t PossuiBaixaTotal = 0;
    std::int64_t IdCarteira = 0;
};
BOOST_DESCRIBE_STRUCT(TTituloDto,
                      (TBaseDto),
                      (ParcelaTitulo,
                       ValorParcela,
                       Valor,
                       Descricao,
                       TipoDocumento,
                       Vencimento,
                       Empresa,
                       Favorecido,
                       NumeroDocumentoParcela,
                       Data,
                       NumeroDocumento,
                       ListaTipoTitulo,
                       CodigoTipoTitulo,
                       TipoTitulo,
                       IdParcelaTitulo,
                       DataBaixa,
                       ValorBaixa,
                       PossuiBaixaTotal,
                       IdCarteira))
