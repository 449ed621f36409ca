#include "App.Adapter.Frame.FuncaoColaboradorEmpresa.h"

TFuncaoColaboradorEmpresaFrameAdapter::TFuncaoColaboradorEmpresaFrameAdapter(QWidget *AOwner,
                                                                             const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    // A second line of values.
    setHeight(85);
    LabelFuncao = AddHeadline(u"LabelFuncao", u"FUNCAO");
    AddField(LabelTitleData, LabelData, { u"Data", u"Data:", 184, 223, 42, u"DATA" });
    AddField(LabelTitleMotivo, LabelMotivo, { u"Motivo", u"Motivo:", 400, 453, 42, u"MOTIVO" });
    AddField(
        LabelTitleSalario, LabelSalario, { u"Salario", u"Salário:", 600, 660, 42, u"SALARIO" });
    AddField(LabelTitleTipoSalario,
             LabelTipoSalario,
             { u"TipoSalario", u"Tipo do Salário:", 184, 300, 62, u"TIPO_SALARIO" });
    SetupLabels();
}
