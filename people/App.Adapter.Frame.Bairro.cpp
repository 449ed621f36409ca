#include "App.Adapter.Frame.Bairro.h"

TBairroFrameAdapter::TBairroFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelBairro = AddHeadline(u"LabelBairro", u"BAIRRO");
    AddField(LabelTitleMunicipioUF,
             LabelMunicipioUF,
             { u"MunicipioUF", u"Município/UF:", 184, 276, 42 });
    AddColumns(LabelMunicipioUF, { QStringLiteral("MUNICIPIO"), QStringLiteral("UF") });
    SetupLabels();
}
