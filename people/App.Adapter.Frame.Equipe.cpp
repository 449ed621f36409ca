#include "App.Adapter.Frame.Equipe.h"

TEquipeFrameAdapter::TEquipeFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    SetupLabels();
}
