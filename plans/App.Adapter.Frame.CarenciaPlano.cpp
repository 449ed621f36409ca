#include "App.Adapter.Frame.CarenciaPlano.h"

TCarenciaPlanoFrameAdapter::TCarenciaPlanoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelCarencia = AddHeadline(u"LabelCarencia", u"CARENCIA");
    SetupLabels();
}
