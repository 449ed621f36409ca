#include "App.Presenter.PlanoSeguradora.h"

#include "App.Lib.ItemControl.h"

#include "Edit.h"
#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TPlanoSeguradoraPresenter)

TPlanoSeguradoraPresenter::TPlanoSeguradoraPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TPlanoSeguradoraPresenter"),
                              { { "ID_PLANO", 0, "0000000000" },
                                { "LISTA_TIPO_SORTEIO", 0, "0000000000" },
                                { "LISTA_TIPO_PLANO", 0, "0000000000" },
                                { "CODIGO_PLANO", 30 },
                                { "CODIGO_PLANO_CAPITALIZACAO", 0, "0000" },
                                { "PERCENTUAL_IOF", 0, ",0.0000" },
                                { "APOLICE_ACIDENTE", 50 },
                                { "APOLICE_DECESSO", 50 },
                                { "PLANO", 100 } })
{ }

void TPlanoSeguradoraPresenter::loadRows()
{
    const std::optional<TObjectList<TPlanoSeguradoraDto>> rows
        = service().fillPlanoSeguradora(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

QString TPlanoSeguradoraPresenter::GetFieldsSearch()
{
    return QStringLiteral(
        "ID_PLANO;CODIGO_PLANO;CODIGO_PLANO_CAPITALIZACAO;PLANO;APOLICE_ACIDENTE;APOLICE_DECESSO");
}

void TPlanoSeguradoraPresenter::afterUpdateInfoRegistroFK()
{
    const TItemControl *plano = FindItemControl(QStringLiteral("EditPlano"));
    if (const auto *edit = plano ? qobject_cast<const TEdit *>(plano->Control()) : nullptr)
        DataSetInfo().FieldByName(QStringLiteral("PLANO"))->SetAsString(edit->text());
}
