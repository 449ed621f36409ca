#include "App.Presenter.ServicoConvenio.h"

#include "Common.Lib.Utils.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TServicoConvenioPresenter)

TServicoConvenioPresenter::TServicoConvenioPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TServicoConvenioPresenter"),
                              { { "ID_CONVENIO", 0, "0000000000" },
                                { "ID_SERVICO", 0, "0000000000" },
                                { "SERVICO", 100 },
                                { "VALOR_SERVICO", 0, ",0.00" } })
{ }

QString TServicoConvenioPresenter::GetFieldsSearch()
{
    return QStringLiteral("SERVICO");
}

void TServicoConvenioPresenter::loadRows()
{
    const auto rows = service().fillServicoConvenio(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TServicoConvenioPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("SERVICO"), QStringLiteral("EditServico"));
    DataSetInfo()
        .FieldByName(QStringLiteral("VALOR_SERVICO"))
        ->SetAsFloat(TUtils::StrEmptyToFloat(ControlText(QStringLiteral("EditValorServico"))));
}
