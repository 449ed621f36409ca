#include "App.Adapter.Frame.Funcao.h"

TFuncaoFrameAdapter::TFuncaoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    SetupLabels();
}
