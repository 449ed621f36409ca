#include "App.Adapter.Frame.Seguradora.h"

#include "Label.h"

TSeguradoraFrameAdapter::TSeguradoraFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelSeguradora = AddHeadline(u"LabelSeguradora", u"SEGURADORA");
    AddField(LabelTitleCodigoContrato,
             LabelCodigoContrato,
             { u"CodigoContrato", u"Código Contrato:", 184, 290, 42, u"CODIGO_CONTRATO" });
    AddField(LabelTitleDataContrato,
             LabelDataContrato,
             { u"DataContrato", u"Data Contrato:", 450, 540, 42, u"DATA_CONTRATO" });
    SetupLabels();
}
