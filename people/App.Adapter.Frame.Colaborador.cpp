#include "App.Adapter.Frame.Colaborador.h"

TColaboradorFrameAdapter::TColaboradorFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    // A second line of values.
    setHeight(85);
    LabelColaborador = AddHeadline(u"LabelColaborador", u"COLABORADOR");
    AddField(LabelTitleFuncao, LabelFuncao, { u"Funcao", u"Função:", 184, 237, 42, u"FUNCAO" });
    AddField(LabelTitleDataAdmissao,
             LabelDataAdmissao,
             { u"DataAdmissao", u"Admissão:", 400, 467, 42, u"DATA_ADMISSAO" });
    AddField(LabelTitleDataDemissao,
             LabelDataDemissao,
             { u"DataDemissao", u"Desligamento:", 600, 695, 42, u"DATA_DEMISSAO" });
    AddField(
        LabelTitleEmpresa, LabelEmpresa, { u"Empresa", u"Empresa:", 184, 244, 62, u"EMPRESA" });
    SetupLabels();
}
