#include "App.Presenter.Carencia.h"

#include "Common.Lib.Utils.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TCarenciaPresenter)

TCarenciaPresenter::TCarenciaPresenter()
    : TCadastroPresenterOf(QStringLiteral("TCarenciaPresenter"),
                           { { "DESCRICAO", 100 }, { "TIPO", 50 }, { "CODIGO_TIPO", 20 } })
{ }

std::unique_ptr<TSerializeObject> TCarenciaPresenter::PostComplexService()
{
    // The base has put the controls' values into a fresh body.
    TCarenciaComplexPost &body = *entity();
    for (const QString &id : std::as_const(ListRemoveItemCarencia))
        body.RemoveItemCarencias->push_back(TUtils::StrEmptyToInt64(id));

    if (DataSetItemCarencia && DataSetItemCarencia->Active()) {
        TMemTable &rows = *DataSetItemCarencia;
        // Every row counts, also those the item window's search hides.
        const bool filtered = rows.Filtered();
        rows.SetFiltered(false);
        try {
            for (rows.First(); !rows.Eof(); rows.Next()) {
                auto item = std::make_unique<TItemCarenciaEntity>();
                TUtils::fillDataSetToObject(rows, *item);
                body.ItemCarencias->push_back(std::move(item));
            }
        } catch (...) {
            rows.SetFiltered(filtered);
            throw;
        }
        rows.SetFiltered(filtered);
    }

    std::unique_ptr<TSerializeObject> saved;
    runOffMainThread([this, &body, &saved] { saved = service().postComplex(body); });
    return saved;
}

void TCarenciaPresenter::afterClear()
{
    TCadastroPresenterOf::afterClear();
    ListRemoveItemCarencia.clear();
}
