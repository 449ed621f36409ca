#include "App.Presenter.Comissao.h"

ZUNTA_REGISTER_PRESENTER(TComissaoPresenter)

TComissaoPresenter::TComissaoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TComissaoPresenter"), { { "DESCRICAO", 100 } })
{ }

std::unique_ptr<TSerializeObject> TComissaoPresenter::getById(std::int64_t AId)
{
    return service().findById<TComissaoEntity>(AId);
}

std::unique_ptr<TSerializeObject> TComissaoPresenter::PostComplexService()
{
    TComissaoComplexPost &body = *entity();
    AppendRemoveIds(ListRemoveFaixaHorarioComissao, *body.RemoveFaixaHorarioComissaos);
    AppendDataSetRowsOf<TFaixaHorarioComissaoComplexPost>(
        m_dataSetFaixaHorarioComissao,
        std::nullopt,
        *body.FaixaHorarioComissaos,
        [this, &body](TFaixaHorarioComissaoComplexPost &AFaixaHorario, std::int64_t AIdRegistro) {
            if (body.FaixaHorarioComissaos->size() == 1)
                AppendRemoveIds(ListRemoveFaixaComissao, *AFaixaHorario.RemoveFaixaComissaos);
            AppendDataSetRowsOf(m_dataSetFaixaComissao, AIdRegistro, *AFaixaHorario.FaixaComissaos);
        });
    std::unique_ptr<TSerializeObject> saved;
    runOffMainThread([this, &body, &saved] { saved = service().postComplex(body); });
    return saved;
}

void TComissaoPresenter::afterClear()
{
    ListRemoveFaixaHorarioComissao.clear();
    ListRemoveFaixaComissao.clear();
}
