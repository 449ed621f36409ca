#include "App.Presenter.Equipe.h"

#include "Common.Entity.Equipe.h"

ZUNTA_REGISTER_PRESENTER(TEquipePresenter)

TEquipePresenter::TEquipePresenter()
    : TCadastroPresenterOf(QStringLiteral("TEquipePresenter"), { { "DESCRICAO", 100 } })
{ }

std::unique_ptr<TSerializeObject> TEquipePresenter::getById(std::int64_t AId)
{
    return service().findById<TEquipeEntity>(AId);
}

std::unique_ptr<TSerializeObject> TEquipePresenter::PostComplexService()
{
    TEquipeComplexPost &body = *entity();
    AppendRemoveIds(ListRemoveColaboradorEquipe, *body.RemoveColaboradorEquipes);
    AppendDataSetRows(DataSetColaboradorEquipe, *body.ColaboradorEquipes);
    std::unique_ptr<TSerializeObject> saved;
    runOffMainThread([this, &body, &saved] { saved = service().postComplex(body); });
    return saved;
}

void TEquipePresenter::afterClear()
{
    TCadastroPresenterOf::afterClear();
    ListRemoveColaboradorEquipe.clear();
}
