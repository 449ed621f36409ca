#pragma once

#include "Common.Base.Serialize.h"

// The webhook configuration the payment API holds for an integration, as the back end reads it
// from the API.
class TConfiguracaoPagamentoEletronico final : public TSerializeObject
{
    ZUNTA_CLASS(TConfiguracaoPagamentoEletronico)

    QString Email;
    bool Habilitado = false;
    bool Interrompido = false;
    QString Url;
    QString VersaoApi;
    QString TokenAutenticacao;
    QString Nome;
    QString Id;
};
BOOST_DESCRIBE_STRUCT(
    TConfiguracaoPagamentoEletronico,
    (TSerializeObject),
    (Email, Habilitado, Interrompido, Url, VersaoApi, TokenAutenticacao, Nome, Id))
