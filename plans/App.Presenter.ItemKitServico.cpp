#include "App.Presenter.ItemKitServico.h"

#include "App.Lib.ItemControl.h"

#include "Edit.h"
#include "FormatSettings.h"
#include "MemTable.h"
#include "SysUtils.h"

ZUNTA_REGISTER_PRESENTER(TItemKitServicoPresenter)

namespace {

const QString EditServicoKitName = QStringLiteral("EditServicoKit");

QString itemKitControlText(const TItemControl *AItemControl)
{
    const auto *edit
        = AItemControl ? qobject_cast<const TEdit *>(AItemControl->Control()) : nullptr;
    return edit ? edit->text() : QString();
}

} // namespace

TItemKitServicoPresenter::TItemKitServicoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TItemKitServicoPresenter"),
                              { { "ID_SERVICO" },
                                { "ID_SERVICO_KIT" },
                                { "LISTA_RELIGIAO" },
                                { "LISTA_STATUS" },
                                { "INDICE", 0, ",0.000" },
                                { "VALOR_BASE_SERVICO", 0, ",0.000" },
                                { "SERVICO", 100 },
                                { "RELIGIAO", 100 },
                                { "STATUS", 100 } })
{ }

QString TItemKitServicoPresenter::GetFieldsSearch()
{
    return QStringLiteral("ID_SERVICO;SERVICO;RELIGIAO;STATUS");
}

void TItemKitServicoPresenter::loadRows()
{
    const auto rows = service().fillItemKitServico(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TItemKitServicoPresenter::consistItemControlSave(TItemControl *AItemControl,
                                                      QStringList &AListError)
{
    if (!AItemControl || !AItemControl->Control()
        || AItemControl->Control()->objectName() != EditServicoKitName)
        return;
    TMemTable &table = DataSetInfo();
    if (!table.Active())
        return;
    const std::int64_t member = TUtils::StrEmptyToInt64(AItemControl->ValueControl());
    // Every row counts, whatever the list shows now.
    const bool filtered = table.Filtered();
    table.SetFiltered(false);
    bool taken = false;
    for (table.First(); !table.Eof() && !taken; table.Next())
        taken = table.FieldByName(QStringLiteral("ID_SERVICO_KIT"))->AsLargeInt() == member
            && table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt() != IdRegistro;
    table.SetFiltered(filtered);
    if (taken)
        AListError << Format(
            QStringLiteral("WARNING:Já existe um item %s e outro não pode ser inserido."),
            { itemKitControlText(AItemControl) });
}

void TItemKitServicoPresenter::afterUpdateInfoRegistroFK()
{
    TMemTable &table = DataSetInfo();
    const auto copyText = [this, &table](const char *AControl, const char *AColumn) {
        if (TItemControl *item = FindItemControl(QString::fromLatin1(AControl)))
            table.FieldByName(QString::fromLatin1(AColumn))->SetAsString(itemKitControlText(item));
    };
    copyText("EditServicoKit", "SERVICO");
    copyText("EditListaReligiao", "RELIGIAO");
    copyText("EditListaStatus", "STATUS");
    if (TItemControl *member = FindItemControl(EditServicoKitName)) {
        const QStringList parts = member->OtherInfo.split(u';');
        if (parts.size() == 2)
            table.FieldByName(QStringLiteral("VALOR_BASE_SERVICO"))
                ->SetAsFloat(TUtils::StrEmptyToFloat(parts.at(1)));
    }
}
