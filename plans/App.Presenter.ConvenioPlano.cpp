#include "App.Presenter.ConvenioPlano.h"

#include "App.Lib.Plano.Calculo.h"

#include "App.Lib.ItemControl.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TConvenioPlanoPresenter)

TConvenioPlanoPresenter::TConvenioPlanoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TConvenioPlanoPresenter"),
                              { { "ID_PLANO", 0, "0000000000" },
                                { "ID_CONVENIO", 0, "0000000000" },
                                { "PLANO", 100 },
                                { "CONVENIO", 100 },
                                { "DESCONTO_CONVENIO", 0, ",0.00" },
                                { "CODIGO_SEGMENTO", 10 },
                                { "SEGMENTO", 100 } })
{ }

QString TConvenioPlanoPresenter::GetFieldsSearch()
{
    return QStringLiteral("ID_CONVENIO;CONVENIO");
}

void TConvenioPlanoPresenter::loadRows()
{
    const auto rows = service().fillConvenioPlano(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TConvenioPlanoPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("CONVENIO"), QStringLiteral("EditConvenio"));
    const TItemControl *convenio = FindItemControl(QStringLiteral("EditConvenio"));
    if (!convenio)
        return;
    // The lookup leaves "discount;segment"; a part it left out stays 0 or empty.
    TMemTable &table = DataSetInfo();
    table.FieldByName(QStringLiteral("DESCONTO_CONVENIO"))
        ->SetAsFloat(PlanoCalculo::OtherInfoNumber(convenio->OtherInfo, 0));
    table.FieldByName(QStringLiteral("SEGMENTO"))
        ->SetAsString(PlanoCalculo::OtherInfoPart(convenio->OtherInfo, 1));
}
