#include "App.Adapter.Frame.DependentePlano.h"

#include "Label.h"
#include "MemTable.h"

namespace {

// Years as the row shows them ("21 ano(s)").
QString anosDependentePlano(const TMemTable &ADataSet, const char *AColumn)
{
    return ADataSet.FieldByName(QLatin1String(AColumn))->DisplayText() + QStringLiteral(" ano(s)");
}

} // namespace

TDependentePlanoFrameAdapter::TDependentePlanoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelParentesco = AddHeadline(u"LabelParentesco", u"PARENTESCO");
    AddField(LabelTitleFaixaEtaria,
             LabelFaixaEtaria,
             { u"FaixaEtaria", u"Faixa Etária Máxima:", 184, 334, 26 });
    SetupLabels();
}

void TDependentePlanoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    LabelFaixaEtaria->setText(anosDependentePlano(ADataSet, "FAIXA_ETARIA"));
}
