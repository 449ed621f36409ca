#include "App.Adapter.Frame.ColaboradorEmpresa.h"

TColaboradorEmpresaFrameAdapter::TColaboradorEmpresaFrameAdapter(QWidget *AOwner,
                                                                 const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelEmpresa = AddHeadline(u"LabelEmpresa", u"EMPRESA");
    AddField(LabelTitleCodigoRegistro,
             LabelCodigoRegistro,
             { u"CodigoRegistro", u"Código Registro:", 184, 300, 42, u"CODIGO_REGISTRO" });
    AddField(LabelTitleDataAdmissao,
             LabelDataAdmissao,
             { u"DataAdmissao", u"Data Admissão:", 400, 502, 42, u"DATA_ADMISSAO" });
    AddField(LabelTitleDataDemissao,
             LabelDataDemissao,
             { u"DataDemissao", u"Data Desligamento:", 600, 730, 42, u"DATA_DEMISSAO" });
    SetupLabels();
}
