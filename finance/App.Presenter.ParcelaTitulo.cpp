#include "App.Presenter.ParcelaTitulo.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.ValorTitulo.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TParcelaTituloPresenter)

TParcelaTituloPresenter::TParcelaTituloPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TParcelaTituloPresenter"),
                              { { "ID_TITULO", 0, "0000000000" },
                                { "PARCELA" },
                                { "NUMERO_DOCUMENTO", 30 },
                                { "VENCIMENTO", 0, "dd/mm/yyyy" },
                                { "VALOR", 0, ",0.00" },
                                { "CODIGO_BARRAS", 50 },
                                { "POSSUI_BAIXA" } })
{
    ManagerControls().ProcConsistSave = [this](QStringList &AErrors) {
        TMemTable &table = DataSetInfo();
        const TItemControl *id = FindItemControl(QStringLiteral("EditID"));
        if (!table.Active() || !id)
            return;
        const std::int64_t idParcela = TUtils::StrEmptyToInt64(id->ValueControl());
        if (idParcela == 0)
            return;
        TDataSetFilterKeeper keeper(table);
        table.SetFiltered(false);
        if (table.Locate(QStringLiteral("ID"), TFieldValue(idParcela))
            && table.FieldByName(QStringLiteral("POSSUI_BAIXA"))->AsInteger() == 1)
            AErrors.append(
                QStringLiteral("WARNING:A parcela possui baixa(s) e não pode ser alterada."));
    };
}

double TParcelaTituloPresenter::findValorInDataSet()
{
    return SomaValorTitulo(DataSetInfo());
}

QString TParcelaTituloPresenter::GetFieldsSearch()
{
    return QStringLiteral("PARCELA;NUMERO_DOCUMENTO;VENCIMENTO;VALOR");
}

void TParcelaTituloPresenter::loadRows()
{
    const auto rows = service().fillParcelaTitulo(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}
