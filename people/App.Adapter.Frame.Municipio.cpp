#include "App.Adapter.Frame.Municipio.h"

TMunicipioFrameAdapter::TMunicipioFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelNome = AddHeadline(u"LabelNome", u"NOME");
    AddField(LabelTitleUf, LabelUf, { u"Uf", u"UF:", 184, 210, 42, u"UF" });
    SetupLabels();
}
