#include "App.Adapter.Frame.ValorServico.h"

TValorServicoFrameAdapter::TValorServicoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelData = AddHeadline(u"LabelData", u"DATA");
    AddField(LabelTitleValor, LabelValor, { u"Valor", u"Valor:", 184, 224, 42, u"VALOR" });
    SetupLabels();
}
