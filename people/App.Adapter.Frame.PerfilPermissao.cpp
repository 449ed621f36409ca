#include "App.Adapter.Frame.PerfilPermissao.h"

TPerfilPermissaoFrameAdapter::TPerfilPermissaoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    SetupLabels();
}
