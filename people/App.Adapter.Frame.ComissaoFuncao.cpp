#include "App.Adapter.Frame.ComissaoFuncao.h"

TComissaoFuncaoFrameAdapter::TComissaoFuncaoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"FUNCAO");
    SetupLabels();
}
