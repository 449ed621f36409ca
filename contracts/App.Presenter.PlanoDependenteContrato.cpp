#include "App.Presenter.PlanoDependenteContrato.h"

#include "MemTable.h"

#include <utility>

ZUNTA_REGISTER_PRESENTER(TPlanoDependenteContratoPresenter)

TPlanoDependenteContratoPresenter::TPlanoDependenteContratoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TPlanoDependenteContratoPresenter"),
                           { { "ID_PLANO_PERIODO_CONTRATO", 0, "0000000000" },
                             { "ID_DEPENDENTE_CONTRATO", 0, "0000000000" },
                             { "ID_MOTIVO", 0, "0000000000" },
                             { "ID_PESSOA", 0, "0000000000" },
                             { "ID_PLANO", 0, "0000000000" },
                             { "PRIMEIRO_VENCIMENTO", 0, "dd/mm/yyyy" },
                             { "MOTIVO", 100 },
                             { "DEPENDENTE", 200 },
                             { "PLANO", 200 },
                             { "DATA_INICIAL", 0, "dd/mm/yyyy" },
                             { "DATA_FINAL", 0, "dd/mm/yyyy" } })
{ }

void TPlanoDependenteContratoPresenter::loadRows()
{
    const bool byContrato = std::exchange(FilterIdContrato, false);
    const bool byPlanoPeriodo = std::exchange(FilterIdPlanoPeriodo, false);
    const auto links
        = service().fillPlanoDependenteContrato(IdPrincipal, byContrato, byPlanoPeriodo);
    fillDataSetInfo(links ? &*links : nullptr);
}

void TPlanoDependenteContratoPresenter::CreateExtraFields()
{
    // The window's mark of a link switched off; the back end knows no such field.
    DataSetInfo().AddField(QStringLiteral("IS_DESATIVADO"), TFieldType::Boolean);
}
