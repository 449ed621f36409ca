#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One webhook log of the reprocessing list: the notification it belongs to, its status and
// message, the notification as received (Json) and in this system's own form (JsonWrapper: a
// TWebhookPagamentoEletronico for log type "01", a TParcelaAppDto for "02"), the contract holder,
// the suggested solution and the user recorded with it.
class TStatusLogWebhookDto final : public TBaseDto
{
    ZUNTA_CLASS(TStatusLogWebhookDto)

    std::int64_t IdLogWebhook = 0;
    std::int64_t ListaStatus = 0;
    QString Mensagem;
    QString Status;
    QString JsonWrapper;
    QString Json;
    std::int64_t IdOwner = 0;
    TDateTime DataCadastro;
    QString TipoLog;
    std::int64_t ListaTipoLog = 0;
    QString CodigoTipoLog;
    QString NomeTitular;
    QString PossivelSolucao;
    QString Usuario;
};
BOOST_DESCRIBE_STRUCT(TStatusLogWebhookDto,
                      (TBaseDto),
                      (IdLogWebhook,
                       ListaStatus,
                       Mensagem,
                       Status,
                       JsonWrapper,
                       Json,
                       IdOwner,
                       DataCadastro,
                       TipoLog,
                       ListaTipoLog,
                       CodigoTipoLog,
                       NomeTitular,
                       PossivelSolucao,
                       Usuario))
