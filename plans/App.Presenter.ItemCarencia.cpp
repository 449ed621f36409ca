#include "App.Presenter.ItemCarencia.h"

#include "App.Lib.ItemControl.h"

#include "Edit.h"
#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TItemCarenciaPresenter)

TItemCarenciaPresenter::TItemCarenciaPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TItemCarenciaPresenter"),
                              { { "LISTA_PARENTESCO", 0, "0000000000" },
                                { "CODIGO", 20 },
                                { "DESCRICAO", 100 },
                                { "FAIXA_ETARIA", 0, ",0" },
                                { "DIAS_CARENCIA" },
                                { "PERCENTUAL", 0, ",0.0000" },
                                { "NOME_CARENCIA", 100 } })
{ }

void TItemCarenciaPresenter::loadRows()
{
    const std::optional<TObjectList<TItemCarenciaDto>> rows
        = service().fillItemCarencia(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TItemCarenciaPresenter::CreateExtraFields()
{
    // The rule's type, which the item row alone does not carry.
    DataSetInfo().AddField(QStringLiteral("TIPO_CARENCIA"), TFieldType::String, 100);
    DataSetInfo().AddField(QStringLiteral("CODIGO_TIPO_CARENCIA"), TFieldType::String, 10);
}

QString TItemCarenciaPresenter::GetFieldsSearch()
{
    return QStringLiteral("DESCRICAO;CODIGO;FAIXA_ETARIA;DIAS_CARENCIA;PERCENTUAL");
}

void TItemCarenciaPresenter::afterUpdateInfoRegistroFK()
{
    const TItemControl *parentesco = FindItemControl(QStringLiteral("EditListaParentesco"));
    if (const auto *edit
        = parentesco ? qobject_cast<const TEdit *>(parentesco->Control()) : nullptr)
        DataSetInfo().FieldByName(QStringLiteral("DESCRICAO"))->SetAsString(edit->text());
}
