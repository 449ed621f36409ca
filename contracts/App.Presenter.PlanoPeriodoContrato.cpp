#include "App.Presenter.PlanoPeriodoContrato.h"

#include "App.Lib.ItemControl.h"
#include "App.Service.Motivo.h"
#include "Common.Dto.Motivo.h"

#include "Edit.h"
#include "FormatSettings.h"
#include "MemTable.h"
#include "SysUtils.h"

ZUNTA_REGISTER_PRESENTER(TPlanoPeriodoContratoPresenter)

namespace {

const TEdit *planoPeriodoEdit(const TBasePresenter &APresenter, const char *AName)
{
    const TItemControl *item = APresenter.FindItemControl(QLatin1String(AName));
    return item ? qobject_cast<const TEdit *>(item->Control()) : nullptr;
}

// One value of the plan lookup's other information, in the program's number format; 0 when the
// part is missing or no number.
double planoValor(const QStringList &AParts, qsizetype AIndex)
{
    double value = 0;
    if (AIndex < AParts.size() && TryStrToFloat(AParts.at(AIndex).trimmed(), value))
        return value;
    return 0;
}

} // namespace

TPlanoPeriodoContratoPresenter::TPlanoPeriodoContratoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TPlanoPeriodoContratoPresenter"),
                              { { "ID_PERIODO_CONTRATO", 0, "0000000000" },
                                { "ID_PLANO", 0, "0000000000" },
                                { "ID_MOTIVO", 0, "0000000000" },
                                { "ID_COLABORADOR", 0, "0000000000" },
                                { "PLANO", 100 },
                                { "DATA_FINAL", 0, "dd/mm/yyyy" },
                                { "PRIMEIRO_VENCIMENTO", 0, "dd/mm/yyyy" },
                                { "PARCELA_INICIAL", 0, "000" },
                                { "VALOR_PLANO", 0, ",0.00" },
                                { "VALOR_PARCELA", 0, ",0.00" },
                                { "MOTIVO", 100 },
                                { "VENDEDOR", 100 },
                                { "IS_PLANO_SEGURADORA" },
                                { "SALDO_IMPORTADO_JA_COBRADO" },
                                { "ULTIMA_COBRANCA_IMPORTACAO", 0, "dd/mm/yyyy" },
                                { "SALDO_IMPORTADO", 0, ",0.00" } })
{ }

void TPlanoPeriodoContratoPresenter::loadRows()
{
    const auto rows = service().fillPlanoPeriodoContrato(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

QString TPlanoPeriodoContratoPresenter::GetFieldsSearch()
{
    return QStringLiteral("ID_PLANO;PLANO;PRIMEIRO_VENCIMENTO;VENDEDOR;DATA_FINAL;VALOR_PARCELA;"
                          "VALOR_PLANO");
}

void TPlanoPeriodoContratoPresenter::afterUpdateInfoRegistroFK()
{
    const TItemControl *planoItem = FindItemControl(QStringLiteral("EditPlano"));
    const TEdit *plano = planoPeriodoEdit(*this, "EditPlano");
    if (!plano)
        return;
    TMemTable &table = DataSetInfo();
    table.FieldByName(QStringLiteral("PLANO"))->SetAsString(plano->text());
    // The plan lookup leaves "<plan value>;<instalment value>".
    const QStringList valores = planoItem->OtherInfo.split(u';');
    table.FieldByName(QStringLiteral("VALOR_PLANO"))->SetAsFloat(planoValor(valores, 0));
    table.FieldByName(QStringLiteral("VALOR_PARCELA"))->SetAsFloat(planoValor(valores, 1));
    if (const TEdit *motivo = planoPeriodoEdit(*this, "EditMotivo"))
        table.FieldByName(QStringLiteral("MOTIVO"))->SetAsString(motivo->text());
    if (const TEdit *vendedor = planoPeriodoEdit(*this, "EditColaborador"))
        table.FieldByName(QStringLiteral("VENDEDOR"))->SetAsString(vendedor->text());
    table.FieldByName(QStringLiteral("IS_PLANO_SEGURADORA"))->SetAsBoolean(IsPlanoSeguradora);
}

std::int64_t TPlanoPeriodoContratoPresenter::findIdMotivoFinalContrato()
{
    std::int64_t id = 0;
    try {
        runOffMainThread([&id] {
            TMotivoService motivos;
            const auto rows = motivos.findByFilter<TMotivoDto>(
                QStringLiteral("FINAL DE CONTRATO"), QString(), 1, 100);
            if (rows && !rows->empty())
                id = rows->front()->Id;
        });
    } catch (const Exception &) {
        // Without the reason the plan closes without one; the user is not stopped for it.
        id = 0;
    }
    return id;
}
