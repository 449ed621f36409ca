#include "App.Adapter.Frame.ListaSistema.h"

TListaSistemaFrameAdapter::TListaSistemaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    AddField(LabelTitleCodigo, LabelCodigo, { u"Codigo", u"Código:", 184, 211, 42, u"CODIGO" });
    AddField(LabelTitleTipo, LabelTipo, { u"Tipo", u"Tipo Lista:", 408, 468, 42, u"TIPO" });
    SetupLabels();
}
