#include "App.Presenter.Carteira.h"

#include "Common.ComplexPost.AlteracaoTituloCarteira.h"

ZUNTA_REGISTER_PRESENTER(TCarteiraPresenter)

TCarteiraPresenter::TCarteiraPresenter()
    : TCadastroPresenterOf(QStringLiteral("TCarteiraPresenter"),
                           { { "DESCRICAO", 100 },
                             { "COLABORADOR", 100 },
                             { "PREVISAO_CALCULO_FINANCEIRO", 0, "0000000000" },
                             { "IS_COBRADOR_EXTERNO_ATIVO" } })
{ }

void TCarteiraPresenter::AlteracaoTitulo(const TAlteracaoTituloCarteiraComplexPost &AComplexPost)
{
    service().postAlteracaoTitulo(AComplexPost);
}

std::unique_ptr<TSerializeObject> TCarteiraPresenter::getById(std::int64_t AId)
{
    return service().findById<TCarteiraEntity>(AId);
}

std::unique_ptr<TSerializeObject> TCarteiraPresenter::PostComplexService()
{
    TCarteiraComplexPost &body = *entity();
    AppendRemoveIds(ListRemoveBairroCarteira, *body.RemoveBairroCarteiras);
    AppendRemoveIds(ListRemoveColaboradorCarteira, *body.RemoveColaboradorCarteiras);
    AppendDataSetRows(DataSetColaboradorCarteira, *body.ColaboradorCarteiras);
    AppendDataSetRows(DataSetBairroCarteira, *body.BairroCarteiras);
    std::unique_ptr<TSerializeObject> saved;
    runOffMainThread([this, &body, &saved] { saved = service().postComplex(body); });
    return saved;
}

void TCarteiraPresenter::afterClear()
{
    TCadastroPresenterOf::afterClear();
    ListRemoveBairroCarteira.clear();
    ListRemoveColaboradorCarteira.clear();
}
