#include "App.Presenter.PerfilPermissao.h"

#include "App.Presenter.FormularioPerfilPermissao.h"

#include "Common.Lib.Utils.h"
#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TPerfilPermissaoPresenter)

TPerfilPermissaoPresenter::TPerfilPermissaoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TPerfilPermissaoPresenter"), { { "DESCRICAO", 50 } })
{ }

std::unique_ptr<TSerializeObject> TPerfilPermissaoPresenter::PostComplexService()
{
    TPerfilPermissaoComplexPost &body = *entity();
    if (m_listRemoveFormulario) {
        for (std::int64_t id : TUtils::convertStringListToIntList(*m_listRemoveFormulario))
            body.RemoveFormularioPerfilPermissaos->push_back(id);
    }
    if (m_dataSetFormulario && m_dataSetFormulario->Active()) {
        TMemTable &table = *m_dataSetFormulario;
        // Every window counts, whatever the window shows; the window's filter is put back after.
        const bool filtered = table.Filtered();
        table.SetFiltered(false);
        const auto &flags = TFormularioPerfilPermissaoPresenter::FlagColumns();
        table.First();
        while (!table.Eof()) {
            bool ticked = false;
            for (const QString &flag : flags)
                ticked = ticked || table.FieldByName(flag)->AsBoolean();
            if (ticked || table.FieldByName(QStringLiteral("ID"))->AsLargeInt() != 0) {
                auto row = std::make_unique<TFormularioPerfilPermissaoEntity>();
                SetObjectFromDataSet(row.get(), &table);
                body.FormularioPerfilPermissaos->push_back(std::move(row));
            }
            table.Next();
        }
        table.SetFiltered(filtered);
    }
    std::unique_ptr<TSerializeObject> saved;
    runOffMainThread([this, &saved] { saved = service().postComplex(*entity()); });
    return saved;
}
