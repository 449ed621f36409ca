#include "App.Adapter.Frame.TipoComissaoFuncao.h"

TTipoComissaoFuncaoFrameAdapter::TTipoComissaoFuncaoFrameAdapter(QWidget *AOwner,
                                                                 const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelTipoComissao = AddHeadline(u"LabelTipoComissao", u"TIPO_COMISSAO");
    AddField(LabelTitleCategoriaRealizacao,
             LabelCategoriaRealizacao,
             { u"CategoriaRealizacao",
               u"Categoria Realização:",
               184,
               330,
               42,
               u"CATEGORIA_REALIZACAO" });
    AddField(LabelTitleOrigemCalculoComissao,
             LabelOrigemCalculoComissao,
             { u"OrigemCalculoComissao",
               u"Origem Cálculo Comissão:",
               184,
               354,
               60,
               u"ORIGEM_CALCULO_COMISSAO" });
    AddField(LabelTitleBaseComissao,
             LabelBaseComissao,
             { u"BaseComissao", u"Base Comissão:", 560, 660, 42, u"BASE_COMISSAO" });
    // One more line of values than the base row holds.
    setSize(width(), 88);
    SetupLabels();
}
