#include "App.Presenter.StatusLogWebhook.h"

#include "App.Interf.Service.LogProcessamento.h"
#include "Common.Lib.Utils.h"

#include "SysUtils.h"

ZUNTA_REGISTER_PRESENTER(TStatusLogWebhookPresenter)

TStatusLogWebhookPresenter::TStatusLogWebhookPresenter()
    : TCadastroPresenterOf(QStringLiteral("TStatusLogWebhookPresenter"),
                           { { "ID_OWNER", 0, "0000000000" },
                             { "DATA_CADASTRO", 0, "dd/mm/yyyy" },
                             { "ID_LOG_WEBHOOK", 0, "0000000000" },
                             { "LISTA_STATUS", 0, "0000000000" },
                             { "STATUS", 100 },
                             { "USUARIO", 100 },
                             { "MENSAGEM", 200 },
                             { "JSON", 0 },
                             { "JSON_WRAPPER", 0 },
                             { "LISTA_TIPO_LOG", 0, "0000000000" },
                             { "CODIGO_TIPO_LOG", 100 },
                             { "TIPO_LOG", 200 },
                             { "NOME_TITULAR", 200 },
                             { "POSSIVEL_SOLUCAO", 200 } })
{ }

void TStatusLogWebhookPresenter::cancelamentoReprocessamento(std::int64_t AId,
                                                             const QString &AJustificativa)
{
    TStatusLogWebhookService().cancelamentoReprocessamento(AId, AJustificativa);
}

void TStatusLogWebhookPresenter::reprocessarParcelas()
{
    TStatusLogWebhookService().reprocessarParcelas();
}

QString TStatusLogWebhookPresenter::getMensagemStatusReprocessamento()
{
    const QString classe = QStringLiteral("TLogProcessamentoService");
    std::unique_ptr<TBaseService> service = TBaseService::CreateService(classe);
    auto *log = dynamic_cast<ILogProcessamentoService *>(service.get());
    if (!log)
        throw Exception(Format(QStringLiteral("WARNING:O estado do reprocessamento não está "
                                              "disponível: a classe %s não está registrada."),
                               { classe }));
    return log->getMensagemStatusReprocessamento();
}
