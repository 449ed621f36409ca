#include "App.Adapter.Frame.ItemCarencia.h"

#include "Label.h"

TItemCarenciaFrameAdapter::TItemCarenciaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    AddField(LabelTitleFaixaEtaria,
             LabelFaixaEtaria,
             { u"FaixaEtaria", u"Faixa Etária:", 184, 262, 42, u"FAIXA_ETARIA" });
    AddField(LabelTitleDiasCarencia,
             LabelDiasCarencia,
             { u"DiasCarencia", u"Dias de Carência:", 350, 450, 42, u"DIAS_CARENCIA" });
    AddField(LabelTitlePercentual,
             LabelPercentual,
             { u"Percentual", u"Percentual:", 540, 608, 42, u"PERCENTUAL" });
    SetupLabels();
}

void TItemCarenciaFrameAdapter::fillRow(const TMemTable &)
{
    LabelFaixaEtaria->setText(LabelFaixaEtaria->text() + QStringLiteral(" ano(s)"));
    LabelDiasCarencia->setText(LabelDiasCarencia->text() + QStringLiteral(" dias"));
    LabelPercentual->setText(LabelPercentual->text() + QStringLiteral(" %"));
}
