#include "App.Adapter.Frame.Empresa.h"

#include "SpeedButton.h"

TEmpresaFrameAdapter::TEmpresaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    SpeedButtonRemove->setVisible(false);
    LabelEmpresa = AddHeadline(u"LabelEmpresa", u"EMPRESA");
    SetupLabels();
}
