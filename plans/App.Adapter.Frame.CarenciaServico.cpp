#include "App.Adapter.Frame.CarenciaServico.h"

TCarenciaServicoFrameAdapter::TCarenciaServicoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelCarencia = AddHeadline(u"LabelCarencia", u"CARENCIA");
    SetupLabels();
}
