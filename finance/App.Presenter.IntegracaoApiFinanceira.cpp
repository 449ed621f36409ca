#include "App.Presenter.IntegracaoApiFinanceira.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TIntegracaoApiFinanceiraPresenter)

TIntegracaoApiFinanceiraPresenter::TIntegracaoApiFinanceiraPresenter()
    : TCadastroPresenterOf(QStringLiteral("TIntegracaoApiFinanceiraPresenter"),
                           { { "LISTA_TIPO_API_FINANCEIRA", 0, "0000000000" },
                             { "TIPO_API_FINANCEIRA", 100 },
                             { "CODIGO_API_FINANCEIRA", 10 },
                             { "CODIGO_INTEGRACAO_FINANCEIRA", 300 },
                             { "LISTA_STATUS_GERAL", 0, "0000000000" },
                             { "TIPO_VALOR_JUROS", 100 },
                             { "EMAIL", 150 },
                             { "TIPO_VALOR_DESCONTO", 100 },
                             { "TIPO_VALOR_MULTA", 100 },
                             { "STATUS_GERAL", 100 },
                             { "DESCRICAO", 100 },
                             { "BASE_URL", 200 },
                             { "LOGIN", 50 },
                             { "SENHA", 50 },
                             { "TOKEN", 100 },
                             { "VALOR_JUROS", 0, ",0.0000" },
                             { "VALOR_DESCONTO", 0, ",0.0000" },
                             { "VALOR_MULTA", 0, ",0.0000" },
                             { "URL_WEBHOOK", 1000 },
                             { "VERSAO_API_WEBHOOK", 10 },
                             { "TOKEN_WEBHOOK", 1000 } })
{ }

std::unique_ptr<TConfiguracaoPagamentoEletronico>
TIntegracaoApiFinanceiraPresenter::GetRecuperarConfiguracao(std::int64_t AId)
{
    return service().GetRecuperarConfiguracao(AId);
}

void TIntegracaoApiFinanceiraPresenter::PostConfiguracao(std::int64_t AId, bool AAtivar)
{
    service().PostConfiguracao(AId, AAtivar);
}

QString TIntegracaoApiFinanceiraPresenter::AtualizarNotificacoes(std::int64_t AId,
                                                                 bool AHabilitar,
                                                                 bool ASomenteAtivos)
{
    return service().PostNotificacao(AId, AHabilitar, ASomenteAtivos);
}

void TIntegracaoApiFinanceiraPresenter::CreateExtraFields()
{
    // How each value counts, by its list row's id, which the list row does not carry.
    for (const char *name :
         { "LISTA_TIPO_VALOR_JUROS", "LISTA_TIPO_VALOR_DESCONTO", "LISTA_TIPO_VALOR_MULTA" })
        DataSetInfo()
            .AddField(QLatin1String(name), TFieldType::LargeInt)
            ->SetDisplayFormat(QStringLiteral("0000000000"));
}
