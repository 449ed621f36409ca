#include "App.Adapter.Frame.PlanoContasTitulo.h"

TPlanoContasTituloFrameAdapter::TPlanoContasTituloFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelPlanoContas = AddHeadline(u"LabelPlanoContas", u"PLANO_CONTAS");
    AddField(LabelTitleValor, LabelValor, { u"Valor", u"Valor:", 184, 224, 42, u"VALOR" });
    SetupLabels();
}
