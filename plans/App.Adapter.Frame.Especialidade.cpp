#include "App.Adapter.Frame.Especialidade.h"

TEspecialidadeFrameAdapter::TEspecialidadeFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    SetupLabels();
}
