#include "App.Presenter.ModeloComissao.h"

ZUNTA_REGISTER_PRESENTER(TModeloComissaoPresenter)

TModeloComissaoPresenter::TModeloComissaoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TModeloComissaoPresenter"), { { "DESCRICAO", 100 } })
{ }

std::unique_ptr<TSerializeObject> TModeloComissaoPresenter::getById(std::int64_t AId)
{
    return service().findById<TModeloComissaoEntity>(AId);
}

std::unique_ptr<TSerializeObject> TModeloComissaoPresenter::PostComplexService()
{
    TModeloComissaoComplexPost &body = *entity();
    AppendRemoveIds(ListRemoveComissaoFuncao, *body.RemoveComissaoFuncaos);
    // The back end removes types and instalment bands by id, whatever row of the body carries
    // them; the first function without types must not take the removed bands with it.
    bool faixasRemovidasEnviadas = false;
    AppendDataSetRowsOf<TComissaoFuncaoComplexPost>(
        m_dataSetComissaoFuncao,
        std::nullopt,
        *body.ComissaoFuncaos,
        [&](TComissaoFuncaoComplexPost &AFuncao, std::int64_t AIdRegistroFuncao) {
            if (body.ComissaoFuncaos->size() == 1)
                AppendRemoveIds(ListRemoveTipoComissaoFuncao, *AFuncao.RemoveTipoComissaoFuncaos);
            AppendDataSetRowsOf<TTipoComissaoFuncaoComplexPost>(
                m_dataSetTipoComissaoFuncao,
                AIdRegistroFuncao,
                *AFuncao.TipoComissaoFuncaos,
                [&](TTipoComissaoFuncaoComplexPost &ATipo, std::int64_t AIdRegistroTipo) {
                    if (!faixasRemovidasEnviadas) {
                        AppendRemoveIds(ListRemoveFaixaParcelaTipoComissao,
                                        *ATipo.RemoveFaixaParcelaTipoComissaos);
                        faixasRemovidasEnviadas = true;
                    }
                    AppendDataSetRowsOf(m_dataSetFaixaParcelaTipoComissao,
                                        AIdRegistroTipo,
                                        *ATipo.FaixaParcelaTipoComissaos);
                });
        });
    std::unique_ptr<TSerializeObject> saved;
    runOffMainThread([this, &body, &saved] { saved = service().postComplex(body); });
    return saved;
}

void TModeloComissaoPresenter::afterClear()
{
    ListRemoveComissaoFuncao.clear();
    ListRemoveTipoComissaoFuncao.clear();
    ListRemoveFaixaParcelaTipoComissao.clear();
}
