#include "App.Adapter.Frame.Motivo.h"

TMotivoFrameAdapter::TMotivoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    AddField(LabelTitleCodigoTipoMotivo,
             LabelCodigoTipoMotivo,
             { u"CodigoTipoMotivo", u"Código:", 184, 211, 42, u"CODIGO_TIPO_MOTIVO" });
    AddField(LabelTitleTipoMotivo,
             LabelTipoMotivo,
             { u"TipoMotivo", u"Tipo Motivo:", 408, 476, 42, u"TIPO_MOTIVO" });
    SetupLabels();
}
