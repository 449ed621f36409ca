#include "App.Adapter.Frame.PlanoContas.h"

TPlanoContasFrameAdapter::TPlanoContasFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddHeadline(u"LabelDescricao", u"DESCRICAO");
    AddField(LabelTitleCodigo,
             LabelCodigo,
             { u"Codigo", u"Código do Plano de Contas:", 16, 206, 42, u"CODIGO" });
    AddField(LabelTitleTipoPlanoContas,
             LabelTipoPlanoContas,
             { u"TipoPlanoContas", u"Tipo Plano de Contas:", 236, 391, 42, u"TIPO_PLANO_CONTAS" });
    SetupLabels();
}
