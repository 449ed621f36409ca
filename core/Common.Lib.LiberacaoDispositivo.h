#pragma once

#include "Common.Base.Serialize.h"

#include <cstdint>

// The record that releases a mobile device: company, user, web-service address and access
// token, and for a contract member's own app access the contract and the member. Never sent to
// the back end: its JSON text is shown as a QR code the device reads.
class TLiberacaoDispositivo final : public TSerializeObject
{
    ZUNTA_CLASS(TLiberacaoDispositivo)

    std::int64_t IdEmpresa = 0;
    QString Empresa;
    std::int64_t IdUsuario = 0;
    QString Usuario;
    QString UrlBase;
    QString Token;
    std::int64_t IdAssociado = 0;
    QString LoginAssociado;
    QString NomeAssociado;
    std::int32_t NumeroContrato = 0;
    std::int64_t IdContrato = 0;
    QString CpfAssociado;
    QString Logo;
    QString CnpjEmpresa;
    QString CorBarra;
    QString LayoutCartaoDesconto;
    QString CorTelaInicial;

    // The text the QR code carries: every member, with plain "/" where JSON text writes "\/".
    QString QrText() const;
};
BOOST_DESCRIBE_STRUCT(TLiberacaoDispositivo,
                      (TSerializeObject),
                      (IdEmpresa,
                       Empresa,
                       IdUsuario,
                       Usuario,
                       UrlBase,
                       Token,
                       IdAssociado,
                       LoginAssociado,
                       NomeAssociado,
                       NumeroContrato,
                       IdContrato,
                       CpfAssociado,
                       Logo,
                       CnpjEmpresa,
                       CorBarra,
                       LayoutCartaoDesconto,
                       CorTelaInicial))
