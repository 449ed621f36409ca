#include "App.Presenter.CarenciaPlano.h"

#include "App.Lib.ItemControl.h"

#include "MemTable.h"
#include "SysUtils.h"

ZUNTA_REGISTER_PRESENTER(TCarenciaPlanoPresenter)

TCarenciaPlanoPresenter::TCarenciaPlanoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TCarenciaPlanoPresenter"),
                              { { "ID_CARENCIA", 0, "0000000000" },
                                { "CARENCIA", 100 },
                                { "CODIGO_TIPO", 0, "0000000000" },
                                { "TIPO", 100 } })
{ }

QString TCarenciaPlanoPresenter::GetFieldsSearch()
{
    return QStringLiteral("ID_CARENCIA;CARENCIA;TIPO");
}

void TCarenciaPlanoPresenter::loadRows()
{
    const auto rows = service().fillCarenciaPlano(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TCarenciaPlanoPresenter::consistItemControlSave(TItemControl *AItemControl,
                                                     QStringList &AListError)
{
    if (!AItemControl || !AItemControl->Control()
        || AItemControl->Control()->objectName() != QLatin1String("EditCarencia"))
        return;
    TMemTable &table = DataSetInfo();
    if (!table.Active())
        return;
    // Every row is compared, whatever the list shows now; the list's own filter comes back.
    const TDataSetFilterKeeper keeper(table);
    table.SetFiltered(false);
    table.SetFilter(QStringLiteral("TIPO = ") + QuotedFilterText(AItemControl->OtherInfo));
    table.SetFiltered(true);
    table.First();
    const bool taken = table.RecordCount() > 0
        && table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt() != IdRegistro;
    if (taken)
        AListError << Format(
            QStringLiteral("WARNING:Já existe um item %s e outro não pode ser inserido."),
            { QStringLiteral("de carência do tipo\r\n") + AItemControl->OtherInfo });
}

void TCarenciaPlanoPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("CARENCIA"), QStringLiteral("EditCarencia"));
    fillColumnFromControl(QStringLiteral("TIPO"), QStringLiteral("EditCarencia"), true);
}
