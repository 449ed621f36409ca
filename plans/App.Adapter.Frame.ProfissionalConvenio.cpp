#include "App.Adapter.Frame.ProfissionalConvenio.h"

TProfissionalConvenioFrameAdapter::TProfissionalConvenioFrameAdapter(QWidget *AOwner,
                                                                     const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelProfissional = AddHeadline(u"LabelProfissional", u"PROFISSIONAL");
    AddField(LabelTitleEspecialidades,
             LabelEspecialidades,
             { u"Especialidades", u"Especialidades:", 184, 282, 42, u"ESPECIALIDADES" });
    SetupLabels();
}
