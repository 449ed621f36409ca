#include "App.Adapter.Frame.TipoDocumento.h"

TTipoDocumentoFrameAdapter::TTipoDocumentoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    AddField(LabelTitleSigla, LabelSigla, { u"Sigla", u"Sigla:", 16, 66, 42, u"SIGLA" });
    SetupLabels();
}
