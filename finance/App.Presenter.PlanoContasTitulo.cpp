#include "App.Presenter.PlanoContasTitulo.h"

#include "App.Lib.ManagerControls.h"
#include "App.Lib.ValorTitulo.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TPlanoContasTituloPresenter)

TPlanoContasTituloPresenter::TPlanoContasTituloPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TPlanoContasTituloPresenter"),
                              { { "ID_TITULO", 0, "0000000000" },
                                { "ID_PLANO_CONTAS", 0, "0000000000" },
                                { "PLANO_CONTAS", 50 },
                                { "VALOR", 0, ",0.00" } })
{ }

double TPlanoContasTituloPresenter::findValorInDataSet()
{
    return SomaValorTitulo(DataSetInfo());
}

QString TPlanoContasTituloPresenter::GetFieldsSearch()
{
    return QStringLiteral("PLANO_CONTAS");
}

void TPlanoContasTituloPresenter::loadRows()
{
    const auto rows = service().fillPlanoContasTitulo(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TPlanoContasTituloPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("PLANO_CONTAS"), QStringLiteral("EditPlanoContas"));
}
