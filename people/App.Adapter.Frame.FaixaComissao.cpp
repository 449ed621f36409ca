#include "App.Adapter.Frame.FaixaComissao.h"

TFaixaComissaoFrameAdapter::TFaixaComissaoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelListaTipoComissao = AddHeadline(u"LabelListaTipoComissao", u"TIPO_COMISSAO");
    AddField(LabelTitleQuantidade,
             LabelQuantidade,
             { u"Quantidade", u"Quantidade:", 184, 270, 42, u"QUANTIDADE" });
    AddField(LabelTitlePercentual,
             LabelPercentual,
             { u"Percentual", u"Percentual:", 408, 486, 42, u"PERCENTUAL" });
    AddField(LabelTitleValor, LabelValor, { u"Valor", u"Valor:", 632, 678, 42, u"VALOR" });
    SetupLabels();
}
