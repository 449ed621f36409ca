#include "App.Presenter.Seguradora.h"

ZUNTA_REGISTER_PRESENTER(TSeguradoraPresenter)

TSeguradoraPresenter::TSeguradoraPresenter()
    : TCadastroPresenterOf(QStringLiteral("TSeguradoraPresenter"),
                           { { "ID_PESSOA", 0, "0000000000" },
                             { "CODIGO_CONTRATO", 30 },
                             { "CODIGO_CLIENTE_CAPITALIZACAO", 0, "0000" },
                             { "DATA_CONTRATO", 0, "dd/mm/yyyy" },
                             { "SEGURADORA", 100 },
                             { "DATA_ULTIMA_TROCA", 0, "dd/mm/yyyy" } })
{ }

std::unique_ptr<TSerializeObject> TSeguradoraPresenter::PostComplexService()
{
    // The base has put the controls' values into a fresh body.
    TSeguradoraComplexPost &body = *entity();
    AppendRemoveIds(ListRemovePlanoSeguradora, *body.RemovePlanoSeguradoras);
    AppendDataSetRows(DataSetPlanoSeguradora, *body.PlanoSeguradoras);

    std::unique_ptr<TSerializeObject> saved;
    runOffMainThread([this, &body, &saved] { saved = service().postComplex(body); });
    return saved;
}

void TSeguradoraPresenter::afterClear()
{
    TCadastroPresenterOf::afterClear();
    ListRemovePlanoSeguradora.clear();
}
