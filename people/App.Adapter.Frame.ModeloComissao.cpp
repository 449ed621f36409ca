#include "App.Adapter.Frame.ModeloComissao.h"

TModeloComissaoFrameAdapter::TModeloComissaoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    SetupLabels();
}
