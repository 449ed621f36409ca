#include "App.Presenter.CarenciaServico.h"

#include "App.Lib.ItemControl.h"

#include "Edit.h"
#include "MemTable.h"
#include "SysUtils.h"

ZUNTA_REGISTER_PRESENTER(TCarenciaServicoPresenter)

namespace {

const QString EditCarenciaName = QStringLiteral("EditCarencia");

} // namespace

TCarenciaServicoPresenter::TCarenciaServicoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TCarenciaServicoPresenter"),
                              { { "ID_CARENCIA", 0, "0000000000" },
                                { "CARENCIA", 100 },
                                { "CODIGO_TIPO", 0, "0000000000" },
                                { "TIPO", 100 } })
{ }

QString TCarenciaServicoPresenter::GetFieldsSearch()
{
    return QStringLiteral("ID_CARENCIA;CARENCIA;TIPO");
}

void TCarenciaServicoPresenter::loadRows()
{
    const auto rows = service().fillCarenciaServico(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TCarenciaServicoPresenter::consistItemControlSave(TItemControl *AItemControl,
                                                       QStringList &AListError)
{
    if (!AItemControl || !AItemControl->Control()
        || AItemControl->Control()->objectName() != EditCarenciaName)
        return;
    TMemTable &table = DataSetInfo();
    if (!table.Active())
        return;
    // The rows of every parent are compared, whatever the list shows now; the list's own filter
    // comes back afterwards.
    const QString listFilter = table.Filter();
    const bool listFiltered = table.Filtered();
    table.SetFiltered(false);
    table.SetFilter(QStringLiteral("TIPO = ") + QuotedFilterText(AItemControl->OtherInfo));
    table.SetFiltered(true);
    table.First();
    const bool taken = table.RecordCount() > 0
        && table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt() != IdRegistro;
    table.SetFiltered(false);
    table.SetFilter(listFilter);
    table.SetFiltered(listFiltered);
    if (taken)
        AListError << Format(
            QStringLiteral("WARNING:Já existe um item %s e outro não pode ser "
                           "inserido."),
            { QStringLiteral("de carência do tipo\r\n") + AItemControl->OtherInfo });
}

void TCarenciaServicoPresenter::afterUpdateInfoRegistroFK()
{
    TItemControl *carencia = FindItemControl(EditCarenciaName);
    if (!carencia)
        return;
    TMemTable &table = DataSetInfo();
    if (const auto *edit = qobject_cast<const TEdit *>(carencia->Control()))
        table.FieldByName(QStringLiteral("CARENCIA"))->SetAsString(edit->text());
    table.FieldByName(QStringLiteral("TIPO"))->SetAsString(carencia->OtherInfo);
}
