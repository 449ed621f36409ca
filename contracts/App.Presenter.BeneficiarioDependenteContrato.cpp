#include "App.Presenter.BeneficiarioDependenteContrato.h"

#include "App.Lib.ItemControl.h"

#include "Edit.h"
#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TBeneficiarioDependenteContratoPresenter)

TBeneficiarioDependenteContratoPresenter::TBeneficiarioDependenteContratoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TBeneficiarioDependenteContratoPresenter"),
                              { { "ID_DEPENDENTE_CONTRATO", 0, "0000000000" },
                                { "ID_PESSOA", 0, "0000000000" },
                                { "LISTA_PARENTESCO", 0, "0000000000" },
                                { "LISTA_MOTIVO", 0, "0000000000" },
                                { "PESSOA", 100 },
                                { "PERCENTUAL_PARTICIPACAO", 0, ",0.0000" },
                                { "DATA_INICIAL", 0, "dd/mm/yyyy" },
                                { "DATA_FINAL", 0, "dd/mm/yyyy" },
                                { "PARENTESCO", 100 },
                                { "MOTIVO", 100 } })
{ }

void TBeneficiarioDependenteContratoPresenter::loadRows()
{
    const auto rows = service().fillBeneficiarioDependenteContrato(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

QString TBeneficiarioDependenteContratoPresenter::GetFieldsSearch()
{
    return QStringLiteral("PESSOA;PARENTESCO;MOTIVO;DATA_INICIAL;DATA_FINAL");
}

void TBeneficiarioDependenteContratoPresenter::afterUpdateInfoRegistroFK()
{
    const std::pair<const char *, const char *> texts[] = { { "EditPessoa", "PESSOA" },
                                                            { "EditListaParentesco", "PARENTESCO" },
                                                            { "EditListaMotivo", "MOTIVO" } };
    for (const auto &[control, column] : texts) {
        const TItemControl *item = FindItemControl(QLatin1String(control));
        if (const auto *edit = item ? qobject_cast<const TEdit *>(item->Control()) : nullptr)
            DataSetInfo().FieldByName(QLatin1String(column))->SetAsString(edit->text());
    }
}
