#include "App.Presenter.EmpresaTitulo.h"

#include "App.Lib.ManagerControls.h"
#include "App.Lib.ValorTitulo.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TEmpresaTituloPresenter)

TEmpresaTituloPresenter::TEmpresaTituloPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TEmpresaTituloPresenter"),
                              { { "ID_TITULO", 0, "0000000000" },
                                { "ID_EMPRESA", 0, "0000000000" },
                                { "EMPRESA", 100 },
                                { "VALOR", 0, ",0.00" } })
{ }

double TEmpresaTituloPresenter::findValorInDataSet()
{
    return SomaValorTitulo(DataSetInfo());
}

QString TEmpresaTituloPresenter::GetFieldsSearch()
{
    return QStringLiteral("EMPRESA");
}

void TEmpresaTituloPresenter::loadRows()
{
    const auto rows = service().fillEmpresaTitulo(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TEmpresaTituloPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("EMPRESA"), QStringLiteral("EditEmpresa"));
}
