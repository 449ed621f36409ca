#include "App.Adapter.Frame.Convenio.h"

TConvenioFrameAdapter::TConvenioFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelConvenio = AddHeadline(u"LabelConvenio", u"PESSOA");
    AddField(LabelTitleSegmento,
             LabelSegmento,
             { u"Segmento", u"Segmento:", 184, 250, 26, u"SEGMENTO" });
    AddField(LabelTitleDesconto,
             LabelDesconto,
             { u"Desconto", u"Desconto (%):", 470, 560, 26, u"DESCONTO" });
    AddField(LabelTitleEspecialidades,
             LabelEspecialidades,
             { u"Especialidades", u"Especialidades:", 184, 282, 44, u"ESPECIALIDADES" });
    SetupLabels();
}
