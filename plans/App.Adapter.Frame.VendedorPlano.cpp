#include "App.Adapter.Frame.VendedorPlano.h"

TVendedorPlanoFrameAdapter::TVendedorPlanoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"VENDEDOR");
    SetupLabels();
}
