#include "App.Adapter.Frame.UnidadeFederativa.h"

TUnidadeFederativaFrameAdapter::TUnidadeFederativaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelNome = AddHeadline(u"LabelNome", u"NOME");
    AddField(LabelTitleSigla, LabelSigla, { u"Sigla", u"Sigla:", 184, 222, 42, u"SIGLA" });
    SetupLabels();
}
