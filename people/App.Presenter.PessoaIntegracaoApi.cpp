#include "App.Presenter.PessoaIntegracaoApi.h"

#include "App.Lib.ItemControl.h"

#include "Edit.h"
#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TPessoaIntegracaoApiPresenter)

TPessoaIntegracaoApiPresenter::TPessoaIntegracaoApiPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TPessoaIntegracaoApiPresenter"),
                              { { "ID_INTEGRACAO_API_FINANCEIRA", 0, "0000000000" },
                                { "ID_MOTIVO", 0, "0000000000" },
                                { "CODIGO_CLIENTE_INTEGRACAO_API", 100 },
                                { "DATA_INICIAL", 0, "dd/mm/yyyy" },
                                { "DATA_FINAL", 0, "dd/mm/yyyy" },
                                { "MOTIVO", 100 } })
{ }

void TPessoaIntegracaoApiPresenter::loadRows()
{
    const std::optional<TObjectList<TPessoaIntegracaoApiDto>> rows
        = service().fillPessoaIntegracaoApi(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TPessoaIntegracaoApiPresenter::CreateExtraFields()
{
    // The integration's name, which the listed link does not carry.
    DataSetInfo().AddField(QStringLiteral("INTEGRACAO_API_FINANCEIRA"), TFieldType::String, 100);
}

QString TPessoaIntegracaoApiPresenter::GetFieldsSearch()
{
    return QStringLiteral("CODIGO_CLIENTE_INTEGRACAO_API;DATA_INICIAL;DATA_FINAL");
}

void TPessoaIntegracaoApiPresenter::afterUpdateInfoRegistroFK()
{
    for (const auto &[control, column] :
         { std::pair { "EditIntegracaoApiFinanceira", "INTEGRACAO_API_FINANCEIRA" },
           std::pair { "EditMotivo", "MOTIVO" } }) {
        const TItemControl *item = FindItemControl(QLatin1String(control));
        if (const auto *edit = item ? qobject_cast<const TEdit *>(item->Control()) : nullptr)
            DataSetInfo().FieldByName(QLatin1String(column))->SetAsString(edit->text());
    }
}
