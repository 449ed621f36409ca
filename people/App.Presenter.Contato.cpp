#include "App.Presenter.Contato.h"

#include "App.Lib.ItemControl.h"

#include "Edit.h"
#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TContatoPresenter)

TContatoPresenter::TContatoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TContatoPresenter"),
                              { { "LISTA_TIPO_CONTATO", 0, "0000000000" },
                                { "TIPO_CONTATO", 100 },
                                { "CODIGO_TIPO_CONTATO", 30 },
                                { "TELEFONE", 20 },
                                { "INTERNET", 150 },
                                { "IS_MENSAGEIRO" },
                                { "IS_COBRANCA" },
                                { "DESCRICAO", 150 } })
{ }

void TContatoPresenter::loadRows()
{
    const std::optional<TObjectList<TContatoDto>> rows = service().fillContato(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

QString TContatoPresenter::GetFieldsSearch()
{
    return QStringLiteral("TIPO_CONTATO;TELEFONE;INTERNET");
}

void TContatoPresenter::afterUpdateInfoRegistroFK()
{
    const TItemControl *tipo = FindItemControl(QStringLiteral("EditListaTipoContato"));
    if (const auto *edit = tipo ? qobject_cast<const TEdit *>(tipo->Control()) : nullptr)
        DataSetInfo().FieldByName(QStringLiteral("TIPO_CONTATO"))->SetAsString(edit->text());
}
