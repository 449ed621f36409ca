#include "App.Presenter.Colaborador.h"

#include "Common.Entity.Colaborador.h"

ZUNTA_REGISTER_PRESENTER(TColaboradorPresenter)

TColaboradorPresenter::TColaboradorPresenter()
    : TCadastroPresenterOf(QStringLiteral("TColaboradorPresenter"),
                           { { "COLABORADOR", 100 },
                             { "FUNCAO", 100 },
                             { "EMPRESA", 100 },
                             { "DATA_ADMISSAO", 0, "dd/mm/yyyy" },
                             { "DATA_DEMISSAO", 0, "dd/mm/yyyy" } })
{ }

std::unique_ptr<TSerializeObject> TColaboradorPresenter::getById(std::int64_t AId)
{
    return service().findById<TColaboradorEntity>(AId);
}

std::unique_ptr<TSerializeObject> TColaboradorPresenter::PostComplexService()
{
    TColaboradorComplexPost &body = *entity();
    AppendRemoveIds(ListRemoveColaboradorEmpresa, *body.RemoveColaboradorEmpresas);
    AppendDataSetRowsOf<TColaboradorEmpresaComplexPost>(
        DataSetColaboradorEmpresa,
        std::nullopt,
        *body.ColaboradorEmpresas,
        [this, &body](TColaboradorEmpresaComplexPost &AEmpresa, std::int64_t AIdRegistro) {
            // The back end removes history rows by id, whatever employment they belonged to.
            if (body.ColaboradorEmpresas->front().get() == &AEmpresa) {
                AppendRemoveIds(ListRemoveFuncaoColaboradorEmpresa,
                                *AEmpresa.RemoveFuncaoColaboradorEmpresas);
                AppendRemoveIds(ListRemoveEquipeColaboradorEmpresa,
                                *AEmpresa.RemoveEquipeColaboradorEmpresas);
            }
            AppendDataSetRowsOf(
                DataSetFuncaoColaboradorEmpresa, AIdRegistro, *AEmpresa.FuncaoColaboradorEmpresas);
            AppendDataSetRowsOf(
                DataSetEquipeColaboradorEmpresa, AIdRegistro, *AEmpresa.EquipeColaboradorEmpresas);
        });
    std::unique_ptr<TSerializeObject> saved;
    runOffMainThread([this, &body, &saved] { saved = service().postComplex(body); });
    return saved;
}

void TColaboradorPresenter::afterClear()
{
    TCadastroPresenterOf::afterClear();
    ListRemoveColaboradorEmpresa.clear();
    ListRemoveFuncaoColaboradorEmpresa.clear();
    ListRemoveEquipeColaboradorEmpresa.clear();
}
