#include "App.Adapter.Frame.FaixaEtariaPlano.h"

#include "Label.h"
#include "MemTable.h"

namespace {

// Years as the row shows them ("21 ano(s)").
QString anosFaixaEtariaPlano(const TMemTable &ADataSet, const char *AColumn)
{
    return ADataSet.FieldByName(QLatin1String(AColumn))->DisplayText() + QStringLiteral(" ano(s)");
}

} // namespace

TFaixaEtariaPlanoFrameAdapter::TFaixaEtariaPlanoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelParentesco = AddHeadline(u"LabelParentesco", u"PARENTESCO");
    AddField(LabelTitleFaixaEtariaInicial,
             LabelFaixaEtariaInicial,
             { u"FaixaEtariaInicial", u"Faixa Inicial:", 184, 292, 26 });
    AddField(LabelTitleFaixaEtariaFinal,
             LabelFaixaEtariaFinal,
             { u"FaixaEtariaFinal", u"Faixa Final:", 402, 496, 26 });
    SetupLabels();
}

void TFaixaEtariaPlanoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    LabelFaixaEtariaInicial->setText(anosFaixaEtariaPlano(ADataSet, "FAIXA_ETARIA_INICIAL"));
    LabelFaixaEtariaFinal->setText(anosFaixaEtariaPlano(ADataSet, "FAIXA_ETARIA_FINAL"));
}
