#include "App.Adapter.Frame.ConvenioPlano.h"

TConvenioPlanoFrameAdapter::TConvenioPlanoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelConvenio = AddHeadline(u"LabelConvenio", u"CONVENIO");
    AddField(LabelTitleSegmento,
             LabelSegmento,
             { u"Segmento", u"Segmento:", 184, 257, 26, u"SEGMENTO" });
    AddField(LabelTitleDesconto,
             LabelDesconto,
             { u"Desconto", u"Desconto:", 367, 440, 26, u"DESCONTO_CONVENIO" });
    SetupLabels();
}
