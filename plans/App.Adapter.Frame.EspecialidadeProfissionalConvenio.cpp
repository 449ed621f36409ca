#include "App.Adapter.Frame.EspecialidadeProfissionalConvenio.h"

TEspecialidadeProfissionalConvenioFrameAdapter::TEspecialidadeProfissionalConvenioFrameAdapter(
    QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelEspecialidade = AddHeadline(u"LabelEspecialidade", u"ESPECIALIDADE");
    SetupLabels();
}
