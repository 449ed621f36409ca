#include "App.Presenter.AssinaturaContratoIntegracao.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TAssinaturaContratoIntegracaoPresenter)

TAssinaturaContratoIntegracaoPresenter::TAssinaturaContratoIntegracaoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TAssinaturaContratoIntegracaoPresenter"),
                              { { "ID_PESSOA_INTEGRACAO_API", 0, "0000000000" },
                                { "LISTA_STATUS_GERAL", 0, "0000000000" },
                                { "STATUS_GERAL", 100 },
                                { "CODIGO_STATUS_GERAL", 10 },
                                { "CODIGO_ASSINATURA_INTEGRACAO", 100 },
                                { "TOKEN_CARTAO_CREDITO", 100 } })
{ }

void TAssinaturaContratoIntegracaoPresenter::loadRows()
{
    const auto rows = service().fillAssinaturaContratoIntegracao(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TAssinaturaContratoIntegracaoPresenter::CreateExtraFields()
{
    // The card typed for a subscription: no list row carries it.
    TMemTable &table = DataSetInfo();
    const std::pair<const char *, int> columns[] = { { "TOKEN_INTEGRACAO_API", 100 },
                                                     { "BASE_URL", 100 },
                                                     { "CODIGO_API_FINANCEIRA", 100 },
                                                     { "NOME_IMPRESSO_CARTAO", 200 },
                                                     { "NUMERO_CARTAO", 100 },
                                                     { "MES_EXPIRACAO_CARTAO", 100 },
                                                     { "ANO_EXPIRACAO_CARTAO", 100 },
                                                     { "CODIGO_SEGURANCA_CARTAO", 100 } };
    for (const auto &[name, size] : columns)
        table.AddField(QLatin1String(name), TFieldType::String, size);
}

QString TAssinaturaContratoIntegracaoPresenter::GetFieldsSearch()
{
    return QStringLiteral("STATUS_GERAL;CODIGO_ASSINATURA_INTEGRACAO;");
}

void TAssinaturaContratoIntegracaoPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("STATUS_GERAL"), QStringLiteral("EditListaStatusGeral"));
    fillColumnFromControl(
        QStringLiteral("CODIGO_STATUS_GERAL"), QStringLiteral("EditListaStatusGeral"), true);
}
